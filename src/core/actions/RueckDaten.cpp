#include "core/actions/RueckDaten.h"

#include "core/actions/sub_Aktion_Herstellen.h"

#include "core/platform/Plattform.h"
#include "core/platform/SchreibDatei.h"
#include "core/util/PfadText.h"
#include "core/util/nx_DateiText.h"
#include "core/util/nx_Debug.h"
#include "core/util/nx_Format.h"
#include "core/util/nx_ZeichenEinfach.h"
#include "core/util/nx_Zeit.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

namespace rinolux {

namespace {

const QByteArray kZeilenEnde = QByteArrayLiteral("\r\n");
const QString kNummernZeichen = QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
constexpr qint64 kZehnStellenMax = 9999999999LL;
// The closing lines: ":::" CR LF, three ten-digit counts, CR LF.
constexpr qint64 kSchlussLaenge = 37;

bool enthaeltZeilenTrenner(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(0));
}

QString zehnStellen(qint64 zahl)
{
    return QStringLiteral("%1").arg(zahl, 10, 10, QLatin1Char('0'));
}

// The counts are ten digits each; a text of anything else is no count.
std::optional<qint64> zifferZahl(const QString &text)
{
    if (text.isEmpty() || text.size() > 18)
        return std::nullopt;
    qint64 wert = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        wert = wert * 10 + (c.unicode() - u'0');
    }
    return wert;
}

class RueckDatei final : public RueckSchreiber
{
public:
    explicit RueckDatei(std::unique_ptr<plattform::SchreibDatei> datei) : m_datei(std::move(datei))
    {
        m_seitSync.start();
    }

    Ergebnis kopf(int code, const QString &beschreibung)
    {
        QString text = beschreibung;
        // Line 2 is split at TABs; a line break would end it.
        for (QChar &c : text)
            if (c == u'\t' || c == u'\r' || c == u'\n' || c == QChar(0))
                c = u' ';
        QByteArray b = kRueckWarnZeile.toUtf8() + kZeilenEnde;
        b += nxZeitTextAusDatum(QDateTime::currentDateTime()).toUtf8() + '\t' + QByteArray::number(code) + '\t' +
             text.toUtf8() + kZeilenEnde;
        return schreiben(b);
    }

    Ergebnis satz(const QString &verzeichnis, const QString &name, const QString &wert, bool istVerzeichnis) override
    {
        if (m_zweiter)
            return Ergebnis::Fehler(0, QStringLiteral("Nach dem zweiten Abschnitt der Rück-Datei \"%1\" kann kein "
                                                      "Satz des ersten Abschnitts mehr folgen.")
                                           .arg(m_datei->pfad()));
        QByteArray b;
        if (Ergebnis e = saetzeBauen(b, verzeichnis, name, wert, istVerzeichnis); !e)
            return e;
        if (Ergebnis e = schreiben(b); !e)
            return e;
        ++m_erste;
        return Ergebnis::Ok();
    }

    Ergebnis zweiterAbschnitt() override
    {
        if (m_zweiter)
            return Ergebnis::Ok();
        if (Ergebnis e = schreiben(QByteArrayLiteral("::") + kZeilenEnde); !e)
            return e;
        m_zweiter = true;
        return Ergebnis::Ok();
    }

    Ergebnis abschluss(qint64 nummer, const QString &verzeichnis, const QString &name, const QString &wert,
                       bool istVerzeichnis) override
    {
        // A number that names no written record would make the file complete another
        // object's record when it is read back.
        if (!m_zweiter || nummer < 1 || nummer > m_erste)
            return Ergebnis::Fehler(0, QStringLiteral("Die Satz-Nummer %1 passt nicht zur Rück-Datei \"%2\".")
                                           .arg(nummer)
                                           .arg(m_datei->pfad()));
        QByteArray b = QByteArray::number(nummer) + kZeilenEnde;
        if (Ergebnis e = saetzeBauen(b, verzeichnis, name, wert, istVerzeichnis); !e)
            return e;
        if (Ergebnis e = schreiben(b); !e)
            return e;
        ++m_zweite;
        return Ergebnis::Ok();
    }

