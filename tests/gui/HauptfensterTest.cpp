#include "core/persist/ZustandsDateien.h"
#include "core/shell/Prozess.h"
#include "gui/app/Ablauf.h"
#include "gui/app/Anwendung.h"
#include "core/shell/Dialog.h"
#include "gui/app/Form_Anfang.h"
#include "gui/app/Form_Logo.h"
#include "gui/app/Start.h"
#include "gui/app/SchalterRahmen.h"
#include "gui/app/sub_Fortschritt.h"
#include "gui/controls/nx_Register.h"
#include "gui/support/FensterFixture.h"
#include "gui/support/WidgetTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QThread>
#include <QTimer>

#include <stdexcept>

using namespace rinolux;
using rinolux::test::naechstenDialogBeantworten;
using rinolux::test::tabKlicken;

namespace {

const QStringList Seitenpanels = {QStringLiteral("PaAuswahl"), QStringLiteral("PaAktion"), QStringLiteral("PaRueck"),
                                   QStringLiteral("PaLoeschenKop"), QStringLiteral("PaEinstellungen"),
                                   QStringLiteral("PaCopy")};

} // namespace

class HauptfensterTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_fenster.fensterAnlegen(QSize(1000, 700));
        m_aa = &m_fenster.aa();
    }
    void cleanup()
    {
        m_fenster.fensterWeg();
        m_aa = nullptr;
    }

    void zehnHauptTabs()
    {
        auto *reg = m_aa->findChild<TNxReg *>(QStringLiteral("HauptRegister"));
        QVERIFY(reg);
        QCOMPARE(reg->parentWidget()->objectName(), QStringLiteral("PaHauptReg"));
        const QStringList erwartet = {QStringLiteral("Auswählen"), QStringLiteral("Ändern"), QStringLiteral("Herstellen"),
                                      QStringLiteral("Regeln"), QStringLiteral("Rückgängig"), QStringLiteral("Löschen"),
                                      QStringLiteral("Kopieren"), QStringLiteral("Einstellungen"), QStringLiteral("Info"),
                                      QStringLiteral("Ende")};
        QCOMPARE(reg->Anzahl(), 10);
        for (int i = 1; i <= 10; ++i) {
            QCOMPARE(reg->Tab(i).beschriftung, erwartet[i - 1]);
            QCOMPARE(reg->Tab(i).fett, i <= 5);
            QVERIFY(!reg->Tab(i).bild.isNull());
            // Every tab lies fully inside the strip at the window's minimum width.
        }
        m_aa->resize(768, 580);
        QTRY_COMPARE(m_aa->width(), 768);
        QVERIFY(reg->TabRechteck(10).right() < reg->width());
        QCOMPARE(reg->Aktuell(), 1);
    }

    void mindestGroesse()
    {
        m_aa->resize(500, 400);
        QCOMPARE(m_aa->size(), QSize(768, 580));
    }

    void bildschirmFrage_data()
    {
        QTest::addColumn<QSize>("flaeche");
        QTest::addColumn<int>("zahlVorher");
        QTest::addColumn<QChar>("antwort");
        QTest::addColumn<bool>("weiter");
        QTest::addColumn<int>("zahlNachher");
        QTest::addColumn<bool>("gefragt");
        QTest::newRow("gross genug") << QSize(1024, 768) << 0 << QChar(u'n') << true << 0 << false;
        QTest::newRow("genau die Mindestgroesse") << QSize(768, 580) << 0 << QChar(u'n') << true << 0 << false;
        QTest::newRow("zu niedrig, ja") << QSize(1024, 540) << 0 << QChar(u'j') << true << 1 << true;
        QTest::newRow("zu schmal, nein") << QSize(700, 900) << 2 << QChar(u'n') << false << 3 << true;
        QTest::newRow("dreimal gefragt") << QSize(1024, 540) << 3 << QChar(u'n') << true << 3 << false;
    }
    void bildschirmFrage()
    {
        QFETCH(QSize, flaeche);
        QFETCH(int, zahlVorher);
        QFETCH(QChar, antwort);
        QFETCH(bool, weiter);
        QFETCH(int, zahlNachher);
        QFETCH(bool, gefragt);
        SkriptDialog dialog({antwort});
        int zahl = zahlVorher;
        QCOMPARE(BildschirmPruefen(flaeche, zahl, dialog), weiter);
        QCOMPARE(zahl, zahlNachher);
        QCOMPARE(dialog.aufrufe.size(), gefragt ? 1 : 0);
        if (gefragt) {
            QCOMPARE(dialog.aufrufe[0].art, QChar(u'f'));
            const QString w = QString::number(flaeche.width());
            const QString h = QString::number(flaeche.height());
            QCOMPARE(dialog.aufrufe[0].text,
                     QStringLiteral("Die vorhandene Bildschirm-Fläche ist für das aufgerufene Programm nicht ausreichend. "
                                    "Benötigt wird eine Fläche von 768 mal 580 Bildpunkten (Breite mal Höhe). "
                                    "Zur Verfügung stehen aber nur ")
                         + w + QStringLiteral(" mal ") + h
                         + QStringLiteral(" Bildpunkte. Das Programm kann deshalb nicht richtig dargestellt werden.\r\n\r\n"
                                          "Soll das Programm trotzdem ausgeführt werden?"));
        }
    }

    void startBild()
    {
        TLogoForm logo;
        logo.Zeigen();
        const int breite = logo.width();
        QCOMPARE(logo.height(), 128 + 7);
        logo.BalkenSetzen(0.3);
        QCOMPARE(logo.BalkenBreite(), static_cast<int>((breite - 2) * 0.3));
        logo.BalkenSetzen(1.0);
        QCOMPARE(logo.BalkenBreite(), breite - 2);
        const QImage bild = logo.grab().toImage();
        QCOMPARE(bild.pixelColor(1, 128 + 3), QColor(Qt::black));
        QSignalSpy ende(&logo, &TLogoForm::BeendenVerlangt);
        QTest::mouseClick(&logo, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(ende.count(), 1);
    }

    void seitenWechsel_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<bool>("aendUndHerst");
        QTest::addColumn<bool>("regel");
        QTest::newRow("1 Auswählen") << 1 << "PaAuswahl" << false << false;
        QTest::newRow("2 Ändern") << 2 << "PaAktion" << true << false;
        QTest::newRow("3 Herstellen") << 3 << "PaAktion" << true << false;
        QTest::newRow("4 Regeln") << 4 << "PaAktion" << false << true;
        QTest::newRow("5 Rückgängig") << 5 << "PaRueck" << false << false;
        QTest::newRow("6 Löschen") << 6 << "PaLoeschenKop" << false << false;
        QTest::newRow("7 Kopieren") << 7 << "PaLoeschenKop" << false << false;
        QTest::newRow("8 Einstellungen") << 8 << "PaEinstellungen" << false << false;
        QTest::newRow("9 Info") << 9 << "PaCopy" << false << false;
    }
    void seitenWechsel()
    {
        QFETCH(int, tab);
        QFETCH(QString, panel);
        QFETCH(bool, aendUndHerst);
        QFETCH(bool, regel);
        auto *reg = m_aa->HauptRegister();
        // Start from another page, so every row really switches.
        tabKlicken(reg, tab == 9 ? 8 : 9);
        tabKlicken(reg, tab);
        QCOMPARE(m_aa->AktuelleSeite, tab);
        QCOMPARE(test::sichtbarePanels(*m_aa, Seitenpanels), QStringList{panel});
        QCOMPARE(m_fenster.teil(QStringLiteral("PaAendUndHerst"))->isVisible(), aendUndHerst);
        QCOMPARE(m_fenster.teil(QStringLiteral("PaRegel"))->isVisible(), regel);
        // The band under the strip has the selected tab's colour.
        QCOMPARE(m_aa->findChild<QWidget *>(QStringLiteral("PaObenAbstand2"))->palette().color(QPalette::Window),
                 reg->Tab(tab).hintergrund);
        if (tab == 6 || tab == 7) {
            QCOMPARE(m_aa->findChild<QWidget *>(QStringLiteral("PaLoeschOben"))->isVisible(), tab == 6);
            QCOMPARE(m_aa->findChild<QWidget *>(QStringLiteral("PaKopieOben"))->isVisible(), tab == 7);
        }
    }

    void listenOhneAuswahlStartenAmAnfang()
    {
        // The page's lists as the change page would hold them, one without a choice.
        auto *li = new QListWidget(m_fenster.teil(QStringLiteral("PaAendUndHerst")));
        li->setObjectName(QStringLiteral("LiAendOben"));
        li->addItems({QStringLiteral("Zeichen ersetzen"), QStringLiteral("Nummerieren")});
        li->setCurrentRow(-1);
        auto *co = new QComboBox(m_fenster.teil(QStringLiteral("PaAendUndHerst")));
        co->setObjectName(QStringLiteral("CoAendernNameFormat"));
        co->addItems({QStringLiteral("Name"), QStringLiteral("Format")});
        co->setCurrentIndex(1);
        tabKlicken(m_aa->HauptRegister(), 2);
        QCOMPARE(li->currentRow(), 0);
        QCOMPARE(co->currentIndex(), 1);
    }

    void vorschauSchalterSteuertDenTimer()
    {
        // The action page asks the window for the automatic preview through its signal.
        tabKlicken(m_aa->HauptRegister(), 2);
        auto *che = m_fenster.teil<QCheckBox>(QStringLiteral("CheVorschauSchalter"));
        QVERIFY(che);
        che->setChecked(true);
        QVERIFY(m_aa->TimerAutoVorschau()->isActive());
        che->setChecked(false);
        QVERIFY(!m_aa->TimerAutoVorschau()->isActive());
        // A page switch stops it as well.
        che->setChecked(true);
        tabKlicken(m_aa->HauptRegister(), 1);
        QVERIFY(!m_aa->TimerAutoVorschau()->isActive());
    }

    void farbSchemaBunt()
    {
        m_aa->RegisterFarbenAnwenden(RegisterFarbSchema::Bunt1);
        auto *reg = m_aa->HauptRegister();
        QCOMPARE(reg->Tab(1).hintergrund, QColor(216, 240, 216));
        QCOMPARE(reg->Tab(4).hintergrund, QColor(240, 240, 208));
        QCOMPARE(reg->Tab(7).hintergrund, QColor(232, 232, 255));
        QCOMPARE(reg->Tab(10).hintergrund, QColor(255, 224, 224));
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(m_fenster.teil<TNxReg>(QStringLiteral("SucheRegister"))->Tab(i).hintergrund, QColor(216, 240, 216));
        tabKlicken(reg, 6);
        QCOMPARE(m_aa->findChild<QWidget *>(QStringLiteral("PaObenAbstand2"))->palette().color(QPalette::Window),
                 QColor(232, 232, 255));
    }

    void suchTabFuenfStartetGesperrt()
    {
        auto *such = m_aa->findChild<TNxReg *>(QStringLiteral("SucheRegister"));
        QVERIFY(such);
        QCOMPARE(such->parentWidget()->objectName(), QStringLiteral("PaSucheRegContainer"));
        QCOMPARE(such->Anzahl(), 5);
        QCOMPARE(such->Tab(5).beschriftung, QStringLiteral("Suche-Ergebnis"));
        QVERIFY(!such->Tab(5).aktiv);
        QCOMPARE(such->Tab(5).markierung, -1);
        QVERIFY(such->Tab(1).fett);
        QVERIFY(!such->Tab(2).fett);
        tabKlicken(such, 5);
        QCOMPARE(such->Aktuell(), 1);
        QCOMPARE(m_aa->AktuelleSuchSeite, 1);
        // An enabled sub-tab switches the sub-page and shows page 1 again.
        tabKlicken(m_aa->HauptRegister(), 3);
        tabKlicken(such, 3);
        QCOMPARE(m_aa->AktuelleSuchSeite, 3);
        QCOMPARE(m_aa->AktuelleSeite, 1);
        QCOMPARE(test::sichtbarePanels(*m_aa, Seitenpanels), QStringList{QStringLiteral("PaAuswahl")});
    }

    void aktionsSchalter_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("sicherheitsfrage");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("farbe");
        QTest::newRow("Ändern mit Frage") << 2 << true << "Ändern ..." << QColor(255, 255, 0);
        QTest::newRow("Ändern ohne Frage") << 2 << false << "Ändern!" << QColor(255, 128, 0);
        QTest::newRow("Herstellen mit Frage") << 3 << true << "Herstellen ..." << QColor(255, 255, 0);
        QTest::newRow("Regel ohne Frage") << 4 << false << "Regel anwenden!" << QColor(255, 128, 0);
    }
    void aktionsSchalter()
    {
        QFETCH(int, tab);
        QFETCH(bool, sicherheitsfrage);
        QFETCH(QString, text);
        QFETCH(QColor, farbe);
        m_aa->Einst().Sicherheitsfrage = sicherheitsfrage;
        tabKlicken(m_aa->HauptRegister(), tab);
        auto *bu = m_aa->findChild<QPushButton *>(QStringLiteral("BuAktion"));
        QVERIFY(bu);
        QCOMPARE(bu->text(), text);
        auto *rahmen = qobject_cast<TSchalterRahmen *>(bu->parentWidget());
        QVERIFY(rahmen);
        QCOMPARE(rahmen->Farbe(), farbe);
        // Disabled until a preview allows the action.
        QVERIFY(!bu->isEnabled());
        QVERIFY(bu->isVisible());
        QVERIFY(rahmen->geometry().right() < rahmen->parentWidget()->width());
    }

    void kontextMenues()
    {
        const QStringList namen = {QStringLiteral("PopA"), QStringLiteral("PopL"), QStringLiteral("PopV"),
                                   QStringLiteral("PopR")};
        for (const QString &n : namen) {
            auto *m = m_aa->findChild<QMenu *>(n);
            QVERIFY2(m, qPrintable(n));
            const QList<QAction *> eintraege = m->actions();
            QCOMPARE(eintraege.first()->text(), QStringLiteral("&dieses Menü abbrechen"));
            QVERIFY(eintraege.first()->isEnabled());
            QVERIFY(eintraege[1]->isSeparator());
        }
        auto *f2 = m_aa->Menue(QStringLiteral("PopA"))->findChild<QAction *>(QStringLiteral("PopA_F2F4"));
        QVERIFY(f2);
        QCOMPARE(f2->text(), QStringLiteral("zuletzt ausgewählter Name: &umbenennen ...   (F2 oder F4)"));
        QVERIFY(!f2->isEnabled());
        auto *leere = m_aa->Menue(QStringLiteral("PopL"))->findChild<QAction *>(QStringLiteral("PopL_LeereLoeschen"));
        QVERIFY(leere);
        QCOMPARE(leere->text(), QStringLiteral("alle leeren Unter-Verzeichnisse löschen ..."));
    }

    void infoSeite()
    {
        tabKlicken(m_aa->HauptRegister(), 9);
        auto *prog = m_aa->findChild<QLabel *>(QStringLiteral("LaCopyProg"));
        QVERIFY(prog && prog->isVisible());
        QCOMPARE(prog->text(), QStringLiteral("Rinolux, Version 2023b"));
        QCOMPARE(m_fenster.teil<QTextEdit>(QStringLiteral("RiCopyL"))->width(), 300);
        QVERIFY(m_fenster.teil<QTextEdit>(QStringLiteral("RiCopyR"))->width() > 300);
        // The web page question is asked at its button and "Nein" opens nothing.
        QString text;
        naechstenDialogBeantworten(&text, QStringLiteral("BuNein"));
        QTest::mouseClick(m_aa->findChild<QPushButton *>(QStringLiteral("BuCopyInternet")), Qt::LeftButton);
        QVERIFY(text.endsWith(QStringLiteral("Soll die Internet-Seite angezeigt werden?")));
    }

    void tastenF2F4()
    {
        QSignalSpy spy(m_aa, &Taa::UmbenennenVerlangt);
        QTest::keyClick(m_fenster.teil(QStringLiteral("PaAuswahlliste")), Qt::Key_F2);
        QTest::keyClick(m_fenster.teil(QStringLiteral("PaAuswahlliste")), Qt::Key_F4);
        QCOMPARE(spy.count(), 2);
        QTest::keyClick(m_fenster.teil(QStringLiteral("PaAuswahlliste")), Qt::Key_F2, Qt::ShiftModifier);
        tabKlicken(m_aa->HauptRegister(), 2);
        QTest::keyClick(m_fenster.teil(QStringLiteral("PaAktion")), Qt::Key_F2);
        QCOMPARE(spy.count(), 2);
    }

    void versteckteTastenfolge()
    {
        QSignalSpy spy(m_aa, &Taa::ExpertenEinstellungenVerlangt);
        const auto drei = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
        QTest::keyClick(m_aa, Qt::Key_X, drei);
        QCOMPARE(spy.count(), 0);
        QTest::keyClick(m_aa, Qt::Key_E, drei);
        QTest::keyClick(m_aa, Qt::Key_Q, drei);
        QTest::keyClick(m_aa, Qt::Key_X, drei);
        QCOMPARE(spy.count(), 0);
        QTest::keyClick(m_aa, Qt::Key_E, drei);
        QTest::keyClick(m_aa, Qt::Key_X, drei);
        QCOMPARE(spy.count(), 1);
    }

    void pfeilTasteAufKontrollkaestchen()
    {
        // Two check boxes as a page would hold them.
        auto *a = new QCheckBox(QStringLiteral("a"), m_fenster.teil(QStringLiteral("PaAendUndHerst")));
        auto *b = new QCheckBox(QStringLiteral("b"), m_fenster.teil(QStringLiteral("PaAendUndHerst")));
        a->move(10, 10);
        b->move(10, 40);
        m_fenster.teil(QStringLiteral("PaAendUndHerst"))->setMinimumHeight(80);
        tabKlicken(m_aa->HauptRegister(), 2);
        QTRY_VERIFY(b->isVisible());
        m_aa->activateWindow();
        a->setFocus();
        QTRY_VERIFY(a->hasFocus());
        QTest::keyClick(a, Qt::Key_Down);
        QVERIFY(b->hasFocus());
        QVERIFY(!a->isChecked());
        QTest::keyClick(b, Qt::Key_Up);
        QVERIFY(a->hasFocus());
        QVERIFY(!b->isChecked());
    }

    void waehrendFortschrittWartenTastenUndTimer()
    {
        QSignalSpy f2(m_aa, &Taa::UmbenennenVerlangt);
        QSignalSpy tick(m_aa, &Taa::AutoVorschauTick);
        m_aa->TimerAutoVorschau()->start();
        m_aa->Fort().FortEin(1, QStringLiteral("aa"));
        QVERIFY(!m_aa->findChild<QWidget *>(QStringLiteral("PaHauptReg"))->isEnabled());
        QVERIFY(!m_fenster.teil(QStringLiteral("PaAuswahl"))->isEnabled());
        QTest::keyClick(m_fenster.teil(QStringLiteral("PaAuswahlliste")), Qt::Key_F2);
        QTest::qWait(450);
        QCOMPARE(f2.count(), 0);
        QCOMPARE(tick.count(), 0);
        m_aa->Fort().FortAus();
        QVERIFY(m_fenster.teil(QStringLiteral("PaAuswahl"))->isEnabled());
        QTest::keyClick(m_fenster.teil(QStringLiteral("PaAuswahlliste")), Qt::Key_F2);
        QCOMPARE(f2.count(), 1);
        QTRY_VERIFY(tick.count() > 0);
        m_aa->TimerAutoVorschau()->stop();
    }

    void schliessenWaehrendFortschrittBrichtErstAb()
    {
        QSignalSpy zu(m_aa, &Taa::Geschlossen);
        m_aa->Fort().FortEin(1, QStringLiteral("aa"));
        m_aa->close();
        QVERIFY(m_aa->isVisible());
        QVERIFY(m_aa->Fort().Abbruch);
        QCOMPARE(zu.count(), 0);
        m_aa->Fort().FortAus();
        QTRY_COMPARE(zu.count(), 1);
        QVERIFY(!m_aa->isVisible());
    }

    // The whole run: start, tab 10, saves. A save that throws does not stop the others,
    // and a save whose load failed is skipped.
    void tabZehnBeendetUndSpeichert()
    {
        m_fenster.fensterWeg();
        ohneStartBild();
        QStringList gespeichert;
        bool lief = false;
        AnzeigeFormAa(nullptr, [&](Taa &aa) {
            aa.Einst().BildBeiStart = false;
            aa.Ablauf().Anmelden(StartSchritt::RegelnLaden, [] { throw std::runtime_error("Regeln kaputt"); });
            aa.Ablauf().Anmelden(EndeSchritt::IniControlsVorStart, [&] {
                gespeichert << QStringLiteral("vor");
                throw std::runtime_error("Platte voll");
            });
            aa.Ablauf().Anmelden(EndeSchritt::Regeln, [&] { gespeichert << QStringLiteral("regeln"); });
            aa.Ablauf().Anmelden(EndeSchritt::SuchUndMerkListe, [&] { gespeichert << QStringLiteral("listen"); });
            aa.Ablauf().Anmelden(EndeSchritt::IniControlsHinterStart, [&] { gespeichert << QStringLiteral("hinter"); });
            imLauf(&aa, [&aa, &lief] {
                lief = aa.isVisible() && aa.AktuelleSeite == 1;
                tabKlicken(aa.HauptRegister(), 10);
            });
        });
        QVERIFY(lief);
        QCOMPARE(gespeichert, (QStringList{QStringLiteral("vor"), QStringLiteral("listen"), QStringLiteral("hinter")}));
    }

    void ausnahmeImSlotMeldetUndSpeichert()
    {
        m_fenster.fensterWeg();
        ohneStartBild();
        QStringList gespeichert;
        QString meldung;
        AnzeigeFormAa(nullptr, [&](Taa &aa) {
            aa.Einst().BildBeiStart = false;
            aa.Ablauf().Anmelden(EndeSchritt::IniControlsVorStart, [&] { gespeichert << QStringLiteral("vor"); });
            aa.Ablauf().Anmelden(EndeSchritt::IniControlsHinterStart, [&] { gespeichert << QStringLiteral("hinter"); });
            imLauf(&aa, [] { throw std::runtime_error("kaputt in <b>a.txt</b><#>"); });
            naechstenDialogBeantworten(&meldung);
        });
        QVERIFY2(meldung.startsWith(QStringLiteral("Ein zu großer Fehler ist passiert. Die Ursache ist unbekannt. "
                                                   "Das Programm wird beendet.")),
                 qPrintable(meldung));
        QVERIFY2(meldung.contains(QStringLiteral("kaputt in <b>a.txt</b><#>")), qPrintable(meldung));
        QCOMPARE(gespeichert, (QStringList{QStringLiteral("vor"), QStringLiteral("hinter")}));
    }

private:
    // Runs fn once the event loop runs, never inside a processEvents of the start-up
    // (however long the start takes).
    static void imLauf(QObject *ziel, std::function<void()> fn)
    {
        auto *t = new QTimer(ziel);
        t->setInterval(10);
        QObject::connect(t, &QTimer::timeout, ziel, [t, fn] {
            if (QThread::currentThread()->loopLevel() == 0)
                return;
            t->stop();
            t->deleteLater();
            fn();
        });
        t->start();
    }

    // The stored settings say: no start picture (the start reads them from the early file).
    static void ohneStartBild()
    {
        QVERIFY(ProgPfadAnlegen());
        ZustandsDatei d = ZustandsDatei::VorStart(QRect(0, 0, 1024, 768));
        d.FlagSetzen(u"CheBildBeiStart", 0);
        QVERIFY(d.Schreiben(ZustandVorStartPfad()));
    }

    test::FensterFixture m_fenster;
    Taa *m_aa = nullptr;
};

int main(int argc, char **argv)
{
    // The program's own application class: an exception in a slot is reported, not fatal.
    return rinolux::test::WidgetTestMain<HauptfensterTest, RinoluxAnwendung>(argc, argv);
}

#include "HauptfensterTest.moc"
