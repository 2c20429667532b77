#include "core/shell/ListenDaten.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace rinolux;

namespace {

// Rows 1..n whose cell 1 is "r<row>" and cell 2 a shared text, so deletions can be traced.
ListenDaten beispiel(int n)
{
    ListenDaten d(3);
    d.BlockSetzen(4);
    const int erste = d.ZeilenAnhaengen(n);
    for (int z = erste; z <= n; ++z) {
        d.ZelleSetzen(z, 1, QStringLiteral("r%1").arg(z));
        d.ZelleSetzen(z, 2, QStringLiteral("/gemeinsam/"));
        d.LinkSetzen(z, 100 + z);
    }
    return d;
}

QStringList spalte1InReihenfolge(const ListenDaten &d)
{
    QStringList t;
    for (int p = 1; p <= d.Anzahl(); ++p)
        t << d.Zelle(d.ZeileAn(p), 1);
    return t;
}

} // namespace

TEST(ListenDaten, ZellenSindEinsBasiertUndLeerBisGesetzt)
{
    ListenDaten d(11);
    EXPECT_EQ(d.ZeilenAnhaengen(2), 1);
    EXPECT_EQ(d.ZeilenAnhaengen(1), 3);
    EXPECT_EQ(d.Anzahl(), 3);
    EXPECT_TRUE(d.Zelle(3, 11).isEmpty());
    d.ZelleSetzen(3, 11, QStringLiteral("ä/ß\tx"));
    EXPECT_EQ(d.Zelle(3, 11), QStringLiteral("ä/ß\tx"));
    // Out of range reads are empty, never a crash: callers index with row numbers from files.
    EXPECT_TRUE(d.Zelle(0, 1).isEmpty());
    EXPECT_TRUE(d.Zelle(4, 1).isEmpty());
    EXPECT_TRUE(d.Zelle(1, 12).isEmpty());
    EXPECT_EQ(d.ZeileAn(3), 3);
}

TEST(ListenDaten, UeberschreibenUndTeilenHaltenJedeZelleRichtig)
{
    ListenDaten d(2);
    d.ZeilenAnhaengen(3);
    d.ZelleSetzen(1, 1, QStringLiteral("gleich"));
    d.ZelleSetzen(2, 1, QStringLiteral("gleich"));
    d.ZelleSetzen(3, 1, QStringLiteral("anders"));
    d.ZelleSetzen(2, 1, QStringLiteral("neu"));
    EXPECT_EQ(d.Zelle(1, 1), QStringLiteral("gleich"));
    EXPECT_EQ(d.Zelle(2, 1), QStringLiteral("neu"));
    EXPECT_EQ(d.Zelle(3, 1), QStringLiteral("anders"));
    // Copying a cell of the same column onto another row.
    d.ZelleSetzenUtf8(3, 1, d.ZelleUtf8(1, 1));
    EXPECT_EQ(d.Zelle(3, 1), QStringLiteral("gleich"));
    d.ZelleSetzen(1, 1, QString());
    EXPECT_TRUE(d.Zelle(1, 1).isEmpty());
}

TEST(ListenDaten, VieleUeberschreibungenVerdichtenOhneTextVerlust)
{
    ListenDaten d(1);
    d.ZeilenAnhaengen(1000);
    const QString lang(200, u'x');
    for (int runde = 0; runde < 30; ++runde)
        for (int z = 1; z <= 1000; ++z)
            d.ZelleSetzen(z, 1, lang + QString::number(runde * 1000 + z));
    for (int z = 1; z <= 1000; ++z)
        ASSERT_EQ(d.Zelle(z, 1), lang + QString::number(29 * 1000 + z)) << z;
    // Garbage of earlier rounds was dropped: well below 30 copies of the text.
    EXPECT_LT(d.Speicher(), 3 * 1000 * 210 + 64 * 1024 + 8 * 1024 * 1024);
}

TEST(ListenDaten, MarkenZaehlenGenau)
{
    ListenDaten d = beispiel(5);
    d.MarkSetzen(2, true);
    d.MarkSetzen(2, true);
    d.MarkSetzen(4, true);
    EXPECT_EQ(d.MarkiertAnzahl(), 2);
    d.MarkierungUmkehren();
    EXPECT_EQ(d.MarkiertAnzahl(), 3);
    EXPECT_FALSE(d.Markiert(2));
    EXPECT_TRUE(d.Markiert(1));
    d.AlleMarkieren(true);
    EXPECT_EQ(d.MarkiertAnzahl(), 5);
    d.AlleMarkieren(false);
    EXPECT_EQ(d.MarkiertAnzahl(), 0);
}

