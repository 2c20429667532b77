#include "core/util/nx_Text.h"

#include "core/shell/Fortschritt.h"

#include <unicode/ucol.h>
#include <unicode/uset.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace rinolux {

namespace {

// The system's own rewriting: an umlaut becomes a letter of its own right after its plain
// vowel, "ß" one right after "s", and the hyphen a character just before "+". It is applied
// to every text, not only when a pair holds a trigger: inserting the same mark after the
// same letter in both texts does not change their order, and a rewriting that depends
// only on the text itself gives keys, a total order and so a consistent sort.
QString umschreiben(const QString &text)
{
    // Letter case does not matter to the collator, so only the letters that are rewritten
    // are folded (to the lower-case results the rewriting asks for).
    QString r;
    r.reserve(text.size() + text.size() / 2 + 2);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u's': case u'S': r += u"s1"; break;
        case u'ß': case u'ẞ': r += u"s2"; break;
        case u'a': case u'A': r += u"a1"; break;
        case u'ä': case u'Ä': r += u"a2"; break;
        case u'o': case u'O': r += u"o1"; break;
        case u'ö': case u'Ö': r += u"o2"; break;
        case u'u': case u'U': r += u"u1"; break;
        case u'ü': case u'Ü': r += u"u2"; break;
        case u'+': r += u"+2"; break;
        case u'-': r += u"+1"; break;
        default: r += c; break;
        }
    }
    return r;
}

// Quick keys. At the collator's settings (secondary strength, punctuation not ignorable,
// digits one by one) texts of "simple" characters - each one collation element with a
// non-zero primary weight and the common secondary weight, and none part of a contraction
// or context made only of simple characters - order as the sequences of their primary
// weights, a prefix first: the secondary level then only counts the characters, which the
// primary level has settled already. So such a text's key can be its characters' ranks
// among those primary weights. Which characters are simple is read from the collator
// itself, so other collation data can only make the set smaller.
//
// The rewriting turns some characters into pairs ("a" -> "a1", "ä" -> "a2"). A pair's first
// character never stands alone in a rewritten text, so each pair can be one symbol ranked
// by both of its ranks without changing any comparison: one byte per source character.
struct EinfacheRaenge
{
    // For each code point below 0x100: the rank of its rewriting; 0 when not simple.
    std::array<quint8, 256> latin{};
    quint8 grossesEszett = 0; // U+1E9E

    quint8 rang(char16_t c) const { return c < 0x100 ? latin[c] : (c == 0x1E9E ? grossesEszett : 0); }
};

// The primary weight of a single character from its sort key: primary bytes, the level
// separator 01, the one byte of a single common secondary (05) and the closing 00. Anything
// else gives 0: no primary (an ignorable control character), another secondary, or an
// expansion - every element with a primary has a secondary too, so two of them would show
// as two secondaries (06, the count of a run of common ones).
quint32 einfachesPrimaergewicht(const UCollator *c, UChar zeichen)
{
    uint8_t k[32];
    const int32_t n = ucol_getSortKey(c, &zeichen, 1, k, int32_t(sizeof k));
    if (n < 4 || n > int32_t(sizeof k))
        return 0;
    int32_t i = 0;
    quint32 p = 0;
    while (i < n && k[i] > 0x01) {
        if (i == 4)
            return 0;
        p |= quint32(k[i]) << (24 - 8 * i);
        ++i;
    }
    if (i == 0 || n != i + 3 || k[i] != 0x01 || k[i + 1] != 0x05 || k[i + 2] != 0x00)
        return 0;
    return p;
}

