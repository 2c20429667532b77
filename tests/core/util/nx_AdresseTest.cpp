#include "core/util/nx_Adresse.h"
#include "support/TestUmgebung.h"
#include "../platform/FremderNutzer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace rinolux;
using namespace Qt::StringLiterals;

namespace {

// ---------------------------------------------------------------------------------------
// Splitting

struct ZerlegenFall
{
    const char *titel;
    const char16_t *pfad;
    const char16_t *verzeichnis, *name, *punkt, *format;
};

class ZerlegenTest : public ::testing::TestWithParam<ZerlegenFall>
{};

TEST_P(ZerlegenTest, TeileUndZusammensetzung)
{
    const ZerlegenFall &f = GetParam();
    const QString pfad = QString::fromUtf16(f.pfad);
    const AdresseTeile t = nxAdresseZerlegen(pfad);
    EXPECT_EQ(t.verzeichnis, QString::fromUtf16(f.verzeichnis));
    EXPECT_EQ(t.name, QString::fromUtf16(f.name));
    EXPECT_EQ(t.punkt, QString::fromUtf16(f.punkt));
    EXPECT_EQ(t.format, QString::fromUtf16(f.format));
    EXPECT_EQ(t.verzeichnis + t.name + t.punkt + t.format, pfad);
    EXPECT_EQ(nxAdresseVerzeichnis(pfad), t.verzeichnis);
    EXPECT_EQ(nxAdresseNameFormat(pfad), t.name + t.punkt + t.format);
    EXPECT_EQ(nxAdresseName(pfad), t.name);
    EXPECT_EQ(nxAdresseFormat(pfad), t.format);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ZerlegenTest,
    ::testing::Values(ZerlegenFall{"PunkteNurImVerzeichnis", u"/a.b/c.d/datei", u"/a.b/c.d/", u"datei", u"", u""},
                      ZerlegenFall{"NurPunktUndFormat", u"/x/.profile", u"/x/", u"", u".", u"profile"},
                      ZerlegenFall{"PunktAmEnde", u"/x/datei.", u"/x/", u"datei", u".", u""},
                      ZerlegenFall{"MehrerePunkte", u"/x/a.tar.gz", u"/x/", u"a.tar", u".", u"gz"},
                      ZerlegenFall{"EndStrich", u"/x/y.z/", u"/x/y.z/", u"", u"", u""},
                      ZerlegenFall{"OhneVerzeichnis", u"bild.jpeg", u"", u"bild", u".", u"jpeg"},
                      ZerlegenFall{"Umlaute", u"/Ä/größe.ÖL", u"/Ä/", u"größe", u".", u"ÖL"}),
    [](const auto &info) { return std::string(info.param.titel); });

TEST(AdresseText, EndStricheLaufwerkUndVerboteneZeichen)
{
    EXPECT_EQ(nxAdresseOhneEndStrich(u"/a/b///"_s), u"/a/b"_s);
    EXPECT_EQ(nxAdresseMitEndStrich(u"/a/b///"_s), u"/a/b/"_s);
    EXPECT_EQ(nxAdresseMitEndStrich(u"/a/b"_s), u"/a/b/"_s);
    EXPECT_EQ(nxAdresseMitEndStrich(u"/"_s), u"/"_s);
    EXPECT_EQ(nxAdresseLaufwerk(u"/home/x"_s), u"/"_s);
    EXPECT_EQ(nxAdresseLaufwerk(u"home/x"_s), QString());

    EXPECT_EQ(nxAdresseOhneVerboteneZeichen(u"a/b:c\"d<e>f|g?h*i\\j"_s, false), u"abcdefghi\\j"_s);
    EXPECT_EQ(nxAdresseOhneVerboteneZeichen(u"a\\b"_s, true), u"ab"_s);
    EXPECT_EQ(nxAdresseOhneVerboteneZeichen(QString(), true), QString());

    QString v, n;
    nxAdresseVerzeichnisUndNameFormat(u"/a/b.c"_s, v, n);
    EXPECT_EQ(v, u"/a/"_s);
    EXPECT_EQ(n, u"b.c"_s);
    EXPECT_FALSE(nxAdresseGleich(u"/a/A.txt"_s, u"/a/a.txt"_s));
}

// ---------------------------------------------------------------------------------------
// Masks

struct MaskenFall
{
    const char16_t *name, *maske;
    bool passt;
};

class MaskeTest : public ::testing::TestWithParam<MaskenFall>
{};

TEST_P(MaskeTest, GanzerName)
{
    const MaskenFall &f = GetParam();
    EXPECT_EQ(nxAdressePasstZuMaske(QString::fromUtf16(f.name), QString::fromUtf16(f.maske)), f.passt)
        << QString::fromUtf16(f.name).toStdString() << " ~ " << QString::fromUtf16(f.maske).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, MaskeTest,
    ::testing::Values(MaskenFall{u"a.b.txt", u"*.txt", true}, MaskenFall{u"a.txt.bak", u"*.txt", false},
                      MaskenFall{u"axb", u"a?b", true}, MaskenFall{u"ab", u"a?b", false},
                      MaskenFall{u"axxb", u"a?b", false}, MaskenFall{u"readme", u"*.*", false},
                      MaskenFall{u"read.me", u"*.*", true}, MaskenFall{u"", u"*", true},
                      MaskenFall{u"", u"?", false}, MaskenFall{u"abcbc", u"*bc", true},
                      MaskenFall{u"abcbd", u"*bc", false}, MaskenFall{u"abc", u"abc*", true},
                      MaskenFall{u"ab", u"abc", false}, MaskenFall{u"abc", u"ab", false},
                      MaskenFall{u"aaab", u"*a?b", true}, MaskenFall{u"mississippi", u"m*iss*ppi", true},
                      MaskenFall{u"Abc", u"abc", false}, MaskenFall{u"x\U0001F600y", u"x?y", true}));

// ---------------------------------------------------------------------------------------
// Existence

class AdresseDateiTest : public ::testing::Test
{
protected:
    test::TestVerzeichnis tv;
    QString p(const QString &relativ) const { return tv.pfad(relativ); }
};

TEST_F(AdresseDateiTest, VorhandenNachArt)
{
    tv.dateienAnlegen({u"datei.txt"_s, u"ordner/"_s, u"leer/"_s});
    ASSERT_EQ(::symlink("ordner", QFile::encodeName(p(u"zeiger"_s)).constData()), 0);
    ASSERT_EQ(::symlink("gibt-es-nicht", QFile::encodeName(p(u"tot"_s)).constData()), 0);

    struct Fall
    {
        QChar art;
        QString pfad;
        bool erwartet;
    };
    const QList<Fall> faelle = {
        {u'd', p(u"datei.txt"_s), true},
        {u'v', p(u"datei.txt"_s), false},
        {u'o', p(u"datei.txt"_s), true},
        {u'v', p(u"ordner"_s), true},
        {u'v', p(u"ordner/"_s), true},
        {u'd', p(u"ordner"_s), false},
        {u'v', p(u"ordner/./"_s), false},             // a dot component never counts
        {u'v', p(u"ordner/../ordner/"_s), false},
        {u'o', p(u"fehlt"_s), false},
        {u'd', p(u"tot"_s), true},                    // a dangling link is an object
        {u'v', p(u"zeiger"_s), false},                // a link to a directory is no directory
        {u'd', p(u"zeiger"_s), true},
        {u'o', p(u"leer/*"_s), false},                // empty directory
        {u'o', p(u"*"_s), true},
        {u'v', p(u"DAT*"_s), false},
        {u'd', p(u"DAT*"_s), true},                   // patterns ignore letter case
        {u'v', p(u"ord*"_s), true},
        {u'd', p(u"ord*"_s), false},
    };
    for (const Fall &f : faelle)
        EXPECT_EQ(nxAdresseVorhanden(f.art, f.pfad), f.erwartet) << f.art.toLatin1() << " " << f.pfad.toStdString();

    // A relative path is never an existing directory, even where it would resolve.
    const QString vorher = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(tv.pfad()));
    EXPECT_FALSE(nxAdresseIstVerzeichnis(u"ordner"_s));
    EXPECT_TRUE(nxAdresseIstDatei(u"datei.txt"_s));
    QDir::setCurrent(vorher);

