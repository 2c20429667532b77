#include "core/inputaids/EditSchalterHilfe.h"
#include "core/inputaids/EditSchalterText.h"
#include "core/shell/DialogText.h"

#include <gtest/gtest.h>

#include <limits>

using namespace rinolux;

namespace {

struct SpinFall
{
    const char *name;
    const char *text;
    int schritt;
    bool alphabetisch;
    qint64 minimum;
    qint64 maximum;
    const char *erwartet;
};

void PrintTo(const SpinFall &f, std::ostream *os)
{
    *os << f.name;
}

class SpinTest : public testing::TestWithParam<SpinFall>
{
};

TEST_P(SpinTest, Schritt)
{
    const SpinFall &f = GetParam();
    EXPECT_EQ(
        SpinSchritt(QString::fromUtf8(f.text), f.schritt, f.alphabetisch, f.minimum, f.maximum).toStdString(),
        f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, SpinTest,
    testing::Values(SpinFall{"negative mit Nullen", "-0012", 1, false, KeinLimit, KeinLimit, "-11"},
                    SpinFall{"ohne Ziffern auf", "abc", 1, false, KeinLimit, KeinLimit, "1"},
                    SpinFall{"ohne Ziffern ab", "abc", -1, false, KeinLimit, KeinLimit, "-1"},
                    SpinFall{"andere Zeichen ignoriert", "1a2", 1, false, KeinLimit, KeinLimit, "13"},
                    SpinFall{"Monat am Maximum", "12", 1, false, 1, 12, "12"},
                    SpinFall{"unter dem Minimum", "0", -1, false, 1, 12, "1"},
                    SpinFall{"getippter Wert ueber dem Maximum", "40", -1, false, 1, 31, "31"},
                    SpinFall{"nur Minimum", "0", -1, false, 0, KeinLimit, "0"},
                    SpinFall{"Minus allein", "-", 1, false, KeinLimit, KeinLimit, "1"},
                    SpinFall{"am oberen Rand", "9223372036854775807", 1, false, KeinLimit, KeinLimit,
                             "9223372036854775807"},
                    SpinFall{"zu viele Ziffern", "99999999999999999999999", -1, false, KeinLimit, KeinLimit,
                             "9223372036854775806"},
                    SpinFall{"am unteren Rand", "-99999999999999999999", -1, false, KeinLimit, KeinLimit,
                             "-9223372036854775808"},
                    SpinFall{"alphabetisch Uebertrag", "Az", 1, true, KeinLimit, KeinLimit, "Ba"},
                    SpinFall{"alphabetisch ab", "b0", -1, true, KeinLimit, KeinLimit, "a9"}));

TEST(SchalterDefinitionTest, Lesen)
{
    const auto leer = SchalterDefinitionLesen(QStringLiteral("LP__Leer"));
    ASSERT_TRUE(leer);
    EXPECT_TRUE(leer->ersetzen);
    EXPECT_TRUE(leer->zeiger);
    EXPECT_TRUE(leer->code.isEmpty());
    EXPECT_EQ(leer->titel, QStringLiteral("Leer"));

    const auto alle = SchalterDefinitionLesen(QStringLiteral("LP_*_* (alle)"));
    ASSERT_TRUE(alle);
    EXPECT_EQ(alle->code, QStringLiteral("*"));
    EXPECT_EQ(alle->titel, QStringLiteral("* (alle)"));

    const auto ohneTitel = SchalterDefinitionLesen(QStringLiteral("LP_500"));
    ASSERT_TRUE(ohneTitel);
    EXPECT_EQ(ohneTitel->code, QStringLiteral("500"));
    EXPECT_EQ(ohneTitel->titel, QStringLiteral("500"));

    const auto leerzeichen = SchalterDefinitionLesen(QStringLiteral("NP_ _Leerzeichen"));
    ASSERT_TRUE(leerzeichen);
    EXPECT_FALSE(leerzeichen->ersetzen);
    EXPECT_EQ(leerzeichen->code, QStringLiteral(" "));

    // The code ends at the first "_": the rest, "_" included, is the caption.
    const auto formel = SchalterDefinitionLesen(QStringLiteral("NK_#matrixinfo1_Hilfe_mit"));
    ASSERT_TRUE(formel);
    EXPECT_FALSE(formel->zeiger);
    EXPECT_EQ(formel->titel, QStringLiteral("Hilfe_mit"));

    for (const char *falsch : {"LP_", "XP_a", "LX_a", "LPxa", ""})
        EXPECT_FALSE(SchalterDefinitionLesen(QString::fromUtf8(falsch))) << falsch;
}

TEST(SchalterDefinitionTest, TitelJePlatz)
{
    EXPECT_EQ(SchalterTitel(QStringLiteral("Leer"), true, 1), QStringLiteral("^ Leer"));
    EXPECT_EQ(SchalterTitel(QStringLiteral("Leer"), false, 2), QStringLiteral(" Leer"));
    EXPECT_EQ(SchalterTitel(QStringLiteral("Leer"), true, 4), QStringLiteral(", Leer"));
    EXPECT_EQ(SchalterTitel(QStringLiteral("Leer"), true, 5), QStringLiteral("Leer >"));
    EXPECT_EQ(SchalterTitel(QStringLiteral("Leer"), false, 6), QStringLiteral("Leer "));
    EXPECT_EQ(SchalterTitel(QStringLiteral("Leer"), true, 17), QStringLiteral("< Leer"));
}

// Field at 100, 50, 200 x 20; buttons 30 and 40 wide.
TEST(SchalterPlatzTest, JePlatz)
{
    const QRect feld(100, 50, 200, 20);
    const QList<int> b{30, 40};
    using L = QList<QRect>;
    EXPECT_EQ(SchalterPlatzieren(feld, 1, 5, b), (L{{105, 70, 30, 20}, {135, 70, 40, 20}}));
    // Last first, yet the first definition stands leftmost.
    EXPECT_EQ(SchalterPlatzieren(feld, 2, 10, b), (L{{220, 70, 30, 20}, {250, 70, 40, 20}}));
    EXPECT_EQ(SchalterPlatzieren(feld, 3, 0, b), (L{{100, 30, 30, 20}, {130, 30, 40, 20}}));
    EXPECT_EQ(SchalterPlatzieren(feld, 4, 0, b), (L{{230, 30, 30, 20}, {260, 30, 40, 20}}));
    EXPECT_EQ(SchalterPlatzieren(feld, 5, 0, b), (L{{70, 50, 30, 20}, {60, 70, 40, 20}}));
    EXPECT_EQ(SchalterPlatzieren(feld, 6, 0, b), (L{{70, 30, 30, 20}, {60, 50, 40, 20}}));
    EXPECT_EQ(SchalterPlatzieren(feld, 7, 30, b), (L{{300, 80, 30, 20}, {300, 100, 40, 20}}));
    EXPECT_EQ(SchalterPlatzieren(feld, 8, 0, b), (L{{300, 30, 30, 20}, {300, 50, 40, 20}}));
    EXPECT_EQ(SchalterPlatzieren(feld, 17, 10, b), (L{{300, 60, 30, 20}, {330, 60, 40, 20}}));
    EXPECT_FALSE(SchalterPlatzGueltig(9));
}

TEST(SchalterAktionTest, TexteOhneFenster)
{
    const QDateTime januar(QDate(2024, 1, 5), QTime(7, 8, 9, 45));
    EXPECT_EQ(ZeitTeil(QStringLiteral("#zeit2"), januar), QStringLiteral("1"));
    EXPECT_EQ(ZeitTeil(QStringLiteral("#zeit1"), januar), QStringLiteral("2024"));
    EXPECT_EQ(ZeitTeil(QStringLiteral("#zeit6"), januar), QStringLiteral("9"));
    EXPECT_EQ(ZeitTeil(QStringLiteral("#zeit7"), januar), QStringLiteral("45"));
    EXPECT_TRUE(ZeitTeil(QStringLiteral("#zeit0"), januar).isEmpty());
    EXPECT_TRUE(ZeitTeil(QStringLiteral("#zeitx"), januar).isEmpty());

    const QString crlf = QStringLiteral("\r\n");
    EXPECT_EQ(ZeileAnhaengen(QStringLiteral("/a"), QStringLiteral("/b/"), crlf),
              QStringLiteral("/a\r\n/b/\r\n"));
    EXPECT_EQ(ZeileAnhaengen(QString(), QStringLiteral("/b/"), crlf), QStringLiteral("/b/\r\n"));
    EXPECT_EQ(ZeileAnhaengen(QStringLiteral("/a\n"), QStringLiteral("/b/")), QStringLiteral("/a\n/b/\n"));

    const QStringList namen{QStringLiteral("a.tar.gz"), QStringLiteral("ohne")};
    EXPECT_EQ(FreiListeNamen(namen, 0), QStringLiteral("a.tar.gz\nohne\n"));
    EXPECT_EQ(FreiListeNamen(namen, 1), QStringLiteral("a.tar\nohne\n"));
    EXPECT_EQ(FreiListeNamen(namen, 2), QStringLiteral("gz\n\n"));
    EXPECT_TRUE(FreiListeNamen(namen, 3).isEmpty());

    const EinfuegeErgebnis e = TextEinfuegen(QStringLiteral("abcdef"), 2, 2, QStringLiteral(" "));
    EXPECT_EQ(e.text, QStringLiteral("ab ef"));
    EXPECT_EQ(e.cursor, 3);
}

} // namespace

namespace {

// The expert texts lay their examples out as rows of side-by-side blocks.
TEST(SchalterHilfeTest, BloeckeDerBeispiele)
{
    struct F
    {
        const char *code;
        int zeilen;
        int bloeckeInZeile2;
    };
    for (const F f : {F{"#autoverbindeninfo", 2, 7}, F{"#ersterwertinfo", 3, 8}, F{"#diffinfo", 2, 8},
                      F{"#matrixinfo2", 2, 6}}) {
        const DialogZeilen z = DialogZerlegen(EditSchalterHilfeText(QString::fromLatin1(f.code)));
        ASSERT_EQ(z.size(), f.zeilen) << f.code;
        EXPECT_EQ(z[1].size(), f.bloeckeInZeile2) << f.code;
    }
    // Column 1 of the joined pieces has 15 lines, the separators 3 + 1 + 11.
    const DialogZeilen a = DialogZerlegen(EditSchalterHilfeText(QStringLiteral("#autoverbindeninfo")));
    EXPECT_EQ(DialogBlockText(a[1][0]).count(QStringLiteral("\r\n")), 14);
    EXPECT_EQ(DialogBlockText(a[1][1]).count(QStringLiteral("|")), 14);
    EXPECT_TRUE(EditSchalterHilfeText(QStringLiteral("#unbekannt")).isEmpty());
}

} // namespace
