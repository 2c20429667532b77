#include "core/engine/AttributZeit.h"

#include <gtest/gtest.h>

using namespace rinolux;

namespace {

AttributBuchstaben Wahl(const char *hrsa)
{
    return AttributBuchstaben{QLatin1Char(hrsa[0]), QLatin1Char(hrsa[1]), QLatin1Char(hrsa[2]),
                              QLatin1Char(hrsa[3])};
}

EintragZeiten Zeiten(const QString &aenderung, const QString &herstellung = QString(),
                     const QString &zugriff = QString())
{
    return EintragZeiten{aenderung, herstellung, zugriff};
}

} // namespace

TEST(Attribute, BitsSetzenLoeschenLassen)
{
    // read-only + archive, then H set and R cleared
    EXPECT_EQ(AttributWertNeu(33, Wahl("JNXX")), 34);
    EXPECT_EQ(AttributWertNeu(2, Wahl("JXXX")), 2);
    EXPECT_EQ(AttributWertNeu(0, Wahl("XXXX")), 0);
    EXPECT_EQ(AttributWertNeu(2048 + 1, Wahl("XNXX")), 2048);
}

TEST(Attribute, GrenzenDiesesSystemsWerdenJeZeileGemeldet)
{
    const AttributErgebnis gut = AttributNeu(QStringLiteral("33"), QStringLiteral("a.txt"), Wahl("JNXX"));
    EXPECT_EQ(gut.wert, 34);
    EXPECT_TRUE(gut.fehler.isEmpty());
#ifndef Q_OS_WIN
    for (const char *wahl : {"XXJX", "XXXJ"}) {
        const AttributErgebnis e = AttributNeu(QStringLiteral("0"), QStringLiteral("a.txt"), Wahl(wahl));
        EXPECT_EQ(e.fehler, QStringLiteral("auf diesem System nicht möglich")) << wahl;
    }
    // A name with a leading dot is hidden by its name and cannot be made visible.
    EXPECT_EQ(AttributNeu(QStringLiteral("2"), QStringLiteral(".profil"), Wahl("NXXX")).fehler,
              QStringLiteral("auf diesem System nicht möglich"));
    EXPECT_TRUE(AttributNeu(QStringLiteral("2"), QStringLiteral("profil"), Wahl("NXXX")).fehler.isEmpty());
    // Clearing what cannot be set here is harmless.
    EXPECT_TRUE(AttributNeu(QStringLiteral("0"), QStringLiteral("a"), Wahl("XXNN")).fehler.isEmpty());
#endif
}

struct ZeitFall
{
    const char *name;
    int code;
    const char *wert;
    int einheit;
    const char *betrag;
    const char *jetzt;
    qint64 zeile;
    const char *erwartet;
};

class ZeitRegel : public ::testing::TestWithParam<ZeitFall>
{
};

