// New objects made from the data of others: copies under new names, parts of a file and
// joined files, through the kernel's copy and through the buffered loop.

#include "FremderNutzer.h"
#include "core/platform/Plattform.h"
#include "core/platform/PlattformIntern_linux.h"
#include "core/util/nx_Adresse.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using namespace rinolux;
using namespace Qt::StringLiterals;
namespace pf = rinolux::plattform;

namespace {

// Distinct bytes, so a shifted or repeated range cannot pass for the right one.
QByteArray muster(qint64 groesse, quint32 saat = 2463534242u)
{
    QByteArray b(groesse, '\0');
    quint32 x = saat;
    for (char &c : b) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = char(x);
    }
    return b;
}

QStringList eintraege(const QString &verz)
{
    return QDir(verz).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                QDir::Name);
}

// Every case runs twice: with copy_file_range and with the buffered loop that takes over
// where the kernel refuses it.
class HerstellenTest : public ::testing::TestWithParam<bool>
{
protected:
    void SetUp() override { pf::intern::nachbildung().ohneKernelKopie = GetParam(); }
    void TearDown() override { pf::intern::nachbildung() = {}; }

    test::TestVerzeichnis tv;
    QString p(const QString &relativ) const { return tv.pfad(relativ); }
};

INSTANTIATE_TEST_SUITE_P(Wege, HerstellenTest, ::testing::Values(false, true),
                         [](const auto &info) { return info.param ? "Puffer" : "Kernel"; });

TEST_P(HerstellenTest, TeileSchreibenGenauDieVerlangtenBytes)
{
    const QByteArray inhalt = muster(3 * 1024 * 1024 + 17);
    tv.dateiSchreiben(u"gross.bin"_s, inhalt);
    struct Fall
    {
        const char *name;
        qint64 von, laenge;
    };
    const Fall faelle[] = {
        {"anfang", 0, 4}, {"mitte", 1000, 2 * 1024 * 1024},   {"bis zum ende", inhalt.size() - 17, 17},
        {"leer", 5, 0},   {"leer am ende", inhalt.size(), 0}, {"ganz", 0, inhalt.size()},
    };
    for (const Fall &f : faelle) {
        const QString ziel = p(QString::fromUtf8(f.name));
        const Ergebnis r = pf::dateiTeilKopieren(p(u"gross.bin"_s), f.von, f.laenge, ziel);
        ASSERT_TRUE(r.ok()) << f.name << ": " << r.text().toStdString();
        EXPECT_EQ(tv.dateiLesen(QString::fromUtf8(f.name)), inhalt.mid(f.von, f.laenge)) << f.name;
    }
}

TEST_P(HerstellenTest, TeilFehlerLassenKeinZielZurueck)
{
    tv.dateiSchreiben(u"q.bin"_s, "0123456789");
    tv.dateiSchreiben(u"da.bin"_s, "alt");
    tv.dateienAnlegen({u"verz/"_s});
    struct Fall
    {
        const char *name;
        QString quelle;
        qint64 von, laenge;
        QString ziel;
        int nummer;
    };
    const Fall faelle[] = {
        {"ziel vorhanden", u"q.bin"_s, 0, 4, u"da.bin"_s, EEXIST},
        {"ziel ist verzeichnis", u"q.bin"_s, 0, 4, u"verz"_s, EEXIST},
        {"quelle zu kurz", u"q.bin"_s, 8, 4, u"n1"_s, EIO},
        {"quelle fehlt", u"fehlt.bin"_s, 0, 4, u"n2"_s, ENOENT},
        {"quelle fehlt, leerer teil", u"fehlt.bin"_s, 0, 0, u"n3"_s, ENOENT},
        {"quelle ist verzeichnis", u"verz"_s, 0, 0, u"n4"_s, EISDIR},
        {"negative laenge", u"q.bin"_s, 0, -1, u"n5"_s, EINVAL},
    };
    for (const Fall &f : faelle) {
        const Ergebnis r = pf::dateiTeilKopieren(p(f.quelle), f.von, f.laenge, p(f.ziel));
        EXPECT_FALSE(r.ok()) << f.name;
        EXPECT_EQ(r.fehlerNummer(), f.nummer) << f.name << ": " << r.text().toStdString();
    }
    EXPECT_EQ(eintraege(tv.pfad()), (QStringList{u"da.bin"_s, u"q.bin"_s, u"verz"_s}));
    EXPECT_EQ(tv.dateiLesen(u"da.bin"_s), QByteArray("alt"));
    EXPECT_TRUE(eintraege(p(u"verz"_s)).isEmpty());
}

