#include "core/util/nx_Format.h"
#include "core/util/nx_Zeit.h"

#include <QDate>
#include <QTime>

#include <gtest/gtest.h>

#include <ctime>
#include <limits>

using namespace rinolux;

namespace {

// Local time with daylight saving time, so that the UTC <-> local steps are really tested;
// the machine's own zone is put back afterwards.
class ZeitTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_alt = qgetenv("TZ");
        m_hatteAlt = qEnvironmentVariableIsSet("TZ");
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }
    void TearDown() override
    {
        if (m_hatteAlt)
            qputenv("TZ", m_alt);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    QByteArray m_alt;
    bool m_hatteAlt = false;
};

DatumWert wert(int j, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    return nxDatumWert(QDateTime(QDate(j, mo, d), QTime(h, mi, s, ms), Qt::LocalTime));
}

TEST_F(ZeitTest, ZeitTextAusWert)
{
    EXPECT_EQ(nxZeitText(wert(2024, 3, 5, 7, 8, 9, 5)), QStringLiteral("20240305_070809_005_2"));
    EXPECT_EQ(nxZeitText(wert(2023, 12, 31, 23, 59, 59, 999)), QStringLiteral("20231231_235959_999_7"));
    EXPECT_EQ(nxZeitText(wert(1899, 12, 31)), kZeitTextUngueltig);
    EXPECT_EQ(nxZeitText(2.0), QStringLiteral("19000101_000000_000_1"));
    EXPECT_EQ(nxZeitText(std::numeric_limits<double>::quiet_NaN()), kZeitTextUngueltig);
}

struct LesenFall
{
    const char *name;
    const char *text;
};

void PrintTo(const LesenFall &f, std::ostream *os)
{
    *os << f.name;
}

class ZeitTextUngueltigTest : public ::testing::TestWithParam<LesenFall>
{};

TEST_P(ZeitTextUngueltigTest, WirdNichtGelesen)
{
    const QString t = QString::fromUtf8(GetParam().text);
    EXPECT_FALSE(nxZeitAusText(t).has_value());
    EXPECT_FALSE(nxDatumAusZeitText(t).has_value());
    EXPECT_FALSE(nxTextZuDateiZeit(t).has_value());
}

