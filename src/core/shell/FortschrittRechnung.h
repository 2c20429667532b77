#pragma once

#include <QString>

namespace rinolux {

// The arithmetic of the progress display, apart from any window.

// Share of the whole operation that is done: ((abschnitt - 1) + erledigt2 / gesamt2) /
// abschnitte, or abschnitt / abschnitte when gesamt2 is 0. Zero or negative section
// counts give 0, and the result is clamped to 0..1, so a caller that overshoots its count
// never draws past the bar's end.
double FortAnteil(int abschnitt, int abschnitte, qint64 gesamt2, qint64 erledigt2);

// Width of the filled part of a bar `breite` pixels wide.
int FortBalkenBreite(int breite, double anteil);

// Marker position: the filled width when gesamt1 is 0, 0 when erledigt1 is negative,
// else breite * erledigt1 / gesamt1 (a negative gesamt1 puts it off the bar).
int FortMarkePosition(int breite, int balkenBreite, qint64 gesamt1, qint64 erledigt1);

// "  75,0 %": the share in percent with one decimal and a decimal comma.
QString FortProzentText(double anteil);

// The application title as a text bar: " " + k apostrophes + "|" + (10 - k) apostrophes
// + "  " + percent, k = trunc(anteil * 11).
QString FortTitelText(double anteil);

// Whether FortMeldung updates the line for this counter: every call below 50, then ever
// more thinly so that a long loop does not spend its time drawing.
bool FortMeldungZeigen(qint64 zaehler);

} // namespace rinolux
