#include "gui/controls/nx_Register.h"
#include "gui/support/WidgetTest.h"

#include <QSignalSpy>
#include <QTest>

using namespace rinolux;

class RegisterTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_panel = std::make_unique<QWidget>();
        m_panel->resize(900, 40);
        m_reg = new TNxReg(QStringLiteral("RegelReg"), 10, m_panel.get());
        for (int i = 1; i <= 10; ++i)
            m_reg->Tab(i).beschriftung = QString::number(i) + (i == 1 || i == 10 ? QStringLiteral(". Regel") : QStringLiteral("."));
        m_reg->MarkierungenZeigen = true;
        m_reg->ZiehenErlaubt = true;
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
        m_reg->AktuellSetzen(1);
    }
    void cleanup() { m_panel.reset(); }

    void fuelltSeinPanel()
    {
        QCOMPARE(m_reg->geometry(), m_panel->rect());
        m_panel->resize(700, 50);
        QCOMPARE(m_reg->size(), QSize(700, 50));
    }

    void gesperrterTabWirdNichtAktuell()
    {
        QSignalSpy vor(m_reg, &TNxReg::VorWechsel);
        m_reg->Tab(4).aktiv = false;
        QTest::mouseClick(m_reg, Qt::LeftButton, {}, m_reg->TabRechteck(4).center());
        QCOMPARE(m_reg->Aktuell(), 1);
        QCOMPARE(vor.count(), 0);
        QTest::mouseClick(m_reg, Qt::LeftButton, {}, m_reg->TabRechteck(3).center());
        QCOMPARE(m_reg->Aktuell(), 3);
        QCOMPARE(vor.count(), 1);
    }

    void druckLinksVomErstenTab()
    {
        m_reg->AktuellSetzen(5);
        QVERIFY(m_reg->TabRechteck(1).left() > 0);
        QTest::mouseClick(m_reg, Qt::LeftButton, {}, QPoint(0, 20));
        QCOMPARE(m_reg->Aktuell(), 1);
        // The right end belongs to the last tab.
        QTest::mouseClick(m_reg, Qt::LeftButton, {}, QPoint(m_reg->width() - 1, 20));
        QCOMPARE(m_reg->Aktuell(), 10);
    }

    void ziehen_data()
    {
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("auf");
        QTest::addColumn<QString>("reihenfolge");
        QTest::addColumn<int>("schritte");
        QTest::newRow("2 auf 5") << 2 << 5 << "1 3 4 5 2 6 7 8 9 10" << 3;
        QTest::newRow("5 auf 2") << 5 << 2 << "1 5 2 3 4 6 7 8 9 10" << 3;
        QTest::newRow("auf sich selbst") << 3 << 3 << "1 2 3 4 5 6 7 8 9 10" << 0;
    }
    void ziehen()
    {
        QFETCH(int, von);
        QFETCH(int, auf);
        QFETCH(QString, reihenfolge);
        QFETCH(int, schritte);
        for (int i = 1; i <= 10; ++i)
            m_reg->Tab(i).beschriftung = QString::number(i);
        m_reg->NeuZeichnen();
        QSignalSpy tausch(m_reg, &TNxReg::NachTausch);
        QSignalSpy abgelegt(m_reg, &TNxReg::NachAblegen);
        const QPoint start = m_reg->TabRechteck(von).center();
        // The left quarter of the target tab: before its middle.
        const QRect ziel = m_reg->TabRechteck(auf);
        const QPoint ende(ziel.left() + ziel.width() / 4, ziel.center().y());
        QTest::mousePress(m_reg, Qt::LeftButton, {}, start);
        QMouseEvent weg(QEvent::MouseMove, QPointF(start + QPoint(25, 0)), m_reg->mapToGlobal(QPointF(start + QPoint(25, 0))),
                        Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_reg, &weg);
        QMouseEvent hin(QEvent::MouseMove, QPointF(ende), m_reg->mapToGlobal(QPointF(ende)), Qt::NoButton, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(m_reg, &hin);
        QTest::mouseRelease(m_reg, Qt::LeftButton, {}, ende);
        QStringList ist;
        for (int i = 1; i <= 10; ++i)
            ist << m_reg->Tab(i).beschriftung;
        QCOMPARE(ist.join(u' '), reihenfolge);
        QCOMPARE(tausch.count(), schritte);
        if (schritte > 0) {
            QCOMPARE(abgelegt.count(), 1);
            QCOMPARE(m_reg->Aktuell(), auf);
        }
    }

    void kurzesZiehenIstNurEinKlick()
    {
        QSignalSpy tausch(m_reg, &TNxReg::NachTausch);
        const QPoint start = m_reg->TabRechteck(2).center();
        QTest::mousePress(m_reg, Qt::LeftButton, {}, start);
        QMouseEvent weg(QEvent::MouseMove, QPointF(start + QPoint(10, 0)), m_reg->mapToGlobal(QPointF(start + QPoint(10, 0))),
                        Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_reg, &weg);
        QTest::mouseRelease(m_reg, Qt::LeftButton, {}, start + QPoint(10, 0));
        QCOMPARE(tausch.count(), 0);
        QCOMPARE(m_reg->Aktuell(), 2);
    }

    void gesperrteBeschriftungIstGemischt()
    {
        // A disabled tab's caption is 60 % background and 40 % font colour.
        QPalette pal = m_panel->palette();
        pal.setColor(QPalette::Window, Qt::white);
        pal.setColor(QPalette::WindowText, Qt::black);
        m_panel->setPalette(pal);
        m_reg->Tab(2).aktiv = false;
        m_reg->Tab(2).beschriftung = QStringLiteral("MMMMMMMM");
        m_reg->Tab(2).hintergrund = Qt::white;
        m_reg->MarkierungenZeigen = false;
        m_reg->NeuZeichnen();
        const QImage bild = m_reg->grab().toImage();
        const QRect r = m_reg->TabRechteck(2);
        int dunkelste = 255;
        for (int x = r.left() + 3; x < r.right() - 3; ++x)
            for (int y = r.top() + 5; y < r.bottom() - 3; ++y)
                dunkelste = std::min(dunkelste, qGray(bild.pixel(x, y)));
        // Heller als Schwarz, aber sichtbar: um 60 % von 255.
        QVERIFY2(dunkelste > 120 && dunkelste < 200, qPrintable(QString::number(dunkelste)));
    }

private:
    std::unique_ptr<QWidget> m_panel;
    TNxReg *m_reg = nullptr;
};

RINOLUX_WIDGET_TEST_MAIN(RegisterTest)
#include "RegisterTest.moc"
