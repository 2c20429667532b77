#include "core/engine/sub_Aktion_Vorschau.h"

#include "core/engine/HerstellVorschau.h"
#include "core/engine/TeilRegelAnwenden.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Fortschritt.h"
#include "core/util/PfadText.h"
#include "core/util/nx_Debug.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace rinolux {

namespace {

bool imBereich(AktionsCode c, AktionsCode von, AktionsCode bis) { return c >= von && c <= bis; }

// Selection cells that fill the three time columns, by the target time of the code.
std::array<int, 3> zeitZellen(AktionsCode code)
{
    switch (code / 10) {
    case 12: return {AZelle::ZeitH, AZelle::ZeitA, AZelle::ZeitZ};
    case 13: return {AZelle::ZeitZ, AZelle::ZeitA, AZelle::ZeitH};
    default: return {AZelle::ZeitA, AZelle::ZeitH, AZelle::ZeitZ};
    }
}

// Column that holds the new value of a code's rows.
int neuSpalte(AktionsCode code)
{
    if (IstZeitCode(code))
        return VZelle::NeuZeit;
    if (IstAttributCode(code))
        return VZelle::NeuAttribute;
    return VZelle::NeuName;
}

// Whether a sub-rule reads more of the entry than its names: "was anderes" may take the
// size or a time, attribute and time rules work on those values, numbers may restart per
// directory. The others need only the names, which saves decoding six cells per row.
bool brauchtEintragsWerte(const TeilRegel &teil)
{
    const AktionsCode c = teil.code;
    if (c == 211 || c == 221) {
        // Of the "was anderes" letters only the size and the time parts read the entry.
        static const QString liestEintrag = QStringLiteral("bÖöoÄäa");
        return liestEintrag.contains(teil.buchstabe);
    }
    return IstAttributCode(c) || IstZeitCode(c) || c == 213 || c == 214 || c == 223 || c == 224;
}

// Which of the entry's values a sub-rule reads: only those are decoded for each row.
struct EintragsBedarf
{
    bool groesse = false, attribute = false, zeiten = false, verzeichnisNummer = false;
};

EintragsBedarf eintragsBedarf(const TeilRegel &teil)
{
    EintragsBedarf b;
    if (!brauchtEintragsWerte(teil))
        return b;
    const AktionsCode c = teil.code;
    const bool texte = c == 211 || c == 221; // the size and the times of "was anderes"
    b.groesse = texte;
    b.attribute = IstAttributCode(c);
    b.zeiten = texte || IstZeitCode(c);
    b.verzeichnisNummer = c == 213 || c == 214 || c == 223 || c == 224;
    return b;
}

// Decodes the cells of one column; a cell equal to the one read before shares its text, so
// the directory of a listing is not decoded and allocated again for every row.
class SpaltenLeser final
{
public:
    SpaltenLeser(const ListenDaten &liste, int zelle) : m_liste(liste), m_zelle(zelle) {}
    QString operator()(int zeile)
    {
        const QByteArrayView b = m_liste.ZelleUtf8(zeile, m_zelle);
        if (!m_gelesen || b != QByteArrayView(m_bytes)) {
            m_bytes = b.toByteArray();
            m_text = b.isEmpty() ? QString() : ausUtf8MitEinzelnen(b);
            m_gelesen = true;
        }
        return m_text;
    }

private:
    const ListenDaten &m_liste;
    int m_zelle;
    bool m_gelesen = false;
    QByteArray m_bytes;
    QString m_text;
};

// The names of all rows without an allocation per row: texts are appended to blocks that
// never move, each row an (offset, length) into them, and handed out as QStrings on those
// characters. A row without a text of its own (-1) stands for "as in the other array".
class ZeilenTexte final
{
public:
    explicit ZeilenTexte(int n) : m_orte(size_t(n)) {}