TEST_P(HerstellenTest, UnlesbareQuelleGibtAuchKeinenLeerenTeil)
{
    tv.dateiSchreiben(u"q.bin"_s, "0123456789");
    test::FremderNutzer fremd({tv.pfad()});
    ASSERT_EQ(::chmod(QFile::encodeName(p(u"q.bin"_s)).constData(), 0), 0);
    for (const qint64 laenge : {qint64(4), qint64(0)}) {
        const Ergebnis r = pf::dateiTeilKopieren(p(u"q.bin"_s), 0, laenge, p(u"teil"_s));
        EXPECT_FALSE(r.ok()) << laenge;
        EXPECT_EQ(r.fehlerNummer(), EACCES);
        EXPECT_FALSE(pf::vorhanden(p(u"teil"_s)));
    }
}

TEST_P(HerstellenTest, VerbindenHaengtInDerReihenfolgeAn)
{
    const QByteArray a = muster(2 * 1024 * 1024 + 3, 1), b = "B", c = muster(70000, 3);
    tv.dateiSchreiben(u"a"_s, a);
    tv.dateiSchreiben(u"b"_s, b);
    tv.dateiSchreiben(u"c"_s, c);
    tv.dateiSchreiben(u"leer"_s, QByteArray());
    int fehlend = 7;
    const Ergebnis r =
        pf::dateienVerbinden({p(u"c"_s), p(u"leer"_s), p(u"a"_s), p(u"b"_s)}, p(u"ganz"_s), {}, &fehlend);
    ASSERT_TRUE(r.ok()) << r.text().toStdString();
    EXPECT_EQ(fehlend, -1);
    EXPECT_EQ(tv.dateiLesen(u"ganz"_s), c + a + b);
}

TEST_P(HerstellenTest, VerbindenFehlerEntferntDasHalbeZiel)
{
    tv.dateiSchreiben(u"a"_s, muster(100000));
    tv.dateiSchreiben(u"b"_s, "B");
    tv.dateiSchreiben(u"da"_s, "alt");
    tv.dateienAnlegen({u"verz/"_s});
    struct Fall
    {
        const char *name;
        QStringList quellen;
        QString ziel;
        int fehlend, nummer;
    };
    const Fall faelle[] = {
        {"zweite fehlt", {u"a"_s, u"weg"_s, u"b"_s}, u"z1"_s, 1, ENOENT},
        {"verzeichnis als stueck", {u"a"_s, u"b"_s, u"verz"_s}, u"z2"_s, 2, EISDIR},
        {"ziel vorhanden", {u"a"_s, u"b"_s}, u"da"_s, -1, EEXIST},
    };
    for (const Fall &f : faelle) {
        QStringList voll;
        for (const QString &q : f.quellen)
            voll.append(p(q));
        int fehlend = 7;
        const Ergebnis r = pf::dateienVerbinden(voll, p(f.ziel), {}, &fehlend);
        EXPECT_FALSE(r.ok()) << f.name;
        EXPECT_EQ(r.fehlerNummer(), f.nummer) << f.name;
        EXPECT_EQ(fehlend, f.fehlend) << f.name;
    }
    EXPECT_EQ(eintraege(tv.pfad()), (QStringList{u"a"_s, u"b"_s, u"da"_s, u"verz"_s}));
    EXPECT_EQ(tv.dateiLesen(u"da"_s), QByteArray("alt"));
}

