#include "core/engine/HerstellVorschau.h"

#include "core/engine/Nummern.h"
#include "core/engine/Stellen.h"
#include "core/engine/VorschauPruefung.h"
#include "core/engine/Wortlisten.h"
#include "core/engine/sub_Aktion_Vorschau.h"
#include "core/platform/Plattform.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Fortschritt.h"
#include "core/util/nx_Adresse.h"
#include "core/util/nx_Format.h"
#include "core/util/nx_U32Text.h"
#include "core/util/nx_ZeichenEinfach.h"

#include <algorithm>
#include <vector>

namespace rinolux {

namespace {

bool zwischen(AktionsCode c, AktionsCode von, AktionsCode bis)
{
    return c >= von && c <= bis;
}

bool vonQuelle(AktionsCode c)
{
    return zwischen(c, 251, 254) || zwischen(c, 261, 264);
}

bool verbinden(AktionsCode c)
{
    return c == 249 || c == 250;
}

// Codes whose rows are one per marked entry.
bool jeEintrag(AktionsCode c)
{
    return verbinden(c) || zwischen(c, 271, 274) || c % 10 == 1;
}

// Codes whose rows come from the count field.
bool ausAnzahl(AktionsCode c)
{
    const int y = c % 10;
    return !verbinden(c) && (y == 3 || y == 4) && c / 10 != 27;
}

// Codes whose rows come from the word list.
bool ausListe(AktionsCode c)
{
    return !verbinden(c) && c % 10 == 2 && c / 10 != 27;
}

// "neuer Name schon vorhanden" when the new name is the source itself (rule of the name check).
bool kopieRegel(AktionsCode c)
{
    return zwischen(c, 271, 274) || c == 281 || c == 291;
}

QString bereinigt(const std::u32string &name)
{
    return nxTextAusU32(ErgebnisBereinigen(name));
}

// A row as it is made, before it goes into the list.
struct Neu
{
    QString pfad; // source directory
    QString name; // source name.format
    QString neuPfad;
    QString neuName;
    bool verz = false;
    int link = 0;
    QString fehler; // an error found while making the row (number too big)
};

// The part of a name.format chosen by CoHerstAuswahl.
QString auswahlTeil(const QString &nameFormat, int index)
{
    switch (index) {
    case 0:
        return nameFormat;
    case 1:
        return nxAdresseName(nameFormat);
    case 2:
        return nxAdresseFormat(nameFormat);
    default:
        return QString();
    }
}

// Target directory by the location letter; empty when the row has none.
QString zielVerzeichnis(const HerstFelder &h, const QString &quellVerz, const QString &eintragVerz)
{
    switch (h.ort) {
    case HerstOrt::Quelle:
        return quellVerz;
    case HerstOrt::Auswahl:
        return eintragVerz;
    case HerstOrt::Pfad:
        return h.ortPfad.trimmed().isEmpty() ? QString() : nxAdresseMitEndStrich(h.ortPfad);
    case HerstOrt::Keiner:
        break;
    }
    return QString();
}

bool zielGueltig(const HerstFelder &h, const QString &neuPfad)
{
    // A row without a directory (a location letter that does not fit the code) must never
    // fall back to the working directory.
    if (h.ort == HerstOrt::Keiner || neuPfad.isEmpty())
        return false;
    if (h.ort == HerstOrt::Pfad)
        return HerstellPfadGueltig(neuPfad);
    return neuPfad.startsWith(u'/');
}

} // namespace

QString HerstellZuVieleText()
{
    return QStringLiteral("Es können höchstens ") + nxZahlText(HerstellHoechstAnzahl) +
           QStringLiteral(" auf einmal hergestellt werden. Bitte bei \"Wieviele herstellen?\" eine kleinere "
                          "Zahl eingeben.");
}

std::optional<qint64> HerstellAnzahlLesen(const QString &text)
{
    return ZahlGeprueft(nxU32AusText(text), false);
}

bool HerstellPfadGueltig(const QString &pfad)
{
    if (pfad.isEmpty())
        return false;
    const QString p = nxAdresseMitEndStrich(pfad);
    const QString wurzel = nxAdresseLaufwerk(p);
    if (wurzel.isEmpty() || !plattform::vorhanden(wurzel) || !nxAdresseIstVerzeichnis(wurzel))
        return false;
    // From the root's last character on: the separators stay allowed.
    const QStringView rest = QStringView(p).mid(wurzel.size() - 1);
    for (const QChar c : rest) {
        if (c == u'/')
            continue;
        if (c.unicode() < 0x20 || AdresseVerboteneZeichen.contains(c))
            return false;
    }
    return !rest.contains(u"//") && !rest.contains(u"/./") && !rest.contains(u"/../");
}

QStringList HerstellEndungen(const QString &text)
{
    QStringList endungen;
    QString stueck;
    for (const QChar c : text) {
        if (c == u':' || c == u'|') {
            if (!stueck.isEmpty())
                endungen.append(stueck);
            stueck.clear();
        } else {
            stueck += c;
        }
    }
    if (!stueck.isEmpty())
        endungen.append(stueck);
    return endungen;
}

int HerstellEndungFinden(const QString &name, const QStringList &endungen)
{
    const QString klein = name.toLower();
    for (qsizetype i = 0; i < endungen.size(); ++i)
        if (nxAdressePasstZuMaske(klein, QString(u'*' + endungen[i].toLower())))
            return int(i);
    return -1;
}

HerstellVorschauErgebnis HerstellVorschau(ListenDaten &vliste, const ListenDaten &aliste,
                                          const TeilRegel &teil, bool suchErgebnis, Fortschritt &fort)
{
    HerstellVorschauErgebnis ergebnis;
    const AktionsCode c = teil.code;
    const HerstFelder &h = teil.herst;
    const int y = c % 10;

    vliste.Leeren();
    if (vliste.ZellenAnzahl() != VZelle::Anzahl)
        vliste.ZellenAnzahlSetzen(VZelle::Anzahl);

    // How many rows, before any is made.
    qint64 anzahl = 0;
    std::vector<int> eintraege; // marked entries in display order
    if (jeEintrag(c)) {
        eintraege.reserve(size_t(aliste.MarkiertAnzahl()));
        for (int pos = 1; pos <= aliste.Anzahl(); ++pos)
            if (aliste.Markiert(aliste.ZeileAn(pos)))
                eintraege.push_back(aliste.ZeileAn(pos));
        anzahl = qint64(eintraege.size());
    } else if (ausListe(c)) {
        anzahl = teil.liste.zeilen.size();
    } else if (ausAnzahl(c)) {
        const std::optional<qint64> n = HerstellAnzahlLesen(h.anzahl);
        if (!n || *n > HerstellHoechstAnzahl) {
            ergebnis.zuViele = true;
            return ergebnis;
        }
        anzahl = *n;
    }
    if (anzahl == 0)
        return ergebnis;

    // The source of 25x and 26x, the same in every row.
    QString quellVerz;
    QString quellName;
    if (vonQuelle(c))
        nxAdresseVerzeichnisUndNameFormat(h.quelleDatei, quellVerz, quellName);

    // What every row shares.
    const std::u32string vor = nxU32AusText(y == 2 ? teil.liste.vor : teil.nummer.vor);
    const std::u32string nach = nxU32AusText(y == 2 ? teil.liste.nach : teil.nummer.nach);
    std::vector<std::u32string> woerter;
    if (y == 2) {
        woerter.reserve(size_t(teil.liste.zeilen.size()));
        for (const QString &z : teil.liste.zeilen)
            woerter.push_back(nxU32AusText(z));
    }
    const WertMitAlphabeten startWert = WertZerlegen(nxU32AusText(teil.nummer.start));
    const Erhoehung erhoehung = ErhoehungLesen(nxU32AusText(teil.nummer.diff));
    const FormelErgebnis formel =
        y == 4 && !verbinden(c) ? FormelLesen(nxU32AusText(teil.formel)) : FormelErgebnis{};
    const bool jeVerzeichnis = (c == 273 || c == 274) && teil.nrUnterverz && suchErgebnis;
    NummernZaehler zaehler;
    const QStringList endungen = c == 249 ? HerstellEndungen(h.verbinden) : QStringList();
    bool zielGegeben = false; // 250: the first file row carries the target

    FortSchritte schritte(fort, anzahl);
    std::vector<Neu> zeilen;
    zeilen.reserve(size_t(anzahl));
    for (qint64 i = 1; i <= anzahl; ++i) {
        Neu r;
        const int eintrag = eintraege.empty() ? 0 : eintraege[size_t(i - 1)];
        QString eintragVerz;
        QString eintragName;
        if (eintrag != 0) {
            eintragVerz = aliste.Zelle(eintrag, AZelle::Pfad);
            eintragName = aliste.Zelle(eintrag, AZelle::Name);
            r.link = eintrag;
        }
        if (vonQuelle(c)) {
            r.pfad = quellVerz;
            r.name = quellName;
        } else if (zwischen(c, 271, 274) || verbinden(c)) {
            r.pfad = eintragVerz;
            r.name = eintragName;
            r.verz = aliste.Verz(eintrag);
        }
        if (c / 10 == 29)
            r.verz = true;

        if (verbinden(c)) {
            if (!r.verz) {
                if (c == 250 && !zielGegeben) {
                    zielGegeben = true;
                    r.neuPfad = zielVerzeichnis(h, r.pfad, eintragVerz);
                    r.neuName = bereinigt(nxU32AusText(h.verbinden));
                } else if (c == 249) {
                    const int e = HerstellEndungFinden(r.name, endungen);
                    if (e >= 0) {
                        r.neuPfad = zielVerzeichnis(h, r.pfad, eintragVerz);
                        r.neuName = bereinigt(nxU32AusText(
                            r.name.left(std::max<qsizetype>(0, r.name.size() - endungen[e].size()))));
                    }
                }
            }
        } else {
            r.neuPfad = zielVerzeichnis(h, r.pfad, eintragVerz);
            std::optional<std::u32string> neu;
            switch (y) {
            case 1:
                neu =
                    nxU32AusText(QString(h.auswahlVor + auswahlTeil(eintragName, h.auswahl) + h.auswahlNach));
                break;
            case 2:
                neu = ListenText(vor, woerter, i, false, nach);
                break;
            case 3:
                neu = LaufendeNummer(
                    vor, startWert, erhoehung, nach,
                    zaehler.weiter(jeVerzeichnis,
                                   eintrag != 0 ? aliste.Zelle(eintrag, AZelle::PfadNr).toLongLong() : 0));
                break;
            case 4:
                if (formel.formeln)
                    neu = VerschachtelteNummer(
                        *formel.formeln,
                        zaehler.weiter(jeVerzeichnis, eintrag != 0
                                                          ? aliste.Zelle(eintrag, AZelle::PfadNr).toLongLong()
                                                          : 0));
                else
                    neu = std::u32string();
                break;
            default:
                break;
            }
            if (neu)
                r.neuName = bereinigt(*neu);
            else
                r.fehler = NummerZuGrossText();
        }
        zeilen.push_back(std::move(r));
        if (!schritte.weiter(i)) {
            ergebnis.abgebrochen = true;
            break;
        }
    }

    // Into the list at once.
    const int n = int(zeilen.size());
    vliste.ZeilenAnhaengen(n);
    for (int z = 1; z <= n; ++z) {
        const Neu &r = zeilen[size_t(z - 1)];
        vliste.ZelleSetzen(z, VZelle::Pfad, r.pfad);
        vliste.ZelleSetzen(z, VZelle::Name, r.name);
        vliste.ZelleSetzen(z, VZelle::NeuPfad, r.neuPfad);
        vliste.ZelleSetzen(z, VZelle::NeuName, r.neuName);
        vliste.VerzSetzen(z, r.verz);
        vliste.LinkSetzen(z, r.link);
    }
    fort.FortAbschnittMax();
    fort.FortAbschnittNeu(QStringLiteral("Vorschau"), true, true);
    if (ergebnis.abgebrochen || n == 0)
        return ergebnis;

    const auto setzen = [&vliste](int z, const QString &text, bool warn) {
        vliste.ZelleSetzen(z, VZelle::Ergebnis, text);
        vliste.WarnSetzen(z, warn);
    };
    // Whether a new object may go to the row's target: the directory is usable and nothing
    // stands there yet (a copy never replaces anything).
    const auto zielPruefen = [&](int z, PruefErgebnis &p) {
        const Neu &r = zeilen[size_t(z - 1)];
        if (!zielGueltig(h, r.neuPfad)) {
            p = {HerstellVerzeichnisUngueltigText, true};
            return;
        }
        if (!p.fehler && plattform::vorhanden(r.neuPfad + r.neuName))
            p = {HerstellSchonVorhandenText, true};
    };

    // 249: a row that continues the previous piece is appended, so it names no target of its
    // own, even when it ends with one of the endings too ("*.0??" fits every piece).
    std::vector<char> fortsetzung(size_t(n) + 1, 0);
    if (c == 249) {
        QString vorige;
        bool gibtVorige = false;
        for (int z = 1; z <= n; ++z) {
            const Neu &r = zeilen[size_t(z - 1)];
            if (r.verz)
                continue;
            if (gibtVorige && r.name.compare(nxTextAusU32(nxZeichenZaehlenStandard(nxU32AusText(vorige), 1)),
                                             Qt::CaseInsensitive) == 0) {
                fortsetzung[size_t(z)] = 1;
                zeilen[size_t(z - 1)].neuPfad.clear();
                zeilen[size_t(z - 1)].neuName.clear();
                vliste.ZelleSetzen(z, VZelle::NeuPfad, QString());
                vliste.ZelleSetzen(z, VZelle::NeuName, QString());
            }
            vorige = r.name;
            gibtVorige = true;
        }
    }

    // Duplicates among the rows that name a target.
    std::vector<int> mitNamen;
    QStringList pfade;
    QStringList namen;
    for (int z = 1; z <= n; ++z) {
        const Neu &r = zeilen[size_t(z - 1)];
        if (verbinden(c) && r.neuName.isEmpty())
            continue;
        mitNamen.push_back(z);
        pfade.append(r.neuPfad);
        namen.append(r.neuName);
    }
    std::vector<char> doppelt(size_t(n) + 1, 0);
    {
        const QList<bool> d = VorschauDoppelteMarkieren(pfade, namen);
        for (size_t i = 0; i < mitNamen.size(); ++i)
            doppelt[size_t(mitNamen[i])] = d[qsizetype(i)] ? 1 : 0;
    }
    const auto namensPruefung = [&](int z) {
        const Neu &r = zeilen[size_t(z - 1)];
        NamensPruefungEingabe e;
        e.neuerName = r.neuName;
        e.neuerPfad = r.neuPfad;
        e.alterPfad = r.pfad;
        e.alterName = r.name;
        e.doppelt = doppelt[size_t(z)] != 0;
        e.kopieRegel = kopieRegel(c);
        PruefErgebnis p = VorschauNamenPruefen(e);
        if (const QString objekt = VorschauObjektPruefen(r.pfad, r.name); !objekt.isEmpty())
            p = {objekt, true};
        return p;
    };

    FortSchritte pruefSchritte(fort, n);
    if (!verbinden(c)) {
        const std::optional<QString> formelFehler =
            y == 4 && !formel.formeln ? std::optional<QString>(formel.fehler.text()) : std::nullopt;
        const bool quelleFehlt =
            vonQuelle(c) && !(h.quelleDatei.startsWith(u'/') && nxAdresseIstDatei(h.quelleDatei));
        for (int z = 1; z <= n; ++z) {
            PruefErgebnis p;
            if (formelFehler)
                p = {*formelFehler, true};
            else if (quelleFehlt)
                p = {HerstellVorlageFehltText, true};
            else if (!zeilen[size_t(z - 1)].fehler.isEmpty())
                p = {zeilen[size_t(z - 1)].fehler, true};
            else
                p = namensPruefung(z);
            if (p.text == u"keine Veränderung")
                p = {QStringLiteral("ok"), false};
            zielPruefen(z, p);
            setzen(z, p.text, p.fehler);
            if (!pruefSchritte.weiter(z)) {
                ergebnis.abgebrochen = true;
                break;
            }
        }
        return ergebnis;
    }

    // The join codes: the pieces of one joined file follow their first row.
    bool gibtVorige = false;
    bool vorigeOk = false;
    for (int z = 1; z <= n; ++z) {
        const Neu &r = zeilen[size_t(z - 1)];
        PruefErgebnis p = namensPruefung(z);
        if (r.verz) {
            setzen(z, HerstellIgnoriertText, true);
        } else {
            if ((c == 249 && fortsetzung[size_t(z)]) || (c == 250 && gibtVorige)) {
                p = vorigeOk ? PruefErgebnis{HerstellHinzuText, false}
                             : PruefErgebnis{HerstellIgnoriertText, true};
            } else if (c == 250 || !r.neuName.isEmpty()) {
                if (!p.fehler) {
                    p = {QStringLiteral("ok"), false};
                    zielPruefen(z, p);
                }
            } else {
                p = {HerstellUngueltigeDateiText, true};
            }
            setzen(z, p.text, p.fehler);
            gibtVorige = true;
            vorigeOk = !p.fehler;
        }
        if (!pruefSchritte.weiter(z)) {
            ergebnis.abgebrochen = true;
            break;
        }
    }
    return ergebnis;
}

} // namespace rinolux
