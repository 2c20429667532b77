// The start of the window as a desktop program: its command line, Qt's German texts and
// the one window per session that takes the names of later starts.
#include "core/shell/ListenDaten.h"
#include "gui/app/FensterDienst.h"
#include "gui/app/Start.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/pages/AuswahlSeite.h"
#include "gui/support/FensterFixture.h"
#include "gui/support/WidgetTest.h"
#include "support/TestUmgebung.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace rinolux;
using namespace Qt::StringLiterals;

namespace {

// The private bus of dbus-run-session, kept before the widget-test main hides the session bus.
QByteArray g_bus;

QDBusConnection privaterBus(const QString &name)
{
    return QDBusConnection::connectToBus(QString::fromLatin1(g_bus), name);
}

} // namespace

class StartTest final : public QObject
{
    Q_OBJECT

private:
    test::FensterFixture m_f;
    std::unique_ptr<test::TestVerzeichnis> m_tv;

    ListenDaten &liste() const { return m_f.aa().SeiteVon<TAuswahlSeite>()->Liste()->Daten(); }

    // The window of this test holds the service name on a connection of its own.
    void fensterMitDienst(std::unique_ptr<FensterDienst> &dienst)
    {
        if (g_bus.isEmpty())
            QSKIP("braucht einen eigenen Sitzungs-Bus (ctest startet den Test unter dbus-run-session)");
        const QDBusConnection bus = privaterBus(u"erster"_s);
        QVERIFY(bus.isConnected());
        m_tv = std::make_unique<test::TestVerzeichnis>();
        m_tv->dateienAnlegen({u"eins.txt"_s, u"zwei.txt"_s, u"drei.txt"_s});
        m_f.fensterAnlegen(QSize(1000, 700), true);
        dienst = std::make_unique<FensterDienst>(bus);
        QVERIFY(dienst->Anmelden());
        dienst->FensterSetzen(&m_f.aa());
    }

private Q_SLOTS:
    void cleanup()
    {
        m_f.fensterWeg();
        m_tv.reset();
    }

