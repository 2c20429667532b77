#pragma once

// The preview rows of a creation rule: one row per object to be made, with its source
// (cells 1 and 2), its target directory and new name (cells 7 and 8) and the check result
// (cell 11). The rows the page built from the selection are thrown away.
//
//   HerstellVorschauErgebnis e = HerstellVorschau(vliste, aliste, teilRegel, suchErgebnis, fort);
//   e.zuViele: the count asked for is refused (no rows were made).
//
// Row roles for the carry-out: a row without warn flag makes cell 7 + cell 8. For the join
// codes 249 and 250 a row with a new name starts a joined file and the following rows with
// an empty new name are its pieces; a piece row carries "(wird hinzugefügt)" and no warn flag.

#include "core/engine/RegelCode.h"
#include "core/shell/ListenDaten.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace rinolux {

class Fortschritt;

// More rows than this are never made from a typed count: nobody wants a million empty files,
// and every row costs memory before anything is checked.
inline constexpr qint64 HerstellHoechstAnzahl = 100000;
// Summary of a refused count.
QString HerstellZuVieleText();

inline const QString HerstellSchonVorhandenText = QStringLiteral("neuer Name schon vorhanden");
inline const QString HerstellVerzeichnisUngueltigText = QStringLiteral("neues Verzeichnis ungültig");
inline const QString HerstellVorlageFehltText = QStringLiteral("Vorlage-Datei nicht gefunden");
inline const QString HerstellHinzuText = QStringLiteral("(wird hinzugefügt)");
inline const QString HerstellIgnoriertText = QStringLiteral("(wird ignoriert)");
inline const QString HerstellUngueltigeDateiText = QStringLiteral("ungültige Datei");

// How many rows a code makes from its count field: the number formed by the digits of the
// text; empty when it does not fit into 64 bits.
std::optional<qint64> HerstellAnzahlLesen(const QString &text);

// Whether a stored target path ("P") is usable: absolute, its root a directory, and from the
// root on no character that no name may hold and none of "//", "/./", "/../".
bool HerstellPfadGueltig(const QString &pfad);

// The endings of 249: the text cut at every ":" and "|", empty pieces dropped.
QStringList HerstellEndungen(const QString &text);
// The first ending e with name matching "*" + e (letter case ignored, "*" and "?" as
// wildcards); -1 when none matches.
int HerstellEndungFinden(const QString &name, const QStringList &endungen);

struct HerstellVorschauErgebnis
{
    bool zuViele = false;
    bool abgebrochen = false;
};

// Makes and checks the rows of one creation sub-rule. suchErgebnis: the selection holds a
// search result (running numbers of 273 and 274 may start anew per directory).
HerstellVorschauErgebnis HerstellVorschau(ListenDaten &vliste, const ListenDaten &aliste,
                                          const TeilRegel &teil, bool suchErgebnis, Fortschritt &fort);

} // namespace rinolux