TEST_P(ZeitRegel, NeueZeit)
{
    const ZeitFall &f = GetParam();
    ZeitRegelFelder felder;
    felder.zeitWert = QString::fromUtf8(f.wert);
    felder.einheit = f.einheit;
    felder.betrag = QString::fromUtf8(f.betrag);
    EXPECT_EQ(ZeitNeu(f.code, felder, Zeiten(QString::fromUtf8(f.jetzt)), f.zeile),
              QString::fromUtf8(f.erwartet));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ZeitRegel,
    ::testing::Values(
        // Only the year is given: everything else comes from the entry, milliseconds included.
        ZeitFall{"NurJahr", 112, "2001    _      _000", 6, "", "20050307_093015_123_1", 1,
                 "20010307_093015_123_3"},
        // Seconds given: the milliseconds of the given time count.
        ZeitFall{"MitSekunde", 112, "2001    _  0000_000", 6, "", "20050307_093015_123_1", 1,
                 "20010307_090000_000_3"},
        ZeitFall{"Tag31ImFebruar", 112, "      31_      _000", 6, "", "20230215_120000_000_3", 1,
                 "????????_??????.000_?"},
        ZeitFall{"Nummeriert1", 111, "20200131_000000_000", 2, "1", "", 1, "20200131_000000_000_5"},
        ZeitFall{"Nummeriert2Schaltjahr", 111, "20200131_000000_000", 2, "1", "", 2, "20200229_000000_000_6"},
        ZeitFall{"Nummeriert3", 111, "20200131_000000_000", 2, "1", "", 3, "20200331_000000_000_2"},
        ZeitFall{"Nummeriert4", 111, "20200131_000000_000", 2, "1", "", 4, "20200430_000000_000_4"},
        ZeitFall{"LeeresFeldMinusEins", 111, "20200131_00-100_000", 6, "1", "", 1, "????????_??????.000_?"},
        ZeitFall{"JahrMinus", 111, "-0010131_000000_000", 6, "1", "", 1, "????????_??????.000_?"},
        ZeitFall{"UnterschiedVor1980", 113, "", 1, "-30", "20050601_101010_000_3", 1,
                 "????0601_101010_000_7"},
        ZeitFall{"UnterschiedVor1900", 113, "", 1, "-300", "20050601_101010_000_3", 1,
                 "????????_??????_???_?"},
        ZeitFall{"UnterschiedNach2200", 113, "", 1, "200", "20050601_101010_000_3", 1,
                 "????0601_101010_000_6"},
        ZeitFall{"StundenUeberMitternacht", 113, "", 4, "3", "20231231_223000_500_7", 1,
                 "20240101_013000_500_1"},
        ZeitFall{"SekundenRueckwaerts", 113, "", 6, "-1", "20240301_000000_000_5", 1,
                 "20240229_235959_000_4"},
        // The clocks go forward in Central Europe that night; a plain date has no such gap.
        ZeitFall{"SommerzeitLuecke", 113, "", 5, "30", "20240331_020000_000_7", 1, "20240331_023000_000_7"},
        ZeitFall{"TageNummeriert", 131, "20240101_120000_000", 3, "7", "", 3, "20240115_120000_000_1"},
        ZeitFall{"BetragUeberlauf", 111, "20200101_000000_000", 6, "9223372036854775807", "", 3,
                 "????????_??????.000_?"},
        // Beyond 64 bits the amount leaves the calendar; it must not read as 0 ("no change").
        ZeitFall{"BetragZuGross", 113, "", 3, "99999999999999999999999", "20240101_000000_000_1", 1,
                 "????????_??????.000_?"},
        ZeitFall{"RiesigeSekunden", 113, "", 6, "9223372036854775807", "20240101_000000_000_1", 1,
                 "????????_??????.000_?"},
        ZeitFall{"RiesigeJahre", 113, "", 1, "-9223372036854775807", "20240101_000000_000_1", 1,
                 "????????_??????.000_?"},
        ZeitFall{"RiesigeMonate", 113, "", 2, "9223372036854775807", "20240101_000000_000_1", 1,
                 "????????_??????.000_?"},
        ZeitFall{"KeineJetzigeZeit", 113, "", 6, "1", "", 1, "????????_??????.000_?"}),
    [](const ::testing::TestParamInfo<ZeitFall> &info) { return std::string(info.param.name); });

TEST(ZeitRegel, KopieNimmtDieQuellzeitUndZielSpalte)
{
    const EintragZeiten zeiten{QStringLiteral("20200101_010101_001_3"),
                               QStringLiteral("20190101_020202_002_2"),
                               QStringLiteral("20180101_030303_003_1")};
    ZeitRegelFelder felder;
    felder.quelle = QLatin1Char('H');
    EXPECT_EQ(ZeitNeu(114, felder, zeiten, 5), zeiten.herstellung);
    felder.quelle = QLatin1Char('A');
    EXPECT_EQ(ZeitNeu(134, felder, zeiten, 5), zeiten.aenderung);
    felder.quelle = QLatin1Char('Z');
    EXPECT_EQ(ZeitNeu(124, felder, zeiten, 5), zeiten.zugriff);
    EXPECT_EQ(ZielZeit(124, zeiten), zeiten.herstellung);
    EXPECT_EQ(ZielZeit(133, zeiten), zeiten.zugriff);
    EXPECT_EQ(ZielZeit(112, zeiten), zeiten.aenderung);
}