    void argumente_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<bool>("hilfe");
        QTest::addColumn<bool>("neuesFenster");
        QTest::addColumn<QStringList>("namen");
        QTest::newRow("nur Namen") << QStringList{"a", "/b c"} << false << false << QStringList{"a", "/b c"};
        QTest::newRow("neues Fenster") << QStringList{"--neues-fenster", "a"} << false << true << QStringList{"a"};
        QTest::newRow("nach -- nur Namen") << QStringList{"a", "--", "--neues-fenster", "-h", "--"} << false << false
                                           << QStringList{"a", "--neues-fenster", "-h", "--"};
        QTest::newRow("Hilfe") << QStringList{"a", "--hilfe"} << true << false << QStringList{"a"};
    }
    void argumente()
    {
        QFETCH(QStringList, argumente);
        QFETCH(bool, hilfe);
        QFETCH(bool, neuesFenster);
        QFETCH(QStringList, namen);
        const StartArgumente a = StartArgumenteLesen(argumente);
        QCOMPARE(a.hilfe, hilfe);
        QCOMPARE(a.neuesFenster, neuesFenster);
        QCOMPARE(a.namen, namen);
    }

    void qtTexteSindDeutsch()
    {
        // A missing file is no error: Qt's texts just stay as they are.
        QVERIFY(!QtTexteLaden(u"/nonexistent/rinolux-test"_s));
        QVERIFY2(QtTexteLaden(QLibraryInfo::path(QLibraryInfo::TranslationsPath)),
                 "qtbase_de.qm fehlt: scripts/install-deps.sh installiert qt6-translations-l10n");
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Cancel | QMessageBox::Discard);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), u"Abbrechen"_s);
        QCOMPARE(box.button(QMessageBox::Save)->text(), u"Speichern"_s);
    }

    // The real program, started a second time with two names, hands them over and ends.
    void zweiterStartGibtNamenAnsLaufendeFenster()
    {
        std::unique_ptr<FensterDienst> dienst;
        fensterMitDienst(dienst);
        if (!dienst || QTest::currentTestFailed())
            return;
        m_f.aa().RegHaupt_OnClick(3);

        QProcess zweiter;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, QString::fromLatin1(g_bus));
        umgebung.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        zweiter.setProcessEnvironment(umgebung);
        // One name relative to the second start's working directory, one full path.
        zweiter.setWorkingDirectory(m_tv->pfad());
        zweiter.start(QStringLiteral(RINOLUX_PROGRAMM), {u"eins.txt"_s, m_tv->pfad(u"drei.txt"_s)});
        QVERIFY(zweiter.waitForStarted());
        // The event loop keeps running, so this window can answer the call.
        QTRY_VERIFY_WITH_TIMEOUT(zweiter.state() == QProcess::NotRunning, 60000);
        QCOMPARE(zweiter.exitStatus(), QProcess::NormalExit);
        QCOMPARE(zweiter.exitCode(), 0);
        const QString meldungen = QString::fromLocal8Bit(zweiter.readAllStandardError());
        QVERIFY2(!meldungen.contains(u"rinolux:"_s), qPrintable(meldungen));

        QTRY_COMPARE(test::markierteNamen(liste()), (QStringList{u"drei.txt"_s, u"eins.txt"_s}));
        QCOMPARE(m_f.aa().AktuelleSeite, 1);
        QVERIFY(m_f.aa().isVisible());
    }

    // Names that come while a dialog is open wait for it, so nothing changes under it.
    void namenWartenAufOffenenDialog()
    {
        std::unique_ptr<FensterDienst> dienst;
        fensterMitDienst(dienst);
        if (!dienst || QTest::currentTestFailed())
            return;
        const QDBusConnection zweiter = privaterBus(u"zweiter"_s);
        auto *frage = new QMessageBox(QMessageBox::Question, u"Frage"_s, u"Weiter?"_s, QMessageBox::Ok, &m_f.aa());
        frage->setAttribute(Qt::WA_DeleteOnClose);
        frage->setWindowModality(Qt::ApplicationModal);
        frage->show();
        QCOMPARE(NamenAnFensterGeben(zweiter, {m_tv->pfad(u"zwei.txt"_s)}), NamenUebergabe::Uebernommen);
        QTest::qWait(600);
        QCOMPARE(test::markierteNamen(liste()), QStringList());
        frage->close();
        QTRY_COMPARE(test::markierteNamen(liste()), QStringList{u"zwei.txt"_s});
    }

    void uebergabeOhneFenster_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<int>("ergebnis");
        QTest::addColumn<QString>("fehler");
        QTest::newRow("kein Bus") << u"kein Bus"_s << int(NamenUebergabe::KeinFenster) << QString();
        QTest::newRow("Fenster geschlossen") << u"abgemeldet"_s << int(NamenUebergabe::KeinFenster) << QString();
        QTest::newRow("Name ohne Fenster")
            << u"nur Name"_s << int(NamenUebergabe::Fehler)
            << u"Das laufende Rinolux-Fenster hat die Namen nicht übernommen (org.freedesktop.DBus.Error.UnknownObject)."_s;
        QTest::newRow("relativer Name") << u"relativ"_s << int(NamenUebergabe::Fehler)
                                        << u"Nur vollständige Pfade können übergeben werden: eins.txt"_s;
    }
    // When no window takes the names, the later start opens its own window (and says why).
    void uebergabeOhneFenster()
    {
        QFETCH(QString, fall);
        QFETCH(int, ergebnis);
        QFETCH(QString, fehler);
        if (g_bus.isEmpty() && fall != u"kein Bus")
            QSKIP("braucht einen eigenen Sitzungs-Bus (ctest startet den Test unter dbus-run-session)");
        QStringList namen{u"/tmp/eins.txt"_s};
        QDBusConnection rufer = QDBusConnection::connectToBus(u"unix:path=/nonexistent/rinolux-bus"_s, u"keiner"_s);
        std::unique_ptr<FensterDienst> dienst;
        if (fall == u"abgemeldet" || fall == u"relativ") {
            dienst = std::make_unique<FensterDienst>(privaterBus(u"erster"_s));
            QVERIFY(dienst->Anmelden());
            if (fall == u"abgemeldet") {
                dienst->Abmelden();
                // Once given up, the name is not taken again by this window.
                QVERIFY(!dienst->Anmelden());
            } else {
                namen = QStringList{u"eins.txt"_s};
            }
        }
        QDBusConnection halter = privaterBus(u"halter"_s);
        if (fall == u"nur Name")
            QVERIFY(halter.registerService(FensterDienstName()));
        if (fall != u"kein Bus")
            rufer = privaterBus(u"zweiter"_s);
        QString text;
        QCOMPARE(int(NamenAnFensterGeben(rufer, namen, &text, 5000)), ergebnis);
        QCOMPARE(text, fehler);
        if (fall == u"nur Name")
            halter.unregisterService(FensterDienstName());
    }
};

int main(int argc, char **argv)
{
    g_bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    return rinolux::test::WidgetTestMain<StartTest>(argc, argv);
}

#include "StartTest.moc"
