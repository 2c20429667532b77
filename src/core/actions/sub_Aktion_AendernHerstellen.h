#pragma once

// Carrying out the rows of a preview (or of an undo entry) on the disk.
//
//   AusfuehrAuftrag a;
//   a.arbeit = &vliste; a.auswahl = &aliste; a.code = 211; a.modus = AusfuehrModus::Normal;
//   a.beschreibung = QStringLiteral("Ändern: ...");
//   if (!Aktion_Sicherheitsfrage(einstellungen, dialog, zusammenfassung)) return;
//   AusfuehrErgebnis e = Aktion_AendernHerstellen(a, einstellungen, fort, dialog, index);
//
// Names are changed through plattform::umbenennen only (never over an existing object);
// swapped or shifted names go through a temporary "!Rin_" name in a first phase and get
// their final name in a second phase that always runs to its end. Every change is recorded
// through the undo writer as it is made; when a record cannot be written, the change it
// belongs to is taken back and the run stops before the next change.

#include "core/actions/RueckDaten.h"
#include "core/engine/RegelCode.h"
#include "core/shell/ListenDaten.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace rinolux {

class Dialog;
class Fortschritt;
struct Einstellungen;

enum class AusfuehrModus { Normal, NurPruefen, Rueckgaengig };

// Row status during a run (one per row of the work list).
namespace AStatus {
inline constexpr qint64 Ungeprueft = -1;
inline constexpr qint64 Fehler = -2;
inline constexpr qint64 Frei = -3;
inline constexpr qint64 Erledigt = -4;
inline constexpr qint64 Umweg = -5;
inline constexpr qint64 UmwegErledigt = -6;
inline constexpr qint64 Geaendert = -7;
// n > 0: waiting under its temporary name; n is the number of its undo record.
} // namespace AStatus

using RueckAnlegen =
    std::function<ErgebnisWert<std::unique_ptr<RueckSchreiber>>(const QString &pfad, int rueckCode,
                                                                const QString &beschreibung)>;

struct AusfuehrAuftrag
{
    // The preview list (normal mode) or the undo detail list (other modes). Its row states
    // (warn flag, directory flag, link) are read; its cells are not changed.
    const ListenDaten *arbeit = nullptr;
    // The selection list the links point into; may be null.
    ListenDaten *auswahl = nullptr;
    AktionsCode code = 0;
    AusfuehrModus modus = AusfuehrModus::Normal;
    // Line 2 of the undo file and the undo index entry (normal mode).
    QString beschreibung;
    // The selection list's current sort choice (CoAutoSort item), used to re-sort it.
    int sortWahl = 1;
    // Creates the undo file; empty means RueckDateiAnlegen. Tests put a failing writer here.
    RueckAnlegen rueckAnlegen;
    // Anchor of the questions (objectName of the pressed button).
    QString anker;
    // What the selection list shows, so that created objects can join it: the directory it
    // lists (empty: none), whether it holds a search result, and which kinds it lists.
    QString auswahlVerzeichnis;
    bool auswahlSuchErgebnis = false;
    bool auswahlDateien = true;
    bool auswahlVerzeichnisse = true;
};

struct UmbenanntesVerzeichnis
{
    QString alt; // full paths with trailing "/"
    QString neu;
};

struct AusfuehrErgebnis
{
    bool begonnen = false;      // the work phase was entered
    bool abgebrochen = false;   // cancelled (checks or work)
    bool abgelehnt = false;     // the check report was answered with "Nein"
    bool verweigert = false;    // refused before anything changed (message in bericht)
    qint64 belegt = 0;          // check counts
    qint64 gesperrt = 0;
    qint64 fehlen = 0;
    qint64 erledigt1 = 0;       // done in the first phase (records of the first section)
    qint64 erledigt2 = 0;
    qint64 fehler1 = 0;
    qint64 fehler2 = 0;
    bool rueckFehler = false;   // the undo file could not be written: the run was stopped
    QString rueckNummer;        // number of the undo file written (normal mode)
    QString bericht;            // the last report shown (check, refusal or failure report)
    std::vector<qint64> status; // per row (index = row, element 0 unused)
    std::vector<UmbenanntesVerzeichnis> verzeichnisse; // for the directory tree

    qint64 fehlerGesamt() const { return fehler1 + fehler2; }
    // Everything asked for was done: nothing refused, declined, cancelled or failed.
    bool allesErledigt() const;
    // Rows of the work list whose change was not made (for an undo: the rows still to undo).
    std::vector<int> offeneZeilen(const ListenDaten &arbeit) const;
};

// The word used in messages for a code: "Ändern", "Rückgängig" or "Herstellen".
QString AktionBezeichnung(AktionsCode code);
// The undo code written for a code (301..309), 0 when it has none.
int AktionRueckCode(AktionsCode code);
// The safety question built from the preview summary.
QString AktionSicherheitsfrageText(const QString &zusammenfassung);
// Asks it when the setting is on; true when the action may go on.
bool Aktion_Sicherheitsfrage(const Einstellungen &einstellungen, Dialog &dialog, const QString &zusammenfassung,
                             const QString &anker = QString());

// The routine for all three modes. Shows the check report and the failure report through
// dialog and returns what happened.
AusfuehrErgebnis Aktion_AendernHerstellen(const AusfuehrAuftrag &auftrag, const Einstellungen &einstellungen,
                                          Fortschritt &fort, Dialog &dialog, RueckIndex &index);

} // namespace rinolux
