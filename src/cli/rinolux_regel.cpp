// rinolux-regel: the preview of a rule on files, without a window, for scripts and tests.
// It changes the disk only when asked to (--ausfuehren, --rueckgaengig), through the same
// routine, data directory and undo files as the window.

#include "core/actions/RueckDaten.h"
#include "core/actions/RueckListe.h"
#include "core/actions/sub_Aktion_AendernHerstellen.h"
#include "core/engine/RegelListe.h"
#include "core/engine/sub_Aktion_Vorschau.h"
#include "core/platform/Plattform.h"
#include "core/selection/Auflisten.h"
#include "core/selection/Suche.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Dialog.h"
#include "core/shell/Einstellungen.h"
#include "core/shell/Fortschritt.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_Adresse.h"
#include "core/util/nx_DateiText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <cerrno>
#include <cstdio>
#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

using namespace rinolux;

namespace {

constexpr int kFehlerAufruf = 2;
// A list of paths may be long (hundreds of thousands of lines), but never endless.
constexpr qint64 kListeGrenze = qint64(512) * 1024 * 1024;

const char *const kHilfe =
    "Aufruf: rinolux-regel [Optionen] PFAD...\n"
    "\n"
    "Zeigt die Vorschau einer Regel für Dateien und Verzeichnisse. Geändert wird nur mit\n"
    "--ausfuehren oder --rueckgaengig, mit Rück-Datei wie im Fenster.\n"
    "Jeder PFAD wird (so wie er ist, nicht sein Inhalt) ein ausgewählter Eintrag. Regeln zum\n"
    "Herstellen, die keine Namen brauchen (etwa \"neue Verzeichnisse\" mit Nummern), gehen ohne PFAD.\n"
    "\n"
    "  --verzeichnis VERZ        alle Einträge von VERZ (ohne Unterverzeichnisse), nach Namen sortiert\n"
    "  --liste DATEI             die Pfade aus DATEI, einer je Zeile\n"
    "  --suche VERZ              die Treffer einer Suche in VERZ (wie \"erweiterte Suche\"), dazu:\n"
    "    --namen MUSTER          zu suchende Namen; erlaubte Platzhalter sind * und ?, mehrere Namen\n"
    "                            durch | oder : getrennt; ein Wort ohne Platzhalter findet jeden Namen,\n"
    "                            der es enthält (ohne --namen: alle)\n"
    "    --ohne MUSTER           ohne diese Namen\n"
    "    --unterverzeichnisse    auch in den Unterverzeichnissen suchen\n"
    "    --bytes VON:BIS         Größe in Bytes; statt Nullen auch t, k (000), m (000000), g (000000000);\n"
    "                            eine Seite darf fehlen (1k: oder :5m)\n"
    "    --datum-h VON:BIS       Herstellungs-Zeit von bis, je TT.MM.JJJJ, MM.JJJJ oder JJJJ;\n"
    "                            eine Seite darf fehlen (2020:2020 = das ganze Jahr 2020)\n"
    "    --datum-a VON:BIS       Änderungs-Zeit, ebenso\n"
    "    --datum-z VON:BIS       Zugriffs-Zeit, ebenso\n"
    "    --attribute HRSAC       fünf Buchstaben für versteckt, schreibgeschützt, System, Archiv,\n"
    "                            komprimiert: je J (ja), N (nein) oder E (egal), etwa JEEEE\n"
    "    --nur-dateien           keine Verzeichnisse anzeigen\n"
    "    --nur-verzeichnisse     keine Dateien anzeigen\n"
    "    --verzeichnisse ART     welche Verzeichnisse: alle, gefuellt oder leer\n"
    "    --hoechstens ANZAHL     die Suche hält nach so vielen Treffern an\n"
    "  --regel BESCHREIBUNG      eine gespeicherte Regel\n"
    "  --regelcode CODE          ein Regel-Code (Felder durch TAB getrennt)\n"
    "  --regelcode-datei DATEI   der Regel-Code aus der ersten Zeile von DATEI\n"
    "  --platzhalter NAME=WERT   Wert eines Platzhalters <NAME> (mehrfach möglich)\n"
    "  --regeln                  alle gespeicherten Regeln ausgeben (Beschreibung TAB Code), allein\n"
    "                            anzugeben; ohne Regel-Datei die Standard-Regeln (es wird nichts angelegt)\n"
    "  --ausfuehren              die berechnete Vorschau durchführen (mit Rück-Datei)\n"
    "  --trotzdem                meldet die Prüfung Probleme, trotzdem beginnen (sonst: Nein)\n"
    "  --teilen-skript           beim Teilen einer Datei ein Skript neben die Teile schreiben, das sie\n"
    "                            wieder zusammensetzt\n"
    "  --rueckgaengig-liste      die Rück-Daten auflisten: Nummer, Zeit, Code, Anzahl, Fehler\n"
    "                            (\"Rück-Daten unvollständig\" bei einer unterbrochenen Aktion), Beschreibung\n"
    "  --rueckgaengig NUMMER     die Aktion mit dieser Rück-Nummer rückgängig machen\n"
    "  --rueckgaengig-pruefen NUMMER  nur prüfen, ob sie rückgängig gemacht werden kann\n"
    "  --hilfe                   diese Hilfe\n"
    "  --                        Ende der Optionen: alles danach ist ein PFAD, auch wenn es mit - beginnt\n"
    "                            (so bei Namen aus einem Muster wie *: rinolux-regel --regel R -- *)\n"
    "\n"
    "Ausgabe: eine Zeile je Vorschau-Zeile mit ihren 11 Zellen (TAB-getrennt), dann die\n"
    "Zusammenfassung. In den Zellen stehen TAB, CR, LF und \\ als \\t, \\r, \\n und \\\\, so bleibt\n"
    "jede Zeile eine Zeile. Danach die Meldungen der Durchführung, so wie sie im Fenster erscheinen.\n"
    "Ende-Status 0: die Aktion wäre möglich (mit --ausfuehren oder --rueckgaengig: alles ist\n"
    "durchgeführt), 1: nicht, 2: falscher Aufruf.\n";

void schreiben(FILE *ziel, const QString &text)
{
    const QByteArray b = text.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), ziel);
}

