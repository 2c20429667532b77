#include "core/shell/FortschrittRechnung.h"

#include <gtest/gtest.h>

namespace rinolux {
namespace {

TEST(FortschrittRechnungTest, AnteilUndBalken)
{
    // Two sections, second one half done: three quarters of the bar.
    EXPECT_DOUBLE_EQ(FortAnteil(2, 2, 100, 50), 0.75);
    EXPECT_EQ(FortBalkenBreite(168, FortAnteil(2, 2, 100, 50)), 126);
    EXPECT_EQ(FortProzentText(0.75), QStringLiteral("  75,0 %"));
    // Without a count the section counts as reached.
    EXPECT_DOUBLE_EQ(FortAnteil(1, 4, 0, 0), 0.25);
    // Zero sections never divide by zero; overshooting counts stay on the bar.
    EXPECT_DOUBLE_EQ(FortAnteil(1, 0, 10, 5), 0.0);
    EXPECT_DOUBLE_EQ(FortAnteil(3, 2, 10, 50), 1.0);
    EXPECT_DOUBLE_EQ(FortAnteil(0, 2, 10, -5), 0.0);
    EXPECT_EQ(FortBalkenBreite(168, 7.0), 168);
}

TEST(FortschrittRechnungTest, Marke)
{
    EXPECT_EQ(FortMarkePosition(168, 40, 0, 0), 40);
    EXPECT_EQ(FortMarkePosition(168, 40, 10, -1), 0);
    EXPECT_EQ(FortMarkePosition(168, 40, 4, 1), 42);
    // The line is drawn one left of the marker, so 0 or less is off the bar.
    EXPECT_LE(FortMarkePosition(168, 40, -4711, 5), 0);
}

TEST(FortschrittRechnungTest, Titel)
{
    EXPECT_EQ(FortTitelText(0.0), QStringLiteral(" |''''''''''  0,0 %"));
    EXPECT_EQ(FortTitelText(0.5), QStringLiteral(" '''''|'''''  50,0 %"));
    EXPECT_EQ(FortTitelText(1.0), QStringLiteral(" '''''''''''|  100,0 %"));
}

TEST(FortschrittRechnungTest, MeldungWirdAusgeduennt)
{
    int n = 0;
    for (qint64 z = 0; z <= 1000; ++z)
        n += FortMeldungZeigen(z) ? 1 : 0;
    EXPECT_EQ(n, 135);
    EXPECT_TRUE(FortMeldungZeigen(10045));
    EXPECT_FALSE(FortMeldungZeigen(10041));
    EXPECT_TRUE(FortMeldungZeigen(-41));
    EXPECT_FALSE(FortMeldungZeigen(-1));
}

} // namespace
} // namespace rinolux
