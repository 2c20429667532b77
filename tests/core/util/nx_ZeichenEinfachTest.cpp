#include "core/util/nx_U32Text.h"
#include "core/util/nx_ZeichenEinfach.h"

#include <gtest/gtest.h>

#include <limits>

using namespace rinolux;

namespace {

std::string aus(const std::u32string &s)
{
    return nxTextAusU32(s).toStdString();
}

std::u32string u(const char *utf8)
{
    return nxU32AusText(QString::fromUtf8(utf8));
}

// --- conversion -----------------------------------------------------------------------

TEST(U32Text, PaarIstEinePositionUndRundreiseExakt)
{
    const QString s = QString::fromUtf8("a😀b");
    const std::u32string t = nxU32AusText(s);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[1], char32_t(0x1F600));
    EXPECT_EQ(nxTextAusU32(t), s);
}

TEST(U32Text, EinzelnesSurrogatBleibtErhalten)
{
    QString s = QStringLiteral("x");
    s.append(QChar(char16_t(0xD800)));
    s.append(u'y');
    const std::u32string t = nxU32AusText(s);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(nxTextAusU32(t), s);
}

TEST(U32Text, JenseitsVonUnicodeWirdErsatzzeichen)
{
    const std::u32string t = {U'a', char32_t(0x110000), U'\U0010FFFF', U'b'};
    const QString erwartet = QStringLiteral("a") + QChar(QChar::ReplacementCharacter) + QChar(QChar::highSurrogate(0x10FFFF))
                             + QChar(QChar::lowSurrogate(0x10FFFF)) + QStringLiteral("b");
    EXPECT_EQ(nxTextAusU32(t), erwartet);
}

// --- classes --------------------------------------------------------------------------

struct KlassenFall
{
    const char *name;
    char32_t zeichen;
    int klasse;
    bool erwartet;
};

void PrintTo(const KlassenFall &f, std::ostream *os)
{
    *os << f.name;
}

class ZeichenKlasseTest : public ::testing::TestWithParam<KlassenFall>
{};

