#include "core/engine/Stellen.h"

#include "core/util/nx_U32Text.h"

#include <limits>

namespace rinolux {

namespace {

int textLaenge(std::u32string_view text)
{
    return int(std::min<std::size_t>(text.size(), std::numeric_limits<int>::max()));
}

qint64 betrag(qint64 n)
{
    if (n == std::numeric_limits<qint64>::min())
        return std::numeric_limits<qint64>::max();
    return n < 0 ? -n : n;
}

ZellenSuche sucheFuer(const Stellenangabe &stelle, bool vonLinks)
{
    const GruppenMuster g = GruppenMusterListe(stelle.gruppe, nxU32AusText(stelle.wort));
    ZellenSuche s;
    s.muster = g.muster;
    s.positiv = g.positiv;
    s.grossKlein = stelle.grossKleinBeachten();
    s.vonLinks = vonLinks;
    return s;
}

Zelle stueck(int start, int laenge)
{
    return Zelle{start, laenge, true};
}

// Kind 2: the n-th matching cell beyond the reference, seen in the counting direction.
Zellen naechsteZelle(std::u32string_view text, const StelleVorbereitet &v, const Bezug &bezug)
{
    const Stellenangabe &stelle = v.stelle;
    const bool vonLinks = v.suche.vonLinks;
    const Zellen alle = nxZellenPositionen(text, v.suche);
    const qint64 n = betrag(stelle.anzahl);
    if (n == 0)
        return {};
    const bool gleichsinnig = (vonLinks && stelle.anzahl > 0) || (!vonLinks && stelle.anzahl < 0);
    qint64 k = 0;
    if (gleichsinnig) {
        for (const Zelle &z : alle)
            if (z.start > bezug.ende && ++k == n)
                return {z};
    } else {
        for (auto it = alle.rbegin(); it != alle.rend(); ++it)
            if (it->start + it->laenge - 1 < bezug.start && ++k == n)
                return {*it};
    }
    return {};
}

// Kinds 4 and 5: the piece before or after the n-th matching cell from where the scan starts.
Zellen vorOderHinter(std::u32string_view text, const StelleVorbereitet &v)
{
    const Stellenangabe &stelle = v.stelle;
    const bool vonLinks = v.suche.vonLinks;
    const Zellen gefunden = nxZellenPositionen(text, v.suche);
    if (gefunden.empty())
        return {};
    const Zelle &z = gefunden.front();
    // Seen from the right, "hinter" lies to the left.
    const bool davor = (stelle.art == 4) == vonLinks;
    if (davor)
        return z.start <= 1 ? Zellen{} : Zellen{stueck(1, z.start - 1)};
    const int danach = z.start + z.laenge;
    const int laenge = textLaenge(text);
    return danach > laenge ? Zellen{} : Zellen{stueck(danach, laenge - danach + 1)};
}

// The first cell StelleAufloesen gives, without its list where the scan can stop at it.
std::optional<Zelle> ersteZelle(std::u32string_view text, const StelleVorbereitet &v, std::optional<Bezug> bezug)
{
    if (v.stelle.art == 1)
        return nxErsteZellePosition(text, v.suche);
    const Zellen z = StelleAufloesen(text, v, bezug);
    return z.empty() ? std::nullopt : std::optional<Zelle>(z.front());
}

} // namespace

ArbeitsTeile ArbeitsTeileAusName(std::u32string_view name, int namensTeil)
{
    const std::size_t punkt = name.rfind(U'.');
    const std::u32string_view vorPunkt = punkt == std::u32string_view::npos ? name : name.substr(0, punkt);
    const std::u32string_view format =
        punkt == std::u32string_view::npos ? std::u32string_view() : name.substr(punkt + 1);
    switch (namensTeil) {
    case 1:
        return ArbeitsTeile{{}, std::u32string(vorPunkt), U"." + std::u32string(format)};
    case 2:
        return ArbeitsTeile{std::u32string(vorPunkt) + U".", std::u32string(format), {}};
    default:
        return ArbeitsTeile{{}, std::u32string(name), {}};
    }
}

std::size_t ErgebnisBereinigtLaenge(std::u32string_view text)
{
    std::size_t ende = text.size();
    while (ende > 0 && text[ende - 1] == U'.')
        --ende;
    while (ende > 0 && text[ende - 1] == U' ')
        --ende;
    return ende;
}

std::u32string ErgebnisBereinigen(std::u32string_view text)
{
    return std::u32string(text.substr(0, ErgebnisBereinigtLaenge(text)));
}

GruppenMuster GruppenMusterListe(int gruppe, std::u32string_view wort)
{
    GruppenMuster g;
    g.positiv = gruppe <= 9;
    const int basis = gruppe >= 10 ? gruppe - 9 : gruppe;
    switch (basis) {
    case 0:
        if (gruppe == 0)
            g.muster = {nxMusterKlasse(KlasseBeliebig)};
        break;
    case 1: {
        std::size_t anfang = 0;
        while (anfang <= wort.size()) {
            std::size_t ende = wort.find(U'|', anfang);
            if (ende == std::u32string_view::npos)
                ende = wort.size();
            if (ende > anfang)
                g.muster.push_back(nxMusterWort(wort.substr(anfang, ende - anfang)));
            anfang = ende + 1;
        }
        break;
    }
    case 2:
        g.muster = {nxMusterKlasse(KlasseBuchstabe)};
        break;
    case 3:
        g.muster = {nxMusterKlasse(KlasseGross)};
        break;
    case 4:
        g.muster = {nxMusterKlasse(KlasseKlein)};
        break;
    case 5:
        g.muster = {nxMusterKlasse(KlasseLeer)};
        break;
    case 6:
        g.muster = {nxMusterKlasse(KlasseBuchstabe), nxMusterKlasse(KlasseLeer)};
        break;
    case 7:
        g.muster = {nxMusterKlasse(KlasseSonder)};
        break;
    case 8:
        g.muster = {nxMusterKlasse(KlasseZiffer)};
        break;
    case 9:
        g.muster = {nxMusterKlasse(KlasseZahl)};
        break;
    default:
        break;
    }
    if (gruppe < 0 || gruppe > 18) {
        // Not a group of the combos: nothing matches.
        g.muster.clear();
        g.positiv = true;
    }
    return g;
}

StelleVorbereitet StelleVorbereiten(const Stellenangabe &stelle, bool vonLinks)
{
    StelleVorbereitet v;
    v.stelle = stelle;
    v.suche = sucheFuer(stelle, vonLinks);
    v.suche.n = betrag(stelle.anzahl);
    v.suche.vorwaertsZaehlen = stelle.anzahl >= 0;
    switch (stelle.art) {
    case 1:
        v.suche.wahl = ZellenWahl::Nte;
        break;
    case 3:
        v.suche.wahl = ZellenWahl::ErsteN;
        break;
    case 4:
    case 5:
        // The piece before or after the n-th cell from where the scan starts.
        v.suche.wahl = ZellenWahl::Nte;
        v.suche.vorwaertsZaehlen = true;
        break;
    case 7:
        v.suche.wahl = ZellenWahl::NteJeFolge;
        break;
    default:
        // Kind 2 looks at every cell beyond its reference; kind 6 takes them all.
        v.suche.wahl = ZellenWahl::Alle;
        break;
    }
    return v;
}

Zellen StelleAufloesen(std::u32string_view text, const StelleVorbereitet &v, std::optional<Bezug> bezug)
{
    switch (v.stelle.art) {
    case 1:
    case 3:
    case 6:
    case 7:
        return nxZellenPositionen(text, v.suche);
    case 2:
        return bezug ? naechsteZelle(text, v, *bezug) : Zellen{};
    case 4:
    case 5:
        return vorOderHinter(text, v);
    default:
        return {};
    }
}

Zellen StelleAufloesen(std::u32string_view text, const Stellenangabe &stelle, bool vonLinks,
                       std::optional<Bezug> bezug)
{
    return StelleAufloesen(text, StelleVorbereiten(stelle, vonLinks), bezug);
}

Bereich BereichFinden(std::u32string_view arbeit, const Stellenangabe &von, const Stellenangabe &bis,
                      bool vonLinks)
{
    return BereichFinden(arbeit, StelleVorbereiten(von, vonLinks), StelleVorbereiten(bis, vonLinks));
}

Bereich BereichFinden(std::u32string_view arbeit, const StelleVorbereitet &vonStelle, const StelleVorbereitet &bisStelle)
{
    const Stellenangabe &von = vonStelle.stelle;
    const Stellenangabe &bis = bisStelle.stelle;
    const bool vonLinks = vonStelle.suche.vonLinks;
    Bereich b;
    b.vonZelle = ersteZelle(arbeit, vonStelle, std::nullopt);
    if (!b.vonZelle)
        return b;
    const Zelle &V = *b.vonZelle;
    b.bisZelle = ersteZelle(arbeit, bisStelle, Bezug{V.start, V.start + V.laenge - 1});
    if (!b.bisZelle)
        return b;
    const Zelle &B = *b.bisZelle;

    // "vor" and "hinter" are seen in the counting direction.
    qint64 anfang = 0;
    qint64 ende = 0;
    if (vonLinks) {
        anfang = von.anker == Anker::Hinter ? qint64(V.start) + V.laenge
                 : von.anker == Anker::Vor  ? qint64(V.start) - 1
                                            : V.start;
        ende = bis.anker == Anker::Vor      ? qint64(B.start) - 1
               : bis.anker == Anker::Hinter ? qint64(B.start) + B.laenge
                                            : qint64(B.start) + B.laenge - 1;
    } else {
        anfang = bis.anker == Anker::Vor      ? qint64(B.start) + B.laenge
                 : bis.anker == Anker::Hinter ? qint64(B.start) - 1
                                              : B.start;
        ende = von.anker == Anker::Hinter ? qint64(V.start) - 1
               : von.anker == Anker::Vor  ? qint64(V.start) + V.laenge
                                          : qint64(V.start) + V.laenge - 1;
    }
    const qint64 laenge = textLaenge(arbeit);
    if (anfang < 1 || ende < 1 || anfang > laenge || ende > laenge || ende < anfang)
        return b;
    b.von = int(anfang);
    b.bis = int(ende);
    return b;
}

bool TeilstueckeVerbinden(AktionsCode code, bool verbindenFeld)
{
    if (code >= 231 && code <= 233)
        return true;
    return verbindenFeld && (code == 219 || (code >= 221 && code <= 225));
}

void ZellenVerbinden(Zellen &stuecke)
{
    for (std::size_t i = stuecke.size(); i-- > 1;) {
        Zelle &vorher = stuecke[i - 1];
        if (vorher.start + vorher.laenge == stuecke[i].start) {
            vorher.laenge += stuecke[i].laenge;
            stuecke.erase(stuecke.begin() + std::ptrdiff_t(i));
        }
    }
}

Zellen TeilstueckeFinden(std::u32string_view arbeit, const Bereich &bereich, const Stellenangabe &teilstueck,
                         bool vonLinks, bool verbinden)
{
    return TeilstueckeFinden(arbeit, bereich, StelleVorbereiten(teilstueck, vonLinks), verbinden);
}

Zellen TeilstueckeFinden(std::u32string_view arbeit, const Bereich &bereich, const StelleVorbereitet &teilstueck,
                         bool verbinden)
{
    if (bereich.leer())
        return {};
    const std::u32string_view innen =
        arbeit.substr(std::size_t(bereich.von - 1), std::size_t(bereich.laenge()));
    Zellen stuecke = StelleAufloesen(innen, teilstueck);
    for (Zelle &z : stuecke)
        z.start += bereich.von - 1;
    if (verbinden)
        ZellenVerbinden(stuecke);
    return stuecke;
}

Zellen EinfuegeStellen(std::u32string_view arbeit, const Stellenangabe &stelle, bool vonLinks)
{
    return StelleAufloesen(arbeit, stelle, vonLinks);
}

TeilRegelPlan TeilRegelPlanen(const TeilRegel &regel)
{
    TeilRegelPlan p;
    p.code = regel.code;
    p.namensTeil = regel.code == 209 ? regel.freiNamensTeil : HatBereich(regel.code) ? regel.namensTeil : 0;
    p.verbinden = TeilstueckeVerbinden(regel.code, regel.verbinden);
    const bool links = regel.richtung == 0;
    p.von = StelleVorbereiten(regel.von, links);
    p.bis = StelleVorbereiten(regel.bis, links);
    p.teilstueck = StelleVorbereiten(regel.teilstueck, links);
    p.hin = StelleVorbereiten(regel.hinStelle, links);
    return p;
}

TeilRegelStellen StellenFuerTeilRegel(std::u32string_view name, const TeilRegelPlan &plan)
{
    TeilRegelStellen s;
    s.teile = ArbeitsTeileAusName(name, plan.namensTeil);
    if (HatVonBis(plan.code))
        s.bereich = BereichFinden(s.teile.arbeit, plan.von, plan.bis);
    if (HatTeilstueck(plan.code))
        s.stuecke = TeilstueckeFinden(s.teile.arbeit, s.bereich, plan.teilstueck, plan.verbinden);
    if (HatEinfuegeStelle(plan.code))
        s.einfuegen = StelleAufloesen(s.teile.arbeit, plan.hin);
    return s;
}

TeilRegelStellen StellenFuerTeilRegel(std::u32string_view name, const TeilRegel &regel)
{
    return StellenFuerTeilRegel(name, TeilRegelPlanen(regel));
}

} // namespace rinolux
