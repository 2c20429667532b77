#include "core/platform/Plattform.h"
#include "core/platform/PlattformIntern_linux.h"
#include "core/util/nx_Adresse.h"
#include "core/util/nx_Laufwerk.h"
#include "support/TestUmgebung.h"
#include "FremderNutzer.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <fcntl.h>
#include <sys/stat.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

using namespace rinolux;
using namespace Qt::StringLiterals;
namespace pf = rinolux::plattform;

namespace {

QByteArray nativ(const QString &p) { return QFile::encodeName(p); }

QString versteckteDatei(const test::TestVerzeichnis &tv)
{
    return QString::fromUtf8(tv.dateiLesen(u".hidden"_s));
}

class PlattformTest : public ::testing::Test
{
protected:
    test::TestVerzeichnis tv;
    QString p(const QString &relativ) const { return tv.pfad(relativ); }

    pf::Eintrag lesen(const QString &relativ) const
    {
        const ErgebnisWert<pf::Eintrag> e = pf::objektLesen(p(relativ));
        EXPECT_TRUE(e.ok()) << relativ.toStdString();
        return e.wertOder({});
    }
};

// ---------------------------------------------------------------------------------------
// Renaming

TEST_F(PlattformTest, UmbenennenErsetztNie)
{
    tv.dateiSchreiben(u"a.txt"_s, "A");
    tv.dateiSchreiben(u"b.txt"_s, "B");
    tv.dateienAnlegen({u"d1/inhalt"_s, u"d2/"_s});

    struct Fall
    {
        QString alt, neu;
    };
    for (const Fall &f : {Fall{u"a.txt"_s, u"b.txt"_s}, Fall{u"a.txt"_s, u"d2"_s}, Fall{u"d1"_s, u"d2"_s},
                          Fall{u"d1"_s, u"b.txt"_s}}) {
        const Ergebnis r = pf::umbenennen(p(f.alt), p(f.neu));
        EXPECT_FALSE(r.ok()) << f.alt.toStdString() << " -> " << f.neu.toStdString();
        EXPECT_EQ(r.fehlerNummer(), EEXIST);
    }
    EXPECT_EQ(tv.dateiLesen(u"a.txt"_s), QByteArray("A"));
    EXPECT_EQ(tv.dateiLesen(u"b.txt"_s), QByteArray("B"));
    EXPECT_TRUE(nxAdresseIstDatei(p(u"d1/inhalt"_s)));
    EXPECT_FALSE(nxAdresseIstVorhanden(p(u"d2/*"_s)));

    // Only the letter case changes.
    EXPECT_TRUE(pf::umbenennen(p(u"a.txt"_s), p(u"A.TXT"_s)).ok());
    EXPECT_EQ(tv.dateiLesen(u"A.TXT"_s), QByteArray("A"));
    EXPECT_FALSE(QFileInfo::exists(p(u"a.txt"_s)));
    EXPECT_TRUE(pf::umbenennen(p(u"d1/"_s), p(u"D1/"_s)).ok());
    EXPECT_TRUE(nxAdresseIstDatei(p(u"D1/inhalt"_s)));

    EXPECT_EQ(pf::umbenennen(p(u"fehlt"_s), p(u"neu"_s)).fehlerNummer(), ENOENT);

    // Two hard links of one file are two names: neither may swallow the other.
    ASSERT_EQ(::link(nativ(p(u"b.txt"_s)).constData(), nativ(p(u"b2.txt"_s)).constData()), 0);
    EXPECT_EQ(pf::umbenennen(p(u"b.txt"_s), p(u"b2.txt"_s)).fehlerNummer(), EEXIST);
    EXPECT_TRUE(QFileInfo::exists(p(u"b.txt"_s)));
    EXPECT_TRUE(QFileInfo::exists(p(u"b2.txt"_s)));
}

// Where the file system refuses RENAME_NOREPLACE (and hard links): nothing may replace
// a name that another program takes between two steps.
class OhneNoreplaceTest : public PlattformTest
{
protected:
    void TearDown() override { pf::intern::nachbildung() = {}; }
};

TEST_F(OhneNoreplaceTest, ErsetztNieAuchNichtWasZwischendurchEntsteht)
{
    struct Fall
    {
        const char *titel;
        bool verzeichnis, ohneLinks;
        bool ok;
    };
    for (const Fall &f : {Fall{"Datei mit Links", false, false, true}, Fall{"Datei ohne Links", false, true, false},
                          Fall{"Verzeichnis", true, false, true}, Fall{"Verzeichnis ohne Links", true, true, true}}) {
        test::TestVerzeichnis t;
        if (f.verzeichnis)
            t.dateiSchreiben(u"alt/inhalt"_s, "alt");
        else
            t.dateiSchreiben(u"alt"_s, "alt");
        pf::intern::nachbildung() = {true, f.ohneLinks, {}};
        // Another program takes the free name in the window between test and rename.
        bool fremdAngelegt = false;
        pf::intern::nachbildung().zwischendurch = [&] {
            fremdAngelegt = ::mkdir(nativ(t.pfad(u"neu"_s)).constData(), 0755) == 0;
        };
        const Ergebnis r = pf::umbenennen(t.pfad(u"alt"_s), t.pfad(u"neu"_s));
        EXPECT_EQ(r.ok(), f.ok) << f.titel << ": " << r.text().toStdString();
        EXPECT_FALSE(fremdAngelegt) << f.titel;
        const QString inhalt = f.verzeichnis ? u"/inhalt"_s : QString();
        EXPECT_EQ(t.dateiLesen((f.ok ? u"neu"_s : u"alt"_s) + inhalt), QByteArray("alt")) << f.titel;
        EXPECT_EQ(QFileInfo::exists(t.pfad(u"alt"_s)), !f.ok) << f.titel;

        // An existing target always stays, empty directories too.
        for (const QString &ziel : {u"datei"_s, u"leer/"_s}) {
            t.dateienAnlegen({ziel});
            const QString von = f.ok ? u"neu"_s : u"alt"_s;
            const Ergebnis r2 = pf::umbenennen(t.pfad(von), t.pfad(ziel));
            EXPECT_FALSE(r2.ok()) << f.titel;
            if (!f.ohneLinks || f.verzeichnis) {
                EXPECT_EQ(r2.fehlerNummer(), EEXIST) << f.titel;
            }
            EXPECT_EQ(t.dateiLesen(von + inhalt), QByteArray("alt")) << f.titel;
        }
        EXPECT_TRUE(t.dateiLesen(u"datei"_s).isEmpty()) << f.titel;
        EXPECT_TRUE(nxAdresseIstVerzeichnis(t.pfad(u"leer/"_s))) << f.titel;
        EXPECT_FALSE(nxAdresseIstVorhanden(t.pfad(u"leer/*"_s))) << f.titel;
    }
    EXPECT_FALSE(pf::umbenennen(p(u"fehlt"_s), p(u"neu"_s)).ok());
}

TEST_F(OhneNoreplaceTest, SchreibweiseZweierHarterLinksIstKeinErfolg)
{
    for (const bool ohneNoreplace : {false, true}) {
        test::TestVerzeichnis t;
        t.dateiSchreiben(u"a.txt"_s, "A");
        ASSERT_EQ(::link(nativ(t.pfad(u"a.txt"_s)).constData(), nativ(t.pfad(u"A.txt"_s)).constData()), 0);
        pf::intern::nachbildung().ohneNoreplace = ohneNoreplace;
        const Ergebnis r = pf::umbenennen(t.pfad(u"a.txt"_s), t.pfad(u"A.txt"_s));
        EXPECT_FALSE(r.ok()) << ohneNoreplace;
        EXPECT_EQ(r.fehlerNummer(), EEXIST) << ohneNoreplace;
        EXPECT_TRUE(QFileInfo::exists(t.pfad(u"a.txt"_s)));
        EXPECT_TRUE(QFileInfo::exists(t.pfad(u"A.txt"_s)));
        // A real change of spelling still works.
        EXPECT_TRUE(pf::umbenennen(t.pfad(u"a.txt"_s), t.pfad(u"B.txt"_s)).ok()) << ohneNoreplace;
    }
}

TEST_F(PlattformTest, UmbenennenNimmtVersteckteMitUndLinksBleibenLinks)
{
    tv.dateienAnlegen({u"x"_s, u"unter/"_s, u"ziel/"_s});
    ASSERT_TRUE(pf::attributeSetzen(p(u"x"_s), pf::AttrVersteckt).ok());
    ASSERT_TRUE(pf::umbenennen(p(u"x"_s), p(u"y"_s)).ok());
    EXPECT_EQ(versteckteDatei(tv), u"y\n"_s);
    EXPECT_TRUE(lesen(u"y"_s).attribute & pf::AttrVersteckt);

    ASSERT_TRUE(pf::umbenennen(p(u"y"_s), p(u"unter/y"_s)).ok());
    EXPECT_FALSE(QFileInfo::exists(p(u".hidden"_s))); // emptied list goes
    EXPECT_TRUE(lesen(u"unter/y"_s).attribute & pf::AttrVersteckt);

    // Renaming a link renames the link, not its target.
    ASSERT_EQ(::symlink("ziel", nativ(p(u"zeiger"_s)).constData()), 0);
    ASSERT_TRUE(pf::umbenennen(p(u"zeiger"_s), p(u"zeiger2"_s)).ok());
    EXPECT_EQ(lesen(u"zeiger2"_s).art, pf::ObjektArt::Link);
    EXPECT_TRUE(nxAdresseIstVerzeichnis(p(u"ziel/"_s)));
}

// ---------------------------------------------------------------------------------------
// Reading

TEST_F(PlattformTest, NamenMitUngueltigenBytesBleibenZweiObjekte)
{
    // One name is not UTF-8; the other holds U+FFFD, which a lossy decoding would make of it.
    const QByteArray roh = "a\xff.txt", ersatz = "a\xef\xbf\xbd.txt";
    for (const QByteArray &n : {roh, ersatz}) {
        const int fd = ::open(QByteArray(nativ(tv.pfad()) + n).constData(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ::close(fd);
    }
    QStringList namen;
    ASSERT_TRUE(pf::verzeichnisLesen(tv.pfad(), pf::Details::Alle, [&](const pf::Eintrag &e) {
                    namen << e.name;
                    return true;
                }).ok());
    ASSERT_EQ(namen.size(), 2);
    EXPECT_NE(namen[0], namen[1]);
    const QString rohName = namen[0] == QString::fromUtf8(ersatz) ? namen[1] : namen[0];
    EXPECT_TRUE(pf::objektLesen(p(rohName)).ok());

    ASSERT_TRUE(pf::umbenennen(p(rohName), p(u"b.txt"_s)).ok());
    struct stat st;
    EXPECT_NE(::lstat(QByteArray(nativ(tv.pfad()) + roh).constData(), &st), 0);
    EXPECT_EQ(::lstat(QByteArray(nativ(tv.pfad()) + ersatz).constData(), &st), 0);
    EXPECT_TRUE(QFileInfo::exists(p(u"b.txt"_s)));
    // Back to the very same bytes, and hidden by its own bytes in ".hidden".
    ASSERT_TRUE(pf::umbenennen(p(u"b.txt"_s), p(rohName)).ok());
    EXPECT_EQ(::lstat(QByteArray(nativ(tv.pfad()) + roh).constData(), &st), 0);
    ASSERT_TRUE(pf::attributeSetzen(p(rohName), pf::AttrVersteckt).ok());
    EXPECT_EQ(tv.dateiLesen(u".hidden"_s), roh + '\n');
    EXPECT_EQ(lesen(rohName).attribute, pf::AttrVersteckt);
    EXPECT_EQ(lesen(QString::fromUtf8(ersatz)).attribute, 0u);
}

TEST_F(PlattformTest, VerzeichnisLesenMitAllenAngaben)
{
    tv.dateiSchreiben(u"datei.txt"_s, QByteArray(777, 'x'));
    tv.dateienAnlegen({u"ordner/"_s, u".punkt"_s, u"gelistet"_s, u"nur"_s});
    tv.dateiSchreiben(u".hidden"_s, "gelistet\nfehlt-hier\n");
    ASSERT_EQ(::chmod(nativ(p(u"nur"_s)).constData(), 0444), 0);
    ASSERT_EQ(::symlink("ordner", nativ(p(u"link"_s)).constData()), 0);
    const pf::DateiZeit zeit{1'600'000'000, 5, true};
    ASSERT_TRUE(pf::zeitSetzen(p(u"datei.txt"_s), u'a', zeit).ok());

    QMap<QString, pf::Eintrag> gesehen;
    ASSERT_TRUE(pf::verzeichnisLesen(tv.pfad(), pf::Details::Alle, [&](const pf::Eintrag &e) {
                    gesehen.insert(e.name, e);
                    return true;
                }).ok());
    EXPECT_EQ(gesehen.keys(), (QStringList{u".hidden"_s, u".punkt"_s, u"datei.txt"_s, u"gelistet"_s, u"link"_s,
                                           u"nur"_s, u"ordner"_s}));
    EXPECT_EQ(gesehen[u"datei.txt"_s].groesse, 777);
    EXPECT_EQ(gesehen[u"datei.txt"_s].attribute, 0u);
    EXPECT_EQ(gesehen[u"datei.txt"_s].aenderung, zeit);
    EXPECT_TRUE(gesehen[u"datei.txt"_s].zugriff.gueltig);
    EXPECT_EQ(gesehen[u"ordner"_s].attribute, pf::AttrVerzeichnis);
    EXPECT_EQ(gesehen[u".punkt"_s].attribute, pf::AttrVersteckt);
    EXPECT_EQ(gesehen[u"gelistet"_s].attribute, pf::AttrVersteckt);
    EXPECT_EQ(gesehen[u"nur"_s].attribute, pf::AttrNurLesen);
    EXPECT_EQ(gesehen[u"link"_s].art, pf::ObjektArt::Link);
    EXPECT_EQ(gesehen[u"link"_s].attribute, 0u);

    // The same for one object, and the cheap form, and stopping early.
    const pf::Eintrag e = lesen(u"gelistet"_s);
    EXPECT_EQ(e.attribute, pf::AttrVersteckt);
    int anzahl = 0;
    ASSERT_TRUE(pf::verzeichnisLesen(tv.pfad(), pf::Details::Keine, [&](const pf::Eintrag &e) {
                    EXPECT_EQ(e.art, gesehen[e.name].art) << e.name.toStdString();
                    return ++anzahl < 3;
                }).ok());
    EXPECT_EQ(anzahl, 3);
    EXPECT_FALSE(pf::verzeichnisLesen(p(u"fehlt"_s), pf::Details::Alle, [](const pf::Eintrag &) { return true; }).ok());
}

// ---------------------------------------------------------------------------------------
// Attributes

TEST_F(PlattformTest, AttributeSetzen)
{
    tv.dateienAnlegen({u"d"_s, u".punkt"_s, u"ordner/"_s});
    const QByteArray d = nativ(p(u"d"_s));
    ASSERT_EQ(::chmod(d.constData(), 0666), 0);

    ASSERT_TRUE(pf::attributeSetzen(p(u"d"_s), pf::AttrNurLesen).ok());
    struct stat st;
    ASSERT_EQ(::stat(d.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u); // all write bits go
    EXPECT_EQ(lesen(u"d"_s).attribute, pf::AttrNurLesen);

    ASSERT_TRUE(pf::attributeSetzen(p(u"d"_s), pf::AttrVersteckt).ok());
    ASSERT_EQ(::stat(d.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u); // only the owner's comes back
    EXPECT_EQ(versteckteDatei(tv), u"d\n"_s);
    EXPECT_EQ(lesen(u"d"_s).attribute, pf::AttrVersteckt);

    ASSERT_TRUE(pf::attributeSetzen(p(u"ordner/"_s), pf::AttrVersteckt | pf::AttrVerzeichnis).ok());
    EXPECT_EQ(lesen(u"ordner"_s).attribute, pf::AttrVersteckt | pf::AttrVerzeichnis);
    ASSERT_TRUE(pf::attributeSetzen(p(u"d"_s), 0).ok());
    EXPECT_EQ(versteckteDatei(tv), u"ordner\n"_s);
    EXPECT_EQ(lesen(u"d"_s).attribute, 0u);

    // A leading dot cannot be taken away by an attribute.
    EXPECT_FALSE(pf::attributeSetzen(p(u".punkt"_s), 0).ok());
    EXPECT_TRUE(pf::attributeSetzen(p(u".punkt"_s), pf::AttrVersteckt).ok());

    // System, archive and compressed do not exist here; nothing changes.
    for (const quint32 bit : {pf::AttrSystem, pf::AttrArchiv, pf::AttrKomprimiert}) {
        const Ergebnis r = pf::attributeSetzen(p(u"d"_s), bit | pf::AttrNurLesen);
        EXPECT_TRUE(r.nichtMoeglich());
        EXPECT_EQ(r.text(), u"auf diesem System nicht möglich"_s);
        EXPECT_EQ(lesen(u"d"_s).attribute, 0u);
    }
    ASSERT_EQ(::symlink("d", nativ(p(u"link"_s)).constData()), 0);
    EXPECT_TRUE(pf::attributeSetzen(p(u"link"_s), pf::AttrNurLesen).nichtMoeglich());
    EXPECT_EQ(lesen(u"d"_s).attribute, 0u);
    EXPECT_FALSE(pf::attributeSetzen(p(u"fehlt"_s), 0).ok());
}

TEST_F(PlattformTest, VersteckteListeNurAlsGewoehnlicheDatei)
{
    struct Fall
    {
        const char *titel;
        std::function<void(const test::TestVerzeichnis &)> anlegen;
    };
    test::TestVerzeichnis aussen;
    aussen.dateiSchreiben(u"wichtig"_s, "bleibt\n");
    const QByteArray aussenDatei = nativ(aussen.pfad(u"wichtig"_s));
    for (const Fall &f : {
             Fall{"Link", [&](const test::TestVerzeichnis &t) {
                      ASSERT_EQ(::symlink(aussenDatei.constData(), nativ(t.pfad(u".hidden"_s)).constData()), 0);
                  }},
             Fall{"Verzeichnis", [](const test::TestVerzeichnis &t) { t.dateienAnlegen({u".hidden/"_s}); }},
             Fall{"Fifo", [](const test::TestVerzeichnis &t) {
                      ASSERT_EQ(::mkfifo(nativ(t.pfad(u".hidden"_s)).constData(), 0644), 0);
                  }},
         }) {
        test::TestVerzeichnis t;
        t.dateienAnlegen({u"x"_s});
        f.anlegen(t);
        const Ergebnis r = pf::attributeSetzen(t.pfad(u"x"_s), pf::AttrVersteckt);
        EXPECT_FALSE(r.ok()) << f.titel;
        // Listing never blocks on it and reads nothing through it.
        int anzahl = 0;
        EXPECT_TRUE(pf::verzeichnisLesen(t.pfad(), pf::Details::Alle, [&](const pf::Eintrag &e) {
                        anzahl += e.name == u"x"_s && !(e.attribute & pf::AttrVersteckt);
                        return true;
                    }).ok()) << f.titel;
        EXPECT_EQ(anzahl, 1) << f.titel;
    }
    EXPECT_EQ(aussen.dateiLesen(u"wichtig"_s), QByteArray("bleibt\n"));
}

TEST_F(PlattformTest, VersteckteListeBehaeltZeilenAlsBytesUndNimmtKeineZeilenumbrueche)
{
    tv.dateienAnlegen({u"a"_s, u"b"_s, u"neu"_s});
    tv.dateiSchreiben(u".hidden"_s, "\xff\r\nb\n");
    for (const QString &name : {u"a\nb"_s, u"a\rb"_s}) {
        tv.dateienAnlegen({name});
        EXPECT_FALSE(pf::attributeSetzen(p(name), pf::AttrVersteckt).ok());
    }
    EXPECT_EQ(lesen(u"a"_s).attribute, 0u);
    EXPECT_EQ(tv.dateiLesen(u".hidden"_s), QByteArray("\xff\r\nb\n"));

    ASSERT_TRUE(pf::attributeSetzen(p(u"neu"_s), pf::AttrVersteckt).ok());
    EXPECT_EQ(tv.dateiLesen(u".hidden"_s), QByteArray("\xff\nb\nneu\n"));
    // Written beside it and put in place: no temporary file stays.
    const QStringList namen = QDir(tv.pfad()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_EQ(namen, (QStringList{u".hidden"_s, u"a"_s, u"a\nb"_s, u"a\rb"_s, u"b"_s, u"neu"_s}));
}

TEST_F(PlattformTest, ZeitenVonVerzeichnisUndLink)
{
    tv.dateienAnlegen({u"ordner/"_s, u"ziel"_s});
    ASSERT_EQ(::symlink("ziel", nativ(p(u"link"_s)).constData()), 0);
    const pf::DateiZeit zeit{1'000'000'000, 0, true};
    ASSERT_TRUE(pf::zeitSetzen(p(u"ordner/"_s), u'a', zeit).ok());
    EXPECT_EQ(lesen(u"ordner"_s).aenderung, zeit);
    // The link's own time; its target keeps its time.
    const pf::DateiZeit vorher = lesen(u"ziel"_s).aenderung;
    ASSERT_TRUE(pf::zeitSetzen(p(u"link"_s), u'a', zeit).ok());
    EXPECT_EQ(lesen(u"link"_s).aenderung, zeit);
    EXPECT_EQ(lesen(u"ziel"_s).aenderung, vorher);

    EXPECT_EQ(pf::zeitSetzen(p(u"ziel"_s), u'x', zeit).fehlerNummer(), EINVAL);
    EXPECT_EQ(pf::zeitSetzen(p(u"ziel"_s), u'a', pf::DateiZeit{}).fehlerNummer(), EINVAL);
    const QDateTime dt = QDateTime::fromMSecsSinceEpoch(1'234'567'890'123);
    EXPECT_EQ(pf::DateiZeit::aus(dt).alsDateTime(), dt);
}

// ---------------------------------------------------------------------------------------
// Trash and deleting

class PapierkorbTest : public PlattformTest
{
protected:
    void TearDown() override { test::XdgUmleiten(); }
};

TEST_F(PapierkorbTest, InDenPapierkorb)
{
    tv.dateiSchreiben(u"weg.txt"_s, "Inhalt");
    tv.dateienAnlegen({u"baum/a/b"_s});
    ASSERT_TRUE(pf::attributeSetzen(p(u"weg.txt"_s), pf::AttrVersteckt).ok());
    ASSERT_TRUE(nxAdresseLoeschen(p(u"weg.txt"_s), true).ok());
    ASSERT_TRUE(nxAdresseLoeschen(p(u"baum/"_s), true).ok());
    EXPECT_FALSE(QFileInfo::exists(p(u"weg.txt"_s)));
    EXPECT_FALSE(QFileInfo::exists(p(u"baum"_s)));
    EXPECT_FALSE(QFileInfo::exists(p(u".hidden"_s)));

    const QString korb = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Trash/"_s;
    QFile f(korb + u"files/weg.txt"_s);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("Inhalt"));
    EXPECT_TRUE(QFileInfo::exists(korb + u"info/weg.txt.trashinfo"_s));
    EXPECT_TRUE(QFileInfo::exists(korb + u"files/baum/a/b"_s));
}

TEST_F(PapierkorbTest, UnbrauchbarerPapierkorbLaesstAllesStehen)
{
    test::TestVerzeichnis daten;
    daten.dateiSchreiben(u"datei"_s, "keine Verzeichnis");
    daten.dateienAnlegen({u"mitKorbDatei/"_s});
    daten.dateiSchreiben(u"mitKorbDatei/Trash"_s, "kein Verzeichnis");
    daten.dateiSchreiben(u"ohneFiles/Trash/files"_s, "kein Verzeichnis");
    tv.dateiSchreiben(u"bleibt.txt"_s, "Inhalt");
    const QString arbeit = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(tv.pfad()));

    for (const QString &datenOrt : {daten.pfad(u"datei/unter"_s), daten.pfad(u"mitKorbDatei"_s), daten.pfad(u"ohneFiles"_s)}) {
        qputenv("XDG_DATA_HOME", nativ(datenOrt));
        const Ergebnis r = nxAdresseLoeschen(p(u"bleibt.txt"_s), true);
        EXPECT_FALSE(r.ok()) << datenOrt.toStdString();
        EXPECT_EQ(tv.dateiLesen(u"bleibt.txt"_s), QByteArray("Inhalt"));
    }
    // Nothing landed in the working directory either.
    EXPECT_FALSE(QFileInfo::exists(p(u"files"_s)));
    QDir::setCurrent(arbeit);
}

TEST_F(PlattformTest, FuerImmerLoeschenFolgtKeinemLink)
{
    test::TestVerzeichnis aussen;
    aussen.dateiSchreiben(u"ziel/wichtig"_s, "bleibt");
    tv.dateienAnlegen({u"baum/a/b/c"_s, u"baum/leer/"_s, u"einzeln"_s});
    ASSERT_EQ(::symlink(nativ(aussen.pfad(u"ziel"_s)).constData(), nativ(p(u"baum/a/link"_s)).constData()), 0);
    ASSERT_EQ(::symlink(nativ(aussen.pfad(u"ziel"_s)).constData(), nativ(p(u"link2"_s)).constData()), 0);

    ASSERT_EQ(::chmod(nativ(p(u"baum/a"_s)).constData(), 0555), 0); // read-only goes too
    {
        test::FremderNutzer nutzer({tv.pfad(), aussen.pfad()});
        EXPECT_TRUE(nxAdresseLoeschen(p(u"baum/"_s), false).ok());
        EXPECT_TRUE(nxAdresseLoeschen(p(u"link2"_s), false).ok());
        EXPECT_TRUE(nxAdresseLoeschen(p(u"einzeln"_s), false).ok());
    }
    EXPECT_FALSE(nxAdresseIstVorhanden(p(u"*"_s)));
    EXPECT_EQ(aussen.dateiLesen(u"ziel/wichtig"_s), QByteArray("bleibt"));
    EXPECT_EQ(nxAdresseLoeschen(p(u"fehlt"_s), false).fehlerNummer(), ENOENT);
}

TEST_F(PapierkorbTest, LoeschenNurAufgeraeumterPfadeUndNurDesGelistetenObjekts)
{
    tv.dateienAnlegen({u"x/inhalt"_s, u"x/sub/"_s});
    struct Fall
    {
        const char16_t *pfad;
    };
    for (const Fall &f : {Fall{u"x/sub/.."}, Fall{u"x/sub/../"}, Fall{u"x/."}, Fall{u"x/./sub"}, Fall{u"x//sub"}}) {
        const QString pfad = p(QString::fromUtf16(f.pfad));
        for (const bool papierkorb : {false, true}) {
            const Ergebnis r = papierkorb ? pf::inPapierkorb(pfad) : pf::fuerImmerLoeschen(pfad);
            EXPECT_FALSE(r.ok()) << pfad.toStdString() << papierkorb;
            EXPECT_EQ(r.fehlerNummer(), EINVAL) << pfad.toStdString() << papierkorb;
            EXPECT_TRUE(nxAdresseIstDatei(p(u"x/inhalt"_s))) << pfad.toStdString() << papierkorb;
            EXPECT_TRUE(nxAdresseIstVerzeichnis(p(u"x/sub/"_s))) << pfad.toStdString() << papierkorb;
        }
    }

    // What was listed is deleted only while the name still reaches it.
    for (const bool papierkorb : {false, true}) {
        tv.dateiSchreiben(u"a"_s, "gelistet");
        const ErgebnisWert<pf::Eintrag> gelistet = pf::objektLesen(p(u"a"_s));
        ASSERT_TRUE(gelistet.ok());
        ASSERT_TRUE(gelistet->identitaet.gueltig());
        // Another object takes the name; the listed one lives on elsewhere.
        ASSERT_EQ(::rename(nativ(p(u"a"_s)).constData(), nativ(p(u"alt"_s)).constData()), 0);
        tv.dateiSchreiben(u"a"_s, "neu");
        const auto loeschen = [&](const pf::Identitaet &id) {
            return papierkorb ? pf::inPapierkorb(p(u"a"_s), id) : pf::fuerImmerLoeschen(p(u"a"_s), id);
        };
        EXPECT_FALSE(loeschen(gelistet->identitaet).ok()) << papierkorb;
        EXPECT_EQ(tv.dateiLesen(u"a"_s), QByteArray("neu"));
        const ErgebnisWert<pf::Eintrag> jetzt = pf::objektLesen(p(u"a"_s));
        ASSERT_TRUE(jetzt.ok());
        EXPECT_NE(jetzt->identitaet, gelistet->identitaet);
        EXPECT_TRUE(loeschen(jetzt->identitaet).ok()) << papierkorb;
        EXPECT_FALSE(QFileInfo::exists(p(u"a"_s)));
        EXPECT_EQ(tv.dateiLesen(u"alt"_s), QByteArray("gelistet"));
        ASSERT_EQ(::unlink(nativ(p(u"alt"_s)).constData()), 0);
    }
}

// ---------------------------------------------------------------------------------------
// Copying and moving

// Every object below wurzel with kind, content or link target, mode and write time.
QMap<QString, QString> baumBild(const QString &wurzel)
{
    QMap<QString, QString> bild;
    QDirIterator it(wurzel, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pfad = it.next();
        struct stat st;
        if (::lstat(nativ(pfad).constData(), &st) != 0)
            continue;
        QString wert = QString::number(st.st_mode, 8) + u' ';
        if (S_ISREG(st.st_mode)) {
            QFile f(pfad);
            if (f.open(QIODevice::ReadOnly))
                wert += QString::fromLatin1(f.readAll().toHex());
            wert += u' ' + QString::number(st.st_mtim.tv_sec) + u'.' + QString::number(st.st_mtim.tv_nsec);
        } else if (S_ISLNK(st.st_mode)) {
            char ziel[4096];
            const ssize_t n = ::readlink(nativ(pfad).constData(), ziel, sizeof ziel);
            wert += QString::fromUtf8(ziel, n < 0 ? 0 : n);
        } else if (S_ISDIR(st.st_mode)) {
            wert += QString::number(st.st_mtim.tv_sec);
        }
        bild.insert(pfad.mid(wurzel.size()), wert);
    }
    return bild;
}

void baumAnlegen(const test::TestVerzeichnis &tv, const QString &wurzel)
{
    tv.dateiSchreiben(wurzel + u"/eins.txt"_s, "eins");
    tv.dateiSchreiben(wurzel + u"/unter/zwei.bin"_s, QByteArray(200'000, '\x7f'));
    tv.dateiSchreiben(wurzel + u"/unter/tiefer/drei"_s, "");
    tv.dateienAnlegen({wurzel + u"/leer/"_s});
    ::symlink("eins.txt", nativ(tv.pfad(wurzel + u"/zeiger"_s)).constData());
    ::chmod(nativ(tv.pfad(wurzel + u"/eins.txt"_s)).constData(), 0640);
    const pf::DateiZeit zeit{1'300'000'000, 777, true};
    EXPECT_TRUE(pf::zeitSetzen(tv.pfad(wurzel + u"/unter/zwei.bin"_s), u'a', zeit).ok());
    EXPECT_TRUE(pf::zeitSetzen(tv.pfad(wurzel + u"/unter/tiefer"_s), u'a', zeit).ok());
}

TEST_F(PlattformTest, KopierenEinesBaums)
{
    baumAnlegen(tv, u"quelle"_s);
    const auto vorher = baumBild(p(u"quelle"_s));
    ASSERT_TRUE(pf::kopieren(p(u"quelle"_s), p(u"kopie"_s), false).ok());
    EXPECT_EQ(baumBild(p(u"kopie"_s)), vorher);
    EXPECT_EQ(baumBild(p(u"quelle"_s)), vorher);

    // Into itself: refused before anything is written.
    EXPECT_FALSE(pf::kopieren(p(u"quelle"_s), p(u"quelle/unter/neu"_s), false).ok());
    EXPECT_FALSE(QFileInfo::exists(p(u"quelle/unter/neu"_s)));

    // Onto an existing tree only when asked; then merged, files replaced.
    tv.dateiSchreiben(u"ziel/eins.txt"_s, "alt");
    tv.dateiSchreiben(u"ziel/eigen"_s, "eigen");
    EXPECT_EQ(pf::kopieren(p(u"quelle"_s), p(u"ziel"_s), false).fehlerNummer(), EEXIST);
    EXPECT_EQ(tv.dateiLesen(u"ziel/eins.txt"_s), QByteArray("alt"));
    EXPECT_FALSE(QFileInfo::exists(p(u"ziel/unter"_s)));
    ASSERT_TRUE(pf::kopieren(p(u"quelle"_s), p(u"ziel"_s), true).ok());
    EXPECT_EQ(tv.dateiLesen(u"ziel/eins.txt"_s), QByteArray("eins"));
    EXPECT_EQ(tv.dateiLesen(u"ziel/eigen"_s), QByteArray("eigen"));
    EXPECT_EQ(tv.dateiLesen(u"ziel/unter/zwei.bin"_s).size(), 200'000);

    // A file onto a directory is refused even when asked.
    EXPECT_FALSE(pf::kopieren(p(u"quelle/eins.txt"_s), p(u"ziel/unter"_s), true).ok());
    EXPECT_TRUE(nxAdresseIstVerzeichnis(p(u"ziel/unter/"_s)));
}

TEST_F(PlattformTest, KopierenInSichSelbstUeberEinenLinkAbgelehnt)
{
    tv.dateiSchreiben(u"quelle/unter/eins"_s, "1");
    ASSERT_EQ(::symlink("quelle/unter", nativ(p(u"ort"_s)).constData()), 0);
    for (const QString &ziel : {p(u"ort/neu"_s), p(u"ort/tief/neu"_s)}) {
        const Ergebnis r = pf::kopieren(p(u"quelle"_s), ziel, false);
        EXPECT_EQ(r.fehlerNummer(), EINVAL) << ziel.toStdString() << ": " << r.text().toStdString();
    }
    EXPECT_EQ(baumBild(p(u"quelle"_s)).keys(), (QStringList{u"/unter"_s, u"/unter/eins"_s}));
}

TEST_F(PlattformTest, UeberschreibenBeruehrtKeineFremdenNamen)
{
    tv.dateiSchreiben(u"quelle"_s, "neu");
    tv.dateiSchreiben(u"ziel"_s, "alt");
    ASSERT_EQ(::symlink("quelle", nativ(p(u"zeiger"_s)).constData()), 0);
    ASSERT_EQ(::symlink("ziel", nativ(p(u"zeiger2"_s)).constData()), 0);
    // Names another program keeps beside the targets, in the pattern of temporary names.
    const QString pid = QString::number(::getpid());
    const QStringList fremd{u"ziel.rinolux-kopie-"_s + pid, u"ziel.rinolux-kopie-"_s + pid + u"-1"_s,
                            u"zeiger2.rinolux-kopie-"_s + pid, u"zeiger2.rinolux-kopie-"_s + pid + u"-2"_s};
    for (const QString &f : fremd)
        tv.dateiSchreiben(f, "fremd");
    ASSERT_TRUE(pf::kopieren(p(u"quelle"_s), p(u"ziel"_s), true).ok());
    ASSERT_TRUE(pf::kopieren(p(u"zeiger"_s), p(u"zeiger2"_s), true).ok());
    EXPECT_EQ(tv.dateiLesen(u"ziel"_s), QByteArray("neu"));
    EXPECT_EQ(QFileInfo(p(u"zeiger2"_s)).symLinkTarget(), p(u"quelle"_s));
    for (const QString &f : fremd)
        EXPECT_EQ(tv.dateiLesen(f), QByteArray("fremd")) << f.toStdString();
    EXPECT_EQ(QDir(tv.pfad()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(), 4 + fremd.size());
}

TEST_F(PlattformTest, KopierfehlerLaesstKeineHalbeKopie)
{
    baumAnlegen(tv, u"quelle"_s);
    ASSERT_EQ(::chmod(nativ(p(u"quelle/unter/tiefer/drei"_s)).constData(), 0), 0);
    Ergebnis r = Ergebnis::Ok();
    {
        test::FremderNutzer nutzer({tv.pfad()});
        r = pf::kopieren(p(u"quelle"_s), p(u"kopie"_s), false);
    }
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.fehlerNummer(), EACCES);
    EXPECT_FALSE(QFileInfo::exists(p(u"kopie"_s)));
}

class VerschiebenTest : public PlattformTest
{
protected:
    // Another file system for the target when the machine has one.
    void SetUp() override
    {
        if (QFileInfo(u"/dev/shm"_s).isDir() && QFileInfo(u"/dev/shm"_s).isWritable()) {
            m_anderes = std::make_unique<QTemporaryDir>(u"/dev/shm/rinolux-test-XXXXXX"_s);
            if (m_anderes->isValid() && nxLaufwerkEinhaengepunkt(m_anderes->path()) != nxLaufwerkEinhaengepunkt(tv.pfad()))
                return;
        }
        GTEST_SKIP() << "kein zweites Dateisystem";
    }
    QString ziel(const QString &relativ) const { return m_anderes->path() + u'/' + relativ; }

    std::unique_ptr<QTemporaryDir> m_anderes;
};

TEST_F(VerschiebenTest, UeberDateisystemeGleicherBaumQuelleWeg)
{
    baumAnlegen(tv, u"quelle"_s);
    ASSERT_TRUE(pf::attributeSetzen(p(u"quelle"_s), pf::AttrVersteckt).ok());
    ASSERT_TRUE(pf::attributeSetzen(p(u"quelle/unter/tiefer"_s), pf::AttrNurLesen).ok());
    const auto vorher = baumBild(p(u"quelle"_s));
    {
        test::FremderNutzer nutzer({tv.pfad(), m_anderes->path()});
        ASSERT_TRUE(pf::verschieben(p(u"quelle/"_s), ziel(u"quelle"_s)).ok());
    }
    EXPECT_EQ(baumBild(ziel(u"quelle"_s)), vorher);
    EXPECT_FALSE(QFileInfo::exists(p(u"quelle"_s)));
    EXPECT_FALSE(QFileInfo::exists(p(u".hidden"_s)));
    const ErgebnisWert<pf::Eintrag> e = pf::objektLesen(ziel(u"quelle"_s));
    ASSERT_TRUE(e.ok());
    EXPECT_TRUE(e->attribute & pf::AttrVersteckt);

    // A single file, and never onto an existing one.
    tv.dateiSchreiben(u"einzeln"_s, "1");
    tv.dateiSchreiben(u"zweite"_s, "2");
    ASSERT_TRUE(pf::verschieben(p(u"einzeln"_s), ziel(u"einzeln"_s)).ok());
    EXPECT_EQ(pf::verschieben(p(u"zweite"_s), ziel(u"einzeln"_s)).fehlerNummer(), EEXIST);
    EXPECT_EQ(tv.dateiLesen(u"zweite"_s), QByteArray("2"));
    QFile f(ziel(u"einzeln"_s));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("1"));
}

TEST_F(VerschiebenTest, LoeschtNurWasKopiertWurde)
{
    baumAnlegen(tv, u"quelle"_s);
    // Between the checked copy and the deleting, another program adds and changes entries.
    pf::intern::nachbildung().zwischendurch = [&] {
        tv.dateiSchreiben(u"quelle/unter/neu.txt"_s, "neu");
        tv.dateiSchreiben(u"quelle/eins.txt"_s, "geändert");
    };
    const Ergebnis r = pf::verschieben(p(u"quelle"_s), ziel(u"quelle"_s));
    pf::intern::nachbildung() = {};
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.text().contains(u"neu.txt"_s) || r.text().contains(u"unter"_s)) << r.text().toStdString();
    // The copy is whole; the source keeps exactly what is new or changed.
    QFile kopie(ziel(u"quelle/eins.txt"_s));
    ASSERT_TRUE(kopie.open(QIODevice::ReadOnly));
    EXPECT_EQ(kopie.readAll(), QByteArray("eins"));
    EXPECT_EQ(tv.dateiLesen(u"quelle/unter/neu.txt"_s), QByteArray("neu"));
    EXPECT_EQ(tv.dateiLesen(u"quelle/eins.txt"_s), QByteArray("geändert"));
    EXPECT_EQ(baumBild(p(u"quelle"_s)).keys(), (QStringList{u"/eins.txt"_s, u"/unter"_s, u"/unter/neu.txt"_s}));
}

TEST_F(VerschiebenTest, FehlerMittendrinLaesstQuelleGanz)
{
    baumAnlegen(tv, u"quelle"_s);
    ASSERT_EQ(::chmod(nativ(p(u"quelle/unter/tiefer/drei"_s)).constData(), 0), 0);
    const auto vorher = baumBild(p(u"quelle"_s));
    Ergebnis r = Ergebnis::Ok();
    {
        test::FremderNutzer nutzer({tv.pfad(), m_anderes->path()});
        r = pf::verschieben(p(u"quelle"_s), ziel(u"quelle"_s));
    }
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(baumBild(p(u"quelle"_s)), vorher);
    EXPECT_FALSE(QFileInfo::exists(ziel(u"quelle"_s)));
}

TEST_F(PlattformTest, VerschiebenAufDemselbenDateisystem)
{
    tv.dateienAnlegen({u"a/inhalt"_s, u"b/"_s});
    EXPECT_EQ(pf::verschieben(p(u"a"_s), p(u"b"_s)).fehlerNummer(), EEXIST);
    ASSERT_TRUE(pf::verschieben(p(u"a"_s), p(u"b/a"_s)).ok());
    EXPECT_TRUE(nxAdresseIstDatei(p(u"b/a/inhalt"_s)));
}

// ---------------------------------------------------------------------------------------
// Locked test, drives, desktop

TEST_F(PlattformTest, Blockiert)
{
    tv.dateienAnlegen({u"frei/datei"_s, u"zu/datei"_s, u"klebrig/fremd"_s});
    EXPECT_FALSE(nxAdresseBlockiert(p(u"fehlt"_s)));
    EXPECT_FALSE(nxAdresseBlockiert(p(u"frei/datei"_s)));
    EXPECT_FALSE(nxAdresseBlockiert(p(u"frei/"_s)));

    // "klebrig" and its entry keep their owner; the other user may only pass through.
    ASSERT_EQ(::chmod(nativ(tv.pfad()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(nativ(p(u"klebrig"_s)).constData(), 01777), 0);
    bool zu = false, klebrig = false, frei = true;
    {
        test::FremderNutzer nutzer({p(u"frei"_s), p(u"zu"_s)});
        ASSERT_EQ(::chmod(nativ(p(u"zu"_s)).constData(), 0555), 0);
        zu = nxAdresseBlockiert(p(u"zu/datei"_s));
        klebrig = nxAdresseBlockiert(p(u"klebrig/fremd"_s));
        frei = nxAdresseBlockiert(p(u"frei/datei"_s));
    }
    ::chmod(nativ(p(u"zu"_s)).constData(), 0755);
    EXPECT_TRUE(zu);
    EXPECT_FALSE(frei);
    // As root the entry belongs to someone else; otherwise it is our own and may be renamed.
    EXPECT_EQ(klebrig, ::geteuid() == 0);
}

// One check object serves many names: the parent's verdict of one directory never carries
// over to a name in another, and immutable or append-only objects are caught from statx.
TEST_F(PlattformTest, UmbenennPruefungVieleNamen)
{
    tv.dateienAnlegen({u"frei/a"_s, u"frei/b"_s, u"zu/c"_s, u"frei/fest"_s, u"frei/anhang"_s});
    ASSERT_EQ(::chmod(nativ(tv.pfad()).constData(), 0755), 0);
    std::vector<std::pair<QString, bool>> gesehen;
    {
        test::FremderNutzer nutzer({p(u"frei"_s), p(u"zu"_s)});
        ASSERT_EQ(::chmod(nativ(p(u"zu"_s)).constData(), 0555), 0);
        pf::UmbenennPruefung pruefung;
        for (const QString &name : {u"frei/a"_s, u"zu/c"_s, u"frei/b"_s, u"frei"_s}) {
            const ErgebnisWert<pf::UmbenennPruefung::Stand> s = pruefung.pruefen(p(name));
            ASSERT_TRUE(s.ok()) << name.toStdString();
            gesehen.emplace_back(name, s->blockiert);
        }
        EXPECT_FALSE(pruefung.pruefen(p(u"frei/fehlt"_s)).ok());
    }
    ::chmod(nativ(p(u"zu"_s)).constData(), 0755);
    // "frei" itself lies in the test directory, which the other user may not write.
    const bool wurzelZu = ::geteuid() == 0;
    const std::vector<std::pair<QString, bool>> erwartet = {
        {u"frei/a"_s, false}, {u"zu/c"_s, true}, {u"frei/b"_s, false}, {u"frei"_s, wurzelZu}};
    EXPECT_EQ(gesehen, erwartet);

    // Setting the flags needs the right to do so and a file system that keeps them.
    const auto setzen = [&](const QString &name, int flag) {
        const int fd = ::open(nativ(p(name)).constData(), O_RDONLY | O_CLOEXEC);
        int flags = 0;
        const bool ok = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                        (flags |= flag, ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
        if (fd >= 0)
            ::close(fd);
        return ok;
    };
    const auto loesen = [&](const QString &name) {
        const int fd = ::open(nativ(p(name)).constData(), O_RDONLY | O_CLOEXEC);
        int flags = 0;
        if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags &= ~(FS_IMMUTABLE_FL | FS_APPEND_FL);
            static_cast<void>(::ioctl(fd, FS_IOC_SETFLAGS, &flags)); // test clean-up
        }
        if (fd >= 0)
            ::close(fd);
    };
    if (!setzen(u"frei/fest"_s, FS_IMMUTABLE_FL) || !setzen(u"frei/anhang"_s, FS_APPEND_FL)) {
        loesen(u"frei/fest"_s);
        GTEST_SKIP() << "immutable/append-only cannot be set here (needs the right and file-system support)";
    }
    pf::UmbenennPruefung pruefung;
    const ErgebnisWert<pf::UmbenennPruefung::Stand> fest = pruefung.pruefen(p(u"frei/fest"_s));
    const ErgebnisWert<pf::UmbenennPruefung::Stand> anhang = pruefung.pruefen(p(u"frei/anhang"_s));
    const ErgebnisWert<pf::UmbenennPruefung::Stand> a = pruefung.pruefen(p(u"frei/a"_s));
    const bool einzeln = pf::blockiert(p(u"frei/fest"_s));
    loesen(u"frei/fest"_s);
    loesen(u"frei/anhang"_s);
    ASSERT_TRUE(fest.ok() && anhang.ok() && a.ok());
    EXPECT_TRUE(fest->blockiert);
    EXPECT_TRUE(anhang->blockiert);
    EXPECT_FALSE(a->blockiert);
    EXPECT_TRUE(einzeln);
}

TEST(Laufwerk, ListenUndPlatz)
{
    const QStringList l = nxLaufwerkListe();
    ASSERT_GE(l.size(), 2);
    EXPECT_TRUE(l[0].isEmpty());
    EXPECT_EQ(l[1], u"/"_s);
    for (qsizetype i = 1; i < l.size(); ++i)
        EXPECT_TRUE(l[i].startsWith(u'/') && l[i].endsWith(u'/')) << l[i].toStdString();
    const QStringList n = nxLaufwerkNetzFreigaben();
    ASSERT_GE(n.size(), 1);
    EXPECT_TRUE(n[0].isEmpty());

    test::TestVerzeichnis tv;
    QString fehler = u"x"_s;
    const qint64 frei = nxLaufwerkFreierPlatz(tv.pfad(), &fehler);
    EXPECT_TRUE(fehler.isEmpty());
    EXPECT_GT(frei, 0);
    const qint64 gesamt = nxLaufwerkPlatz(2, tv.pfad(), &fehler);
    const qint64 belegt = nxLaufwerkPlatz(3, tv.pfad(), &fehler);
    EXPECT_GE(gesamt, frei);
    EXPECT_EQ(belegt, gesamt - nxLaufwerkFreierPlatz(tv.pfad()));

    EXPECT_EQ(nxLaufwerkFreierPlatz(u" "_s, &fehler), 0);
    EXPECT_EQ(fehler, u"Fehler: Laufwerk-Name enthält nur einen Leerstring"_s);
    EXPECT_EQ(nxLaufwerkFreierPlatz(tv.pfad(u"fehlt/"_s), &fehler), 0);
    EXPECT_EQ(fehler, u"Fehler: mit unbekanntem Grund"_s);

    EXPECT_EQ(nxLaufwerkEinhaengepunkt(u"relativ"_s), QString());
    EXPECT_TRUE(nxLaufwerkEinhaengepunkt(tv.pfad()).endsWith(u'/'));
    EXPECT_FALSE(nxLaufwerkDateisystem(tv.pfad()).isEmpty());
}

TEST(Arbeitsoberflaeche, OhneFensterNichtMoeglich)
{
    EXPECT_TRUE(pf::oeffnen(u"/"_s).nichtMoeglich());
    EXPECT_TRUE(pf::eigenschaftenZeigen(u"/"_s).nichtMoeglich());
    EXPECT_FALSE(pf::oeffnenMit(u"/gibt/es/nicht"_s, u"/"_s).ok());
}

} // namespace