int aufrufFehler(const QString &text)
{
    schreiben(stderr, QStringLiteral("rinolux-regel: ") + text + QStringLiteral("\n"));
    schreiben(stderr, QStringLiteral("Hilfe: rinolux-regel --hilfe\n"));
    return kFehlerAufruf;
}

// Answers the placeholder step from the command line; names compare case-insensitively.
class KommandoPlatzhalter final : public PlatzhalterFrage
{
public:
    QHash<QString, QString> werte;

    bool PlatzhalterWerte(const QList<Platzhalter> &platzhalter, QStringList &aus) override
    {
        // Without any value given the placeholders stay, as after a form closed without OK.
        if (werte.isEmpty())
            return false;
        for (const Platzhalter &p : platzhalter)
            aus.append(werte.value(p.schluessel, p.anzeige));
        return true;
    }
};

// Prints every message as the window would show it and answers questions from the
// command line: yes only with --trotzdem.
class KommandoDialog final : public Dialog
{
public:
    explicit KommandoDialog(bool trotzdem) : m_trotzdem(trotzdem) {}
    QChar Dialog_Zeigen(QChar art, const QString &text, const QString &, bool) override
    {
        QString t = text;
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        t.replace(QStringLiteral("<f>"), QStringLiteral("\f"));
        t.replace(QStringLiteral("<<>"), QStringLiteral("<"));
        const bool frage = art == u'f' || art == u't';
        if (frage)
            t += m_trotzdem ? QStringLiteral("\n-> Ja (--trotzdem)") : QStringLiteral("\n-> Nein");
        schreiben(stdout, QStringLiteral("\n") + t + QStringLiteral("\n"));
        std::fflush(stdout);
        return frage && m_trotzdem ? QChar(u'j') : QChar(u'n');
    }

private:
    bool m_trotzdem;
};

// The preview as lines on stdout, gathered in a buffer of about a megabyte: a cell is copied
// in runs with no call per character or per cell.
class ZeilenAusgabe final
{
public:
    ZeilenAusgabe() : m_puffer(kGroesse) {}
    ~ZeilenAusgabe() { leeren(); }
    ZeilenAusgabe(const ZeilenAusgabe &) = delete;
    ZeilenAusgabe &operator=(const ZeilenAusgabe &) = delete;

