#pragma once

// Material the user types as lists: one word per row (212, 222), free names (209),
// filling characters (219) and the parallel character lists (229).

#include <QtGlobal>

#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace rinolux {

// The word of row r (1-based) from n lines; with wiederholen the list starts over,
// otherwise rows beyond the list get the empty word.
std::u32string WortFuerZeile(const std::vector<std::u32string> &zeilen, qint64 zeile, bool wiederholen);

// "Text davor" + word + "Text danach".
std::u32string ListenText(std::u32string_view davor, const std::vector<std::u32string> &zeilen, qint64 zeile,
                          bool wiederholen, std::u32string_view danach);

// The free name of row r: prefix + line r + suffix, the whole result empty when the list
// has no line r (the name check then refuses the row).
std::u32string FreierName(std::u32string_view vorn, const std::vector<std::u32string> &zeilen, qint64 zeile,
                          std::u32string_view hinten);

// Lines of the free list minus rows: any value other than 0 blocks the action.
qint64 FreieNamenUeberschuss(qint64 zeilenAnzahl, qint64 reihenAnzahl);

// Fill direction of 219: 0 "nach Links", 1 "nach Rechts", 2 "nach Außen".
std::u32string StueckAuffuellen(std::u32string_view stueck, std::u32string_view fuellText, int richtung);

// The two lists of 229: the old one without empty entries, the new one with them.
struct ZeichenListen
{
    std::vector<std::u32string> alt;
    std::vector<std::u32string> neu;
};
ZeichenListen ZeichenListenLesen(std::u32string_view altFeld, std::u32string_view neuFeld);

// New entries minus old entries: any value other than 0 blocks the action.
qint64 ZeichenListenUeberschuss(const ZeichenListen &listen);

// Replaces the old entries by the new ones inside the range [von, bis] (1-based, inclusive)
// of text, counted from the left or from the right; an empty range (0, 0) leaves the text.
// Empty optional when the result would be longer than grenze: it is never built.
std::optional<std::u32string>
ZeichenListenAnwenden(std::u32string_view text, qint64 von, qint64 bis, const ZeichenListen &listen,
                      bool vonRechts, std::size_t grenze = std::numeric_limits<std::size_t>::max());

} // namespace rinolux
