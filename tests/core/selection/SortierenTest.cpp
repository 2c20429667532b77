#include "core/selection/sub_Auswahl.h"
#include "core/selection/sub_Sortieren.h"
#include "core/shell/Fortschritt.h"
#include "core/util/nx_Text.h"

#include <QRandomGenerator>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>

using namespace rinolux;

namespace {

struct Eintrag
{
    QString pfad;
    QString name;
    qint64 bytes = 0;
    bool verz = false;
    QString zeitA = QStringLiteral("20240101_000000_000_1");
};

ListenDaten liste(const std::vector<Eintrag> &e)
{
    ListenDaten l;
    nxAuswahlListeVorbereiten(l);
    for (const Eintrag &x : e) {
        const int z = l.ZeilenAnhaengen(1);
        l.ZelleSetzen(z, AZelle::Pfad, x.pfad);
        l.ZelleSetzen(z, AZelle::Name, x.name);
        l.ZelleSetzen(z, AZelle::Format, nxNameFormat(x.name));
        l.ZelleSetzen(z, AZelle::Bytes, QString::number(x.bytes));
        l.ZelleSetzen(z, AZelle::Attribute, x.verz ? QStringLiteral("16") : QStringLiteral("32"));
        l.ZelleSetzen(z, AZelle::ZeitA, x.zeitA);
        l.VerzSetzen(z, x.verz);
    }
    return l;
}

// "pfad+name" of every position.
QStringList folge(const ListenDaten &l)
{
    QStringList t;
    for (int p = 1; p <= l.Anzahl(); ++p)
        t << l.Zelle(l.ZeileAn(p), AZelle::Pfad) + l.Zelle(l.ZeileAn(p), AZelle::Name);
    return t;
}

} // namespace

TEST(NatuerlicherSchluessel, ZiffernfolgenNachWert)
{
    EXPECT_EQ(nxNatuerlicherSchluessel(QStringLiteral("file12.txt")), QStringLiteral("file00212000.txt"));
    EXPECT_EQ(nxNatuerlicherSchluessel(QStringLiteral("file012.txt")), QStringLiteral("file00212001.txt"));
    EXPECT_EQ(nxNatuerlicherSchluessel(QStringLiteral("file7")), QStringLiteral("file0017000"));
    EXPECT_EQ(nxNatuerlicherSchluessel(QStringLiteral("00")), QStringLiteral("000002"));
    EXPECT_EQ(nxNatuerlicherSchluessel(QStringLiteral("a1b22")), QStringLiteral("a0011000b00222000"));
    EXPECT_EQ(nxNatuerlicherSchluessel(QString(120, u'9')), QStringLiteral("120") + QString(120, u'9') + "000");
}

TEST(SortWahl, AchtundzwanzigEintraegeUndIhreKetten)
{
    const QStringList t = nxSortWahlTexte();
    ASSERT_EQ(t.size(), 28);
    EXPECT_EQ(t.at(12), QStringLiteral("Zeit Änderung"));
    EXPECT_EQ(t.at(27), QStringLiteral("Anzahl der Pfad-Verzeichnisse (umgekehrt)"));
    EXPECT_EQ(nxSortKette(14), QStringLiteral("VÄ"));
    EXPECT_EQ(nxSortKette(29), QStringLiteral("VPN"));
    EXPECT_EQ(nxSortKette(0), QStringLiteral("VPN"));
}

struct SortFall
{
    const char *name;
    int wahl;
    std::vector<Eintrag> eintraege;
    QStringList erwartet;
};

class Sortieren : public testing::TestWithParam<SortFall>
{
};

TEST_P(Sortieren, OrdnetNachKetteUndRichtung)
{
    const SortFall &f = GetParam();
    ListenDaten l = liste(f.eintraege);
    l.MarkSetzen(1, true);
    ASSERT_TRUE(nxAuswahlSortieren(l, f.wahl, false, {}, nullptr));
    EXPECT_EQ(folge(l), f.erwartet);
    EXPECT_TRUE(l.Markiert(1)); // marks stay with their rows
    EXPECT_EQ(l.Zelle(1, AZelle::Name), f.eintraege[0].name);
}

const QString d = QStringLiteral("/d/");