    // One hidden entry is enough for "has entries".
    tv.dateienAnlegen({u"leer/.versteckt"_s});
    EXPECT_TRUE(nxAdresseIstVorhanden(p(u"leer/*"_s)));
}

TEST_F(AdresseDateiTest, SchreibweiseUndVorhandenesVerzeichnis)
{
    tv.dateienAnlegen({u"Ordner/Datei.TXT"_s, u"ab/"_s, u"AB/"_s});

    EXPECT_EQ(nxAdresseSchreibweise(p(u"ordner/datei.txt"_s)), p(u"Ordner/Datei.TXT"_s));
    EXPECT_EQ(nxAdresseSchreibweise(p(u"ORDNER//"_s)), p(u"Ordner/"_s));
    EXPECT_EQ(nxAdresseSchreibweise(p(u"ordner/fehlt/x"_s)), p(u"Ordner/fehlt/x"_s));
    // Two spellings are two objects: which one was meant cannot be told.
    EXPECT_EQ(nxAdresseSchreibweise(p(u"Ab"_s)), p(u"Ab"_s));
    EXPECT_EQ(nxAdresseSchreibweise(p(u"AB"_s)), p(u"AB"_s));

    EXPECT_EQ(nxAdresseVorhandenesVerzeichnis(p(u"Ordner/fehlt/auch/x.txt"_s)), p(u"Ordner/"_s));
    EXPECT_EQ(nxAdresseVorhandenesVerzeichnis(p(u"Ordner"_s)), p(u"Ordner/"_s));
    EXPECT_EQ(nxAdresseVorhandenesVerzeichnis(u"relativ/pfad"_s), QString());

    tv.dateiSchreiben(u"Ordner/Datei.TXT"_s, QByteArray(1234, 'x'));
    EXPECT_EQ(nxAdresseDateiGroesse(p(u"Ordner/Datei.TXT"_s)), 1234);
    EXPECT_EQ(nxAdresseDateiGroesse(p(u"fehlt"_s)), 0);
}