EinfacheRaenge einfacheRaengeErmitteln(const UCollator *c, UErrorCode &status)
{
    // Candidates: printable ASCII, which the rewriting below produces for the umlauts too.
    std::array<quint32, 128> primaer{};
    for (char16_t z = 0x20; z < 0x7F; ++z)
        primaer[z] = einfachesPrimaergewicht(c, z);

    // Contractions and contexts (prefixes included) are not visible in single keys: they
    // are listed. Listing them is the costly part (tens of millions of instructions, mostly
    // in the set that collects them), which is why this is only done when it pays.
    USet *kontraktionen = uset_openEmpty();
    ucol_getContractionsAndExpansions(c, kontraktionen, nullptr, true, &status);
    auto aussortieren = [&](const USet *menge) {
        for (int32_t k = 0; k < uset_getItemCount(menge); ++k) {
            UChar32 von = 0, bis = 0;
            UChar text[64];
            UErrorCode s = U_ZERO_ERROR;
            const int32_t laenge = uset_getItem(menge, k, &von, &bis, text, int32_t(std::size(text)), &s);
            if (laenge == 0) {
                for (UChar32 z = std::max<UChar32>(von, 0); z <= std::min<UChar32>(bis, 0x7F); ++z)
                    primaer[size_t(z)] = 0;
                continue;
            }
            // A string too long for the buffer cannot be checked: every candidate it may
            // hold is dropped.
            const int32_t bekannt = U_FAILURE(s) ? 0 : laenge;
            bool nurEinfache = true;
            for (int32_t j = 0; j < bekannt && nurEinfache; ++j)
                nurEinfache = text[j] < 0x80 && primaer[text[j]] != 0;
            if (U_FAILURE(s))
                primaer.fill(0);
            else if (nurEinfache)
                for (int32_t j = 0; j < laenge; ++j)
                    primaer[text[j]] = 0;
        }
    };
    if (U_SUCCESS(status))
        aussortieren(kontraktionen);
    uset_close(kontraktionen);
    EinfacheRaenge r;
    if (U_FAILURE(status))
        return r;

    // Equal primary weights (a letter and its capital) get one rank.
    std::vector<quint32> gewichte;
    for (const quint32 p : primaer)
        if (p != 0)
            gewichte.push_back(p);
    std::sort(gewichte.begin(), gewichte.end());
    gewichte.erase(std::unique(gewichte.begin(), gewichte.end()), gewichte.end());
    auto rang = [&](QChar z) -> quint16 {
        if (z.unicode() >= 0x80 || primaer[z.unicode()] == 0)
            return 0;
        return quint16(std::lower_bound(gewichte.begin(), gewichte.end(), primaer[z.unicode()]) - gewichte.begin() + 1);
    };
    // The rewriting is made character by character, so a character's key is that of its
    // rewriting: one or two ranks, the second 0 when there is none.
    constexpr int kLatin = 256;
    constexpr int kGrossesEszett = kLatin;
    std::array<std::pair<quint16, quint16>, kLatin + 1> paar{};
    for (int z = 0; z <= kLatin; ++z) {
        const QString neu = umschreiben(QString(QChar(z == kGrossesEszett ? char16_t(0x1E9E) : char16_t(z))));
        if (neu.isEmpty() || neu.size() > 2)
            continue;
        const quint16 erster = rang(neu.at(0));
        const quint16 zweiter = neu.size() == 2 ? rang(neu.at(1)) : quint16(0);
        if (erster != 0 && (neu.size() == 1 || zweiter != 0))
            paar[size_t(z)] = {erster, zweiter};
    }
    // A rank that starts a pair must not stand alone anywhere (it does not: the rewriting
    // leaves no plain "a" behind); a character that would is left to the collator.
    std::vector<quint16> paarAnfang;
    for (const auto &[erster, zweiter] : paar)
        if (zweiter != 0)
            paarAnfang.push_back(erster);
    for (auto &[erster, zweiter] : paar)
        if (zweiter == 0 && std::find(paarAnfang.begin(), paarAnfang.end(), erster) != paarAnfang.end())
            erster = 0;
    std::vector<std::pair<quint16, quint16>> symbole;
    for (const auto &x : paar)
        if (x.first != 0)
            symbole.push_back(x);
    std::sort(symbole.begin(), symbole.end());
    symbole.erase(std::unique(symbole.begin(), symbole.end()), symbole.end());
    if (symbole.size() > 255)
        return r;
    for (int z = 0; z <= kLatin; ++z) {
        if (paar[size_t(z)].first == 0)
            continue;
        const auto nr = quint8(std::lower_bound(symbole.begin(), symbole.end(), paar[size_t(z)]) - symbole.begin() + 1);
        if (z == kGrossesEszett)
            r.grossesEszett = nr;
        else
            r.latin[size_t(z)] = nr;
    }
    return r;
}

