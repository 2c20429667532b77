#pragma once

// The detail list of the undo page as data: one entry's records loaded into a ListenDaten
// of seven cells, the directory correction before an undo of names, and what remains of
// the file after an undo.
//
//   ListenDaten liste(7);
//   auto stand = Aktion_Vorschau_Rueck(index.dateiPfad(e.nummer), e, liste);
//   RueckVerzeichnisKorrektur(liste, e.code);        // before checking or undoing 301
//   ... undo; collect the rows that failed ...
//   Aktion_RueckAbschliessen(index, i, liste, uebrig); // deletes or rewrites the file

#include "core/actions/RueckDaten.h"
#include "core/shell/ListenDaten.h"

#include <vector>

namespace rinolux {

// Cells of the detail list.
inline constexpr int kRueckZellePfad = 1;      // directory as recorded
inline constexpr int kRueckZelleName = 2;      // present name
inline constexpr int kRueckZelleNeuPfad = 3;   // directory after the correction
inline constexpr int kRueckZelleNeuName = 4;   // name to go back to
inline constexpr int kRueckZelleAttribute = 5;
inline constexpr int kRueckZelleZeit = 6;
inline constexpr int kRueckZelleKeine = 7;
// For 309 the hidden cell 7 holds the record's value (the created object's stamp).
inline constexpr int kRueckZelleStempel = kRueckZelleKeine;
inline constexpr int kRueckZellen = 7;

struct RueckLadeStand
{
    enum class Art { Ok, Fehlt, Unlesbar };
    Art art = Art::Ok;
    qint64 uebersprungen = 0; // records that could not be used
    QString meldung;          // the message to show, empty when all went well
};

QString RueckTextZugriff(const QString &pfad);
QString RueckTextFehlerhaft();

// Loads the records of the entry's file into liste (emptied first; cells 1, 2, the value
// cell of the code, the directory flag). First-section record k becomes row k among the
// readable ones; a second-section record updates directory and name of the row it
// completes and keeps its value. Rows are only ever made from readable records.
RueckLadeStand Aktion_Vorschau_Rueck(const QString &pfad, const RueckIndexEintrag &eintrag, ListenDaten &liste);

// Cell 3 = cell 1 for every row; for names (301) then, from the last row up, every row
// above a directory row whose cell 3 lies inside the directory's old path (whole path
// components, exact) is moved into the directory's present name. All rows above are
// examined, not only the neighbours: rows of other directories may lie between.
void RueckVerzeichnisKorrektur(ListenDaten &liste, int code);

// Writes the undo file anew (atomically) with just the rows zeilen of liste, as plain
// first-section records with their recorded directory (cell 1), so that loading and the
// correction work on them as before. Returns the entry describing the new file.
ErgebnisWert<RueckIndexEintrag> RueckDateiRestSchreiben(const QString &pfad, const RueckIndexEintrag &eintrag,
                                                        const ListenDaten &liste, const std::vector<int> &zeilen);

// After an undo of index entry i (from 1): with no rows left the file and entry are
// deleted; otherwise the file keeps the rows still to undo and the entry says so.
Ergebnis Aktion_RueckAbschliessen(RueckIndex &index, int i, const ListenDaten &liste,
                                  const std::vector<int> &uebrig);

} // namespace rinolux