INSTANTIATE_TEST_SUITE_P(
    Ketten, Sortieren,
    testing::Values(
        SortFall{"BytesNumerisch", 7, {{d, "c", 100}, {d, "a", 9}, {d, "b", 10}}, {"/d/a", "/d/b", "/d/c"}},
        SortFall{"BytesUmgekehrtVerzeichnisseZuerst", 8,
                 {{d, "c", 100}, {d, "a", 9}, {d, "v", 0, true}, {d, "b", 10}},
                 {"/d/v", "/d/c", "/d/b", "/d/a"}},
        SortFall{"NameNatuerlich", 3,
                 {{d, "bild10.jpg"}, {d, "bild02.jpg"}, {d, "bild2.jpg"}, {d, "bild1.jpg"}},
                 {"/d/bild1.jpg", "/d/bild2.jpg", "/d/bild02.jpg", "/d/bild10.jpg"}},
        SortFall{"GleicheNamenNachPfad", 3,
                 {{"/z/", "a"}, {"/b/", "a"}, {"/a/", "b"}},
                 {"/b/a", "/z/a", "/a/b"}},
        SortFall{"GleichePfadeNachName", 1,
                 {{"/b/", "z"}, {"/a/", "y"}, {"/b/", "a"}},
                 {"/a/y", "/b/a", "/b/z"}},
        SortFall{"PfadUmgekehrt", 2,
                 {{"/b/", "z"}, {"/a/", "y"}, {"/b/", "a"}},
                 {"/b/z", "/b/a", "/a/y"}},
        SortFall{"UmlauteNachDemSelbstlaut", 3,
                 {{d, "Bär"}, {d, "Bb"}, {d, "Bar"}, {d, "Bas"}},
                 {"/d/Bar", "/d/Bas", "/d/Bär", "/d/Bb"}},
        SortFall{"ZeitVor1900Zuletzt", 13,
                 {{d, "alt", 0, false, "????????_??????_???_?"}, {d, "b", 0, false, "20240101_000000_000_1"},
                  {d, "a", 0, false, "19991231_235959_999_5"}},
                 {"/d/a", "/d/b", "/d/alt"}},
        SortFall{"FormatDannPfadDannName", 5,
                 {{d, "b.txt"}, {d, "a.jpg"}, {d, "a.txt"}, {d, "ohne"}},
                 {"/d/ohne", "/d/a.jpg", "/d/a.txt", "/d/b.txt"}},
        SortFall{"NurZahlenOhneZiffernZuerst", 19,
                 {{d, "x10"}, {d, "ohne"}, {d, "y2"}},
                 {"/d/ohne", "/d/y2", "/d/x10"}},
        SortFall{"NurBuchstaben", 17,
                 {{d, "b1"}, {d, "2a"}, {d, "-c"}},
                 {"/d/2a", "/d/b1", "/d/-c"}},
        SortFall{"LaengeVonName", 25,
                 {{d, "ccc"}, {d, "a"}, {d, "bb"}},
                 {"/d/a", "/d/bb", "/d/ccc"}},
        SortFall{"AnzahlPfadVerzeichnisse", 27,
                 {{"/a/b/c/", "x"}, {"/a/", "x"}, {"//server/share/", "x"}, {"/a/b/", "x"}},
                 {"//server/share/x", "/a/x", "/a/b/x", "/a/b/c/x"}}),
    [](const testing::TestParamInfo<SortFall> &i) { return std::string(i.param.name); });

TEST(Sortieren, SchluesselDerPfadVerzeichnisse)
{
    ListenDaten l = liste({{"/a/b/", "x"}, {"//server/share/x/", "y"}});
    EXPECT_EQ(nxSortSchluesselText(l, 1, u'6'), QStringLiteral("203"));
    EXPECT_EQ(nxSortSchluesselText(l, 2, u'6'), QStringLiteral("202"));
    EXPECT_EQ(nxSortSchluesselText(l, 1, u'1'), QStringLiteral("006"));
}

TEST(Sortieren, LeereListeUndEscVorDemStart)
{
    ListenDaten leer;
    nxAuswahlListeVorbereiten(leer);
    EXPECT_TRUE(nxAuswahlSortieren(leer, 1, true, [] { return true; }, nullptr));
    ListenDaten l = liste({{d, "b"}, {d, "a"}});
    EXPECT_FALSE(nxAuswahlSortieren(l, 1, true, [] { return true; }, nullptr));
    // Without ESC allowed the key is ignored.
    EXPECT_TRUE(nxAuswahlSortieren(l, 1, false, [] { return true; }, nullptr));
    EXPECT_EQ(folge(l), (QStringList{"/d/a", "/d/b"}));
}

TEST(Sortieren, AbbruchDerFortschrittsanzeigeNurWennErlaubt)
{
    std::vector<Eintrag> e;
    for (int i = 0; i < 50; ++i)
        e.push_back({QStringLiteral("/p%1/").arg(i % 7), QStringLiteral("n%1").arg(i)});
    ListenDaten l = liste(e);
    AbbruchBeiSchritt f(1);
    EXPECT_FALSE(nxAuswahlSortieren(l, 1, true, {}, &f));
    AbbruchBeiSchritt g(1);
    EXPECT_TRUE(nxAuswahlSortieren(l, 1, false, {}, &g));
}