// Appends the quick key of a text given by its UTF-16 units or its UTF-8 bytes at ziel's
// end; false (and ziel as it was) when a character is not simple.
bool einfachAnhaengen(const EinfacheRaenge &r, QStringView text, QByteArray &ziel)
{
    const qsizetype alt = ziel.size();
    ziel.resize(alt + text.size());
    auto *p = reinterpret_cast<uchar *>(ziel.data() + alt);
    for (const QChar z : text) {
        const quint8 w = r.rang(z.unicode());
        if (w == 0) {
            ziel.resize(alt);
            return false;
        }
        *p++ = w;
    }
    ziel.resize(p - reinterpret_cast<uchar *>(ziel.data()));
    return true;
}

bool einfachAnhaengen(const EinfacheRaenge &r, QByteArrayView utf8, QByteArray &ziel)
{
    const qsizetype alt = ziel.size();
    ziel.resize(alt + utf8.size());
    auto *p = reinterpret_cast<uchar *>(ziel.data() + alt);
    const auto *q = reinterpret_cast<const uchar *>(utf8.data());
    const auto *ende = q + utf8.size();
    while (q < ende) {
        quint8 w = 0;
        const uchar b = *q;
        if (b < 0x80) {
            w = r.latin[b];
            ++q;
        } else if ((b == 0xC2 || b == 0xC3) && ende - q >= 2 && (q[1] & 0xC0) == 0x80) {
            w = r.latin[((b & 0x1F) << 6) | (q[1] & 0x3F)];
            q += 2;
        } else if (b == 0xE1 && ende - q >= 3 && q[1] == 0xBA && q[2] == 0x9E) {
            w = r.grossesEszett;
            q += 3;
        }
        if (w == 0) {
            ziel.resize(alt);
            return false;
        }
        *p++ = w;
    }
    ziel.resize(p - reinterpret_cast<uchar *>(ziel.data()));
    return true;
}

// The only collator of the system: German, letter case ignored (secondary strength: accents
// count, case does not), punctuation not skipped (the rewriting above makes the hyphen
// count), digits one by one. These are the settings a case-insensitive German QCollator
// uses; ICU is called directly because its sort keys are plain bytes that can be stored
// in one block and compared without further calls, which keeps large sorts fast.
class Kollator final
{
public:
    Kollator()
    {
        UErrorCode status = U_ZERO_ERROR;
        m_c = ucol_open("de_DE", &status);
        if (U_FAILURE(status)) {
            if (m_c)
                ucol_close(m_c);
            m_c = nullptr;
            return;
        }
        status = U_ZERO_ERROR;
        ucol_setAttribute(m_c, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
        ucol_setAttribute(m_c, UCOL_STRENGTH, UCOL_SECONDARY, &status);
        ucol_setAttribute(m_c, UCOL_NUMERIC_COLLATION, UCOL_OFF, &status);
        ucol_setAttribute(m_c, UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);
        if (U_FAILURE(status)) {
            ucol_close(m_c);
            m_c = nullptr;
        }
    }
    ~Kollator()
    {
        if (m_c)
            ucol_close(m_c);
    }
    Kollator(const Kollator &) = delete;
    Kollator &operator=(const Kollator &) = delete;

    // Appends the key of text (already rewritten) to ziel, without the closing zero byte.
    void schluesselAnhaengen(const QString &text, QByteArray &ziel) const
    {
        const qsizetype alt = ziel.size();
        if (!m_c) {
            // No collation data: code point order of the case-folded text, big-endian.
            for (const char32_t c : text.toCaseFolded().toUcs4()) {
                ziel.append(char(c >> 24));
                ziel.append(char(c >> 16));
                ziel.append(char(c >> 8));
                ziel.append(char(c));
            }
            return;
        }
        const auto *quelle = reinterpret_cast<const UChar *>(text.utf16());
        const auto laenge = int32_t(text.size());
        qsizetype platz = 16 + 4 * text.size();
        for (;;) {
            ziel.resize(alt + platz);
            const int32_t n =
                ucol_getSortKey(m_c, quelle, laenge, reinterpret_cast<uint8_t *>(ziel.data() + alt), int32_t(platz));
            if (n <= platz) {
                ziel.resize(alt + std::max<qsizetype>(n - 1, 0));
                return;
            }
            platz = n;
        }
    }

    // The simple characters, found once this thread has asked for keys of enough texts
    // (anzahl more now) that finding them costs less than the collator keys it saves;
    // nullptr before that and without collation data.
    const EinfacheRaenge *einfach(qint64 anzahl) const
    {
        if (!m_einfach && m_c) {
            m_texte += anzahl;
            if (m_texte >= kEinfachLohntAb)
                einfachErmitteln();
        }
        return m_einfach ? &*m_einfach : nullptr;
    }

    void einfachErmitteln() const
    {
        if (m_einfach || !m_c)
            return;
        UErrorCode status = U_ZERO_ERROR;
        m_einfach = einfacheRaengeErmitteln(m_c, status);
    }

    int vergleich(const QString &a, const QString &b) const
    {
        if (!m_c) {
            QByteArray ka, kb;
            schluesselAnhaengen(a, ka);
            schluesselAnhaengen(b, kb);
            return ka.compare(kb);
        }
        const UCollationResult r =
            ucol_strcoll(m_c, reinterpret_cast<const UChar *>(a.utf16()), int32_t(a.size()),
                         reinterpret_cast<const UChar *>(b.utf16()), int32_t(b.size()));
        return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
    }

private:
    // Finding the simple characters costs about as much as 8000 collator keys.
    static constexpr qint64 kEinfachLohntAb = 8000;

    UCollator *m_c = nullptr;
    mutable qint64 m_texte = 0;
    mutable std::optional<EinfacheRaenge> m_einfach;
};

const Kollator &kollator()
{
    thread_local const Kollator k;
    return k;
}

int vorzeichen(int v)
{
    return (v > 0) - (v < 0);
}

int bytesVergleich(const char *a, qsizetype la, const char *b, qsizetype lb)
{
    const int v = std::memcmp(a, b, size_t(std::min(la, lb)));
    if (v != 0)
        return vorzeichen(v);
    return (la > lb) - (la < lb);
}

} // namespace

