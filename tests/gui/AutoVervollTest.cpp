#include "core/persist/MerkListe.h"
#include "gui/app/Ablauf.h"
#include "gui/app/FeldSchalter.h"
#include "gui/app/Form_Benutzerwoerter.h"
#include "gui/controls/TAutoVervoll.h"
#include "gui/controls/TNxEditSchalter.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/controls/nx_Register.h"
#include "gui/pages/Form_Merk.h"
#include "gui/support/FensterFixture.h"
#include "gui/support/WidgetTest.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace rinolux;

namespace {

QStringList zeilen(const QListWidget *l)
{
    QStringList z;
    for (int i = 0; i < l->count(); ++i)
        z.append(l->item(i)->text());
    return z;
}

} // namespace

class AutoVervollTest final : public QObject
{
    Q_OBJECT

    test::FensterFixture m_f;
    QLineEdit *m_ed = nullptr;
    Tav *m_av = nullptr;

private Q_SLOTS:
    void init()
    {
        GesammelteWoerter() = MerkListe();
        GesammelteWoerter().Neu(
            {QStringLiteral("Urlaub 2005 Italien"), QStringLiteral("Bild"), QStringLiteral("Urlaubsfoto")},
            false, QStringLiteral("500"));
        m_f.fensterAnlegen(QSize(1200, 860));
        m_f.aa().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_f.aa()));
        test::tabKlicken(m_f.teil<TNxReg>(QStringLiteral("SucheRegister")), 2);
        m_ed = m_f.teil<QLineEdit>(QStringLiteral("EdSuchMit"));
        QVERIFY(m_ed && m_ed->isVisible());
        m_av = m_f.aa().findChild<Tav *>(QStringLiteral("av"));
        QVERIFY(m_av);
        m_ed->setFocus();
        QTRY_VERIFY(m_ed->hasFocus());
    }
    void cleanup() { m_f.fensterWeg(); }

    // After two letters Down offers the collected words containing them (newest first);
    // the second Down goes into the list and Enter takes the line.
    void zweiBuchstabenUndEnter()
    {
        QTest::keyClicks(m_ed, QStringLiteral("ur"));
        QVERIFY(!m_av->Offen()); // the default mode waits for Down
        QTest::keyClick(m_ed, Qt::Key_Down);
        QVERIFY(m_av->Offen());
        QCOMPARE(zeilen(m_av->Liste()),
                 QStringList({QStringLiteral("Urlaubsfoto"), QStringLiteral("Urlaub 2005 Italien")}));
        QCOMPARE(m_ed->text(), QStringLiteral("ur"));
        QVERIFY(m_ed->hasFocus());
        // A child of the window, wholly inside it.
        QCOMPARE(m_av->parentWidget(), &m_f.aa());
        QVERIFY(m_f.aa().rect().contains(m_av->geometry()));
        QVERIFY(m_av->geometry().top() > m_ed->mapTo(&m_f.aa(), QPoint(0, m_ed->height())).y());

        QTest::keyClick(m_ed, Qt::Key_Down);
        QVERIFY(m_av->Liste()->hasFocus());
        QCOMPARE(m_av->Liste()->currentRow(), 0);
        QTest::keyClick(m_av->Liste(), Qt::Key_Down);
        QTest::keyClick(m_av->Liste(), Qt::Key_Return);
        QVERIFY(!m_av->Offen());
        QCOMPARE(m_ed->text(), QStringLiteral("Urlaub 2005 Italien"));
        QVERIFY(m_ed->hasFocus());
        QCOMPARE(m_ed->cursorPosition(), int(m_ed->text().size()));
    }

    // In the automatic mode the list opens from the third letter on; a candidate equal to
    // the text is not offered; ESC and Up close it and leave the field as typed.
    void automatischUndSchliessen()
    {
        m_f.teil<QRadioButton>(QStringLiteral("RaEAutoVervollAuto"))->setChecked(true);
        QTest::keyClicks(m_ed, QStringLiteral("bi"));
        QVERIFY(!m_av->Offen());
        QTest::keyClicks(m_ed, QStringLiteral("l"));
        QVERIFY(m_av->Offen());
        QCOMPARE(zeilen(m_av->Liste()), QStringList({QStringLiteral("Bild")}));
        QTest::keyClick(m_ed, Qt::Key_Return);
        QVERIFY(!m_av->Offen());
        m_ed->setText(QStringLiteral("Bild"));
        QTest::keyClick(m_ed, Qt::Key_Down);
        QVERIFY(!m_av->Offen()); // only "Bild" itself contains it
        m_ed->clear();
        QTest::keyClicks(m_ed, QStringLiteral("urlaub"));
        QVERIFY(m_av->Offen());
        QTest::keyClick(m_ed, Qt::Key_Escape);
        QVERIFY(!m_av->Offen());
        QTest::keyClicks(m_ed, QStringLiteral("s"));
        QVERIFY(m_av->Offen());
        QCOMPARE(zeilen(m_av->Liste()), QStringList({QStringLiteral("Urlaubsfoto")}));
        QTest::keyClick(m_ed, Qt::Key_Up);
        QVERIFY(!m_av->Offen());
        QCOMPARE(m_ed->text(), QStringLiteral("urlaubs"));

        m_f.teil<QRadioButton>(QStringLiteral("RaEAutoVervoll0"))->setChecked(true);
        QTest::keyClick(m_ed, Qt::Key_Down);
        QVERIFY(!m_av->Offen());
    }

    // The user word dialog's edits have the word buttons and a list that opens on every
    // change; ESC with the list open closes only the list, the next ESC the dialog.
    void benutzerWortDialog()
    {
        Tbb tbb({}, QStringLiteral("< Wort ..."), true, &m_f.aa());
        tbb.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tbb));
        tbb.activateWindow();
        auto *ed = tbb.findChild<QLineEdit *>(QStringLiteral("BenutzerWoerterEdit1"));
        QVERIFY(ed);
        int schalter = 0;
        for (auto *s : tbb.findChildren<TNxEditSchalter *>())
            schalter += s->Feld() == ed;
        QCOMPARE(schalter, 2);
        QVERIFY(tbb.findChild<QWidget *>(QStringLiteral("ImAutoVervollBenutzerWoerterEdit1")));
        ed->setFocus();
        QTest::keyClicks(ed, QStringLiteral("url"));
        auto *av = tbb.findChild<Tav *>(QStringLiteral("av"));
        QVERIFY(av && av->Offen());
        QVERIFY(tbb.rect().contains(av->geometry()));
        QTest::keyClick(ed, Qt::Key_Escape);
        QVERIFY(!av->Offen());
        QVERIFY(tbb.isVisible());
        QTest::keyClick(ed, Qt::Key_Escape);
        QVERIFY(!tbb.isVisible());
    }

    // The symbol under a served field explains itself and names where its options are.
    void symbol()
    {
        auto *im = m_f.aa().findChild<QWidget *>(QStringLiteral("ImAutoVervollEdSuchMit"));
        QVERIFY(im && im->isVisible());
        const QRect feld(m_ed->mapTo(&m_f.aa(), QPoint(0, 0)), m_ed->size());
        const QRect r(im->mapTo(&m_f.aa(), QPoint(0, 0)), im->size());
        QCOMPARE(r.size(), QSize(10, 10));
        QCOMPARE(r.top(), feld.bottom() + 1);
        QVERIFY(qAbs(r.right() - feld.right()) <= 12);
        QString text;
        test::naechstenDialogBeantworten(&text);
        QTest::mouseClick(im, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(text.startsWith(QStringLiteral("Dieses Symbol bedeutet:")));
        QVERIFY(text.contains(
            QStringLiteral("[Einstellungen] beim Thema [Eingabe-Felder: Wörter-Liste beim Eintippen].")));
    }

    // After a run the wide fields' texts join the remembered words; short texts do not.
    void eingabefelderMerken()
    {
        m_ed->setText(QStringLiteral("Ferien am Meer"));
        m_f.teil<QLineEdit>(QStringLiteral("EdSuchOhne"))->setText(QStringLiteral("ab"));
        EingabefelderMerken(m_f.aa());
        const QStringList &w = GesammelteWoerter().Woerter();
        QCOMPARE(w.last(), QStringLiteral("Ferien am Meer"));
        QVERIFY(!w.contains(QStringLiteral("ab")));
        QCOMPARE(w.count(QStringLiteral("Ferien am Meer")), 1);
    }

    // "Wörter ..." opens the word list; a letter jumps to the first entry under it and the
    // chosen source text is inserted whole.
    void wortListe()
    {
        TNxEditSchalter *woerter = nullptr;
        for (auto *s : m_f.aa().findChildren<TNxEditSchalter *>())
            if (s->Feld() == m_ed && s->Code() == u"#m")
                woerter = s;
        QVERIFY(woerter);
        QStringList gesehen;
        QTimer::singleShot(50, qApp, [&gesehen] {
            auto *mm = qobject_cast<Tmm *>(QApplication::activeModalWidget());
            QVERIFY(mm);
            const ListenDaten &d = mm->Liste()->Daten();
            for (int z = 1; z <= d.Anzahl(); ++z)
                gesehen.append(d.Zelle(z, 1));
            mm->Liste()->setFocus();
            QTest::keyClick(mm->Liste(), Qt::Key_I);
            QCOMPARE(mm->Auswahl()->text(), QStringLiteral("Italien: Urlaub 2005 Italien"));
            QTest::mouseClick(mm->findChild<QWidget *>(QStringLiteral("BuUntenOK")), Qt::LeftButton);
        });
        m_ed->setText(QStringLiteral("[]"));
        m_ed->setCursorPosition(1);
        woerter->Ausfuehren();
        QCOMPARE(m_ed->text(), QStringLiteral("[Urlaub 2005 Italien]"));
        QVERIFY(gesehen.contains(QStringLiteral("Urlaub: Urlaub 2005 Italien")));
        QVERIFY(gesehen.contains(QStringLiteral("weitere Wörter")));
        QVERIFY(gesehen.first().startsWith(QStringLiteral("eigene Wörter (von der Seite [")));
    }
};

RINOLUX_WIDGET_TEST_MAIN(AutoVervollTest)
#include "AutoVervollTest.moc"
