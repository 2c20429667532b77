#include "core/engine/Nummern.h"

#include <gtest/gtest.h>

#include <QString>

#include <limits>

using namespace rinolux;

namespace {

std::u32string U(const char *text)
{
    return QString::fromUtf8(text).toStdU32String();
}

// The running numbers of the first n entries with a single counter.
std::vector<std::u32string> Laufend(const char *start, const char *erhoehung, int n)
{
    NummernZaehler zaehler;
    std::vector<std::u32string> werte;
    for (int i = 0; i < n; ++i)
        werte.push_back(LaufendeNummer(U"", U(start), U(erhoehung), U"", zaehler.weiter(false, 0)).value());
    return werte;
}

std::vector<std::u32string> Liste(std::initializer_list<const char *> texte)
{
    std::vector<std::u32string> l;
    for (const char *t : texte)
        l.push_back(U(t));
    return l;
}

} // namespace

TEST(ZahlGeprueft, VorzeichenZiffernUndGrenzen)
{
    EXPECT_EQ(ZahlGeprueft(U"-1.234", true), -1234);
    EXPECT_EQ(ZahlGeprueft(U"-1.234", false), 1234);
    EXPECT_EQ(ZahlGeprueft(U"a1b2", true), 12);
    EXPECT_EQ(ZahlGeprueft(U"", true), 0);
    EXPECT_EQ(ZahlGeprueft(U"9223372036854775807", true), std::numeric_limits<qint64>::max());
    EXPECT_FALSE(ZahlGeprueft(U"9223372036854775808", true));
    EXPECT_FALSE(ZahlGeprueft(U"99999999999999999999", false));
}

TEST(Erhoehung, FormenDesFeldes)
{
    const auto lesen = [](const char *t) {
        const Erhoehung e = ErhoehungLesen(U(t));
        return std::make_pair(e.schritt, e.wiederholung);
    };
    EXPECT_EQ(lesen("1"), std::make_pair(qint64(1), qint64(1)));
    EXPECT_EQ(lesen("2\\3"), std::make_pair(qint64(2), qint64(3)));
    EXPECT_EQ(lesen("-2/3"), std::make_pair(qint64(-2), qint64(3)));
    EXPECT_EQ(lesen("5|0"), std::make_pair(qint64(5), qint64(1)));
    EXPECT_EQ(lesen("x"), std::make_pair(qint64(0), qint64(1)));
    EXPECT_EQ(lesen("99999999999999999999\\2"), std::make_pair(qint64(0), qint64(2)));
    // A step or repeat count beyond 64 bits is no number: no running number can be given.
    for (const char *t : {"99999999999999999999\\2", "1\\99999999999999999999", "-99999999999999999999"}) {
        EXPECT_TRUE(ErhoehungLesen(U(t)).zuGross) << t;
        EXPECT_FALSE(LaufendeNummer(U"", U"1", U(t), U"", 1)) << t;
    }
    for (const char *t : {"x", "9223372036854775807\\9223372036854775807", "-9223372036854775808"})
        EXPECT_FALSE(ErhoehungLesen(U(t)).zuGross) << t;
}

TEST(LaufendeNummern, DreistelligBisTausend)
{
    const auto werte = Laufend("001", "1", 1000);
    EXPECT_EQ(werte[0], U"001");
    EXPECT_EQ(werte[8], U"009");
    EXPECT_EQ(werte[9], U"010");
    EXPECT_EQ(werte[998], U"999");
    EXPECT_EQ(werte[999], U"1000");
}

TEST(LaufendeNummern, FormenDesErstenWertsUndDerErhoehung)
{
    EXPECT_EQ(Laufend("A", "1", 28)[25], U"Z");
    EXPECT_EQ(Laufend("A", "1", 28)[26], U"AA");
    EXPECT_EQ(Laufend("A", "1", 28)[27], U"AB");
    EXPECT_EQ(Laufend("x|ab", "1", 3), Liste({"x", "x", "x"}));
    EXPECT_EQ(Laufend("1", "2\\3", 7), Liste({"1", "1", "1", "3", "3", "3", "5"}));
    EXPECT_EQ(Laufend("10", "-3", 6), Liste({"10", "07", "04", "01", "00", "00"}));
    EXPECT_EQ(Laufend("", "1", 3), Liste({"", "", ""}));
    EXPECT_EQ(Laufend("7", "0", 3), Liste({"7", "7", "7"}));
}

TEST(LaufendeNummern, VorUndNachText)
{
    EXPECT_EQ(LaufendeNummer(U"Bild ", U"9", U"1", U"!", 2), std::optional<std::u32string>(U"Bild 10!"));
}

TEST(LaufendeNummern, UeberlaufDesProduktsIstEinFehler)
{
    EXPECT_FALSE(LaufendeNummer(U"", U"1", U"9223372036854775807", U"", 3));
    EXPECT_TRUE(LaufendeNummer(U"", U"1", U"9223372036854775807", U"", 2));
}