    Ergebnis schliessen(qint64 erste, qint64 zweite, qint64 fehler) override
    {
        for (qint64 n : {erste, zweite, fehler})
            if (n < 0 || n > kZehnStellenMax)
                return Ergebnis::Fehler(0, QStringLiteral("Die Anzahl %1 passt nicht in die Rück-Datei \"%2\".")
                                               .arg(n)
                                               .arg(m_datei->pfad()));
        const QByteArray b = QByteArrayLiteral(":::") + kZeilenEnde +
                             (zehnStellen(erste) + zehnStellen(zweite) + zehnStellen(fehler)).toUtf8() + kZeilenEnde;
        if (Ergebnis e = schreiben(b); !e)
            return e;
        m_kaputt = true; // nothing may follow the closing lines
        return m_datei->schliessen();
    }

private:
    Ergebnis saetzeBauen(QByteArray &b, const QString &verzeichnis, const QString &name, const QString &wert,
                         bool istVerzeichnis)
    {
        for (const QString *t : {&verzeichnis, &name, &wert})
            if (enthaeltZeilenTrenner(*t))
                return Ergebnis::Fehler(0, QStringLiteral("Der Name \"%1\" enthält einen Zeilenwechsel und kann "
                                                          "nicht in die Rück-Datei geschrieben werden. Benenne "
                                                          "das Objekt zuerst von Hand um.")
                                               .arg(*t));
        if (!m_verzGesetzt || verzeichnis != m_letztesVerz) {
            b += ':' + kZeilenEnde + nameZuBytes(verzeichnis) + kZeilenEnde;
            m_letztesVerz = verzeichnis;
            m_verzGesetzt = true;
        }
        // Names go in as the bytes the file system holds, so a name that is no valid UTF-8
        // reads back as the very same name.
        b += nameZuBytes(name) + kZeilenEnde + nameZuBytes(wert) + kZeilenEnde + (istVerzeichnis ? 'v' : 'd') +
             kZeilenEnde;
        return Ergebnis::Ok();
    }

    // One write per record: the system holds it even when the program dies right after.
    // The sync follows at the latest with the first record a second after the last sync.
    Ergebnis schreiben(const QByteArray &b)
    {
        if (m_kaputt)
            return Ergebnis::Fehler(0, QStringLiteral("Die Rück-Datei \"%1\" kann nicht weiter geschrieben werden.")
                                           .arg(m_datei->pfad()));
        Ergebnis e = m_datei->schreiben(b);
        if (e && m_seitSync.elapsed() >= 1000) {
            e = m_datei->synchronisieren();
            m_seitSync.restart();
        }
        // After a failed write the file may end inside a record: nothing more goes in.
        if (!e)
            m_kaputt = true;
        return e;
    }

    std::unique_ptr<plattform::SchreibDatei> m_datei;
    QElapsedTimer m_seitSync;
    QString m_letztesVerz;
    bool m_verzGesetzt = false;
    bool m_zweiter = false;
    bool m_kaputt = false;
    qint64 m_erste = 0;
    qint64 m_zweite = 0;
};

// Lines split at LF, one CR before it dropped; each line decoded on its own, so a broken
// character (a cut in the middle of one) spoils only its line.
std::vector<QByteArray> byteZeilen(const QByteArray &bytes)
{
    std::vector<QByteArray> zeilen;
    qsizetype anfang = 0;
    while (anfang < bytes.size()) {
        qsizetype lf = bytes.indexOf('\n', anfang);
        qsizetype ende = lf < 0 ? bytes.size() : lf;
        qsizetype bis = ende;
        if (bis > anfang && bytes[bis - 1] == '\r')
            --bis;
        zeilen.push_back(bytes.mid(anfang, bis - anfang));
        if (lf < 0)
            break;
        anfang = lf + 1;
    }
    return zeilen;
}

bool nameGueltig(const QString &name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !enthaeltZeilenTrenner(name) &&
           nameZuBytes(name).size() <= 255;
}

// An absolute directory with one trailing "/" and neither "." nor ".." nor empty parts:
// a record can only ever name an object inside the directory it states.
bool verzeichnisGueltig(const QString &verz)
{
    if (!verz.startsWith(u'/') || !verz.endsWith(u'/') || enthaeltZeilenTrenner(verz))
        return false;
    if (verz.size() == 1)
        return true;
    const QStringView innen = QStringView(verz).sliced(1, verz.size() - 2);
    for (QStringView teil : innen.split(u'/'))
        if (teil.isEmpty() || teil == u"." || teil == u"..")
            return false;
    return true;
}

bool wertGueltig(int code, const QString &wert)
{
    switch (code) {
    case 301:
        return nameGueltig(wert);
    case 302: {
        const auto z = zifferZahl(wert);
        return z && *z <= 0xFFFFFFFFLL;
    }
    case 303:
    case 304:
    case 305:
        return wert.isEmpty() || wert == kZeitTextUngueltig || nxDatumAusZeitText(wert).has_value();
    case 309:
        return HerstellWertGueltig(wert);
    default:
        return true;
    }
}

