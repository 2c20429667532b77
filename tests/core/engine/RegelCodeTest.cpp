#include "core/engine/RegelCode.h"

#include <gtest/gtest.h>

using namespace rinolux;

namespace {

QString felder(std::initializer_list<const char *> f)
{
    QStringList l;
    for (const char *s : f)
        l.append(QString::fromUtf8(s));
    return l.join(u'\t');
}

// Positions as they appear in records: with anchor six fields, without five.
const char *const kVon = "g\t1\t1\t0\t\t";
const char *const kBis = "v\t2\t-1\t1\tab|c\tJ";
const char *const kTeil = "6\t1\t0\t\t";
const char *const kHin = "7\t-2\t5\t\t";

struct RundFall
{
    const char *name;
    QString code;
};

void PrintTo(const RundFall &f, std::ostream *os)
{
    *os << f.name;
}

class RegelRundTest : public ::testing::TestWithParam<RundFall>
{
};

TEST_P(RegelRundTest, LesenUndSchreibenGebenDenselbenText)
{
    const RegelLeseErgebnis r = RegelLesen(GetParam().code);
    ASSERT_TRUE(r.gueltig()) << r.grund.toStdString() << " in Feld " << r.feld;
    EXPECT_EQ(RegelSchreiben(r.regel), GetParam().code);
    // Writing the typed rule and reading it again keeps every field.
    EXPECT_EQ(RegelLesen(RegelSchreiben(r.regel)).regel, r.regel);
}

// One record for every action code, with the fields chosen so that a reader that skips or
// swaps one field can no longer round-trip.
INSTANTIATE_TEST_SUITE_P(
    JederCode, RegelRundTest,
    ::testing::Values(
        RundFall{"c207", felder({"1", "207", "700", "1", "0", kVon, kBis, kTeil, "ENDE"})},
        RundFall{"c208", felder({"1", "208", "700", "0", "1", kVon, kBis, "4", "3", "9", "", "", "ENDE"})},
        RundFall{"c209", felder({"1", "209", "700", "2", "3", "a", "ENDE", "", "ENDE"})},
        RundFall{"c205", felder({"1", "205", "700", "J", "N", "X", "X", "ENDE"})},
        RundFall{"c211", felder({"1", "211", "700", "1", "0", "1", kHin, "J", "N", "Ö", "", "ENDE"})},
        RundFall{"c211v", felder({"1", "211", "700", "0", "0", "0", kHin, "N", "N", "v", "2", "ENDE"})},
        RundFall{"c212", felder({"1", "212", "700", "0", "0", "0", kHin, "N", "J", "vor", "2", "x", "ENDE",
                                 "nach", "J", "ENDE"})},
        RundFall{"c213",
                 felder({"1", "213", "700", "0", "1", "1", kHin, "N", "N", "Nr", "1", "1", "", "N", "ENDE"})},
        RundFall{"c214", felder({"1", "214", "700", "0", "1", "1", kHin, "N", "N", "[1]", "J", "ENDE"})},
        RundFall{"c215", felder({"1", "215", "700", "2", "0", "0", kHin, "N", "N", "w", "ENDE", "ENDE"})},
        RundFall{"c219", felder({"1", "219", "700", "1", "1", kVon, kBis, kTeil, "J", "0", "2", "ENDE"})},
        RundFall{"c221", felder({"1", "221", "700", "1", "0", kVon, kBis, kTeil, "N", "u", "", "ENDE"})},
        RundFall{"c221plus", felder({"1", "221", "700", "1", "0", kVon, kBis, kTeil, "N", "+", "5", "ENDE"})},
        RundFall{"c222",
                 felder({"1", "222", "700", "1", "0", kVon, kBis, kTeil, "N", "v", "0", "n", "N", "ENDE"})},
        RundFall{"c223", felder({"1", "223", "700", "1", "0", kVon, kBis, kTeil, "J", "a", "b", "c", "d", "J",
                                 "ENDE"})},
        RundFall{"c224", felder({"1", "224", "700", "1", "0", kVon, kBis, kTeil, "N", "f", "N", "ENDE"})},
        RundFall{"c225", felder({"1", "225", "700", "1", "0", kVon, kBis, kTeil, "N", "w", "_", "ENDE"})},
        RundFall{"c229", felder({"1", "229", "700", "0", "0", kVon, kBis, "äöü", "aou", "ENDE"})},
        RundFall{"c231", felder({"1", "231", "700", "0", "0", kVon, kBis, kTeil, "3", "ENDE"})},
        RundFall{"c232", felder({"1", "232", "700", "0", "0", kVon, kBis, kTeil, "1", kHin, "ENDE"})},
        RundFall{"c233", felder({"1", "233", "700", "0", "0", kVon, kBis, kTeil, "0", "2", "-1", "0", "", "",
                                 "ENDE"})},
        RundFall{"c234", felder({"1", "234", "700", "0", "1", kVon, kBis, "1", kBis, kVon, "ENDE"})},
        RundFall{"c111", felder({"1", "111", "700", "20050307_093000_000", "1", "5", "ENDE"})},
        RundFall{"c112", felder({"1", "112", "700", "2001    _      _000", "ENDE"})},
        RundFall{"c113", felder({"1", "113", "700", "6", "-30", "ENDE"})},
        RundFall{"c114", felder({"1", "114", "700", "H", "ENDE"})},
        RundFall{"c121", felder({"1", "121", "700", "-001-1-1_-1-1-1_000", "3", "", "ENDE"})},
        RundFall{"c124", felder({"1", "124", "700", "A", "ENDE"})},
        RundFall{"c132", felder({"1", "132", "700", "20231224_180000_000", "ENDE"})},
        RundFall{"c134", felder({"1", "134", "700", "Z", "ENDE"})},
        RundFall{"c249", felder({"1", "249", "700", "X", "teil*.bin", "ENDE"})},
        RundFall{"c250", felder({"1", "250", "700", "P", "/tmp/ziel/", "gross.bin", "ENDE"})},
        RundFall{"c251", felder({"1", "251", "700", "Q", "/q/datei.txt", "1", "vor", "nach", "ENDE"})},
        RundFall{"c252", felder({"1", "252", "700", "A", "/q/d", "v", "2", "a", "b", "n", "ENDE"})},
        RundFall{"c253", felder({"1", "253", "700", "X", "/q/d", "N", "1", "1", "", "10", "ENDE"})},
        RundFall{"c254", felder({"1", "254", "700", "X", "/q/d", "[1]", "5", "ENDE"})},
        RundFall{"c261", felder({"1", "261", "700", "Q", "/q/d", "2", "", "", "ENDE"})},
        RundFall{"c271", felder({"1", "271", "700", "A", "0", "Kopie von ", "", "ENDE"})},
        RundFall{"c272", felder({"1", "272", "700", "X", "", "1", "ENDE", "", "ENDE"})},
        RundFall{"c273", felder({"1", "273", "700", "X", "a", "b", "c", "d", "J", "ENDE"})},
        RundFall{"c274", felder({"1", "274", "700", "X", "f", "N", "ENDE"})},
        RundFall{"c283", felder({"1", "283", "700", "P", "", "a", "b", "c", "d", "7", "ENDE"})},
        RundFall{"c294", felder({"1", "294", "700", "X", "f", "3", "ENDE"})},
        RundFall{"kombiniert", felder({"2", "221",  "700", "1",   "0", kVon, kBis, kTeil, "N",   "g",
                                       "",  "ENDE", "208", "700", "0", "0",  kVon, kBis,  kTeil, "ENDE"})},
        RundFall{"andereVersion", felder({"1", "205", "600", "X", "X", "X", "J", "ENDE"})}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RegelCodeTest, FelderLandenAmRichtigenPlatz)
{
    const auto r = RegelLesen(felder(
        {"1", "234", "700", "0", "1", kVon, kBis, "1", "h", "7", "-2", "10", "x|y", "N", kVon, "ENDE"}));
    ASSERT_TRUE(r.gueltig()) << r.grund.toStdString();
    ASSERT_EQ(r.regel.teile.size(), 1);
    const TeilRegel &t = r.regel.teile.first();
    EXPECT_EQ(t.code, 234);
    EXPECT_EQ(t.richtung, 1);
    EXPECT_EQ(t.bis.anker, Anker::Vor);
    EXPECT_EQ(t.bis.anzahl, -1);
    EXPECT_EQ(t.bis.wort, QStringLiteral("ab|c"));
    EXPECT_TRUE(t.bis.grossKleinBeachten());
    EXPECT_EQ(t.tauschenLR, 1);
    EXPECT_EQ(t.tauschVon.anker, Anker::Hinter);
    EXPECT_EQ(t.tauschVon.art, 7);
    EXPECT_EQ(t.tauschVon.anzahl, -2);
    EXPECT_EQ(t.tauschVon.gruppe, 10);
    EXPECT_FALSE(t.tauschVon.grossKleinBeachten());
    EXPECT_EQ(t.tauschBis, t.von);
}

TEST(RegelCodeTest, TextFeldENDEBeendetKeineTeilRegel)
{
    // A word list whose lines read "ENDE", followed by a second sub-rule.
    const QString code =
        felder({"2",    "212",  "700", "0",    "0",   "0",   kHin, "N", "N", "ENDE", "2",   "ENDE",
                "ENDE", "ENDE", "N",   "ENDE", "205", "700", "J",  "J", "J", "J",    "ENDE"});
    const auto r = RegelLesen(code);
    ASSERT_TRUE(r.gueltig()) << r.grund.toStdString();
    ASSERT_EQ(r.regel.teile.size(), 2);
    EXPECT_EQ(r.regel.teile[0].liste.vor, QStringLiteral("ENDE"));
    EXPECT_EQ(r.regel.teile[0].liste.zeilen, (QStringList{QStringLiteral("ENDE"), QStringLiteral("ENDE")}));
    EXPECT_EQ(r.regel.teile[0].liste.nach, QStringLiteral("ENDE"));
    EXPECT_EQ(r.regel.teile[1].attribute[0], AttributWahl::Setzen);
}

struct SchlechtFall
{
    const char *name;
    QString code;
    RegelZustand zustand;
    int feld;
};

void PrintTo(const SchlechtFall &f, std::ostream *os)
{
    *os << f.name;
}

class RegelSchlechtTest : public ::testing::TestWithParam<SchlechtFall>
{
};

TEST_P(RegelSchlechtTest, WirdErkannt)
{
    const auto r = RegelLesen(GetParam().code);
    EXPECT_EQ(r.zustand, GetParam().zustand) << r.grund.toStdString();
    EXPECT_FALSE(r.grund.isEmpty());
    EXPECT_EQ(r.feld, GetParam().feld) << r.grund.toStdString();
    EXPECT_TRUE(r.regel.teile.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, RegelSchlechtTest,
    ::testing::Values(
        SchlechtFall{"leer", QString(), RegelZustand::Veraltet, 1},
        SchlechtFall{"alterZeitCode",
                     felder({"1", "201", "x", "2005", "3", "7", "9", "30", "0", "1", "5", "ENDE"}),
                     RegelZustand::Veraltet, 2},
        SchlechtFall{"unbekannterCode", felder({"1", "216", "700", "ENDE"}), RegelZustand::Veraltet, 2},
        SchlechtFall{"unbekannterZweiterCode",
                     felder({"2", "205", "700", "J", "J", "J", "J", "ENDE", "0", "700", "ENDE"}),
                     RegelZustand::Veraltet, 9},
        SchlechtFall{"ohneENDE", felder({"1", "205", "700", "J", "J", "J", "J"}), RegelZustand::Kaputt, 8},
        SchlechtFall{"FeldStattENDE", felder({"1", "205", "700", "J", "J", "J", "J", "X", "ENDE"}),
                     RegelZustand::Kaputt, 8},
        SchlechtFall{"TabAmEnde", felder({"1", "114", "700", "H", "ENDE", ""}), RegelZustand::Kaputt, 6},
        SchlechtFall{"nurAnzahl", QStringLiteral("1"), RegelZustand::Kaputt, 1},
        SchlechtFall{"AnzahlKeineZahl", felder({"x", "114", "700", "H", "ENDE"}), RegelZustand::Kaputt, 1},
        SchlechtFall{"AnzahlNull", felder({"0", "114", "700", "H", "ENDE"}), RegelZustand::Kaputt, 1},
        SchlechtFall{"AnzahlPasstNicht", felder({"2", "114", "700", "H", "ENDE"}), RegelZustand::Kaputt, 1},
        SchlechtFall{"fuehrendeNull",
                     felder({"1", "221", "700", "01", "0", kVon, kBis, kTeil, "N", "g", "", "ENDE"}),
                     RegelZustand::Kaputt, 4},
        SchlechtFall{"minusNull",
                     felder({"1", "221", "700", "1", "0", "g", "1", "-0", "0", "", "", kBis, kTeil, "N", "g",
                             "", "ENDE"}),
                     RegelZustand::Kaputt, 8},
        SchlechtFall{"NamensTeilZuGross",
                     felder({"1", "221", "700", "3", "0", kVon, kBis, kTeil, "N", "g", "", "ENDE"}),
                     RegelZustand::Kaputt, 4},
        SchlechtFall{"falscherAnker",
                     felder({"1", "221", "700", "1", "0", "x", "1", "1", "0", "", "", kBis, kTeil, "N", "g",
                             "", "ENDE"}),
                     RegelZustand::Kaputt, 6},
        SchlechtFall{"GruppeZuGross",
                     felder({"1", "221", "700", "1", "0", "g", "1", "1", "19", "", "", kBis, kTeil, "N", "g",
                             "", "ENDE"}),
                     RegelZustand::Kaputt, 9},
        SchlechtFall{"falschesGrossFlag",
                     felder({"1", "221", "700", "1", "0", "g", "1", "1", "1", "a", "j", kBis, kTeil, "N", "g",
                             "", "ENDE"}),
                     RegelZustand::Kaputt, 11},
        SchlechtFall{"JNKlein",
                     felder({"1", "221", "700", "1", "0", kVon, kBis, kTeil, "n", "g", "", "ENDE"}),
                     RegelZustand::Kaputt, 23},
        SchlechtFall{"BuchstabeNurBeimErsetzen",
                     felder({"1", "211", "700", "1", "0", "1", kHin, "J", "N", "g", "", "ENDE"}),
                     RegelZustand::Kaputt, 14},
        SchlechtFall{"WortOhneW",
                     felder({"1", "225", "700", "1", "0", kVon, kBis, kTeil, "N", "x", "_", "ENDE"}),
                     RegelZustand::Kaputt, 24},
        SchlechtFall{"zuVieleZeilen", felder({"1", "209", "700", "0", "5", "a", "b", "ENDE"}),
                     RegelZustand::Kaputt, 5},
        SchlechtFall{"ZeitwertZuKurz", felder({"1", "112", "700", "2005030_093000_000", "ENDE"}),
                     RegelZustand::Kaputt, 4},
        // A line end inside a field is dropped on reading, so this value has 18 characters.
        SchlechtFall{"ZeitwertMitZeilenende", felder({"1", "112", "700", "20050307_09300\r_000", "ENDE"}),
                     RegelZustand::Kaputt, 4},
        SchlechtFall{"EinheitSieben", felder({"1", "113", "700", "7", "1", "ENDE"}), RegelZustand::Kaputt, 4},
        SchlechtFall{"OrtUnbekannt", felder({"1", "274", "700", "Z", "f", "N", "ENDE"}), RegelZustand::Kaputt,
                     4},
        SchlechtFall{"CodeKeineZahl", felder({"1", "2x1", "700", "ENDE"}), RegelZustand::Kaputt, 2}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RegelCodeTest, SchreiberEntferntTabUndZeilenenden)
{
    TeilRegel t;
    t.code = 225;
    t.namensTeil = 1;
    t.von.gruppe = 1;
    t.von.wort = QStringLiteral("a\tb");
    t.von.gross = QStringLiteral("N");
    t.wert = QStringLiteral("x\r\ny");
    Regel regel;
    regel.teile.append(t);
    const QString code = RegelSchreiben(regel);
    EXPECT_EQ(code, felder({"1", "225", "700", "1", "0", "g", "1", "1", "1", "ab", "N", "g",  "1",
                            "1", "0",   "",    "",  "1", "1", "0", "",  "",  "N",  "w", "xy", "ENDE"}));
    EXPECT_TRUE(RegelLesen(code).gueltig());
}

// A lone CR or LF inside a field (a stored line cut in the middle, a typed record) is dropped on
// reading as on writing, so what was read is what is written and a time value that was checked
// for its 19 characters keeps them.
TEST(RegelCodeTest, LeserEntferntZeilenendenWieDerSchreiber)
{
    struct Fall
    {
        const char *name;
        QString code;
        QString geschrieben;
    };
    const Fall faelle[] = {
        {"Text", felder({"1", "225", "700", "1", "0", kVon, kBis, kTeil, "N", "w", "x\ry\n", "ENDE"}),
         felder({"1", "225", "700", "1", "0", kVon, kBis, kTeil, "N", "w", "xy", "ENDE"})},
        {"Zeitwert", felder({"1", "112", "700", "20050307_\r093000_000", "ENDE"}),
         felder({"1", "112", "700", "20050307_093000_000", "ENDE"})},
        {"Zahl", felder({"1\r", "205", "700", "J", "N", "X", "\nX", "ENDE\r"}),
         felder({"1", "205", "700", "J", "N", "X", "X", "ENDE"})},
    };
    for (const Fall &f : faelle) {
        const RegelLeseErgebnis r = RegelLesen(f.code);
        ASSERT_TRUE(r.gueltig()) << f.name << ": " << r.grund.toStdString();
        EXPECT_EQ(RegelSchreiben(r.regel), f.geschrieben) << f.name;
        EXPECT_EQ(RegelLesen(RegelSchreiben(r.regel)).regel, r.regel) << f.name;
    }
    EXPECT_EQ(RegelLesen(faelle[1].code).regel.teile.first().zeit.wert.size(), 19);
}

struct CodeMengeFall
{
    int code;
    bool namen, attribut, zeit, herst;
};

TEST(RegelCodeTest, CodeMengen)
{
    const CodeMengeFall faelle[] = {
        {205, false, true, false, false},  {206, false, false, false, false},
        {207, true, false, false, false},  {209, true, false, false, false},
        {210, false, false, false, false}, {216, false, false, false, false},
        {219, true, false, false, false},  {229, true, false, false, false},
        {230, false, false, false, false}, {234, true, false, false, false},
        {235, false, false, false, false}, {110, false, false, false, false},
        {111, false, false, true, false},  {124, false, false, true, false},
        {135, false, false, false, false}, {248, false, false, false, false},
        {249, false, false, false, true},  {255, false, false, false, false},
        {260, false, false, false, false}, {270, false, false, false, false},
        {294, false, false, false, true},  {201, false, false, false, false},
        {0, false, false, false, false},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.code);
        EXPECT_EQ(IstNamenCode(f.code), f.namen);
        EXPECT_EQ(IstAttributCode(f.code), f.attribut);
        EXPECT_EQ(IstZeitCode(f.code), f.zeit);
        EXPECT_EQ(IstHerstellCode(f.code), f.herst);
        EXPECT_EQ(IstBekannterCode(f.code), f.namen || f.attribut || f.zeit || f.herst);
    }
}

} // namespace
