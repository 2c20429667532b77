#include "core/engine/RegelListe.h"
#include "core/engine/sub_Aktion_Vorschau.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Prozess.h"
#include "gui/app/Ablauf.h"
#include "gui/app/Form_Anfang.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/controls/TNxTabCombo.h"
#include "gui/controls/nx_Register.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/pages/AktionsSeite.h"
#include "gui/pages/AuswahlSeite.h"
#include "gui/support/FensterFixture.h"
#include "gui/support/WidgetTest.h"
#include "support/TestUmgebung.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace rinolux;

// The preview on the action pages in the main window: the button, the stale state, the
// automatic preview after the idle seconds, the progress display of a large preview, the
// error navigation and the arrangement of the page.
class VorschauSeiteTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        test::XdgUmleiten();
        QVERIFY(ProgPfadAnlegen());
        m_tmp = std::make_unique<test::TestVerzeichnis>();
        for (const char *n : {"a b.txt", "c d.txt", "Ä ö.txt"})
            m_tmp->dateiSchreiben(QString::fromUtf8(n), n);
        m_fenster.fensterAnlegen(QSize(1000, 700), true);
        QVERIFY(m_fenster.aa().Ablauf().Ausfuehren(StartSchritt::RegelnLaden));
        m_bedienung = m_fenster.aa().SeiteVon<TAuswahlSeite>()->Liste();
        m_bedienung->VerzeichnisListen(m_tmp->pfad());
        QCOMPARE(m_bedienung->Daten().Anzahl(), 3);
        alleMarkieren();
        m_seite = m_fenster.aa().SeiteVon<TAktionsSeite>();
        m_buAktion = m_fenster.teil<QPushButton>(QStringLiteral("BuAktion"));
        m_buVorschau = m_fenster.teil<QPushButton>(QStringLiteral("BuVorschauSchalter"));
        m_label = m_fenster.teil<QLabel>(QStringLiteral("LaVorschauFehler"));
        m_vliste = m_fenster.teil<TNxRotListe>(QStringLiteral("VListe"));
        QVERIFY(m_seite && m_buAktion && m_buVorschau && m_label && m_vliste);
    }
    void cleanup()
    {
        m_fenster.fensterWeg();
        m_tmp.reset();
    }

    // A stored rule is previewed for the marked names; any change makes it stale again.
    void vorschauUndVeralten()
    {
        regelWaehlen(QStringLiteral("Ändern: alle Leerzeichen durch _ ersetzen"));
        QVERIFY(!m_buAktion->isEnabled());
        QCOMPARE(m_label->text(), VorschauVeraltetText);

        QTest::mouseClick(m_buVorschau, Qt::LeftButton);

        const ListenDaten &v = m_vliste->Daten();
        QCOMPARE(v.Anzahl(), 3);
        QStringList neu;
        for (int z = 1; z <= v.Anzahl(); ++z)
            neu << v.Zelle(z, VZelle::NeuName);
        neu.sort();
        QCOMPARE(neu, (QStringList{QStringLiteral("a_b.txt"), QStringLiteral("c_d.txt"), QStringLiteral("Ä_ö.txt")}));
        QCOMPARE(m_label->text(), QStringLiteral("Alle 3 können geändert werden. ->"));
        QCOMPARE(m_label->palette().color(QPalette::Window), QColor(204, 255, 204));
        QVERIFY(m_buAktion->isEnabled());
        QVERIFY(m_vliste->Spalte(VZelle::NeuName).sichtbar && m_vliste->Spalte(VZelle::Ergebnis).sichtbar);
        QVERIFY(!m_vliste->Spalte(VZelle::NeuZeit).sichtbar);

        regelWaehlen(QStringLiteral("Ändern: alle Leerzeichen durch - ersetzen"));
        QVERIFY(!m_buAktion->isEnabled());
        QCOMPARE(m_label->text(), VorschauVeraltetText);
        for (int z = 1; z <= v.Anzahl(); ++z) {
            QCOMPARE(v.Zelle(z, VZelle::Ergebnis), VorschauVeraltetText);
            QVERIFY(v.Warn(z));
        }
    }

    void ohneAuswahl()
    {
        m_bedienung->Daten().AlleMarkieren(false);
        regelWaehlen(QStringLiteral("Ändern: alle Leerzeichen durch _ ersetzen"));
        QCOMPARE(m_label->text(), QStringLiteral("Auf der Seite [Auswählen] muss mindestens ein Name ausgewählt sein."));
        QTest::mouseClick(m_buVorschau, Qt::LeftButton);
        QCOMPARE(m_vliste->Daten().Anzahl(), 0);
        QVERIFY(!m_buAktion->isEnabled());
    }

    // Carrying a stored rule out changes the disk; afterwards the preview is stale and its
    // rows are made from the renamed entries.
    void regelAnwenden()
    {
        m_fenster.aa().Einst().Sicherheitsfrage = false;
        regelWaehlen(QStringLiteral("Ändern: alle Leerzeichen durch _ ersetzen"));
        QTest::mouseClick(m_buVorschau, Qt::LeftButton);
        QVERIFY(m_buAktion->isEnabled());
        QTest::mouseClick(m_buAktion, Qt::LeftButton);
        for (const char *n : {"a_b.txt", "c_d.txt", "Ä_ö.txt"})
            QVERIFY2(QFileInfo::exists(m_tmp->pfad(QString::fromUtf8(n))), n);
        QVERIFY(!QFileInfo::exists(m_tmp->pfad(QStringLiteral("a b.txt"))));
        QVERIFY(!m_buAktion->isEnabled());
        QCOMPARE(m_label->text(), VorschauVeraltetText);
        QStringList alt;
        for (int z = 1; z <= m_vliste->Daten().Anzahl(); ++z)
            alt << m_vliste->Daten().Zelle(z, VZelle::Name);
        alt.sort();
        QCOMPARE(alt, (QStringList{QStringLiteral("a_b.txt"), QStringLiteral("c_d.txt"), QStringLiteral("Ä_ö.txt")}));
        QCOMPARE(m_fenster.aa().Rueck().anzahl(), 1);
        QCOMPARE(m_fenster.aa().Rueck().eintrag(1).beschreibung,
                 QStringLiteral("Regeln: Ändern: alle Leerzeichen durch _ ersetzen"));
    }

    // The automatic preview runs once, about VorschauSekunden after the last input that
    // followed the change, and not for more marked names than the limit allows.
    void autoVorschau_data()
    {
        QTest::addColumn<bool>("begrenzt");
        QTest::addColumn<int>("grenze");
        QTest::addColumn<bool>("laeuft");
        QTest::newRow("ohne Grenze") << false << 1 << true;
        QTest::newRow("unter der Grenze") << true << 4 << true;
        QTest::newRow("an der Grenze") << true << 3 << false;
    }
    void autoVorschau()
    {
        QFETCH(bool, begrenzt);
        QFETCH(int, grenze);
        QFETCH(bool, laeuft);
        Taa &aa = m_fenster.aa();
        // The clock lives as long as the window: every event until cleanup reads it.
        qint64 &jetzt = m_jetzt;
        jetzt = 100000;
        aa.UhrSetzen([this] { return m_jetzt; });
        aa.Einst().VorschauSekunden = 3;
        aa.Einst().VorschauAnzahlBegrenzt = begrenzt;
        aa.Einst().VorschauAnzahl = grenze;
        aa.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&aa));
        m_fenster.teil<QCheckBox>(QStringLiteral("CheVorschauSchalter"))->setChecked(true);
        QSignalSpy gezeigt(m_seite, &TAktionsSeite::VorschauGezeigt);

        regelWaehlen(QStringLiteral("Ändern: alle Leerzeichen durch _ ersetzen"));
        const qint64 wahl = jetzt; // the click that chose the rule is the last input
        QVERIFY(aa.TimerAutoVorschau()->isActive());
        jetzt = wahl + 2000;
        QTest::qWait(500);
        QCOMPARE(gezeigt.count(), 0);
        // A key press later on postpones it: 3.5 s after the choice is 1.5 s after the key.
        QTest::keyClick(m_vliste, Qt::Key_Down);
        jetzt = wahl + 3500;
        QTest::qWait(500);
        QCOMPARE(gezeigt.count(), 0);
        jetzt = wahl + 2000 + 3001;
        if (laeuft) {
            QTRY_COMPARE_WITH_TIMEOUT(gezeigt.count(), 1, 2000);
            QVERIFY(!aa.TimerAutoVorschau()->isActive());
            QCOMPARE(m_label->text(), QStringLiteral("Alle 3 können geändert werden. ->"));
            jetzt += 10000;
            QTest::qWait(500);
            QCOMPARE(gezeigt.count(), 1);
        } else {
            QTest::qWait(600);
            QCOMPARE(gezeigt.count(), 0);
            QCOMPARE(m_label->text(), VorschauVeraltetText);
        }
    }

    // More than 1,999 rows show the progress display, whose "Abbrechen" stops the preview.
    void grosseVorschauAbbrechen()
    {
        ListenDaten &a = m_bedienung->Daten();
        a.Leeren();
        const int n = 2500;
        a.ZeilenAnhaengen(n);
        for (int z = 1; z <= n; ++z) {
            a.ZelleSetzen(z, AZelle::Pfad, m_tmp->pfad());
            a.ZelleSetzen(z, AZelle::Name, QStringLiteral("Datei %1.txt").arg(z));
            a.MarkSetzen(z, true);
        }
        a.ReihenfolgeIdentitaet();
        bool gesehen = false;
        QTimer abbrecher;
        abbrecher.setInterval(0);
        connect(&abbrecher, &QTimer::timeout, this, [this, &gesehen] {
            auto *b = m_fenster.teil<QPushButton>(QStringLiteral("BuFortAbbrechen"));
            auto *panel = m_fenster.teil<QWidget>(QStringLiteral("PaFortschritt"));
            if (b && panel && panel->isVisible() && b->isEnabled()) {
                gesehen = true;
                b->click();
            }
        });
        regelWaehlen(QStringLiteral("Ändern: alle Leerzeichen durch _ ersetzen"));
        abbrecher.start();
        QTest::mouseClick(m_buVorschau, Qt::LeftButton);
        abbrecher.stop();

        QVERIFY(gesehen);
        const ListenDaten &v = m_vliste->Daten();
        QCOMPARE(v.Anzahl(), n);
        QCOMPARE(v.Zelle(n, VZelle::Ergebnis), VorschauAbgebrochenText);
        QVERIFY(v.Warn(1) && v.Warn(n));
        QCOMPARE(m_label->text(), QStringLiteral("Keine kann geändert werden. Alle 2.500 sind fehlerhaft."));
        QVERIFY(!m_buAktion->isEnabled());
        QVERIFY(!m_fenster.teil<QWidget>(QStringLiteral("PaFortschritt"))->isVisible());
    }

    // "Vorschau-Fehler finden" goes to the next error row and wraps at either end.
    void fehlerSprung()
    {
        // "a b.txt" and "a_b.txt" both become "a_b.txt": two error rows out of four.
        m_tmp->dateiSchreiben(QStringLiteral("a_b.txt"), "x");
        m_bedienung->VerzeichnisListen(m_tmp->pfad());
        alleMarkieren();
        regelWaehlen(QStringLiteral("Ändern: alle Leerzeichen durch _ ersetzen"));
        QTest::mouseClick(m_buVorschau, Qt::LeftButton);
        ListenDaten &v = m_vliste->Daten();
        QList<int> fehler;
        for (int p = 1; p <= v.Anzahl(); ++p)
            if (v.Warn(v.ZeileAn(p)))
                fehler << p;
        QCOMPARE(fehler.size(), 2);
        QMenu *popV = m_fenster.aa().Menue(QStringLiteral("PopV"));
        QVERIFY(popV);
        QAction *plus = popV->findChild<QAction *>(QStringLiteral("PopV_FehlerSprungPlus"));
        QAction *minus = popV->findChild<QAction *>(QStringLiteral("PopV_FehlerSprungMinus"));
        QVERIFY(plus && minus && plus->isEnabled() && minus->isEnabled());
        v.AktPositionSetzen(fehler.last());
        plus->trigger();
        QCOMPARE(v.AktPosition(), fehler.first());
        minus->trigger();
        QCOMPARE(v.AktPosition(), fehler.last());
        plus->trigger();
        QCOMPARE(v.AktPosition(), fehler.first());
    }

    void anordnung_data()
    {
        QTest::addColumn<int>("anordnung");
        QTest::addColumn<QStringList>("folge");
        const QString l = QStringLiteral("PanelListeVorschau");
        const QString s = QStringLiteral("PaVorschauSchalter");
        const QString e = QStringLiteral("PaAktionEingabe");
        QTest::newRow("L-E=S") << 1 << QStringList{l, e, s};
        QTest::newRow("L-S=E") << 2 << QStringList{l, s, e};
        QTest::newRow("E-S=L") << 3 << QStringList{e, s, l};
    }
    void anordnung()
    {
        QFETCH(int, anordnung);
        QFETCH(QStringList, folge);
        m_fenster.aa().Einst().VorschauAnordnung = anordnung;
        test::tabKlicken(m_fenster.aa().HauptRegister(), 3);
        const auto vonOben = [&] {
            QList<std::pair<int, QString>> y;
            for (const QString &name : folge) {
                auto *w = m_fenster.teil<QWidget>(name);
                if (w && w->isVisible())
                    y.append({w->mapTo(m_seite, QPoint(0, 0)).y(), name});
            }
            std::sort(y.begin(), y.end());
            QStringList namen;
            for (const auto &p : y)
                namen << p.second;
            return namen;
        };
        QTRY_COMPARE(vonOben(), folge);
        // The list takes the height the other two leave.
        QVERIFY(m_fenster.teil<QWidget>(QStringLiteral("PanelListeVorschau"))->height() > 100);
    }

    // Headers and cells of the lists can be read at their first width.
    void spaltenBreiten()
    {
        TNxRotListe *aliste = m_bedienung->Liste();
        const QFontMetrics fm(aliste->font());
        const QString zeit = nxZelleAnzeige(SpaltenTyp::Zeit, QStringLiteral("20240918_235959_000_3"));
        for (const int s : {AZelle::ZeitH, AZelle::ZeitA, AZelle::ZeitZ})
            QVERIFY2(aliste->Spalte(s).breite >= fm.horizontalAdvance(zeit) + 6, qPrintable(QString::number(s)));
        QVERIFY(aliste->Spalte(AZelle::Format).breite >= fm.horizontalAdvance(QStringLiteral("markdown")) + 6);
        for (int s = 1; s <= aliste->SpaltenAnzahl(); ++s)
            QVERIFY2(aliste->Spalte(s).breite >= fm.horizontalAdvance(aliste->Spalte(s).titel),
                     qPrintable(aliste->Spalte(s).titel));
        const QFontMetrics vm(m_vliste->font());
        for (int s = 1; s <= m_vliste->SpaltenAnzahl(); ++s)
            QVERIFY2(m_vliste->Spalte(s).breite >= vm.horizontalAdvance(m_vliste->Spalte(s).titel),
                     qPrintable(m_vliste->Spalte(s).titel));
        QVERIFY(m_vliste->Spalte(VZelle::NeuZeit).breite >= vm.horizontalAdvance(zeit) + 6);
    }

    // The main job from start to end: list a directory, mark three of its files, compose
    // "Zeichen ersetzen" of blanks by "_", preview, carry out, undo on the page Rückgängig.
    void aendernDurchfuehrenUndRueckgaengig()
    {
        m_tmp->dateiSchreiben(QStringLiteral("x y.txt"), "nicht markiert");
        m_bedienung->VerzeichnisListen(m_tmp->pfad());
        ListenDaten &a = m_bedienung->Daten();
        QCOMPARE(a.Anzahl(), 4);
        for (int z = 1; z <= a.Anzahl(); ++z)
            a.MarkSetzen(z, a.Zelle(z, AZelle::Name) != u"x y.txt");
        QCOMPARE(a.MarkiertAnzahl(), 3);

        test::tabKlicken(m_fenster.aa().HauptRegister(), 2);
        listeKlicken(QStringLiteral("LiAendOben"), QStringLiteral("Zeichen ersetzen"));
        listeKlicken(QStringLiteral("LiAendUnten6"), QStringLiteral("Zeichen oder Wörter"));
        tabelleWaehlen(QStringLiteral("Bis"), 2, 1);
        tabelleWaehlen(QStringLiteral("S"), 7, 2);
        // The word item of the part combo asks for the user word: a blank in slot 1.
        auto *was = m_fenster.teil<QComboBox>(QStringLiteral("CoTeilstueckWas"));
        QVERIFY(was && was->isVisible());
        bool gefragt = false;
        QTimer::singleShot(50, this, [&gefragt] {
            auto *tbb = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!tbb || tbb->objectName() != u"Tbb")
                return;
            gefragt = true;
            tbb->findChild<QLineEdit *>(QStringLiteral("BenutzerWoerterEdit1"))->setText(QStringLiteral(" "));
            tbb->findChild<QPushButton *>(QStringLiteral("BuBenutzerWortOK1"))->click();
        });
        was->setCurrentIndex(1);
        Q_EMIT was->activated(1);
        QVERIFY(gefragt);
        auto *ersetzen = m_fenster.teil<QLineEdit>(QStringLiteral("EdEersetzen"));
        QVERIFY(ersetzen && ersetzen->isVisible());
        ersetzen->clear();
        QTest::keyClicks(ersetzen, QStringLiteral("_"));
        QCOMPARE(m_seite->RegelCodeDerSeite(2).split(u'\t').mid(0, 2), (QStringList{QStringLiteral("1"), QStringLiteral("225")}));
        QVERIFY(!m_buAktion->isEnabled());

        QTest::mouseClick(m_buVorschau, Qt::LeftButton);
        QCOMPARE(m_label->text(), QStringLiteral("Alle 3 können geändert werden. ->"));
        QVERIFY(m_buAktion->isEnabled());

        m_fenster.aa().Einst().Sicherheitsfrage = true;
        QString frage;
        test::naechstenDialogBeantworten(&frage, QStringLiteral("BuJa"));
        QTest::mouseClick(m_buAktion, Qt::LeftButton);
        QVERIFY2(frage.contains(QStringLiteral("Alle 3 sollen geändert werden.")) && frage.endsWith(QStringLiteral("WIRKLICH?")),
                 qPrintable(frage));
        // In code point order, as dateien() sorts them.
        const QStringList neu{QStringLiteral("a_b.txt"), QStringLiteral("c_d.txt"), QStringLiteral("x y.txt"),
                              QStringLiteral("Ä_ö.txt")};
        const QStringList alt{QStringLiteral("a b.txt"), QStringLiteral("c d.txt"), QStringLiteral("x y.txt"),
                              QStringLiteral("Ä ö.txt")};
        QCOMPARE(dateien(), neu);
        QVERIFY(!m_buAktion->isEnabled());

        test::tabKlicken(m_fenster.aa().HauptRegister(), 5);
        auto *index = m_fenster.teil<TNxRotListe>(QStringLiteral("RueckIndexListe"));
        QVERIFY(index);
        QCOMPARE(index->Daten().Anzahl(), 1);
        QTest::mouseClick(index->viewport(), Qt::LeftButton, Qt::NoModifier, index->ZellenRechteck(1, 2).center());
        auto *ok = m_fenster.teil<QPushButton>(QStringLiteral("BuRueckOK"));
        QVERIFY(ok && ok->isEnabled());
        test::naechstenDialogBeantworten(nullptr, QStringLiteral("BuJa"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(dateien(), alt);
    }

private:
    QStringList dateien() const
    {
        QStringList namen = QDir(m_tmp->pfad()).entryList(QDir::Files);
        namen.sort();
        return namen;
    }
    void listeKlicken(const QString &liste, const QString &eintrag)
    {
        auto *l = m_fenster.teil<QListWidget>(liste);
        QVERIFY(l && l->isVisible());
        const QList<QListWidgetItem *> treffer = l->findItems(eintrag, Qt::MatchExactly);
        QCOMPARE(treffer.size(), 1);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(treffer.first()).center());
        QCOMPARE(l->currentItem(), treffer.first());
    }
    // Opens the position field's table and presses its cell.
    void tabelleWaehlen(const QString &feld, int zeile, int zahl)
    {
        auto *f = m_fenster.teil<TNxTabCombo>(QStringLiteral("PaTabellenCombo") + feld);
        QVERIFY(f && f->isVisible());
        QTest::mouseClick(f, Qt::LeftButton, {}, QPoint(5, f->height() / 2));
        QVERIFY(f->Offen());
        TNxTabTabelle *t = f->Tabelle();
        const QPoint p = t->ZellenRechteck(zeile, zahl).center();
        QMouseEvent bewegt(QEvent::MouseMove, p, t->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(t, &bewegt);
        QTest::mouseClick(t, Qt::LeftButton, {}, p);
        QCOMPARE(f->Zeile(), zeile);
        QCOMPARE(f->Zahl(), zahl);
    }
    void alleMarkieren()
    {
        m_bedienung->Daten().AlleMarkieren(true);
    }
    void regelWaehlen(const QString &beschreibung)
    {
        test::tabKlicken(m_fenster.aa().HauptRegister(), 4);
        auto *li = m_fenster.teil<QListWidget>(QStringLiteral("LiRegelAktion"));
        QVERIFY(li && li->isVisible());
        const QList<QListWidgetItem *> treffer = li->findItems(beschreibung, Qt::MatchExactly);
        QCOMPARE(treffer.size(), 1);
        li->scrollToItem(treffer.first());
        QTest::mouseClick(li->viewport(), Qt::LeftButton, Qt::NoModifier, li->visualItemRect(treffer.first()).center());
        QCOMPARE(li->currentItem(), treffer.first());
    }

    test::FensterFixture m_fenster;
    std::unique_ptr<test::TestVerzeichnis> m_tmp;
    AListeBedienung *m_bedienung = nullptr;
    TAktionsSeite *m_seite = nullptr;
    QPushButton *m_buAktion = nullptr;
    QPushButton *m_buVorschau = nullptr;
    QLabel *m_label = nullptr;
    TNxRotListe *m_vliste = nullptr;
    qint64 m_jetzt = 0;
};

RINOLUX_WIDGET_TEST_MAIN(VorschauSeiteTest)
#include "VorschauSeiteTest.moc"
