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
Zellen naechsteZelle(std::u32string_view text, const Stellenangabe &stelle, bool vonLinks, const Bezug &bezug)
{
    ZellenSuche s = sucheFuer(stelle, vonLinks);
    s.wahl = ZellenWahl::Alle;
    const Zellen alle = nxZellenPositionen(text, s);
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
Zellen vorOderHinter(std::u32string_view text, const Stellenangabe &stelle, bool vonLinks)
{
    ZellenSuche s = sucheFuer(stelle, vonLinks);
    s.wahl = ZellenWahl::Nte;
    s.n = betrag(stelle.anzahl);
    s.vorwaertsZaehlen = true;
    const Zellen gefunden = nxZellenPositionen(text, s);
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

std::u32string ErgebnisBereinigen(std::u32string_view text)
{
    std::size_t ende = text.size();
    while (ende > 0 && text[ende - 1] == U'.')
        --ende;
    while (ende > 0 && text[ende - 1] == U' ')
        --ende;
    return std::u32string(text.substr(0, ende));
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

Zellen StelleAufloesen(std::u32string_view text, const Stellenangabe &stelle, bool vonLinks,
                       std::optional<Bezug> bezug)
{
    ZellenSuche s = sucheFuer(stelle, vonLinks);
    s.n = betrag(stelle.anzahl);
    s.vorwaertsZaehlen = stelle.anzahl >= 0;
    switch (stelle.art) {
    case 1:
        s.wahl = ZellenWahl::Nte;
        break;
    case 2:
        return bezug ? naechsteZelle(text, stelle, vonLinks, *bezug) : Zellen{};
    case 3:
        s.wahl = ZellenWahl::ErsteN;
        break;
    case 4:
    case 5:
        return vorOderHinter(text, stelle, vonLinks);
    case 6:
        s.wahl = ZellenWahl::Alle;
        break;
    case 7:
        s.wahl = ZellenWahl::NteJeFolge;
        break;
    default:
        return {};
    }
    return nxZellenPositionen(text, s);
}

Bereich BereichFinden(std::u32string_view arbeit, const Stellenangabe &von, const Stellenangabe &bis,
                      bool vonLinks)
{
    Bereich b;
    const Zellen v = StelleAufloesen(arbeit, von, vonLinks);
    if (v.empty())
        return b;
    b.vonZelle = v.front();
    const Zelle &V = *b.vonZelle;
    const Zellen bz = StelleAufloesen(arbeit, bis, vonLinks, Bezug{V.start, V.start + V.laenge - 1});
    if (bz.empty())
        return b;
    b.bisZelle = bz.front();
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
    if (bereich.leer())
        return {};
    const std::u32string_view innen =
        arbeit.substr(std::size_t(bereich.von - 1), std::size_t(bereich.laenge()));
    Zellen stuecke = StelleAufloesen(innen, teilstueck, vonLinks);
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

TeilRegelStellen StellenFuerTeilRegel(std::u32string_view name, const TeilRegel &regel)
{
    TeilRegelStellen s;
    const int teil = regel.code == 209 ? regel.freiNamensTeil : HatBereich(regel.code) ? regel.namensTeil : 0;
    s.teile = ArbeitsTeileAusName(name, teil);
    const bool links = regel.richtung == 0;
    if (HatVonBis(regel.code))
        s.bereich = BereichFinden(s.teile.arbeit, regel.von, regel.bis, links);
    if (HatTeilstueck(regel.code))
        s.stuecke = TeilstueckeFinden(s.teile.arbeit, s.bereich, regel.teilstueck, links,
                                      TeilstueckeVerbinden(regel.code, regel.verbinden));
    if (HatEinfuegeStelle(regel.code))
        s.einfuegen = EinfuegeStellen(s.teile.arbeit, regel.hinStelle, links);
    return s;
}

} // namespace rinolux
