#include "gui/controls/TNxEditPop.h"
#include "gui/support/FensterFixture.h"
#include "gui/support/WidgetTest.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

using namespace rinolux;

namespace {

// The entries 3, 5, 6, 7, 8 as enabled ("R", "A", "L", "K", "E"), or "-" where disabled.
QString freigaben(const TNxEditPop &pop)
{
    QString s;
    const int nr[] = {3, 5, 6, 7, 8};
    const char zeichen[] = {'R', 'A', 'L', 'K', 'E'};
    for (int i = 0; i < 5; ++i)
        s += pop.Eintrag(nr[i])->isEnabled() ? QLatin1Char(zeichen[i]) : QLatin1Char('-');
    return s;
}

// Opens the context menu of w as a right click would, reports the menu that popped up.
QWidget *menueBeiRechtsklick(QWidget *w)
{
    QWidget *gesehen = nullptr;
    QTimer::singleShot(50, qApp, [&gesehen] {
        gesehen = QApplication::activePopupWidget();
        if (gesehen)
            gesehen->close();
    });
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(w, &e);
    return gesehen;
}

} // namespace

class EditMenueTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void freigabe_data()
    {
        QTest::addColumn<bool>("memo");
        QTest::addColumn<bool>("nurLesen");
        QTest::addColumn<bool>("markiert");
        QTest::addColumn<int>("ablage"); // 0 empty, 1 text, 2 only a picture
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("leer, nichts markiert") << false << false << false << 0 << "-----";
        QTest::newRow("markiert, Text in der Ablage") << false << false << true << 1 << "-ALKE";
        QTest::newRow("schreibgeschuetzt, markiert") << false << true << true << 1 << "---K-";
        QTest::newRow("schreibgeschuetzt, Text in der Ablage") << false << true << false << 1 << "-----";
        QTest::newRow("nur ein Bild in der Ablage") << false << false << false << 2 << "-----";
        QTest::newRow("Memo, markiert") << true << false << true << 1 << "-ALKE";
        QTest::newRow("Memo, schreibgeschuetzt") << true << true << true << 1 << "---K-";
    }
    void freigabe()
    {
        QFETCH(bool, memo);
        QFETCH(bool, nurLesen);
        QFETCH(bool, markiert);
        QFETCH(int, ablage);
        QFETCH(QString, erwartet);
        QClipboard *cb = QGuiApplication::clipboard();
        cb->clear();
        if (ablage == 1)
            cb->setText(QStringLiteral("neu"));
        if (ablage == 2)
            cb->setImage(QImage(4, 4, QImage::Format_RGB32));

        QWidget fenster;
        QWidget *feld = nullptr;
        if (memo) {
            auto *m = new QPlainTextEdit(QStringLiteral("Inhalt"), &fenster);
            m->setReadOnly(nurLesen);
            if (markiert)
                m->selectAll();
            feld = m;
        } else {
            auto *e = new QLineEdit(QStringLiteral("Inhalt"), &fenster);
            e->setReadOnly(nurLesen);
            if (markiert)
                e->selectAll();
            else
                e->deselect();
            feld = e;
        }
        TNxEditPop *pop = TNxEditPop::Fuer(feld);
        QVERIFY(pop);
        QCOMPARE(TNxEditPop::Fuer(feld), pop); // one menu per window
        pop->Vorbereiten(feld);
        QCOMPARE(freigaben(*pop), erwartet);
        QVERIFY(pop->Eintrag(1)->isEnabled());
        QVERIFY(pop->Eintrag(10)->isEnabled());
        QCOMPARE(pop->defaultAction(), pop->Eintrag(1));
    }

    // Undo becomes possible after an edit; the entries act on the field they were opened on.
    void aktionen()
    {
        QWidget fenster;
        auto *a = new QLineEdit(QStringLiteral("alpha beta"), &fenster);
        auto *b = new QLineEdit(QStringLiteral("zweites"), &fenster);
        TNxEditPop *pop = TNxEditPop::Fuer(a);
        a->setSelection(0, 6);
        pop->Vorbereiten(a);
        pop->Eintrag(5)->trigger(); // Ausschneiden
        QCOMPARE(a->text(), QStringLiteral("beta"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("alpha "));
        pop->Vorbereiten(a);
        QVERIFY(pop->Eintrag(3)->isEnabled());
        pop->Eintrag(3)->trigger(); // Rückgängig
        QCOMPARE(a->text(), QStringLiteral("alpha beta"));

        b->setCursorPosition(0);
        pop->Vorbereiten(b);
        pop->Eintrag(8)->trigger(); // Einfügen at the caret
        QCOMPARE(b->text(), QStringLiteral("alpha zweites"));
        QCOMPARE(a->text(), QStringLiteral("alpha beta"));
        pop->Eintrag(10)->trigger();
        QCOMPARE(b->selectedText(), b->text());
        pop->Eintrag(6)->trigger(); // still disabled from the opening without a selection
        QCOMPARE(b->text(), QStringLiteral("alpha zweites"));
        pop->Vorbereiten(b);
        pop->Eintrag(6)->trigger(); // Löschen
        QVERIFY(b->text().isEmpty());
    }

    // A right click on the window's fields shows this menu, never the platform's.
    void imFenster_data()
    {
        QTest::addColumn<QString>("feld");
        QTest::newRow("Zeile") << "EdSuchMit";
        QTest::newRow("Liste") << "RiListensuche";
    }
    void imFenster()
    {
        QFETCH(QString, feld);
        test::FensterFixture f;
        f.fensterAnlegen(QSize(1000, 700));
        auto *w = f.teil<QWidget>(feld);
        QVERIFY(w);
        if (auto *m = qobject_cast<QPlainTextEdit *>(w))
            w = m->viewport();
        QWidget *menue = menueBeiRechtsklick(w);
        QVERIFY(menue);
        QCOMPARE(menue->objectName(), QStringLiteral("EditPop"));
        QCOMPARE(menue->parentWidget(), &f.aa());
    }
};

RINOLUX_WIDGET_TEST_MAIN(EditMenueTest)
#include "EditMenueTest.moc"