int nummernZeichenRang(QChar c)
{
    return int(kNummernZeichen.indexOf(c));
}

bool nummerVor(const QString &a, const QString &b)
{
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i) {
        const int ra = nummernZeichenRang(a[i]);
        const int rb = nummernZeichenRang(b[i]);
        if (ra != rb)
            return ra < rb;
    }
    return a.size() < b.size();
}

QString nurText(const QByteArray &b)
{
    return nxTextAusDatei(b);
}

} // namespace

ErgebnisWert<std::unique_ptr<RueckSchreiber>> RueckDateiAnlegen(const QString &pfad, int rueckCode,
                                                               const QString &beschreibung)
{
    if (!RueckCodeBekannt(rueckCode))
        return Ergebnis::Fehler(0, QStringLiteral("Der Rück-Code %1 ist unbekannt.").arg(rueckCode));
    auto datei = plattform::SchreibDatei::exklusivAnlegen(pfad);
    if (!datei)
        return datei.ergebnis();
    auto schreiber = std::make_unique<RueckDatei>(std::move(*datei));
    if (Ergebnis e = schreiber->kopf(rueckCode, beschreibung); !e)
        return e;
    return std::unique_ptr<RueckSchreiber>(std::move(schreiber));
}

bool RueckCodeBekannt(int code)
{
    return (code >= 301 && code <= 305) || code == 309 || code == 310;
}

int RueckWertZelle(int code)
{
    switch (code) {
    case 301:
    case 309:
        return 4;
    case 302:
        return 5;
    case 303:
    case 304:
    case 305:
        return 6;
    case 310:
        return 7;
    default:
        return 0;
    }
}

std::optional<QString> RueckNummerAusDateiName(const QString &name)
{
    const qsizetype vorsatz = kRueckDateiVorsatz.size();
    if (name.size() != vorsatz + 14 || !name.startsWith(kRueckDateiVorsatz) || !name.endsWith(u".cfg"))
        return std::nullopt;
    const QString nummer = name.mid(vorsatz, 10);
    for (QChar c : nummer)
        if (nummernZeichenRang(c) < 0)
            return std::nullopt;
    return nummer;
}

ErgebnisWert<RueckDateiInhalt> RueckDateiLesen(const QString &pfad)
{
    auto bytes = nxDateiBytesGanzLesen(pfad, kRueckLeseGrenze);
    if (!bytes)
        return bytes.ergebnis();
    const std::vector<QByteArray> roh = byteZeilen(*bytes);
    // Record lines are names as the file system holds them (bytes that are no UTF-8 kept).
    const auto zeile = [&](size_t i) -> QString {
        return roh[i].size() > kRueckZeilenGrenze ? QString() : nameAusBytes(roh[i]);
    };
    const auto zuLang = [&](size_t i) { return roh[i].size() > kRueckZeilenGrenze; };

    RueckDateiInhalt inhalt;
    const QStringList kopf =
        roh.size() >= 2 && roh[1].size() <= kRueckZeilenGrenze ? nurText(roh[1]).split(u'\t') : QStringList();
    bool codeOk = false;
    if (kopf.size() >= 3)
        inhalt.code = kopf[1].toInt(&codeOk);
    if (kopf.size() < 3 || !codeOk || !RueckCodeBekannt(inhalt.code))
        return Ergebnis::Fehler(0, QStringLiteral("Die Datei \"%1\" ist keine lesbare Rück-Datei.").arg(pfad));
    inhalt.zeit = kopf[0];
    inhalt.beschreibung = kopf[2];

    const size_t n = roh.size();
    size_t i = 2;
    QString verz;
    bool verzOk = false;
    bool zweiter = false;
    qint64 position = 0;            // first-section records met, readable or not
    // Per position: completed by the second section already, or never readable; a second
    // record for it would complete something else.
    std::vector<bool> abgeschlossen;
    const auto istTrenner = [&](size_t k) { return roh[k] == "::" || roh[k] == ":::"; };

    while (i < n) {
        if (roh[i] == ":::") {
            if (i + 1 < n && roh[i + 1].size() == 30) {
                const QString z = nurText(roh[i + 1]);
                const auto a = zifferZahl(z.mid(0, 10)), b = zifferZahl(z.mid(10, 10)), c = zifferZahl(z.mid(20, 10));
                if (a && b && c) {
                    inhalt.vollstaendig = true;
                    inhalt.anzahl = *a;
                    inhalt.anzahl2 = *b;
                    inhalt.fehler = *c;
                }
            }
            break;
        }
        if (roh[i] == "::") {
            if (zweiter)
                ++inhalt.fehlerhaft;
            zweiter = true;
            ++i;
            continue;
        }
        RueckSatz s;
        s.zweiter = zweiter;
        bool ok = true;
        if (zweiter) {
            const auto nr = zuLang(i) ? std::nullopt : zifferZahl(zeile(i));
            ok = nr && *nr >= 1 && *nr <= position && !abgeschlossen[size_t(*nr - 1)];
            if (ok)
                s.nummer = *nr;
            ++i;
        }
        if (i < n && roh[i] == ":") {
            ++i;
            if (i >= n) {
                ++inhalt.fehlerhaft;
                break;
            }
            verz = zeile(i);
            verzOk = !zuLang(i) && verzeichnisGueltig(verz);
            ++i;
        }
        // A record lacking lines (the file ends, or a section mark comes early) is skipped;
        // reading goes on at the mark.
        size_t fehlend = 0;
        while (fehlend < 3 && i + fehlend < n && !istTrenner(i + fehlend))
            ++fehlend;
        if (fehlend < 3) {
            ++inhalt.fehlerhaft;
            if (!zweiter) {
                ++position;
                abgeschlossen.push_back(true);
            }
            i += fehlend;
            continue;
        }
        s.verzeichnis = verz;
        s.name = zeile(i);
        s.wert = zeile(i + 1);
        const QByteArray &art = roh[i + 2];
        s.istVerzeichnis = art == "v";
        ok = ok && verzOk && (art == "v" || art == "d") && !zuLang(i) && !zuLang(i + 1) && nameGueltig(s.name) &&
             (zweiter ? nameGueltig(s.wert) : wertGueltig(inhalt.code, s.wert));
        i += 3;
        if (!zweiter) {
            ++position;
            abgeschlossen.push_back(false);
            s.nummer = position;
            if (ok)
                ++inhalt.ersteAnzahl;
            if (!ok)
                abgeschlossen.back() = true;
        } else if (ok) {
            abgeschlossen[size_t(s.nummer - 1)] = true;
        }
        if (ok)
            inhalt.saetze.push_back(std::move(s));
        else
            ++inhalt.fehlerhaft;
    }
    return inhalt;
}

