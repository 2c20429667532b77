#include "core/selection/SpaltenText.h"

#include <gtest/gtest.h>

using namespace rinolux;

struct AnzeigeFall
{
    const char *name;
    SpaltenTyp typ;
    QString zelle;
    QString erwartet;
};

class ZelleAnzeige : public testing::TestWithParam<AnzeigeFall>
{
};

TEST_P(ZelleAnzeige, TextNachSpaltenTyp)
{
    EXPECT_EQ(nxZelleAnzeige(GetParam().typ, GetParam().zelle), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Typen, ZelleAnzeige,
    testing::Values(
        AnzeigeFall{"Text", SpaltenTyp::Text, " a b ", " a b "},
        AnzeigeFall{"Zeit", SpaltenTyp::Zeit, "20240305_070809_005_2", "2024-03-05, 07:08:09, Dienstag"},
        AnzeigeFall{"ZeitVor1900", SpaltenTyp::Zeit, "????????_??????_???_?", "\?\?\?\?-\?\?-\?\?, \?\?:\?\?:\?\?, ?"},
        AnzeigeFall{"ZeitLeer", SpaltenTyp::Zeit, "", ""},
        AnzeigeFall{"Bytes", SpaltenTyp::Bytes, "1234567", "1.234.567"},
        AnzeigeFall{"BytesKlein", SpaltenTyp::Bytes, "999", "999"},
        AnzeigeFall{"NurLesenUndArchiv", SpaltenTyp::Attribute, "33", "-R-A- (schReibschutz,Archiv)"},
        AnzeigeFall{"VerstecktesVerzeichnis", SpaltenTyp::Attribute, "18", "H---- (verHeimlicht)"},
        AnzeigeFall{"KeineAttribute", SpaltenTyp::Attribute, "16", "-----"},
        AnzeigeFall{"Symbol", SpaltenTyp::Symbol, "7", ""},
        AnzeigeFall{"Marke", SpaltenTyp::Mark, "x", ""},
        AnzeigeFall{"Abstand", SpaltenTyp::Leer, "x", ""}),
    [](const testing::TestParamInfo<AnzeigeFall> &i) { return std::string(i.param.name); });

TEST(ZelleAnzeige, AlterRelativZuJetzt)
{
    EXPECT_TRUE(nxZelleAnzeige(SpaltenTyp::Alter, QStringLiteral("20000101_120000_000_6")).startsWith(u"vor "));
    EXPECT_TRUE(nxZelleAnzeige(SpaltenTyp::Alter, QStringLiteral("????????_??????_???_?")).isEmpty());
}