// ---------------------------------------------------------------------------------------
// Listing

class SuchenTest : public AdresseDateiTest
{
protected:
    void SetUp() override
    {
        tv.dateienAnlegen({u"a.txt"_s, u"b.b.txt"_s, u"ALT.BAK"_s, u"neu.bak"_s, u"ohnepunkt"_s,
                           u"u1/c.txt"_s, u"u1/u2/d.txt"_s, u"u1/u2/u3/"_s, u"x/e.TXT"_s});
        ASSERT_EQ(::symlink(QFile::encodeName(p(u"u1"_s)).constData(), QFile::encodeName(p(u"link"_s)).constData()),
                  0);
    }

    QStringList suchen(QChar art, const QStringList &mit, const QStringList &ohne, bool rekursiv,
                       qint64 max = KeineGrenze, const bool *abbruch = nullptr)
    {
        QStringList pfade, verzeichnisse, namen;
        EXPECT_TRUE(nxAdresseSuchen(art, tv.pfad(), mit, ohne, rekursiv, max, false, abbruch, &pfade, &verzeichnisse,
                                    &namen));
        EXPECT_EQ(pfade.size(), verzeichnisse.size());
        EXPECT_EQ(pfade.size(), namen.size());
        EXPECT_TRUE(pfade.value(0).isEmpty()); // one-based
        for (qsizetype i = 1; i < pfade.size(); ++i)
            EXPECT_EQ(pfade[i], verzeichnisse[i] + namen[i]);
        QStringList relativ;
        for (qsizetype i = 1; i < pfade.size(); ++i)
            relativ.append(pfade[i].mid(tv.pfad().size()));
        return relativ;
    }
};

