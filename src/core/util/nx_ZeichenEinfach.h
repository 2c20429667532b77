#pragma once

// Text primitives on code points: pieces, numbers read from text, case mapping, character
// classes, patterns, position search, whole-text match and the alphabet counter.
//
// How to call:
//   - Texts are std::u32string (convert with nx_U32Text.h). Text positions are 1-based;
//     0 means "not found". Containers (pattern lists, alphabets) are plain std::vector
//     counted from 0 - there is no ignored element 0.
//   - A pattern (ZeichenMuster) is a sequence of tagged elements: a literal character, a
//     class code, or the wildcards "*" and "?". Build one with
//         nxMusterWort(U"abc")          literal characters only
//         nxMusterKlasse(KlasseZahl)    one class element
//         nxMusterMaske(U"*.txt")       "*" and "?" become wildcards, the rest literal
//     and combine elements freely (ZeichenMuster::elemente). Class codes never travel
//     in-band inside the text, so names may contain any character.
//   - grossKlein = true compares letter case exactly; false folds both sides to lower case
//     (and widens the classes "lower"/"upper" to "letter").
//
//     int p = nxZeichenPosition(text, {nxMusterWort(U"aa")}, true, 1, 2, true);   // 2nd "aa"
//     bool ok = nxZeichenPasst(U"Foto.JPG", nxMusterMaske(U"*.jpg"), false);      // true
//     std::u32string next = nxZeichenZaehlenStandard(U"Zz", 1);                   // "AAa"
//     qint64 v = nxZeichenZuZahl(U"--5");                                          // -5

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>
#include <vector>

namespace rinolux {

// Character class codes. 21..28 are the negations of 1..8 (code - 20).
inline constexpr int KlasseBeliebig = 0;  // any character
inline constexpr int KlasseZiffer = 1;    // "0".."9" only
inline constexpr int KlasseZahl = 2;      // a digit; covers a digit run where the operation says so
inline constexpr int KlasseKeine = 3;     // never
inline constexpr int KlasseKlein = 4;     // lower-case letter (Unicode)
inline constexpr int KlasseSonder = 5;    // no digit, no letter, not U+0020, code >= 10
inline constexpr int KlasseGross = 6;     // upper-case letter (Unicode)
inline constexpr int KlasseLeer = 7;      // U+0020 only
inline constexpr int KlasseBuchstabe = 8; // any letter (Unicode: also ß, 漢 ...)
inline constexpr int KlasseNicht = 20;    // add to 1..8 for the negation

// True when ch belongs to the class; false for codes that are no class (9..20, > 28, < 0).
bool nxZeichenKlasse(char32_t ch, int klasse);
bool nxIstKlassenCode(int klasse);

bool nxZeichenIstZiffer(char32_t ch);
bool nxZeichenIstBuchstabe(char32_t ch);
bool nxZeichenIstGross(char32_t ch);
bool nxZeichenIstKlein(char32_t ch);
bool nxZeichenIstSonder(char32_t ch);

// Per code point, no change of length (ß stays ß).
char32_t nxZeichenGross(char32_t ch);
char32_t nxZeichenKlein(char32_t ch);
std::u32string nxZeichenGross(std::u32string_view text);
std::u32string nxZeichenKlein(std::u32string_view text);

// Pieces. n < 0 in nxZeichenTeil/TeilRechts means "to the end"; from < 1 counts as 1.
std::u32string nxZeichenLinks(std::u32string_view text, qint64 n);
std::u32string nxZeichenRechts(std::u32string_view text, qint64 n);
std::u32string nxZeichenTeil(std::u32string_view text, qint64 von, qint64 n);
// Counted from the right end: from 2, n 3 on "abcdef" gives "cde".
std::u32string nxZeichenTeilRechts(std::u32string_view text, qint64 von, qint64 n);

// Numbers read from text: all ASCII digits wherever they stand, in order; a leading "-"
// makes the value negative ("-1.234" -> -1234, "a1b2" -> 12, "--5" -> -5, "" -> 0).
// A value beyond 64 bits saturates to the largest (smallest) value and sets *ueberlauf.
qint64 nxZeichenZuZahl(std::u32string_view text, bool *ueberlauf = nullptr);
qint64 nxZeichenZuZahl(QStringView text, bool *ueberlauf = nullptr);
qint64 nxZeichenZuZahlNichtNegativ(std::u32string_view text, bool *ueberlauf = nullptr);
// The digits without sign ("-5" -> 5); saturates like nxZeichenZuZahl.
qint64 nxZeichenZiffernZuZahl(std::u32string_view text, bool *ueberlauf = nullptr);
qint64 nxZeichenZiffernZuZahl(QStringView text, bool *ueberlauf = nullptr);
std::u32string nxZeichenAusZahl(qint64 zahl);

// One element of a pattern.
struct MusterElement final
{
    enum class Art : unsigned char { Zeichen, Klasse, Stern, Frage };
    Art art = Art::Zeichen;
    char32_t wert = 0; // the character (Zeichen) or the class code (Klasse)

