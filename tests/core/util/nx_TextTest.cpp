#include "core/shell/Fortschritt.h"
#include "core/util/nx_Text.h"

#include <QCollator>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

using namespace rinolux;

namespace {

QString q(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

TextFeld feldAus(std::initializer_list<const char *> texte)
{
    TextFeld f{QString()};
    for (const char *t : texte)
        f.append(q(t));
    return f;
}

QStringList inhalt(const TextFeld &f)
{
    return f.mid(1);
}

QStringList liste(std::initializer_list<const char *> texte)
{
    QStringList l;
    for (const char *t : texte)
        l.append(q(t));
    return l;
}

struct VergleichFall
{
    const char *name;
    const char *a;
    const char *b;
    int erwartet;
};

void PrintTo(const VergleichFall &f, std::ostream *os)
{
    *os << f.name;
}

class TextVergleichTest : public ::testing::TestWithParam<VergleichFall>
{};

TEST_P(TextVergleichTest, ReihenfolgeUndKeyStimmenUeberein)
{
    const VergleichFall &f = GetParam();
    EXPECT_EQ(nxTextVergleich(q(f.a), q(f.b)), f.erwartet);
    EXPECT_EQ(nxTextVergleich(q(f.b), q(f.a)), -f.erwartet);
    const int k = nxTextSchluessel(q(f.a)).compare(nxTextSchluessel(q(f.b)));
    EXPECT_EQ((k > 0) - (k < 0), f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, TextVergleichTest,
    ::testing::Values(VergleichFall{"GrossKleinGleich", "ABC", "abc", 0},
                      VergleichFall{"UmlautNachVokal", "Bas", "Bär", -1},
                      VergleichFall{"UmlautVorNaechstemBuchstaben", "Bär", "Bb", -1},
                      VergleichFall{"UmlautGrossKleinGleich", "ÄPFEL", "äpfel", 0},
                      VergleichFall{"MasseVorMasze", "Masse", "Maße", -1},
                      VergleichFall{"MastVorMasze", "Mast", "Maße", -1},
                      VergleichFall{"GrossesSGilt", "MASSE", "Maße", -1},
                      VergleichFall{"BindestrichZaehlt", "a-b", "ab", -1},
                      VergleichFall{"BindestrichVorPlus", "a-b", "a+b", -1},
                      VergleichFall{"VerzeichnisVorName", "a", "a b", -1},
                      VergleichFall{"Leer", "", "a", -1}),
    [](const auto &info) { return std::string(info.param.name); });

// Where the rewriting has nothing to do, the order is exactly that of a case-insensitive
// German QCollator.
TEST(TextVergleich, OhneUmschreibungWieDeutscherCollator)
{
    QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QRandomGenerator zufall(99);
    const QString zeichen = q("bBcdeéÉèfgGhiIíkKlmnpqrtvwxyz1209 _.,'&é漢𝔸");
    auto zufallsText = [&] {
        QString t;
        const int len = zufall.bounded(7);
        for (int j = 0; j < len; ++j) {
            int k = zufall.bounded(int(zeichen.size()));
            if (zeichen[k].isLowSurrogate())
                --k;
            t += zeichen[k];
            if (zeichen[k].isHighSurrogate())
                t += zeichen[k + 1];
        }
        return t;
    };
    for (int i = 0; i < 2000; ++i) {
        const QString a = zufallsText();
        const QString b = zufallsText();
        const int c = collator.compare(a, b);
        ASSERT_EQ(nxTextVergleich(a, b), (c > 0) - (c < 0)) << a.toStdString() << " / " << b.toStdString();
    }
}

TEST(TextSortieren, DeutscheReihenfolge)
{
    TextFeld f = feldAus({"Bb", "Bär", "Bas", "Bar"});
    nxFeldTextSortieren(f);
    EXPECT_EQ(inhalt(f), liste({"Bar", "Bas", "Bär", "Bb"}));

    TextFeld obst = feldAus({"Zebra", "Äpfel", "birne", "Apfel"});
    nxFeldTextSortieren(obst);
    EXPECT_EQ(inhalt(obst), liste({"Apfel", "Äpfel", "birne", "Zebra"}));
}

TEST(TextSortieren, KleineFelder)
{
    EXPECT_EQ(nxFeldSortieren(TextFeld{}), Permutation{});
    EXPECT_EQ(nxFeldSortieren(TextFeld{QString()}), Permutation{});
    EXPECT_EQ(nxFeldSortieren(feldAus({"x"})), (Permutation{0, 1}));
}

TEST(TextSortieren, StabilBeiGleichenSchluesseln)
{
    // Equal keys (case only) keep their input order.
    const TextFeld f = feldAus({"b", "ABC", "a", "abc", "Abc"});
    EXPECT_EQ(nxFeldSortieren(f), (Permutation{0, 3, 2, 4, 5, 1}));
}

TEST(TextSortieren, ZusammengesetzteSchluesselFeldWeise)
{
    // (directory, name): the directory decides first, "a" before "a b" although "a/z"
    // and "a b/a" would order the other way round as one text.
    const QStringList verz = liste({"a b", "a", "a", "A"});
    const QStringList name = liste({"a", "z", "b", "c"});
    SortSchluessel s(4);
    s.textFeld([&](int i) { return verz[i - 1]; });
    s.textFeld([&](int i) { return name[i - 1]; });
    EXPECT_EQ(nxFeldSortieren(s), (Permutation{0, 3, 4, 2, 1}));
}

TEST(TextSortieren, BytesUndZahlen)
{
    const std::vector<QByteArray> zeiten{"20240305_070809_005_2", "19991231_235959_999_5", "20240305_070809_004_2"};
    SortSchluessel s(3);
    s.bytesFeld([&](int i) { return zeiten[size_t(i - 1)]; });
    EXPECT_EQ(nxFeldSortieren(s), (Permutation{0, 2, 3, 1}));

    const std::vector<qint64> zahlen{5, -3, 5, 0};
    SortSchluessel z(4);
    z.zahlFeld([&](int i) { return zahlen[size_t(i - 1)]; });
    EXPECT_EQ(nxFeldSortieren(z), (Permutation{0, 2, 4, 1, 3}));
}

// Many random texts: the permutation is a real permutation, ordered by the text order,
// and the same on a second run.
TEST(TextSortieren, GrosseZufallsmengeGeordnetUndWiederholbar)
{
    QRandomGenerator zufall(4711);
    const QString zeichen = q("aAbBsSßäÄöüo-+ 1");
    TextFeld f{QString()};
    for (int i = 0; i < 3000; ++i) {
        QString t;
        const int len = zufall.bounded(6);
        for (int j = 0; j < len; ++j)
            t += zeichen[zufall.bounded(int(zeichen.size()))];
        f.append(t);
    }
    const auto p = nxFeldSortieren(f);
    ASSERT_TRUE(p);
    ASSERT_EQ(p->size(), size_t(f.size()));
    std::vector<bool> gesehen(size_t(f.size()), false);
    for (size_t k = 1; k < p->size(); ++k) {
        const int e = (*p)[k];
        ASSERT_TRUE(e >= 1 && e < f.size() && !gesehen[size_t(e)]);
        gesehen[size_t(e)] = true;
        if (k > 1) {
            const int vorher = (*p)[k - 1];
            const int v = nxTextVergleich(f.at(vorher), f.at(e));
            ASSERT_LE(v, 0) << f.at(vorher).toStdString() << " / " << f.at(e).toStdString();
            if (v == 0) {
                ASSERT_LT(vorher, e); // stable
            }
        }
    }
    EXPECT_EQ(nxFeldSortieren(f), p);
}

// Keys that share far more than the 16 bytes an entry carries (one folder of numbered
// names), keys that are another's beginning, zero bytes inside a key and a second field:
// the sort gives exactly the stable order of the whole comparison.
TEST(TextSortieren, LangeGemeinsameAnfaengeWieGanzerVergleich)
{
    QRandomGenerator zufall(815);
    const QByteArray anfaenge[] = {"", "Urlaub am See ", QByteArray(15, 'x'), QByteArray(16, 'x'), QByteArray(17, 'x'), QByteArray(24, 'w'),
                                   QByteArray(40, 'y') + QByteArray(1, '\0'), QByteArray(47, 'z')};
    std::vector<QByteArray> schluessel;
    std::vector<qint64> zweites;
    for (int i = 0; i < 4000; ++i) {
        QByteArray k = anfaenge[zufall.bounded(int(std::size(anfaenge)))];
        const int mehr = zufall.bounded(5);
        for (int j = 0; j < mehr; ++j)
            k += char(zufall.bounded(3)); // 0, 1 or 2: zero bytes and near twins
        schluessel.push_back(k);
        zweites.push_back(zufall.bounded(3));
    }
    const int n = int(schluessel.size());
    for (const bool mitZweitem : {false, true}) {
        SortSchluessel s(n);
        s.bytesFeld([&](int i) { return schluessel[size_t(i - 1)]; });
        if (mitZweitem)
            s.zahlFeld([&](int i) { return zweites[size_t(i - 1)]; });
        Permutation erwartet(size_t(n) + 1);
        std::iota(erwartet.begin(), erwartet.end(), 0);
        std::stable_sort(erwartet.begin() + 1, erwartet.end(), [&](int a, int b) { return s.vergleich(a, b) < 0; });
        EXPECT_EQ(nxFeldSortieren(s), erwartet) << (mitZweitem ? "mit zweitem Feld" : "ein Feld");
    }
}

TEST(TextSortieren, AbbruchDurchFortschritt)
{
    TextFeld f{QString()};
    for (int i = 0; i < 30000; ++i)
        f.append(QString::number((i * 7919) % 30000));
    AbbruchBeiSchritt fort(2);
    EXPECT_FALSE(nxFeldSortieren(f, &fort));
    EXPECT_TRUE(fort.Abbruch);
    EXPECT_EQ(fort.gezaehlt(), 2);

    StillerFortschritt still;
    EXPECT_TRUE(nxFeldSortieren(f, &still));
    still.Abbruch = true; // already cancelled: nothing is sorted
    EXPECT_FALSE(nxFeldSortieren(feldAus({"b", "a"}), &still));
}

TEST(TextSuchen, ErstesGleichesElement)
{
    const TextFeld sortiert = feldAus({"a", "b", "B", "b", "c"});
    EXPECT_EQ(nxFeldSuchen(sortiert, true, q("b")), 2);
    EXPECT_EQ(nxFeldSuchen(sortiert, true, q("c")), 5);
    EXPECT_EQ(nxFeldSuchen(sortiert, true, q("bb")), 0);
    EXPECT_EQ(nxFeldSuchen(sortiert, true, q("0")), 0);
    EXPECT_EQ(nxFeldSuchen(feldAus({"x", "Ä", "ä"}), false, q("ä")), 2);
    EXPECT_EQ(nxFeldSuchen(TextFeld{}, true, q("a")), 0);
}

TEST(TextFeld, UmordnenNurMitPassenderPermutation)
{
    TextFeld f = feldAus({"c", "a", "b"});
    nxFeldUmordnen(f, Permutation{0, 3, 1, 2});
    EXPECT_EQ(inhalt(f), liste({"b", "c", "a"}));
    // A number twice would lose an element: the own sort order is used instead.
    nxFeldUmordnen(f, Permutation{0, 1, 1, 2});
    EXPECT_EQ(inhalt(f), liste({"a", "b", "c"}));
    TextFeld g = feldAus({"z", "y"});
    nxFeldUmordnen(g, Permutation{0, 1});
    EXPECT_EQ(inhalt(g), liste({"y", "z"}));

    std::vector<qint32> zahlen{0, 30, 10, 20};
    nxFeldUmordnen(zahlen, Permutation{0, 2, 3, 1});
    EXPECT_EQ(zahlen, (std::vector<qint32>{0, 10, 20, 30}));
    nxFeldUmordnen(zahlen, Permutation{});
    EXPECT_EQ(zahlen, (std::vector<qint32>{0, 10, 20, 30}));
    std::vector<int> u{0, 1, 2, 3};
    nxFeldUmdrehen(u);
    EXPECT_EQ(u, (std::vector<int>{0, 3, 2, 1}));
}

TEST(TextFeld, EntfernenUndDoppelte)
{
    TextFeld f = feldAus({"b", "A", "c", "a", "Straße"});
    nxFeldEntfernen(f, liste({"a", "STRASSE", "strasse", "straße"}));
    EXPECT_EQ(inhalt(f), liste({"b", "c"}));

    TextFeld d = feldAus({"b", "a", "B", "c", "A", "b"});
    nxFeldDoppelteEntfernen(d);
    EXPECT_EQ(inhalt(d), liste({"b", "a", "c"}));
}

TEST(TextFeld, ZeilenUndFeld)
{
    const QStringList zeilen = liste({"  a ", "", "\tb", " ", "c\r"});
    EXPECT_EQ(inhalt(nxTextZeilenZuFeld(zeilen, false)), liste({"a", "b", "c"}));
    const TextFeld mit = nxTextZeilenZuFeld(zeilen, true);
    EXPECT_EQ(mit.first(), QString());
    EXPECT_EQ(inhalt(mit), liste({"a", "", "b", "", "c"}));
    EXPECT_EQ(nxFeldZuTextZeilen(mit, false), liste({"a", "b", "c"}));
    EXPECT_EQ(nxFeldZuTextZeilen(mit, true), liste({"a", "", "b", "", "c"}));
    // A no-break space belongs to the name.
    EXPECT_EQ(nxTextTrimmen(q("\u00a0x ")), q("\u00a0x"));
}

} // namespace

namespace {

int vz(int v)
{
    return (v > 0) - (v < 0);
}

// The collator's own order as a sort field: its keys in plain byte order.
SortSchluessel kollatorFeld(const QStringList &texte)
{
    SortSchluessel s(int(texte.size()));
    s.bytesFeld([&](int i) { return nxTextSchluessel(texte[i - 1]); });
    return s;
}

// Random texts of printable ASCII, umlauts and ß; many share a beginning, are prefixes of
// each other or equal but for letter case, as names in one folder do.
QStringList einfacheZufallsTexte(int anzahl, quint32 saat)
{
    QRandomGenerator zufall(saat);
    QString zeichen;
    for (char16_t c = 0x20; c < 0x7F; ++c)
        zeichen += QChar(c);
    zeichen += q("äöüÄÖÜßẞ");
    QStringList t;
    for (int i = 0; i < anzahl; ++i) {
        const int art = t.isEmpty() ? 0 : zufall.bounded(5);
        const QString &frueher = t.isEmpty() ? QString() : t[zufall.bounded(int(t.size()))];
        QString neu;
        if (art == 1) {
            neu = frueher.left(zufall.bounded(int(frueher.size()) + 1));
        } else if (art == 2) {
            neu = zufall.bounded(2) ? frueher.toUpper() : frueher;
        } else {
            neu = art == 3 ? frueher : QString();
            const int laenge = zufall.bounded(art == 3 ? 4 : 12);
            for (int j = 0; j < laenge; ++j)
                neu += zeichen[zufall.bounded(int(zeichen.size()))];
        }
        t << neu;
    }
    return t;
}

} // namespace

// Every text of at most two characters from printable ASCII, umlauts and ß: each pair of
// characters meets once, the rewritten pairs ("a1", "a2") beside everything else.
QStringList alleKurzenTexte()
{
    QString zeichen;
    for (char16_t c = 0x20; c < 0x7F; ++c)
        zeichen += QChar(c);
    zeichen += q("äöüÄÖÜßẞ");
    QStringList t{QString()};
    for (const QChar a : zeichen) {
        t << QString(a);
        for (const QChar b : zeichen)
            t << QString(a) + b;
    }
    return t;
}

struct EinfacheTexteFall
{
    const char *name;
    QStringList (*texte)();
};

void PrintTo(const EinfacheTexteFall &f, std::ostream *os)
{
    *os << f.name;
}

class SchnelleSchluessel : public ::testing::TestWithParam<EinfacheTexteFall>
{};

// The cheap keys of texts made of simple characters order exactly as the collator's keys
// and nxTextVergleich: pair by pair and as a whole sort, ties (letter case) included.
TEST_P(SchnelleSchluessel, OrdnenGenauWieDerKollator)
{
    ASSERT_TRUE(nxTextSchnellVorbereiten());
    const QStringList t = GetParam().texte();
    std::vector<QByteArray> utf8;
    for (const QString &x : t)
        utf8.push_back(x.toUtf8());
    const int n = int(t.size());

    SortSchluessel einfach(n);
    ASSERT_TRUE(einfach.textFeldEinfach([&](int i) { return QByteArrayView(utf8[size_t(i - 1)]); }));
    SortSchluessel text(n);
    text.textFeld([&](int i) { return t[i - 1]; });
    const SortSchluessel kollator = kollatorFeld(t);

    QRandomGenerator zufall(99);
    for (int k = 0; k < 20000; ++k) {
        // Neighbours in the input share beginnings often; random pairs mostly differ early.
        const int a = 1 + zufall.bounded(n);
        const int b = k % 2 ? std::min(n, a + 1) : 1 + zufall.bounded(n);
        const int soll = kollator.vergleich(a, b);
        ASSERT_EQ(vz(einfach.vergleich(a, b)), soll) << t[a - 1].toStdString() << " / " << t[b - 1].toStdString();
        ASSERT_EQ(vz(text.vergleich(a, b)), soll) << t[a - 1].toStdString() << " / " << t[b - 1].toStdString();
        if (k % 10 == 0) {
            ASSERT_EQ(nxTextVergleich(t[a - 1], t[b - 1]), soll);
        }
    }
    const auto p = nxFeldSortieren(kollator);
    EXPECT_EQ(nxFeldSortieren(einfach), p);
    EXPECT_EQ(nxFeldSortieren(text), p);
}

INSTANTIATE_TEST_SUITE_P(Texte, SchnelleSchluessel,
                         ::testing::Values(EinfacheTexteFall{"Zufall", [] { return einfacheZufallsTexte(3000, 20261210); }},
                                           EinfacheTexteFall{"AlleBisZweiZeichen", alleKurzenTexte}),
                         [](const ::testing::TestParamInfo<EinfacheTexteFall> &i) { return std::string(i.param.name); });

struct FremderTextFall
{
    const char *name;
    const char *text;
};

void PrintTo(const FremderTextFall &f, std::ostream *os)
{
    *os << f.name;
}

class FremderText : public ::testing::TestWithParam<FremderTextFall>
{};

// One text the cheap keys do not cover sends the whole field the collator's way: the
// order stays exactly the collator's, and the UTF-8 variant adds no field at all.
TEST_P(FremderText, GanzesFeldNachDemKollator)
{
    ASSERT_TRUE(nxTextSchnellVorbereiten());
    QStringList t = einfacheZufallsTexte(400, 7);
    t << q("e") << q("f") << q("l") << q("m") << q("ab") << q("a b") << q("zz");
    t.insert(200, q(GetParam().text));
    t << q(GetParam().text).toUpper();
    const int n = int(t.size());
    std::vector<QByteArray> utf8;
    for (const QString &x : t)
        utf8.push_back(x.toUtf8());

    SortSchluessel einfach(n);
    EXPECT_FALSE(einfach.textFeldEinfach([&](int i) { return QByteArrayView(utf8[size_t(i - 1)]); }));
    // Nothing was added: a later field alone decides.
    einfach.zahlFeld([n](int i) { return qint64(n - i); });
    Permutation rueckwaerts{0};
    for (int i = n; i >= 1; --i)
        rueckwaerts.push_back(i);
    EXPECT_EQ(nxFeldSortieren(einfach), rueckwaerts);

    SortSchluessel text(n);
    text.textFeld([&](int i) { return t[i - 1]; });
    EXPECT_EQ(nxFeldSortieren(text), nxFeldSortieren(kollatorFeld(t)));
}

INSTANTIATE_TEST_SUITE_P(NichtEinfach, FremderText,
                         ::testing::Values(FremderTextFall{"AkzentE", "é"}, FremderTextFall{"PolnischL", "łódź"},
                                           FremderTextFall{"Japanisch", "東京 2024"},
                                           FremderTextFall{"Emoji", "Urlaub 😀"},
                                           FremderTextFall{"Steuerzeichen", "a\tb"},
                                           FremderTextFall{"KeinUmbruchLeerzeichen", "a\u00a0b"},
                                           FremderTextFall{"LangesS", "ſ"}),
                         [](const ::testing::TestParamInfo<FremderTextFall> &i) { return std::string(i.param.name); });

// Bytes that are not UTF-8 (or not simple characters) never take the cheap way.
TEST(SchnelleSchluesselUtf8, NurGueltigesUtf8)
{
    ASSERT_TRUE(nxTextSchnellVorbereiten());
    const std::vector<QByteArray> faelle{"\xC3", "a\xC3(", "\xC3\xA4\xA4", "\xE1\xBA", "\xE1\xBA\x9F", "\xFF", "\xC0\xA1",
                                         "a\x7F", "\xF0\x9F\x98\x80"};
    for (const QByteArray &f : faelle) {
        SortSchluessel s(2);
        const QByteArray gut = "a";
        EXPECT_FALSE(s.textFeldEinfach([&](int i) { return QByteArrayView(i == 1 ? gut : f); })) << f.toHex().toStdString();
    }
    // The umlauts, ß and ẞ themselves do.
    const QStringList deutsch = liste({"Straße", "STRAẞE", "Strasse", "Äpfel", "apfel", "Öl", "über", "Ubel"});
    std::vector<QByteArray> utf8;
    for (const QString &x : deutsch)
        utf8.push_back(x.toUtf8());
    SortSchluessel s(int(deutsch.size()));
    ASSERT_TRUE(s.textFeldEinfach([&](int i) { return QByteArrayView(utf8[size_t(i - 1)]); }));
    EXPECT_EQ(nxFeldSortieren(s), nxFeldSortieren(kollatorFeld(deutsch)));
}
