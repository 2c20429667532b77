#include "core/actions/RueckListe.h"
#include "support/TestUmgebung.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace rinolux;

namespace {

struct Satz
{
    const char *verz;
    const char *name;
    const char *wert;
    bool v = false;
};

// An index over a fresh directory holding one file written through the writer.
struct RueckFixture
{
    test::TestVerzeichnis dir;
    RueckIndex index{dir.pfad()};

    void schreiben(int code, const std::vector<Satz> &erste, const std::vector<std::pair<int, Satz>> &zweite = {},
                   bool schliessen = true)
    {
        auto nr = index.Aktion_NeueRueckDateiNr();
        ASSERT_TRUE(nr);
        auto w = RueckDateiAnlegen(index.dateiPfad(*nr), code, QStringLiteral("Test"));
        ASSERT_TRUE(w);
        for (const Satz &s : erste) {
            ASSERT_TRUE((*w)->satz(QString::fromUtf8(s.verz), QString::fromUtf8(s.name), QString::fromUtf8(s.wert), s.v));
        }
        if (!zweite.empty()) {
            ASSERT_TRUE((*w)->zweiterAbschnitt());
        }
        for (const auto &[nummer, s] : zweite) {
            ASSERT_TRUE((*w)->abschluss(nummer, QString::fromUtf8(s.verz), QString::fromUtf8(s.name),
                                        QString::fromUtf8(s.wert), s.v));
        }
        if (schliessen) {
            ASSERT_TRUE((*w)->schliessen(qint64(erste.size()), qint64(zweite.size()), 0));
        }
        w->reset();
        index.IniListeRueck_EinenAnhaengen(*nr, code, QStringLiteral("Test"), true, 50, schliessen ? 0 : -1,
                                           qint64(zweite.size()), qint64(erste.size()));
    }

    RueckLadeStand laden(ListenDaten &liste, int i = 1)
    {
        return Aktion_Vorschau_Rueck(index.dateiPfad(index.eintrag(i).nummer), index.eintrag(i), liste);
    }
};

QStringList spalte(const ListenDaten &liste, int zelle)
{
    QStringList s;
    for (int z = 1; z <= liste.Anzahl(); ++z)
        s << liste.Zelle(z, zelle);
    return s;
}

TEST(RueckLadenTest, TauschZeigtEndNamenUndNamenVorDerAktion)
{
    RueckFixture f;
    f.schreiben(301, {{"/d/", "!Rin_1", "a"}, {"/d/", "!Rin_2", "b"}},
                {{1, {"/d/", "b", "!Rin_1"}}, {2, {"/d/", "a", "!Rin_2"}}});
    ListenDaten liste(kRueckZellen);
    const RueckLadeStand stand = f.laden(liste);
    EXPECT_EQ(stand.art, RueckLadeStand::Art::Ok);
    EXPECT_TRUE(stand.meldung.isEmpty());
    EXPECT_EQ(spalte(liste, kRueckZelleName), (QStringList{"b", "a"}));
    EXPECT_EQ(spalte(liste, kRueckZelleNeuName), (QStringList{"a", "b"}));
    EXPECT_EQ(spalte(liste, kRueckZellePfad), (QStringList{"/d/", "/d/"}));
}

TEST(RueckLadenTest, AbgebrochenZwischenDenPhasenZeigtDieUmwegNamen)
{
    RueckFixture f;
    f.schreiben(301, {{"/d/", "!Rin_1", "a"}, {"/d/", "!Rin_2", "b"}}, {{1, {"/d/", "b", "!Rin_1"}}}, false);
    EXPECT_EQ(f.index.eintrag(1).fehler, -1);
    ListenDaten liste(kRueckZellen);
    const RueckLadeStand stand = f.laden(liste);
    EXPECT_TRUE(stand.meldung.isEmpty());
    EXPECT_EQ(spalte(liste, kRueckZelleName), (QStringList{"b", "!Rin_2"}));
    EXPECT_EQ(spalte(liste, kRueckZelleNeuName), (QStringList{"a", "b"}));
}

TEST(RueckLadenTest, WertSpalteNachCode)
{
    const struct
    {
        int code;
        const char *wert;
        int zelle;
        QString erwartet;
    } faelle[] = {
        {301, "alt.txt", kRueckZelleNeuName, "alt.txt"},
        {302, "3", kRueckZelleAttribute, "3"},
        {303, "20240101_120000_000_1", kRueckZelleZeit, "20240101_120000_000_1"},
        {305, "20240101_120000_000_1", kRueckZelleZeit, "20240101_120000_000_1"},
        {309, "-", kRueckZelleNeuName, "(wird gelöscht)"},
        {310, "-", kRueckZelleKeine, "(Rückgängig nicht möglich)"},
    };
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.code);
        RueckFixture f;
        f.schreiben(fall.code, {{"/d/", "x", fall.wert, true}});
        ListenDaten liste(kRueckZellen);
        EXPECT_TRUE(f.laden(liste).meldung.isEmpty());
        ASSERT_EQ(liste.Anzahl(), 1);
        EXPECT_TRUE(liste.Verz(1));
        for (int zelle = kRueckZelleNeuName; zelle <= kRueckZelleKeine; ++zelle)
            EXPECT_EQ(liste.Zelle(1, zelle), zelle == fall.zelle ? fall.erwartet : QString()) << zelle;
    }
}

