#include "gui/app/Form_Benutzerwoerter.h"
#include "gui/app/sub_Hilfe.h"
#include "gui/controls/nx_Register.h"
#include "gui/support/FensterFixture.h"
#include "gui/support/WidgetTest.h"

#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QListWidget>
#include <QTest>
#include <QToolTip>

using namespace rinolux;

class HilfeTest final : public QObject
{
    Q_OBJECT

    test::FensterFixture m_f;

    QList<THilfeMarker *> marker(int seite) const
    {
        QList<THilfeMarker *> m;
        for (auto *h : m_f.aa().findChildren<THilfeMarker *>())
            if (h->Seite() == seite)
                m.append(h);
        std::sort(m.begin(), m.end(), [](auto *a, auto *b) { return a->Nummer() < b->Nummer(); });
        return m;
    }
    QList<THilfeMarker *> sichtbare() const
    {
        QList<THilfeMarker *> m;
        for (auto *h : m_f.aa().findChildren<THilfeMarker *>())
            if (h->isVisible())
                m.append(h);
        return m;
    }
    void seite(int k)
    {
        m_f.aa().RegHaupt_OnClick(k);
        QApplication::processEvents();
        QApplication::processEvents();
    }

private Q_SLOTS:
    void init()
    {
        m_f.fensterAnlegen(QSize(1200, 860));
        QVERIFY(m_f.teil<QCheckBox>(QStringLiteral("CheHilfe")));
        QVERIFY(marker(1).isEmpty());
    }
    void cleanup() { m_f.fensterWeg(); }

    // Switching help on builds the markers, counts the click and clears the yellow label.
    void einUndAus()
    {
        auto *che = m_f.teil<QCheckBox>(QStringLiteral("CheHilfe"));
        QVERIFY(m_f.teil<QLabel>(QStringLiteral("LaHilfe"))->autoFillBackground());
        QCOMPARE(m_f.aa().HilfeKlickZahl, 0);
        che->click();
        QCOMPARE(m_f.aa().HilfeKlickZahl, 1);
        QVERIFY(!m_f.teil<QLabel>(QStringLiteral("LaHilfe"))->autoFillBackground());
        QCOMPARE(marker(1).size(), 8);
        QCOMPARE(marker(2).size(), 10);
        QCOMPARE(marker(3).size(), 8);
        QCOMPARE(marker(4).size(), 11);
        QApplication::processEvents();
        QVERIFY(!sichtbare().isEmpty());
        for (auto *m : sichtbare())
            QCOMPARE(m->Seite(), 1);
        seite(8);
        QVERIFY(sichtbare().isEmpty());
        che->click();
        QCOMPARE(m_f.aa().HilfeKlickZahl, 1);
        QVERIFY(marker(2).isEmpty());
    }

    // Every marker of page 2 carries its number and shows its text as a tooltip; the last
    // one ends the help; the markers shown stand inside the window at their controls.
    void seiteZweiZeigtTexte()
    {
        m_f.teil<QCheckBox>(QStringLiteral("CheHilfe"))->click();
        seite(2);
        auto *oben = m_f.teil<QListWidget>(QStringLiteral("LiAendOben"));
        QTest::mouseClick(
            oben->viewport(), Qt::LeftButton, {},
            oben->visualItemRect(
                    oben->findItems(QStringLiteral("Zeichen hinzufügen"), Qt::MatchExactly).first())
                .center());
        QTest::qWait(20);
        const QList<THilfeMarker *> m = marker(2);
        QCOMPARE(m.size(), 10);
        for (int i = 0; i < m.size(); ++i) {
            THilfeMarker *h = m[i];
            QCOMPARE(h->text(), QString::number(i + 1));
            QCOMPARE(h->Tag(), 2000 + i + 1);
            QVERIFY2(!h->Text().isEmpty(), qPrintable(h->objectName()));
            QCOMPARE(h->Text().endsWith(QStringLiteral("(Ende der Hilfe)")), i == 9);
            QHelpEvent e(QEvent::ToolTip, QPoint(5, 5), h->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(h, &e);
            QCOMPARE(QToolTip::text(), h->Text());
            QToolTip::hideText();
            if (h->isVisible())
                QVERIFY2(m_f.aa().rect().contains(h->geometry()), qPrintable(h->objectName()));
        }
        QVERIFY(m[0]->isVisible()); // on the tab
        QVERIFY(m[2]->isVisible()); // at the change list
        QVERIFY(m[9]->isVisible()); // at the action button
        QVERIFY(m[1]->Text().contains(QStringLiteral("noch einmal")));
        QVERIFY(m[2]->Text().contains(QStringLiteral("[") + oben->item(0)->text() + QStringLiteral("]")));
        for (auto *h : sichtbare())
            QCOMPARE(h->Seite(), 2);
    }

    // Markers 3 to 5 of the first page follow the search sub-page.
    void suchSeiten()
    {
        m_f.fensterWeg();
        m_f.fensterAnlegen(QSize(1200, 860), true); // with the selection list
        m_f.teil<QCheckBox>(QStringLiteral("CheHilfe"))->click();
        struct F
        {
            int unterseite;
            bool drei, vier, fuenf;
        };
        for (const F f : {F{1, true, true, true}, F{2, false, false, false}, F{1, true, true, true}}) {
            test::tabKlicken(m_f.teil<TNxReg>(QStringLiteral("SucheRegister")), f.unterseite);
            QTest::qWait(20);
            const QList<THilfeMarker *> m = marker(1);
            QCOMPARE(m[2]->isVisible(), f.drei);
            QCOMPARE(m[3]->isVisible(), f.vier);
            QCOMPARE(m[4]->isVisible(), f.fuenf);
        }
    }

    // The user word dialog has its own "?" marker only while help is on.
    void wortDialogMarker()
    {
        {
            Tbb ohne({}, QStringLiteral("< Wort ..."), true, &m_f.aa());
            QVERIFY(!ohne.findChild<THilfeMarker *>(QStringLiteral("PaHilfe")));
        }
        m_f.teil<QCheckBox>(QStringLiteral("CheHilfe"))->click();
        Tbb mit({}, QStringLiteral("< Wort ..."), true, &m_f.aa());
        auto *m = mit.findChild<THilfeMarker *>(QStringLiteral("PaHilfe"));
        QVERIFY(m);
        QCOMPARE(m->text(), QStringLiteral("?"));
        QVERIFY(m->Text().contains(QStringLiteral("den OK-Schalter links oder")));
        auto *abbrechen = mit.findChild<QWidget *>(QStringLiteral("BuAbbrechen"));
        QCOMPARE(m->x(), abbrechen->x() - 25);
    }

    // Pointing at the last marker of a page makes the first one blink four times.
    void letzterLaesstErstenBlinken()
    {
        m_f.teil<QCheckBox>(QStringLiteral("CheHilfe"))->click();
        const QList<THilfeMarker *> m = marker(1);
        QVERIFY(!m.isEmpty());
        const QImage vorher = m[0]->grab().toImage();
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(m.last(), &enter);
        QVERIFY(m[0]->grab().toImage() != vorher);
        QTRY_VERIFY_WITH_TIMEOUT(m[0]->grab().toImage() == vorher, 2000);
        QToolTip::hideText();
    }
};

RINOLUX_WIDGET_TEST_MAIN(HilfeTest)
#include "HilfeTest.moc"