TEST_P(ZeichenKlasseTest, Klasse)
{
    const KlassenFall &f = GetParam();
    EXPECT_EQ(nxZeichenKlasse(f.zeichen, f.klasse), f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ZeichenKlasseTest,
    ::testing::Values(KlassenFall{"TabKeinSonder", U'\t', KlasseSonder, false},
                      KlassenFall{"Code8KeinSonder", char32_t(8), KlasseSonder, false},
                      KlassenFall{"Code10Sonder", char32_t(10), KlasseSonder, true},
                      KlassenFall{"PunktSonder", U'.', KlasseSonder, true},
                      KlassenFall{"StrichSonder", U'_', KlasseSonder, true},
                      KlassenFall{"LeerzeichenLeer", U' ', KlasseLeer, true},
                      KlassenFall{"LeerzeichenKeinSonder", U' ', KlasseSonder, false},
                      KlassenFall{"NbspSonder", char32_t(0xA0), KlasseSonder, true},
                      KlassenFall{"NbspKeinLeer", char32_t(0xA0), KlasseLeer, false},
                      KlassenFall{"UmlautBuchstabe", U'ä', KlasseBuchstabe, true},
                      KlassenFall{"UmlautKlein", U'ä', KlasseKlein, true},
                      KlassenFall{"UmlautGross", U'Ä', KlasseGross, true},
                      KlassenFall{"SzBuchstabe", U'ß', KlasseBuchstabe, true},
                      KlassenFall{"HanBuchstabe", U'漢', KlasseBuchstabe, true},
                      KlassenFall{"HanKeinSonder", U'漢', KlasseSonder, false},
                      KlassenFall{"ArabischeZifferKeineZiffer", char32_t(0x0663), KlasseZiffer, false},
                      KlassenFall{"ZifferZahl", U'7', KlasseZahl, true},
                      KlassenFall{"KeineNie", U'a', KlasseKeine, false},
                      KlassenFall{"BeliebigImmer", char32_t(0), KlasseBeliebig, true},
                      KlassenFall{"Code9KeineKlasse", U'a', 9, false},
                      KlassenFall{"Code20KeineKlasse", U'a', 20, false},
                      KlassenFall{"Code29KeineKlasse", U'a', 29, false},
                      KlassenFall{"NichtZiffer", U'a', KlasseZiffer + KlasseNicht, true},
                      KlassenFall{"NichtZifferAufZiffer", U'1', KlasseZiffer + KlasseNicht, false},
                      KlassenFall{"NichtKeine", U'a', KlasseKeine + KlasseNicht, true},
                      KlassenFall{"NichtBuchstabeAufEmoji", char32_t(0x1F600), KlasseBuchstabe + KlasseNicht,
                                  true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ZeichenGrossKlein, ProCodePunktOhneLaengenaenderung)
{
    EXPECT_EQ(aus(nxZeichenGross(u("straße äö"))), "STRAßE ÄÖ");
    EXPECT_EQ(aus(nxZeichenKlein(u("ÄÖÜ ABC"))), "äöü abc");
}

// --- pieces and numbers ----------------------------------------------------------------

TEST(ZeichenTeile, LinksRechtsTeil)
{
    EXPECT_EQ(aus(nxZeichenLinks(U"abc", 5)), "abc");
    EXPECT_EQ(aus(nxZeichenLinks(U"abc", -1)), "");
    EXPECT_EQ(aus(nxZeichenRechts(U"abc", 2)), "bc");
    EXPECT_EQ(aus(nxZeichenTeil(U"abcdef", 0, 2)), "ab");
    EXPECT_EQ(aus(nxZeichenTeil(U"abcdef", 3, -1)), "cdef");
    EXPECT_EQ(aus(nxZeichenTeil(U"abcdef", 7, 1)), "");
    EXPECT_EQ(aus(nxZeichenTeilRechts(U"abcdef", 2, 3)), "cde");
    EXPECT_EQ(aus(nxZeichenTeilRechts(U"abcdef", 2, -1)), "abcde");
    EXPECT_EQ(aus(nxZeichenTeilRechts(U"abcdef", 5, 9)), "ab");
}

struct ZahlFall
{
    const char *name;
    const char *text;
    qint64 wert;
    bool ueberlauf;
};

void PrintTo(const ZahlFall &f, std::ostream *os)
{
    *os << f.name;
}

class ZeichenZuZahlTest : public ::testing::TestWithParam<ZahlFall>
{};

TEST_P(ZeichenZuZahlTest, Lesen)
{
    const ZahlFall &f = GetParam();
    bool ue = !f.ueberlauf;
    EXPECT_EQ(nxZeichenZuZahl(u(f.text), &ue), f.wert);
    EXPECT_EQ(ue, f.ueberlauf);
    // The QString reader must agree with the code-point reader.
    EXPECT_EQ(nxZeichenZuZahl(QString::fromUtf8(f.text)), f.wert);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ZeichenZuZahlTest,
    ::testing::Values(ZahlFall{"Leer", "", 0, false}, ZahlFall{"NurMinus", "-", 0, false},
                      ZahlFall{"DoppelMinus", "--5", -5, false}, ZahlFall{"Tausender", "-1.234", -1234, false},
                      ZahlFall{"Verstreut", "a1b2", 12, false}, ZahlFall{"MinusInMitte", "12-3", 123, false},
                      ZahlFall{"Groesste", "9223372036854775807", std::numeric_limits<qint64>::max(), false},
                      ZahlFall{"Kleinste", "-9223372036854775808", std::numeric_limits<qint64>::min(), false},
                      ZahlFall{"ZuGross", "9223372036854775808", std::numeric_limits<qint64>::max(), true},
                      ZahlFall{"ZuKlein", "-99999999999999999999", std::numeric_limits<qint64>::min(), true},
                      ZahlFall{"ArabischeZiffernZaehlenNicht", "\u0663 4", 4, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ZeichenZuZahl, NichtNegativUndZiffern)
{
    EXPECT_EQ(nxZeichenZuZahlNichtNegativ(U"-7"), 0);
    EXPECT_EQ(nxZeichenZuZahlNichtNegativ(U"x7"), 7);
    EXPECT_EQ(nxZeichenZiffernZuZahl(U"-5"), 5);
    bool ue = false;
    EXPECT_EQ(nxZeichenZiffernZuZahl(U"-9223372036854775808", &ue), std::numeric_limits<qint64>::max());
    EXPECT_TRUE(ue);
    EXPECT_EQ(aus(nxZeichenAusZahl(-42)), "-42");
    EXPECT_EQ(aus(nxZeichenAusZahl(std::numeric_limits<qint64>::min())), "-9223372036854775808");
}

// --- position search -------------------------------------------------------------------

TEST(ZeichenPosition, UeberlappendVorUndZurueck)
{
    const ZeichenMuster aa = nxMusterWort(U"aa");
    EXPECT_EQ(nxZeichenPosition(U"aaa", {aa}, true, 1, 1, true), 1);
    EXPECT_EQ(nxZeichenPosition(U"aaa", {aa}, true, 1, 2, true), 2);
    EXPECT_EQ(nxZeichenPosition(U"aaa", {aa}, true, 1, 3, true), 0);
    EXPECT_EQ(nxZeichenPositionLetzte(U"aaa", aa, true), 2);
    EXPECT_EQ(nxZeichenPositionAb(U"aaa", aa, 4, 1, true), 0);
    EXPECT_EQ(nxZeichenPosition(U"aaa", {}, true, 1, 1, true), 0);
    EXPECT_EQ(nxZeichenPosition(U"aaa", {ZeichenMuster{}}, true, 1, 1, true), 0);
}

TEST(ZeichenPosition, GrossKleinUndKlassen)
{
    EXPECT_EQ(nxZeichenPositionErste(U"ABC", nxMusterWort(U"b"), false), 2);
    EXPECT_EQ(nxZeichenPositionErste(U"ABC", nxMusterWort(U"b"), true), 0);
    // "Upper case" widens to "letter" without the case flag.
    EXPECT_EQ(nxZeichenPositionErste(U"1ab", nxMusterKlasse(KlasseGross), false), 2);
    EXPECT_EQ(nxZeichenPositionErste(U"1ab", nxMusterKlasse(KlasseGross), true), 0);
    // "Number" finds only a digit that begins a number.
    EXPECT_EQ(nxZeichenPositionErste(U"a34", nxMusterKlasse(KlasseZahl), true), 2);
    EXPECT_EQ(nxZeichenPositionAb(U"a34", nxMusterKlasse(KlasseZahl), 3, 1, true), 0);
    // Two patterns at one position count once.
    EXPECT_EQ(nxZeichenPosition(U"xab", {nxMusterWort(U"a"), nxMusterWort(U"ab")}, true, 1, 2, true), 0);
    EXPECT_EQ(nxZeichenPositionListe(U"xyb-a", {nxMusterWort(U"a"), nxMusterWort(U"b")}, true), 3);
    // A code point beyond the BMP is one position.
    EXPECT_EQ(nxZeichenPositionErste(u("a😀b"), nxMusterWort(U"b"), true), 3);
}

// --- whole-text match ------------------------------------------------------------------

struct PasstFall
{
    const char *name;
    const char *text;
    ZeichenMuster muster;
    bool grossKlein;
    bool erwartet;
};

void PrintTo(const PasstFall &f, std::ostream *os)
{
    *os << f.name;
}

ZeichenMuster maske(const char *m)
{
    return nxMusterMaske(u(m));
}

ZeichenMuster folge(std::initializer_list<MusterElement> el)
{
    return ZeichenMuster{el};
}

constexpr MusterElement kZahl{MusterElement::Art::Klasse, char32_t(KlasseZahl)};
constexpr MusterElement kKlein{MusterElement::Art::Klasse, char32_t(KlasseKlein)};
constexpr MusterElement kStern{MusterElement::Art::Stern, U'*'};

class ZeichenPasstTest : public ::testing::TestWithParam<PasstFall>
{};

TEST_P(ZeichenPasstTest, Passt)
{
    const PasstFall &f = GetParam();
    EXPECT_EQ(nxZeichenPasst(u(f.text), f.muster, f.grossKlein), f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ZeichenPasstTest,
    ::testing::Values(
        PasstFall{"SternInMitte", "abc", maske("a*c"), true, true},
        PasstFall{"FrageInMitte", "abc", maske("a?c"), true, true},
        PasstFall{"SternPunktSternBrauchtPunkt", "abc", maske("*.*"), true, false},
        PasstFall{"SternPunktSternMitPunkt", "a.b", maske("*.*"), true, true},
        PasstFall{"LeerPasstStern", "", maske("*"), true, true},
        PasstFall{"LeerPasstFrageNicht", "", maske("?"), true, false},
        PasstFall{"ZahlGanzerLauf", "123", folge({kZahl}), true, true},
        PasstFall{"ZahlNichtMitBuchstabe", "12a", folge({kZahl}), true, false},
        PasstFall{"OhneGrossKlein", "ABC", maske("abc"), false, true},
        PasstFall{"MitGrossKlein", "ABC", maske("abc"), true, false},
        PasstFall{"KleinWirdBuchstabe", "A", folge({kKlein}), false, true},
        PasstFall{"KleinStreng", "A", folge({kKlein}), true, false},
        PasstFall{"FrageNachSternFindetSpaeteren", "xaab", maske("*?ab"), true, true},
        PasstFall{"RueckgriffMehrfach", "abcabd", maske("*ab?"), true, true},
        PasstFall{"EndungOhneTreffer", "foto.jpeg", maske("*.jpg"), true, false},
        PasstFall{"ZahlNachStern", "bild12", folge({kStern, kZahl}), true, true},
        PasstFall{"EmojiIstEinZeichen", "a😀b", maske("a?b"), true, true},
        PasstFall{"SternAmEndeNimmtRest", "abc", maske("a**"), true, true}),
    [](const auto &info) { return std::string(info.param.name); });

// --- alphabet counter ------------------------------------------------------------------

struct ZaehlFall
{
    const char *name;
    const char32_t *text;
    qint64 n;
    const char32_t *erwartet;
};

void PrintTo(const ZaehlFall &f, std::ostream *os)
{
    *os << f.name;
}

class ZeichenZaehlenTest : public ::testing::TestWithParam<ZaehlFall>
{};

TEST_P(ZeichenZaehlenTest, Standard)
{
    const ZaehlFall &f = GetParam();
    EXPECT_EQ(aus(nxZeichenZaehlenStandard(f.text, f.n)), aus(f.erwartet));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ZeichenZaehlenTest,
    ::testing::Values(ZaehlFall{"FuehrendeNullen", U"0000000001", 1, U"0000000002"},
                      ZaehlFall{"NeunNeun", U"99", 1, U"100"}, ZaehlFall{"NeunWirdZehn", U"9", 1, U"10"},
                      ZaehlFall{"Buchstaben", U"az", 1, U"ba"}, ZaehlFall{"Spalten", U"Zz", 1, U"AAa"},
                      ZaehlFall{"KleinZ", U"z", 1, U"aa"}, ZaehlFall{"UeberFremdes", U"1-9", 1, U"2-0"},
                      ZaehlFall{"OhneAlphabet", U"-", 1, U"-"}, ZaehlFall{"Gemischt", U"a9", 1, U"b0"},
                      ZaehlFall{"Null", U"ab", 0, U"ab"}, ZaehlFall{"Leer", U"", 5, U""},
                      ZaehlFall{"Zurueck", U"b0", -1, U"a9"}, ZaehlFall{"UnterNull", U"000", -1, U"000"},
                      ZaehlFall{"UnterKleinsteForm", U"a-0", -1, U"a-0"},
                      ZaehlFall{"GrosserSchritt", U"9", 91, U"100"}, ZaehlFall{"Zurueck100", U"100", -1, U"099"},
                      ZaehlFall{"Spalte27", U"A", 26, U"AA"},
                      ZaehlFall{"Groesstes", U"0", std::numeric_limits<qint64>::max(), U"9223372036854775807"},
                      ZaehlFall{"KleinstesNachUnten", U"5", std::numeric_limits<qint64>::min(), U"0"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ZeichenZaehlen, EigeneAlphabeteUndDeckel)
{
    EXPECT_EQ(aus(nxZeichenZaehlen(U"x", {U"xy"}, 1)), "y");
    EXPECT_EQ(aus(nxZeichenZaehlen(U"y", {U"xy"}, 1)), "xx");
    // A one-character alphabet never stops carrying: at most 200 characters are put in front.
    EXPECT_EQ(nxZeichenZaehlen(U"a", {U"a"}, 1000).size(), 201u);
    EXPECT_EQ(aus(nxZeichenZaehlen(U"abc", {}, 1)), "abc");
}

} // namespace
