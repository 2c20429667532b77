#include "core/util/nx_Text.h"

#include "core/shell/Fortschritt.h"

#include <QLocale>

#include <algorithm>

namespace rinolux {

namespace {

// The only collator of the system: German, letter case ignored, punctuation not skipped
// (the rewriting below makes the hyphen count).
const QCollator &kollator()
{
    thread_local const QCollator k = [] {
        QCollator c{QLocale(QLocale::German, QLocale::Germany)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setIgnorePunctuation(false);
        c.setNumericMode(false);
        return c;
    }();
    return k;
}

// The system's own rewriting: an umlaut becomes a letter of its own right after its plain
// vowel, "ß" one right after "s", and the hyphen a character just before "+". It is applied
// to every text, not only when a pair holds a trigger: inserting the same mark after the
// same letter in both texts does not change their order, and a rewriting that depends
// only on the text itself gives keys, a total order and so a consistent sort.
QString umschreiben(const QString &text)
{
    const QString klein = text.toLower();
    QString r;
    r.reserve(klein.size() + klein.size() / 2 + 2);
    for (const QChar c : klein) {
        switch (c.unicode()) {
        case u's': r += u"s1"; break;
        case u'ß': r += u"s2"; break;
        case u'a': r += u"a1"; break;
        case u'ä': r += u"a2"; break;
        case u'o': r += u"o1"; break;
        case u'ö': r += u"o2"; break;
        case u'u': r += u"u1"; break;
        case u'ü': r += u"u2"; break;
        case u'+': r += u"+2"; break;
        case u'-': r += u"+1"; break;
        default: r += c; break;
        }
    }
    return r;
}

int vorzeichen(int v)
{
    return (v > 0) - (v < 0);
}

} // namespace

int nxTextVergleich(const QString &a, const QString &b)
{
    return vorzeichen(kollator().compare(umschreiben(a), umschreiben(b)));
}

QCollatorSortKey nxTextSchluessel(const QString &text)
{
    return kollator().sortKey(umschreiben(text));
}

SortSchluessel::SortSchluessel(int anzahl) : m_anzahl(std::max(anzahl, 0)) {}

void SortSchluessel::textFeld(const std::function<QString(int)> &text)
{
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(m_anzahl));
    const QCollator &k = kollator();
    for (int i = 1; i <= m_anzahl; ++i)
        keys.push_back(k.sortKey(umschreiben(text(i))));
    m_felder.emplace_back(std::move(keys));
}

void SortSchluessel::bytesFeld(const std::function<QByteArray(int)> &bytes)
{
    std::vector<QByteArray> keys;
    keys.reserve(size_t(m_anzahl));
    for (int i = 1; i <= m_anzahl; ++i)
        keys.push_back(bytes(i));
    m_felder.emplace_back(std::move(keys));
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
    const size_t ia = size_t(a - 1);
    const size_t ib = size_t(b - 1);
    for (const Feld &f : m_felder) {
        int v = 0;
        if (const auto *t = std::get_if<std::vector<QCollatorSortKey>>(&f))
            v = (*t)[ia].compare((*t)[ib]);
        else if (const auto *by = std::get_if<std::vector<QByteArray>>(&f))
            v = QByteArrayView((*by)[ia]).compare((*by)[ib]);
        else {
            const auto &z = std::get<std::vector<qint64>>(f);
            v = (z[ia] > z[ib]) - (z[ia] < z[ib]);
        }
        if (v != 0)
            return vorzeichen(v);
    }
    return 0;
}

namespace {

// Bottom-up merge sort on element numbers: stable, n log n comparisons of precomputed
// keys, and a natural place to look at the cancel flag between small pieces of work.
class Sortierer final
{
public:
    Sortierer(const SortSchluessel &s, Fortschritt *fort) : m_s(s), m_fort(fort) {}

    bool sortieren(std::vector<int> &a)
    {
        const size_t n = a.size();
        std::vector<int> b(n);
        // Short runs by insertion first: fewer passes over the data.
        constexpr size_t kLauf = 16;
        m_gesamt = qint64(n) * 2;
        for (size_t w = kLauf; w < n; w *= 2)
            m_gesamt += qint64(n);
        for (size_t anfang = 0; anfang < n; anfang += kLauf) {
            const size_t ende = std::min(n, anfang + kLauf);
            for (size_t i = anfang + 1; i < ende; ++i) {
                const int x = a[i];
                size_t j = i;
                while (j > anfang && m_s.vergleich(a[j - 1], x) > 0) {
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
                    b[k++] = m_s.vergleich(a[j], a[i]) < 0 ? a[j++] : a[i++];
                while (i < mitte)
                    b[k++] = a[i++];
                while (j < rechts)
                    b[k++] = a[j++];
                if (!weiter(qint64(rechts - links)))
                    return false;
            }
            a.swap(b);
        }
        return !(m_fort && m_fort->Abbruch);
    }

private:
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
    std::vector<int> reihe(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        reihe[size_t(i)] = i + 1;
    Sortierer sortierer(schluessel, fort);
    if (!sortierer.sortieren(reihe))
        return std::nullopt;
    Permutation p;
    p.reserve(size_t(n) + 1);
    p.push_back(0);
    p.insert(p.end(), reihe.begin(), reihe.end());
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
    const QCollatorSortKey key = nxTextSchluessel(text);
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
    std::vector<QCollatorSortKey> weg;
    weg.reserve(size_t(texte.size()));
    for (const QString &t : texte)
        weg.push_back(nxTextSchluessel(t));
    const auto kleiner = [](const QCollatorSortKey &a, const QCollatorSortKey &b) { return a.compare(b) < 0; };
    std::sort(weg.begin(), weg.end(), kleiner);
    TextFeld rest;
    rest.reserve(feld.size());
    rest.append(QString());
    for (int i = 1; i <= n; ++i) {
        const QCollatorSortKey k = nxTextSchluessel(feld.at(i));
        if (!std::binary_search(weg.begin(), weg.end(), k, kleiner))
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
