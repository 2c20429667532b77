#pragma once

// The one text order of the system, the sort engine and the array functions built on it.
//
// How to call:
//   - nxTextVergleich(a, b) < 0 when a comes before b: German, letter case ignored, an
//     umlaut right after its plain vowel, "ß" right after "s", "-" just before "+".
//   - For many comparisons use keys: nxTextSchluessel(text) once per text, then compare the
//     byte arrays (a < b, a == b: plain byte order). The sort engine does this by itself.
//   - Arrays follow the system's one-based habit: a TextFeld has its entries at 1..n and
//     element 0 empty; a Permutation has n + 1 elements, element 0 is 0 and element k is
//     the number (1..n) of the element that comes k-th.
//   - Sorting: describe the keys of elements 1..n in a SortSchluessel, field by field
//     (each later field only orders elements equal in all earlier ones), then sort:
//
//         SortSchluessel s(n);
//         s.textFeld([&](int i) { return pfad(i); });      // German text order
//         s.textFeld([&](int i) { return name(i); });
//         s.bytesFeld([&](int i) { return zeit(i); });     // plain byte order (time texts)
//         std::optional<Permutation> p = nxFeldSortieren(s, &fortschritt);
//         if (!p) ...                                      // cancelled: fortschritt.Abbruch is set
//
//     Each key is computed once when the field is added; the sort compares only the
//     precomputed keys. The sort is stable: elements with equal keys keep their order.
//   - Short form for a TextFeld: nxFeldSortieren(feld) sorts by the text order.

#include "core/util/nx_DateiText.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <variant>
#include <vector>

namespace rinolux {

class Fortschritt;

using Permutation = std::vector<int>;

// Negative, 0 or positive: a before, equal to or after b in the text order.
int nxTextVergleich(const QString &a, const QString &b);
// Key of a text: comparing two keys as plain bytes gives the sign of nxTextVergleich.
QByteArray nxTextSchluessel(const QString &text);
// Sort fields of texts made of simple characters get cheap keys, once the thread has sorted
// some thousand texts (before that the collator's keys cost less than setting them up).
// This sets them up at once; false when they are not available (no collation data).
bool nxTextSchnellVorbereiten();

// Precomputed sort keys of elements 1..n, compared field by field.
class SortSchluessel final
{
public:
    explicit SortSchluessel(int anzahl);

    int anzahl() const { return m_anzahl; }

    void textFeld(const std::function<QString(int)> &text);      // text order
    // Text order over texts held as UTF-8, for callers that have them so: only when the
    // cheap keys are available (see nxTextSchnellVorbereiten) and every text is made of
    // printable ASCII characters, German umlauts and "ß" (in practice; the collator decides
    // which characters qualify) is the field added, with cheap keys, and the result true.
    // Otherwise nothing is added and the caller takes textFeld.
    bool textFeldEinfach(const std::function<QByteArrayView(int)> &utf8);
    void bytesFeld(const std::function<QByteArray(int)> &bytes); // plain byte order
    void zahlFeld(const std::function<qint64(int)> &zahl);       // by value

    // Negative, 0 or positive: element a (1..n) before, equal to or after element b.
    int vergleich(int a, int b) const;

    // The first 8 bytes of element i's first key (a number: its value), for quick
    // comparisons: when the prefixes of a and b differ, they decide. With ab = 8 the next
    // 8 bytes (0 for a number), which decide when the first ones are equal and these differ.
    quint64 praefix(int i, qsizetype ab = 0) const;
    // The length in bytes of element i's first key; 0 for a number.
    qsizetype praefixLaenge(int i) const;

private:
    // All keys of one field in one block, so comparing touches little memory.
    struct BytesFeld
    {
        QByteArray bytes;
        std::vector<qsizetype> anfang; // key i spans anfang[i-1] .. anfang[i]
    };
    using Feld = std::variant<BytesFeld, std::vector<qint64>>;
    int m_anzahl;
    std::vector<Feld> m_felder;
};

// Ascending, stable. Empty permutation when n < 1. With fort, the progress display is
// stepped now and then (which lets pending window events run) and the sort stops when its
// Abbruch flag is set: then the result is nullopt and the flag stays set.
std::optional<Permutation> nxFeldSortieren(const SortSchluessel &schluessel, Fortschritt *fort = nullptr);
std::optional<Permutation> nxFeldSortieren(const TextFeld &feld, Fortschritt *fort = nullptr);

// Position of the first element equal to the text (text order), 0 when none. With sortiert
// the array must be in text order (halving search), otherwise a linear search is made.
int nxFeldSuchen(const TextFeld &feld, bool sortiert, const QString &text);
// The same over elements 1..n, given how the searched key compares with element i
// (negative: the key comes before element i).
int nxFeldSuchen(int anzahl, bool sortiert, const std::function<int(int)> &schluesselGegen);

// Element k becomes the former element perm[k]. A permutation that does not fit the array
// (wrong length, a number twice or out of range) is not used: the array's own sort
// permutation is taken instead, so no element is ever lost or doubled.
void nxFeldUmordnen(TextFeld &feld, const Permutation &perm);
void nxFeldUmordnen(std::vector<qint32> &feld, const Permutation &perm);
// Sorts a TextFeld in place by the text order.
void nxFeldTextSortieren(TextFeld &feld);
// Elements 1..n reversed in place.
void nxFeldUmdrehen(std::vector<int> &feld);

// Removes every element equal (text order) to one of the texts; the rest keeps its order.
void nxFeldEntfernen(TextFeld &feld, const QStringList &texte);
// Removes every element equal to an earlier one; the rest keeps its order.
void nxFeldDoppelteEntfernen(TextFeld &feld);

// Lines (counted from 0) to a TextFeld, each trimmed of blanks and control characters at
// both ends; empty lines dropped unless leereBehalten.
TextFeld nxTextZeilenZuFeld(const QStringList &zeilen, bool leereBehalten);
// The other way: the trimmed entries 1..n as lines counted from 0.
QStringList nxFeldZuTextZeilen(const TextFeld &feld, bool leereBehalten);
// Trims characters up to U+0020 at both ends (a no-break space stays: it may be part of a name).
QString nxTextTrimmen(const QString &text);

} // namespace rinolux
