#include "core/actions/RueckDaten.h"
#include "core/engine/sub_Aktion_Vorschau.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Prozess.h"
#include "gui/app/Form_Anfang.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/controls/nx_Register.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/pages/AktionsSeite.h"
#include "gui/pages/AuswahlSeite.h"
#include "gui/support/DialogAntworter.h"
#include "gui/support/FensterFixture.h"
#include "gui/support/WidgetTest.h"
#include "support/TestUmgebung.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using namespace rinolux;

namespace {

const QString kZusammenfassung = QStringLiteral("2 Namen können -> geändert werden.");

} // namespace

// The action button and the undo page's buttons in the main window, on real files.
class AusfuehrenTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        test::XdgUmleiten();
        QVERIFY(ProgPfadAnlegen());
        m_tmp = std::make_unique<test::TestVerzeichnis>();
        for (const char *n : {"a 1.txt", "b 2.txt"})
            m_tmp->dateiSchreiben(QString::fromLatin1(n), n);
        m_fenster.fensterAnlegen(QSize(1000, 700), true);
        m_bedienung = m_fenster.aa().SeiteVon<TAuswahlSeite>()->Liste();
        QVERIFY(m_bedienung);
        m_bedienung->VerzeichnisListen(m_tmp->pfad());
        const ListenDaten &a = m_bedienung->Daten();
        QCOMPARE(a.Anzahl(), 2);

        // The preview of "alle Leerzeichen durch _ ersetzen", one row per entry.
        m_vliste.Leeren();
        for (int z = 1; z <= a.Anzahl(); ++z) {
            const int v = m_vliste.ZeilenAnhaengen();
            m_vliste.ZelleSetzen(v, VZelle::Pfad, a.Zelle(z, AZelle::Pfad));
            m_vliste.ZelleSetzen(v, VZelle::Name, a.Zelle(z, AZelle::Name));
            QString neu = a.Zelle(z, AZelle::Name);
            m_vliste.ZelleSetzen(v, VZelle::NeuName, neu.replace(u' ', u'_'));
            m_vliste.LinkSetzen(v, z);
        }
        test::tabKlicken(m_fenster.aa().HauptRegister(), 2);
        m_seite = m_fenster.aa().SeiteVon<TAktionsSeite>();
        m_seite->VorschauFertig(2, {211, QStringLiteral("Ändern: Leerzeichen"), kZusammenfassung, &m_vliste});
        m_buAktion = m_fenster.teil<QPushButton>(QStringLiteral("BuAktion"));
        QVERIFY(m_buAktion->isEnabled());
    }
    void cleanup()
    {
        m_fenster.fensterWeg();
        m_tmp.reset();
    }

    void aktionsSchalter_data()
    {
        QTest::addColumn<bool>("frage");
        QTest::addColumn<QString>("antwort");
        QTest::addColumn<bool>("geaendert");
        QTest::newRow("Frage mit Nein") << true << "BuNein" << false;
        QTest::newRow("Frage mit Ja") << true << "BuJa" << true;
        QTest::newRow("ohne Frage") << false << "" << true;
    }
    void aktionsSchalter()
    {
        QFETCH(bool, frage);
        QFETCH(QString, antwort);
        QFETCH(bool, geaendert);
        m_fenster.aa().Einst().Sicherheitsfrage = frage;
        test::Antworter antworter({antwort});

        QTest::mouseClick(m_buAktion, Qt::LeftButton);

        if (frage) {
            QCOMPARE(antworter.texte.size(), 1);
            const QString &t = antworter.texte.first();
            QVERIFY2(t.contains(QStringLiteral("2 Namen sollen")) && t.endsWith(QStringLiteral("WIRKLICH?")),
                     qPrintable(t));
            QVERIFY(!t.contains(QStringLiteral("->")));
        } else {
            QCOMPARE(antworter.texte, QStringList());
        }
        QStringList namen;
        for (int p = 1; p <= m_bedienung->Daten().Anzahl(); ++p)
            namen << m_bedienung->Daten().Zelle(m_bedienung->Daten().ZeileAn(p), AZelle::Name);
        const QStringList erwartet = geaendert ? QStringList{"a_1.txt", "b_2.txt"} : QStringList{"a 1.txt", "b 2.txt"};
        QCOMPARE(namen, erwartet);
        for (const QString &n : erwartet)
            QVERIFY2(QFileInfo::exists(m_tmp->pfad(n)), qPrintable(n));
        QCOMPARE(m_fenster.aa().Rueck().anzahl(), geaendert ? 1 : 0);
        if (geaendert) {
            QCOMPARE(m_fenster.aa().Rueck().eintrag(1).code, 301);
            QCOMPARE(m_fenster.aa().Rueck().eintrag(1).beschreibung, QStringLiteral("Ändern: Leerzeichen"));
        }
        // A carried-out preview is stale.
        QCOMPARE(m_buAktion->isEnabled(), !geaendert);
    }

    void rueckgaengigPruefenUndMachen()
    {
        {
            test::Antworter antworter({QStringLiteral("BuJa")});
            QTest::mouseClick(m_buAktion, Qt::LeftButton);
        }
        QVERIFY(QFileInfo::exists(m_tmp->pfad("a_1.txt")));
        test::tabKlicken(m_fenster.aa().HauptRegister(), 5);
        auto *index = m_fenster.teil<TNxRotListe>(QStringLiteral("RueckIndexListe"));
        QCOMPARE(index->Daten().Anzahl(), 1);
        QTest::mouseClick(index->viewport(), Qt::LeftButton, Qt::NoModifier, index->ZellenRechteck(1, 2).center());
        auto *pruefen = m_fenster.teil<QPushButton>(QStringLiteral("BuRueckPruefen"));
        auto *ok = m_fenster.teil<QPushButton>(QStringLiteral("BuRueckOK"));
        QVERIFY(pruefen->isEnabled() && ok->isEnabled());

        {
            test::Antworter antworter({QStringLiteral("BuOK")});
            QTest::mouseClick(pruefen, Qt::LeftButton);
            QCOMPARE(antworter.texte.size(), 1);
            QVERIFY2(antworter.texte.first().contains(QStringLiteral("Probleme sind NICHT entdeckt")),
                     qPrintable(antworter.texte.first()));
        }
        QVERIFY(QFileInfo::exists(m_tmp->pfad("a_1.txt")));

        {
            test::Antworter antworter({QStringLiteral("BuJa")});
            QTest::mouseClick(ok, Qt::LeftButton);
            QCOMPARE(antworter.texte, QStringList{QStringLiteral("WIRKLICH?")});
        }
        for (const char *n : {"a 1.txt", "b 2.txt"})
            QVERIFY2(QFileInfo::exists(m_tmp->pfad(QString::fromLatin1(n))), n);
        const ListenDaten &a = m_bedienung->Daten();
        QCOMPARE(a.Zelle(a.ZeileAn(1), AZelle::Name), QStringLiteral("a 1.txt"));
        // Every row was undone: the file is gone, from the page and from the window's index.
        QCOMPARE(index->Daten().Anzahl(), 0);
        QCOMPARE(m_fenster.aa().Rueck().anzahl(), 0);
        QVERIFY(QDir(ProgPfad).entryList({kRueckDateiVorsatz + u'*'}, QDir::Files).isEmpty());
    }

private:
    test::FensterFixture m_fenster;
    std::unique_ptr<test::TestVerzeichnis> m_tmp;
    AListeBedienung *m_bedienung = nullptr;
    TAktionsSeite *m_seite = nullptr;
    QPushButton *m_buAktion = nullptr;
    ListenDaten m_vliste{VZelle::Anzahl};
};

RINOLUX_WIDGET_TEST_MAIN(AusfuehrenTest)
#include "AusfuehrenTest.moc"
