#pragma once

// What the name rules do with the positions found in the work part: remove, keep, insert,
// replace, reverse, swap, move and copy pieces, and the texts of "was anderes".
// All positions are 1-based; pieces and cells that reach outside the work part are clamped
// to it (an empty remainder is dropped), so a stale position can never index outside it.

#include "core/engine/Stellen.h"
#include "core/util/nx_ZeichenKomplex.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>
#include <type_traits>
#include <string>
#include <vector>

namespace rinolux {

// Pieces and cells of the work part are cells of the cell scan: 1-based start and length.
using StueckListe = Zellen;

// 208: every piece cut out.
std::u32string StueckeEntfernen(std::u32string_view w, const StueckListe &stuecke);

// 207: the pieces joined in order (empty without pieces).
std::u32string StueckeBehalten(std::u32string_view w, const StueckListe &stuecke);

// 211-215: text inserted at every cell. hinVH 0 "vor", 1 "hinter"; richtung 0 "von Links",
// 1 "von Rechts". davorLoeschen removes what lies before the first insert point,
// dahinterLoeschen what lies behind the last. An empty work part becomes the text.
std::u32string TextEinfuegen(std::u32string_view w, const StueckListe &zellen, std::u32string_view text,
                             int hinVH, int richtung, bool davorLoeschen, bool dahinterLoeschen);

// The replacement of one piece, computed from the piece's own text; empty optional when the
// row fails (the caller knows why). It only refers to the callable it is made from, which
// must outlive it: made in the call of StueckeErsetzen, it is called once per piece of every
// row without copying the callable (a std::function would allocate for every row).
class ErsatzFunktion final
{
public:
    template<class F>
        requires(!std::is_same_v<std::remove_cvref_t<F>, ErsatzFunktion>)
    ErsatzFunktion(const F &f) // NOLINT(google-explicit-constructor): made where it is passed
        : m_objekt(&f),
          m_aufruf([](const void *o, std::u32string_view stueck) { return (*static_cast<const F *>(o))(stueck); })
    {
    }
    std::optional<std::u32string> operator()(std::u32string_view stueck) const { return m_aufruf(m_objekt, stueck); }

private:
    const void *m_objekt;
    std::optional<std::u32string> (*m_aufruf)(const void *, std::u32string_view);
};

// 221-225: every piece replaced, from the last to the first. Empty optional when the text
// of a piece fails.
std::optional<std::u32string> StueckeErsetzen(std::u32string_view w, const StueckListe &stuecke,
                                              const ErsatzFunktion &ersatz);

// 231 with the CoReihenfolge index: 0 all characters, 1 the pieces' order, 2 the characters
// inside each piece, 3 first 1 then 2.
std::u32string Umdrehen(std::u32string_view w, const StueckListe &stuecke, int art);

// 234: the texts of two ranges [von, bis] exchanged. Empty or overlapping ranges leave the work part
// unchanged.
std::u32string Tauschen(std::u32string_view w, Bereich bereich1, Bereich bereich2);

// 232 (verschieben) and 233: the joined pieces put at every target cell, found in the work part
// before any change. nachVH 0 "vor", 1 "hinter".
std::u32string VerschiebenKopieren(std::u32string_view w, const StueckListe &stuecke, StueckListe ziele,
                                   int nachVH, int richtung, bool verschieben);

// ---- "was anderes" -----------------------------------------------------------------------

// Source of random numbers; tests hand in their own.
class ZufallsQuelle
{
public:
    virtual ~ZufallsQuelle() = default;
    // A uniformly drawn whole number from von to bis, both included.
    virtual qint64 zahl(qint64 von, qint64 bis) = 0;
};

// The process-wide generator, seeded once per run.
ZufallsQuelle &SystemZufall();

// What a row offers to the texts of "was anderes".
struct EintragTexte
{
    QString pfad;          // the entry's present directory, with its trailing separator
    QString nameMitFormat; // the present name with format
    QString groesse;       // the size text of the selection entry
    QString herstellung;   // creation time text
    QString aenderung;     // last-write time text
};

// The text T of a letter with its value. stueck is the piece being replaced (221) and is empty
// for inserts; richtung is the rule's counting direction (for "v" and "h"). Empty optional
// when the value's number does not fit into 64 bits.
std::optional<std::u32string> WasAnderesText(QChar buchstabe, std::u32string_view wert,
                                             std::u32string_view stueck, const EintragTexte &eintrag,
                                             int richtung, ZufallsQuelle &zufall);

// The X-th directory of a path, counted from the front or from the back; empty when X lies
// outside the path.
std::u32string VerzeichnisTeil(const QString &pfad, qint64 x, bool vonVorne);

} // namespace rinolux
