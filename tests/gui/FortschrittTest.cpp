#include "gui/app/AnwendungsTitel.h"
#include "gui/support/WidgetTest.h"
#include "gui/app/Form_Anfang.h"
#include "gui/app/sub_Fortschritt.h"
#include "gui/support/FensterFixture.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace rinolux;

namespace {
const QRgb Aqua = qRgb(128, 255, 255);
const QRgb Weiss = qRgb(255, 255, 255);
} // namespace

class FortschrittTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_fenster.fensterAnlegen(QSize(900, 650));
        m_aa = &m_fenster.aa();
    }
    void cleanup()
    {
        m_fenster.fensterWeg();
        m_aa = nullptr;
    }

    void balkenBreiten_data()
    {
        QTest::addColumn<int>("abschnitte");
        QTest::addColumn<int>("abschnitt");
        QTest::addColumn<qint64>("gesamt");
        QTest::addColumn<qint64>("erledigt");
        QTest::addColumn<int>("breite");
        QTest::addColumn<QString>("prozent");
        QTest::newRow("zweiter von zwei, halb") << 2 << 2 << qint64(100) << qint64(50) << 126 << "  75,0 %";
        QTest::newRow("erster von vier, halb") << 4 << 1 << qint64(10) << qint64(5) << 21 << "  12,5 %";
        QTest::newRow("ohne Zählung") << 1 << 1 << qint64(0) << qint64(0) << 168 << "  100,0 %";
        QTest::newRow("über das Ende") << 2 << 2 << qint64(10) << qint64(30) << 168 << "  100,0 %";
        QTest::newRow("null Abschnitte") << 0 << 1 << qint64(10) << qint64(5) << 0 << "  0,0 %";
    }
    void balkenBreiten()
    {
        QFETCH(int, abschnitte);
        QFETCH(int, abschnitt);
        QFETCH(qint64, gesamt);
        QFETCH(qint64, erledigt);
        QFETCH(int, breite);
        QFETCH(QString, prozent);
        TFortschrittPanel &f = m_aa->Fort();
        f.FortEin(abschnitte, QStringLiteral("aa"));
        QVERIFY(f.isVisible());
        for (int i = 0; i < abschnitt; ++i)
            f.FortAbschnittNeu(QStringLiteral("Umbenennen"), true, true);
        f.FortSchritt(gesamt, erledigt, gesamt, erledigt);
        QCOMPARE(f.BalkenBreite(), breite);
        QVERIFY2(f.BalkenText().startsWith(prozent + QStringLiteral(" (Umbenennen)")), qPrintable(f.BalkenText()));
        // Row 0 holds no text: aqua up to the marker line, white after it.
        const QImage &b = f.Balken();
        if (breite >= 2)
            QCOMPARE(b.pixel(breite - 2, 0), Aqua);
        if (breite < b.width() - 1)
            QCOMPARE(b.pixel(breite + 1, 0), Weiss);
        QVERIFY(AnwendungsTitel().endsWith(prozent));
        f.FortAus();
    }

    void gleicherSchrittZeichnetNichtNeu()
    {
        TFortschrittPanel &f = m_aa->Fort();
        f.FortEin(1, QStringLiteral("aa"));
        f.FortAbschnittNeu(QStringLiteral("Vorschau"), true, true);
        f.FortSchritt(1000, 500, 1000, 500);
        const int n = f.Zeichnungen();
        f.FortSchritt(1000, 500, 1000, 500);
        QCOMPARE(f.Zeichnungen(), n);
        // The end of the count always draws.
        f.FortSchritt(1000, 1000, 1000, 1000);
        QCOMPARE(f.Zeichnungen(), n + 1);
        f.FortSchritt(1000, 1000, 1000, 1000);
        QCOMPARE(f.Zeichnungen(), n + 2);
        f.FortAus();
    }

    void fensterGesperrtUndTitelZurueck()
    {
        TFortschrittPanel &f = m_aa->Fort();
        const QString titel = m_aa->windowTitle();
        f.FortEin(1, QStringLiteral("aa"));
        QVERIFY(!m_aa->findChild<QWidget *>(QStringLiteral("PaHauptReg"))->isEnabled());
        f.FortAbschnittNeu(QStringLiteral("x"), true, true);
        f.FortSchritt(4, 2, 4, 2);
        QVERIFY(m_aa->windowTitle() != titel);
        f.FortAus();
        QVERIFY(!f.isVisible());
        QVERIFY(m_aa->findChild<QWidget *>(QStringLiteral("PaHauptReg"))->isEnabled());
        QCOMPARE(m_aa->windowTitle(), titel);
    }

    void abbrechenSetztAbbruch()
    {
        TFortschrittPanel &f = m_aa->Fort();
        f.FortEin(1, QStringLiteral("aa"));
        auto *abbrechen = f.findChild<QPushButton *>(QStringLiteral("BuFortAbbrechen"));
        QVERIFY(!abbrechen->isEnabled());
        f.FortAbschnittNeu(QStringLiteral("Suchen"), true, true);
        QVERIFY(abbrechen->isEnabled());
        QTest::mouseClick(abbrechen, Qt::LeftButton);
        QVERIFY(f.Abbruch);
        QVERIFY(!abbrechen->isEnabled());
        QVERIFY(!f.findChild<QPushButton *>(QStringLiteral("BuFortPause"))->isEnabled());
        f.FortAus();
        // The next display starts clean.
        f.FortEin(1, QStringLiteral("aa"));
        QVERIFY(!f.Abbruch);
        f.FortAus();
    }

    void pauseDannAbbrechen()
    {
        TFortschrittPanel &f = m_aa->Fort();
        f.FortEin(1, QStringLiteral("aa"));
        f.FortAbschnittNeu(QStringLiteral("Kopieren"), true, true);
        auto *pause = f.findChild<QPushButton *>(QStringLiteral("BuFortPause"));
        auto *abbrechen = f.findChild<QPushButton *>(QStringLiteral("BuFortAbbrechen"));
        QString textInDerPause;
        QTimer::singleShot(300, this, [&] {
            textInDerPause = pause->text();
            abbrechen->click();
        });
        // The click returns only when the pause loop has ended.
        QTest::mouseClick(pause, Qt::LeftButton);
        QCOMPARE(textInDerPause, QStringLiteral("Fortsetzen"));
        QVERIFY(f.Abbruch);
        QCOMPARE(pause->text(), QStringLiteral("Pause"));
        f.FortAus();
    }

    void teilmengeNurBeiDerSuche_data()
    {
        QTest::addColumn<QString>("anker");
        QTest::addColumn<bool>("teilmenge");
        QTest::newRow("Suche") << "BuSuchOhneUnterverz" << true;
        QTest::newRow("Suche mit Unterverzeichnissen") << "BuSuchMitUnterverz" << true;
        QTest::newRow("Fenster") << "aa" << false;
    }
    void teilmengeNurBeiDerSuche()
    {
        QFETCH(QString, anker);
        QFETCH(bool, teilmenge);
        TFortschrittPanel &f = m_aa->Fort();
        f.FortEin(1, anker);
        auto *t = f.findChild<QPushButton *>(QStringLiteral("BuFortTeilmenge"));
        QCOMPARE(t->isVisible(), teilmenge);
        QCOMPARE(f.height(), teilmenge ? 147 : 107);
        QVERIFY(m_aa->centralWidget()->rect().contains(f.geometry()));
        if (teilmenge) {
            QTest::mouseClick(t, Qt::LeftButton);
            QVERIFY(f.NurTeilmenge);
            QVERIFY(!t->isEnabled());
        }
        f.FortAus();
    }

    void ohneAnkerVerborgen()
    {
        TFortschrittPanel &f = m_aa->Fort();
        f.FortEin(3);
        QVERIFY(!f.isVisible());
        QVERIFY(!m_fenster.teil(QStringLiteral("PaAuswahl"))->isEnabled());
        f.FortAbschnittNeu(QStringLiteral("x"), true, true);
        f.FortSchritt(10, 5, 10, 5);
        f.FortAus();
        QVERIFY(m_fenster.teil(QStringLiteral("PaAuswahl"))->isEnabled());
    }

    void kurzeArbeitBleibtEinhalbSekundenSichtbar()
    {
        TFortschrittPanel &f = m_aa->Fort();
        const QDateTime start = QDateTime::currentDateTime();
        f.FortEin(1, QStringLiteral("aa"));
        QElapsedTimer uhr;
        uhr.start();
        f.FortAus(start);
        QVERIFY(uhr.elapsed() >= 1400);
        QVERIFY(!f.isVisible());
    }

private:
    test::FensterFixture m_fenster;
    Taa *m_aa = nullptr;
};

RINOLUX_WIDGET_TEST_MAIN(FortschrittTest)
#include "FortschrittTest.moc"