RueckIndex::RueckIndex(QString verzeichnis) : m_verzeichnis(std::move(verzeichnis))
{
    if (!m_verzeichnis.endsWith(u'/'))
        m_verzeichnis += u'/';
}

QString RueckIndex::dateiPfad(const QString &nummer) const
{
    return m_verzeichnis + kRueckDateiVorsatz + nummer + QStringLiteral(".cfg");
}

void RueckIndex::IniListeRueck_Lesen()
{
    DebugSchritt schritt(QStringLiteral("IniListeRueck_Lesen"));
    m_eintraege.clear();
    QStringList nummern;
    static_cast<void>(plattform::verzeichnisLesen( // a missing data directory holds no undo files
        m_verzeichnis, plattform::Details::Keine, [&](const plattform::Eintrag &e) {
            if (e.art == plattform::ObjektArt::Datei)
                if (auto nr = RueckNummerAusDateiName(e.name))
                    nummern.append(*nr);
            return true;
        }));
    std::sort(nummern.begin(), nummern.end(), nummerVor);

    for (const QString &nummer : nummern) {
        const QString pfad = dateiPfad(nummer);
        const QByteArray anfang = nxDateiBytesLesen(pfad, 1, 64 * 1024);
        const std::vector<QByteArray> zeilen = byteZeilen(anfang);
        if (zeilen.size() < 2 || zeilen[1].size() > kRueckZeilenGrenze)
            continue;
        const QStringList felder = nurText(zeilen[1]).split(u'\t');
        bool codeOk = false;
        const int code = felder.size() >= 3 ? felder[1].toInt(&codeOk) : 0;
        // A file of unknown code would be undone by rules it was not written for.
        if (felder.size() < 3 || !codeOk || !RueckCodeBekannt(code))
            continue;
        RueckIndexEintrag e;
        e.zeit = felder[0];
        e.code = code;
        e.beschreibung = felder[2];
        e.nummer = nummer;

        const qint64 groesse = QFileInfo(pfad).size();
        const QByteArray ende = groesse >= kSchlussLaenge
                                    ? nxDateiBytesLesen(pfad, groesse - kSchlussLaenge + 1, kSchlussLaenge)
                                    : QByteArray();
        std::optional<qint64> a, b, c;
        if (ende.size() == kSchlussLaenge && ende.startsWith(":::\r\n") && ende.endsWith("\r\n")) {
            const QString z = QString::fromLatin1(ende.mid(5, 30));
            a = zifferZahl(z.mid(0, 10));
            b = zifferZahl(z.mid(10, 10));
            c = zifferZahl(z.mid(20, 10));
        }
        if (a && b && c) {
            e.anzahl = *a;
            e.anzahl2 = *b;
            e.fehler = *c;
        } else {
            nxDebugZeile(QStringLiteral("IniListeRueck_Lesen: Datei ist unvollständig: ") + pfad);
            auto inhalt = RueckDateiLesen(pfad);
            e.anzahl = inhalt ? inhalt->ersteAnzahl : 0;
            e.anzahl2 = 0;
            e.fehler = -1;
        }
        m_eintraege.push_back(std::move(e));
    }
}

