#include "gui/controls/Form_Eingabe.h"
#include "gui/controls/TNxEditSchalter.h"
#include "gui/controls/nx_Register.h"
#include "gui/support/FensterFixture.h"
#include "gui/support/WidgetTest.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace rinolux;

namespace {

// A chooser that answers from a script and remembers what it was asked.
class SkriptUmgebung final : public EditSchalterUmgebung
{
public:
    std::optional<QString> PfadWaehlen(bool datei, const QString &muster, const QString &start,
                                       QWidget *) override
    {
        gefragt << QStringLiteral("%1 %2 %3").arg(datei ? u"Datei" : u"Verz", muster, start);
        return antwort;
    }
    QString ErsteAuswahlDatei() override { return erste; }

    std::optional<QString> antwort;
    QString erste;
    QStringList gefragt;
};

TNxEditSchalter *schalter(const QWidget *fenster, const QString &feld, const QString &titel)
{
    for (auto *s : fenster->findChildren<TNxEditSchalter *>())
        if (s->Feld() && s->Feld()->objectName() == feld && s->Titel().contains(titel))
            return s;
    return nullptr;
}

void klicken(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
}

QRect global(const QWidget *w)
{
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

} // namespace

class FeldSchalterTest final : public QObject
{
    Q_OBJECT

    test::FensterFixture m_f;

    void seite(int k)
    {
        m_f.aa().RegHaupt_OnClick(k);
        QApplication::processEvents();
    }
    void listeKlicken(const QString &liste, const QString &eintrag)
    {
        auto *l = m_f.teil<QListWidget>(liste);
        QVERIFY(l);
        const auto treffer = l->findItems(eintrag, Qt::MatchExactly);
        QVERIFY2(treffer.size() == 1, qPrintable(eintrag));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(treffer.first()).center());
        QApplication::processEvents();
    }
    // "oben" or "oben/unten": the entries of the change page's two lists.
    void aendernMit(const QString &eintrag)
    {
        seite(2);
        const QStringList teile = eintrag.split(u'/');
        listeKlicken(QStringLiteral("LiAendOben"), teile[0]);
        if (teile.size() > 1)
            listeKlicken(QStringLiteral("LiAendUnten6"), teile[1]);
    }

private Q_SLOTS:
    void init() { m_f.fensterAnlegen(QSize(1200, 860)); }
    void cleanup()
    {
        m_f.fensterWeg();
        EditSchalterUmgebungSetzen(nullptr);
    }

    // The spin buttons count the field's text and keep to their limits.
    void spin_data()
    {
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("schritte"); // positive: up, negative: down
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Monat bleibt bei 12") << "die Zeiten ändern"
                                             << "EdZeitM"
                                             << "11" << 3 << "12";
        QTest::newRow("Monat nicht unter 1") << "die Zeiten ändern"
                                             << "EdZeitM"
                                             << "2" << -4 << "1";
        QTest::newRow("Jahr ab 1980") << "die Zeiten ändern"
                                      << "EdZeitJ"
                                      << "0" << 1 << "1980";
        QTest::newRow("Erhöhung mit Nullen") << "Zeichen hinzufügen/fortlaufende Nummern"
                                             << "EdNummerDiff"
                                             << "-0012" << 1 << "-11";
        QTest::newRow("Erster Wert zählt Buchstaben") << "Zeichen hinzufügen/fortlaufende Nummern"
                                                      << "EdNummerStart"
                                                      << "Az" << 1 << "Ba";
    }
    void spin()
    {
        QFETCH(QString, eintrag);
        QFETCH(QString, feld);
        QFETCH(QString, start);
        QFETCH(int, schritte);
        QFETCH(QString, erwartet);
        aendernMit(eintrag);
        auto *ed = m_f.teil<QLineEdit>(feld);
        auto *spin = m_f.teil<TNxEditSpin>(feld + QStringLiteral("Spin"));
        QVERIFY(ed && spin);
        QVERIFY2(spin->isVisible(), qPrintable(feld));
        ed->setText(start);
        for (int i = 0; i < qAbs(schritte); ++i)
            klicken(schritte > 0 ? spin->Auf() : spin->Ab());
        QCOMPARE(ed->text(), erwartet);
        QCOMPARE(ed->cursorPosition(), int(erwartet.size()));
    }

