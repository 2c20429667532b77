#pragma once

#include "core/shell/ListenDaten.h"

namespace rinolux {

// What a list allows the user to do with marks (set when the list is created).
struct MarkierRegeln
{
    bool klickMarkiert = false;    // left clicks and space change marks
    bool bereichMarkieren = false; // Ctrl and Shift clicks mark several rows
};

// One press on a row of a list, as the list saw it.
struct ListenKlick
{
    bool rechts = false;     // right button (else left button or space)
    bool strg = false;
    bool umsch = false;
    int position = 0;        // display position, 1..Anzahl()
    bool markSpalte = false; // on the mark column
};

// The marks and the current position after a press: a plain click marks only its row,
// a click on the mark column and a Ctrl click toggle the row, Shift marks the range from
// the current position with that row's mark (Ctrl+Shift adds the range to the marks), and a
// right click on a marked row keeps the marks for the menu. Returns true when the press
// was a range click, after which the release must not change the marks again.
bool nxListeKlick(ListenDaten &daten, const MarkierRegeln &regeln, const ListenKlick &klick);

// Releasing the left button on a row (not on the mark column, not after a range click)
// leaves exactly that row marked and current. Returns false when that was already so.
bool nxListeLoslassen(ListenDaten &daten, int position);

// Sets the mark of every row between two display positions (in either order, clamped).
void nxListeBereichMarkieren(ListenDaten &daten, int von, int bis, bool wert);

} // namespace rinolux