TEST_F(SuchenTest, MaskenUndArt)
{
    QStringList r = suchen(u'd', {u"*.txt"_s}, {}, false);
    r.sort();
    EXPECT_EQ(r, (QStringList{u"a.txt"_s, u"b.b.txt"_s}));

    // Exclude masks are compared lower-cased on both sides.
    r = suchen(u'd', {}, {u"*.bak"_s}, false);
    r.sort();
    EXPECT_EQ(r, (QStringList{u"a.txt"_s, u"b.b.txt"_s, u"link"_s, u"ohnepunkt"_s}));

    r = suchen(u'd', {u"*.*"_s}, {}, false);
    EXPECT_FALSE(r.contains(u"ohnepunkt"_s));
    EXPECT_EQ(r.size(), 4);

    r = suchen(u'd', {u"?.txt"_s}, {}, true);
    r.sort();
    EXPECT_EQ(r, (QStringList{u"a.txt"_s, u"u1/c.txt"_s, u"u1/u2/d.txt"_s, u"x/e.TXT"_s}));

    EXPECT_EQ(suchen(u'd', {}, {}, true, 1).size(), 1);
    EXPECT_TRUE(suchen(u'd', {}, {}, true, 0).isEmpty());
    const bool abbruch = true;
    EXPECT_TRUE(suchen(u'd', {}, {}, true, KeineGrenze, &abbruch).isEmpty());
}

TEST_F(SuchenTest, VorOrdnungUndLinksWerdenNichtBetreten)
{
    const QStringList v = suchen(u'v', {}, {}, true);
    QStringList sortiert = v;
    sortiert.sort();
    EXPECT_EQ(sortiert, (QStringList{u"u1"_s, u"u1/u2"_s, u"u1/u2/u3"_s, u"x"_s}));
    // A directory comes before its own subdirectories, the start's entries before all deeper ones.
    EXPECT_LT(v.indexOf(u"u1"_s), v.indexOf(u"u1/u2"_s));
    EXPECT_LT(v.indexOf(u"x"_s), v.indexOf(u"u1/u2"_s));
    EXPECT_LT(v.indexOf(u"u1/u2"_s), v.indexOf(u"u1/u2/u3"_s));

    const QStringList d = suchen(u'd', {}, {}, true);
    for (const QString &e : d)
        EXPECT_FALSE(e.startsWith(u"link/"_s)) << e.toStdString();
    EXPECT_TRUE(d.contains(u"link"_s));
    qsizetype letzteOben = -1, ersteUnten = d.size();
    for (qsizetype i = 0; i < d.size(); ++i) {
        if (d[i].contains(u'/'))
            ersteUnten = std::min(ersteUnten, i);
        else
            letzteOben = i;
    }
    EXPECT_LT(letzteOben, ersteUnten);
}

TEST_F(SuchenTest, StartInAndererSchreibweiseUndUnlesbar)
{
    QStringList pfade;
    ASSERT_TRUE(nxAdresseSuchen(u'd', p(u"U1"_s), {}, {}, false, KeineGrenze, false, nullptr, &pfade));
    EXPECT_EQ(pfade, (QStringList{QString(), p(u"u1/c.txt"_s)}));

    EXPECT_FALSE(nxAdresseSuchen(u'd', p(u"fehlt"_s), {}, {}, true, KeineGrenze, false, nullptr, &pfade));
    EXPECT_EQ(pfade, QStringList{QString()});
}

// ---------------------------------------------------------------------------------------
// Changes