    // Replacing buttons set the whole text; inserting ones replace the selection at the caret.
    void ersetzenUndEinfuegen()
    {
        aendernMit(QStringLiteral("Zeichen hinzufügen"));
        auto *ed = m_f.teil<QLineEdit>(QStringLiteral("EdHinzu"));
        QVERIFY(ed);
        ed->setText(QStringLiteral("abcdef"));
        ed->setSelection(2, 2);
        TNxEditSchalter *leerzeichen =
            schalter(&m_f.aa(), QStringLiteral("EdHinzu"), QStringLiteral("Leerzeichen"));
        QVERIFY(leerzeichen);
        QCOMPARE(leerzeichen->Titel(), QStringLiteral("^ Leerzeichen"));
        klicken(leerzeichen);
        QCOMPARE(ed->text(), QStringLiteral("ab ef"));
        QCOMPARE(ed->cursorPosition(), 3);
        QVERIFY(!ed->hasSelectedText());
        klicken(schalter(&m_f.aa(), QStringLiteral("EdHinzu"), QStringLiteral("Leer")));
        QVERIFY(ed->text().isEmpty());

        // A disabled field ignores its buttons.
        ed->setText(QStringLiteral("bleibt"));
        ed->setEnabled(false);
        klicken(schalter(&m_f.aa(), QStringLiteral("EdHinzu"), QStringLiteral("Leer")));
        QCOMPARE(ed->text(), QStringLiteral("bleibt"));
    }

    // The directory and file buttons of the search list append their choice as a new line;
    // a cancelled choice changes nothing; an action that finds nothing changes nothing.
    void waehlerUndLeereAktionen()
    {
        SkriptUmgebung u;
        EditSchalterUmgebungSetzen(&u);
        auto *liste = m_f.teil<QPlainTextEdit>(QStringLiteral("RiListensuche"));
        QVERIFY(liste);
        liste->setPlainText(QStringLiteral("/a"));
        u.antwort = QStringLiteral("/b/");
        TNxEditSchalter *verz =
            schalter(&m_f.aa(), QStringLiteral("RiListensuche"), QStringLiteral("Verzeichnis"));
        QVERIFY(verz);
        verz->Ausfuehren();
        QCOMPARE(liste->toPlainText(), QStringLiteral("/a\n/b/\n"));
        u.antwort = std::nullopt;
        verz->Ausfuehren();
        QCOMPARE(liste->toPlainText(), QStringLiteral("/a\n/b/\n"));
        QCOMPARE(u.gefragt, QStringList({QStringLiteral("Verz * "), QStringLiteral("Verz * ")}));

        auto *von = m_f.teil<QLineEdit>(QStringLiteral("EdHerstVonEiner"));
        QVERIFY(von);
        von->setText(QStringLiteral("alt"));
        TNxEditSchalter *erste =
            schalter(&m_f.aa(), QStringLiteral("EdHerstVonEiner"), QStringLiteral("erste"));
        QVERIFY(erste);
        erste->Ausfuehren();
        QCOMPARE(von->text(), QStringLiteral("alt"));
        u.erste = QStringLiteral("/x/y.txt");
        erste->Ausfuehren();
        QCOMPARE(von->text(), QStringLiteral("/x/y.txt"));
    }

    // The large editor writes back only when confirmed.
    void eingabeForm()
    {
        auto *liste = m_f.teil<QPlainTextEdit>(QStringLiteral("RiListensuche"));
        QVERIFY(liste);
        liste->setPlainText(QStringLiteral("eins"));
        TNxEditSchalter *gross =
            schalter(&m_f.aa(), QStringLiteral("RiListensuche"), QStringLiteral("vergrößern"));
        QVERIFY(gross);
        for (const bool ok : {false, true}) {
            QTimer::singleShot(50, qApp, [ok] {
                auto *ee = qobject_cast<Tee *>(QApplication::activeModalWidget());
                QVERIFY(ee);
                QCOMPARE(ee->windowTitle(), QStringLiteral("Inhalt des Eingabe-Feldes"));
                QCOMPARE(ee->Eingabe()->toPlainText(), QStringLiteral("eins"));
                ee->Eingabe()->setPlainText(QStringLiteral("zwei"));
                if (ok)
                    QTest::keyClick(ee->Eingabe(), Qt::Key_Return, Qt::ControlModifier);
                else
                    QTest::keyClick(ee, Qt::Key_Escape);
            });
            gross->Ausfuehren();
            QCOMPARE(liste->toPlainText(), ok ? QStringLiteral("zwei") : QStringLiteral("eins"));
        }
    }

