#pragma once

// Where in a name a name rule works: the working triple, the cells a position picks, the
// range from "von" to "bis", the Teilstück pieces inside it, the insert positions, and the
// cleaning of the result. Everything works on code points; positions are 1-based.
//
//   ArbeitsTeile t = ArbeitsTeileAusName(name, regel.namensTeil);
//   const bool links = regel.richtung == 0;
//   Bereich b = BereichFinden(t.arbeit, regel.von, regel.bis, links);
//   Zellen stuecke = TeilstueckeFinden(t.arbeit, b, regel.teilstueck, links,
//                                      TeilstueckeVerbinden(regel.code, regel.verbinden));
//   ... change t.arbeit ...
//   std::u32string neu = ErgebnisBereinigen(t.vorne + t.arbeit + t.hinten);
//
// StellenFuerTeilRegel does the first steps for one sub-rule in one call.

#include "core/engine/RegelCode.h"
#include "core/util/nx_ZeichenKomplex.h"

#include <optional>
#include <string>
#include <string_view>

namespace rinolux {

// prefix + work part + suffix; only the work part is changed.
struct ArbeitsTeile
{
    std::u32string vorne;
    std::u32string arbeit;
    std::u32string hinten;

    std::u32string zusammen() const { return vorne + arbeit + hinten; }
    friend bool operator==(const ArbeitsTeile &, const ArbeitsTeile &) = default;
};

// namensTeil: 0 the whole name, 1 the name without format, 2 the format. Name and format
// are separated by the last "."; other values work on the whole name.
ArbeitsTeile ArbeitsTeileAusName(std::u32string_view name, int namensTeil);

// Trailing "." first, then trailing blanks: "a. ." -> "a.", "abc." -> "abc".
std::u32string ErgebnisBereinigen(std::u32string_view text);
// How much of text ErgebnisBereinigen keeps (always its start).
std::size_t ErgebnisBereinigtLaenge(std::u32string_view text);

// The patterns and polarity of a group (0..18) with the user word of groups 1 and 10
// (alternatives separated by "|", empty ones dropped). Other groups match nothing.
struct GruppenMuster
{
    MusterListe muster;
    bool positiv = true;
};
GruppenMuster GruppenMusterListe(int gruppe, std::u32string_view wort);

// Reference cell of kind 2 ("dem nächsten", "das vorige"): its first and last position.
struct Bezug
{
    int start = 0;
    int ende = 0;
};

// A position with its scan resolved once (patterns, polarity, case, counting), so a run over
// many names does not build it again for every name.
struct StelleVorbereitet
{
    Stellenangabe stelle;
    ZellenSuche suche; // vonLinks is the rule's counting direction
};
StelleVorbereitet StelleVorbereiten(const Stellenangabe &stelle, bool vonLinks);

// The cells a position selects in text, left to right (kinds 4 and 5 give the one piece
// before or after the found cell). vonLinks is the rule's counting direction; kind 2 needs
// a reference and selects nothing without one.
Zellen StelleAufloesen(std::u32string_view text, const StelleVorbereitet &stelle,
                       std::optional<Bezug> bezug = std::nullopt);
Zellen StelleAufloesen(std::u32string_view text, const Stellenangabe &stelle, bool vonLinks,
                       std::optional<Bezug> bezug = std::nullopt);

// The range from "von" to "bis"; von = bis = 0 when it is empty. The cells found for the
// two positions are kept for callers that need them as a reference.
struct Bereich
{
    int von = 0;
    int bis = 0;
    std::optional<Zelle> vonZelle;
    std::optional<Zelle> bisZelle;

    bool leer() const { return von == 0; }
    int laenge() const { return leer() ? 0 : bis - von + 1; }
};
Bereich BereichFinden(std::u32string_view arbeit, const Stellenangabe &von, const Stellenangabe &bis,
                      bool vonLinks);
Bereich BereichFinden(std::u32string_view arbeit, const StelleVorbereitet &von, const StelleVorbereitet &bis);

// Whether adjacent Teilstück pieces are joined: for 219 and 221–225 when the join flag is
// set, always for 231–233.
bool TeilstueckeVerbinden(AktionsCode code, bool verbindenFeld);

// The Teilstück pieces inside the range, as positions of the work part, left to right.
Zellen TeilstueckeFinden(std::u32string_view arbeit, const Bereich &bereich, const Stellenangabe &teilstueck,
                         bool vonLinks, bool verbinden);
Zellen TeilstueckeFinden(std::u32string_view arbeit, const Bereich &bereich, const StelleVorbereitet &teilstueck,
                         bool verbinden);

// Joins pieces that touch (used by TeilstueckeFinden).
void ZellenVerbinden(Zellen &stuecke);

// The insert positions of 211–215 in the whole work part.
Zellen EinfuegeStellen(std::u32string_view arbeit, const Stellenangabe &stelle, bool vonLinks);

// Everything positional of one name sub-rule, found in the name before any change.
struct TeilRegelStellen
{
    ArbeitsTeile teile;
    Bereich bereich;  // codes with von and bis
    Zellen stuecke;   // codes with a Teilstück
    Zellen einfuegen; // 211–215
};
TeilRegelStellen StellenFuerTeilRegel(std::u32string_view name, const TeilRegel &regel);

// The positions of one name sub-rule, prepared once for a run over many names.
struct TeilRegelPlan
{
    AktionsCode code = 0;
    int namensTeil = 0;
    bool verbinden = false;
    StelleVorbereitet von, bis, teilstueck, hin;
};
TeilRegelPlan TeilRegelPlanen(const TeilRegel &regel);
TeilRegelStellen StellenFuerTeilRegel(std::u32string_view name, const TeilRegelPlan &plan);

} // namespace rinolux