TEST_F(AdresseDateiTest, VerzeichnisHerstellenRaeumtBeiFehlerAuf)
{
    tv.dateienAnlegen({u"da/"_s, u"datei"_s});

    EXPECT_TRUE(nxAdresseVerzeichnisHerstellen(p(u"da/e1/e2/e3"_s)).ok());
    EXPECT_TRUE(nxAdresseIstVerzeichnis(p(u"da/e1/e2/e3/"_s)));
    EXPECT_TRUE(nxAdresseVerzeichnisHerstellen(p(u"da/e1/e2/e3/"_s)).ok()); // already there

    // The third level cannot be made (its name is too long): the two new levels go again.
    const QString zuLang(300, u'x');
    const Ergebnis r = nxAdresseVerzeichnisHerstellen(p(u"da/n1/n2/"_s) + zuLang + u'/');
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.fehlerNummer(), ENAMETOOLONG);
    EXPECT_FALSE(nxAdresseIstVorhanden(p(u"da/n1"_s)));
    EXPECT_TRUE(nxAdresseIstVerzeichnis(p(u"da/"_s)));

    // A file in the way, and a relative path: nothing is made.
    EXPECT_EQ(nxAdresseVerzeichnisHerstellen(p(u"datei/unter/"_s)).fehlerNummer(), ENOTDIR);
    EXPECT_FALSE(nxAdresseVerzeichnisHerstellen(u"relativ/ordner/"_s).ok());
    EXPECT_FALSE(QFileInfo::exists(u"relativ"_s));
}

TEST_F(AdresseDateiTest, LeereDateiUeberschreibtNichts)
{
    EXPECT_TRUE(nxAdresseLeereDateiHerstellen(p(u"neu/tief/leer.txt"_s)).ok());
    EXPECT_TRUE(nxAdresseIstDatei(p(u"neu/tief/leer.txt"_s)));
    EXPECT_EQ(nxAdresseDateiGroesse(p(u"neu/tief/leer.txt"_s)), 0);

    tv.dateiSchreiben(u"voll.txt"_s, "Inhalt");
    EXPECT_EQ(nxAdresseLeereDateiHerstellen(p(u"voll.txt"_s)).fehlerNummer(), EEXIST);
    EXPECT_EQ(tv.dateiLesen(u"voll.txt"_s), QByteArray("Inhalt"));
}

