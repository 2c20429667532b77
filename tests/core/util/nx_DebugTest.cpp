#include "core/shell/Prozess.h"
#include "core/util/nx_Debug.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace rinolux;

namespace {

class DebugTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::XdgUmleiten();
        QDir().mkpath(ProgPfad);
    }
    void TearDown() override { nxDebugEnde(); }

    static QStringList logZeilen()
    {
        QFile f(nxDebugDateiName());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        const QString text = QString::fromUtf8(f.readAll());
        QStringList z = text.split(QStringLiteral("\r\n"));
        if (!z.isEmpty() && z.last().isEmpty())
            z.removeLast();
        return z;
    }
    static void logAnlegen()
    {
        QFile f(nxDebugDateiName());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    static QStringList archive()
    {
        return QDir(ProgPfad).entryList({ProgDateiName + QStringLiteral("_Ablauf.txt_*")}, QDir::Files, QDir::Name);
    }
};

const QRegularExpression kStempel(QStringLiteral("^\\d{8}_\\d{6}__"));

TEST_F(DebugTest, OhneDateiEntstehtWederLogNochArchiv)
{
    nxDebugArchiv(5);
    nxDebugStart(QStringLiteral("ProgVersion = 2023b"), true);
    nxDebugZeile(QStringLiteral("x"));
    EXPECT_FALSE(nxDebugAn());
    EXPECT_FALSE(QFile::exists(nxDebugDateiName()));
    EXPECT_TRUE(archive().isEmpty());
}

TEST_F(DebugTest, EinzugMarkenUndZeilenende)
{
    logAnlegen();
    nxDebugStart(QStringLiteral("ProgVersion = 2023b"), true);
    nxDebugRein(QStringLiteral("A"));
    nxDebugRein(QStringLiteral("B"));
    nxDebugRein(QStringLiteral("C"));
    nxDebugRein(QStringLiteral("D"));
    nxDebugZeile(QStringLiteral("innen"));
    nxDebugRaus(QStringLiteral("D"));
    nxDebugRaus(QStringLiteral("C"));
    nxDebugRaus(QStringLiteral("B"));
    nxDebugRaus(QStringLiteral("A"));
    nxDebugRaus(QStringLiteral("ohne Rein"));
    EXPECT_EQ(nxDebugTiefe(), 0);

    const QStringList z = logZeilen();
    ASSERT_EQ(z.size(), 11);
    const auto ohneStempel = [&](int i) {
        EXPECT_TRUE(kStempel.match(z[i]).hasMatch()) << z[i].toStdString();
        return z[i].mid(17);
    };
    EXPECT_EQ(ohneStempel(0), QStringLiteral("Programm-Anfang, ProgVersion = 2023b"));
    EXPECT_EQ(ohneStempel(1), QStringLiteral("/¯¯¯A"));
    EXPECT_EQ(ohneStempel(2), QStringLiteral("}/¯¯¯B"));
    EXPECT_EQ(ohneStempel(3), QStringLiteral("})/¯¯¯C"));
    EXPECT_EQ(ohneStempel(4), QStringLiteral("})|/¯¯¯D"));
    EXPECT_EQ(ohneStempel(5), QStringLiteral("})|}innen"));
    EXPECT_EQ(ohneStempel(6), QStringLiteral("})|\\___D"));
    EXPECT_EQ(ohneStempel(9), QStringLiteral("\\___A"));
    EXPECT_EQ(ohneStempel(10), QStringLiteral("___ohne Rein"));

    QFile f(nxDebugDateiName());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray roh = f.readAll();
    EXPECT_EQ(roh.count("\r\n"), 11);
    EXPECT_EQ(roh.count('\n'), 11);
}

TEST_F(DebugTest, EndeZeileMitLaufzeit)
{
    EXPECT_EQ(nxDebugLaufzeitText(3725), QStringLiteral("1 Stunden + 2 Minuten + 5 Sekunden"));
    EXPECT_EQ(nxDebugLaufzeitText(0), QStringLiteral("0 Stunden + 0 Minuten + 0 Sekunden"));
    logAnlegen();
    nxDebugStart(QString(), true);
    nxDebugEnde();
    EXPECT_FALSE(nxDebugAn());
    const QStringList z = logZeilen();
    ASSERT_EQ(z.size(), 2);
    EXPECT_EQ(z[0].mid(17), QStringLiteral("Programm-Anfang"));
    EXPECT_EQ(z[1].mid(17), QStringLiteral("Programm-Ende (Laufzeit = 0 Stunden + 0 Minuten + 0 Sekunden)"));
}

TEST_F(DebugTest, ArchivBehaeltFuenf)
{
    logAnlegen();
    {
        QFile f(nxDebugDateiName());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("alt\r\n");
    }
    for (int i = 1; i <= 7; ++i) {
        QFile f(nxDebugDateiName() + QStringLiteral("_%1.txt").arg(i, 8, 10, QChar(u'0')));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    nxDebugArchiv(5);
    const QStringList a = archive();
    ASSERT_EQ(a.size(), 5);
    EXPECT_TRUE(a.first().endsWith(QStringLiteral("_00000004.txt")));
    EXPECT_TRUE(a.last().endsWith(QStringLiteral("_00000008.txt")));
    QFile neu(ProgPfad + a.last());
    ASSERT_TRUE(neu.open(QIODevice::ReadOnly));
    EXPECT_EQ(neu.readAll(), QByteArray("alt\r\n"));
}

TEST_F(DebugTest, ArchivOhneZahlGibtEins)
{
    logAnlegen();
    QFile f(nxDebugDateiName() + QStringLiteral("_abc.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    QFile g(nxDebugDateiName() + QStringLiteral("_00000003.txt"));
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    g.close();
    nxDebugArchiv(5);
    EXPECT_TRUE(QFile::exists(nxDebugDateiName() + QStringLiteral("_00000001.txt")));
}

TEST(EreignisSperreTest, StelltVorherigenWertWiederHer)
{
    EreignisseGesperrt = false;
    {
        EreignisSperre aussen;
        EXPECT_TRUE(EreignisseGesperrt);
        {
            EreignisSperre innen;
            EXPECT_TRUE(EreignisseGesperrt);
        }
        EXPECT_TRUE(EreignisseGesperrt);
        {
            EreignisSperre frei(false);
            EXPECT_FALSE(EreignisseGesperrt);
        }
        EXPECT_TRUE(EreignisseGesperrt);
    }
    EXPECT_FALSE(EreignisseGesperrt);
}

TEST(ProzessTest, ProgPfadFolgtXdg)
{
    test::XdgUmleiten();
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    EXPECT_EQ(ProgPfad, xdg + QStringLiteral("/rinolux/"));
    EXPECT_EQ(ProgVersion, QStringLiteral("2023b"));
    EXPECT_EQ(ProgName, QStringLiteral("Rinolux"));
}

} // namespace