    bool gesetzt(int i) const { return m_orte[size_t(i)].laenge >= 0; }
    QString an(int i) const
    {
        const Ort &o = m_orte[size_t(i)];
        if (o.laenge <= 0)
            return QString();
        return QString::fromRawData(m_bloecke[size_t(o.block)].constData() + o.start, o.laenge);
    }
    // The characters themselves, which stay put as long as the array lives.
    QStringView ansicht(int i) const
    {
        const Ort &o = m_orte[size_t(i)];
        if (o.laenge <= 0)
            return QStringView();
        return QStringView(m_bloecke[size_t(o.block)].constData() + o.start, o.laenge);
    }
    void setzen(int i, QStringView text)
    {
        Ort &o = m_orte[size_t(i)];
        if (text.isEmpty()) {
            o = Ort{0, 0, 0};
            return;
        }
        if (m_bloecke.empty() || m_bloecke.back().capacity() - m_bloecke.back().size() < text.size()) {
            QString block;
            block.reserve(std::max<qsizetype>(kBlock, text.size()));
            m_bloecke.push_back(std::move(block));
        }
        QString &block = m_bloecke.back();
        o = Ort{qint32(m_bloecke.size() - 1), qint32(block.size()), qint32(text.size())};
        block.append(text); // within the reserved room: the block's characters stay put
    }

private:
    static constexpr qsizetype kBlock = 1 << 20;
    struct Ort
    {
        qint32 block = 0;
        qint32 start = 0;
        qint32 laenge = -1;
    };
    std::vector<QString> m_bloecke;
    std::vector<Ort> m_orte;
};

// The directory of every row: a listing's rows share one text, so a row costs an index.
class ZeilenPfade final
{
public:
    explicit ZeilenPfade(int n) : m_nr(size_t(n), 0) {}
    void setzen(int i, const QString &pfad)
    {
        if (m_texte.empty() || !(pfad.isSharedWith(m_texte.back()) || pfad == m_texte.back()))
            m_texte.push_back(pfad);
        m_nr[size_t(i)] = qint32(m_texte.size() - 1);
    }
    const QString &operator[](qsizetype i) const { return m_texte[size_t(m_nr[size_t(i)])]; }

private:
    std::vector<QString> m_texte;
    std::vector<qint32> m_nr;
};

// The values of one row for a sub-rule, written into the same strings row after row (no
// allocation per cell). The old name is read from the list; the new one is the old one until
// a sub-rule has given the row another.
void zeilenWerteSetzen(ZeilenWerte &w, const ListenDaten &v, const ListenDaten &a, int zeile, const EintragsBedarf &bedarf,
                       const QString &pfad, const ZeilenTexte &neueNamen)
{
    w.pfad = pfad;
    w.neuerName = QString(); // it may share the last row's name, whose room then serves again
    ausUtf8MitEinzelnenSetzen(v.ZelleUtf8(zeile, VZelle::Name), w.name);
    w.neuerName = neueNamen.gesetzt(zeile - 1) ? neueNamen.an(zeile - 1) : w.name;
    w.zeile = zeile;
    const int eintrag = v.Link(zeile);
    const bool mitEintrag = eintrag >= 1 && eintrag <= a.Anzahl();
    if (mitEintrag && bedarf.groesse)
        ausUtf8MitEinzelnenSetzen(a.ZelleUtf8(eintrag, AZelle::Bytes), w.groesse);
    else
        w.groesse.clear();
    if (mitEintrag && bedarf.attribute) {
        // A second attribute rule of a combined rule works on what the first one left.
        const QByteArrayView neueAttribute = v.ZelleUtf8(zeile, VZelle::NeuAttribute);
        ausUtf8MitEinzelnenSetzen(neueAttribute.isEmpty() ? a.ZelleUtf8(eintrag, AZelle::Attribute) : neueAttribute,
                                  w.attribute);
    } else {
        w.attribute.clear();
    }
    if (mitEintrag && bedarf.zeiten) {
        ausUtf8MitEinzelnenSetzen(a.ZelleUtf8(eintrag, AZelle::ZeitH), w.zeiten.herstellung);
        ausUtf8MitEinzelnenSetzen(a.ZelleUtf8(eintrag, AZelle::ZeitA), w.zeiten.aenderung);
        ausUtf8MitEinzelnenSetzen(a.ZelleUtf8(eintrag, AZelle::ZeitZ), w.zeiten.zugriff);
    } else {
        w.zeiten = EintragZeiten();
    }
    w.verzeichnisNummer = mitEintrag && bedarf.verzeichnisNummer ? a.ZelleUtf8(eintrag, AZelle::PfadNr).toLongLong() : 0;
}

} // namespace

