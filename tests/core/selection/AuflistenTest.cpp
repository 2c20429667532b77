#include "core/selection/Auflisten.h"
#include "core/selection/SpaltenText.h"
#include "core/shell/Fortschritt.h"
#include "core/util/PfadText.h"
#include "support/TestUmgebung.h"

#include <QFile>
#include <QSet>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

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

namespace {

TEST(Auflisten, UngueltigeBytesUeberstehenDieListe)
{
    test::TestVerzeichnis tv;
    const QByteArray roh = "a\xff.txt", ersatz = "a\xef\xbf\xbd.txt";
    for (const QByteArray &n : {roh, ersatz}) {
        const int fd = ::open(QByteArray(QFile::encodeName(tv.pfad()) + n).constData(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ::close(fd);
    }
    SuchTreffer treffer;
    ASSERT_TRUE(nxAuswahlVerzeichnisAuflisten(tv.pfad(), plattform::Details::Alle, 0, treffer).ok());
    ListenDaten liste;
    StillerFortschritt still;
    ASSERT_EQ(nxAuswahlFuellen(liste, treffer, AuswahlFuellung{}, still), 2);
    QList<QByteArray> bytes;
    QStringList anzeige;
    for (int z = 1; z <= liste.Anzahl(); ++z) {
        bytes << nameZuBytes(liste.Zelle(z, AZelle::Name));
        anzeige << nxZelleAnzeige(SpaltenTyp::Text, liste.Zelle(z, AZelle::Name));
        // A cell set as text keeps the bytes as well.
        liste.ZelleSetzen(z, AZelle::Leer, liste.Zelle(z, AZelle::Name));
        EXPECT_EQ(liste.Zelle(z, AZelle::Leer), liste.Zelle(z, AZelle::Name));
    }
    std::sort(bytes.begin(), bytes.end());
    EXPECT_EQ(bytes, (QList<QByteArray>{ersatz, roh}));
    anzeige.sort();
    EXPECT_EQ(anzeige, (QStringList{u"a\\xFF.txt"_s, u"a\uFFFD.txt"_s}));
}

} // namespace