TEST(RueckLadenTest, FehlendeUndFehlerhafteDatei)
{
    RueckFixture f;
    f.schreiben(301, {{"/d/", "a", "b"}, {"/d/", "c", "d"}});
    const QString pfad = f.index.dateiPfad(f.index.eintrag(1).nummer);
    ListenDaten liste(kRueckZellen);

    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    QByteArray bytes = datei.readAll();
    datei.close();
    bytes.replace("\r\nc\r\n", "\r\n../c\r\n");
    ASSERT_TRUE(QFile::remove(pfad));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(bytes);
    datei.close();
    RueckLadeStand stand = f.laden(liste);
    EXPECT_EQ(stand.meldung, RueckTextFehlerhaft());
    EXPECT_EQ(spalte(liste, kRueckZelleName), QStringList{"a"}) << "the readable record is used";

    ASSERT_TRUE(QFile::remove(pfad));
    stand = f.laden(liste);
    EXPECT_EQ(stand.art, RueckLadeStand::Art::Fehlt);
    EXPECT_EQ(stand.meldung, RueckTextZugriff(pfad));
    EXPECT_EQ(liste.Anzahl(), 0);
}

struct KorrekturFall
{
    const char *name;
    int code;
    std::vector<Satz> zeilen; // directory, present name, old name, directory flag
    QStringList erwartet;     // cell 3 per row
};

class RueckKorrekturTest : public ::testing::TestWithParam<KorrekturFall>
{
};