bool VorschauBrauchtEintragsWerte(const Regel &regel)
{
    return std::any_of(regel.teile.cbegin(), regel.teile.cend(), brauchtEintragsWerte);
}

const QStringList &VorschauSpaltenTitel()
{
    static const QStringList titel{QString(),
                                   QStringLiteral(" jetziger Pfad"),
                                   QStringLiteral(" jetziger Name.Format"),
                                   QStringLiteral(" jetzige Zeit"),
                                   QString(),
                                   QString(),
                                   QStringLiteral(" Attribute"),
                                   QStringLiteral(" neuer Pfad"),
                                   QStringLiteral(" neuer Name.Format"),
                                   QStringLiteral(" neue Zeit"),
                                   QStringLiteral(" neue Attribute"),
                                   QStringLiteral(" Prüfungs-Ergebnis")};
    return titel;
}

QList<int> VorschauSichtbareSpalten(AktionsCode code)
{
    if (IstNamenCode(code))
        return {2, 11, 8};
    if (IstAttributCode(code))
        return {2, 11, 6, 10};
    if (IstZeitCode(code))
        return {2, 11, 3, 9};
    if (IstHerstellCode(code))
        return {2, 11, 7, 8};
    return {8};
}

bool VorschauZeilenJeEintrag(AktionsCode c)
{
    return IstZeitCode(c) || IstAttributCode(c) || IstNamenCode(c) || c == 249 || c == 250 ||
           imBereich(c, 271, 274) || c == 281 || c == 291;
}

bool VorschauBrauchtAuswahl(AktionsCode c)
{
    return VorschauZeilenJeEintrag(c) || c == 251 || c == 261;
}

namespace {

bool MachtAnzahl(AktionsCode c)
{
    return c == 253 || c == 254 || c == 263 || c == 264 || c == 283 || c == 284 || c == 293 || c == 294;
}

// The count as the creation preview reads it (its digits); one that does not fit counts as
// the largest number, so it is never taken for a small one.
qint64 anzahlAusText(const QString &text)
{
    return HerstellAnzahlLesen(text).value_or(std::numeric_limits<qint64>::max());
}

} // namespace

qint64 VorschauBetroffeneAnzahl(AktionsCode c, int markiert, const QString &herstAnzahl)
{
    if (VorschauZeilenJeEintrag(c) || c == 251 || c == 252 || c == 261 || c == 262 || c == 282 || c == 292)
        return markiert;
    if (MachtAnzahl(c))
        return anzahlAusText(herstAnzahl);
    return 0;
}

qint64 VorschauErwarteteZeilen(AktionsCode c, int vorschauZeilen, int herstListenZeilen, const QString &herstAnzahl)
{
    if (VorschauZeilenJeEintrag(c))
        return vorschauZeilen;
    if (c == 252 || c == 262 || c == 282 || c == 292)
        return herstListenZeilen;
    if (MachtAnzahl(c))
        return anzahlAusText(herstAnzahl);
    return std::numeric_limits<qint64>::max();
}

bool AutoVorschauFaellig(qint64 ruheMs, int sekunden, bool begrenzt, int grenze, qint64 betroffene)
{
    if (ruheMs <= qint64(sekunden) * 1000)
        return false;
    return !begrenzt || betroffene < grenze;
}