ErgebnisWert<QString> RueckIndex::Aktion_NeueRueckDateiNr() const
{
    DebugSchritt schritt(QStringLiteral("Aktion_NeueRueckDateiNr"));
    QString nummer = m_eintraege.empty() ? QStringLiteral("0000000001")
                                         : QString::fromStdU32String(nxZeichenZaehlenStandard(
                                               m_eintraege.back().nummer.toStdU32String(), 1));
    int versuche = 1;
    // A number that outgrew its ten characters would name a file the index never finds.
    while (nummer.size() == 10 && plattform::vorhanden(dateiPfad(nummer))) {
        if (versuche >= kRueckNummerVersuche) {
            nummer.clear();
            break;
        }
        nummer = QString::fromStdU32String(nxZeichenZaehlenStandard(nummer.toStdU32String(), 1));
        ++versuche;
    }
    nxDebugZeile(QStringLiteral("Aktion_NeueRueckDateiNr: NeueNr=") + nummer + QStringLiteral(", Versuche=") +
                 nxZahlText(versuche));
    if (nummer.size() != 10)
        return Ergebnis::Fehler(0, QStringLiteral("Für die Rückgängig-Daten ist keine Nummer mehr frei. Lösche oder "
                                                  "verschiebe die Dateien \"%1*.cfg\" im Verzeichnis \"%2\", die "
                                                  "nicht von Rinolux stammen, und versuche es noch einmal.")
                                       .arg(kRueckDateiVorsatz, m_verzeichnis));
    return nummer;
}

void RueckIndex::IniListeRueck_EinenAnhaengen(const QString &nummer, int code, const QString &beschreibung,
                                             bool trimmen, int maxRueck, qint64 fehler, qint64 anzahl2,
                                             qint64 anzahl)
{
    DebugSchritt schritt(QStringLiteral("IniListeRueck_EinenAnhaengen"));
    RueckIndexEintrag e;
    e.zeit = nxZeitTextAusDatum(QDateTime::currentDateTime());
    e.code = code;
    e.beschreibung = beschreibung;
    e.anzahl = anzahl;
    e.anzahl2 = anzahl2;
    e.fehler = fehler;
    e.nummer = nummer;
    m_eintraege.push_back(std::move(e));
    if (trimmen) {
        const size_t grenze = size_t(std::clamp(maxRueck, 0, kRueckMaxGrenze));
        if (m_eintraege.size() > grenze) {
            const size_t weg = m_eintraege.size() - grenze;
            for (size_t k = 0; k < weg; ++k)
                static_cast<void>(plattform::dateiLoeschen(dateiPfad(m_eintraege[k].nummer))); // errors ignored
            m_eintraege.erase(m_eintraege.begin(), m_eintraege.begin() + qsizetype(weg));
        }
    }
    nxDebugZeile(QStringLiteral("IniListeRueck_EinenAnhaengen, jetzige Anzahl=") + QString::number(this->anzahl()));
}

void RueckIndex::IniListeRueck_EinenLoeschen(int i)
{
    DebugSchritt schritt(QStringLiteral("IniListeRueck_EinenLoeschen"));
    if (i >= 1 && i <= anzahl()) {
        // A file already removed from outside leaves nothing to do.
        static_cast<void>(plattform::dateiLoeschen(dateiPfad(m_eintraege[size_t(i - 1)].nummer)));
        m_eintraege.erase(m_eintraege.begin() + (i - 1));
    }
    nxDebugZeile(QStringLiteral("IniListeRueck_EinenLoeschen, jetzige Anzahl=") + QString::number(anzahl()));
}

void RueckIndex::EintragErsetzen(int i, const RueckIndexEintrag &eintrag)
{
    if (i >= 1 && i <= anzahl())
        m_eintraege[size_t(i - 1)] = eintrag;
}

} // namespace rinolux
