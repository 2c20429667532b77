#pragma once

#include "core/shell/ListenDaten.h"

namespace rinolux {

// Before an undo is carried out: every row of the undo detail list (cell 1 directory, or
// cell 3 where a renamed directory moved it, and cell 2 its current name) gets as link the
// selection entry (cell 1 + cell 4) that names the same path; rows without one get 0.
// Paths are compared exactly: "a.txt" and "A.txt" are two objects, and the undo of one
// must not rewrite the other's entry.
void RueckMitAuswahlVerknuepfen(ListenDaten &rueck, const ListenDaten &auswahl);

} // namespace rinolux