void VorschauZeilenAufbauen(ListenDaten &vliste, const ListenDaten &aliste, AktionsCode code)
{
    vliste.Leeren(VorschauZeilenJeEintrag(code) ? aliste.MarkiertAnzahl() : 0);
    if (vliste.ZellenAnzahl() != VZelle::Anzahl)
        vliste.ZellenAnzahlSetzen(VZelle::Anzahl);
    if (!VorschauZeilenJeEintrag(code))
        return;
    const bool zeit = IstZeitCode(code);
    const bool attribut = IstAttributCode(code);
    const std::array<int, 3> zeiten = zeitZellen(code);
    // One row per marked entry, appended at once.
    int markiert = 0;
    for (int eintrag = 1; eintrag <= aliste.Anzahl(); ++eintrag)
        markiert += aliste.Markiert(eintrag) ? 1 : 0;
    const int erste = vliste.ZeilenAnhaengen(markiert);
    int z = erste - 1;
    for (int pos = 1; pos <= aliste.Anzahl(); ++pos) {
        const int eintrag = aliste.ZeileAn(pos);
        if (!aliste.Markiert(eintrag))
            continue;
        ++z;
        vliste.VerzSetzen(z, aliste.Verz(eintrag));
        vliste.LinkSetzen(z, eintrag);
        vliste.ZelleUebernehmen(z, VZelle::Pfad, aliste, eintrag, AZelle::Pfad);
        vliste.ZelleUebernehmen(z, VZelle::Name, aliste, eintrag, AZelle::Name);
        if (zeit) {
            vliste.ZelleUebernehmen(z, VZelle::Zeit, aliste, eintrag, zeiten[0]);
            vliste.ZelleUebernehmen(z, VZelle::Zeit2, aliste, eintrag, zeiten[1]);
            vliste.ZelleUebernehmen(z, VZelle::Zeit3, aliste, eintrag, zeiten[2]);
        }
        if (attribut)
            vliste.ZelleUebernehmen(z, VZelle::Attribute, aliste, eintrag, AZelle::Attribute);
    }
    Q_ASSERT(z == vliste.Anzahl());
}

QString VorschauVeralten(ListenDaten &vliste, AktionsCode code, int markiert, const QString &ersteSeite)
{
    nxDebugZeile(QStringLiteral("Aktion_VorschauTimerEinschaltenWennErlaubt"));
    QString text = VorschauVeraltetText;
    if (VorschauBrauchtAuswahl(code) && markiert <= 0)
        text = QStringLiteral("Auf der Seite [") + ersteSeite.trimmed() +
               QStringLiteral("] muss mindestens ein Name ausgewählt sein.");
    const bool herstellen = IstHerstellCode(code);
    const int spalte = neuSpalte(code);
    for (int z = 1; z <= vliste.Anzahl(); ++z) {
        if (herstellen) {
            vliste.ZelleSetzen(z, VZelle::NeuPfad, QString());
            vliste.ZelleSetzen(z, VZelle::NeuName, QString());
        } else {
            vliste.ZelleSetzen(z, spalte, QString());
        }
        vliste.ZelleSetzen(z, VZelle::Ergebnis, VorschauVeraltetText);
        vliste.WarnSetzen(z, true);
    }
    return text;
}

