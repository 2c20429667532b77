#include "core/engine/Operationen.h"

#include <gtest/gtest.h>

#include <deque>

using namespace rinolux;

namespace {

std::u32string U(const char *text)
{
    return QString::fromUtf8(text).toStdU32String();
}

// Hands out the numbers it was given, in order, and records what was asked.
class SkriptZufall final : public ZufallsQuelle
{
public:
    explicit SkriptZufall(std::deque<qint64> zahlen) : m_zahlen(std::move(zahlen)) {}
    qint64 zahl(qint64 von, qint64 bis) override
    {
        bereiche.emplace_back(von, bis);
        const qint64 z = m_zahlen.front();
        m_zahlen.pop_front();
        return z;
    }
    std::vector<std::pair<qint64, qint64>> bereiche;

private:
    std::deque<qint64> m_zahlen;
};

Bereich B(int von, int bis)
{
    Bereich b;
    b.von = von;
    b.bis = bis;
    return b;
}

} // namespace

struct EinfuegeFall
{
    const char *name;
    const char *w;
    StueckListe zellen;
    int hinVH;
    int richtung;
    bool davor;
    bool dahinter;
    const char *erwartet;
};

class Einfuegen : public ::testing::TestWithParam<EinfuegeFall>
{
};

TEST_P(Einfuegen, Text)
{
    const EinfuegeFall &f = GetParam();
    EXPECT_EQ(TextEinfuegen(U(f.w), f.zellen, U"x", f.hinVH, f.richtung, f.davor, f.dahinter), U(f.erwartet));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Einfuegen,
    ::testing::Values(
        EinfuegeFall{"VorVonLinks", "abc", {{1, 1}}, 0, 0, false, false, "xabc"},
        EinfuegeFall{"HinterVonLinks", "abc", {{1, 1}}, 1, 0, false, false, "axbc"},
        // counted from the right the first character is the rightmost
        EinfuegeFall{"VorVonRechts", "abc", {{3, 1}}, 0, 1, false, false, "abcx"},
        EinfuegeFall{"HinterVonRechts", "abc", {{3, 1}}, 1, 1, false, false, "abxc"},
        EinfuegeFall{"JedesHinter", "abc", {{1, 1}, {2, 1}, {3, 1}}, 1, 0, false, false, "axbxcx"},
        EinfuegeFall{"DavorLoeschen", "abc", {{2, 1}}, 1, 0, true, false, "xc"},
        EinfuegeFall{"DahinterLoeschen", "abc", {{2, 1}}, 0, 0, false, true, "ax"},
        EinfuegeFall{"BeideLoeschenMehrereZellen", "abcde", {{2, 1}, {4, 1}}, 0, 0, true, true, "xbcx"},
        EinfuegeFall{"LeererTeil", "", {}, 0, 0, false, false, "x"},
        EinfuegeFall{"OhneZellen", "abc", {}, 0, 0, true, true, "abc"},
        EinfuegeFall{"ZelleAusserhalb", "abc", {{7, 2}}, 1, 0, false, false, "abc"}),
    [](const ::testing::TestParamInfo<EinfuegeFall> &info) { return std::string(info.param.name); });

TEST(EntfernenBehalten, StueckeUndKeineStuecke)
{
    EXPECT_EQ(StueckeEntfernen(U"a1b22c", {{2, 1}, {4, 2}}), U"abc");
    EXPECT_EQ(StueckeEntfernen(U"abc", {}), U"abc");
    EXPECT_EQ(StueckeBehalten(U"a1b22c", {{2, 1}, {4, 2}}), U"122");
    EXPECT_EQ(StueckeBehalten(U"abc", {}), U"");
    // Pieces reaching past the end are clamped, overlapping ones dropped.
    EXPECT_EQ(StueckeEntfernen(U"abc", {{2, 9}}), U"a");
    EXPECT_EQ(StueckeBehalten(U"abcd", {{1, 2}, {2, 2}, {0, 1}, {-5, 3}}), U"ab");
}

struct UmdrehFall
{
    int art;
    const char *erwartet;
};

class Umdrehen12_3456 : public ::testing::TestWithParam<UmdrehFall>
{
};

TEST_P(Umdrehen12_3456, Art)
{
    EXPECT_EQ(Umdrehen(U"12_3456", {{1, 2}, {4, 4}}, GetParam().art), U(GetParam().erwartet));
}

INSTANTIATE_TEST_SUITE_P(Faelle, Umdrehen12_3456,
                         ::testing::Values(UmdrehFall{0, "65_4321"}, UmdrehFall{1, "3456_12"},
                                           UmdrehFall{2, "21_6543"}, UmdrehFall{3, "6543_21"}));

