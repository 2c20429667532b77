#include "core/engine/TeilRegelAnwenden.h"

#include <gtest/gtest.h>

using namespace rinolux;

namespace {

TeilRegel MitCode(AktionsCode code)
{
    TeilRegel r;
    r.code = code;
    return r;
}

ZeilenWerte Werte(const QString &name, qint64 zeile, qint64 verzeichnis = 1)
{
    ZeilenWerte w;
    w.pfad = QStringLiteral("/daten/bilder/");
    w.name = name;
    w.neuerName = name;
    w.zeile = zeile;
    w.verzeichnisNummer = verzeichnis;
    return w;
}

// The new name of a rule that inserts in front of the whole name (cell 1).
QString VorneEinfuegen(TeilRegelLauf &lauf, const ZeilenWerte &w)
{
    NamensPositionen p;
    p.einfuegeStellen = {Zelle{1, 1, true}};
    const ZeilenErgebnis e = lauf.teileNeu(U"", w.neuerName.toStdU32String(), U"", p, w);
    EXPECT_TRUE(e.ok()) << e.fehler.toStdString();
    return e.wert;
}

} // namespace

TEST(TeilRegelLauf, LaufendeNummernBeginnenJeVerzeichnisNeuNurImSuchErgebnis)
{
    TeilRegel r = MitCode(213);
    r.nummer = NummerFelder{QString(), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("_")};
    r.nrUnterverz = true;

    const qint64 verzeichnisse[] = {1, 1, 2, 1};
    for (const bool suchErgebnis : {true, false}) {
        TeilRegelLauf lauf(r, suchErgebnis);
        QStringList namen;
        for (qint64 i = 0; i < 4; ++i)
            namen << VorneEinfuegen(lauf, Werte(QStringLiteral("a"), i + 1, verzeichnisse[i]));
        const QStringList erwartet = suchErgebnis ? QStringList{"1_a", "2_a", "1_a", "3_a"}
                                                  : QStringList{"1_a", "2_a", "3_a", "4_a"};
        EXPECT_EQ(namen, erwartet) << suchErgebnis;
    }
}

TEST(TeilRegelLauf, ErsatzDurchNummerZaehltEinmalJeEintrag)
{
    TeilRegel r = MitCode(223);
    r.nummer = NummerFelder{QString(), QStringLiteral("1"), QStringLiteral("1"), QString()};
    TeilRegelLauf lauf(r);
    NamensPositionen p;
    p.stuecke = {Zelle{1, 1, true}, Zelle{3, 1, true}};
    EXPECT_EQ(lauf.teileNeu(U"", U"x-x", U".txt", p, Werte(QStringLiteral("x-x.txt"), 1)).wert,
              QStringLiteral("1-1.txt"));
    EXPECT_EQ(lauf.teileNeu(U"", U"x-x", U".txt", p, Werte(QStringLiteral("x-x.txt"), 2)).wert,
              QStringLiteral("2-2.txt"));
}

TEST(TeilRegelLauf, FormelFehlerGiltFuerJedeZeile)
{
    TeilRegel r = MitCode(224);
    r.formel = QStringLiteral("= /1*4*0*zahl\\ =");
    TeilRegelLauf lauf(r);
    ASSERT_TRUE(lauf.regelFehler());
    EXPECT_EQ(*lauf.regelFehler(), QStringLiteral("1. Formel falsch"));
    NamensPositionen p;
    p.stuecke = {Zelle{1, 1, true}};
    for (qint64 zeile = 1; zeile <= 2; ++zeile) {
        const ZeilenErgebnis e = lauf.teileNeu(U"", U"a", U"", p, Werte(QStringLiteral("a"), zeile));
        EXPECT_EQ(e.fehler, QStringLiteral("1. Formel falsch"));
        EXPECT_EQ(e.wert, QStringLiteral("a"));
    }
}