int nxTextVergleich(const QString &a, const QString &b)
{
    return kollator().vergleich(umschreiben(a), umschreiben(b));
}

bool nxTextSchnellVorbereiten()
{
    const Kollator &k = kollator();
    k.einfachErmitteln();
    return k.einfach(0) != nullptr;
}

QByteArray nxTextSchluessel(const QString &text)
{
    QByteArray k;
    kollator().schluesselAnhaengen(umschreiben(text), k);
    return k;
}

SortSchluessel::SortSchluessel(int anzahl) : m_anzahl(std::max(anzahl, 0)) {}

namespace {

// Neighbours often share a text (the directory of a listing): its key is copied, not
// computed again. anhaengen(i, bytes) appends the key of text i or returns false.
template <typename Text, typename Anhaengen>
bool schluesselBlock(int anzahl, const Text &text, Anhaengen anhaengen, QByteArray &bytes,
                     std::vector<qsizetype> &anfang)
{
    anfang.reserve(size_t(anzahl) + 1);
    anfang.push_back(0);
    decltype(text(1)) letzterText{};
    qsizetype letzterAnfang = -1;
    for (int i = 1; i <= anzahl; ++i) {
        const auto t = text(i);
        if (letzterAnfang >= 0 && t == letzterText) {
            const qsizetype laenge = bytes.size() - letzterAnfang;
            const qsizetype neu = bytes.size();
            bytes.resize(neu + laenge);
            std::memcpy(bytes.data() + neu, bytes.constData() + letzterAnfang, size_t(laenge));
            letzterAnfang = neu;
        } else {
            letzterAnfang = bytes.size();
            if (!anhaengen(t, bytes))
                return false;
            letzterText = t;
        }
        anfang.push_back(bytes.size());
    }
    bytes.squeeze();
    return true;
}

} // namespace

