#pragma once

#include "core/shell/ListenDaten.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace rinolux {

class Fortschritt;

// The 28 items of CoAutoSort, in their order (odd: ascending, even: reversed).
QStringList nxSortWahlTexte();

// The chain of key codes of a sort choice ("VPN" for 1, 2 and anything out of range).
QString nxSortKette(int wahl);

// Digit runs made comparable by value: "file12.txt" -> "file00212000.txt"
// (length without leading zeros in three digits, the digits, the number of zeros dropped).
QString nxNatuerlicherSchluessel(const QString &text);

// The key text of one code for one selection entry (row).
QString nxSortSchluesselText(const ListenDaten &liste, int zeile, QChar code);

// Sorts the selection list's display order by a CoAutoSort choice; the rows and marks stay
// where they are. Each key of the chain orders only the entries whose earlier keys are
// byte for byte equal. escErlaubt: ESC (escGedrueckt) and the progress display's cancel
// may stop it (a sort that follows a tree listing); then the result is false and the
// display order is left as the identity. An empty list is sorted at once.
bool nxAuswahlSortieren(ListenDaten &liste, int wahl, bool escErlaubt, const std::function<bool()> &escGedrueckt,
                        Fortschritt *fort);

} // namespace rinolux
