#include "core/selection/BaumDaten.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace rinolux;
using namespace Qt::StringLiterals;

namespace {

QStringList kinderPfade(const BaumModell &m, const QModelIndex &i)
{
    QStringList r;
    for (int z = 0; z < m.rowCount(i); ++z)
        r << m.Pfad(m.index(z, 0, i));
    return r;
}

// ---- filter

struct FilterFall
{
    const char *name;
    QStringList zeilen;
    QString verzeichnis;
    QString eintrag;
    bool ausgeschlossen;
};

class BaumFilterTest : public testing::TestWithParam<FilterFall>
{
};

TEST_P(BaumFilterTest, SchliesstAus)
{
    const FilterFall &f = GetParam();
    EXPECT_EQ(BaumFilter::ausZeilen(f.zeilen).ausgeschlossen(f.verzeichnis, f.eintrag), f.ausgeschlossen);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, BaumFilterTest,
    testing::Values(FilterFall{"NameUeberall", {u"system32"_s}, u"/a/b/"_s, u"system32"_s, true},
                    FilterFall{"NameAufAnderemLaufwerk", {u"system32"_s}, u"/media/x/"_s, u"System32"_s, true},
                    FilterFall{"PfadNurDort", {u"/win/system32"_s}, u"/win/"_s, u"system32"_s, true},
                    FilterFall{"PfadNichtAnderswo", {u"/win/system32"_s}, u"/x/"_s, u"system32"_s, false},
                    FilterFall{"PfadMitEndStrich", {u"/Win/System32/"_s}, u"/win/"_s, u"SYSTEM32"_s, true},
                    FilterFall{"PlatzhalterIgnoriert", {u"*.tmp"_s}, u"/a/"_s, u"x.tmp"_s, false},
                    FilterFall{"FragezeichenIgnoriert", {u"musi?"_s}, u"/a/"_s, u"musik"_s, false},
                    FilterFall{"NurGanzerName", {u"musik"_s}, u"/a/"_s, u"musiken"_s, false},
                    FilterFall{"LeereZeilen", {u""_s, u""_s}, u"/a/"_s, u"x"_s, false}),
    [](const testing::TestParamInfo<FilterFall> &i) { return std::string(i.param.name); });

TEST(BaumFilter, ListenKleinSortiertOhneDoppelte)
{
    const BaumFilter f = BaumFilter::ausZeilen({u"Zeta"_s, u"alpha"_s, u"ZETA"_s, u"/b/x"_s, u"/a/y/"_s, u"/A/Y"_s});
    EXPECT_EQ(f.namen, (QStringList{u"alpha"_s, u"zeta"_s}));
    EXPECT_EQ(f.pfade, (QStringList{u"/a/y/"_s, u"/b/x/"_s}));
}

// ---- names, jumps

struct NameFall
{
    const char *name;
    QString eingabe;
    bool erlaubt;
};

class BaumNameTest : public testing::TestWithParam<NameFall>
{
};

TEST_P(BaumNameTest, Prueft)
{
    const NameFall &f = GetParam();
    const QString fehler = nxBaumNameFehler(f.eingabe);
    EXPECT_EQ(fehler.isEmpty(), f.erlaubt) << fehler.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Faelle, BaumNameTest,
                         testing::Values(NameFall{"Einfach", u"neu"_s, true}, NameFall{"Getrimmt", u"  neu  "_s, true},
                                         NameFall{"Leer", u"   "_s, false}, NameFall{"Schraegstrich", u"a/b"_s, false},
                                         NameFall{"NullZeichen", u"a"_s + QChar(0) + u"b"_s, false},
                                         NameFall{"Punkt", u"."_s, false}, NameFall{"ZweiPunkte", u" .. "_s, false},
                                         NameFall{"DreiPunkte", u"..."_s, true},
                                         NameFall{"ZuLang", QString(128, u'ä'), false},
                                         NameFall{"GeradeNoch", QString(255, u'a'), true}),
                         [](const testing::TestParamInfo<NameFall> &i) { return std::string(i.param.name); });

TEST(BaumSprung, LangerPfadGekuerzt)
{
    const QString lang = u"/"_s + QString(99, u'x');
    const QString t = nxBaumSprungText(lang);
    EXPECT_EQ(t, lang.left(40) + u"[...]"_s + lang.right(40));
    const QString genau80 = QString(80, u'y');
    EXPECT_EQ(nxBaumSprungText(genau80), genau80);
}

TEST(BaumSprung, LetzteVerzeichnisseNeuesteElfOhneDoppelte)
{
    QStringList l;
    for (int i = 0; i < 14; ++i)
        nxBaumLetzteVerzeichnisse(l, u"/v"_s + QString::number(i) + u'/');
    nxBaumLetzteVerzeichnisse(l, u"/v5/"_s);
    ASSERT_EQ(l.size(), BaumLetzteAnzahl);
    EXPECT_EQ(l.first(), u"/v3/"_s);
    EXPECT_EQ(l.last(), u"/v5/"_s);
    EXPECT_EQ(l.count(u"/v5/"_s), 1);
}

TEST(BaumSprung, ListeOhneNeuestesUndLeereZeilen)
{
    const QStringList letzte{u"/alt/"_s, u"/mitte/"_s, u"/jetzt/"_s};
    const BaumSprungListe s = nxBaumSprungListe({u"/fest/"_s, u""_s, u"  "_s}, letzte, true);
    EXPECT_EQ(s.feste, QStringList{u"/fest/"_s});
    EXPECT_EQ(s.letzte, (QStringList{u"/mitte/"_s, u"/alt/"_s}));
    EXPECT_TRUE(nxBaumSprungListe({}, {u"/nur/"_s}, true).letzte.isEmpty());
    EXPECT_TRUE(nxBaumSprungListe({}, letzte, false).letzte.isEmpty());
}

// ---- counting and reading

TEST(BaumLesen, ZaehltNurEchteUnterverzeichnisse)
{
    test::TestVerzeichnis tv;
    tv.dateienAnlegen({u"a/"_s, u"b/"_s, u"weg/"_s, u"datei"_s});
    ASSERT_EQ(::symlink(".", QFile::encodeName(tv.pfad(u"schleife"_s)).constData()), 0);
    EXPECT_EQ(nxBaumUnterVerzZaehlen(tv.pfad(), {}), 3);
    EXPECT_EQ(nxBaumUnterVerzZaehlen(tv.pfad(), BaumFilter::ausZeilen({u"WEG"_s})), 2);
    EXPECT_EQ(nxBaumUnterVerzZaehlen(tv.pfad(u"fehlt/"_s), {}), 0);
    EXPECT_EQ(nxBaumUnterVerzZaehlen(tv.pfad(), {}, [] { return true; }), BaumAnzahlUnbekannt);
    const ErgebnisWert<QStringList> namen = nxBaumUnterVerzLesen(tv.pfad(), BaumFilter::ausZeilen({u"weg"_s}));
    ASSERT_TRUE(namen.ok());
    EXPECT_EQ(*namen, (QStringList{u"a"_s, u"b"_s}));
}

TEST(BaumLesen, SortiertInDerTextfolge)
{
    test::TestVerzeichnis tv;
    tv.dateienAnlegen({u"Zebra/"_s, u"äpfel/"_s, u"apfel/"_s, u"Birne/"_s});
    const ErgebnisWert<QStringList> namen = nxBaumUnterVerzLesen(tv.pfad(), {});
    ASSERT_TRUE(namen.ok());
    EXPECT_EQ(*namen, (QStringList{u"apfel"_s, u"äpfel"_s, u"Birne"_s, u"Zebra"_s}));
}

TEST(BaumLesen, UnterVerzeichnisHerstellen)
{
    test::TestVerzeichnis tv;
    const ErgebnisWert<QString> neu = nxBaumUnterVerzHerstellen(tv.pfad(), u" neu "_s);
    ASSERT_TRUE(neu.ok());
    EXPECT_EQ(*neu, tv.pfad(u"neu/"_s));
    EXPECT_TRUE(QDir(tv.pfad(u"neu"_s)).exists());
    EXPECT_FALSE(nxBaumUnterVerzHerstellen(tv.pfad(), u"neu"_s).ok()); // exists already
    const ErgebnisWert<QString> falsch = nxBaumUnterVerzHerstellen(tv.pfad(), u".."_s);
    ASSERT_FALSE(falsch.ok());
    EXPECT_FALSE(falsch.ergebnis().text().isEmpty());
}

// ---- the model

class BaumModellTest : public testing::Test
{
protected:
    void SetUp() override
    {
        tv.dateienAnlegen({u"d/a/b/c/"_s, u"d/a/x/"_s, u"d/z/"_s, u"d/datei"_s});
        modell.WurzelnLesen(false);
    }
    QString p(const QString &r) const { return tv.pfad(r); }

