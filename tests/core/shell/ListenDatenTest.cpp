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

// Columns of one text and columns that share another list's bytes switch to pairs of their
// own at any change; every cell must read as a plain table of texts would, whatever the
// order of writes, appends, deletions and takings.
TEST(ListenDaten, JedeFolgeVonAenderungenLiestWieEineTabelle)
{
    const QStringList texte{QString(), QStringLiteral("/a/"), QStringLiteral("/a/"), QStringLiteral("ok"),
                            QStringLiteral("Straße ä.txt"), QStringLiteral("x")};
    for (quint32 saat = 1; saat <= 40; ++saat) {
        quint32 z = saat * 2654435761U;
        auto zufall = [&z](int n) {
            z = z * 1103515245U + 12345U;
            return int((z >> 8) % quint32(n));
        };
        ListenDaten quelle(2);
        quelle.ZeilenAnhaengen(12);
        std::vector<std::vector<QString>> qModell(13, std::vector<QString>(3));
        for (int r = 1; r <= 12; ++r) {
            const QString t = r % 4 == 0 ? QStringLiteral("q%1").arg(r) : QStringLiteral("/q/");
            quelle.ZelleSetzen(r, 1, t);
            qModell[size_t(r)][1] = t;
        }
        ListenDaten d(2);
        std::vector<std::vector<QString>> modell(1, std::vector<QString>(3));
        for (int schritt = 0; schritt < 120; ++schritt) {
            const int art = zufall(10);
            const int n = d.Anzahl();
            if (art == 0 || n == 0) {
                const int neu = 1 + zufall(3);
                d.ZeilenAnhaengen(neu);
                modell.resize(modell.size() + size_t(neu), std::vector<QString>(3));
            } else if (art == 1 && n > 1) {
                const int von = 1 + zufall(n);
                const int bis = std::min(n, von + zufall(2));
                d.ZeilenLoeschen(von, bis);
                modell.erase(modell.begin() + von, modell.begin() + bis + 1);
            } else if (art <= 3) {
                // Row after row, as a fill writes.
                const QString t = texte[zufall(int(texte.size()))];
                const int zelle = 1 + zufall(2);
                for (int r = 1; r <= n; ++r) {
                    d.ZelleSetzen(r, zelle, t);
                    modell[size_t(r)][size_t(zelle)] = t;
                }
            } else if (art <= 5) {
                const int r = 1 + zufall(std::min(n, 12));
                const int zelle = 1 + zufall(2);
                const int q = 1 + zufall(12);
                d.ZelleUebernehmen(r, zelle, quelle, q, 1);
                modell[size_t(r)][size_t(zelle)] = qModell[size_t(q)][1];
            } else if (art == 6) {
                const int r = 1 + zufall(n);
                const int q = 1 + zufall(n);
                d.ZelleUebernehmen(r, 2, d, q, 1);
                modell[size_t(r)][2] = modell[size_t(q)][1];
            } else {
                const int r = 1 + zufall(n);
                const int zelle = 1 + zufall(2);
                const QString t = texte[zufall(int(texte.size()))];
                d.ZelleSetzen(r, zelle, t);
                modell[size_t(r)][size_t(zelle)] = t;
            }
            ASSERT_EQ(d.Anzahl(), int(modell.size()) - 1);
            for (int r = 1; r <= d.Anzahl(); ++r)
                for (int zelle = 1; zelle <= 2; ++zelle)
                    ASSERT_EQ(d.Zelle(r, zelle), modell[size_t(r)][size_t(zelle)])
                        << "Saat " << saat << ", Schritt " << schritt << ", Zeile " << r << ", Zelle " << zelle;
        }
        // The source keeps its own texts whatever was done with the shared bytes.
        for (int r = 1; r <= 12; ++r)
            ASSERT_EQ(quelle.Zelle(r, 1), qModell[size_t(r)][1]);
    }
}

TEST(ListenDaten, ReservierteSpalteWaechstNichtBeimFuellen)
{
    // The room reserved for a column's texts is kept by its first cell and not outgrown:
    // the column is filled without a copy and with exactly that room.
    constexpr int n = 20000;
    ListenDaten liste(1);
    liste.ZeilenAnhaengen(n);
    const auto name = [](int z) { return QStringLiteral("Name_%1.txt").arg(z); };
    qsizetype bytes = 0;
    for (int z = 1; z <= n; ++z)
        bytes += name(z).size();
    liste.SpalteReservieren(1, bytes);
    const qint64 reserviert = liste.Speicher();
    EXPECT_GE(reserviert, bytes);
    for (int z = 1; z <= n; ++z)
        liste.ZelleSetzen(z, 1, name(z));
    // Only the pairs of the rows come on top of the reserved bytes.
    EXPECT_LE(liste.Speicher(), reserviert + qint64(n) * 8 + 4096);
    EXPECT_EQ(liste.Zelle(n, 1), name(n));
    EXPECT_EQ(liste.Zelle(1, 1), name(1));
}

TEST(ListenDaten, EinTextJeSpalteUndGeteilteNamenKostenKeineZeilenbytes)
{
    constexpr int n = 100000;
    ListenDaten auswahl(2);
    auswahl.ZeilenAnhaengen(n);
    for (int z = 1; z <= n; ++z) {
        auswahl.ZelleSetzen(z, 1, QStringLiteral("/ein/verzeichnis/"));
        auswahl.ZelleSetzen(z, 2, QStringLiteral("Name %1.txt").arg(z));
    }
    auswahl.Straffen();
    const qint64 mitNamen = auswahl.Speicher();

    ListenDaten vorschau(3);
    vorschau.ZeilenAnhaengen(n);
    for (int z = 1; z <= n; ++z) {
        vorschau.ZelleUebernehmen(z, 1, auswahl, z, 1);
        vorschau.ZelleUebernehmen(z, 2, auswahl, z, 2);
        vorschau.ZelleSetzen(z, 3, QStringLiteral("ok"));
    }
    vorschau.Straffen();
    // Row state and order (12 bytes a row) and one column of pairs (8); the names' bytes
    // are counted in both lists although they lie only once in memory.
    EXPECT_LT(vorschau.Speicher(), mitNamen + qint64(n) * 12 + 4096);
    EXPECT_LT(mitNamen, qint64(n) * (12 + 8 + 16) + 4096);
    EXPECT_EQ(vorschau.Zelle(n, 2), QStringLiteral("Name %1.txt").arg(n));
    EXPECT_EQ(vorschau.Zelle(7, 1), QStringLiteral("/ein/verzeichnis/"));

    // Writing another name into the shared column leaves the selection as it was.
    vorschau.ZelleSetzen(5, 2, QStringLiteral("anders"));
    EXPECT_EQ(vorschau.Zelle(5, 2), QStringLiteral("anders"));
    EXPECT_EQ(vorschau.Zelle(6, 2), QStringLiteral("Name 6.txt"));
    EXPECT_EQ(auswahl.Zelle(5, 2), QStringLiteral("Name 5.txt"));
}