void SortSchluessel::textFeld(const std::function<QString(int)> &text)
{
    const Kollator &k = kollator();
    const EinfacheRaenge *einfach = k.einfach(m_anzahl);
    // A quick key and a collator key do not compare with each other, so one text that is
    // not simple sends the whole field the collator's way.
    BytesFeld f;
    f.bytes.reserve(qsizetype(m_anzahl) * 24);
    if (!einfach
        || !schluesselBlock(m_anzahl, text,
                            [einfach](const QString &t, QByteArray &z) { return einfachAnhaengen(*einfach, t, z); },
                            f.bytes, f.anfang)) {
        f = BytesFeld{};
        f.bytes.reserve(qsizetype(m_anzahl) * 48);
        schluesselBlock(m_anzahl, text,
                        [&k](const QString &t, QByteArray &z) {
                            k.schluesselAnhaengen(umschreiben(t), z);
                            return true;
                        },
                        f.bytes, f.anfang);
    }
    m_felder.emplace_back(std::move(f));
}

bool SortSchluessel::textFeldEinfach(const std::function<QByteArrayView(int)> &utf8)
{
    const EinfacheRaenge *einfach = kollator().einfach(m_anzahl);
    if (!einfach)
        return false;
    BytesFeld f;
    f.bytes.reserve(qsizetype(m_anzahl) * 24);
    if (!schluesselBlock(m_anzahl, utf8,
                         [einfach](QByteArrayView t, QByteArray &z) { return einfachAnhaengen(*einfach, t, z); },
                         f.bytes, f.anfang))
        return false;
    m_felder.emplace_back(std::move(f));
    return true;
}

void SortSchluessel::bytesFeld(const std::function<QByteArray(int)> &bytes)
{
    BytesFeld f;
    f.anfang.reserve(size_t(m_anzahl) + 1);
    f.anfang.push_back(0);
    for (int i = 1; i <= m_anzahl; ++i) {
        f.bytes.append(bytes(i));
        f.anfang.push_back(f.bytes.size());
    }
    m_felder.emplace_back(std::move(f));
}

void SortSchluessel::zahlFeld(const std::function<qint64(int)> &zahl)
{
    std::vector<qint64> keys;
    keys.reserve(size_t(m_anzahl));
    for (int i = 1; i <= m_anzahl; ++i)
        keys.push_back(zahl(i));
    m_felder.emplace_back(std::move(keys));
}

int SortSchluessel::vergleich(int a, int b) const
{
    for (const Feld &f : m_felder) {
        int v = 0;
        if (const auto *by = std::get_if<BytesFeld>(&f)) {
            const qsizetype a0 = by->anfang[size_t(a - 1)], a1 = by->anfang[size_t(a)];
            const qsizetype b0 = by->anfang[size_t(b - 1)], b1 = by->anfang[size_t(b)];
            v = bytesVergleich(by->bytes.constData() + a0, a1 - a0, by->bytes.constData() + b0, b1 - b0);
        } else {
            const auto &z = std::get<std::vector<qint64>>(f);
            const qint64 x = z[size_t(a - 1)], y = z[size_t(b - 1)];
            v = (x > y) - (x < y);
        }
        if (v != 0)
            return v;
    }
    return 0;
}

quint64 SortSchluessel::praefix(int i, qsizetype ab) const
{
    if (m_felder.empty())
        return 0;
    const Feld &f = m_felder.front();
    if (const auto *by = std::get_if<BytesFeld>(&f)) {
        // Big-endian and padded with zero bytes: a shorter key that is a prefix of a longer
        // one never gets the larger number, so differing prefixes order as the keys do.
        const qsizetype a0 = by->anfang[size_t(i - 1)] + ab, a1 = by->anfang[size_t(i)];
        quint64 p = 0;
        for (qsizetype k = 0; k < 8; ++k) {
            p <<= 8;
            if (a0 + k < a1)
                p |= quint64(static_cast<unsigned char>(by->bytes.at(a0 + k)));
        }
        return p;
    }
    if (ab > 0)
        return 0;
    return quint64(std::get<std::vector<qint64>>(f)[size_t(i - 1)]) ^ (quint64(1) << 63);
}

qsizetype SortSchluessel::praefixLaenge(int i) const
{
    if (m_felder.empty())
        return 0;
    if (const auto *by = std::get_if<BytesFeld>(&m_felder.front()))
        return by->anfang[size_t(i)] - by->anfang[size_t(i - 1)];
    return 0;
}