    test::TestVerzeichnis tv;
    BaumModell modell;
};

TEST_F(BaumModellTest, WurzelnMitSchraegstrichZuerstUndHeim)
{
    ASSERT_GE(modell.rowCount(), 1);
    EXPECT_EQ(modell.Pfad(modell.index(0, 0)), u"/"_s);
    const QString heim = QDir::homePath() + u'/';
    if (heim != u"/"_s) {
        EXPECT_TRUE(kinderPfade(modell, {}).contains(heim));
    }
}

TEST_F(BaumModellTest, PfadOeffnenKlapptDenWegAuf)
{
    const QModelIndex c = modell.PfadOeffnen(p(u"d/a/b/c"_s));
    ASSERT_TRUE(c.isValid());
    EXPECT_EQ(modell.Pfad(c), p(u"d/a/b/c/"_s));
    const QModelIndex a = modell.Finden(p(u"d/a/"_s));
    ASSERT_TRUE(a.isValid());
    EXPECT_TRUE(modell.Gelesen(a));
    EXPECT_EQ(kinderPfade(modell, a), (QStringList{p(u"d/a/b/"_s), p(u"d/a/x/"_s)}));
    EXPECT_EQ(modell.Finden(p(u"d/a/b/c/"_s)), c);
}

TEST_F(BaumModellTest, FehlenderTeilGibtDasTiefsteVorhandene)
{
    const QModelIndex i = modell.PfadOeffnen(p(u"d/a/b/fehlt/auch/"_s));
    ASSERT_TRUE(i.isValid());
    EXPECT_EQ(modell.Pfad(i), p(u"d/a/b/"_s));
    EXPECT_EQ(modell.Pfad(modell.PfadOeffnen(p(u"d/datei"_s))), p(u"d/"_s));
    EXPECT_FALSE(modell.PfadOeffnen(u"relativ/pfad"_s).isValid());
}

TEST_F(BaumModellTest, SchleifeDurchLinkWirdNieBetreten)
{
    ASSERT_EQ(::symlink("..", QFile::encodeName(p(u"d/a/zurueck"_s)).constData()), 0);
    const QModelIndex a = modell.PfadOeffnen(p(u"d/a/"_s));
    modell.Aufklappen(a);
    EXPECT_FALSE(kinderPfade(modell, a).contains(p(u"d/a/zurueck/"_s)));
    EXPECT_EQ(modell.Anzahl(a), 2);
    // A path through the link ends at the last real directory.
    EXPECT_EQ(modell.Pfad(modell.PfadOeffnen(p(u"d/a/zurueck/a/zurueck/a/"_s))), p(u"d/a/"_s));
}

TEST_F(BaumModellTest, ZuklappenVergisstKinderUndAufklappenLiestNeu)
{
    const QModelIndex d = modell.PfadOeffnen(p(u"d/"_s));
    modell.Aufklappen(d);
    ASSERT_EQ(modell.rowCount(d), 2);
    modell.Zuklappen(d);
    EXPECT_EQ(modell.rowCount(d), 0);
    EXPECT_FALSE(modell.Gelesen(d));
    EXPECT_TRUE(modell.hasChildren(d));
    EXPECT_TRUE(modell.canFetchMore(d));
    tv.dateienAnlegen({u"d/neu/"_s});
    modell.fetchMore(d);
    EXPECT_EQ(kinderPfade(modell, d), (QStringList{p(u"d/a/"_s), p(u"d/neu/"_s), p(u"d/z/"_s)}));
}

TEST_F(BaumModellTest, KnotenOhneUnterverzeichnisseHatNachDemZaehlenKeineKinder)
{
    const QModelIndex c = modell.PfadOeffnen(p(u"d/a/b/c/"_s));
    // The view asks every child when a node opens: that must not read them all.
    EXPECT_TRUE(modell.hasChildren(c));
    EXPECT_EQ(modell.Anzahl(c), 0);
    EXPECT_FALSE(modell.hasChildren(c));
}

TEST_F(BaumModellTest, AbgebrochenesZaehlenLaesstDieGeschwisterUnbekannt)
{
    const QModelIndex d = modell.PfadOeffnen(p(u"d/"_s));
    modell.Aufklappen(d);
    bool abbrechen = true;
    modell.AbbruchSetzen([&abbrechen] { return abbrechen; });
    EXPECT_EQ(modell.Anzahl(modell.index(0, 0, d)), BaumAnzahlUnbekannt);
    abbrechen = false;
    EXPECT_EQ(modell.Anzahl(modell.index(1, 0, d)), BaumAnzahlUnbekannt);
    // Unknown still offers the opening; reading it afresh counts again.
    EXPECT_TRUE(modell.hasChildren(modell.index(0, 0, d)));
    modell.Aufklappen(d);
    EXPECT_EQ(modell.Anzahl(modell.index(1, 0, d)), 0);
}

TEST_F(BaumModellTest, NeuesUnterverzeichnisAnSortierterStelle)
{
    const QModelIndex d = modell.PfadOeffnen(p(u"d/"_s));
    modell.Aufklappen(d);
    tv.dateienAnlegen({u"d/m/"_s});
    const QModelIndex m = modell.UnterVerzEintragen(d, u"m"_s);
    ASSERT_TRUE(m.isValid());
    EXPECT_EQ(kinderPfade(modell, d), (QStringList{p(u"d/a/"_s), p(u"d/m/"_s), p(u"d/z/"_s)}));
    EXPECT_EQ(modell.index(m.row(), 0, d), m);
    // Below a node not read yet only its count changes.
    const QModelIndex z = modell.Finden(p(u"d/z/"_s));
    EXPECT_EQ(modell.Anzahl(z), 0);
    EXPECT_FALSE(modell.UnterVerzEintragen(z, u"neu"_s).isValid());
    EXPECT_EQ(modell.Anzahl(z), 1);
}

TEST_F(BaumModellTest, ErneuernOeffnetWiederUndVergisstVerschwundene)
{
    modell.PfadOeffnen(p(u"d/a/b/"_s));
    ASSERT_TRUE(QDir(p(u"d/z"_s)).removeRecursively());
    modell.Erneuern(false, {p(u"d/"_s), p(u"d/a/"_s)});
    const QModelIndex d = modell.Finden(p(u"d/"_s));
    ASSERT_TRUE(d.isValid());
    EXPECT_EQ(kinderPfade(modell, d), QStringList{p(u"d/a/"_s)});
    EXPECT_TRUE(modell.Gelesen(modell.Finden(p(u"d/a/"_s))));
    EXPECT_FALSE(modell.Finden(p(u"d/z/"_s)).isValid());
}

TEST_F(BaumModellTest, UnlesbaresVerzeichnisLaesstSichNichtAufklappen)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every directory";
    ASSERT_EQ(::chmod(QFile::encodeName(p(u"d/a"_s)).constData(), 0), 0);
    const QModelIndex d = modell.PfadOeffnen(p(u"d/"_s));
    modell.Aufklappen(d);
    const QModelIndex a = modell.Finden(p(u"d/a/"_s));
    EXPECT_EQ(modell.Anzahl(a), 0);
    EXPECT_FALSE(modell.hasChildren(a));
    static_cast<void>(::chmod(QFile::encodeName(p(u"d/a"_s)).constData(), 0755)); // so the fixture can clean up
}

} // namespace
