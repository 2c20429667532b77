#include "core/actions/RueckDaten.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Einstellungen.h"
#include "core/shell/Prozess.h"
#include "gui/app/Form_Anfang.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/controls/nx_Register.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/pages/AuswahlSeite.h"
#include "gui/support/DialogAntworter.h"
#include "gui/support/FensterFixture.h"
#include "gui/support/WidgetTest.h"
#include "support/TestUmgebung.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using namespace rinolux;

// The page Herstellen in the main window: a creation rule is previewed, carried out, shown
// in the selection list and undone from the undo page, on real directories.
class HerstellenSeiteTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        test::XdgUmleiten();
        QVERIFY(ProgPfadAnlegen());
        m_tmp = std::make_unique<test::TestVerzeichnis>();
        m_tmp->dateiSchreiben(QStringLiteral("da.txt"), "da");
        m_fenster.fensterAnlegen(QSize(1100, 760), true);
        m_fenster.aa().Einst().Sicherheitsfrage = false;
        m_bedienung = m_fenster.aa().SeiteVon<TAuswahlSeite>()->Liste();
        QVERIFY(m_bedienung);
        m_bedienung->VerzeichnisListen(m_tmp->pfad());
        m_fenster.aa().AktuelleSuchSeite = 1;
        QCOMPARE(m_bedienung->Daten().Anzahl(), 1);
        test::tabKlicken(m_fenster.aa().HauptRegister(), 3);
    }
    void cleanup()
    {
        m_fenster.fensterWeg();
        m_tmp.reset();
    }

    void ordnerHerstellenZeigenUndZuruecknehmen()
    {
        waehlen("LiHerstOben", "neue Verzeichnisse, die leer sind");
        waehlen("LiHerstUnten4", "fortlaufende Nummern");
        setzen("EdNummerVor", "Ordner ");
        setzen("EdNummerStart", "01");
        setzen("EdNummerDiff", "1");
        setzen("EdNummerNach", "");
        setzen("EdHerstAnzahl", "3");
        m_fenster.teil<QRadioButton>(QStringLiteral("RaHerstWoWieEdit"))->setChecked(true);
        setzen("EdHerstWo", m_tmp->pfad());

        QTest::mouseClick(m_fenster.teil<QPushButton>(QStringLiteral("BuVorschauSchalter")), Qt::LeftButton);
        QCOMPARE(m_fenster.teil<QLabel>(QStringLiteral("LaVorschauFehler"))->text(),
                 QStringLiteral("Alle 3 können hergestellt werden. ->"));
        auto *aktion = m_fenster.teil<QPushButton>(QStringLiteral("BuAktion"));
        QVERIFY(aktion->isEnabled());
        QTest::mouseClick(aktion, Qt::LeftButton);

        for (const char *n : {"Ordner 01", "Ordner 02", "Ordner 03"})
            QVERIFY2(QFileInfo(m_tmp->pfad(QString::fromLatin1(n))).isDir(), n);
        // The list shows the directory the objects were made in: they are in it now.
        const ListenDaten &a = m_bedienung->Daten();
        QCOMPARE(a.Anzahl(), 4);
        QCOMPARE(m_fenster.aa().Rueck().anzahl(), 1);
        QCOMPARE(m_fenster.aa().Rueck().eintrag(1).code, 309);
        QVERIFY(!aktion->isEnabled());

        test::tabKlicken(m_fenster.aa().HauptRegister(), 5);
        auto *index = m_fenster.teil<TNxRotListe>(QStringLiteral("RueckIndexListe"));
        QCOMPARE(index->Daten().Anzahl(), 1);
        QTest::mouseClick(index->viewport(), Qt::LeftButton, Qt::NoModifier,
                          index->ZellenRechteck(1, 2).center());
        auto *ok = m_fenster.teil<QPushButton>(QStringLiteral("BuRueckOK"));
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        for (const char *n : {"Ordner 01", "Ordner 02", "Ordner 03"})
            QVERIFY2(!QFileInfo::exists(m_tmp->pfad(QString::fromLatin1(n))), n);
        QVERIFY(QFileInfo::exists(m_tmp->pfad(QStringLiteral("da.txt"))));
        QCOMPARE(a.Anzahl(), 1);
        QCOMPARE(m_fenster.aa().Rueck().anzahl(), 0);
    }

    void regelDerSeiteAufDerRegelnSeiteAnwenden()
    {
        waehlen("LiHerstOben", "neue Verzeichnisse, die leer sind");
        waehlen("LiHerstUnten4", "fortlaufende Nummern");
        setzen("EdNummerVor", "R");
        setzen("EdNummerStart", "1");
        setzen("EdNummerDiff", "1");
        setzen("EdHerstAnzahl", "2");
        setzen("EdHerstWo", m_tmp->pfad());
        test::tabKlicken(m_fenster.aa().HauptRegister(), 4);
        {
            test::Antworter antworter({QStringLiteral("BuJa")});
            QTest::mouseClick(m_fenster.teil<QPushButton>(QStringLiteral("BuPlusH")), Qt::LeftButton);
            QCOMPARE(antworter.texte.size(), 1);
        }
        auto *regeln = m_fenster.teil<QListWidget>(QStringLiteral("LiRegelAktion"));
        QCOMPARE(regeln->currentRow(), 0);
        QCOMPARE(regeln->currentItem()->text(),
                 QStringLiteral("NEU: Herstellen: neue Verzeichnisse, die leer sind"));

        QTest::mouseClick(m_fenster.teil<QPushButton>(QStringLiteral("BuVorschauSchalter")), Qt::LeftButton);
        QCOMPARE(m_fenster.teil<QLabel>(QStringLiteral("LaVorschauFehler"))->text(),
                 QStringLiteral("Alle 2 können hergestellt werden. ->"));
        QTest::mouseClick(m_fenster.teil<QPushButton>(QStringLiteral("BuAktion")), Qt::LeftButton);
        QVERIFY(QFileInfo(m_tmp->pfad(QStringLiteral("R1"))).isDir());
        QVERIFY(QFileInfo(m_tmp->pfad(QStringLiteral("R2"))).isDir());
        QCOMPARE(m_fenster.aa().Rueck().anzahl(), 1);
        QCOMPARE(m_fenster.aa().Rueck().eintrag(1).code, 309);
    }

    void zuGrosseAnzahlWirdAbgelehnt()
    {
        waehlen("LiHerstOben", "neue Dateien, die leer sind");
        waehlen("LiHerstUnten4", "fortlaufende Nummern");
        setzen("EdNummerVor", "f");
        setzen("EdNummerStart", "1");
        setzen("EdNummerDiff", "1");
        setzen("EdHerstAnzahl", "10000000");
        setzen("EdHerstWo", m_tmp->pfad());
        QTest::mouseClick(m_fenster.teil<QPushButton>(QStringLiteral("BuVorschauSchalter")), Qt::LeftButton);
        QVERIFY(m_fenster.teil<QLabel>(QStringLiteral("LaVorschauFehler"))
                    ->text()
                    .startsWith(QStringLiteral("Es können höchstens 100.000 ")));
        QVERIFY(!m_fenster.teil<QPushButton>(QStringLiteral("BuAktion"))->isEnabled());
        QCOMPARE(m_fenster.teil<TNxRotListe>(QStringLiteral("VListe"))->Daten().Anzahl(), 0);
    }

private:
    void waehlen(const char *liste, const char *eintrag)
    {
        auto *l = m_fenster.teil<QListWidget>(QString::fromLatin1(liste));
        const QList<QListWidgetItem *> treffer = l->findItems(QString::fromUtf8(eintrag), Qt::MatchExactly);
        QCOMPARE(treffer.size(), 1);
        l->setCurrentItem(treffer.first());
    }
    void setzen(const char *feld, const QString &text)
    {
        auto *e = m_fenster.teil<QLineEdit>(QString::fromLatin1(feld));
        e->setText(text);
    }

    test::FensterFixture m_fenster;
    std::unique_ptr<test::TestVerzeichnis> m_tmp;
    AListeBedienung *m_bedienung = nullptr;
};

RINOLUX_WIDGET_TEST_MAIN(HerstellenSeiteTest)
#include "HerstellenSeiteTest.moc"
