#include "core/engine/Stellen.h"
#include "core/engine/RegelListe.h"
#include "core/util/nx_U32Text.h"

#include <gtest/gtest.h>

using namespace rinolux;

namespace {

std::u32string u(const char *utf8)
{
    return nxU32AusText(QString::fromUtf8(utf8));
}
std::string utf8(std::u32string_view t)
{
    return nxTextAusU32(t).toStdString();
}

// Cells as "start:length" joined by ",", so a table row reads like the expectation.
std::string zellenText(const Zellen &z)
{
    std::string s;
    for (const Zelle &c : z) {
        if (!s.empty())
            s += ',';
        s += std::to_string(c.start) + ':' + std::to_string(c.laenge);
    }
    return s;
}

Stellenangabe stelle(int art, qint64 anzahl, int gruppe, const char *wort = "", const char *gross = "",
                     Anker anker = Anker::Genau)
{
    return Stellenangabe{anker, art, anzahl, gruppe, QString::fromUtf8(wort), QString::fromUtf8(gross)};
}

// Groups by index, as the combos list them.
constexpr int Zeichen = 0, Wort = 1, Buchstabe = 2, Gross = 3, Leer = 5, Sonder = 7, Ziffer = 8, Zahl = 9,
              NichtWort = 10, NichtZahl = 18;

// ---- working triple and cleaning

struct TeileFall
{
    const char *name;
    const char *datei;
    int teil;
    const char *vorne, *arbeit, *hinten;
};

void PrintTo(const TeileFall &f, std::ostream *os)
{
    *os << f.name;
}

class ArbeitsTeileTest : public ::testing::TestWithParam<TeileFall>
{
};

TEST_P(ArbeitsTeileTest, Schneiden)
{
    const TeileFall &f = GetParam();
    const ArbeitsTeile t = ArbeitsTeileAusName(u(f.datei), f.teil);
    EXPECT_EQ(utf8(t.vorne), f.vorne);
    EXPECT_EQ(utf8(t.arbeit), f.arbeit);
    EXPECT_EQ(utf8(t.hinten), f.hinten);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ArbeitsTeileTest,
    ::testing::Values(TeileFall{"alles", "Foto 001.JPG", 0, "", "Foto 001.JPG", ""},
                      TeileFall{"name", "Foto 001.JPG", 1, "", "Foto 001", ".JPG"},
                      TeileFall{"format", "Foto 001.JPG", 2, "Foto 001.", "JPG", ""},
                      TeileFall{"letzterPunkt", "a.b.c", 1, "", "a.b", ".c"},
                      TeileFall{"ohneFormatName", "README", 1, "", "README", "."},
                      TeileFall{"ohneFormatFormat", "README", 2, "README.", "", ""},
                      TeileFall{"nurPunktVorne", ".bashrc", 1, "", "", ".bashrc"},
                      TeileFall{"umlaute", "Größe Ärger.tär", 2, "Größe Ärger.", "tär", ""},
                      TeileFall{"ausserhalbBasisebene", "\xF0\x9F\x98\x80x.\xF0\x9F\x98\x80", 1, "",
                                "\xF0\x9F\x98\x80x", ".\xF0\x9F\x98\x80"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ErgebnisBereinigenTest, ErstPunkteDannLeerzeichen)
{
    const std::pair<const char *, const char *> faelle[] = {
        {"x .", "x"}, {"x. ", "x."}, {"a. .", "a."}, {"abc.", "abc"},
        {"...", ""},  {"", ""},      {"a b", "a b"}, {"ä\xF0\x9F\x98\x80. ", "ä\xF0\x9F\x98\x80."},
    };
    for (const auto &[ein, aus] : faelle)
        EXPECT_EQ(utf8(ErgebnisBereinigen(u(ein))), aus) << ein;
    // A format inserted into a name without a dot: the suffix dot of choice 1 goes again.
    const ArbeitsTeile t = ArbeitsTeileAusName(U"abc", 1);
    EXPECT_EQ(ErgebnisBereinigen(t.zusammen()), U"abc");
    ArbeitsTeile f = ArbeitsTeileAusName(U"abc", 2);
    f.arbeit = U"txt";
    EXPECT_EQ(ErgebnisBereinigen(f.zusammen()), U"abc.txt");
}

// ---- single positions

struct StellenFall
{
    const char *name;
    const char *text;
    Stellenangabe stelle;
    bool vonLinks;
    std::optional<Bezug> bezug;
    const char *zellen;
};

void PrintTo(const StellenFall &f, std::ostream *os)
{
    *os << f.name;
}

class StelleAufloesenTest : public ::testing::TestWithParam<StellenFall>
{
};

TEST_P(StelleAufloesenTest, Zellen)
{
    const StellenFall &f = GetParam();
    EXPECT_EQ(zellenText(StelleAufloesen(u(f.text), f.stelle, f.vonLinks, f.bezug)), f.zellen);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, StelleAufloesenTest,
    ::testing::Values(
        StellenFall{"demZeichen", "Foto 001", stelle(1, 1, Zeichen), true, {}, "1:1"},
        StellenFall{"vonRechtsDemIstDasLetzte", "abc", stelle(1, 1, Zeichen), false, {}, "3:1"},
        StellenFall{"vonRechtsDemLetztenIstDasErste", "abc", stelle(1, -1, Zeichen), false, {}, "1:1"},
        StellenFall{"vonLinksDemLetzten", "abc", stelle(1, -1, Zeichen), true, {}, "3:1"},
        StellenFall{"zahlIstDieGanzeFolge", "Foto 001", stelle(1, 1, Zahl), true, {}, "6:3"},
        StellenFall{"zifferIstEinZeichen", "Foto 001", stelle(1, 1, Ziffer), true, {}, "6:1"},
        StellenFall{"zweiteZahlVonRechts", "a12b345", stelle(1, 2, Zahl), false, {}, "2:2"},
        StellenFall{"jedesZweiteJeFolge", "a  b   c", stelle(7, 2, Leer), true, {}, "3:1,6:1"},
        StellenFall{"jedesLetzteJeFolge", "a  b   c", stelle(7, -1, Leer), true, {}, "3:1,7:1"},
        StellenFall{"jedes", "a  b   c", stelle(6, 1, Leer), true, {}, "2:1,3:1,5:1,6:1,7:1"},
        StellenFall{"dieErsten", "ab1c", stelle(3, 2, Buchstabe), true, {}, "1:1,2:1"},
        StellenFall{"dieLetzten", "ab1c", stelle(3, -2, Buchstabe), true, {}, "2:1,4:1"},
        StellenFall{"allesHinterZeichen", "abc", stelle(5, 1, Zeichen), true, {}, "2:2"},
        StellenFall{"allesVorZeichen", "abc", stelle(4, 1, Zeichen), true, {}, ""},
        StellenFall{"allesHinterZahl", "a12b", stelle(5, 1, Zahl), true, {}, "4:1"},
        StellenFall{"allesVorZahl", "a12b", stelle(4, 1, Zahl), true, {}, "1:1"},
        StellenFall{"allesHinterAmEnde", "ab12", stelle(5, 1, Zahl), true, {}, ""},
        // From the right "hinter" is the left side.
        StellenFall{"vonRechtsAllesHinter", "abc", stelle(5, 1, Zeichen), false, {}, "1:2"},
        StellenFall{"vonRechtsAllesVor", "abc", stelle(4, 1, Zeichen), false, {}, ""},
        StellenFall{"vonRechtsAllesVorZweitem", "abc", stelle(4, 2, Zeichen), false, {}, "3:1"},
        StellenFall{"naechstesNachBezug", "a b c d", stelle(2, 1, Leer), true, Bezug{4, 4}, "6:1"},
        StellenFall{"zweitesNaechstes", "a b c d e", stelle(2, 2, Leer), true, Bezug{3, 3}, "6:1"},
        StellenFall{"voriges", "a b c d", stelle(2, -1, Leer), true, Bezug{4, 4}, "2:1"},
        StellenFall{"vonRechtsNaechstesGehtNachLinks", "a b c d", stelle(2, 1, Leer), false, Bezug{5, 5},
                    "4:1"},
        StellenFall{"vonRechtsVorigesGehtNachRechts", "a b c d", stelle(2, -1, Leer), false, Bezug{5, 5},
                    "6:1"},
        StellenFall{"naechstesOhneBezug", "a b", stelle(2, 1, Leer), true, {}, ""},
        StellenFall{"naechstesGibtEsNicht", "a b", stelle(2, 1, Leer), true, Bezug{2, 2}, ""},
        StellenFall{"wortVonLinks", "aaa", stelle(1, 1, Wort, "aa", "J"), true, {}, "1:2"},
        StellenFall{"wortVonRechts", "aaa", stelle(1, 1, Wort, "aa", "J"), false, {}, "2:2"},
        StellenFall{"wortOhneGrossKlein", "foto.jpg", stelle(6, 1, Wort, "JPG", "N"), true, {}, "6:3"},
        StellenFall{"wortMitGrossKlein", "foto.jpg", stelle(6, 1, Wort, "JPG", "J"), true, {}, ""},
        StellenFall{"wortAlternativen", "axby", stelle(6, 1, Wort, "x||y", "J"), true, {}, "2:1,4:1"},
        StellenFall{"leeresWortTrifftNichts", "ab", stelle(6, 1, Wort, "", "N"), true, {}, ""},
        StellenFall{"nichtWort", "aba", stelle(6, 1, NichtWort, "a", "N"), true, {}, "2:1"},
        StellenFall{"nichtZahl", "a12b", stelle(6, 1, NichtZahl), true, {}, "1:1,4:1"},
        StellenFall{"umlauteSindGross", "Äpfel Über", stelle(6, 1, Gross), true, {}, "1:1,7:1"},
        StellenFall{
            "umlautWortOhneGrossKlein", "ÄPFEL äpfel", stelle(6, 1, Wort, "äp", "N"), true, {}, "1:2,7:2"},
        StellenFall{"ausserhalbBasisebeneEinZeichen",
                    "a\xF0\x9F\x98\x80"
                    "b",
                    stelle(1, 2, Zeichen),
                    true,
                    {},
                    "2:1"},
        StellenFall{"ausserhalbBasisebeneSonder",
                    "a\xF0\x9F\x98\x80"
                    "b",
                    stelle(6, 1, Sonder),
                    true,
                    {},
                    "2:1"},
        StellenFall{"artNull", "abc", stelle(0, 1, Zeichen), true, {}, ""},
        StellenFall{"artUnbekannt", "abc", stelle(9, 1, Zeichen), true, {}, ""},
        StellenFall{"gruppeUnbekannt", "abc", stelle(6, 1, 19), true, {}, ""},
        StellenFall{"anzahlNull", "abc", stelle(1, 0, Zeichen), true, {}, ""},
        StellenFall{"leererText", "", stelle(6, 1, Zeichen), true, {}, ""}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- the range from "von" to "bis"

struct BereichFall
{
    const char *name;
    const char *text;
    Stellenangabe von;
    Stellenangabe bis;
    bool vonLinks;
    int anfang, ende;
};

void PrintTo(const BereichFall &f, std::ostream *os)
{
    *os << f.name;
}

class BereichTest : public ::testing::TestWithParam<BereichFall>
{
};

TEST_P(BereichTest, VonBis)
{
    const BereichFall &f = GetParam();
    const Bereich b = BereichFinden(u(f.text), f.von, f.bis, f.vonLinks);
    EXPECT_EQ(b.von, f.anfang);
    EXPECT_EQ(b.bis, f.ende);
    EXPECT_EQ(b.leer(), f.anfang == 0);
}

constexpr Anker g = Anker::Genau, v = Anker::Vor, h = Anker::Hinter;

INSTANTIATE_TEST_SUITE_P(
    Faelle, BereichTest,
    ::testing::Values(
        BereichFall{"ganzerName", "Foto 001", stelle(1, 1, Zeichen), stelle(1, -1, Zeichen), true, 1, 8},
        BereichFall{"ganzerNameVonRechts", "Foto 001", stelle(1, 1, Zeichen), stelle(1, -1, Zeichen), false,
                    1, 8},
        BereichFall{"vorDemErstenIstLeer", "Foto 001", stelle(1, 1, Zeichen, "", "", v),
                    stelle(1, -1, Zeichen), true, 0, 0},
        BereichFall{"vorDemDritten", "Foto 001", stelle(1, 3, Zeichen, "", "", v), stelle(1, -1, Zeichen),
                    true, 2, 8},
        BereichFall{"hinterDemErsten", "Foto 001", stelle(1, 1, Zeichen, "", "", h), stelle(1, -1, Zeichen),
                    true, 2, 8},
        BereichFall{"bisVor", "Foto 001", stelle(1, 1, Zeichen), stelle(1, 1, Leer, "", "", v), true, 1, 4},
        BereichFall{"bisHinter", "Foto 001", stelle(1, 1, Zeichen), stelle(1, 1, Leer, "", "", h), true, 1,
                    6},
        BereichFall{"bisHinterAmEnde", "Foto 001", stelle(1, 1, Zeichen), stelle(1, -1, Zeichen, "", "", h),
                    true, 0, 0},
        BereichFall{"hinterDerZahl", "ab123cd", stelle(1, 1, Zahl, "", "", h), stelle(1, -1, Zeichen), true,
                    6, 7},
        BereichFall{"bisZahlGenau", "ab123cd", stelle(1, 1, Zeichen), stelle(1, 1, Zahl), true, 1, 5},
        // From the right, "hinter" the von cell lies to its left and "vor" to its right.
        BereichFall{"vonRechtsVonHinter", "Foto 001", stelle(1, 1, Zeichen, "", "", h),
                    stelle(1, -1, Zeichen), false, 1, 7},
        BereichFall{"vonRechtsVonVor", "Foto 001", stelle(1, 1, Zeichen, "", "", v), stelle(1, -1, Zeichen),
                    false, 0, 0},
        BereichFall{"vonRechtsBisVor", "Foto 001", stelle(1, 1, Zeichen), stelle(1, 1, Leer, "", "", v),
                    false, 6, 8},
        BereichFall{"vonRechtsBisHinter", "Foto 001", stelle(1, 1, Zeichen), stelle(1, 1, Leer, "", "", h),
                    false, 4, 8},
        BereichFall{"demNaechstenNachDemVon", "a b c d e", stelle(1, 4, Zeichen), stelle(2, 1, Leer), true, 4,
                    6},
        BereichFall{"demNaechstenNachZahl", "1 22 3 4", stelle(1, 2, Zahl), stelle(2, 1, Leer), true, 3, 5},
        BereichFall{"bisVorVon", "abcdef", stelle(1, 5, Zeichen), stelle(1, 2, Zeichen), true, 0, 0},
        BereichFall{"vonNichtGefunden", "abc", stelle(1, 1, Ziffer), stelle(1, -1, Zeichen), true, 0, 0},
        BereichFall{"bisNichtGefunden", "abc", stelle(1, 1, Zeichen), stelle(1, 1, Ziffer), true, 0, 0},
        BereichFall{"ohneText", "", stelle(1, 1, Zeichen), stelle(1, -1, Zeichen), true, 0, 0},
        BereichFall{"ausserhalbBasisebene", "\xF0\x9F\x98\x80\xC3\xA4\xF0\x9F\x98\x80", stelle(1, 2, Zeichen),
                    stelle(1, -1, Zeichen), true, 2, 3}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- Teilstück pieces

struct StueckFall
{
    const char *name;
    const char *text;
    int anfang, ende; // the range
    Stellenangabe teil;
    bool vonLinks;
    bool verbinden;
    const char *zellen;
};

void PrintTo(const StueckFall &f, std::ostream *os)
{
    *os << f.name;
}

class TeilstueckTest : public ::testing::TestWithParam<StueckFall>
{
};

TEST_P(TeilstueckTest, Stuecke)
{
    const StueckFall &f = GetParam();
    Bereich b;
    b.von = f.anfang;
    b.bis = f.ende;
    EXPECT_EQ(zellenText(TeilstueckeFinden(u(f.text), b, f.teil, f.vonLinks, f.verbinden)), f.zellen);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, TeilstueckTest,
    ::testing::Values(
        StueckFall{"dieZahl", "Foto 001", 1, 8, stelle(1, 1, Zahl), true, false, "6:3"},
        StueckFall{"dieZiffer", "Foto 001", 1, 8, stelle(1, 1, Ziffer), true, false, "6:1"},
        StueckFall{"imBereichGezaehlt", "abcdef", 3, 6, stelle(1, 2, Zeichen), true, false, "4:1"},
        StueckFall{"imBereichVonRechts", "abcdef", 2, 4, stelle(1, 1, Zeichen), false, false, "4:1"},
        StueckFall{"allesHinterImBereich", "Foto 001", 3, 8, stelle(5, 1, Leer), true, false, "6:3"},
        StueckFall{"allesVorImBereich", "Foto 001", 3, 8, stelle(4, 1, Leer), true, false, "3:2"},
        StueckFall{"ohneVerbinden", "a  b   c", 1, 8, stelle(6, 1, Leer), true, false, "2:1,3:1,5:1,6:1,7:1"},
        StueckFall{"verbunden", "a  b   c", 1, 8, stelle(6, 1, Leer), true, true, "2:2,5:3"},
        StueckFall{"verbundenNurImBereich", "a  b   c", 1, 6, stelle(6, 1, Leer), true, true, "2:2,5:2"},
        StueckFall{"zahlenAneinander", "12ab34", 1, 6, stelle(6, 1, NichtZahl), true, true, "3:2"},
        StueckFall{"leererBereich", "abc", 0, 0, stelle(6, 1, Zeichen), true, true, ""},
        StueckFall{"naechstesGibtEsHierNicht", "a b", 1, 3, stelle(2, 1, Leer), true, false, ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TeilstueckTest, WannVerbundenWird)
{
    EXPECT_TRUE(TeilstueckeVerbinden(219, true));
    EXPECT_FALSE(TeilstueckeVerbinden(219, false));
    for (int c = 221; c <= 225; ++c) {
        EXPECT_TRUE(TeilstueckeVerbinden(c, true)) << c;
        EXPECT_FALSE(TeilstueckeVerbinden(c, false)) << c;
    }
    for (int c = 231; c <= 233; ++c)
        EXPECT_TRUE(TeilstueckeVerbinden(c, false)) << c;
    EXPECT_FALSE(TeilstueckeVerbinden(229, true));
    EXPECT_FALSE(TeilstueckeVerbinden(207, true));
    EXPECT_FALSE(TeilstueckeVerbinden(234, true));
}

TEST(EinfuegeStellenTest, JedesUndDasLetzte)
{
    EXPECT_EQ(zellenText(EinfuegeStellen(U"abc", stelle(6, 1, Zeichen), true)), "1:1,2:1,3:1");
    EXPECT_EQ(zellenText(EinfuegeStellen(U"abc", stelle(1, -1, Zeichen), true)), "3:1");
    EXPECT_EQ(zellenText(EinfuegeStellen(U"a1b22", stelle(7, 1, Zahl), true)), "2:1,4:2");
    EXPECT_EQ(zellenText(EinfuegeStellen(U"", stelle(6, 1, Zeichen), true)), "");
}

// ---- one sub-rule as the preview sees it

TEST(StellenFuerTeilRegelTest, StandardRegelnAufEinemNamen)
{
    const RegelListe standard = StandardRegeln();
    // "doppelte Leerzeichen vereinfachen": runs of blanks, joined, in the name only.
    const auto doppelt = RegelLesen(standard.code(2));
    ASSERT_TRUE(doppelt.gueltig());
    const TeilRegelStellen s = StellenFuerTeilRegel(u("a  b   c.t x"), doppelt.regel.teile.first());
    EXPECT_EQ(utf8(s.teile.arbeit), "a  b   c");
    EXPECT_EQ(utf8(s.teile.hinten), ".t x");
    EXPECT_EQ(s.bereich.von, 1);
    EXPECT_EQ(s.bereich.bis, 8);
    EXPECT_EQ(zellenText(s.stuecke), "2:2,5:3");

    // "alle Leerzeichen durch _ ersetzen": no joining.
    const auto unterstrich = RegelLesen(standard.code(3));
    ASSERT_TRUE(unterstrich.gueltig());
    EXPECT_EQ(zellenText(StellenFuerTeilRegel(u("a  b.c"), unterstrich.regel.teile.first()).stuecke),
              "2:1,3:1");

    // A name without a format and the format as work part: nothing to work on.
    TeilRegel format = unterstrich.regel.teile.first();
    format.namensTeil = 2;
    const TeilRegelStellen readme = StellenFuerTeilRegel(u("README"), format);
    EXPECT_EQ(utf8(readme.teile.vorne), "README.");
    EXPECT_TRUE(readme.teile.arbeit.empty());
    EXPECT_TRUE(readme.bereich.leer());
    EXPECT_TRUE(readme.stuecke.empty());
    EXPECT_EQ(ErgebnisBereinigen(readme.teile.zusammen()), U"README");
}

TEST(StellenFuerTeilRegelTest, EinfuegenUndFreiBearbeiten)
{
    TeilRegel t;
    t.code = 215;
    t.namensTeil = 1;
    t.richtung = 1;
    t.hinStelle = stelle(1, 1, Zahl);
    const TeilRegelStellen s = StellenFuerTeilRegel(u("Bild 12 von 345.jpg"), t);
    EXPECT_EQ(zellenText(s.einfuegen), "13:3");
    EXPECT_TRUE(s.bereich.leer());
    EXPECT_TRUE(s.stuecke.empty());

    TeilRegel frei;
    frei.code = 209;
    frei.namensTeil = 0;
    frei.freiNamensTeil = 2;
    EXPECT_EQ(utf8(StellenFuerTeilRegel(u("a.b"), frei).teile.arbeit), "b");
}

} // namespace
