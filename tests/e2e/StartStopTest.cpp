#include "support/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace {

struct Lauf
{
    QString konfig;
    QString log() const { return konfig + QStringLiteral("/rinolux/rinolux_Ablauf.txt"); }
};

// Starts the program offscreen, waits until its event loop runs, then sends the signal.
bool startenUndBeenden(const QString &konfig, int signal, bool mitLog, const QStringList &parameter = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), konfig);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(RINOLUX_PROGRAMM), parameter);
    if (!p.waitForStarted(10000))
        return false;
    const QString log = konfig + QStringLiteral("/rinolux/rinolux_Ablauf.txt");
    // Without a log there is nothing to watch: give the window a moment to come up.
    for (int i = 0; i < 300; ++i) {
        QThread::msleep(50);
        if (mitLog) {
            QFile f(log);
            if (f.open(QIODevice::ReadOnly) && f.readAll().contains("Application.Run"))
                break;
        } else if (i >= 20) {
            break;
        }
    }
    ::kill(static_cast<pid_t>(p.processId()), signal);
    return p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit;
}

TEST(StartStopTest, SigtermBeendetGeordnetMitLog)
{
    rinolux::test::TestVerzeichnis dir;
    const QString konfig = dir.pfad(QStringLiteral("konfig"));
    QDir().mkpath(konfig + QStringLiteral("/rinolux"));
    const QString log = konfig + QStringLiteral("/rinolux/rinolux_Ablauf.txt");
    {
        QFile f(log);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(startenUndBeenden(konfig, SIGTERM, true));

    QFile f(log);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList zeilen = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_GE(zeilen.size(), 4);
    EXPECT_EQ(zeilen.first().mid(17), QStringLiteral("Programm-Anfang, ProgVersion = 2023b"));
    EXPECT_EQ(zeilen.filter(QStringLiteral("¯¯¯AnzeigeForm: aa")).size(), 1);
    EXPECT_EQ(zeilen.filter(QStringLiteral("\\___AnzeigeForm: aa")).size(), 1);
    EXPECT_TRUE(zeilen.last().mid(17).startsWith(QStringLiteral("Programm-Ende (Laufzeit = "))) << zeilen.last().toStdString();
    // The start archived the empty log of before.
    EXPECT_TRUE(QFile::exists(log + QStringLiteral("_00000001.txt")));
}

// The log of one start shows its steps nested and in the start-up order.
TEST(StartStopTest, LogZeigtDieStartSchritteInIhrerReihenfolge)
{
    rinolux::test::TestVerzeichnis dir;
    const QString konfig = dir.pfad(QStringLiteral("konfig"));
    QDir().mkpath(konfig + QStringLiteral("/rinolux"));
    const QString log = konfig + QStringLiteral("/rinolux/rinolux_Ablauf.txt");
    {
        QFile f(log);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(startenUndBeenden(konfig, SIGTERM, true, {QStringLiteral("/tmp/a b.txt"), QStringLiteral("/tmp/c")}));
    QFile f(log);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QStringList zeilen;
    for (const QString &z : QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        zeilen.append(z.mid(17));
    // Each expected line, in this order; the indent shows the nesting.
    const QStringList erwartet = {
        QStringLiteral("Programm-Anfang, ProgVersion = 2023b"),
        QStringLiteral("Start-Parameter = /tmp/a b.txt"),
        QStringLiteral("Start-Parameter = /tmp/c"),
        QStringLiteral("/¯¯¯AnzeigeForm: aa"),
        QStringLiteral("}/¯¯¯Startwerte aa"),
        QStringLiteral("}\\___Startwerte aa"),
        QStringLiteral("}/¯¯¯RegHaupt_OnClick"),
        QStringLiteral("})/¯¯¯SeiteAnpassenFuerAlleSeiten"),
        QStringLiteral("}\\___RegHaupt_OnClick"),
        QStringLiteral("}IniVerzeichnisBeiStart=/"),
        QStringLiteral("}Größe von a_StartParameter=2"),
        QStringLiteral("}Application.Run"),
        QStringLiteral("}AnzeigeForm: AnfangsForm ist geschlossen worden"),
        QStringLiteral("\\___AnzeigeForm: aa"),
    };
    qsizetype ab = 0;
    for (const QString &e : erwartet) {
        const qsizetype i = zeilen.indexOf(e, ab);
        ASSERT_GE(i, 0) << "fehlt oder in falscher Reihenfolge: " << e.toStdString() << "\n"
                        << zeilen.join(u'\n').toStdString();
        ab = i + 1;
    }
    EXPECT_TRUE(zeilen.last().startsWith(QStringLiteral("Programm-Ende (Laufzeit = ")));
}

TEST(StartStopTest, OhneLogDateiKeinLogUndKeinArchiv)
{
    rinolux::test::TestVerzeichnis dir;
    const QString konfig = dir.pfad(QStringLiteral("konfig"));
    ASSERT_TRUE(startenUndBeenden(konfig, SIGINT, false));
    const QStringList inhalt = QDir(konfig + QStringLiteral("/rinolux")).entryList({QStringLiteral("rinolux_Ablauf*")});
    EXPECT_TRUE(inhalt.isEmpty()) << inhalt.join(u',').toStdString();
}


// --hilfe is answered before the window system is asked for: it works without a display.
TEST(StartStopTest, HilfeOhneBildschirm)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(RINOLUX_PROGRAMM), {QStringLiteral("--hilfe")});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0);
    const QString hilfe = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(hilfe.startsWith(QStringLiteral("Aufruf: rinolux "))) << hilfe.toStdString();
    EXPECT_TRUE(hilfe.contains(QStringLiteral("--neues-fenster"))) << hilfe.toStdString();
}

} // namespace
