#include "core/util/nx_U32Text.h"
#include "core/util/nx_ZeichenKomplex.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

using namespace rinolux;

namespace {

std::u32string u(const char *utf8)
{
    return nxU32AusText(QString::fromUtf8(utf8));
}

std::string aus(std::u32string_view s)
{
    return nxTextAusU32(s).toStdString();
}

// Cells as "a [aa]": the texts left to right, flagged ones in brackets.
std::string zellenBild(std::u32string_view text, const Zellen &zellen)
{
    std::string r;
    for (const Zelle &z : zellen) {
        if (!r.empty())
            r += ' ';
        const std::string t = aus(text.substr(size_t(z.start - 1), size_t(z.laenge)));
        r += z.markiert ? "[" + t + "]" : t;
    }
    return r;
}

std::string teileBild(const std::vector<std::u32string> &teile)
{
    std::string r;
    for (size_t i = 0; i < teile.size(); ++i)
        r += (i ? "|" : "") + std::string("<") + aus(teile[i]) + ">";
    return r;
}

// Every cell must cover the text exactly once, left to right.
void lueckenlos(std::u32string_view text, const Zellen &zellen)
{
    int erwartet = 1;
    for (const Zelle &z : zellen) {
        EXPECT_EQ(z.start, erwartet);
        EXPECT_GE(z.laenge, 1);
        erwartet = z.start + z.laenge;
    }
    EXPECT_EQ(erwartet, int(text.size()) + 1);
}

struct ScanFall
{
    const char *name;
    const char *text;
    MusterListe muster;
    ZellenWahl wahl;
    qint64 n;
    bool vorwaerts;
    bool vonLinks;
    bool positiv;
    bool grossKlein;
    const char *bild;
    int markiert;
};

void PrintTo(const ScanFall &f, std::ostream *os)
{
    *os << f.name;
}

class ZellenErmittelnTest : public ::testing::TestWithParam<ScanFall>
{};

TEST_P(ZellenErmittelnTest, Zellen)
{
    const ScanFall &f = GetParam();
    ZellenSuche s;
    s.muster = f.muster;
    s.wahl = f.wahl;
    s.n = f.n;
    s.vorwaertsZaehlen = f.vorwaerts;
    s.vonLinks = f.vonLinks;
    s.positiv = f.positiv;
    s.grossKlein = f.grossKlein;
    const std::u32string text = u(f.text);
    int markiert = -1;
    const Zellen z = nxZellenErmitteln(text, s, &markiert);
    EXPECT_EQ(zellenBild(text, z), f.bild);
    EXPECT_EQ(markiert, f.markiert);
    lueckenlos(text, z);
}

const MusterListe kAA{nxMusterWort(U"aa")};
const MusterListe kA{nxMusterWort(U"a")};
const MusterListe kZahl{nxMusterKlasse(KlasseZahl)};
const MusterListe kNichtZahl{nxMusterKlasse(KlasseZahl + KlasseNicht)};
const MusterListe kLeer{nxMusterKlasse(KlasseLeer)};
constexpr auto Alle = ZellenWahl::Alle;

INSTANTIATE_TEST_SUITE_P(
    Faelle, ZellenErmittelnTest,
    ::testing::Values(
        ScanFall{"WortVonLinks", "aaa", kAA, Alle, 1, true, true, true, true, "[aa] a", 1},
        ScanFall{"WortVonRechts", "aaa", kAA, Alle, 1, true, false, true, true, "a [aa]", 1},
        ScanFall{"LeererText", "", kA, Alle, 1, true, true, true, true, "", 0},
        ScanFall{"ZahlLaufVonLinks", "ab123c4", kZahl, Alle, 1, true, true, true, true, "a b [123] c [4]", 2},
        ScanFall{"ZahlLaufVonRechts", "ab123c4", kZahl, Alle, 1, true, false, true, true, "a b [123] c [4]", 2},
        ScanFall{"NichtZahlLaufUnmarkiert", "a12b", kNichtZahl, Alle, 1, true, true, true, true, "[a] 12 [b]", 2},
        ScanFall{"Verneint", "a b", kLeer, Alle, 1, true, true, false, true, "[a]   [b]", 2},
        ScanFall{"NteVorwaerts", "a.a.a", kA, ZellenWahl::Nte, 2, true, true, true, true, "a . [a] . a", 1},
        ScanFall{"NteRueckwaerts", "a1a2a", kA, ZellenWahl::Nte, 1, false, true, true, true, "a 1 a 2 [a]", 1},
        ScanFall{"NegativesNZaehltBetrag", "a.a.a", kA, ZellenWahl::Nte, -2, true, true, true, true, "a . [a] . a",
                 1},
        ScanFall{"AusserNter", "aaxa", kA, ZellenWahl::AusserNter, 2, true, true, true, true, "[a] a x [a]", 2},
        ScanFall{"NteJeFolge", "aaxaa", kA, ZellenWahl::NteJeFolge, 2, true, true, true, true, "a [a] x a [a]", 2},
        ScanFall{"ErsteN", "aaxaa", kA, ZellenWahl::ErsteN, 3, true, true, true, true, "[a] [a] x [a] a", 3},
        ScanFall{"OhneGrossKlein", "AbA", kA, Alle, 1, true, true, true, false, "[A] b [A]", 2},
        ScanFall{"MitGrossKlein", "AbA", kA, Alle, 1, true, true, true, true, "A b A", 0},
        ScanFall{"UmlautOhneGrossKlein", "äÄx", {nxMusterWort(U"Ä")}, Alle, 1, true, false, true, false, "[ä] [Ä] x", 2},
        ScanFall{"VerneinteKlasse", "a b", {nxMusterKlasse(KlasseLeer + KlasseNicht)}, Alle, 1, true, true, true, true,
                 "[a]   [b]", 2},
        ScanFall{"KlasseSiehtGrossKleinNicht", "aB", {nxMusterKlasse(KlasseGross)}, Alle, 1, true, true, true, false,
                 "a [B]", 1},
        ScanFall{"LeeresWortUeberall", "ab", {ZeichenMuster{}}, Alle, 1, true, true, true, true, "[a] [b]", 2},
        ScanFall{"LaengstesMusterGewinnt", "abc", MusterListe{nxMusterWort(U"a"), nxMusterWort(U"ab")}, Alle, 1, true,
                 true, true, true, "[ab] c", 1},
        ScanFall{"Beliebig", "xy", {nxMusterKlasse(KlasseBeliebig)}, Alle, 1, true, true, true, true, "[x] [y]", 2},
        ScanFall{"EmojiEineZelle", "a😀b", {nxMusterKlasse(KlasseSonder)}, Alle, 1, true, true, true, true,
                 "a [😀] b", 1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Zellen, PositionenBehaltenEntfernen)
{
    const ZellenSuche s = nxZellenSuche(MusterListe{nxMusterKlasse(KlasseZahl)});
    const Zellen pos = nxZellenPositionen(U"ab12c3", s);
    ASSERT_EQ(pos.size(), 2u);
    EXPECT_EQ(pos[0], (Zelle{3, 2, true}));
    EXPECT_EQ(pos[1], (Zelle{6, 1, true}));
    EXPECT_EQ(aus(nxZellenBehalten(U"ab12c3", s)), "123");
    EXPECT_EQ(aus(nxZellenEntfernen(U"ab12c3", s)), "abc");
}

// The flagged-cells scan stops early and may scan from the other end; whatever the
// parameters, it must give exactly the flagged cells of the full scan.
TEST(Zellen, PositionenWieVolleAbtastung)
{
    const std::vector<MusterListe> muster = {
        {nxMusterKlasse(KlasseBeliebig)},
        {nxMusterKlasse(KlasseLeer)},
        {nxMusterKlasse(KlasseZahl)},
        {nxMusterKlasse(KlasseZahl + KlasseNicht)},
        {nxMusterKlasse(KlasseBuchstabe), nxMusterKlasse(KlasseLeer)},
        {nxMusterWort(U"a")},
        {nxMusterWort(U"aa")},
        {nxMusterWort(U"A"), nxMusterWort(U"ab")},
        {ZeichenMuster{}},
        {},
    };
    const std::u32string zeichen = U"aAb 1234.xÄ";
    std::mt19937 zufall(4711);
    for (int runde = 0; runde < 4000; ++runde) {
        std::u32string text;
        const int laenge = int(zufall() % 12);
        for (int i = 0; i < laenge; ++i)
            text += zeichen[zufall() % zeichen.size()];
        ZellenSuche s;
        s.muster = muster[zufall() % muster.size()];
        s.wahl = std::array{ZellenWahl::Nte, ZellenWahl::AusserNter, ZellenWahl::NteJeFolge, ZellenWahl::ErsteN,
                            ZellenWahl::Alle}[zufall() % 5];
        s.n = qint64(zufall() % 7) - 3;
        s.vorwaertsZaehlen = zufall() % 2 == 0;
        s.vonLinks = zufall() % 2 == 0;
        s.positiv = zufall() % 4 != 0;
        s.grossKlein = zufall() % 2 == 0;

        Zellen erwartet = nxZellenErmitteln(text, s);
        std::erase_if(erwartet, [](const Zelle &z) { return !z.markiert; });
        ASSERT_EQ(nxZellenPositionen(text, s), erwartet)
            << "Text \"" << aus(text) << "\", Wahl " << int(s.wahl) << ", n " << s.n << ", vorwärts "
            << s.vorwaertsZaehlen << ", von links " << s.vonLinks << ", positiv " << s.positiv;
    }
}

struct AbschneidenFall
{
    const char *name;
    const char *text;
    Seite seite;
    const char *erwartet;
};

void PrintTo(const AbschneidenFall &f, std::ostream *os)
{
    *os << f.name;
}

class ZellenAbschneidenTest : public ::testing::TestWithParam<AbschneidenFall>
{};

TEST_P(ZellenAbschneidenTest, Leerzeichen)
{
    const AbschneidenFall &f = GetParam();
    EXPECT_EQ(aus(nxZellenAbschneiden(u(f.text), kLeer, f.seite)), f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(Faelle, ZellenAbschneidenTest,
                         ::testing::Values(AbschneidenFall{"Links", "  a b ", Seite::Links, "a b "},
                                           AbschneidenFall{"Rechts", "  a b ", Seite::Rechts, "  a b"},
                                           AbschneidenFall{"NichtsZuTun", "ab", Seite::Rechts, "ab"},
                                           AbschneidenFall{"NurLeerLinks", "   ", Seite::Links, ""},
                                           AbschneidenFall{"NurLeerRechts", "   ", Seite::Rechts, ""}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Zellen, AbschneidenBeideSeitenUndVonRechtsGebildet)
{
    EXPECT_EQ(aus(nxZellenAbschneidenBeide(U"   ", kLeer)), "");
    EXPECT_EQ(aus(nxZellenAbschneidenBeide(U" x ", kLeer)), "x");
    // Cells are formed from the trimmed side, so "aa" takes the last two of "baaa".
    EXPECT_EQ(aus(nxZellenAbschneiden(U"baaa", kAA, Seite::Rechts)), "ba");
    EXPECT_EQ(aus(nxZellenAbschneiden(U"aaab", kAA, Seite::Links)), "ab");
}

TEST(Zellen, Ersetzen)
{
    const ZellenSuche s = nxZellenSuche(kLeer);
    EXPECT_EQ(aus(nxZellenErsetzen(U"a  b ", s, U"_")), "a__b_");
    EXPECT_EQ(aus(nxZellenErsetzen(U"a  b ", s, U"_", true)), "a_b_");
    EXPECT_EQ(aus(nxZellenErsetzen(U"aXbx", nxZellenSuche(nxMusterWort(U"x"), false), U"")), "ab");
}

struct TeilenFall
{
    const char *name;
    const char *text;
    bool leereBehalten;
    const char *erwartet;
};

void PrintTo(const TeilenFall &f, std::ostream *os)
{
    *os << f.name;
}

class ZellenTeilenTest : public ::testing::TestWithParam<TeilenFall>
{};

TEST_P(ZellenTeilenTest, AmStrich)
{
    const TeilenFall &f = GetParam();
    EXPECT_EQ(teileBild(nxZellenTeilen(u(f.text), nxZellenSuche(nxMusterWort(U"|")), f.leereBehalten)), f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(Faelle, ZellenTeilenTest,
                         ::testing::Values(TeilenFall{"DoppeltMitLeeren", "a||b", true, "<a>|<>|<b>"},
                                           TeilenFall{"DoppeltOhneLeere", "a||b", false, "<a>|<b>"},
                                           TeilenFall{"RandMitLeeren", "|a|", true, "<>|<a>|<>"},
                                           TeilenFall{"RandOhneLeere", "|a|", false, "<a>"},
                                           TeilenFall{"LeerMitLeeren", "", true, "<>"},
                                           TeilenFall{"LeerOhneLeere", "", false, ""},
                                           TeilenFall{"NurTrenner", "|", true, "<>|<>"},
                                           TeilenFall{"OhneTrenner", "abc", true, "<abc>"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Zellen, Klammern)
{
    const KlammerTeile k = nxZellenKlammern(U"a(b)c", U'(', U')');
    ASSERT_EQ(k.teile.size(), 3u);
    EXPECT_EQ(aus(k.teile[0]) + aus(k.teile[1]) + aus(k.teile[2]), "abc");
    EXPECT_EQ(k.eingeschlossen, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(k.anzahlEingeschlossen, 1);

    const KlammerTeile offen = nxZellenKlammern(U"(ab", U'(', U')');
    EXPECT_EQ(offen.anzahlEingeschlossen, 0);
    const KlammerTeile zwei = nxZellenKlammern(U"[x][y]z", U'[', U']', false);
    EXPECT_EQ(zwei.anzahlEingeschlossen, 2);
    EXPECT_EQ(teileBild(zwei.teile), "<x>|<y>|<z>");
    const KlammerTeile fall = nxZellenKlammern(U"AxB", U'a', U'b', true, false);
    EXPECT_EQ(fall.anzahlEingeschlossen, 1);
}

// Every cell operation on a text with a code point beyond the BMP gives valid UTF-16.
TEST(Zellen, ErgebnisseBleibenGueltigesUtf16)
{
    const std::u32string text = u("a😀b😀");
    const ZellenSuche s = nxZellenSuche(nxMusterWort(U"b"));
    auto gueltig = [](std::u32string_view t) {
        const QString q = nxTextAusU32(t);
        for (qsizetype i = 0; i < q.size(); ++i) {
            if (q[i].isHighSurrogate()) {
                if (i + 1 >= q.size() || !q[i + 1].isLowSurrogate())
                    return false;
                ++i;
            } else if (q[i].isLowSurrogate()) {
                return false;
            }
        }
        return true;
    };
    EXPECT_TRUE(gueltig(nxZellenBehalten(text, s)));
    EXPECT_TRUE(gueltig(nxZellenEntfernen(text, s)));
    EXPECT_EQ(aus(nxZellenEntfernen(text, s)), "a😀😀");
    EXPECT_TRUE(gueltig(nxZellenErsetzen(text, nxZellenSuche(nxMusterKlasse(KlasseSonder)), U"-")));
    EXPECT_EQ(aus(nxZellenErsetzen(text, nxZellenSuche(nxMusterKlasse(KlasseSonder)), U"-")), "a-b-");
    for (const std::u32string &t : nxZellenTeilen(text, s, true))
        EXPECT_TRUE(gueltig(t));
    EXPECT_EQ(aus(nxZellenAbschneiden(text, {nxMusterKlasse(KlasseSonder)}, Seite::Rechts)), "a😀b");
}

} // namespace
