#include "gui/controls/TNxTabCombo.h"
#include "gui/controls/TNxWortCombo.h"
#include "gui/support/WidgetTest.h"

#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using namespace rinolux;

namespace {

void bewegen(QWidget *w, QPoint p)
{
    QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

class StellenFeldTest final : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> m_fenster;
    TNxTabCombo *m_feld = nullptr;

    void feldAnlegen(int tabelle)
    {
        m_fenster = std::make_unique<QWidget>();
        auto *v = new QVBoxLayout(m_fenster.get());
        m_feld = new TNxTabCombo(tabelle, "PaTabellenComboS", "BiTabellenComboS", m_fenster.get());
        v->addWidget(m_feld);
        v->addStretch(1);
        m_fenster->resize(400, 200);
        m_fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_fenster.get()));
    }
    TNxTabTabelle *oeffnen()
    {
        QTest::mouseClick(m_feld, Qt::LeftButton, {}, QPoint(4, 4));
        return m_feld->Offen() ? m_feld->Tabelle() : nullptr;
    }

private Q_SLOTS:
    void cleanup() { m_fenster.reset(); }

    void beschriftung_data()
    {
        QTest::addColumn<int>("tabelle");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<int>("zahl");
        QTest::addColumn<QString>("text");
        QTest::newRow("dem 3.") << 1 << 1 << 3 << " dem 3.";
        QTest::newRow("dem letzten") << 1 << 2 << 1 << " dem letzten";
        QTest::newRow("dem letzten 2.") << 1 << 2 << 2 << " dem letzten 2.";
        QTest::newRow("dem nächsten") << 2 << 3 << 1 << " dem nächsten";
        QTest::newRow("die letzten 1") << 4 << 4 << 1 << " die letzten 1";
        QTest::newRow("die ersten 5") << 4 << 3 << 5 << " die ersten 5";
        QTest::newRow("das nächste 2") << 5 << 3 << 2 << " das nächste 2";
        QTest::newRow("jedes ohne Zahl") << 4 << 7 << 9 << " jedes";
        QTest::newRow("jedes letzte") << 3 << 5 << 1 << " jedes letzte";
    }
    void beschriftung()
    {
        QFETCH(int, tabelle);
        QFETCH(int, zeile);
        QFETCH(int, zahl);
        QFETCH(QString, text);
        QCOMPARE(TabComboBeschriftung(PositionsTabelle(tabelle).at(zeile - 1), zahl), text);
    }

    void gespeicherteForm()
    {
        feldAnlegen(4);
        QCOMPARE(m_feld->GespeicherteForm(), 1001);
        m_feld->GespeicherteFormSetzen(7001);
        QCOMPARE(m_feld->Beschriftung(), QStringLiteral(" jedes"));
        m_feld->GespeicherteFormSetzen(3012);
        QCOMPARE(m_feld->GespeicherteForm(), 3012);
        // Rows and numbers outside the table are not taken as they stand.
        m_feld->GespeicherteFormSetzen(10005);
        QCOMPARE(m_feld->GespeicherteForm(), 1005);
        m_feld->GespeicherteFormSetzen(2021);
        QCOMPARE(m_feld->GespeicherteForm(), 2001);
        m_feld->GespeicherteFormSetzen(-5);
        QCOMPARE(m_feld->GespeicherteForm(), 1001);
    }

    void sofortDrueckenWaehltDieWahlWieder()
    {
        feldAnlegen(4);
        m_feld->WahlSetzen(5, 3);
        QSignalSpy gewaehlt(m_feld, &TNxTabCombo::Gewaehlt);
        TNxTabTabelle *t = oeffnen();
        QVERIFY(t);
        QCOMPARE(t->HoverZeile(), 5);
        QCOMPARE(t->HoverZahl(), 3);
        // Pressed without a move over another cell: the hover is still at the choice.
        QTest::mouseClick(t, Qt::LeftButton, {}, t->ZellenRechteck(1, 9).center());
        QCOMPARE(gewaehlt.count(), 1);
        QCOMPARE(m_feld->Zeile(), 5);
        QCOMPARE(m_feld->Zahl(), 3);
        QVERIFY(!m_feld->Offen());
    }

    void wortSpalteBehaeltDieZahl()
    {
        feldAnlegen(4);
        TNxTabTabelle *t = oeffnen();
        QVERIFY(t);
        bewegen(t, t->ZellenRechteck(2, 6).center());
        QCOMPARE(t->HoverZahl(), 6);
        bewegen(t, t->ZellenRechteck(3, 0).center());
        QCOMPARE(t->HoverZeile(), 3);
        QCOMPARE(t->HoverZahl(), 6);
        QTest::mouseClick(t, Qt::LeftButton, {}, t->ZellenRechteck(3, 0).center());
        QCOMPARE(m_feld->Beschriftung(), QStringLiteral(" die ersten 6"));
    }

    void zeileOhneZahl()
    {
        feldAnlegen(4);
        TNxTabTabelle *t = oeffnen();
        QVERIFY(t);
        for (int c = 1; c <= TNxTabCombo::MaxZahl; ++c)
            QCOMPARE(t->ZellenText(7, c), QStringLiteral("<"));
        QCOMPARE(t->ZellenText(8, 4), QStringLiteral(" 4."));
        QCOMPARE(t->ZellenText(3, 4), QStringLiteral("4"));
        bewegen(t, t->ZellenRechteck(7, 14).center());
        QTest::mouseClick(t, Qt::LeftButton, {}, t->ZellenRechteck(7, 14).center());
        QCOMPARE(m_feld->Beschriftung(), QStringLiteral(" jedes"));
        QCOMPARE(m_feld->Wahl().zeile, 7);
    }

    void schliessenOhneWahl()
    {
        feldAnlegen(2);
        m_feld->WahlSetzen(2, 4);
        QSignalSpy gewaehlt(m_feld, &TNxTabCombo::Gewaehlt);
        // Only the left button opens.
        QTest::mouseClick(m_feld, Qt::RightButton, {}, QPoint(4, 4));
        QVERIFY(!m_feld->Offen());
        TNxTabTabelle *t = oeffnen();
        QVERIFY(t);
        bewegen(t, t->ZellenRechteck(1, 1).center());
        QTest::keyClick(t, Qt::Key_Escape);
        QVERIFY(!m_feld->Offen());
        t = oeffnen();
        QVERIFY(t);
        // A press outside the table, on the connector strip below the field, only closes.
        QTest::mouseClick(t, Qt::LeftButton, {}, QPoint(2, 1));
        QVERIFY(!m_feld->Offen());
        QCOMPARE(gewaehlt.count(), 0);
        QCOMPARE(m_feld->GespeicherteForm(), 2004);
    }

    // Every cell of the widest table lies inside the drop-down and can be reached by the hover.
    void zellenGanzImBild()
    {
        feldAnlegen(4);
        TNxTabTabelle *t = oeffnen();
        QVERIFY(t);
        const QFontMetrics fm(t->font());
        QVERIFY(t->ZellenRechteck(5, 0).width() >= fm.horizontalAdvance(t->ZellenText(6, 0)));
        QVERIFY(t->rect().contains(t->ZellenRechteck(9, 20)));
        bewegen(t, t->ZellenRechteck(9, 20).center());
        QCOMPARE(t->HoverZeile(), 9);
        QCOMPARE(t->HoverZahl(), 20);
    }

    void wortEintraege_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QString>("gross");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        const int g = int(WortComboArt::Gruppe);
        const int e = int(WortComboArt::Ersetzen);
        const int h = int(WortComboArt::Hinzu);
        QTest::newRow("Gruppe a||b") << g << "a||b" << "N" << 1 << "Wort \"a\" oder \"b\"";
        QTest::newRow("Gruppe a||b groß") << g << "a||b" << "J" << 1 << "Wort [ ! ] \"a\" oder \"b\"";
        QTest::newRow("Gruppe nicht") << g << "a" << "N" << 10 << "nicht: Wort \"a\"";
        QTest::newRow("Gruppe leer") << g << "" << "N" << 10 << "Wort";
        QTest::newRow("Ersetzen 12 höher") << e << "12" << "N" << 1 << "einen Wert, der um 12 höher ist";
        QTest::newRow("Ersetzen abc") << e << "abc" << "N" << 1 << "einen Wert, der um 0 höher ist";
        QTest::newRow("Ersetzen Verzeichnis") << e << "3|x" << "N" << 4 << "das 3. Verzeichnis von hinten (wenn möglich)";
        QTest::newRow("Hinzu Wort") << h << "a|b" << "N" << 0 << "das Wort \"a\"";
        QTest::newRow("Hinzu leer") << h << "" << "N" << 1 << "das 0. Verzeichnis von vorne";
    }
    void wortEintraege()
    {
        QFETCH(int, art);
        QFETCH(QString, wort);
        QFETCH(QString, gross);
        QFETCH(int, index);
        QFETCH(QString, text);
        TNxWortCombo co(WortComboArt(art), "CoTest");
        co.setCurrentIndex(index);
        co.PlatzSetzen(4);
        std::array<BenutzerWort, 6> w{};
        w[3] = BenutzerWort{wort, gross};
        co.WoerterAuffrischen(w);
        QCOMPARE(co.itemText(index), text);
        QCOMPARE(co.currentIndex(), index);
        QVERIFY(co.IstWortEintrag(index));
        QCOMPARE(co.count(), WortComboEintraege(WortComboArt(art)).size());
    }
};

RINOLUX_WIDGET_TEST_MAIN(StellenFeldTest)
#include "StellenFeldTest.moc"
