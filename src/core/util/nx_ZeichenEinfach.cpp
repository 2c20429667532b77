#include "core/util/nx_ZeichenEinfach.h"

#include <QChar>

#include <algorithm>
#include <limits>

namespace rinolux {

bool nxZeichenIstZiffer(char32_t ch)
{
    return ch >= U'0' && ch <= U'9';
}

bool nxZeichenIstBuchstabe(char32_t ch)
{
    return QChar::isLetter(ch);
}

bool nxZeichenIstGross(char32_t ch)
{
    return QChar::isUpper(ch);
}

bool nxZeichenIstKlein(char32_t ch)
{
    return QChar::isLower(ch);
}

bool nxZeichenIstSonder(char32_t ch)
{
    // Control codes below 10 (tab among them) are neutral: callers use them as characters
    // that belong to no class.
    return ch >= 10 && ch != U' ' && !nxZeichenIstZiffer(ch) && !nxZeichenIstBuchstabe(ch);
}

bool nxIstKlassenCode(int klasse)
{
    return (klasse >= 0 && klasse <= 8) || (klasse >= 21 && klasse <= 28);
}

bool nxZeichenKlasse(char32_t ch, int klasse)
{
    if (klasse >= 21 && klasse <= 28)
        return !nxZeichenKlasse(ch, klasse - KlasseNicht);
    switch (klasse) {
    case KlasseBeliebig:
        return true;
    case KlasseZiffer:
    case KlasseZahl:
        return nxZeichenIstZiffer(ch);
    case KlasseKlein:
        return nxZeichenIstKlein(ch);
    case KlasseSonder:
        return nxZeichenIstSonder(ch);
    case KlasseGross:
        return nxZeichenIstGross(ch);
    case KlasseLeer:
        return ch == U' ';
    case KlasseBuchstabe:
        return nxZeichenIstBuchstabe(ch);
    default:
        return false; // 3 and everything that is no class
    }
}

char32_t nxZeichenGross(char32_t ch)
{
    return QChar::toUpper(ch);
}

char32_t nxZeichenKlein(char32_t ch)
{
    return QChar::toLower(ch);
}

std::u32string nxZeichenGross(std::u32string_view text)
{
    std::u32string r(text);
    for (char32_t &c : r)
        c = QChar::toUpper(c);
    return r;
}

std::u32string nxZeichenKlein(std::u32string_view text)
{
    std::u32string r(text);
    for (char32_t &c : r)
        c = QChar::toLower(c);
    return r;
}

std::u32string nxZeichenLinks(std::u32string_view text, qint64 n)
{
    if (n <= 0)
        return {};
    return std::u32string(text.substr(0, static_cast<size_t>(std::min<qint64>(n, qint64(text.size())))));
}

std::u32string nxZeichenRechts(std::u32string_view text, qint64 n)
{
    if (n <= 0)
        return {};
    const qint64 len = qint64(text.size());
    const qint64 k = std::min(n, len);
    return std::u32string(text.substr(static_cast<size_t>(len - k)));
}

std::u32string nxZeichenTeil(std::u32string_view text, qint64 von, qint64 n)
{
    const qint64 len = qint64(text.size());
    von = std::max<qint64>(von, 1);
    if (von > len || n == 0)
        return {};
    const qint64 rest = len - von + 1;
    const qint64 k = n < 0 ? rest : std::min(n, rest);
    return std::u32string(text.substr(static_cast<size_t>(von - 1), static_cast<size_t>(k)));
}

std::u32string nxZeichenTeilRechts(std::u32string_view text, qint64 von, qint64 n)
{
    // Position von counted from the right is index ende (1-based) from the left; the piece
    // reaches n characters to the left of it.
    const qint64 len = qint64(text.size());
    von = std::max<qint64>(von, 1);
    if (von > len || n == 0)
        return {};
    const qint64 ende = len - von + 1;
    const qint64 anfang = n < 0 ? 1 : std::max<qint64>(1, ende - n + 1);
    return std::u32string(text.substr(static_cast<size_t>(anfang - 1), static_cast<size_t>(ende - anfang + 1)));
}

namespace {

// Digits of the text as an unsigned magnitude, saturating at grenze.
template <typename Zeichen>
quint64 ziffernWert(const Zeichen *p, qsizetype n, quint64 grenze, bool *ueberlauf)
{
    quint64 wert = 0;
    bool zuGross = false;
    for (qsizetype i = 0; i < n; ++i) {
        const auto c = static_cast<char32_t>(p[i]);
        if (c < U'0' || c > U'9')
            continue;
        const quint64 ziffer = c - U'0';
        if (zuGross)
            continue;
        if (wert > (grenze - ziffer) / 10) {
            zuGross = true;
            wert = grenze;
        } else {
            wert = wert * 10 + ziffer;
        }
    }
    if (ueberlauf)
        *ueberlauf = zuGross;
    return wert;
}

template <typename Zeichen>
qint64 zuZahl(const Zeichen *p, qsizetype n, bool *ueberlauf)
{
    const bool negativ = n > 0 && static_cast<char32_t>(p[0]) == U'-';
    constexpr quint64 max = quint64(std::numeric_limits<qint64>::max());
    const quint64 wert = ziffernWert(p, n, negativ ? max + 1 : max, ueberlauf);
    if (!negativ)
        return qint64(wert);
    if (wert == max + 1)
        return std::numeric_limits<qint64>::min();
    return -qint64(wert);
}

} // namespace

qint64 nxZeichenZuZahl(std::u32string_view text, bool *ueberlauf)
{
    return zuZahl(text.data(), qsizetype(text.size()), ueberlauf);
}

qint64 nxZeichenZuZahl(QStringView text, bool *ueberlauf)
{
    return zuZahl(text.utf16(), text.size(), ueberlauf);
}

qint64 nxZeichenZuZahlNichtNegativ(std::u32string_view text, bool *ueberlauf)
{
    bool ue = false;
    const qint64 v = nxZeichenZuZahl(text, &ue);
    if (ueberlauf)
        *ueberlauf = ue && v > 0;
    return std::max<qint64>(v, 0);
}

qint64 nxZeichenZiffernZuZahl(std::u32string_view text, bool *ueberlauf)
{
    return qint64(ziffernWert(text.data(), qsizetype(text.size()), quint64(std::numeric_limits<qint64>::max()),
                              ueberlauf));
}

qint64 nxZeichenZiffernZuZahl(QStringView text, bool *ueberlauf)
{
    return qint64(
        ziffernWert(text.utf16(), text.size(), quint64(std::numeric_limits<qint64>::max()), ueberlauf));
}

std::u32string nxZeichenAusZahl(qint64 zahl)
{
    const std::string s = std::to_string(zahl);
    return std::u32string(s.begin(), s.end());
}

ZeichenMuster nxMusterWort(std::u32string_view wort)
{
    ZeichenMuster m;
    m.elemente.reserve(wort.size());
    for (const char32_t c : wort)
        m.elemente.push_back({MusterElement::Art::Zeichen, c});
    return m;
}

ZeichenMuster nxMusterKlasse(int klasse)
{
    ZeichenMuster m;
    m.elemente.push_back({MusterElement::Art::Klasse, static_cast<char32_t>(klasse)});
    return m;
}

ZeichenMuster nxMusterMaske(std::u32string_view maske)
{
    ZeichenMuster m;
    m.elemente.reserve(maske.size());
    for (const char32_t c : maske) {
        if (c == U'*')
            m.elemente.push_back({MusterElement::Art::Stern, c});
        else if (c == U'?')
            m.elemente.push_back({MusterElement::Art::Frage, c});
        else
            m.elemente.push_back({MusterElement::Art::Zeichen, c});
    }
    return m;
}

namespace {

// Without the case flag, literals compare folded and the case classes widen to "letter".
int gefalteteKlasse(int klasse, bool grossKlein)
{
    if (grossKlein)
        return klasse;
    if (klasse == KlasseKlein || klasse == KlasseGross)
        return KlasseBuchstabe;
    if (klasse == KlasseKlein + KlasseNicht || klasse == KlasseGross + KlasseNicht)
        return KlasseBuchstabe + KlasseNicht;
    return klasse;
}

bool literalGleich(char32_t a, char32_t b, bool grossKlein)
{
    return a == b || (!grossKlein && QChar::toLower(a) == QChar::toLower(b));
}

// Does pattern m occur at index i (0-based) of text? Used by the position search.
bool kommtVor(std::u32string_view text, const ZeichenMuster &m, size_t i, bool grossKlein)
{
    const size_t len = m.elemente.size();
    if (len == 0 || i + len > text.size())
        return false;
    for (size_t j = 0; j < len; ++j) {
        const MusterElement &e = m.elemente[j];
        const char32_t c = text[i + j];
        if (e.art == MusterElement::Art::Klasse) {
            const int k = gefalteteKlasse(static_cast<int>(e.wert), grossKlein);
            if (k == KlasseZahl) {
                // Only a digit that begins a number.
                if (!nxZeichenIstZiffer(c) || (i + j > 0 && nxZeichenIstZiffer(text[i + j - 1])))
                    return false;
            } else if (!nxZeichenKlasse(c, k)) {
                return false;
            }
        } else if (!literalGleich(e.wert, c, grossKlein)) {
            return false;
        }
    }
    return true;
}

} // namespace

int nxZeichenPosition(std::u32string_view text, const MusterListe &muster, bool vorwaerts, qint64 start,
                      qint64 n, bool grossKlein)
{
    const qint64 len = qint64(text.size());
    start = std::max<qint64>(start, 1);
    if (muster.empty() || len < start || n < 1)
        return 0;
    qint64 gezaehlt = 0;
    const qint64 erster = vorwaerts ? start : len - start + 1;
    const qint64 schritt = vorwaerts ? 1 : -1;
    for (qint64 i = erster; i >= 1 && i <= len; i += schritt) {
        const bool gefunden = std::any_of(muster.begin(), muster.end(), [&](const ZeichenMuster &m) {
            return kommtVor(text, m, size_t(i - 1), grossKlein);
        });
        if (gefunden && ++gezaehlt == n)
            return int(i);
    }
    return 0;
}

int nxZeichenPositionErste(std::u32string_view text, const ZeichenMuster &muster, bool grossKlein)
{
    return nxZeichenPosition(text, {muster}, true, 1, 1, grossKlein);
}

int nxZeichenPositionLetzte(std::u32string_view text, const ZeichenMuster &muster, bool grossKlein)
{
    return nxZeichenPosition(text, {muster}, false, 1, 1, grossKlein);
}

int nxZeichenPositionAb(std::u32string_view text, const ZeichenMuster &muster, qint64 start, qint64 n,
                        bool grossKlein)
{
    return nxZeichenPosition(text, {muster}, true, start, n, grossKlein);
}

int nxZeichenPositionListe(std::u32string_view text, const MusterListe &muster, bool grossKlein)
{
    return nxZeichenPosition(text, muster, true, 1, 1, grossKlein);
}

namespace {

// How many characters element e consumes at index t of the text (0: no match).
size_t elementPasst(std::u32string_view text, size_t t, const MusterElement &e, bool grossKlein)
{
    if (t >= text.size())
        return 0;
    switch (e.art) {
    case MusterElement::Art::Frage:
        return 1;
    case MusterElement::Art::Klasse: {
        const int k = gefalteteKlasse(static_cast<int>(e.wert), grossKlein);
        if (!nxZeichenKlasse(text[t], k))
            return 0;
        if (k != KlasseZahl)
            return 1;
        size_t ende = t;
        while (ende < text.size() && nxZeichenIstZiffer(text[ende]))
            ++ende;
        return ende - t;
    }
    case MusterElement::Art::Zeichen:
    case MusterElement::Art::Stern: // not reached: handled by the caller
        return literalGleich(e.wert, text[t], grossKlein) ? 1 : 0;
    }
    return 0;
}

} // namespace

bool nxZeichenPasst(std::u32string_view text, const ZeichenMuster &muster, bool grossKlein)
{
    // Greedy match with one restart point after the last "*": on a mismatch that "*"
    // takes one more character and matching resumes behind it. Letting the star grow by
    // one character (rather than jumping past the last literal found) keeps patterns such
    // as "*?ab" complete.
    const auto &el = muster.elemente;
    size_t t = 0;
    size_t p = 0;
    bool sternGesehen = false;
    size_t sternP = 0; // pattern index right after the last "*"
    size_t sternT = 0; // text index where that star's run currently ends
    for (;;) {
        if (p < el.size() && el[p].art == MusterElement::Art::Stern) {
            while (p < el.size() && el[p].art == MusterElement::Art::Stern)
                ++p;
            if (p == el.size())
                return true; // a trailing "*" takes the rest
            sternGesehen = true;
            sternP = p;
            sternT = t;
            continue;
        }
        if (p == el.size()) {
            if (t == text.size())
                return true;
        } else if (const size_t k = elementPasst(text, t, el[p], grossKlein); k > 0) {
            t += k;
            ++p;
            continue;
        }
        if (!sternGesehen || sternT >= text.size())
            return false;
        ++sternT;
        t = sternT;
        p = sternP;
    }
}

const AlphabetListe &nxStandardAlphabete()
{
    static const AlphabetListe alphabete = {U"0123456789", U"abcdefghijklmnopqrstuvwxyz",
                                            U"ABCDEFGHIJKLMNOPQRSTUVWXYZ"};
    return alphabete;
}

std::u32string nxZeichenZaehlen(std::u32string_view text, const AlphabetListe &alphabete, qint64 n)
{
    std::u32string t(text);
    if (n == 0 || t.empty() || alphabete.empty())
        return t;

    // 128-bit arithmetic: p + carry must not overflow for n near the 64-bit limits.
    __extension__ typedef __int128 Gross;
    Gross uebertrag = n;
    const std::u32string *letztes = nullptr;
    for (size_t i = t.size(); i-- > 0 && uebertrag != 0;) {
        const std::u32string *alphabet = nullptr;
        size_t pos = 0;
        for (const std::u32string &a : alphabete) {
            pos = a.find(t[i]);
            if (pos != std::u32string::npos) {
                alphabet = &a;
                break;
            }
        }
        if (!alphabet)
            continue;
        const Gross b = Gross(alphabet->size());
        const Gross v = Gross(pos + 1) + uebertrag;
        uebertrag = n > 0 ? (v - 1) / b : -((b - v) / b);
        t[i] = (*alphabet)[size_t(v - uebertrag * b - 1)];
        letztes = alphabet;
    }
    if (uebertrag == 0 || !letztes)
        return t;

    if (n < 0) {
        // Below the smallest value of this form: the smallest value of the same form.
        for (char32_t &c : t) {
            for (const std::u32string &a : alphabete) {
                if (a.find(c) != std::u32string::npos) {
                    c = a.front();
                    break;
                }
            }
        }
        return t;
    }

    const Gross b = Gross(letztes->size());
    // With a leading "0" the new front digit starts at "1" (9 -> 10, not 9 -> 00).
    const bool mitNull = letztes->front() == U'0' && letztes->size() >= 2;
    std::u32string vorne;
    for (int anzahl = 0; uebertrag != 0 && anzahl < 200; ++anzahl) {
        const Gross v = uebertrag + (mitNull ? 1 : 0);
        uebertrag = (v - 1) / b;
        vorne.push_back((*letztes)[size_t(v - uebertrag * b - 1)]);
    }
    std::reverse(vorne.begin(), vorne.end());
    return vorne + t;
}

std::u32string nxZeichenZaehlenStandard(std::u32string_view text, qint64 n)
{
    return nxZeichenZaehlen(text, nxStandardAlphabete(), n);
}

} // namespace rinolux
