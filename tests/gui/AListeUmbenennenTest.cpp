#include "core/actions/RueckDaten.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Prozess.h"
#include "gui/app/Form_Anfang.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/pages/AuswahlSeite.h"
#include "gui/support/FensterFixture.h"
#include "gui/support/WidgetTest.h"
#include "support/TestUmgebung.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

using namespace rinolux;
using rinolux::test::naechstenDialogBeantworten;

// The in-place rename of the selection list in the main window: F2, a typed name, Enter.
class AListeUmbenennenTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        test::XdgUmleiten();
        QVERIFY(ProgPfadAnlegen());
        m_tmp = std::make_unique<test::TestVerzeichnis>();
        m_tmp->dateienAnlegen({"b.txt", "c.txt"});
        m_tmp->dateiSchreiben("b.txt", "b");
        m_tmp->dateiSchreiben("c.txt", "c");
        m_fenster.fensterAnlegen(QSize(1000, 700), true);
        m_bedienung = m_fenster.aa().SeiteVon<TAuswahlSeite>()->Liste();
        QVERIFY(m_bedienung);
        m_bedienung->VerzeichnisListen(m_tmp->pfad());
        QCOMPARE(m_bedienung->Daten().Anzahl(), 2);
    }
    void cleanup()
    {
        m_fenster.fensterWeg();
        m_tmp.reset();
    }

    void f2BenenntUmSortiertNeuUndSchreibtDieRueckDatei()
    {
        tippen("c.txt", "a.txt");

        QVERIFY(QFileInfo::exists(m_tmp->pfad("a.txt")));
        QVERIFY(!QFileInfo::exists(m_tmp->pfad("c.txt")));
        QCOMPARE(m_tmp->dateiLesen("a.txt"), QByteArray("c"));
        const ListenDaten &d = m_bedienung->Daten();
        // Re-sorted by name, the renamed entry first and still current.
        QCOMPARE(d.Zelle(d.ZeileAn(1), AZelle::Name), QStringLiteral("a.txt"));
        QCOMPARE(d.Zelle(d.AktZeile(), AZelle::Name), QStringLiteral("a.txt"));
        QCOMPARE(d.Zelle(d.AktZeile(), AZelle::Format), QStringLiteral("txt"));

        RueckIndex &index = m_fenster.aa().Rueck();
        QCOMPARE(index.anzahl(), 1);
        QCOMPARE(index.eintrag(1).code, 301);
        QCOMPARE(index.eintrag(1).beschreibung, QStringLiteral("Umbenennen in der Auswahl-Liste"));
        const ErgebnisWert<RueckDateiInhalt> inhalt = RueckDateiLesen(index.dateiPfad(index.eintrag(1).nummer));
        QVERIFY(inhalt.ok());
        QVERIFY(inhalt->vollstaendig);
        QCOMPARE(inhalt->saetze.size(), size_t(1));
        QCOMPARE(inhalt->saetze[0].name, QStringLiteral("a.txt"));
        QCOMPARE(inhalt->saetze[0].wert, QStringLiteral("c.txt"));
    }

    void belegterNameFragtNachDerZwischenablage()
    {
        QApplication::clipboard()->clear();
        QString text;
        naechstenDialogBeantworten(&text, QStringLiteral("BuJa"));
        tippen("c.txt", "b.txt");

        QVERIFY2(text.startsWith(QStringLiteral("Fehler. Der Name konnte NICHT geändert werden!")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Zwischenablage")));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("b.txt"));
        QCOMPARE(m_tmp->dateiLesen("b.txt"), QByteArray("b"));
        QCOMPARE(m_tmp->dateiLesen("c.txt"), QByteArray("c"));
        QCOMPARE(m_fenster.aa().Rueck().anzahl(), 0);
        QVERIFY(QDir(ProgPfad).entryList({kRueckDateiVorsatz + u'*'}, QDir::Files).isEmpty());
    }

    void schraegstrichWirdMitMeldungAbgelehnt()
    {
        QString text;
        naechstenDialogBeantworten(&text);
        tippen("c.txt", "x/y");

        QVERIFY2(text.contains(QStringLiteral("\"/\"")), qPrintable(text));
        QVERIFY(QFileInfo::exists(m_tmp->pfad("c.txt")));
        const ListenDaten &d = m_bedienung->Daten();
        QCOMPARE(d.Zelle(d.AktZeile(), AZelle::Name), QStringLiteral("c.txt"));
        QCOMPARE(m_fenster.aa().Rueck().anzahl(), 0);
    }

private:
    // Makes the entry current, opens the editor with F2, types the name and commits it.
    void tippen(const QString &alt, const QString &neu)
    {
        TNxRotListe *liste = m_bedienung->Liste();
        ListenDaten &d = m_bedienung->Daten();
        for (int p = 1; p <= d.Anzahl(); ++p)
            if (d.Zelle(d.ZeileAn(p), AZelle::Name) == alt)
                liste->AktPositionSetzen(p);
        liste->setFocus();
        QTest::keyClick(liste, Qt::Key_F2);
        QVERIFY(liste->EditorOffen());
        QCOMPARE(liste->Editor()->text(), alt);
        liste->Editor()->selectAll();
        QTest::keyClicks(liste->Editor(), neu);
        QTest::keyClick(liste->Editor(), Qt::Key_Return);
        QVERIFY(!liste->EditorOffen());
    }

    test::FensterFixture m_fenster;
    std::unique_ptr<test::TestVerzeichnis> m_tmp;
    AListeBedienung *m_bedienung = nullptr;
};

RINOLUX_WIDGET_TEST_MAIN(AListeUmbenennenTest)
#include "AListeUmbenennenTest.moc"