    void zeichen(char c)
    {
        platz(1);
        m_puffer[m_n++] = c;
    }
    // A cell on one output line: the line and field separators and the escape character
    // itself are written escaped, which at most doubles it.
    void zelle(QByteArrayView zelle)
    {
        static constexpr auto besonders = [] {
            std::array<bool, 256> t{};
            t[uchar('\t')] = t[uchar('\r')] = t[uchar('\n')] = t[uchar('\\')] = true;
            return t;
        }();
        platz(2 * size_t(zelle.size()));
        char *z = m_puffer.data() + m_n;
        const char *p = zelle.data();
        const char *const ende = p + zelle.size();
        while (p < ende) {
            const char *lauf = p;
            while (lauf < ende && !besonders[uchar(*lauf)])
                ++lauf;
            std::memcpy(z, p, size_t(lauf - p));
            z += lauf - p;
            if (lauf == ende)
                break;
            *z++ = '\\';
            switch (*lauf) {
            case '\t':
                *z++ = 't';
                break;
            case '\r':
                *z++ = 'r';
                break;
            case '\n':
                *z++ = 'n';
                break;
            default:
                *z++ = '\\';
                break;
            }
            p = lauf + 1;
        }
        m_n = size_t(z - m_puffer.data());
    }
    void text(const std::string &t)
    {
        leeren();
        std::fwrite(t.data(), 1, t.size(), stdout);
    }
    void leeren()
    {
        if (m_n > 0)
            std::fwrite(m_puffer.data(), 1, m_n, stdout);
        m_n = 0;
    }

private:
    static constexpr size_t kGroesse = size_t(1) << 20;
    void platz(size_t mehr)
    {
        if (m_n + mehr <= m_puffer.size())
            return;
        leeren();
        if (mehr > m_puffer.size()) // a cell beyond a megabyte
            m_puffer.resize(mehr);
    }
    std::vector<char> m_puffer;
    size_t m_n = 0;
};

QString rueckIndexZeile(const RueckIndexEintrag &e)
{
    const QString fehler = e.fehler < 0 ? QStringLiteral("Rück-Daten unvollständig") : QString::number(e.fehler);
    QString b = e.beschreibung;
    b.replace(u'\t', u' ');
    return e.nummer + u'\t' + e.zeit + u'\t' + QString::number(e.code) + u'\t' + QString::number(e.anzahl) + u'\t' +
           fehler + u'\t' + b + u'\n';
}

// Undo (or check) of the entry with this number; the exit status.
int rueckgaengigMachen(const QString &nummer, bool nurPruefen, bool trotzdem)
{
    RueckIndex index(ProgPfad);
    index.IniListeRueck_Lesen();
    int i = 0;
    bool zahl = false;
    const qint64 gesucht = nummer.toLongLong(&zahl);
    for (int k = 1; k <= index.anzahl(); ++k)
        if (index.eintrag(k).nummer == nummer || (zahl && index.eintrag(k).nummer.toLongLong() == gesucht))
            i = k;
    if (i == 0) {
        schreiben(stderr, QStringLiteral("rinolux-regel: Keine Rück-Daten mit der Nummer %1. Die Nummern zeigt "
                                         "--rueckgaengig-liste.\n")
                              .arg(nummer));
        return 1;
    }
    const RueckIndexEintrag eintrag = index.eintrag(i);
    if (eintrag.code == 310) {
        schreiben(stdout, QStringLiteral("Rückgängig nicht möglich.\n"));
        return 1;
    }
    ListenDaten liste(kRueckZellen);
    const RueckLadeStand stand = Aktion_Vorschau_Rueck(index.dateiPfad(eintrag.nummer), eintrag, liste);
    if (!stand.meldung.isEmpty())
        schreiben(stdout, stand.meldung + u'\n');
    if (stand.art != RueckLadeStand::Art::Ok)
        return 1;
    RueckVerzeichnisKorrektur(liste, eintrag.code);

    AusfuehrAuftrag a;
    a.arbeit = &liste;
    a.code = eintrag.code;
    a.modus = nurPruefen ? AusfuehrModus::NurPruefen : AusfuehrModus::Rueckgaengig;
    Einstellungen einstellungen;
    StillerFortschritt fort;
    KommandoDialog dialog(trotzdem);
    const AusfuehrErgebnis e = Aktion_AendernHerstellen(a, einstellungen, fort, dialog, index);
    if (nurPruefen)
        return e.allesErledigt() && stand.uebersprungen == 0 ? 0 : 1;
    if (!e.begonnen)
        return 1;
    const Ergebnis rest = Aktion_RueckAbschliessen(index, i, liste, e.offeneZeilen(liste));
    if (!rest) {
        schreiben(stdout, QStringLiteral("\nDie Rück-Datei kann nicht angepasst werden: ") + rest.text() +
                              QStringLiteral("\n"));
        return 1;
    }
    return e.allesErledigt() && stand.uebersprungen == 0 ? 0 : 1;
}