TEST_P(RueckKorrekturTest, Zelle3)
{
    const KorrekturFall &f = GetParam();
    ListenDaten liste(kRueckZellen);
    for (const Satz &s : f.zeilen) {
        const int z = liste.ZeilenAnhaengen(1);
        liste.ZelleSetzen(z, kRueckZellePfad, QString::fromUtf8(s.verz));
        liste.ZelleSetzen(z, kRueckZelleName, QString::fromUtf8(s.name));
        liste.ZelleSetzen(z, kRueckZelleNeuName, QString::fromUtf8(s.wert));
        liste.VerzSetzen(z, s.v);
    }
    RueckVerzeichnisKorrektur(liste, f.code);
    EXPECT_EQ(spalte(liste, kRueckZelleNeuPfad), f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, RueckKorrekturTest,
    ::testing::Values(
        KorrekturFall{"DateiImUmbenanntenVerzeichnis", 301,
                      {{"/x/Dalt/", "fneu", "falt"}, {"/x/", "Dneu", "Dalt", true}},
                      {"/x/Dneu/", "/x/"}},
        KorrekturFall{"Verschachtelt", 301,
                      {{"/x/A/B/", "f2", "f"}, {"/x/A/", "B2", "B", true}, {"/x/", "A2", "A", true}},
                      {"/x/A2/B2/", "/x/A2/", "/x/"}},
        KorrekturFall{"FremdeZeileDazwischenHaeltNichtAuf", 301,
                      {{"/x/D/u/", "g2", "g"}, {"/y/", "h2", "h"}, {"/x/D/", "f2", "f"}, {"/x/", "E", "D", true}},
                      {"/x/E/u/", "/y/", "/x/E/", "/x/"}},
        KorrekturFall{"NurGanzePfadTeile", 301,
                      {{"/x/D2/", "f2", "f"}, {"/x/Dx", "f3", "f"}, {"/x/", "E", "D", true}},
                      {"/x/D2/", "/x/Dx", "/x/"}},
        KorrekturFall{"GrossKleinIstEinAnderesVerzeichnis", 301,
                      {{"/x/d/", "f2", "f"}, {"/x/", "E", "D", true}},
                      {"/x/d/", "/x/"}},
        KorrekturFall{"ZeilenDarunterBleiben", 301,
                      {{"/x/", "E", "D", true}, {"/x/D/", "f2", "f"}},
                      {"/x/", "/x/D/"}},
        KorrekturFall{"NurBeiNamen", 302,
                      {{"/x/D/", "f", "1"}, {"/x/", "D", "0", true}},
                      {"/x/D/", "/x/"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RueckRestTest, TeilweiseRueckgaengigBehaeltGenauDieUebrigenZeilen)
{
    RueckFixture f;
    // A file inside a renamed directory, another file, and the directory.
    f.schreiben(301, {{"/x/D/", "f2", "f"}, {"/x/", "g2", "g"}, {"/x/", "E", "D", true}});
    ListenDaten liste(kRueckZellen);
    ASSERT_TRUE(f.laden(liste).meldung.isEmpty());
    RueckVerzeichnisKorrektur(liste, 301);

    // g and the directory went back, f did not.
    ASSERT_TRUE(Aktion_RueckAbschliessen(f.index, 1, liste, {1}));
    ASSERT_EQ(f.index.anzahl(), 1);
    EXPECT_EQ(f.index.eintrag(1).anzahl, 1);
    EXPECT_GT(f.index.eintrag(1).fehler, 0);

    RueckIndex neu(f.dir.pfad());
    neu.IniListeRueck_Lesen();
    ASSERT_EQ(neu.anzahl(), 1);
    EXPECT_EQ(neu.eintrag(1).anzahl, 1);
    EXPECT_EQ(neu.eintrag(1).fehler, f.index.eintrag(1).fehler) << "index and file agree";
    EXPECT_EQ(neu.eintrag(1).zeit, f.index.eintrag(1).zeit);
    ListenDaten rest(kRueckZellen);
    ASSERT_TRUE(Aktion_Vorschau_Rueck(neu.dateiPfad(neu.eintrag(1).nummer), neu.eintrag(1), rest).meldung.isEmpty());
    // The directory was undone, so the recorded path /x/D/ is where f2 is now.
    EXPECT_EQ(spalte(rest, kRueckZellePfad), QStringList{"/x/D/"});
    EXPECT_EQ(spalte(rest, kRueckZelleName), QStringList{"f2"});
    EXPECT_EQ(spalte(rest, kRueckZelleNeuName), QStringList{"f"});

    ASSERT_TRUE(Aktion_RueckAbschliessen(f.index, 1, rest, {}));
    EXPECT_EQ(f.index.anzahl(), 0);
    EXPECT_FALSE(QFile::exists(neu.dateiPfad(neu.eintrag(1).nummer)));
    EXPECT_FALSE(Aktion_RueckAbschliessen(f.index, 1, rest, {}));
}

TEST(RueckRestTest, AbgebrochenerTauschBehaeltDieUmwegNamen)
{
    RueckFixture f;
    f.schreiben(301, {{"/d/", "!Rin_1", "a"}, {"/d/", "!Rin_2", "b"}}, {{1, {"/d/", "b", "!Rin_1"}}}, false);
    ListenDaten liste(kRueckZellen);
    ASSERT_TRUE(f.laden(liste).meldung.isEmpty());
    ASSERT_TRUE(Aktion_RueckAbschliessen(f.index, 1, liste, {1, 2}));
    ListenDaten rest(kRueckZellen);
    ASSERT_TRUE(f.laden(rest).meldung.isEmpty());
    EXPECT_EQ(spalte(rest, kRueckZelleName), (QStringList{"b", "!Rin_2"}));
    EXPECT_EQ(spalte(rest, kRueckZelleNeuName), (QStringList{"a", "b"}));
    EXPECT_EQ(f.index.eintrag(1).anzahl2, 0);
}

} // namespace