namespace {

// Two prefixes: names of one folder often share their first 8 key bytes ("Urlaub 2024-").
struct Eintrag
{
    quint64 praefix;
    quint64 praefix2;
    int nr;
};

// Bottom-up merge sort of the element numbers: stable, n log n comparisons. Each entry
// carries 16 key bytes, and the merge compares only those, so it never leaves the entry
// array. Entries that tie on them (a folder of "Urlaub am See 0000001.jpg" ... shares far
// more than 16 bytes) are then sorted again run by run on their next 16 bytes, until their
// keys end: each entry's key bytes are read once per 16 of them, not once per comparison.
// The merge passes give a natural place to look at the cancel flag between small pieces of
// work.
class Sortierer final
{
public:
    Sortierer(const SortSchluessel &s, Fortschritt *fort) : m_s(s), m_fort(fort) {}

    bool sortieren(std::vector<Eintrag> &a)
    {
        const size_t n = a.size();
        std::vector<Eintrag> b(n);
        // Short runs by insertion first: fewer passes over the data.
        constexpr size_t kLauf = 16;
        m_gesamt = qint64(n) * 2;
        for (size_t w = kLauf; w < n; w *= 2)
            m_gesamt += qint64(n);
        for (size_t anfang = 0; anfang < n; anfang += kLauf) {
            const size_t ende = std::min(n, anfang + kLauf);
            for (size_t i = anfang + 1; i < ende; ++i) {
                const Eintrag x = a[i];
                size_t j = i;
                while (j > anfang && vor(x, a[j - 1])) {
                    a[j] = a[j - 1];
                    --j;
                }
                a[j] = x;
            }
            if (!weiter(qint64(ende - anfang) * 2))
                return false;
        }
        for (size_t w = kLauf; w < n; w *= 2) {
            for (size_t links = 0; links < n; links += 2 * w) {
                const size_t mitte = std::min(n, links + w);
                const size_t rechts = std::min(n, links + 2 * w);
                size_t i = links;
                size_t j = mitte;
                size_t k = links;
                // Taking from the left run on equality keeps the sort stable.
                while (i < mitte && j < rechts)
                    b[k++] = vor(a[j], a[i]) ? a[j++] : a[i++];
                while (i < mitte)
                    b[k++] = a[i++];
                while (j < rechts)
                    b[k++] = a[j++];
                if (!weiter(qint64(rechts - links)))
                    return false;
            }
            a.swap(b);
        }
        b = {};
        gleicheVerfeinern(a.data(), a.data() + n, 16);
        return !(m_fort && m_fort->Abbruch);
    }

private:
    static bool vor(const Eintrag &x, const Eintrag &y)
    {
        return x.praefix != y.praefix ? x.praefix < y.praefix : x.praefix2 < y.praefix2;
    }
    static bool gleich(const Eintrag &x, const Eintrag &y)
    {
        return x.praefix == y.praefix && x.praefix2 == y.praefix2;
    }

    // Stable: insertion for a short run, else the library's merge sort.
    template <typename Vor>
    static void stabilSortieren(Eintrag *von, Eintrag *bis, Vor vorher)
    {
        if (bis - von > 16) {
            std::stable_sort(von, bis, vorher);
            return;
        }
        for (Eintrag *i = von + 1; i < bis; ++i) {
            const Eintrag x = *i;
            Eintrag *j = i;
            for (; j > von && vorher(x, j[-1]); --j)
                *j = j[-1];
            *j = x;
        }
    }

    // [von, bis) is ordered by the key bytes before ab, ties in their input order. Each run
    // that ties on its 16 prefix bytes as well is ordered by the bytes from ab on; a run
    // whose first keys all end within them is ordered by the whole comparison (the other
    // fields, and a key that is another's beginning padded with zero bytes).
    void gleicheVerfeinern(Eintrag *von, Eintrag *bis, qsizetype ab)
    {
        for (Eintrag *lauf = von; lauf < bis;) {
            Eintrag *ende = lauf + 1;
            qsizetype laengste = m_s.praefixLaenge(lauf->nr);
            for (; ende < bis && gleich(*ende, *lauf); ++ende)
                laengste = std::max(laengste, m_s.praefixLaenge(ende->nr));
            if (ende - lauf > 1) {
                if (laengste > ab) {
                    for (Eintrag *e = lauf; e < ende; ++e) {
                        e->praefix = m_s.praefix(e->nr, ab);
                        e->praefix2 = m_s.praefix(e->nr, ab + 8);
                    }
                    stabilSortieren(lauf, ende, vor);
                    gleicheVerfeinern(lauf, ende, ab + 16);
                } else {
                    stabilSortieren(lauf, ende,
                                    [this](const Eintrag &x, const Eintrag &y) { return m_s.vergleich(x.nr, y.nr) < 0; });
                }
            }
            lauf = ende;
        }
    }

