#include "core/selection/Auflisten.h"
#include "support/TestUmgebung.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace rinolux;
using namespace Qt::StringLiterals;

namespace {

TEST(Auflisten, GegebeneNamenInIhrerFolgeMitNummerJeVerzeichnis)
{
    test::TestVerzeichnis tv;
    tv.dateienAnlegen({u"eins"_s, u"u/zwei"_s, u"drei"_s, u"u/vier/"_s});
    SuchTreffer treffer;
    const QStringList fehlen = nxAuswahlNamenAuflisten(
        {tv.pfad(u"eins"_s), tv.pfad(u"u/zwei"_s), tv.pfad(u"fehlt"_s), tv.pfad(u"drei"_s), tv.pfad(u"u/vier"_s)},
        treffer);
    EXPECT_EQ(fehlen, QStringList{tv.pfad(u"fehlt"_s)});
    ASSERT_EQ(treffer.Anzahl(), 4);
    // The fill takes the last hit first: read backwards, the hits are the given order.
    const QStringList namen{treffer.Name(4), treffer.Name(3), treffer.Name(2), treffer.Name(1)};
    EXPECT_EQ(namen, (QStringList{u"eins"_s, u"zwei"_s, u"drei"_s, u"vier"_s}));
    EXPECT_EQ(treffer.Verzeichnis(4), tv.pfad());
    EXPECT_EQ(treffer.Verzeichnis(3), tv.pfad(u"u/"_s));
    EXPECT_EQ(treffer.Daten(4).pfadNr, 1);
    EXPECT_EQ(treffer.Daten(3).pfadNr, 2);
    EXPECT_EQ(treffer.Daten(2).pfadNr, 1);
    EXPECT_EQ(treffer.Daten(1).pfadNr, 2);
    EXPECT_EQ(treffer.Daten(1).verz, 1);
}

TEST(Auflisten, VerzeichnisMeldetUndHaeltAn)
{
    test::TestVerzeichnis tv;
    QStringList viele;
    for (int i = 0; i < 2 * AuflistenMeldeSchritt + 10; ++i)
        viele << u"f"_s + QString::number(i);
    tv.dateienAnlegen(viele);

    SuchTreffer alle;
    QList<int> gemeldet;
    ASSERT_TRUE(nxAuswahlVerzeichnisAuflisten(tv.pfad(), plattform::Details::Keine, 7, alle, [&](int n) {
                    gemeldet << n;
                    return true;
                }).ok());
    EXPECT_EQ(alle.Anzahl(), viele.size());
    EXPECT_EQ(gemeldet, (QList<int>{AuflistenMeldeSchritt, 2 * AuflistenMeldeSchritt}));
    EXPECT_EQ(alle.Daten(1).pfadNr, 7);
    EXPECT_EQ(alle.Verzeichnis(1), tv.pfad());
    QSet<QString> namen;
    for (int i = 1; i <= alle.Anzahl(); ++i)
        namen.insert(alle.Name(i));
    EXPECT_EQ(namen, QSet<QString>(viele.begin(), viele.end()));

    SuchTreffer erste;
    ASSERT_TRUE(nxAuswahlVerzeichnisAuflisten(tv.pfad(), plattform::Details::Keine, 0, erste,
                                              [](int) { return false; }).ok());
    EXPECT_EQ(erste.Anzahl(), AuflistenMeldeSchritt);

    SuchTreffer keine;
    EXPECT_FALSE(nxAuswahlVerzeichnisAuflisten(tv.pfad(u"fehlt/"_s), plattform::Details::Alle, 0, keine).ok());
    EXPECT_EQ(keine.Anzahl(), 0);
}

} // namespace
