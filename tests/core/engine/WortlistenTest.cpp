#include "core/engine/Wortlisten.h"

#include <gtest/gtest.h>

#include <QString>

using namespace rinolux;

namespace {

std::u32string U(const char *text)
{
    return QString::fromUtf8(text).toStdU32String();
}

std::vector<std::u32string> Zeilen(std::initializer_list<const char *> zeilen)
{
    std::vector<std::u32string> z;
    for (const char *t : zeilen)
        z.push_back(U(t));
    return z;
}

} // namespace

TEST(Wortliste, OhneWiederholenBekommenUeberzaehligeZeilenNurDieRahmentexte)
{
    const auto liste = Zeilen({"eins", "zwei", "drei"});
    const std::vector<std::u32string> erwartet{U"<eins>", U"<zwei>", U"<drei>", U"<>", U"<>"};
    for (qint64 r = 1; r <= 5; ++r)
        EXPECT_EQ(ListenText(U"<", liste, r, false, U">"), erwartet[std::size_t(r - 1)]) << r;
}

TEST(Wortliste, MitWiederholenBeginntDieListeVonVorn)
{
    const auto liste = Zeilen({"eins", "zwei", "drei"});
    EXPECT_EQ(WortFuerZeile(liste, 4, true), U"eins");
    EXPECT_EQ(WortFuerZeile(liste, 5, true), U"zwei");
    EXPECT_EQ(WortFuerZeile(liste, 7, true), U"eins");
    EXPECT_EQ(WortFuerZeile({}, 1, true), U"");
}

TEST(FreieNamen, ZeilenJeReiheUndUeberschuss)
{
    const auto liste = Zeilen({"Anna", "Bert"});
    EXPECT_EQ(FreierName(U"", liste, 1, U".txt"), U"Anna.txt");
    EXPECT_EQ(FreierName(U"", liste, 2, U".txt"), U"Bert.txt");
    // Past the list the whole name is empty, not just the part, so the name check refuses it.
    EXPECT_EQ(FreierName(U"", liste, 3, U".txt"), U"");
    EXPECT_EQ(FreieNamenUeberschuss(2, 3), -1);
    EXPECT_EQ(FreieNamenUeberschuss(4, 3), 1);
}

struct FuellFall
{
    const char *stueck;
    const char *fuell;
    int richtung;
    const char *erwartet;
};

class Auffuellen : public ::testing::TestWithParam<FuellFall>
{
};

TEST_P(Auffuellen, Richtung)
{
    const FuellFall &f = GetParam();
    EXPECT_EQ(StueckAuffuellen(U(f.stueck), U(f.fuell), f.richtung), U(f.erwartet));
}

INSTANTIATE_TEST_SUITE_P(Faelle, Auffuellen,
                         ::testing::Values(FuellFall{"7", "0000", 0, "0007"}, FuellFall{"abcde", "0000", 0, "abcde"},
                                           FuellFall{"7", "abcd", 1, "7bcd"}, FuellFall{"xy", "abcdef", 2, "abxyef"},
                                           FuellFall{"xy", "abcde", 2, "abxye"}, FuellFall{"", "ab", 2, "ab"},
                                           FuellFall{"abcd", "abcd", 2, "abcd"}));

struct ListenFall
{
    const char *name;
    const char *alt;
    const char *neu;
    const char *text;
    bool vonRechts;
    const char *erwartet;
};

class ZeichenListe : public ::testing::TestWithParam<ListenFall>
{
};

TEST_P(ZeichenListe, GanzerText)
{
    const ListenFall &f = GetParam();
    const ZeichenListen listen = ZeichenListenLesen(U(f.alt), U(f.neu));
    const std::u32string text = U(f.text);
    EXPECT_EQ(ZeichenListenAnwenden(text, 1, qint64(text.size()), listen, f.vonRechts), U(f.erwartet));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ZeichenListe,
    ::testing::Values(ListenFall{"Umlaute", "ä|ö|ü", "ae|oe|ue", "Bücher Öl", false, "Buecher Öl"},
                      ListenFall{"LeererErsatzEntfernt", "ä|x", "|y", "äxä", false, "y"},
                      ListenFall{"ErsterTrefferGewinnt", "a|ab", "1|2", "ab", false, "1b"},
                      ListenFall{"DoppelpunktTrennt", "a:b", "x:y", "abc", false, "xyc"},
                      ListenFall{"OhnePartnerEntfernt", "a|b|c", "x|y", "abcabc", false, "xyxy"},
                      ListenFall{"VonRechtsSchneidetAnders", "aa", "b", "aaa", true, "ab"},
                      ListenFall{"VonLinksSchneidetAnders", "aa", "b", "aaa", false, "ba"}),
    [](const ::testing::TestParamInfo<ListenFall> &info) { return std::string(info.param.name); });

TEST(ZeichenListe, NurDerBereichWirdBearbeitet)
{
    const ZeichenListen listen = ZeichenListenLesen(U"a", U"x");
    EXPECT_EQ(ZeichenListenAnwenden(U"aaaa", 2, 3, listen, false), U"axxa");
    EXPECT_EQ(ZeichenListenAnwenden(U"aaaa", 0, 0, listen, false), U"aaaa");
    EXPECT_EQ(ZeichenListenAnwenden(U"aaaa", 3, 9, listen, false), U"aaaa");
}

TEST(ZeichenListe, Ueberschuss)
{
    EXPECT_EQ(ZeichenListenUeberschuss(ZeichenListenLesen(U"a|b|c", U"x|y")), -1);
    // Empty new entries count, empty old ones do not.
    EXPECT_EQ(ZeichenListenUeberschuss(ZeichenListenLesen(U"a||b", U"|y")), 0);
}