TEST(Umdrehen, DreiStueckeBehaltenDieZwischenraeume)
{
    EXPECT_EQ(Umdrehen(U"a-bb--ccc", {{1, 1}, {3, 2}, {7, 3}}, 1), U"ccc-bb--a");
    EXPECT_EQ(Umdrehen(U"abc", {}, 1), U"abc");
}

TEST(Tauschen, BereicheUndIhreGrenzen)
{
    EXPECT_EQ(Tauschen(U"abcdef", B(1, 2), B(5, 6)), U"efcdab");
    EXPECT_EQ(Tauschen(U"abcdef", B(5, 6), B(1, 2)), U"efcdab");
    EXPECT_EQ(Tauschen(U"abcdef", B(1, 1), B(2, 6)), U"bcdefa");
    EXPECT_EQ(Tauschen(U"abcdef", B(1, 3), B(3, 5)), U"abcdef");
    EXPECT_EQ(Tauschen(U"abcdef", B(0, 0), B(3, 5)), U"abcdef");
    EXPECT_EQ(Tauschen(U"abcdef", B(1, 2), B(5, 9)), U"abcdef");
}

TEST(VerschiebenKopieren, ZieleVorUndHinter)
{
    // piece "ab", target "d"
    EXPECT_EQ(VerschiebenKopieren(U"ab-cd", {{1, 2}}, {{5, 1}}, 1, 0, true), U"-cdab");
    EXPECT_EQ(VerschiebenKopieren(U"ab-cd", {{1, 2}}, {{5, 1}}, 1, 0, false), U"ab-cdab");
    EXPECT_EQ(VerschiebenKopieren(U"ab-cd", {{1, 2}}, {{5, 1}}, 0, 0, false), U"ab-cabd");
    // counted from the right "vor" lies to the right of the target
    EXPECT_EQ(VerschiebenKopieren(U"ab-cd", {{1, 2}}, {{5, 1}}, 0, 1, true), U"-cdab");
    // every target gets the text
    EXPECT_EQ(VerschiebenKopieren(U"ab-c-d", {{1, 2}}, {{4, 1}, {6, 1}}, 0, 0, true), U"-abc-abd");
    // a move without targets only removes; no pieces leave everything
    EXPECT_EQ(VerschiebenKopieren(U"ab-cd", {{1, 2}}, {}, 0, 0, true), U"-cd");
    EXPECT_EQ(VerschiebenKopieren(U"ab-cd", {}, {{5, 1}}, 0, 0, true), U"ab-cd");
}

TEST(VerschiebenKopieren, ZielImEntferntenStueckBleibtImText)
{
    // The target lies inside the moved piece; with "hinter" it keeps its old length and
    // points past the shortened text: the insert is clamped to the end.
    EXPECT_EQ(VerschiebenKopieren(U"abcd", {{2, 3}}, {{3, 5}}, 1, 0, true), U"abcd");
    EXPECT_EQ(VerschiebenKopieren(U"abcd", {{1, 2}}, {{2, 1}}, 0, 0, true), U"abcd");
}

TEST(Ersetzen, ErsatzJeStueckAusDemStueckSelbst)
{
    const auto gross = [](std::u32string_view s) -> std::optional<std::u32string> {
        return U"<" + std::u32string(s) + U">";
    };
    EXPECT_EQ(StueckeErsetzen(U"a1b22", {{2, 1}, {4, 2}}, gross),
              std::optional<std::u32string>(U"a<1>b<22>"));
    const auto fehler = [](std::u32string_view) -> std::optional<std::u32string> {
        return std::nullopt;
    };
    EXPECT_FALSE(StueckeErsetzen(U"a1", {{2, 1}}, fehler));
    EXPECT_EQ(StueckeErsetzen(U"a1", {}, fehler), std::optional<std::u32string>(U"a1"));
}

struct TextFall
{
    const char *name;
    char32_t buchstabe;
    const char *wert;
    const char *stueck;
    int richtung;
    const char *erwartet;
};

class WasAnderes : public ::testing::TestWithParam<TextFall>
{
};

