#pragma once

// Deleting, copying and moving the marked selection entries as a whole, through the rows
// of the action list LListe.
//
//   LListeAufbauen(aliste, lliste);                 // each time page 6 or 7 is shown
//   LKAuftrag a;
//   a.liste = &lliste; a.auswahl = &aliste; a.modus = LKModus::Kopieren;
//   a.ziel = u"/media/sicherung/"_s; a.strukturSichtbar = LKStrukturSichtbar(lliste, aliste);
//   LKErgebnis e = Aktion_LoeschenKopieren(a, einstellungen, fort, dialog, index);
//
// Nothing is replaced unless the user was asked about exactly that name: the check report
// lists held and repeated names and says what "Ja" does to them. A row that lies inside a
// directory row of the same list is never handled on its own; it goes with its directory.

#include "core/actions/RueckDaten.h"
#include "core/actions/sub_Aktion_AendernHerstellen.h"
#include "core/platform/Plattform.h"
#include "core/shell/ListenDaten.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace rinolux {

class Dialog;
class Fortschritt;
struct Einstellungen;

// Cells of an LListe row; its link is the selection entry's row.
namespace LZelle {
inline constexpr int Pfad = 1; // directory with trailing "/"
inline constexpr int Name = 2;
inline constexpr int Bytes = 3;
inline constexpr int Anzahl = 3;
} // namespace LZelle

enum class LKModus { Papierkorb, FuerImmer, Kopieren, Verschieben };

// "Kopieren", "Verschieben" or "Löschen".
QString LKBezeichnung(LKModus modus);

// Numbered directories: a fixed number of entries per directory (BuVer1-8), or a fixed
// number of directories (BuVer9-14).
enum class NummerArt { Keine, JeVerzeichnis, Verzeichnisse };

struct NummernVerteilung
{
    qint64 verzeichnisse = 0;  // D
    qint64 proVerzeichnis = 0; // P
    qint64 volle = 0;          // the first this many directories receive P entries, the rest P - 1
    // Directory number (from 1) of the row at position k (from 0) in row order.
    qint64 nummer(qint64 k) const;
};
// n rows; wert is P for JeVerzeichnis and D for Verzeichnisse. All zero when n < 1, the
// art is Keine or wert < 1.
NummernVerteilung LKNummernVerteilen(qint64 n, NummerArt art, qint64 wert);

// Rebuilds lliste from the marked entries of the selection list in display order:
// directory, name and size, the directory flag, no mark, the link to the entry.
void LListeAufbauen(const ListenDaten &auswahl, ListenDaten &lliste);
// Whether the rows come from more than one directory of the listing (some linked entry
// has a path number other than 1): only then is "mit Verzeichnisse-Struktur" offered.
bool LKStrukturSichtbar(const ListenDaten &lliste, const ListenDaten &auswahl);

struct LKAuftrag
{
    ListenDaten *liste = nullptr;   // LListe; done rows are removed for deleting and moving
    ListenDaten *auswahl = nullptr; // the selection list the links point into; may be null
    LKModus modus = LKModus::Kopieren;
    QString ziel;                   // target directory (copy and move)
    bool struktur = false;          // counted only when strukturSichtbar
    bool strukturSichtbar = false;
    NummerArt nummerArt = NummerArt::Keine;
    qint64 nummerWert = 0;
    QString anker;                  // objectName of the pressed button
    RueckAnlegen rueckAnlegen;      // empty means RueckDateiAnlegen
};

// Row states during and after a run, per LListe row as it was before the run.
namespace LStatus {
inline constexpr quint8 Offen = 0;
inline constexpr quint8 Erledigt = 1;
inline constexpr quint8 Problem = 2;     // target name held, or name repeated
inline constexpr quint8 Abgewiesen = 3;  // a directory into itself: never carried out
inline constexpr quint8 Fehler = 4;
} // namespace LStatus

struct LKErgebnis
{
    bool begonnen = false;
    bool abgebrochen = false;
    bool abgelehnt = false;   // a question was answered with "Nein"
    bool verweigert = false;  // refused before anything was checked (message in bericht)
    qint64 fehlen = 0;
    qint64 belegt = 0;
    qint64 mehrfach = 0;
    qint64 inSich = 0;
    bool platzProblem = false;
    qint64 erledigt = 0;
    qint64 fehler = 0;
    bool rueckFehler = false;
    QString rueckNummer;
    QString bericht;                       // the last report shown
    std::vector<quint8> status;            // index = LListe row before the run, element 0 unused
    QStringList erledigteVerzeichnisse;    // done directory rows (source paths, trailing "/")
};

// The routine of all eighteen buttons. Asks the safety question when it is on, checks,
// reports problems, carries the rows out, writes code 310 undo records when the setting
// asks, updates both lists and shows the failure report.
LKErgebnis Aktion_LoeschenKopieren(const LKAuftrag &auftrag, const Einstellungen &einstellungen, Fortschritt &fort,
                                   Dialog &dialog, RueckIndex &index);

// "alle leeren Unter-Verzeichnisse löschen ...": asks, deletes the empty subdirectories
// below start (start stays) and reports. The result is all zero when the user said no.
plattform::LeereVErgebnis Aktion_LeereVerzeichnisseLoeschen(const QString &start, Fortschritt &fort, Dialog &dialog);

} // namespace rinolux
