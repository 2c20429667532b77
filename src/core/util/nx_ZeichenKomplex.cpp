#include "core/util/nx_ZeichenKomplex.h"

#include <QChar>

#include <algorithm>
#include <cstdlib>

namespace rinolux {

ZellenSuche nxZellenSuche(ZeichenMuster muster, bool grossKlein)
{
    ZellenSuche s;
    s.muster.push_back(std::move(muster));
    s.grossKlein = grossKlein;
    return s;
}

ZellenSuche nxZellenSuche(MusterListe muster, bool grossKlein)
{
    ZellenSuche s;
    s.muster = std::move(muster);
    s.grossKlein = grossKlein;
    return s;
}

namespace {

bool wortZeichenPasst(const MusterElement &e, char32_t c, bool grossKlein)
{
    if (e.art == MusterElement::Art::Klasse)
        return nxZeichenKlasse(c, static_cast<int>(e.wert));
    if (e.wert == c || grossKlein)
        return e.wert == c;
    if (e.wert < 0x80 && c < 0x80) {
        auto klein = [](char32_t x) { return x >= U'A' && x <= U'Z' ? x + 32 : x; };
        return klein(e.wert) == klein(c);
    }
    return QChar::toLower(e.wert) == QChar::toLower(c);
}

// Does word w cover the m characters starting at index anfang (0-based)?
bool wortPasst(std::u32string_view text, qint64 anfang, const ZeichenMuster &w, bool grossKlein)
{
    const qint64 m = w.laenge();
    if (anfang < 0 || anfang + m > qint64(text.size()))
        return false;
    for (qint64 j = 0; j < m; ++j) {
        if (!wortZeichenPasst(w.elemente[size_t(j)], text[size_t(anfang + j)], grossKlein))
            return false;
    }
    return true;
}

void auswaehlen(Zellen &zellen, const ZellenSuche &suche)
{
    const qint64 n = suche.n < 0 ? -suche.n : suche.n;
    const qint64 anzahl = qint64(zellen.size());
    qint64 k = 0;
    for (qint64 j = 0; j < anzahl; ++j) {
        Zelle &z = zellen[size_t(suche.vorwaertsZaehlen ? j : anzahl - 1 - j)];
        if (!z.markiert) {
            if (suche.wahl == ZellenWahl::NteJeFolge)
                k = 0;
            continue;
        }
        ++k;
        switch (suche.wahl) {
        case ZellenWahl::Nte:
        case ZellenWahl::NteJeFolge:
            z.markiert = k == n;
            break;
        case ZellenWahl::AusserNter:
            z.markiert = k != n;
            break;
        case ZellenWahl::ErsteN:
            z.markiert = k <= n;
            break;
        default:
            break;
        }
    }
}

std::u32string zellText(std::u32string_view text, const Zelle &z)
{
    return std::u32string(text.substr(size_t(z.start - 1), size_t(z.laenge)));
}

} // namespace

namespace {

// The length of the cell at p and whether it matches one of the patterns; p is a 0-based
// index, from the right the last character of the cell.
struct ZellTreffer
{
    qint64 laenge = 1;
    bool getroffen = false;
};

ZellTreffer zelleBei(std::u32string_view text, qint64 p, const ZellenSuche &suche, bool links)
{
    ZellTreffer t;
    const qint64 len = qint64(text.size());
    const char32_t c = text[size_t(p)];
    for (const ZeichenMuster &m : suche.muster) {
        if (m.istKlasse()) {
            const int k = m.klasse();
            bool treffer = false;
            if (k == KlasseZahl || k == KlasseZahl + KlasseNicht) {
                if (nxZeichenIstZiffer(c)) {
                    treffer = true;
                    qint64 q = p;
                    while (q >= 0 && q < len && nxZeichenIstZiffer(text[size_t(q)]))
                        q += links ? 1 : -1;
                    t.laenge = std::max(t.laenge, links ? q - p : p - q);
                }
            } else {
                treffer = nxZeichenKlasse(c, k >= 21 ? k - KlasseNicht : k);
            }
            if (k >= 21 && k <= 28)
                treffer = !treffer;
            t.getroffen = t.getroffen || treffer;
        } else {
            const qint64 m_len = m.laenge();
            if (m_len == 0) {
                t.getroffen = true;
                continue;
            }
            const qint64 anfang = links ? p : p - m_len + 1;
            if (wortPasst(text, anfang, m, suche.grossKlein)) {
                t.getroffen = true;
                t.laenge = std::max(t.laenge, m_len);
            }
        }
    }
    return t;
}

bool einzelnesZeichen(const ZeichenMuster &m)
{
    return m.istKlasse() ? m.klasse() != KlasseZahl && m.klasse() != KlasseZahl + KlasseNicht : m.laenge() == 1;
}

// Calls weiter(zelle) for every cell in scan order until it returns false.
template<typename F>
void zellenAbtasten(std::u32string_view text, const ZellenSuche &suche, bool links, F &&weiter)
{
    const qint64 len = qint64(text.size());
    if (!suche.muster.empty() && std::all_of(suche.muster.cbegin(), suche.muster.cend(), einzelnesZeichen)) {
        // Every pattern covers exactly one character (the usual blank, letter or "_"): each
        // cell is one character, tested directly.
        for (qint64 i = 0; i < len; ++i) {
            const qint64 p = links ? i : len - 1 - i;
            const char32_t c = text[size_t(p)];
            bool getroffen = false;
            for (const ZeichenMuster &m : suche.muster) {
                if (m.istKlasse()) {
                    const int k = m.klasse();
                    getroffen = nxZeichenKlasse(c, k >= 21 ? k - KlasseNicht : k) != (k >= 21 && k <= 28);
                } else {
                    getroffen = wortZeichenPasst(m.elemente[0], c, suche.grossKlein);
                }
                if (getroffen)
                    break;
            }
            if (!weiter(Zelle{int(p + 1), 1, getroffen == suche.positiv}))
                return;
        }
        return;
    }
    for (qint64 p = links ? 0 : len - 1; p >= 0 && p < len;) {
        const ZellTreffer t = zelleBei(text, p, suche, links);
        const qint64 start = links ? p : p - t.laenge + 1;
        if (!weiter(Zelle{int(start + 1), int(t.laenge), t.getroffen == suche.positiv}))
            return;
        p += links ? t.laenge : -t.laenge;
    }
}

// Every cell is one character whichever end the scan starts from: no digit runs, no word
// longer than one character.
bool nurEinzelneZeichen(const MusterListe &muster)
{
    return std::all_of(muster.cbegin(), muster.cend(), [](const ZeichenMuster &m) {
        if (m.istKlasse())
            return m.klasse() != KlasseZahl && m.klasse() != KlasseZahl + KlasseNicht;
        return m.laenge() <= 1;
    });
}

// The n-th flagged cell, scanned for from the end the count starts at; for ZellenWahl::Nte
// where cells are the same from either end (or the count runs forwards).
std::optional<Zelle> nteZelle(std::u32string_view text, const ZellenSuche &suche)
{
    const qint64 n = suche.n < 0 ? -suche.n : suche.n;
    if (n == 0)
        return std::nullopt;
    const bool links = suche.vorwaertsZaehlen ? suche.vonLinks : !suche.vonLinks;
    std::optional<Zelle> gefunden;
    qint64 k = 0;
    zellenAbtasten(text, suche, links, [&](const Zelle &z) {
        if (!z.markiert || ++k < n)
            return true;
        gefunden = z;
        return false;
    });
    return gefunden;
}

} // namespace

Zellen nxZellenErmitteln(std::u32string_view text, const ZellenSuche &suche, int *markiert)
{
    Zellen zellen;
    if (!text.empty())
        zellen.reserve(text.size());
    const bool links = suche.vonLinks;
    zellenAbtasten(text, suche, links, [&](const Zelle &z) {
        zellen.push_back(z);
        return true;
    });
    auswaehlen(zellen, suche);
    if (!links)
        std::reverse(zellen.begin(), zellen.end());
    if (markiert)
        *markiert = int(std::count_if(zellen.begin(), zellen.end(), [](const Zelle &z) { return z.markiert; }));
    return zellen;
}

Zellen nxZellenPositionen(std::u32string_view text, const ZellenSuche &suche)
{
    const bool nte = suche.wahl == ZellenWahl::Nte;
    const bool bisNter = nte || suche.wahl == ZellenWahl::ErsteN;
    const bool alle = !bisNter && suche.wahl != ZellenWahl::AusserNter && suche.wahl != ZellenWahl::NteJeFolge;
    // Counted from the last cell, the n-th is the n-th from the other end when every cell is
    // one character, since the cells are then the same whichever end the scan starts from.
    const bool abtasten = alle || (bisNter && (suche.vorwaertsZaehlen || nurEinzelneZeichen(suche.muster)));
    if (!abtasten) {
        Zellen zellen = nxZellenErmitteln(text, suche);
        std::erase_if(zellen, [](const Zelle &z) { return !z.markiert; });
        return zellen;
    }

    if (nte) {
        const std::optional<Zelle> z = nteZelle(text, suche);
        return z ? Zellen{*z} : Zellen{};
    }
    // Only the flagged cells are kept, and the scan stops at the n-th.
    const qint64 n = suche.n < 0 ? -suche.n : suche.n;
    if (bisNter && n == 0)
        return {};
    const bool links = alle || suche.vorwaertsZaehlen ? suche.vonLinks : !suche.vonLinks;
    Zellen gefunden;
    // At most one cell per character: one allocation instead of one per doubling.
    gefunden.reserve(alle ? text.size() : size_t(std::min<qint64>(n, qint64(text.size()))));
    qint64 k = 0;
    zellenAbtasten(text, suche, links, [&](const Zelle &z) {
        if (!z.markiert)
            return true;
        ++k;
        gefunden.push_back(z);
        return alle || k < n;
    });
    if (!links)
        std::reverse(gefunden.begin(), gefunden.end());
    return gefunden;
}

std::optional<Zelle> nxErsteZellePosition(std::u32string_view text, const ZellenSuche &suche)
{
    if (suche.wahl == ZellenWahl::Nte && (suche.vorwaertsZaehlen || nurEinzelneZeichen(suche.muster)))
        return nteZelle(text, suche); // no list where the scan can stop at the cell
    const Zellen zellen = nxZellenPositionen(text, suche);
    return zellen.empty() ? std::nullopt : std::optional<Zelle>(zellen.front());
}

std::u32string nxZellenBehalten(std::u32string_view text, const ZellenSuche &suche)
{
    std::u32string r;
    for (const Zelle &z : nxZellenErmitteln(text, suche)) {
        if (z.markiert)
            r += text.substr(size_t(z.start - 1), size_t(z.laenge));
    }
    return r;
}

std::u32string nxZellenEntfernen(std::u32string_view text, const ZellenSuche &suche)
{
    std::u32string r;
    for (const Zelle &z : nxZellenErmitteln(text, suche)) {
        if (!z.markiert)
            r += text.substr(size_t(z.start - 1), size_t(z.laenge));
    }
    return r;
}

std::u32string nxZellenAbschneiden(std::u32string_view text, const MusterListe &muster, Seite seite, bool positiv,
                                   bool grossKlein)
{
    ZellenSuche s = nxZellenSuche(muster, grossKlein);
    s.positiv = positiv;
    s.vonLinks = seite == Seite::Links;
    const Zellen zellen = nxZellenErmitteln(text, s);
    if (seite == Seite::Links) {
        size_t i = 0;
        while (i < zellen.size() && zellen[i].markiert)
            ++i;
        if (i == 0)
            return std::u32string(text);
        const Zelle &letzte = zellen[i - 1];
        return std::u32string(text.substr(size_t(letzte.start - 1 + letzte.laenge)));
    }
    size_t i = zellen.size();
    while (i > 0 && zellen[i - 1].markiert)
        --i;
    if (i == zellen.size())
        return std::u32string(text);
    return std::u32string(text.substr(0, size_t(zellen[i].start - 1)));
}

std::u32string nxZellenAbschneidenBeide(std::u32string_view text, const MusterListe &muster)
{
    return nxZellenAbschneiden(nxZellenAbschneiden(text, muster, Seite::Links), muster, Seite::Rechts);
}

std::u32string nxZellenErsetzen(std::u32string_view text, const ZellenSuche &suche, std::u32string_view ersatz,
                                bool zusammenfassen)
{
    std::u32string r;
    bool vorigeMarkiert = false;
    for (const Zelle &z : nxZellenErmitteln(text, suche)) {
        if (!z.markiert)
            r += text.substr(size_t(z.start - 1), size_t(z.laenge));
        else if (!(zusammenfassen && vorigeMarkiert))
            r += ersatz;
        vorigeMarkiert = z.markiert;
    }
    return r;
}

std::vector<std::u32string> nxZellenTeilen(std::u32string_view text, const ZellenSuche &suche, bool leereBehalten)
{
    std::vector<std::u32string> teile;
    const Zellen zellen = nxZellenErmitteln(text, suche);
    if (zellen.empty()) {
        if (leereBehalten)
            teile.emplace_back();
        return teile;
    }
    std::u32string stueck;
    bool imStueck = false;
    bool vorigeMarkiert = true; // so that a flagged first cell gives a leading empty piece
    for (const Zelle &z : zellen) {
        if (z.markiert) {
            if (imStueck)
                teile.push_back(std::move(stueck));
            else if (leereBehalten && vorigeMarkiert)
                teile.emplace_back();
            stueck.clear();
            imStueck = false;
        } else {
            stueck += text.substr(size_t(z.start - 1), size_t(z.laenge));
            imStueck = true;
        }
        vorigeMarkiert = z.markiert;
    }
    if (imStueck)
        teile.push_back(std::move(stueck));
    else if (leereBehalten)
        teile.emplace_back();
    return teile;
}

KlammerTeile nxZellenKlammern(std::u32string_view text, char32_t auf, char32_t zu, bool vonLinks, bool grossKlein)
{
    ZellenSuche s = nxZellenSuche(MusterListe{nxMusterWort(std::u32string(1, auf)), nxMusterWort(std::u32string(1, zu))},
                                  grossKlein);
    s.vonLinks = vonLinks;
    const Zellen zellen = nxZellenErmitteln(text, s);
    auto gleich = [grossKlein](char32_t a, char32_t b) {
        return a == b || (!grossKlein && QChar::toLower(a) == QChar::toLower(b));
    };

    KlammerTeile r;
    const qint64 len = qint64(text.size());
    size_t i = 0;
    while (i < zellen.size()) {
        if (zellen[i].markiert) {
            ++i;
            continue;
        }
        const int anfang = zellen[i].start; // 1-based
        std::u32string stueck;
        while (i < zellen.size() && !zellen[i].markiert) {
            stueck += zellText(text, zellen[i]);
            ++i;
        }
        const qint64 ende = anfang + qint64(stueck.size()); // 1-based position after the piece
        const bool drin = anfang > 1 && ende <= len && gleich(text[size_t(anfang - 2)], auf) &&
                          gleich(text[size_t(ende - 1)], zu);
        r.teile.push_back(std::move(stueck));
        r.eingeschlossen.push_back(drin);
        if (drin)
            ++r.anzahlEingeschlossen;
    }
    return r;
}

} // namespace rinolux