    // Steps the progress display about every 16,000 moved numbers, which lets the window
    // process its events and the user cancel.
    bool weiter(qint64 arbeit)
    {
        if (!m_fort)
            return true;
        m_erledigt += arbeit;
        if (m_erledigt - m_gemeldet >= 16384) {
            m_gemeldet = m_erledigt;
            m_fort->FortSchritt(m_gesamt, m_erledigt, m_gesamt, m_erledigt);
        }
        return !m_fort->Abbruch;
    }

    const SortSchluessel &m_s;
    Fortschritt *m_fort;
    qint64 m_gesamt = 0;
    qint64 m_erledigt = 0;
    qint64 m_gemeldet = 0;
};

int feldAnzahl(const TextFeld &feld)
{
    return feld.isEmpty() ? 0 : int(feld.size() - 1);
}

SortSchluessel textSchluessel(const TextFeld &feld)
{
    SortSchluessel s(feldAnzahl(feld));
    s.textFeld([&feld](int i) { return feld.at(i); });
    return s;
}

bool passt(const Permutation &perm, int n)
{
    if (perm.size() != size_t(n) + 1)
        return false;
    std::vector<bool> gesehen(size_t(n) + 1, false);
    for (int k = 1; k <= n; ++k) {
        const int e = perm[size_t(k)];
        if (e < 1 || e > n || gesehen[size_t(e)])
            return false;
        gesehen[size_t(e)] = true;
    }
    return true;
}

} // namespace

std::optional<Permutation> nxFeldSortieren(const SortSchluessel &schluessel, Fortschritt *fort)
{
    const int n = schluessel.anzahl();
    if (n < 1)
        return Permutation{};
    if (fort && fort->Abbruch)
        return std::nullopt;
    std::vector<Eintrag> reihe;
    reihe.reserve(size_t(n));
    for (int i = 1; i <= n; ++i)
        reihe.push_back({schluessel.praefix(i), schluessel.praefix(i, 8), i});
    Sortierer sortierer(schluessel, fort);
    if (!sortierer.sortieren(reihe))
        return std::nullopt;
    Permutation p;
    p.reserve(size_t(n) + 1);
    p.push_back(0);
    for (const Eintrag &e : reihe)
        p.push_back(e.nr);
    return p;
}

std::optional<Permutation> nxFeldSortieren(const TextFeld &feld, Fortschritt *fort)
{
    return nxFeldSortieren(textSchluessel(feld), fort);
}

int nxFeldSuchen(int anzahl, bool sortiert, const std::function<int(int)> &schluesselGegen)
{
    if (!sortiert) {
        for (int i = 1; i <= anzahl; ++i) {
            if (schluesselGegen(i) == 0)
                return i;
        }
        return 0;
    }
    // Lower bound: the first element that is not before the key.
    int lo = 1;
    int hi = anzahl + 1;
    while (lo < hi) {
        const int mitte = lo + (hi - lo) / 2;
        if (schluesselGegen(mitte) > 0)
            lo = mitte + 1;
        else
            hi = mitte;
    }
    return lo <= anzahl && schluesselGegen(lo) == 0 ? lo : 0;
}

int nxFeldSuchen(const TextFeld &feld, bool sortiert, const QString &text)
{
    const QByteArray key = nxTextSchluessel(text);
    return nxFeldSuchen(feldAnzahl(feld), sortiert, [&](int i) { return key.compare(nxTextSchluessel(feld.at(i))); });
}