namespace {

// The chain's text keys the collator's way on the key texts, each key ordering only the
// runs of equal key texts the one before left: the order every other way must give.
QStringList referenzFolge(const ListenDaten &l, int wahl)
{
    const QString kette = nxSortKette(wahl).mid(1); // all entries are files: "V" does nothing
    const bool umgekehrt = wahl % 2 == 0;
    std::vector<int> ord;
    for (int z = 1; z <= l.Anzahl(); ++z)
        ord.push_back(z);
    std::vector<std::pair<int, int>> gruppen{{0, l.Anzahl()}};
    for (const QChar code : kette) {
        std::vector<std::pair<int, int>> naechste;
        for (const auto &[von, bis] : gruppen) {
            auto text = [&](int zeile) { return nxSortSchluesselText(l, zeile, code); };
            std::stable_sort(ord.begin() + von, ord.begin() + bis,
                             [&](int a, int b) { return nxTextSchluessel(text(a)) < nxTextSchluessel(text(b)); });
            if (umgekehrt)
                std::reverse(ord.begin() + von, ord.begin() + bis);
            for (int a = von; a < bis;) {
                int b = a + 1;
                while (b < bis && text(ord[size_t(b)]) == text(ord[size_t(a)]))
                    ++b;
                if (b - a >= 2)
                    naechste.emplace_back(a, b);
                a = b;
            }
        }
        gruppen = std::move(naechste);
    }
    QStringList t;
    for (const int z : ord)
        t << l.Zelle(z, AZelle::Pfad) + l.Zelle(z, AZelle::Name);
    return t;
}

struct ZufallsListeFall
{
    const char *name;
    QByteArray besondererName; // stored as these bytes in one row; empty: none
};

void PrintTo(const ZufallsListeFall &f, std::ostream *os)
{
    *os << f.name;
}

class ZufallsListe : public testing::TestWithParam<ZufallsListeFall>
{
};

} // namespace

// Names with umlauts, ß, case variants, hyphens, numbers with and without leading zeros
// ("a01" and "a1" have different keys), equal in several folders: every name and path
// chain sorts exactly as the collator orders the key texts, whether the keys are the
// cheap ones (all names simple) or the collator's (one name that is not).
TEST_P(ZufallsListe, WieDerKollatorAufDenSchluesseltexten)
{
    ASSERT_TRUE(nxTextSchnellVorbereiten());
    QRandomGenerator zufall(31337);
    const QString zeichen = QString::fromUtf8("aAbBsSßäÄöÖüoOuU-+ _.");
    const QStringList pfade = {QStringLiteral("/d/"), QStringLiteral("/D/"), QString::fromUtf8("/ä/x/"),
                               QStringLiteral("/d1/")};
    std::vector<Eintrag> e;
    QStringList namen;
    for (int i = 0; i < 800; ++i) {
        QString n;
        if (!namen.isEmpty() && zufall.bounded(4) == 0) {
            n = namen[zufall.bounded(int(namen.size()))];
        } else {
            const int teile = 1 + zufall.bounded(4);
            for (int j = 0; j < teile; ++j) {
                if (zufall.bounded(2))
                    n += QString(zufall.bounded(3), u'0') + QString::number(zufall.bounded(120));
                else
                    n += zeichen[zufall.bounded(int(zeichen.size()))];
            }
        }
        namen << n;
        e.push_back({pfade[zufall.bounded(int(pfade.size()))], n, zufall.bounded(3000)});
    }
    e.push_back({QStringLiteral("/d/"), QStringLiteral("x") + QString(1005, u'7')});
    ListenDaten l = liste(e);
    if (!GetParam().besondererName.isEmpty())
        l.ZelleSetzenUtf8(400, AZelle::Name, GetParam().besondererName);

    // Path + name, name + path, format, bytes (natural keys of the size texts); both ways.
    for (int wahl = 1; wahl <= 8; ++wahl) {
        SCOPED_TRACE(wahl);
        ASSERT_TRUE(nxAuswahlSortieren(l, wahl, false, {}, nullptr));
        EXPECT_EQ(folge(l), referenzFolge(l, wahl));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Namen, ZufallsListe,
    testing::Values(ZufallsListeFall{"NurEinfacheZeichen", {}}, ZufallsListeFall{"EinAkzent", "caf\xC3\xA9 01"},
                    ZufallsListeFall{"UngueltigesUtf8", "a\xC3(01"}, ZufallsListeFall{"Steuerzeichen", "a\tb"}),
    [](const testing::TestParamInfo<ZufallsListeFall> &i) { return std::string(i.param.name); });