INSTANTIATE_TEST_SUITE_P(Faelle, ZeitTextUngueltigTest,
                         ::testing::Values(LesenFall{"Fragezeichen", "????????_??????_???_?"},
                                           LesenFall{"Leer", ""},
                                           LesenFall{"ZuKurz", "20240305_0708"},
                                           LesenFall{"KeinDatum", "20240230_070809_005_5"},
                                           LesenFall{"Stunde24", "20240305_240000_000_2"},
                                           LesenFall{"NegativerTeil", "2024-305_070809_005_2"},
                                           LesenFall{"UhrzeitUnlesbar", "20240305_??????_???_?"},
                                           LesenFall{"OhneTrenner", "20240305X070809X005X2"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ZeitTest, ZeitTextLesen)
{
    const auto w = nxZeitAusText(QStringLiteral("20240305_070809_005_2"));
    ASSERT_TRUE(w);
    EXPECT_EQ(nxZeitText(*w), QStringLiteral("20240305_070809_005_2"));
    // The weekday digit follows from the date; a wrong one does not make the text unreadable.
    EXPECT_TRUE(nxZeitAusText(QStringLiteral("20240305_070809_005_9")));
    const auto d = nxDatumAusZeitText(QStringLiteral("20240305_070809_005_2"));
    ASSERT_TRUE(d);
    EXPECT_EQ(d->date(), QDate(2024, 3, 5));
    EXPECT_EQ(d->time(), QTime(7, 8, 9, 5));
}

TEST_F(ZeitTest, DateiZeitRundreiseAufDieMillisekunde)
{
    // Winter time, summer time and a time before 1970.
    for (const DateiZeit z : {DateiZeit{1709618889, 5123456}, DateiZeit{1720000000, 999999999},
                              DateiZeit{-86400 * 365, 1000000}}) {
        const QString t = nxDateiZeitZuText(z);
        const auto zurueck = nxTextZuDateiZeit(t);
        ASSERT_TRUE(zurueck) << t.toStdString();
        EXPECT_EQ(zurueck->sekunden, z.sekunden) << t.toStdString();
        EXPECT_EQ(zurueck->nanosekunden, z.nanosekunden / 1000000 * 1000000) << t.toStdString();
    }
    // 2024-03-05 06:08:09.005 UTC is 07:08:09.005 in Berlin (winter time).
    EXPECT_EQ(nxDateiZeitZuText({1709618889, 5000000}), QStringLiteral("20240305_070809_005_2"));
    // 2024-07-03 12:00:00 UTC is 14:00 in summer time.
    EXPECT_EQ(nxDateiZeitZuText({1720008000, 0}), QStringLiteral("20240703_140000_000_3"));
}

TEST_F(ZeitTest, UmstellungDerSommerzeit)
{
    // 31 March 2024, 02:30 does not exist in Berlin: no file time, but still a date value.
    EXPECT_FALSE(nxTextZuDateiZeit(QStringLiteral("20240331_023000_000_7")));
    const auto w = nxZeitAusText(QStringLiteral("20240331_023000_000_7"));
    ASSERT_TRUE(w);
    EXPECT_EQ(nxZeitText(*w), QStringLiteral("20240331_023000_000_7"));
    // 27 October 2024, 02:30 exists twice; the way back takes the later one (01:30 UTC).
    const auto z = nxTextZuDateiZeit(QStringLiteral("20241027_023000_000_7"));
    ASSERT_TRUE(z);
    EXPECT_EQ(z->sekunden, 1729992600);
}

TEST_F(ZeitTest, DateiZeitVor1900)
{
    const qint64 jahr1850 = QDateTime(QDate(1850, 6, 1), QTime(12, 0), Qt::UTC).toSecsSinceEpoch();
    EXPECT_EQ(nxDateiZeitZuText({jahr1850, 0}), kZeitTextUngueltig);
    EXPECT_EQ(nxDateiZeitZuText({std::numeric_limits<qint64>::max(), 0}), kZeitTextUngueltig);
}

struct AbstandFall
{
    const char *name;
    double tageVorher; // now - value in days
    const char *text;
};

void PrintTo(const AbstandFall &f, std::ostream *os)
{
    *os << f.name;
}

class ZeitAbstandTest : public ::testing::TestWithParam<AbstandFall>
{};

TEST_P(ZeitAbstandTest, Text)
{
    const double jetzt = 45000.5;
    EXPECT_EQ(nxZeitAbstand(jetzt - GetParam().tageVorher, jetzt), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Faelle, ZeitAbstandTest,
                         ::testing::Values(AbstandFall{"DreiEinhalbTage", 3.5, "vor 3 Tagen"},
                                           AbstandFall{"VierzigTageZukunft", -40, "in 1 Monaten"},
                                           AbstandFall{"ZweiJahre", 800, "vor 2 Jahren"},
                                           AbstandFall{"EinTagGenau", 1, "vor 24 Stunden"},
                                           AbstandFall{"ZehnMinuten", 10.5 / 1440, "vor 10 Minuten"},
                                           AbstandFall{"DreissigSekunden", 30.5 / 86400, "vor 30 Sekunden"},
                                           AbstandFall{"Jetzt", 0, "vor 0 Sekunden"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Format, Zahlen)
{
    EXPECT_EQ(nxZahlText(1234567), QStringLiteral("1.234.567"));
    EXPECT_EQ(nxZahlText(-1234), QStringLiteral("-1.234"));
    EXPECT_EQ(nxZahlText(123), QStringLiteral("123"));
    EXPECT_EQ(nxZahlText(-123456), QStringLiteral("-123.456"));
    EXPECT_EQ(nxZahlText(std::numeric_limits<qint64>::min()), QStringLiteral("-9.223.372.036.854.775.808"));
    EXPECT_EQ(nxZahlGruppieren(QStringLiteral("1000")), QStringLiteral("1.000"));
    EXPECT_EQ(nxZahlGruppieren(QString()), QString());
    EXPECT_EQ(nxZahlKommaText(1234.5, 2), QStringLiteral("1.234,50"));

    EXPECT_EQ(nxZahlNullen(10, 1), QStringLiteral("0000000001"));
    EXPECT_EQ(nxZahlNullen(10, 0), QStringLiteral("0000000000"));
    EXPECT_EQ(nxZahlNullen(5, -12), QStringLiteral("-0012"));
    EXPECT_EQ(nxZahlNullen(3, -12345), QStringLiteral("-12345"));
    EXPECT_EQ(nxZahlNullen(2, 12345), QStringLiteral("12345"));
    EXPECT_EQ(nxZahlNullen(0, std::numeric_limits<qint64>::min()), QStringLiteral("-9223372036854775808"));
}

TEST(Format, Groessen)
{
    EXPECT_EQ(nxGroesseText(0), QStringLiteral("0 B"));
    EXPECT_EQ(nxGroesseText(1024), QStringLiteral("1024 B"));
    EXPECT_EQ(nxGroesseText(1025), QStringLiteral("1 KB"));
    EXPECT_EQ(nxGroesseText(1048576), QStringLiteral("1024 KB"));
    EXPECT_EQ(nxGroesseText(1048577), QStringLiteral("1 MB"));
    EXPECT_EQ(nxGroesseText(1073741824), QStringLiteral("1024 MB"));
    EXPECT_EQ(nxGroesseText(1073741825), QStringLiteral("1 GB"));
}

TEST(Format, NamenUndZeilen)
{
    EXPECT_EQ(nxAttributName(u'h'), QStringLiteral("verHeimlicht"));
    EXPECT_EQ(nxAttributName(u'R'), QStringLiteral("schReibschutz"));
    EXPECT_EQ(nxAttributName(u'c'), QStringLiteral("Comprimiert"));
    EXPECT_EQ(nxAttributName(u'x'), QString());
    EXPECT_EQ(nxJaNein(true), QStringLiteral("J"));
    EXPECT_EQ(nxJaNein(false), QStringLiteral("N"));
    EXPECT_EQ(nxWochentag(1), QStringLiteral("Montag"));
    EXPECT_EQ(nxWochentag(7), QStringLiteral("Sonntag"));
    EXPECT_EQ(nxWochentag(0), QStringLiteral("?"));
    EXPECT_EQ(nxWochentag(8), QStringLiteral("?"));
    EXPECT_EQ(nxZeilenVerbinden(TextFeld{QString(), QStringLiteral("a"), QStringLiteral("b")}),
              QStringLiteral("a\r\nb"));
    EXPECT_EQ(nxZeilenVerbinden(TextFeld{}), QString());
}

} // namespace