    // Every visible button of pages 1 to 4 and the settings sits outside its field, beside
    // the field the table names, and covers no other text of the window.
    void schalterVerdeckenNichts_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("eintrag");
        QTest::newRow("einfache Suche") << 1 << "";
        QTest::newRow("Suche mit Liste") << 1 << "Liste";
        QTest::newRow("Ändern, Nummern") << 2 << "Zeichen hinzufügen/fortlaufende Nummern";
        QTest::newRow("Ändern, Zeiten") << 2 << "die Zeiten ändern";
        QTest::newRow("Ändern, hinzufügen") << 2 << "Zeichen hinzufügen";
        QTest::newRow("Herstellen") << 3 << "";
        QTest::newRow("Herstellen, zusammengesetzt") << 3 << "mehrere zusammengesetzte Dateien";
        QTest::newRow("Herstellen, Kopien") << 3 << "Kopien von einer bestimmten Datei";
        QTest::newRow("Einstellungen") << 8 << "";
    }
    void schalterVerdeckenNichts()
    {
        QFETCH(int, tab);
        QFETCH(QString, eintrag);
        if (!eintrag.isEmpty() && tab == 2)
            aendernMit(eintrag);
        if (!eintrag.isEmpty() && tab == 3) {
            seite(3);
            listeKlicken(QStringLiteral("LiHerstOben"), eintrag);
        } else
            seite(tab);
        if (tab == 1) {
            test::tabKlicken(m_f.teil<TNxReg>(QStringLiteral("SucheRegister")), eintrag == u"Liste" ? 4 : 2);
            eintrag.clear();
        }
        QTest::qWait(50);
        const QRect fenster = global(m_f.aa().centralWidget() ? m_f.aa().centralWidget() : &m_f.aa());
        int gesehen = 0;
        QList<QWidget *> texte;
        for (auto *w : m_f.aa().findChildren<QWidget *>()) {
            if (!w->isVisible())
                continue;
            if (qobject_cast<QLineEdit *>(w) || qobject_cast<QPlainTextEdit *>(w) ||
                qobject_cast<QPushButton *>(w) ||
                (qobject_cast<QLabel *>(w) && !static_cast<QLabel *>(w)->text().isEmpty()))
                texte.append(w);
        }
        for (auto *s : m_f.aa().findChildren<TNxEditSchalter *>()) {
            // A shown field shows its buttons.
            QVERIFY2(s->isVisible() || !s->Feld()->isVisible(),
                     qPrintable(s->Feld()->objectName() + u' ' + s->Titel()));
            if (!s->isVisible())
                continue;
            ++gesehen;
            const QRect r = global(s);
            const QString name = s->Feld()->objectName() + u' ' + s->Titel();
            const QRect feld = global(s->Feld());
            // Fields scrolled out of a page's view take their buttons along.
            if (!fenster.contains(feld))
                continue;
            QVERIFY2(fenster.contains(r), qPrintable(name));
            QVERIFY2(s->width() >= s->fontMetrics().horizontalAdvance(s->Titel()) + 7, qPrintable(name));
            QVERIFY2(!r.intersects(feld), qPrintable(name));
            switch (s->Platz()) {
            case 1:
            case 2:
                QVERIFY2(r.top() == feld.bottom() + 1, qPrintable(name));
                break;
            case 3:
            case 4:
                QVERIFY2(r.bottom() == feld.top() - 1, qPrintable(name));
                break;
            case 7:
            case 8:
            case 17:
                QVERIFY2(r.left() >= feld.right() + 1, qPrintable(name));
                break;
            default:
                break;
            }
            for (QWidget *t : texte) {
                if (t == s || t->isAncestorOf(s))
                    continue;
                QVERIFY2(!r.intersects(global(t)),
                         qPrintable(name + QStringLiteral(" verdeckt ") + t->objectName()));
            }
        }
        QVERIFY(gesehen > 0);
    }
};

RINOLUX_WIDGET_TEST_MAIN(FeldSchalterTest)
#include "FeldSchalterTest.moc"
