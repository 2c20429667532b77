#include "core/shell/HilfeTexte.h"

namespace rinolux {

namespace {

const QString NL = QStringLiteral("\r\n");

QString inKlammern(const QString &t)
{
    return QStringLiteral("[") + t.trimmed() + QStringLiteral("]");
}

QString ernst()
{
    return QStringLiteral("Hier wird es ernst.") + NL +
           QStringLiteral("Mit diesem Schalter wird alles wirklich ausgeführt.");
}

QString vorschau(const HilfeNamen &n, bool herstellen)
{
    return QStringLiteral("Wenn alles eingestellt ist, kann der Schalter ") + inKlammern(n.vorschauSchalter) +
           NL + QStringLiteral("gedrückt werden. Danach wird in der Liste angezeigt,") + NL +
           (herstellen ? QStringLiteral("was hergestellt werden würde.")
                       : QStringLiteral("wie die neuen Namen aussehen würden."));
}

QString pruefung()
{
    return QStringLiteral("Bei der Vorschau wurde auch einiges geprüft.") + NL +
           QStringLiteral("Das Ergebnis der Prüfung steht hier, mehr dazu in der Liste.");
}

} // namespace

int HilfeAnzahl(int seite)
{
    switch (seite) {
    case 1:
        return 8;
    case 2:
        return 10;
    case 3:
        return 8;
    case 4:
        return 11;
    default:
        return 0;
    }
}

QStringList HilfeTexte(int seite, const HilfeNamen &n)
{
    QStringList t;
    switch (seite) {
    case 1:
        t << QStringLiteral("Es ist egal, was man mit diesem Programm machen möchte: Auf der Seite [") +
                 n.tab[1].trimmed() + QStringLiteral("] fängt alles an.") + NL +
                 QStringLiteral(
                     "Drücke bitte mal den Mauszeiger auf die [1], dann bekommst du angezeigt, welche Hilfe "
                     "die nächste ist.")
          << QStringLiteral("Zuerst müssen die Dateien oder Verzeichnisse ausgewählt werden.") + NL +
                 QStringLiteral("Wenn bekannt ist, wo sie liegen, benutze die Seite ") +
                 inKlammern(n.suchTab1) + NL +
                 QStringLiteral("Sonst helfen die Such-Funktionen der anderen Seiten.")
          << QStringLiteral("Links zeigt der Verzeichnis-Baum alle Orte an.") + NL +
                 QStringLiteral("Rechts steht, was am ausgewählten Ort gefunden wurde.")
          << QStringLiteral("Hier werden die Dateien oder Verzeichnisse ausgewählt,") + NL +
                 QStringLiteral("die geändert werden sollen.")
          << QStringLiteral("Wenn nur Dateien oder nur Verzeichnisse geändert werden sollen,") + NL +
                 QStringLiteral("kann man hier die anderen ausblenden.")
          << QStringLiteral("Diese Seite zeigt alle Änderungs-Möglichkeiten.")
          << QStringLiteral("Hier können neue Dateien oder Verzeichnisse hergestellt werden.")
          << QStringLiteral("Regeln sind Änderungs-Möglichkeiten") + NL +
                 QStringLiteral("und Herstellungs-Möglichkeiten, bei") + NL +
                 QStringLiteral("denen schon vieles vorbestimmt ist.");
        break;
    case 2:
        t << QStringLiteral("Die Einträge, die auf der ersten Seite ausgewählt wurden,") + NL +
                 QStringLiteral("können hier geändert werden.")
          << QStringLiteral("Hier werden die ausgewählten Einträge noch einmal angezeigt.")
          << QStringLiteral("Dem Programm muss gesagt werden, welche Änderung gemacht werden soll.") + NL +
                 QStringLiteral("Am einfachsten zu verstehen ist die Möglichkeit ") +
                 inKlammern(n.aendernErstes)
          << QStringLiteral("Manche Möglichkeiten brauchen hier noch eine genauere Auswahl.")
          << QStringLiteral("Das Programm unterscheidet [Name] und [Format]:") + NL +
                 QStringLiteral("[Format] ist alles hinter dem letzten Punkt.") + NL +
                 QStringLiteral("Normalerweise sollte das [Format] nicht geändert werden.")
          << QStringLiteral("Die vielen Schalter und Eingabe-Felder in diesem Bereich") + NL +
                 QStringLiteral("sind bei jeder Möglichkeit anders.")
          << QStringLiteral("Ausgewählte Wörter oder Zahlen werden bestimmt, nachdem der Schalter") + NL +
                 inKlammern(n.wortSchalter) + QStringLiteral(" gedrückt wurde.")
          << vorschau(n, false) << pruefung() << ernst();
        break;
    case 3:
        t << QStringLiteral("Hier können neue Dateien oder Verzeichnisse hergestellt werden.")
          << QStringLiteral(
                 "Die Einträge, die auf der ersten Seite ausgewählt wurden, werden hier angezeigt,") +
                 NL + QStringLiteral("wenn eine Herstellungs-Möglichkeit sie braucht.")
          << QStringLiteral("Dem Programm muss gesagt werden, was hergestellt werden soll.") + NL +
                 QStringLiteral("Am einfachsten zu verstehen ist die Möglichkeit ") +
                 inKlammern(n.herstellenErstes)
          << QStringLiteral("Manche Möglichkeiten brauchen hier noch eine genauere Auswahl.")
          << QStringLiteral("Die vielen Schalter und Eingabe-Felder in diesem Bereich") + NL +
                 QStringLiteral("sind bei jeder Herstellungs-Möglichkeit anders.")
          << vorschau(n, true) << pruefung() << ernst();
        break;
    case 4:
        t << QStringLiteral("Regeln sind vorbestimmte Änderungs- und Herstellungs-Möglichkeiten.") + NL +
                 QStringLiteral("Sie sind nur sinnvoll, wenn sie sehr oft verwendet werden.")
          << QStringLiteral("Hier werden die ausgewählten Einträge angezeigt.") + NL +
                 QStringLiteral("Alle Änderungs- und manche Herstellungs-Möglichkeiten brauchen sie.")
          << QStringLiteral("Diese Regeln stehen zur Auswahl.")
          << QStringLiteral("Wenn eine Regel ausgewählt ist, kann der Schalter ") +
                 inKlammern(n.vorschauSchalter) + NL + QStringLiteral("gedrückt werden.")
          << pruefung() << QStringLiteral("Hier wird es ernst.")
          << QStringLiteral("Wenn die vorhandenen Regeln nicht reichen, werden neue auf den Seiten") + NL +
                 inKlammern(n.tab[2]) + QStringLiteral(" und ") + inKlammern(n.tab[3]) +
                 QStringLiteral(" eingestellt.")
          << QStringLiteral("Für eine neue Änderungs-Regel geht es hier weiter.") + NL +
                 QStringLiteral(
                     "Komme danach hierher zurück, statt den letzten Schalter der Seite zu drücken.")
          << QStringLiteral("Für eine neue Herstellungs-Regel geht es hier weiter, ebenso.")
          << QStringLiteral("Nach den richtigen Einstellungen auf ") + inKlammern(n.tab[2]) +
                 QStringLiteral(" oder ") + inKlammern(n.tab[3]) + NL +
                 QStringLiteral("können sie hier als neue Regel hinzugefügt werden.")
          << QStringLiteral("Das war die Hilfe dieser Seite. Noch ein Hinweis für Erfahrene:") + NL +
                 QStringLiteral(
                     "Platzhalter in spitzen Klammern stehen für Wörter oder Zahlen, so dass eine Regel") +
                 NL +
                 QStringLiteral(
                     "mehrere ersetzen kann. Statt drei Regeln, die Urlaub, Feier oder Ausflug einfügen,") +
                 NL +
                 QStringLiteral(
                     "genügt eine Regel mit <Wort>; nach dem Wort fragt das Programm bei der Vorschau.");
        break;
    default:
        return t;
    }
    t.last() += NL + NL + QStringLiteral("(Ende der Hilfe)");
    return t;
}

unsigned HilfeFarbe(int seite, int nummer)
{
    const bool erste = nummer == 1;
    switch (seite) {
    case 1:
        return erste ? 0xFFFF00u : 0xFFFFBBu;
    case 2:
        return erste ? 0x00FF00u : 0xBBFFBBu;
    case 3:
        return erste ? 0x00FFFFu : 0xBBFFFFu;
    default:
        return erste ? 0xFFBBFFu : 0xFFDDFFu;
    }
}

} // namespace rinolux