    friend bool operator==(const MusterElement &, const MusterElement &) = default;
};

// "*" and "?" act as wildcards only in nxZeichenPasst; elsewhere they stand for the
// characters "*" and "?".
struct ZeichenMuster final
{
    std::vector<MusterElement> elemente;

    bool leer() const { return elemente.empty(); }
    qsizetype laenge() const { return static_cast<qsizetype>(elemente.size()); }
    // Exactly one class element: the cell scan treats such a pattern as a class.
    bool istKlasse() const { return elemente.size() == 1 && elemente[0].art == MusterElement::Art::Klasse; }
    int klasse() const { return static_cast<int>(elemente[0].wert); }

    friend bool operator==(const ZeichenMuster &, const ZeichenMuster &) = default;
};
using MusterListe = std::vector<ZeichenMuster>;

ZeichenMuster nxMusterWort(std::u32string_view wort);
ZeichenMuster nxMusterKlasse(int klasse);
ZeichenMuster nxMusterMaske(std::u32string_view maske);

// Start of the n-th occurrence of any pattern of the list, 0 when none. Forward: the
// candidates are start, start+1, ... ; backward: length-start+1 down to 1. Overlapping
// occurrences count; two patterns at one position count once. In a pattern, the class
// "number" accepts a digit that begins a number (position 1 or after a non-digit).
int nxZeichenPosition(std::u32string_view text, const MusterListe &muster, bool vorwaerts, qint64 start,
                      qint64 n, bool grossKlein);
int nxZeichenPositionErste(std::u32string_view text, const ZeichenMuster &muster, bool grossKlein);
// Start of the rightmost occurrence.
int nxZeichenPositionLetzte(std::u32string_view text, const ZeichenMuster &muster, bool grossKlein);
int nxZeichenPositionAb(std::u32string_view text, const ZeichenMuster &muster, qint64 start, qint64 n,
                        bool grossKlein);
int nxZeichenPositionListe(std::u32string_view text, const MusterListe &muster, bool grossKlein);

// True when the whole text matches the whole pattern: "*" any run (also empty), "?" one
// character, a class one character (the class "number" a whole digit run), a literal itself.
bool nxZeichenPasst(std::u32string_view text, const ZeichenMuster &muster, bool grossKlein);

// The alphabet counter: advances text by n with the alphabets (each a text of distinct
// characters in counting order). Characters in no alphabet stay where they are. Counting
// up past the front puts characters of the last alphabet used in front (at most 200);
// counting down below the smallest value gives the smallest value of the same form.
//   "0000000001"+1 -> "0000000002", "99"+1 -> "100", "Zz"+1 -> "AAa", "1-9"+1 -> "2-0",
//   "b0"-1 -> "a9", "000"-1 -> "000".
using AlphabetListe = std::vector<std::u32string>;
std::u32string nxZeichenZaehlen(std::u32string_view text, const AlphabetListe &alphabete, qint64 n);
// With "0123456789", "a".."z", "A".."Z" in this order.
std::u32string nxZeichenZaehlenStandard(std::u32string_view text, qint64 n);
const AlphabetListe &nxStandardAlphabete();

} // namespace rinolux
