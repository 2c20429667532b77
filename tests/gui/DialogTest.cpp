#include "core/shell/DialogText.h"
#include "gui/support/WidgetTest.h"
#include "gui/app/Form_Dialog.h"
#include "gui/app/SchalterRahmen.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

using namespace rinolux;

namespace {

// The texts of a block with their weight, as "text" or "[bold]".
QString fettSkizze(QTextEdit *feld)
{
    QString s;
    for (QTextBlock b = feld->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const bool fett = f.charFormat().fontWeight() >= QFont::Bold;
            s += fett ? QStringLiteral("[") + f.text() + QStringLiteral("]") : f.text();
        }
    }
    return s;
}

QStringList sichtbareSchalter(QWidget *dd)
{
    QStringList namen;
    for (auto *b : dd->findChildren<QPushButton *>())
        namen << b->objectName();
    namen.sort();
    return namen;
}

} // namespace

class DialogTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bloeckeNebenUndUntereinander()
    {
        Einstellungen einst;
        Tdd dd(u'i', QStringLiteral("A<|>B<#>C"), nullptr, true, einst, 1);
        const auto &b = dd.Bloecke();
        QCOMPARE(b.size(), 3);
        QCOMPARE(b[0]->toPlainText(), QStringLiteral("A"));
        QCOMPARE(b[1]->toPlainText(), QStringLiteral("B"));
        QCOMPARE(b[2]->toPlainText(), QStringLiteral("C"));
        QCOMPARE(b[0]->geometry().topLeft(), QPoint(10, 10));
        QCOMPARE(b[1]->geometry().topLeft(), QPoint(10 + 500 + 1, 10));
        QCOMPARE(b[2]->x(), 10);
        QCOMPARE(b[2]->y(), 10 + b[0]->height() + 2);
        QCOMPARE(b[0]->width(), 500);
        // The symbol stands right of the widest row, and the dialog holds both columns.
        auto *symbol = dd.findChild<QLabel *>(QStringLiteral("ImDialogSymbol"));
        QCOMPARE(symbol->x(), b[1]->geometry().right() + 1 + 10);
        QCOMPARE(dd.width(), symbol->geometry().right() + 1 + 10);
    }

    void einSpaltenMasse_data()
    {
        QTest::addColumn<bool>("breit");
        QTest::addColumn<int>("spalte");
        QTest::newRow("breit") << true << 500;
        QTest::newRow("schmal") << false << 200;
    }
    void einSpaltenMasse()
    {
        QFETCH(bool, breit);
        QFETCH(int, spalte);
        Einstellungen einst;
        Tdd dd(u'f', QStringLiteral("Soll das wirklich sein?"), nullptr, breit, einst, 1);
        auto *symbol = dd.findChild<QLabel *>(QStringLiteral("ImDialogSymbol"));
        QCOMPARE(symbol->x(), spalte + 20);
        QCOMPARE(dd.width(), spalte + 20 + 64 + 10);
        // Buttons: W = 64 + 190, B = W div 4, H = (column - 200) div 2.
        const int w = 64 + 190;
        const int b = w / 4;
        const int h = (spalte - 200) / 2;
        QCOMPARE(dd.findChild<QPushButton *>(QStringLiteral("BuJa"))->parentWidget()->geometry(), QRect(h + 10, 89 + 20, b, 30));
        QCOMPARE(dd.findChild<QPushButton *>(QStringLiteral("BuNein"))->parentWidget()->x(), h + b + 20);
        QCOMPARE(dd.findChild<QPushButton *>(QStringLiteral("BuAbbrechen"))->parentWidget()->geometry(),
                 QRect(h + 2 * b + 30, 89 + 20, w - 2 * (w / 4), 30));
    }

    void fettUndMaskiert_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("skizze");
        QTest::newRow("fett") << QStringLiteral("Die gefundenen \fleeren\f Unter-Verzeichnisse")
                              << QStringLiteral("Die gefundenen [leeren] Unter-Verzeichnisse");
        QTest::newRow("html aus Dateiname") << QStringLiteral("Datei ") + DialogMaskieren(QStringLiteral("<b>x</b>.txt"))
                                            << QStringLiteral("Datei <b>x</b>.txt");
        QTest::newRow("Marken aus Dateiname")
            << QStringLiteral("Datei \f") + DialogMaskieren(QStringLiteral("a<#>b<|>c\fd.txt")) + QStringLiteral("\f fehlt")
            << QStringLiteral("Datei [a<#>b<|>c\u240Cd.txt] fehlt");
    }
    void fettUndMaskiert()
    {
        QFETCH(QString, text);
        QFETCH(QString, skizze);
        Einstellungen einst;
        Tdd dd(u'x', text, nullptr, false, einst, 1);
        QCOMPARE(dd.Bloecke().size(), 1);
        QCOMPARE(fettSkizze(dd.Bloecke().first()), skizze);
    }

    void langerTextWirdNichtAbgeschnitten()
    {
        Einstellungen einst;
        const QString text = QStringLiteral("Mögliche Gründe, ").repeated(40) + QStringLiteral("\r\n\r\nEnde");
        Tdd dd(u'i', text, nullptr, false, einst, 1);
        QTextEdit *feld = dd.Bloecke().first();
        feld->document()->setTextWidth(feld->viewport()->width());
        QVERIFY(feld->document()->size().height() <= feld->height() + 1);
        // The buttons lie below the text.
        auto *ok = dd.findChild<QPushButton *>(QStringLiteral("BuOK"));
        QVERIFY(ok->parentWidget()->y() >= feld->geometry().bottom() + 20);
    }

    void schalterJeArt_data()
    {
        QTest::addColumn<QChar>("art");
        QTest::addColumn<QStringList>("schalter");
        QTest::addColumn<QString>("titel");
        const QStringList frage = {QStringLiteral("BuAbbrechen"), QStringLiteral("BuJa"), QStringLiteral("BuNein")};
        QTest::newRow("Frage") << QChar(u'f') << frage << "Frage";
        QTest::newRow("Teilweise") << QChar(u't')
                                   << QStringList{QStringLiteral("BuAbbrechen"), QStringLiteral("BuJa"),
                                                  QStringLiteral("BuJaTeilweise"), QStringLiteral("BuNein")}
                                   << "Frage";
        QTest::newRow("Info") << QChar(u'i') << QStringList{QStringLiteral("BuOK")} << "Information";
        QTest::newRow("Foto") << QChar(u'o') << QStringList{QStringLiteral("BuOK")} << "Information";
        QTest::newRow("Fehler") << QChar(u'x') << QStringList{QStringLiteral("BuOK")} << "Information";
    }
    void schalterJeArt()
    {
        QFETCH(QChar, art);
        QFETCH(QStringList, schalter);
        QFETCH(QString, titel);
        Einstellungen einst;
        einst.RahmenDicke = 2;
        Tdd dd(art, QStringLiteral("Text"), nullptr, true, einst, 1);
        QCOMPARE(sichtbareSchalter(&dd), schalter);
        QCOMPARE(dd.windowTitle(), titel);
        for (auto *b : dd.findChildren<QPushButton *>()) {
            auto *rahmen = qobject_cast<TSchalterRahmen *>(b->parentWidget());
            QVERIFY(rahmen);
            QCOMPARE(rahmen->Dicke(), 2);
            const bool ja = b->objectName().startsWith(QStringLiteral("BuJa"));
            QCOMPARE(rahmen->Farbe(), ja ? QColor(255, 255, 0) : QColor(0, 255, 0));
            // "Ja" is never what Enter presses.
            if (ja)
                QVERIFY(!b->isDefault());
        }
    }

    void antworten_data()
    {
        QTest::addColumn<QChar>("art");
        QTest::addColumn<QString>("aktion");
        QTest::addColumn<QChar>("antwort");
        QTest::newRow("Ja") << QChar(u'f') << "BuJa" << QChar(u'j');
        QTest::newRow("Nein") << QChar(u'f') << "BuNein" << QChar(u'n');
        QTest::newRow("Abbrechen") << QChar(u'f') << "BuAbbrechen" << QChar(u'n');
        QTest::newRow("Escape") << QChar(u'f') << "Escape" << QChar(u'n');
        QTest::newRow("Enter") << QChar(u'f') << "Enter" << QChar(u'n');
        QTest::newRow("teilweise") << QChar(u't') << "BuJaTeilweise" << QChar(u't');
        QTest::newRow("teilweise Ja") << QChar(u't') << "BuJa" << QChar(u'j');
        QTest::newRow("OK") << QChar(u'i') << "BuOK" << QChar(u'n');
    }
    void antworten()
    {
        QFETCH(QChar, art);
        QFETCH(QString, aktion);
        QFETCH(QChar, antwort);
        Einstellungen einst;
        FensterDialog dialog(einst);
        QTimer::singleShot(50, this, [aktion] {
            QWidget *dd = QApplication::activeModalWidget();
            QVERIFY(dd);
            if (aktion == QStringLiteral("Escape"))
                QTest::keyClick(dd, Qt::Key_Escape);
            else if (aktion == QStringLiteral("Enter"))
                QTest::keyClick(dd, Qt::Key_Return);
            else
                dd->findChild<QPushButton *>(aktion)->click();
        });
        QCOMPARE(dialog.Dialog_Zeigen(art, QStringLiteral("Wirklich?"), QString(), false), antwort);
    }

    void infoBilderWechseln()
    {
        Einstellungen einst;
        FensterDialog dialog(einst);
        QCOMPARE(dialog.NaechsteInfoNummer(), 1);
        QCOMPARE(dialog.NaechsteInfoNummer(), 2);
        QCOMPARE(dialog.NaechsteInfoNummer(), 1);
        Tdd eins(u'i', QString(), nullptr, false, einst, 1);
        Tdd zwei(u'i', QString(), nullptr, false, einst, 2);
        const QImage a = eins.findChild<QLabel *>(QStringLiteral("ImDialogSymbol"))->pixmap().toImage();
        const QImage b = zwei.findChild<QLabel *>(QStringLiteral("ImDialogSymbol"))->pixmap().toImage();
        QVERIFY(a != b);
    }

    void ohneSymbolStil()
    {
        Einstellungen einst;
        einst.DialogSymbole = DialogSymbolStil::Keine;
        Tdd frage(u'f', QStringLiteral("?"), nullptr, false, einst, 1);
        QVERIFY(!frage.findChild<QLabel *>(QStringLiteral("ImDialogSymbol")));
        Tdd info(u'i', QStringLiteral("i"), nullptr, false, einst, 1);
        QVERIFY(!info.findChild<QLabel *>(QStringLiteral("ImDialogSymbol")));
        Tdd fehler(u'x', QStringLiteral("x"), nullptr, false, einst, 1);
        QVERIFY(fehler.findChild<QLabel *>(QStringLiteral("ImDialogSymbol")));
    }

    void leererTextMindestHoehe()
    {
        Einstellungen einst;
        Tdd dd(u'i', QString(), nullptr, false, einst, 1);
        QCOMPARE(dd.Bloecke().size(), 1);
        // y becomes 89, the buttons at y + 20, the client y + 20 + 40.
        QCOMPARE(dd.height(), 89 + 20 + 40);
        QCOMPARE(dd.width(), 200 + 20 + 64 + 10);
    }

    void platzAmAnker()
    {
        QWidget fenster;
        fenster.setGeometry(QGuiApplication::primaryScreen()->availableGeometry().adjusted(50, 0, -50, 0));
        auto *oben = new QPushButton(QStringLiteral("oben"), &fenster);
        oben->setGeometry(100, 0, 80, 30);
        auto *unten = new QPushButton(QStringLiteral("unten"), &fenster);
        unten->setGeometry(100, fenster.height() - 40, 80, 30);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        Einstellungen einst;
        Tdd beiOben(u'f', QStringLiteral("Frage"), oben, false, einst, 1);
        const QRect o(oben->mapToGlobal(QPoint(0, 0)), oben->size());
        QVERIFY(beiOben.y() > o.bottom());
        QCOMPARE(beiOben.x(), o.x() + o.width() / 2 - beiOben.width() / 2);
        Tdd beiUnten(u'f', QStringLiteral("Frage"), unten, false, einst, 1);
        const QRect u(unten->mapToGlobal(QPoint(0, 0)), unten->size());
        QCOMPARE(beiUnten.y() + beiUnten.height() + 1, u.top());
    }
};

RINOLUX_WIDGET_TEST_MAIN(DialogTest)
#include "DialogTest.moc"