TEST(ListenDaten, ReihenfolgeNurAlsPermutation)
{
    ListenDaten d = beispiel(3);
    EXPECT_TRUE(d.ReihenfolgeSetzen({0, 3, 1, 2}));
    EXPECT_EQ(spalte1InReihenfolge(d), (QStringList{"r3", "r1", "r2"}));
    EXPECT_EQ(d.PositionVon(2), 3);
    EXPECT_FALSE(d.ReihenfolgeSetzen({0, 3, 3, 2}));
    EXPECT_FALSE(d.ReihenfolgeSetzen({0, 1, 2}));
    EXPECT_FALSE(d.ReihenfolgeSetzen({0, 1, 2, 4}));
    EXPECT_EQ(spalte1InReihenfolge(d), (QStringList{"r3", "r1", "r2"}));
    d.ReihenfolgeIdentitaet();
    EXPECT_EQ(spalte1InReihenfolge(d), (QStringList{"r1", "r2", "r3"}));
}

TEST(ListenDaten, LoeschenBehaeltRestMitZustandUndReihenfolge)
{
    ListenDaten d = beispiel(6);
    ASSERT_TRUE(d.ReihenfolgeSetzen({0, 6, 5, 4, 3, 2, 1}));
    d.MarkSetzen(2, true);
    d.MarkSetzen(5, true);
    d.VerzSetzen(6, true);
    d.AktPositionSetzen(3); // row 4

    d.ZeilenLoeschen(std::vector<int>{2, 4, 99});
    EXPECT_EQ(d.Anzahl(), 4);
    EXPECT_EQ(d.MarkiertAnzahl(), 1);
    EXPECT_EQ(spalte1InReihenfolge(d), (QStringList{"r6", "r5", "r3", "r1"}));
    // Row numbers close the gaps; cells, states and links travel with their rows.
    EXPECT_EQ(d.Zelle(4, 1), QStringLiteral("r6"));
    EXPECT_TRUE(d.Verz(4));
    EXPECT_EQ(d.Link(4), 106);
    EXPECT_TRUE(d.Markiert(3));
    EXPECT_EQ(d.Zelle(3, 2), QStringLiteral("/gemeinsam/"));
    EXPECT_EQ(d.AktPosition(), 2); // nearest kept position before the deleted current one

    d.ZeilenLoeschen(2, 3);
    EXPECT_EQ(spalte1InReihenfolge(d), (QStringList{"r6", "r1"}));
    EXPECT_EQ(d.MarkiertAnzahl(), 0);
}

TEST(ListenDaten, MarkierteLoeschen)
{
    ListenDaten d = beispiel(5);
    d.MarkSetzen(1, true);
    d.MarkSetzen(3, true);
    d.MarkSetzen(5, true);
    EXPECT_EQ(d.MarkierteLoeschen(), 3);
    EXPECT_EQ(spalte1InReihenfolge(d), (QStringList{"r2", "r4"}));
    EXPECT_EQ(d.MarkiertAnzahl(), 0);
    EXPECT_EQ(d.MarkierteLoeschen(), 0);
    d.ZeilenLoeschen(1, 2);
    EXPECT_TRUE(d.Leer());
    EXPECT_EQ(d.AktPosition(), 0);
    // Still usable after it ran empty.
    d.ZeilenAnhaengen(1);
    d.ZelleSetzen(1, 3, QStringLiteral("x"));
    EXPECT_EQ(d.Zelle(1, 3), QStringLiteral("x"));
}

TEST(ListenDaten, LeerenSetztAllesZurueck)
{
    ListenDaten d = beispiel(4);
    d.MarkSetzen(1, true);
    d.AktPositionSetzen(2);
    d.MeldungSetzen(QStringLiteral("x"));
    d.Leeren(10);
    EXPECT_EQ(d.Anzahl(), 0);
    EXPECT_EQ(d.MarkiertAnzahl(), 0);
    EXPECT_EQ(d.AktPosition(), 0);
    EXPECT_EQ(d.AktZeile(), 0);
    EXPECT_EQ(d.Meldung(), QStringLiteral("x")); // the message belongs to its owner
}