VorschauLaufErgebnis Aktion_VorschauAnzeigen(ListenDaten &vliste, const ListenDaten &aliste,
                                             const QString &regelCode, const VorschauOptionen &optionen,
                                             Fortschritt &fort)
{
    DebugSchritt schritt(QStringLiteral("Aktion_VorschauAnzeigen"));
    VorschauLaufErgebnis ergebnis;
    fort.Abbruch = false;
    if (optionen.gross)
        fort.FortEin(2, optionen.anker, true);
    fort.FortAbschnittNeu(QStringLiteral("Vorschau"), true, true);

    // Placeholders: each distinct name is asked once; without an answer they stay.
    QString code = regelCode;
    const QList<Platzhalter> platzhalter = PlatzhalterFinden(code);
    if (!platzhalter.isEmpty() && optionen.platzhalter) {
        QStringList werte;
        if (optionen.platzhalter->PlatzhalterWerte(platzhalter, werte))
            code = PlatzhalterErsetzen(code, platzhalter, werte);
    }
    ergebnis.regelCode = code;

    const RegelLeseErgebnis gelesen = RegelLesen(code);
    const int n = vliste.Anzahl();
    if (!gelesen.gueltig() || gelesen.regel.teile.isEmpty()) {
        // An outdated or broken record changes nothing; the summary says it cannot be used.
        vliste.Leeren();
        fort.FortAbschnittMax();
        if (optionen.gross)
            fort.FortAus();
        ergebnis.auswertung = AnzeigeVorschauAuswertung(0, 0, 0, 0);
        return ergebnis;
    }
    const QList<TeilRegel> &teile = gelesen.regel.teile;
    const AktionsCode letzter = teile.last().code;

    if (IstHerstellCode(letzter)) {
        // A creation rule makes its own rows: one per object to be made.
        const HerstellVorschauErgebnis h =
            HerstellVorschau(vliste, aliste, teile.last(), optionen.suchErgebnis, fort);
        const int zeilen = vliste.Anzahl();
        if (h.abgebrochen || fort.Abbruch) {
            ergebnis.abgebrochen = true;
            for (int z = 1; z <= zeilen; ++z) {
                vliste.ZelleSetzen(z, VZelle::Ergebnis, VorschauAbgebrochenText);
                vliste.WarnSetzen(z, true);
            }
        }
        qint64 fehler = 0;
        for (int z = 1; z <= zeilen; ++z)
            fehler += vliste.Warn(z) ? 1 : 0;
        ergebnis.code = letzter;
        ergebnis.zeilen = zeilen;
        ergebnis.fehler = fehler;
        ergebnis.auswertung = h.zuViele ? VorschauAuswertung{HerstellZuVieleText(), VorschauFarbe::Normal, false}
                                        : AnzeigeVorschauAuswertung(letzter, zeilen, fehler, 0);
        fort.FortAbschnittMax();
        if (optionen.gross)
            fort.FortAus();
        return ergebnis;
    }

    // Paths are decoded once, old names row by row from the list; the new names live in an
    // array while the sub-rules run and go into the list at the end. A row keeps its old name
    // until a sub-rule gives it another one.
    // Lists counted from 0: row z is at z - 1.
    ZeilenPfade pfade(n);
    ZeilenTexte neueNamen(n);
    {
        SpaltenLeser pfad(vliste, VZelle::Pfad);
        for (int z = 1; z <= n; ++z)
            pfade.setzen(z - 1, pfad(z));
    }
    int neuerPfadBis = 0; // rows a name rule has reached: they get the new path

    // First error per row from any sub-rule; every sub-rule counts, not only the last. Rows
    // hold the number of their text in fehlerTexte (0: none), as most rows have none.
    QStringList fehlerTexte{QString()};
    std::vector<qint32> fruehFehler(size_t(n) + 1, 0);
    auto fehlerMerken = [&](int z, const QString &text) {
        if (fruehFehler[size_t(z)] != 0)
            return;
        if (fehlerTexte.constLast() != text)
            fehlerTexte.append(text);
        fruehFehler[size_t(z)] = qint32(fehlerTexte.size() - 1);
    };
    AktionsCode ueberschussCode = letzter;
    FortSchritte schritte(fort, qint64(n) * teile.size());
    bool abgebrochen = false;
    for (qsizetype s = 0; s < teile.size() && !abgebrochen; ++s) {
        const TeilRegel &teil = teile[s];
        TeilRegelLauf lauf(teil, optionen.suchErgebnis);
        const qint64 d = lauf.ueberschuss(n);
        if (d != 0 && ergebnis.ueberschuss == 0) {
            ergebnis.ueberschuss = d;
            ueberschussCode = teil.code;
        }
        if (const std::optional<QString> f = lauf.regelFehler()) {
            for (int z = 1; z <= n; ++z)
                fehlerMerken(z, *f);
            continue;
        }
        if (IstHerstellCode(teil.code))
            continue; // creation rows come from their own preview
        const bool name = IstNamenCode(teil.code);
        const EintragsBedarf bedarf = eintragsBedarf(teil);
        const int spalte = neuSpalte(teil.code);
        ZeilenWerte werte;
        for (int z = 1; z <= n; ++z) {
            zeilenWerteSetzen(werte, vliste, aliste, z, bedarf, pfade[z - 1], neueNamen);
            ZeilenErgebnis e;
            if (name) {
                neuerPfadBis = std::max(neuerPfadBis, z);
                e = lauf.name(werte);
                if (e.wert != werte.neuerName)
                    neueNamen.setzen(z - 1, e.wert);
            } else {
                e = IstAttributCode(teil.code) ? lauf.attribute(werte) : lauf.zeit(werte);
                vliste.ZelleSetzen(z, spalte, e.wert);
            }
            if (!e.ok())
                fehlerMerken(z, e.fehler);
            if (!schritte.weiter(qint64(s) * n + z)) {
                abgebrochen = true;
                break;
            }
        }
    }
    // A row whose new name encodes to its old bytes keeps its name.
    std::vector<char> geaendert(size_t(n), 0);
    qsizetype neueBytes = 0;
    bool alleGleich = true;
    {
        QByteArray puffer;
        for (int z = 1; z <= n; ++z) {
            const QByteArrayView alt = vliste.ZelleUtf8(z, VZelle::Name);
            if (neueNamen.gesetzt(z - 1))
                geaendert[size_t(z - 1)] = gleichWieUtf8MitEinzelnen(neueNamen.ansicht(z - 1), alt, puffer) ? 0 : 1;
            alleGleich = alleGleich && !geaendert[size_t(z - 1)];
            neueBytes += geaendert[size_t(z - 1)] ? utf8MitEinzelnenLaenge(neueNamen.ansicht(z - 1)) : alt.size();
        }
    }
    // Unchanged names share the old names' bytes; otherwise the column gets exactly its room.
    if (!alleGleich)
        vliste.SpalteReservieren(VZelle::NeuName, neueBytes);
    for (int z = 1; z <= n; ++z) {
        if (alleGleich)
            vliste.ZelleUebernehmen(z, VZelle::NeuName, vliste, z, VZelle::Name);
        else if (geaendert[size_t(z - 1)])
            vliste.ZelleSetzen(z, VZelle::NeuName, neueNamen.an(z - 1));
        else
            vliste.ZelleSetzenUtf8(z, VZelle::NeuName, vliste.ZelleUtf8(z, VZelle::Name));
    }
    neueNamen = ZeilenTexte(0);
    for (int z = 1; z <= neuerPfadBis; ++z)
        vliste.ZelleSetzenUtf8(z, VZelle::NeuPfad, vliste.ZelleUtf8(z, VZelle::Pfad));
    fort.FortAbschnittMax();
    fort.FortAbschnittNeu(QStringLiteral("Vorschau"), true, true);

    if (!abgebrochen && n > 0 && !IstHerstellCode(letzter)) {
        // Every kind of change a sub-rule made is checked, whichever sub-rule came last: an
        // earlier name rule may leave an empty, forbidden or duplicate name behind a time rule.
        const bool namenRegel = std::any_of(teile.cbegin(), teile.cend(),
                                            [](const TeilRegel &t) { return IstNamenCode(t.code); });
        const bool attributRegel = std::any_of(teile.cbegin(), teile.cend(),
                                               [](const TeilRegel &t) { return IstAttributCode(t.code); });
        AktionsCode zeitCode = 0;
        for (const TeilRegel &t : teile)
            if (IstZeitCode(t.code))
                zeitCode = t.code;
        // The new path of a name rule is the present one; a row no name rule reached
        // carries a rule error, which overrides this check.
        const ZeilenPfade &neuePfade = pfade;
        QList<bool> doppelt;
        if (namenRegel) // on the list's bytes: no name decoded
            doppelt = VorschauDoppelteMarkierenUtf8(
                n, [&](qsizetype i) { return vliste.ZelleUtf8(int(i) + 1, VZelle::Pfad); },
                [&](qsizetype i) { return vliste.ZelleUtf8(int(i) + 1, VZelle::NeuName); },
                [&](qsizetype i) { return !geaendert[size_t(i)]; });
        FortSchritte pruefSchritte(fort, n);
        NamensPruefungEingabe e;
        QString neuWert, jetztWert; // cells of the attribute and time checks, decoded in place
        const QString *geprueft = nullptr; // the directory text checked last: rows share it
        QString pfadFehler;
        for (int z = 1; z <= n; ++z) {
            const QString &pfad = pfade[z - 1];
            if (!geprueft || pfad.constData() != geprueft->constData() || pfad.size() != geprueft->size()) {
                pfadFehler = VorschauObjektPruefen(pfad, QStringView());
                geprueft = &pfad;
            }
            // Decoded into the same strings row after row: no allocation per name.
            ausUtf8MitEinzelnenSetzen(vliste.ZelleUtf8(z, VZelle::Name), e.alterName);
            const QString objektFehler =
                pfadFehler.isEmpty() ? VorschauObjektPruefen(QStringView(), e.alterName) : pfadFehler;
            PruefErgebnis p{QStringLiteral("keine Veränderung"), false};
            if (namenRegel) {
                ausUtf8MitEinzelnenSetzen(vliste.ZelleUtf8(z, VZelle::NeuName), e.neuerName);
                e.neuerPfad = neuePfade[z - 1];
                e.alterPfad = pfad;
                e.doppelt = doppelt[z - 1];
                VorschauPruefungDazu(p, VorschauNamenPruefen(e));
            }
            if (attributRegel || zeitCode != 0) {
                const int eintrag = vliste.Link(z);
                const bool mitEintrag = eintrag >= 1 && eintrag <= aliste.Anzahl();
                if (attributRegel) {
                    ausUtf8MitEinzelnenSetzen(vliste.ZelleUtf8(z, VZelle::NeuAttribute), neuWert);
                    ausUtf8MitEinzelnenSetzen(mitEintrag ? aliste.ZelleUtf8(eintrag, AZelle::Attribute)
                                                         : vliste.ZelleUtf8(z, VZelle::Attribute),
                                              jetztWert);
                    VorschauPruefungDazu(p, VorschauAttributPruefen(neuWert, jetztWert));
                }
                if (zeitCode != 0) {
                    ausUtf8MitEinzelnenSetzen(vliste.ZelleUtf8(z, VZelle::NeuZeit), neuWert);
                    ausUtf8MitEinzelnenSetzen(mitEintrag ? aliste.ZelleUtf8(eintrag, zeitZellen(zeitCode)[0])
                                                         : vliste.ZelleUtf8(z, VZelle::Zeit),
                                              jetztWert);
                    VorschauPruefungDazu(p, VorschauZeitPruefen(neuWert, jetztWert));
                }
            }
            if (!objektFehler.isEmpty())
                p = {objektFehler, true};
            else if (fruehFehler[size_t(z)] != 0)
                p = {fehlerTexte[fruehFehler[size_t(z)]], true};
            vliste.ZelleSetzen(z, VZelle::Ergebnis, p.text);
            vliste.WarnSetzen(z, p.fehler);
            if (!pruefSchritte.weiter(z)) {
                abgebrochen = true;
                break;
            }
        }
    } else if (!abgebrochen && n > 0) {
        for (int z = 1; z <= n; ++z) {
            if (fruehFehler[size_t(z)] != 0) {
                vliste.ZelleSetzen(z, VZelle::Ergebnis, fehlerTexte[fruehFehler[size_t(z)]]);
                vliste.WarnSetzen(z, true);
            }
        }
    }
    if (abgebrochen || fort.Abbruch) {
        abgebrochen = true;
        for (int z = 1; z <= n; ++z) {
            vliste.ZelleSetzen(z, VZelle::Ergebnis, VorschauAbgebrochenText);
            vliste.WarnSetzen(z, true);
        }
    }

    qint64 fehler = 0;
    for (int z = 1; z <= n; ++z)
        fehler += vliste.Warn(z) ? 1 : 0;
    ergebnis.code = ergebnis.ueberschuss != 0 ? ueberschussCode : letzter;
    ergebnis.zeilen = n;
    ergebnis.fehler = fehler;
    ergebnis.abgebrochen = abgebrochen;
    ergebnis.auswertung = AnzeigeVorschauAuswertung(ergebnis.code, n, fehler, ergebnis.ueberschuss);

    fort.FortAbschnittMax();
    if (optionen.gross)
        fort.FortAus();
    return ergebnis;
}

} // namespace rinolux