TEST(NummernZaehler, NeuBeginnJeVerzeichnis)
{
    NummernZaehler zaehler;
    std::vector<qint64> werte;
    for (qint64 verzeichnis : {1, 1, 2, 1})
        werte.push_back(zaehler.weiter(true, verzeichnis));
    EXPECT_EQ(werte, (std::vector<qint64>{1, 2, 1, 3}));

    NummernZaehler einzeln;
    for (qint64 verzeichnis : {1, 1, 2})
        einzeln.weiter(false, verzeichnis);
    EXPECT_EQ(einzeln.weiter(false, 2), 4);
}

namespace {

std::vector<std::u32string> Verschachtelt(const char *formel, int n)
{
    const FormelErgebnis e = FormelLesen(U(formel));
    EXPECT_TRUE(e.formeln) << e.fehler.text().toStdString();
    std::vector<std::u32string> werte;
    if (!e.formeln)
        return werte;
    for (int c = 1; c <= n; ++c)
        werte.push_back(VerschachtelteNummer(*e.formeln, c));
    return werte;
}

} // namespace

TEST(VerschachtelteNummern, BeispieleDesFormulars)
{
    EXPECT_EQ(Verschachtelt("= /1*4*2*zahl\\ =", 4), Liste({"= 1 =", "= 5 =", "= 1 =", "= 5 ="}));
    EXPECT_EQ(Verschachtelt("= Ergebnis /A*1*4*nr1*nr2\\ = /a*1*3*nr2*zahl\\ = /10*1*2*zahl\\ =", 7),
              Liste({"= Ergebnis A = a = 10 =", "= Ergebnis A = a = 11 =", "= Ergebnis A = b = 10 =",
                     "= Ergebnis A = b = 11 =", "= Ergebnis A = c = 10 =", "= Ergebnis A = c = 11 =",
                     "= Ergebnis B = a = 10 ="}));
}

TEST(VerschachtelteNummern, WiederholungLeererStartUndAlphabete)
{
    EXPECT_EQ(Verschachtelt("/|0123*1|2*3\\", 6), Liste({"1", "1", "2", "2", "3", "3"}));
    EXPECT_EQ(Verschachtelt("/x|xyz*1*3\\", 4), Liste({"x", "y", "z", "x"}));
    // Waiting for a name nobody has changes nothing; a formula never waits for itself.
    EXPECT_EQ(Verschachtelt("/1*1*2*a*a\\", 3), Liste({"1", "2", "1"}));
    EXPECT_EQ(Verschachtelt("/1*1*2*a*fehlt\\", 3), Liste({"1", "2", "1"}));
}

struct FehlerFall
{
    const char *name;
    const char *formel;
    const char *text;
};

class FormelFehlerTest : public ::testing::TestWithParam<FehlerFall>
{
};

TEST_P(FormelFehlerTest, Text)
{
    const FormelErgebnis e = FormelLesen(U(GetParam().formel));
    EXPECT_FALSE(e.formeln);
    EXPECT_EQ(e.fehler.text(), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, FormelFehlerTest,
    ::testing::Values(
        FehlerFall{"OhneSchraegstrich", "nur Text", "Formel falsch"},
        FehlerFall{"AnzahlNull", "= /1*4*0*zahl\\ =", "1. Formel falsch"},
        FehlerFall{"SchrittNull", "/1*0*3\\", "1. Formel falsch"},
        FehlerFall{"WiederholungNull", "/1*1|0*3\\", "1. Formel falsch"},
        FehlerFall{"ZuWenigeFelder", "/1*1\\", "1. Formel falsch"},
        FehlerFall{"OhneRueckstrich", "/1*1*2", "1. Formel falsch"},
        FehlerFall{"ZweiRueckstriche", "/1*1*2\\a\\", "1. Formel falsch"},
        FehlerFall{"ZweiteFormel", "/1*1*2\\-/1*1*-2\\", "2. Formel falsch"},
        FehlerFall{"AnzahlUeber64Bit", "/1*1*99999999999999999999\\", "1. Formel falsch"},
        FehlerFall{"SchrittUeber64Bit", "/1*99999999999999999999*2\\", "1. Formel falsch"},
        FehlerFall{"SchrittMalAnzahlUeber64Bit", "/1*4611686018427387904*3\\", "1. Formel falsch"},
        FehlerFall{"TeilerUeber64Bit", "/1*1*2*a*b\\/1*1|4294967296*4294967296*b\\", "1. Formel falsch"}),
    [](const ::testing::TestParamInfo<FehlerFall> &info) { return std::string(info.param.name); });

TEST(VerschachtelteNummern, GrosseZahlenOhneUeberlauf)
{
    // (K - 1) * E is just within 64 bits: the last value of the cycle is still countable.
    const auto werte = Verschachtelt("/0*4611686018427387903*3\\", 3);
    ASSERT_EQ(werte.size(), 3u);
    EXPECT_EQ(werte[2], U"9223372036854775806");
    // A counter near the end of 64 bits stays inside the cycle.
    const FormelErgebnis e = FormelLesen(U"/1*1*3\\");
    ASSERT_TRUE(e.formeln);
    EXPECT_EQ(VerschachtelteNummer(*e.formeln, std::numeric_limits<qint64>::max()), U"1");
}
