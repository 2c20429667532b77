#pragma once

// The preview: one row per marked selection entry, the rule applied sub-rule by sub-rule,
// then the checks and the summary. It reads the selection list and a rule record and
// writes only the preview list; nothing on disk is touched.
//
// How to use it:
//   VorschauZeilenAufbauen(vliste, aliste, code);          // page adjustment
//   QString s = VorschauVeralten(vliste, code, aliste.MarkiertAnzahl()); // any control change
//   VorschauLaufErgebnis e = Aktion_VorschauAnzeigen(vliste, aliste, regelCode, opt, fort);
//   e.auswertung.text / farbe / aktionFrei go to the status label and the action button.

#include "core/engine/RegelCode.h"
#include "core/engine/VorschauPruefung.h"
#include "core/shell/ListenDaten.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace rinolux {

class Fortschritt;

// Cells of a preview row.
namespace VZelle {
inline constexpr int Pfad = 1;
inline constexpr int Name = 2;
inline constexpr int Zeit = 3;
inline constexpr int Zeit2 = 4;
inline constexpr int Zeit3 = 5;
inline constexpr int Attribute = 6;
inline constexpr int NeuPfad = 7;
inline constexpr int NeuName = 8;
inline constexpr int NeuZeit = 9;
inline constexpr int NeuAttribute = 10;
inline constexpr int Ergebnis = 11;
inline constexpr int Anzahl = 11;
} // namespace VZelle

// Column titles of the preview list (index 1..11; every title begins with a blank).
const QStringList &VorschauSpaltenTitel();
// The columns shown for a code, in the order they are listed.
QList<int> VorschauSichtbareSpalten(AktionsCode code);

// Codes whose preview has one row per marked entry.
bool VorschauZeilenJeEintrag(AktionsCode code);
// Codes that need at least one marked entry.
bool VorschauBrauchtAuswahl(AktionsCode code);

// Whether a rule reads more of an entry than its path, name and kind (size, attributes,
// times, directory number): callers that list entries only for this rule may skip the rest.
bool VorschauBrauchtEintragsWerte(const Regel &regel);

// How many entries a preview of the code concerns, for the limit of the automatic preview:
// the marked entries for codes that work on the selection, the count asked for on the
// Herstellen page (herstAnzahl, as typed) for the codes that make that many, 0 otherwise.
qint64 VorschauBetroffeneAnzahl(AktionsCode code, int markiert, const QString &herstAnzahl);
// The rows a preview run expects, which decides whether it shows the progress display:
// the preview rows for codes with one row per entry, the lines of the Herstellen list or
// its count for the codes that make those, and the largest number for every other code.
qint64 VorschauErwarteteZeilen(AktionsCode code, int vorschauZeilen, int herstListenZeilen,
                               const QString &herstAnzahl);
inline constexpr qint64 VorschauGrosseGrenze = 1999;

// Whether the automatic preview runs now: more than `sekunden` without input and, while
// the limit is on, fewer concerned entries than `grenze`.
bool AutoVorschauFaellig(qint64 ruheMs, int sekunden, bool begrenzt, int grenze, qint64 betroffene);

// Rebuilds the rows for the code from the marked entries in display order.
void VorschauZeilenAufbauen(ListenDaten &vliste, const ListenDaten &aliste, AktionsCode code);

// Makes the preview stale: clears the new values, writes the renew text into every row and
// sets every warn flag. Returns the text for the status label.
QString VorschauVeralten(ListenDaten &vliste, AktionsCode code, int markiert,
                         const QString &ersteSeite = QStringLiteral("Auswählen"));

// Answers the placeholder step: gets the placeholders as the form shows them and returns
// their values in the same order, or false when the form was closed without OK.
class PlatzhalterFrage
{
public:
    virtual ~PlatzhalterFrage() = default;
    virtual bool PlatzhalterWerte(const QList<Platzhalter> &platzhalter, QStringList &werte) = 0;
};

struct VorschauOptionen
{
    bool gross = false;          // show the progress display (more than 1999 expected rows)
    QString anker;               // control the progress display is placed at
    bool suchErgebnis = false;   // the selection holds a search result (numbers per directory)
    PlatzhalterFrage *platzhalter = nullptr; // none: placeholders stay as written
};

struct VorschauLaufErgebnis
{
    AktionsCode code = 0;      // code of the sub-rule that decides the summary
    qint64 zeilen = 0;
    qint64 fehler = 0;
    qint64 ueberschuss = 0;
    bool abgebrochen = false;
    QString regelCode;         // the record after the placeholder step
    VorschauAuswertung auswertung;
};

// The preview run. The rows must have been set up for the rule's code.
VorschauLaufErgebnis Aktion_VorschauAnzeigen(ListenDaten &vliste, const ListenDaten &aliste,
                                             const QString &regelCode, const VorschauOptionen &optionen,
                                             Fortschritt &fort);

} // namespace rinolux