TEST_P(HerstellenTest, NeuKopierenErsetztNieUndMachtAusVerzeichnissenLeere)
{
    tv.dateiSchreiben(u"q.txt"_s, muster(300000));
    ASSERT_EQ(::chmod(QFile::encodeName(p(u"q.txt"_s)).constData(), 0640), 0);
    tv.dateienAnlegen({u"baum/innen/datei"_s, u"ziel/alt"_s});
    tv.dateiSchreiben(u"da.txt"_s, "alt");
    ASSERT_EQ(::symlink("q.txt", QFile::encodeName(p(u"link"_s)).constData()), 0);

    ASSERT_TRUE(pf::neuKopieren(p(u"q.txt"_s), p(u"kopie.txt"_s)).ok());
    EXPECT_EQ(tv.dateiLesen(u"kopie.txt"_s), tv.dateiLesen(u"q.txt"_s));
    EXPECT_EQ(QFileInfo(p(u"kopie.txt"_s)).lastModified(), QFileInfo(p(u"q.txt"_s)).lastModified());
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(p(u"kopie.txt"_s)).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    ASSERT_TRUE(pf::neuKopieren(p(u"baum"_s), p(u"baum2"_s)).ok());
    EXPECT_TRUE(nxAdresseIstVerzeichnis(p(u"baum2"_s)));
    EXPECT_TRUE(eintraege(p(u"baum2"_s)).isEmpty());

    ASSERT_TRUE(pf::neuKopieren(p(u"link"_s), p(u"link2"_s)).ok());
    EXPECT_EQ(QFileInfo(p(u"link2"_s)).symLinkTarget(), p(u"q.txt"_s));

    for (const QString &ziel : {u"da.txt"_s, u"ziel"_s}) {
        for (const QString &quelle : {u"q.txt"_s, u"baum"_s, u"link"_s}) {
            const Ergebnis r = pf::neuKopieren(p(quelle), p(ziel));
            EXPECT_EQ(r.fehlerNummer(), EEXIST) << quelle.toStdString() << " -> " << ziel.toStdString();
        }
    }
    EXPECT_EQ(tv.dateiLesen(u"da.txt"_s), QByteArray("alt"));
    EXPECT_EQ(eintraege(p(u"ziel"_s)), QStringList{u"alt"_s});
}

TEST_P(HerstellenTest, AbbruchMittendrinLaesstNichtsZurueck)
{
    const QByteArray inhalt = muster(40 * 1024 * 1024);
    tv.dateiSchreiben(u"q.bin"_s, inhalt);
    struct Fall
    {
        const char *name;
        std::function<Ergebnis(const pf::DatenFortschritt &)> aufruf;
    };
    const Fall faelle[] = {
        {"kopie", [&](const auto &f) { return pf::neuKopieren(p(u"q.bin"_s), p(u"ziel"_s), f); }},
        {"teil",
         [&](const auto &f) {
             return pf::dateiTeilKopieren(p(u"q.bin"_s), 10, inhalt.size() - 10, p(u"ziel"_s), f);
         }},
        {"verbinden",
         [&](const auto &f) {
             return pf::dateienVerbinden({p(u"q.bin"_s), p(u"q.bin"_s)}, p(u"ziel"_s), f);
         }},
    };
    for (const Fall &f : faelle) {
        qint64 zuletzt = 0;
        int aufrufe = 0;
        const Ergebnis r = f.aufruf([&](qint64 geschrieben) {
            EXPECT_GT(geschrieben, zuletzt) << f.name;
            zuletzt = geschrieben;
            return ++aufrufe < 2; // cancel at the second report, with data already written
        });
        EXPECT_EQ(r.fehlerNummer(), ECANCELED) << f.name << ": " << r.text().toStdString();
        EXPECT_EQ(aufrufe, 2) << f.name;
        EXPECT_GT(zuletzt, 0) << f.name;
        EXPECT_LT(zuletzt, inhalt.size()) << f.name;
        EXPECT_FALSE(pf::vorhanden(p(u"ziel"_s))) << f.name;
    }

    // Unhindered, the reports end at the full size.
    qint64 zuletzt = 0;
    ASSERT_TRUE(pf::dateienVerbinden({p(u"q.bin"_s), p(u"q.bin"_s)}, p(u"ziel"_s), [&](qint64 g) {
                    zuletzt = g;
                    return true;
                }).ok());
    EXPECT_EQ(zuletzt, 2 * inhalt.size());
    EXPECT_EQ(QFileInfo(p(u"ziel"_s)).size(), 2 * inhalt.size());
}

} // namespace
