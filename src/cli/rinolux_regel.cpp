// rinolux-regel: the preview of a rule on files, without a window, for scripts and tests.
// It never changes the disk.

#include "core/engine/RegelListe.h"
#include "core/engine/sub_Aktion_Vorschau.h"
#include "core/platform/Plattform.h"
#include "core/selection/Auflisten.h"
#include "core/selection/sub_Auswahl.h"
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
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <optional>
#include <string>

using namespace rinolux;

namespace {

constexpr int kFehlerAufruf = 2;
// A list of paths may be long (hundreds of thousands of lines), but never endless.
constexpr qint64 kListeGrenze = qint64(512) * 1024 * 1024;

const char *const kHilfe =
    "Aufruf: rinolux-regel [Optionen] PFAD...\n"
    "\n"
    "Zeigt die Vorschau einer Regel fuer Dateien und Verzeichnisse, ohne etwas zu aendern.\n"
    "Jeder PFAD wird (so wie er ist, nicht sein Inhalt) ein ausgewaehlter Eintrag.\n"
    "\n"
    "  --verzeichnis VERZ        alle Eintraege von VERZ (ohne Unterverzeichnisse), nach Namen sortiert\n"
    "  --liste DATEI             die Pfade aus DATEI, einer je Zeile\n"
    "  --regel BESCHREIBUNG      eine gespeicherte Regel\n"
    "  --regelcode CODE          ein Regel-Code (Felder durch TAB getrennt)\n"
    "  --regelcode-datei DATEI   der Regel-Code aus der ersten Zeile von DATEI\n"
    "  --platzhalter NAME=WERT   Wert eines Platzhalters <NAME> (mehrfach moeglich)\n"
    "  --regeln                  alle gespeicherten Regeln ausgeben (Beschreibung TAB Code), allein\n"
    "                            anzugeben; ohne Regel-Datei die Standard-Regeln (es wird nichts angelegt)\n"
    "  --hilfe                   diese Hilfe\n"
    "  --                        Ende der Optionen: alles danach ist ein PFAD, auch wenn es mit - beginnt\n"
    "                            (so bei Namen aus einem Muster wie *: rinolux-regel --regel R -- *)\n"
    "\n"
    "Ausgabe: eine Zeile je Vorschau-Zeile mit ihren 11 Zellen (TAB-getrennt), dann die\n"
    "Zusammenfassung. Ende-Status 0: die Aktion waere moeglich, 1: nicht, 2: falscher Aufruf.\n";

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

// One object as it is given, as a full path: the last component is the name, even for a
// directory. The root has no name to change.
std::optional<QString> objektPfad(const QString &pfad)
{
    const QString voll = QDir::cleanPath(QFileInfo(pfad).absoluteFilePath());
    if (voll == QStringLiteral("/"))
        return std::nullopt;
    return voll;
}

} // namespace

int main(int argc, char **argv)
{
#ifdef __GLIBC__
    // One run lists, sorts and previews in phases that free and allocate tens of megabytes
    // each; keeping freed memory for the next phase spares the page faults of handing it
    // back and taking it again. The process ends right after.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
#endif
    QCoreApplication app(argc, argv);
    ProzessWerteSetzen(QStringLiteral("rinolux"));
    const QStringList args = QCoreApplication::arguments().mid(1);

    QStringList pfade;
    QString verzeichnis;
    std::optional<QString> regelName;
    std::optional<QString> regelCode;
    bool regelnAusgeben = false;
    KommandoPlatzhalter platzhalter;

    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const auto wert = [&](QString &aus) {
            if (i + 1 >= args.size())
                return false;
            aus = args[++i];
            return true;
        };
        QString w;
        if (a == u"--hilfe" || a == u"-h" || a == u"--help") {
            schreiben(stdout, QString::fromUtf8(kHilfe));
            return 0;
        } else if (a == u"--regeln") {
            regelnAusgeben = true;
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
    if (regelnAusgeben && (regelName || regelCode || !pfade.isEmpty() || !verzeichnis.isEmpty()))
        return aufrufFehler(
            QStringLiteral("--regeln wird allein angegeben. Pfade, die mit - beginnen, bitte nach -- "
                           "angeben."));
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
    if (verzeichnis.isEmpty() && pfade.isEmpty())
        return aufrufFehler(QStringLiteral("Keine Dateien oder Verzeichnisse angegeben."));
    if (!verzeichnis.isEmpty() && !pfade.isEmpty())
        return aufrufFehler(QStringLiteral("Bitte entweder --verzeichnis oder Pfade angeben."));

    const RegelLeseErgebnis gelesen = RegelLesen(*regelCode);
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
    if (!verzeichnis.isEmpty()) {
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
    const VorschauLaufErgebnis lauf = Aktion_VorschauAnzeigen(vorschau, auswahl, *regelCode, optionen, fort);

    std::string aus;
    aus.reserve((1 << 20) + 4096);
    for (int z = 1; z <= vorschau.Anzahl(); ++z) {
        for (int s = 1; s <= VZelle::Anzahl; ++s) {
            if (s > 1)
                aus += '\t';
            const QByteArrayView zelle = vorschau.ZelleUtf8(z, s);
            if (!zelle.isEmpty())
                aus.append(zelle.data(), size_t(zelle.size()));
        }
        aus += '\n';
        if (aus.size() > (1 << 20)) {
            std::fwrite(aus.data(), 1, aus.size(), stdout);
            aus.clear();
        }
    }
    aus += lauf.auswertung.text.toStdString();
    aus += '\n';
    std::fwrite(aus.data(), 1, aus.size(), stdout);
    std::fflush(stdout);
    return lauf.auswertung.aktionFrei ? 0 : 1;
}