// One object as it is given, as a full path: the last component is the name, even for a
// directory. The root has no name to change.
std::optional<QString> objektPfad(const QString &pfad)
{
    const QString voll = QDir::cleanPath(QFileInfo(pfad).absoluteFilePath());
    if (voll == QStringLiteral("/"))
        return std::nullopt;
    return voll;
}

// "VON:BIS" of the size and date options: either side may be empty, the colon is needed.
bool vonBisTeilen(const QString &text, QString &von, QString &bis)
{
    const qsizetype k = text.indexOf(u':');
    if (k < 0 || text.indexOf(u':', k + 1) >= 0)
        return false;
    von = text.left(k).trimmed();
    bis = text.mid(k + 1).trimmed();
    return true;
}

// TT.MM.JJJJ, MM.JJJJ or JJJJ into the day, month and year fields of a date condition.
bool datumFelder(const QString &text, QString &tag, QString &monat, QString &jahr)
{
    tag.clear();
    monat.clear();
    jahr.clear();
    if (text.isEmpty())
        return true;
    const QStringList t = text.split(u'.');
    for (const QString &teil : t)
        for (const QChar c : teil)
            if (!c.isDigit())
                return false;
    switch (t.size()) {
    case 1: jahr = t[0]; return true;
    case 2: monat = t[0]; jahr = t[1]; return true;
    case 3: tag = t[0]; monat = t[1]; jahr = t[2]; return true;
    default: return false;
    }
}

// The search options, gathered until the selection is built.
struct SuchOptionen
{
    bool an = false;
    bool weitere = false; // some search option other than --suche was given
    SuchAuftrag auftrag;
};

