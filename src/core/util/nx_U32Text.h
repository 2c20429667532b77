#pragma once

// QString <-> code-point text, the one place where the two meet.
//
//   std::u32string t = nxU32AusText(name);    // one element per code point
//   QString name2     = nxTextAusU32(t);       // back; nxTextAusU32(nxU32AusText(s)) == s
//
// The character and cell functions (nx_ZeichenEinfach.h, nx_ZeichenKomplex.h) and the rename
// engine work on std::u32string so that one position is one code point and a surrogate pair
// is never cut. Nothing is normalised. A lone surrogate (possible in a QString, never in a
// valid name) is kept as its own code point so that the round trip stays exact.

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

namespace rinolux {

std::u32string nxU32AusText(QStringView text);
// The same into ziel, whose room serves again when it is called row after row.
void nxU32AusTextSetzen(QStringView text, std::u32string &ziel);
QString nxTextAusU32(std::u32string_view text);

} // namespace rinolux