TEST(TeilRegelLauf, WertPlusUeber64BitIstEinZeilenFehler)
{
    TeilRegel r = MitCode(221);
    r.buchstabe = QLatin1Char('+');
    r.wert = QStringLiteral("99999999999999999999");
    TeilRegelLauf lauf(r);
    NamensPositionen p;
    p.stuecke = {Zelle{6, 1, true}};
    const ZeilenErgebnis e = lauf.teileNeu(U"", U"Bild 9", U"", p, Werte(QStringLiteral("Bild 9"), 1));
    EXPECT_EQ(e.fehler, NummerZuGrossText());

    r.wert = QStringLiteral("5");
    TeilRegelLauf fuenf(r);
    EXPECT_EQ(fuenf.teileNeu(U"", U"Bild 9", U"", p, Werte(QStringLiteral("Bild 9"), 1)).wert, QStringLiteral("Bild 14"));
}

TEST(TeilRegelLauf, WasAnderesNimmtDieWerteDerZeile)
{
    TeilRegel r = MitCode(211);
    r.buchstabe = QLatin1Char('h');
    r.wert = QStringLiteral("1");
    TeilRegelLauf lauf(r);
    EXPECT_EQ(VorneEinfuegen(lauf, Werte(QStringLiteral("x"), 1)), QStringLiteral("bilderx"));
}

TEST(TeilRegelLauf, FreieNamenUndUeberschuss)
{
    TeilRegel r = MitCode(209);
    r.freiZeilen = {QStringLiteral("Anna"), QStringLiteral("Bert")};
    TeilRegelLauf lauf(r);
    EXPECT_EQ(lauf.ueberschuss(3), -1);
    EXPECT_EQ(lauf.teileNeu(U"", U"alt", U".txt", {}, Werte(QStringLiteral("alt.txt"), 2)).wert, QStringLiteral("Bert.txt"));
    EXPECT_EQ(lauf.teileNeu(U"", U"alt", U".txt", {}, Werte(QStringLiteral("alt.txt"), 3)).wert, QString());
}

TEST(TeilRegelLauf, ZeichenListenUeberschussUndBereich)
{
    TeilRegel r = MitCode(229);
    r.filterAlt = QStringLiteral("ä|ö|ü");
    r.filterNeu = QStringLiteral("ae|oe");
    TeilRegelLauf lauf(r);
    EXPECT_EQ(lauf.ueberschuss(10), -1);
    NamensPositionen p;
    p.bereich = Bereich{1, 6};
    EXPECT_EQ(lauf.teileNeu(U"", U"Bücher", U".txt", p, Werte(QStringLiteral("Bücher.txt"), 1)).wert,
              QStringLiteral("Bcher.txt"));
}

TEST(TeilRegelLauf, AttributeUndZeiten)
{
    TeilRegel a = MitCode(205);
    a.attribute = {AttributWahl::Setzen, AttributWahl::Loeschen, AttributWahl::Lassen, AttributWahl::Lassen};
    ZeilenWerte w = Werte(QStringLiteral("a.txt"), 1);
    w.attribute = QStringLiteral("33");
    const ZeilenErgebnis attr = TeilRegelLauf(a).attribute(w);
    EXPECT_EQ(attr.wert, QStringLiteral("34"));
    EXPECT_TRUE(attr.ok());

    w.zeiten = EintragZeiten{QStringLiteral("20050307_093015_123_1"), QStringLiteral("20040101_000000_000_4"),
                             QStringLiteral("20060101_000000_000_7")};
    TeilRegel t = MitCode(112);
    t.zeit.wert = QStringLiteral("2001    _      _000");
    const ZeilenErgebnis zeit = TeilRegelLauf(t).zeit(w);
    EXPECT_EQ(zeit.wert, QStringLiteral("20010307_093015_123_3"));
    EXPECT_TRUE(zeit.ok());

    t.code = 122;
    const ZeilenErgebnis herstellung = TeilRegelLauf(t).zeit(w);
    EXPECT_EQ(herstellung.wert, QStringLiteral("20010101_000000_000_1"));
#ifndef Q_OS_WIN
    EXPECT_EQ(herstellung.fehler, QStringLiteral("auf diesem System nicht möglich"));
#endif
}