namespace {

template <typename Feld, typename Wert>
void umordnen(Feld &feld, const Permutation &perm, int n, const std::function<Permutation()> &eigene)
{
    Permutation p = passt(perm, n) ? perm : eigene();
    if (n < 1 || p.size() != size_t(n) + 1)
        return;
    std::vector<Wert> neu;
    neu.reserve(size_t(n));
    for (int k = 1; k <= n; ++k)
        neu.push_back(std::move(feld[p[size_t(k)]]));
    for (int k = 1; k <= n; ++k)
        feld[k] = std::move(neu[size_t(k - 1)]);
}

} // namespace

void nxFeldUmordnen(TextFeld &feld, const Permutation &perm)
{
    umordnen<TextFeld, QString>(feld, perm, feldAnzahl(feld),
                                [&feld] { return nxFeldSortieren(feld).value_or(Permutation{}); });
}

void nxFeldUmordnen(std::vector<qint32> &feld, const Permutation &perm)
{
    const int n = feld.empty() ? 0 : int(feld.size() - 1);
    umordnen<std::vector<qint32>, qint32>(feld, perm, n, [&feld, n] {
        SortSchluessel s(n);
        s.zahlFeld([&feld](int i) { return qint64(feld[size_t(i)]); });
        return nxFeldSortieren(s).value_or(Permutation{});
    });
}

void nxFeldTextSortieren(TextFeld &feld)
{
    if (const auto p = nxFeldSortieren(feld))
        nxFeldUmordnen(feld, *p);
}

void nxFeldUmdrehen(std::vector<int> &feld)
{
    if (feld.size() > 2)
        std::reverse(feld.begin() + 1, feld.end());
}

void nxFeldEntfernen(TextFeld &feld, const QStringList &texte)
{
    const int n = feldAnzahl(feld);
    if (n < 1 || texte.isEmpty())
        return;
    std::vector<QByteArray> weg;
    weg.reserve(size_t(texte.size()));
    for (const QString &t : texte)
        weg.push_back(nxTextSchluessel(t));
    std::sort(weg.begin(), weg.end());
    TextFeld rest;
    rest.reserve(feld.size());
    rest.append(QString());
    for (int i = 1; i <= n; ++i) {
        if (!std::binary_search(weg.begin(), weg.end(), nxTextSchluessel(feld.at(i))))
            rest.append(feld.at(i));
    }
    feld = std::move(rest);
}

void nxFeldDoppelteEntfernen(TextFeld &feld)
{
    const int n = feldAnzahl(feld);
    if (n < 2)
        return;
    const SortSchluessel s = textSchluessel(feld);
    const Permutation p = nxFeldSortieren(s).value_or(Permutation{});
    // The sort is stable, so the first of each run of equal texts is the earliest one.
    std::vector<bool> behalten(size_t(n) + 1, false);
    for (int k = 1; k <= n; ++k)
        behalten[size_t(p[size_t(k)])] = k == 1 || s.vergleich(p[size_t(k - 1)], p[size_t(k)]) != 0;
    TextFeld rest;
    rest.append(QString());
    for (int i = 1; i <= n; ++i) {
        if (behalten[size_t(i)])
            rest.append(feld.at(i));
    }
    feld = std::move(rest);
}

QString nxTextTrimmen(const QString &text)
{
    qsizetype a = 0;
    qsizetype e = text.size();
    while (a < e && text.at(a).unicode() <= 0x20)
        ++a;
    while (e > a && text.at(e - 1).unicode() <= 0x20)
        --e;
    return text.mid(a, e - a);
}

TextFeld nxTextZeilenZuFeld(const QStringList &zeilen, bool leereBehalten)
{
    TextFeld feld;
    feld.reserve(zeilen.size() + 1);
    feld.append(QString());
    for (const QString &z : zeilen) {
        QString t = nxTextTrimmen(z);
        if (leereBehalten || !t.isEmpty())
            feld.append(std::move(t));
    }
    return feld;
}

QStringList nxFeldZuTextZeilen(const TextFeld &feld, bool leereBehalten)
{
    QStringList zeilen;
    for (qsizetype i = 1; i < feld.size(); ++i) {
        QString t = nxTextTrimmen(feld.at(i));
        if (leereBehalten || !t.isEmpty())
            zeilen.append(std::move(t));
    }
    return zeilen;
}

} // namespace rinolux