// One search option; returns an error text for the caller, empty when it was read.
// Sets erkannt when a is a search option at all.
QString suchOptionLesen(const QString &a, const std::function<bool(QString &)> &wert, SuchOptionen &o, bool &erkannt)
{
    erkannt = true;
    SuchAuftrag &s = o.auftrag;
    QString w;
    if (a == u"--suche") {
        if (!wert(w) || w.trimmed().isEmpty())
            return QStringLiteral("--suche braucht ein Verzeichnis.");
        o.an = true;
        s.verzeichnis = QDir::cleanPath(QFileInfo(w.trimmed()).absoluteFilePath());
        return QString();
    }
    o.weitere = true;
    if (a == u"--namen" || a == u"--ohne") {
        if (!wert(w))
            return QStringLiteral("%1 braucht Namen.").arg(a);
        (a == u"--namen" ? s.mit : s.ohne) = w;
    } else if (a == u"--unterverzeichnisse") {
        s.unterverzeichnisse = true;
    } else if (a == u"--bytes") {
        if (!wert(w) || !vonBisTeilen(w, s.bytesVon, s.bytesBis))
            return QStringLiteral("--bytes braucht VON:BIS (eine Seite darf fehlen, etwa 1k: oder :5m).");
        s.bytesAn = true;
    } else if (a == u"--datum-h" || a == u"--datum-a" || a == u"--datum-z") {
        const SuchZeit z = a.endsWith(u'h') ? ZeitH : a.endsWith(u'a') ? ZeitA : ZeitZ;
        SuchDatum &d = s.datum[size_t(z)];
        QString von, bis;
        if (!wert(w) || !vonBisTeilen(w, von, bis) || !datumFelder(von, d.tagVon, d.monatVon, d.jahrVon)
            || !datumFelder(bis, d.tagBis, d.monatBis, d.jahrBis))
            return QStringLiteral("%1 braucht VON:BIS, je TT.MM.JJJJ, MM.JJJJ oder JJJJ (etwa 1.3.2024:31.3.2024).")
                .arg(a);
        d.an = true;
    } else if (a == u"--attribute") {
        if (!wert(w) || w.size() != 5)
            return QStringLiteral("--attribute braucht fünf Buchstaben J, N oder E (für H, R, S, A, C).");
        for (qsizetype k = 0; k < 5; ++k) {
            const QChar c = w.at(k).toUpper();
            if (c != u'J' && c != u'N' && c != u'E')
                return QStringLiteral("--attribute braucht fünf Buchstaben J, N oder E (für H, R, S, A, C).");
            s.attribute[size_t(k)] = SuchAttWahl(c.toLatin1());
        }
        s.attributeAn = true;
    } else if (a == u"--nur-dateien") {
        s.verzeichnisseZeigen = false;
    } else if (a == u"--nur-verzeichnisse") {
        s.dateienZeigen = false;
    } else if (a == u"--verzeichnisse") {
        if (!wert(w))
            return QStringLiteral("--verzeichnisse braucht alle, gefuellt oder leer.");
        if (w == u"alle")
            s.verzWahl = SuchVerzWahl::Alle;
        else if (w == u"gefuellt" || w == u"gefüllt")
            s.verzWahl = SuchVerzWahl::NurVolle;
        else if (w == u"leer")
            s.verzWahl = SuchVerzWahl::NurLeere;
        else
            return QStringLiteral("--verzeichnisse braucht alle, gefuellt oder leer.");
    } else if (a == u"--hoechstens") {
        if (!wert(w) || w.isEmpty() || !std::all_of(w.begin(), w.end(), [](QChar c) { return c.isDigit(); }))
            return QStringLiteral("--hoechstens braucht eine Anzahl.");
        // A number too large for 64 bits means no limit anyone could reach.
        bool ok = false;
        const qint64 n = w.toLongLong(&ok);
        s.maxAnzahl = ok ? n : std::numeric_limits<qint64>::max();
        if (s.maxAnzahl == 0)
            return QStringLiteral("--hoechstens braucht eine Anzahl ab 1.");
    } else {
        erkannt = false;
        o.weitere = false;
    }
    return QString();
}

} // namespace