TEST_F(AdresseDateiTest, ZeitSetzenAufSchreibgeschuetzterDatei)
{
    tv.dateiSchreiben(u"nur.txt"_s, "x");
    const QByteArray n = QFile::encodeName(p(u"nur.txt"_s));
    ASSERT_EQ(::chmod(n.constData(), 0444), 0);

    const plattform::DateiZeit zeit{1'500'000'000, 123'456'789, true};
    EXPECT_TRUE(nxAdresseAenderungsZeitSetzen(p(u"nur.txt"_s), zeit).ok());
    struct stat st;
    ASSERT_EQ(::stat(n.constData(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, 1'500'000'000);
    EXPECT_EQ(st.st_mtim.tv_nsec, 123'456'789);
    EXPECT_EQ(st.st_mode & 07777, 0444u);

    const plattform::DateiZeit zugriff{1'400'000'000, 0, true};
    EXPECT_TRUE(nxAdresseZugriffsZeitSetzen(p(u"nur.txt"_s), zugriff).ok());
    ASSERT_EQ(::stat(n.constData(), &st), 0);
    EXPECT_EQ(st.st_atim.tv_sec, 1'400'000'000);
    EXPECT_EQ(st.st_mtim.tv_sec, 1'500'000'000); // the other time stays

    EXPECT_TRUE(nxAdresseHerstellungsZeitSetzen(p(u"nur.txt"_s), zeit).nichtMoeglich());
    EXPECT_FALSE(nxAdresseAenderungsZeitSetzen(p(u"fehlt"_s), zeit).ok());
}

class LeereVTest : public AdresseDateiTest
{
protected:
    test::TestVerzeichnis aussen; // holds the target of a link from inside the tree

    void SetUp() override
    {
        tv.dateienAnlegen({u"start/a/b/c/"_s, u"start/s/datei"_s, u"start/leer/"_s, u"start/zu/innen/"_s,
                           u"start/fest/innen/"_s});
        aussen.dateienAnlegen({u"ziel/"_s});
        ASSERT_EQ(::symlink(QFile::encodeName(aussen.pfad(u"ziel"_s)).constData(),
                            QFile::encodeName(p(u"start/link"_s)).constData()),
                  0);
    }
    void TearDown() override
    {
        ::chmod(QFile::encodeName(p(u"start/zu"_s)).constData(), 0755);
        ::chmod(QFile::encodeName(p(u"start/fest"_s)).constData(), 0755);
    }
};

TEST_F(LeereVTest, LoeschtNurLeereVonInnenNachAussen)
{
    // "zu" cannot be listed; "fest" can be listed, but its empty child cannot be removed.
    ASSERT_EQ(::chmod(QFile::encodeName(p(u"start/zu"_s)).constData(), 0), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(p(u"start/fest"_s)).constData(), 0555), 0);
    LeereVErgebnis r;
    {
        test::FremderNutzer nutzer({tv.pfad(), aussen.pfad()});
        r = nxAdresseLoeschenLeereV(p(u"start/"_s));
    }
    EXPECT_EQ(r.geloescht, 4); // c, b, a, leer
    EXPECT_EQ(r.nichtGeloescht, 1);
    EXPECT_FALSE(r.ok());
    for (const QString &weg : {u"start/a"_s, u"start/leer"_s})
        EXPECT_FALSE(nxAdresseIstVorhanden(p(weg))) << weg.toStdString();
    ::chmod(QFile::encodeName(p(u"start/zu"_s)).constData(), 0755);
    for (const QString &bleibt : {u"start/"_s, u"start/s/datei"_s, u"start/zu/innen/"_s, u"start/fest/innen/"_s})
        EXPECT_TRUE(nxAdresseIstVorhanden(p(bleibt))) << bleibt.toStdString();
    EXPECT_TRUE(nxAdresseIstDatei(p(u"start/link"_s)));
    EXPECT_TRUE(nxAdresseIstVerzeichnis(aussen.pfad(u"ziel/"_s)));
}

TEST_F(LeereVTest, AbbruchLoeschtNichts)
{
    const bool abbruch = true;
    const LeereVErgebnis r = nxAdresseLoeschenLeereV(p(u"start/"_s), &abbruch);
    EXPECT_EQ(r.geloescht, 0);
    EXPECT_TRUE(nxAdresseIstVerzeichnis(p(u"start/a/b/c/"_s)));
    EXPECT_TRUE(nxAdresseIstVerzeichnis(p(u"start/leer/"_s)));
}

TEST_F(AdresseDateiTest, KopierenLegtZielverzeichnisAnUndUeberschreibtNurAufWunsch)
{
    tv.dateiSchreiben(u"q.txt"_s, "neu");
    EXPECT_TRUE(nxAdresseKopieren(p(u"q.txt"_s), p(u"z1/z2/k.txt"_s)).ok());
    EXPECT_EQ(tv.dateiLesen(u"z1/z2/k.txt"_s), QByteArray("neu"));

    tv.dateiSchreiben(u"alt.txt"_s, "alt");
    EXPECT_EQ(nxAdresseKopieren(p(u"q.txt"_s), p(u"alt.txt"_s)).fehlerNummer(), EEXIST);
    EXPECT_EQ(tv.dateiLesen(u"alt.txt"_s), QByteArray("alt"));
    EXPECT_TRUE(nxAdresseKopieren(p(u"q.txt"_s), p(u"alt.txt"_s), true).ok());
    EXPECT_EQ(tv.dateiLesen(u"alt.txt"_s), QByteArray("neu"));
}

} // namespace
