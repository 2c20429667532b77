#pragma once

// The cell scan and what is built on it: keeping, removing, trimming, replacing, splitting
// and bracketed pieces.
//
// How to call:
//   - A scan cuts a text into cells: runs of characters that match one of the patterns
//     (flagged) or single characters that do not (unflagged). ZellenSuche holds the scan
//     parameters; the defaults are "all matches, counted forward, scanned from the left,
//     positive, case-sensitive".
//   - A pattern that is exactly one class element (nxMusterKlasse) is a class: it covers
//     one character, the class "number" (KlasseZahl) a whole digit run, KlasseZahl +
//     KlasseNicht a digit run as one unflagged cell. Every other pattern is a word; its
//     elements compare character by character (class elements by their class), an empty
//     word matches everywhere with length 1.
//   - Cells come back left to right with 1-based starts; containers count from 0.
//
//     ZellenSuche s;
//     s.muster = {nxMusterWort(U"aa")};
//     s.vonLinks = false;
//     Zellen z = nxZellenErmitteln(U"aaa", s);            // cells 1 (unflagged), 2-3 (flagged)
//     auto teile = nxZellenTeilen(U"a||b", nxZellenSuche(nxMusterWort(U"|")), true);  // a, "", b
//     std::u32string t = nxZellenErsetzen(U"a  b", nxZellenSuche(nxMusterKlasse(KlasseLeer)), U"_", true);

#include "core/util/nx_ZeichenEinfach.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rinolux {

struct Zelle final
{
    int start = 1;  // 1-based position in the text
    int laenge = 1; // at least 1
    bool markiert = false;

    friend bool operator==(const Zelle &, const Zelle &) = default;
};
using Zellen = std::vector<Zelle>;

// Which of the matching cells stay flagged.
enum class ZellenWahl : int {
    Nte = 1,         // only the n-th
    AusserNter = 2,  // all but the n-th
    NteJeFolge = 3,  // the n-th of each run of adjacent matching cells
    ErsteN = 4,      // the first n
    Alle = 9,        // all (any other value acts the same)
};

struct ZellenSuche final
{
    MusterListe muster;
    qint64 n = 1; // a negative n counts as its absolute value
    ZellenWahl wahl = ZellenWahl::Alle;
    bool vorwaertsZaehlen = true; // count the n-th from the first scanned cell, else from the last
    bool vonLinks = true;         // scan direction: cells are formed from this end
    bool positiv = true;          // false: the cells that do not match are flagged
    bool grossKlein = true;       // false: words compare folded to lower case
};

// Scan parameters of the short forms: all matches of the patterns, from the left, positive.
ZellenSuche nxZellenSuche(ZeichenMuster muster, bool grossKlein = true);
ZellenSuche nxZellenSuche(MusterListe muster, bool grossKlein = true);

// The cells of the whole text, left to right; *markiert (when given) gets the number of
// flagged cells. The empty text has no cells.
Zellen nxZellenErmitteln(std::u32string_view text, const ZellenSuche &suche, int *markiert = nullptr);
// Starts and lengths of the flagged cells only.
Zellen nxZellenPositionen(std::u32string_view text, const ZellenSuche &suche);
// The first of those, without building the list where the scan can stop at it.
std::optional<Zelle> nxErsteZellePosition(std::u32string_view text, const ZellenSuche &suche);
// The flagged cells joined in order.
std::u32string nxZellenBehalten(std::u32string_view text, const ZellenSuche &suche);
// The text without the flagged cells.
std::u32string nxZellenEntfernen(std::u32string_view text, const ZellenSuche &suche);

enum class Seite { Links, Rechts };
// The text without the run of matching cells at that side.
std::u32string nxZellenAbschneiden(std::u32string_view text, const MusterListe &muster, Seite seite,
                                   bool positiv = true, bool grossKlein = true);
// Left first, then right.
std::u32string nxZellenAbschneidenBeide(std::u32string_view text, const MusterListe &muster);

// Every flagged cell replaced; with zusammenfassen a run of adjacent flagged cells becomes
// one replacement.
std::u32string nxZellenErsetzen(std::u32string_view text, const ZellenSuche &suche, std::u32string_view ersatz,
                                bool zusammenfassen = false);

// The pieces between the flagged cells. With leereBehalten an empty piece stands before a
// flagged first cell, between two adjacent flagged cells and after a flagged last cell,
// and the empty text gives one empty piece: "a||b" -> a, "", b; "|a|" -> "", a, "".
std::vector<std::u32string> nxZellenTeilen(std::u32string_view text, const ZellenSuche &suche, bool leereBehalten);

struct KlammerTeile final
{
    std::vector<std::u32string> teile;
    std::vector<bool> eingeschlossen; // one per piece
    int anzahlEingeschlossen = 0;
};
// "a(b)c" with "(" and ")" gives a, b, c of which b is enclosed.
KlammerTeile nxZellenKlammern(std::u32string_view text, char32_t auf, char32_t zu, bool vonLinks = true,
                              bool grossKlein = true);

} // namespace rinolux