int main(int argc, char **argv)
{
    // One run lists, sorts and previews in phases that free and allocate tens of megabytes
    // each, up to a few hundred for a million names.
    plattform::speicherFuerStapellaufEinrichten(std::size_t(512) << 20);
    QCoreApplication app(argc, argv);
    ProzessWerteSetzen(QStringLiteral("rinolux"));
    const QStringList args = QCoreApplication::arguments().mid(1);

    QStringList pfade;
    QString verzeichnis;
    std::optional<QString> regelName;
    std::optional<QString> regelCode;
    bool regelnAusgeben = false;
    bool ausfuehren = false;
    bool trotzdem = false;
    bool teilenSkript = false;
    bool rueckListe = false;
    std::optional<QString> rueckNummer;
    bool rueckPruefen = false;
    KommandoPlatzhalter platzhalter;
    SuchOptionen suche;
    suche.auftrag.art = SuchArt::Erweitert;

    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const auto wert = [&](QString &aus) {
            if (i + 1 >= args.size())
                return false;
            aus = args[++i];
            return true;
        };
        QString w;
        bool suchOption = false;
        const QString suchFehler = suchOptionLesen(a, wert, suche, suchOption);
        if (!suchFehler.isEmpty())
            return aufrufFehler(suchFehler);
        if (suchOption) {
            continue;
        } else if (a == u"--hilfe" || a == u"-h" || a == u"--help") {
            schreiben(stdout, QString::fromUtf8(kHilfe));
            return 0;
        } else if (a == u"--regeln") {
            regelnAusgeben = true;
        } else if (a == u"--ausfuehren") {
            ausfuehren = true;
        } else if (a == u"--trotzdem") {
            trotzdem = true;
        } else if (a == u"--teilen-skript") {
            teilenSkript = true;
        } else if (a == u"--rueckgaengig-liste") {
            rueckListe = true;
        } else if (a == u"--rueckgaengig" || a == u"--rueckgaengig-pruefen") {
            if (!wert(w) || w.isEmpty())
                return aufrufFehler(QStringLiteral("%1 braucht eine Rück-Nummer.").arg(a));
            if (rueckNummer)
                return aufrufFehler(QStringLiteral("Bitte nur eine Rück-Nummer angeben."));
            rueckNummer = w;
            rueckPruefen = a == u"--rueckgaengig-pruefen";
        } else if (a == u"--verzeichnis") {
            if (!wert(verzeichnis))
                return aufrufFehler(QStringLiteral("--verzeichnis braucht ein Verzeichnis."));
        } else if (a == u"--liste") {
            if (!wert(w))
                return aufrufFehler(QStringLiteral("--liste braucht eine Datei."));
            const ErgebnisWert<TextFeld> zeilen = nxDateiTextLesen(w, kListeGrenze);
            if (!zeilen)
                return aufrufFehler(
                    QStringLiteral("Die Liste kann nicht gelesen werden. %1").arg(zeilen.ergebnis().text()));
            for (qsizetype k = 1; k < zeilen->size(); ++k)
                if (!zeilen->at(k).isEmpty())
                    pfade.append(zeilen->at(k));
        } else if (a == u"--regel") {
            if (!wert(w))
                return aufrufFehler(QStringLiteral("--regel braucht eine Beschreibung."));
            regelName = w;
        } else if (a == u"--regelcode") {
            if (!wert(w))
                return aufrufFehler(QStringLiteral("--regelcode braucht einen Regel-Code."));
            regelCode = w;
        } else if (a == u"--regelcode-datei") {
            if (!wert(w))
                return aufrufFehler(QStringLiteral("--regelcode-datei braucht eine Datei."));
            const ErgebnisWert<TextFeld> zeilen = nxDateiTextLesen(w);
            if (!zeilen)
                return aufrufFehler(QStringLiteral("Der Regel-Code kann nicht gelesen werden. %1")
                                        .arg(zeilen.ergebnis().text()));
            if (zeilen->size() < 2)
                return aufrufFehler(QStringLiteral("Die Datei \"%1\" enthält keinen Regel-Code.").arg(w));
            regelCode = zeilen->at(1);
        } else if (a == u"--platzhalter") {
            if (!wert(w) || !w.contains(u'='))
                return aufrufFehler(QStringLiteral("--platzhalter braucht NAME=WERT."));
            const qsizetype gleich = w.indexOf(u'=');
            QString name = w.left(gleich);
            if (name.startsWith(u'<') && name.endsWith(u'>') && name.size() >= 2)
                name = name.mid(1, name.size() - 2);
            platzhalter.werte.insert(name.toLower(), w.mid(gleich + 1));
        } else if (a == u"--") {
            pfade += args.mid(i + 1);
            break;
        } else if (a.startsWith(u"--")) {
            return aufrufFehler(QStringLiteral("Unbekannte Option: %1").arg(a));
        } else {
            pfade.append(a);
        }
    }

    // A name from a shell pattern such as "*" may read "--regeln": together with anything else
    // it is refused rather than printing the rules and reporting success.
    if (regelnAusgeben && (regelName || regelCode || !pfade.isEmpty() || !verzeichnis.isEmpty() || suche.an))
        return aufrufFehler(
            QStringLiteral("--regeln wird allein angegeben. Pfade, die mit - beginnen, bitte nach -- "
                           "angeben."));
    if (suche.weitere && !suche.an)
        return aufrufFehler(QStringLiteral("Die Such-Optionen gelten nur mit --suche VERZ."));
    const bool auswahlGegeben = regelName || regelCode || !pfade.isEmpty() || !verzeichnis.isEmpty() || suche.an;
    if (rueckListe || rueckNummer) {
        if (auswahlGegeben || regelnAusgeben || ausfuehren || (rueckListe && rueckNummer))
            return aufrufFehler(QStringLiteral("--rueckgaengig-liste, --rueckgaengig und --rueckgaengig-pruefen werden "
                                               "allein angegeben."));
        if (rueckListe) {
            RueckIndex index(ProgPfad);
            index.IniListeRueck_Lesen();
            for (int k = 1; k <= index.anzahl(); ++k)
                schreiben(stdout, rueckIndexZeile(index.eintrag(k)));
            return 0;
        }
        return rueckgaengigMachen(*rueckNummer, rueckPruefen, trotzdem);
    }
    if (trotzdem && !ausfuehren)
        return aufrufFehler(QStringLiteral("--trotzdem gilt nur mit --ausfuehren oder --rueckgaengig."));
    RegelListe regeln;
    if (regelnAusgeben || regelName) {
        // Only read: without a rule file the defaults are used as they would be written, and
        // nothing is created.
        ErgebnisWert<RegelListe> gelesen = RegelDateiLesen(RegelDateiPfad());
        if (gelesen)
            regeln = std::move(gelesen).wert();
        else if (gelesen.ergebnis().fehlerNummer() == ENOENT)
            regeln = StandardRegeln();
        else
            return aufrufFehler(QStringLiteral("Die Regel-Datei kann nicht gelesen werden: %1")
                                    .arg(gelesen.ergebnis().text()));
    }
    if (regelnAusgeben) {
        for (int i = 0; i < regeln.anzahl(); ++i)
            schreiben(stdout, regeln.beschreibung(i) + u'\t' + regeln.code(i) + u'\n');
        return 0;
    }
    if (regelName && regelCode)
        return aufrufFehler(QStringLiteral("Bitte nur eine Regel angeben (--regel oder --regelcode)."));
    if (regelName) {
        const int i = regeln.beschreibungen().indexOf(*regelName);
        if (i < 0)
            return aufrufFehler(QStringLiteral("Keine gespeicherte Regel heißt \"%1\".").arg(*regelName));
        regelCode = regeln.code(i);
    }
    if (!regelCode)
        return aufrufFehler(QStringLiteral("Keine Regel angegeben (--regel, --regelcode oder --regelcode-datei)."));
    if (int(!verzeichnis.isEmpty()) + int(!pfade.isEmpty()) + int(suche.an) > 1)
        return aufrufFehler(QStringLiteral("Bitte nur eines angeben: --verzeichnis, --suche oder Pfade."));

    const RegelLeseErgebnis gelesen = RegelLesen(*regelCode);
    // New objects made from a count or a list need no selection.
    const bool ohneAuswahl = gelesen.gueltig() && !gelesen.regel.teile.isEmpty() &&
                             IstHerstellCode(gelesen.regel.teile.last().code) &&
                             !VorschauBrauchtAuswahl(gelesen.regel.teile.last().code);
    if (verzeichnis.isEmpty() && pfade.isEmpty() && !suche.an && !ohneAuswahl)
        return aufrufFehler(QStringLiteral("Keine Dateien oder Verzeichnisse angegeben."));
    if (gelesen.zustand == RegelZustand::Kaputt)
        schreiben(stderr, QStringLiteral("rinolux-regel: Der Regel-Code ist fehlerhaft (Feld %1): %2\n")
                              .arg(gelesen.feld)
                              .arg(gelesen.grund));
    // A rule that reads only names needs no size, attributes or times of a listed entry.
    const plattform::Details details = !gelesen.gueltig() || VorschauBrauchtEintragsWerte(gelesen.regel)
                                           ? plattform::Details::Alle
                                           : plattform::Details::Keine;

    // The selection: the hits are handed to the fill procedure as a listing would.
    SuchTreffer treffer;
    AuswahlFuellung fuellung;
    if (suche.an) {
        if (!suche.auftrag.dateienZeigen && !suche.auftrag.verzeichnisseZeigen)
            return aufrufFehler(QStringLiteral("--nur-dateien und --nur-verzeichnisse schließen einander aus."));
        StillerFortschritt suchFort;
        const SuchErgebnis e = nxSuche(suche.auftrag, treffer, suchFort);
        if (!e.meldung.isEmpty()) {
            schreiben(stderr, QStringLiteral("rinolux-regel: ") + e.meldung + QStringLiteral(" (") + suche.auftrag.verzeichnis
                                  + QStringLiteral(")\n"));
            return kFehlerAufruf;
        }
        if (e.uebersprungen > 0) {
            schreiben(stderr, QStringLiteral("rinolux-regel: %1 Verzeichnisse konnten nicht gelesen werden und wurden "
                                             "übersprungen:\n")
                                  .arg(e.uebersprungen));
            for (const QString &u : e.unlesbar)
                schreiben(stderr, QStringLiteral("  ") + u + u'\n');
        }
        if (e.maxErreicht)
            schreiben(stderr, QStringLiteral("rinolux-regel: Die Suche hat nach %1 Treffern angehalten (--hoechstens).\n")
                                  .arg(e.treffer));
    } else if (verzeichnis.isEmpty() && pfade.isEmpty()) {
        // No selection: a creation rule that makes its objects from a count or a list.
    } else if (!verzeichnis.isEmpty()) {
        QString verz = QDir::cleanPath(QFileInfo(verzeichnis).absoluteFilePath());
        if (!verz.endsWith(u'/'))
            verz += u'/';
        const Ergebnis e = nxAuswahlVerzeichnisAuflisten(verz, details, 1, treffer);
        if (!e) {
            schreiben(stderr, QStringLiteral("rinolux-regel: Das Verzeichnis \"%1\" kann nicht gelesen werden: %2\n")
                                  .arg(verzeichnis, e.text()));
            return kFehlerAufruf;
        }
    } else {
        QStringList volleNamen;
        for (const QString &p : pfade) {
            const std::optional<QString> voll = objektPfad(p);
            if (!voll) {
                schreiben(stderr, QStringLiteral("rinolux-regel: Unbekannter Pfad: %1\n").arg(p));
                return kFehlerAufruf;
            }
            volleNamen.append(*voll);
        }
        const QStringList fehlen = nxAuswahlNamenAuflisten(volleNamen, treffer);
        if (!fehlen.isEmpty()) {
            schreiben(stderr,
                      QStringLiteral("rinolux-regel: Unbekannter Pfad: %1\n").arg(pfade.at(volleNamen.indexOf(fehlen.first()))));
            return kFehlerAufruf;
        }
    }

    ListenDaten auswahl;
    StillerFortschritt fort;
    nxAuswahlFuellen(auswahl, treffer, fuellung, fort);
    if (verzeichnis.isEmpty())
        auswahl.ReihenfolgeIdentitaet();
    auswahl.AlleMarkieren(true);

    const AktionsCode code = gelesen.regel.teile.isEmpty() ? 0 : gelesen.regel.teile.first().code;
    ListenDaten vorschau(VZelle::Anzahl);
    VorschauZeilenAufbauen(vorschau, auswahl, code);
    VorschauOptionen optionen;
    optionen.platzhalter = &platzhalter;
    optionen.suchErgebnis = suche.an;
    const VorschauLaufErgebnis lauf = Aktion_VorschauAnzeigen(vorschau, auswahl, *regelCode, optionen, fort);

    {
        ZeilenAusgabe aus;
        for (int z = 1; z <= vorschau.Anzahl(); ++z) {
            for (int s = 1; s <= VZelle::Anzahl; ++s) {
                if (s > 1)
                    aus.zeichen('\t');
                aus.zelle(vorschau.ZelleUtf8(z, s));
            }
            aus.zeichen('\n');
        }
        aus.text(lauf.auswertung.text.toStdString() + '\n');
    }
    std::fflush(stdout);
    if (!ausfuehren)
        return lauf.auswertung.aktionFrei ? 0 : 1;
    // Nothing is carried out from a preview that is not free of errors.
    if (!lauf.auswertung.aktionFrei || lauf.abgebrochen) {
        schreiben(stdout, QStringLiteral("\nEs ist nichts verändert worden.\n"));
        return 1;
    }
    if (!ProgPfadAnlegen()) {
        schreiben(stderr, QStringLiteral("rinolux-regel: Das Daten-Verzeichnis %1 kann nicht angelegt werden.\n")
                              .arg(ProgPfad));
        return 1;
    }
    RueckIndex index(ProgPfad);
    index.IniListeRueck_Lesen();
    AusfuehrAuftrag auftrag;
    auftrag.arbeit = &vorschau;
    auftrag.auswahl = &auswahl;
    auftrag.code = lauf.code != 0 ? lauf.code : code;
    auftrag.beschreibung = QStringLiteral("Regeln: ") + (regelName ? *regelName : QStringLiteral("rinolux-regel"));
    Einstellungen einstellungen;
    einstellungen.TeilenSkript = teilenSkript;
    KommandoDialog dialog(trotzdem);
    const AusfuehrErgebnis e = Aktion_AendernHerstellen(auftrag, einstellungen, fort, dialog, index);
    if (!e.rueckNummer.isEmpty())
        schreiben(stdout, QStringLiteral("\nRück-Nummer: ") + e.rueckNummer + u'\n');
    return e.allesErledigt() ? 0 : 1;
}