TEST_P(WasAnderes, Text)
{
    const TextFall &f = GetParam();
    const EintragTexte eintrag{QStringLiteral("/home/anna/Bilder/"), QStringLiteral("Foto.2024.jpg"),
                               QStringLiteral("12345"), QStringLiteral("20050307_093015_000_1"),
                               QStringLiteral("20231224_180005_000_7")};
    SkriptZufall zufall({});
    const auto text =
        WasAnderesText(QChar(char16_t(f.buchstabe)), U(f.wert), U(f.stueck), eintrag, f.richtung, zufall);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, U(f.erwartet));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, WasAnderes,
    ::testing::Values(
        TextFall{"WortErsteAlternative", U'w', "|eins|zwei", "", 0, "eins"},
        TextFall{"WortLeer", U'w', "||", "", 0, ""}, TextFall{"PlusNeun", U'+', "5", "9", 0, "14"},
        TextFall{"PlusNullNeun", U'+', "5", "09", 0, "14"},
        TextFall{"PlusNullNeunNeun", U'+', "5", "099", 0, "104"},
        TextFall{"PlusGemischt", U'+', "1", "a9", 0, "b0"}, TextFall{"MinusZehn", U'-', "1", "10", 0, "09"},
        TextFall{"PlusNurZiffernDesWerts", U'+', "x-2", "5", 0, "7"},
        TextFall{"VonVorneErstes", U'v', "1", "", 0, "home"},
        TextFall{"VonVorneZweites", U'v', "2", "", 0, "anna"},
        TextFall{"VonHintenErstes", U'h', "1", "", 0, "Bilder"},
        TextFall{"VonHintenZuWeit", U'h', "4", "", 0, ""}, TextFall{"VonVorneNull", U'v', "0", "", 0, ""},
        TextFall{"VonVorneGezaehltVonRechts", U'v', "1", "", 1, "Bilder"},
        TextFall{"VonHintenGezaehltVonRechts", U'h', "1", "", 1, "home"},
        TextFall{"NameUndFormat", U'&', "", "", 0, "Foto.2024.jpg"},
        TextFall{"Name", U'n', "", "", 0, "Foto.2024"}, TextFall{"Format", U'f', "", "", 0, "jpg"},
        TextFall{"Groesse", U'b', "", "", 0, "12345"},
        TextFall{"HerstellungTMJ", U'Ö', "", "", 0, "07'03'2005"},
        TextFall{"HerstellungJMT", U'ö', "", "", 0, "2005'03'07"},
        TextFall{"HerstellungUhr", U'o', "", "", 0, "09'30'15"},
        TextFall{"AenderungTMJ", U'Ä', "", "", 0, "24'12'2023"},
        TextFall{"AenderungJMT", U'ä', "", "", 0, "2023'12'24"},
        TextFall{"AenderungUhr", U'a', "", "", 0, "18'00'05"},
        TextFall{"Gross", U'g', "", "Straße ä1", 0, "STRAßE Ä1"},
        TextFall{"Klein", U'k', "", "ÄRGER", 0, "ärger"}, TextFall{"Umgekehrt", U'u', "", "aB1ü", 0, "Ab1Ü"},
        TextFall{"Leerzeichen", U' ', "", "abc", 0, " "}),
    [](const ::testing::TestParamInfo<TextFall> &info) { return std::string(info.param.name); });

TEST(WasAnderes, ZufallAusDerQuelle)
{
    const EintragTexte eintrag;
    SkriptZufall zahl({2147483645});
    EXPECT_EQ(WasAnderesText(QLatin1Char('%'), U"", U"", eintrag, 0, zahl),
              std::optional<std::u32string>(U"2147483645"));
    ASSERT_EQ(zahl.bereiche.size(), 1u);
    EXPECT_EQ(zahl.bereiche[0], std::make_pair(qint64(0), qint64(2147483645)));

    // length 5, then per character: case draw (1 = upper) and letter
    SkriptZufall wort({5, 1, 0, 0, 25, 2, 1, 1, 25, 0, 2});
    EXPECT_EQ(WasAnderesText(QLatin1Char('$'), U"", U"", eintrag, 0, wort),
              std::optional<std::u32string>(U"AzbZc"));
    EXPECT_EQ(wort.bereiche[0], std::make_pair(qint64(5), qint64(24)));
    EXPECT_EQ(wort.bereiche[1], std::make_pair(qint64(0), qint64(2)));
    EXPECT_EQ(wort.bereiche[2], std::make_pair(qint64(0), qint64(25)));
}

TEST(WasAnderes, ZeitFehltOderZahlZuGross)
{
    EintragTexte ohneZeit;
    ohneZeit.nameMitFormat = QStringLiteral("README");
    SkriptZufall zufall({});
    EXPECT_EQ(WasAnderesText(QChar(u'Ö'), U"", U"", ohneZeit, 0, zufall), std::optional<std::u32string>(U""));
    EXPECT_EQ(WasAnderesText(QLatin1Char('f'), U"", U"", ohneZeit, 0, zufall),
              std::optional<std::u32string>(U""));
    EXPECT_FALSE(WasAnderesText(QLatin1Char('+'), U"99999999999999999999", U"1", ohneZeit, 0, zufall));
    // A directory number beyond 64 bits is an error as for "+", not the empty text.
    EXPECT_FALSE(WasAnderesText(QLatin1Char('v'), U"99999999999999999999", U"", ohneZeit, 0, zufall));
    // the largest count still works and stays within 200 added characters
    const auto gross = WasAnderesText(QLatin1Char('+'), U"9223372036854775807", U"1", ohneZeit, 0, zufall);
    ASSERT_TRUE(gross);
    EXPECT_EQ(*gross, U"9223372036854775808");
}
