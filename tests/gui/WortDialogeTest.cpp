#include "core/persist/MerkListe.h"
#include "core/shell/Dialog.h"
#include "core/shell/Prozess.h"
#include "gui/app/Form_Benutzerwoerter.h"
#include "gui/app/Form_Platzhalter.h"
#include "gui/support/WidgetTest.h"
#include "support/TestUmgebung.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace rinolux;

namespace {

// Runs `tun` on the next modal dialog of that name once it is shown.
void imDialog(const QString &name, std::function<void(QDialog *)> tun)
{
    QTimer::singleShot(20, qApp, [name, tun] {
        auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!d || d->objectName() != name) {
            imDialog(name, tun);
            return;
        }
        tun(d);
    });
}

std::array<BenutzerWort, 6> woerter()
{
    return {BenutzerWort{QStringLiteral("eins"), QStringLiteral("N")}, BenutzerWort{QStringLiteral("zwei"), QStringLiteral("J")},
            {}, {}, {}, {}};
}

} // namespace

// The placeholder form and the user word dialog.
class WortDialogeTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { test::XdgUmleiten(); }

    // OK stores the typed values; the next form starts with them; closing keeps the text.
    void platzhalterWerteUndSpeichern()
    {
        SkriptDialog meldungen;
        FensterPlatzhalterFrage frage(meldungen, [] { return nullptr; });
        const QList<Platzhalter> p{{QStringLiteral("<Jahr>"), QStringLiteral("jahr")},
                                   {QStringLiteral("<Ort>"), QStringLiteral("ort")}};
        QStringList werte;
        imDialog(QStringLiteral("Tpp"), [](QDialog *d) {
            d->findChild<QLineEdit *>(QStringLiteral("PlatzhalterEdit1"))->setText(QStringLiteral("2024"));
            d->findChild<QLineEdit *>(QStringLiteral("PlatzhalterEdit2"))->setText(QStringLiteral("Ulm"));
            // Enter in an edit confirms the form.
            QTest::keyClick(d->findChild<QLineEdit *>(QStringLiteral("PlatzhalterEdit2")), Qt::Key_Return);
        });
        QVERIFY(frage.PlatzhalterWerte(p, werte));
        QCOMPARE(werte, (QStringList{QStringLiteral("2024"), QStringLiteral("Ulm")}));
        PlatzhalterListe gespeichert;
        QVERIFY(gespeichert.Lesen(PlatzhalterDateiPfad()).ok());
        QCOMPARE(gespeichert.Wert(QStringLiteral("<ORT>")), QStringLiteral("Ulm"));

        QStringList vorbelegt;
        imDialog(QStringLiteral("Tpp"), [&vorbelegt](QDialog *d) {
            vorbelegt << d->findChild<QLineEdit *>(QStringLiteral("PlatzhalterEdit1"))->text()
                      << d->findChild<QLineEdit *>(QStringLiteral("PlatzhalterEdit2"))->text();
            d->reject();
        });
        QStringList unveraendert{QStringLiteral("bleibt")};
        QVERIFY(!frage.PlatzhalterWerte(p, unveraendert));
        QCOMPARE(vorbelegt, (QStringList{QStringLiteral("2024"), QStringLiteral("Ulm")}));
        QCOMPARE(unveraendert, QStringList{QStringLiteral("bleibt")});
        QVERIFY(meldungen.aufrufe.isEmpty());
    }

    // When the values cannot be stored they are used all the same, and the user is told.
    void platzhalterNichtGespeichert()
    {
        // A directory where the file should be: it cannot be replaced.
        QVERIFY(QDir().mkpath(PlatzhalterDateiPfad()));
        SkriptDialog meldungen;
        FensterPlatzhalterFrage frage(meldungen, [] { return nullptr; });
        QStringList werte;
        imDialog(QStringLiteral("Tpp"), [](QDialog *d) {
            d->findChild<QLineEdit *>(QStringLiteral("PlatzhalterEdit1"))->setText(QStringLiteral("x"));
            d->findChild<QPushButton *>(QStringLiteral("BuUntenOK"))->click();
        });
        QVERIFY(frage.PlatzhalterWerte({{QStringLiteral("<a>"), QStringLiteral("a")}}, werte));
        QCOMPARE(werte, QStringList{QStringLiteral("x")});
        QCOMPARE(meldungen.aufrufe.size(), 1);
        QVERIFY(meldungen.aufrufe.first().text.startsWith(QStringLiteral("Die Werte der Platzhalter konnten nicht")));
    }

    void benutzerWortWaehlen_data()
    {
        QTest::addColumn<bool>("mitGross");
        QTest::addColumn<bool>("perEnter");
        QTest::newRow("Gruppe, OK-Schalter") << true << false;
        QTest::newRow("Gruppe, Enter") << true << true;
        QTest::newRow("Wort oder Zahl, OK-Schalter") << false << false;
    }
    void benutzerWortWaehlen()
    {
        QFETCH(bool, mitGross);
        QFETCH(bool, perEnter);
        Tbb d(woerter(), mitGross ? QStringLiteral("< Wort ...") : QStringLiteral("< Wort oder Zahl ..."), mitGross);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.windowTitle(), mitGross ? QStringLiteral("ein Wort bestimmen") : QStringLiteral("ein Wort oder eine Zahl bestimmen"));
        auto *gross = d.findChild<QCheckBox *>(QStringLiteral("CheBenutzerWortGross3"));
        QCOMPARE(gross->isVisible(), mitGross);
        QVERIFY(d.findChild<QCheckBox *>(QStringLiteral("CheBenutzerWortGross2"))->isChecked());
        auto *ed = d.findChild<QLineEdit *>(QStringLiteral("BenutzerWoerterEdit3"));
        ed->setFocus();
        ed->setText(QStringLiteral("der|die|das"));
        if (mitGross)
            gross->setChecked(true);
        if (perEnter)
            QTest::keyClick(ed, Qt::Key_Return);
        else
            QTest::mouseClick(d.findChild<QPushButton *>(QStringLiteral("BuBenutzerWortOKRechts3")), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.Wahl(), 3);
        QCOMPARE(d.Woerter()[2].text, QStringLiteral("der|die|das"));
        QCOMPARE(d.Woerter()[2].gross, mitGross ? QStringLiteral("J") : QStringLiteral("N"));
        // The other slots stay as they were.
        QCOMPARE(d.Woerter()[0].text, QStringLiteral("eins"));
        QCOMPARE(d.Woerter()[1].gross, QStringLiteral("J"));
    }

    void benutzerWortAbbrechen()
    {
        Tbb d(woerter(), QStringLiteral("< Wort ..."), true);
        d.show();
        d.findChild<QLineEdit *>(QStringLiteral("BenutzerWoerterEdit1"))->setText(QStringLiteral("anders"));
        QTest::mouseClick(d.findChild<QPushButton *>(QStringLiteral("BuAbbrechen")), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(d.Wahl(), 0);
        QCOMPARE(d.Woerter()[0].text, QStringLiteral("eins"));
    }
};

RINOLUX_WIDGET_TEST_MAIN(WortDialogeTest)
#include "WortDialogeTest.moc"
