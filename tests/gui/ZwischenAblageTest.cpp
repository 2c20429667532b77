#include "core/actions/RueckListe.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Fortschritt.h"
#include "core/shell/Prozess.h"
#include "gui/app/Form_Anfang.h"
#include "gui/controls/TNxBaum.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/controls/nx_Register.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/pages/AktionsSeite.h"
#include "gui/pages/AuswahlSeite.h"
#include "gui/pages/Form_ZAblage.h"
#include "gui/pages/RueckSeite.h"
#include "gui/support/FensterFixture.h"
#include "gui/support/WidgetTest.h"
#include "support/TestUmgebung.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace rinolux;

namespace {

// Does `arbeit` with the next modal form of that name as soon as it shows.
void naechsteForm(const QString &name, std::function<void(QDialog *)> arbeit)
{
    QTimer::singleShot(10, qApp, [name, arbeit] {
        auto *form = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!form || form->objectName() != name) {
            naechsteForm(name, arbeit);
            return;
        }
        arbeit(form);
    });
}

void klicken(QDialog *form, const QString &schalter)
{
    auto *b = form->findChild<QAbstractButton *>(schalter);
    QVERIFY2(b, qPrintable(schalter));
    b->click();
}

// One column after another: tab k of the strip gets the k-th item.
void spaltenWaehlen(Tzg *form, const QList<int> &punkte)
{
    for (int k = 0; k < punkte.size(); ++k) {
        form->Register()->AktuellSetzen(k + 1);
        if (punkte[k] > 0)
            form->PunktWaehlen(punkte[k]);
    }
}

const QString Vorher = QStringLiteral("vorher in der Zwischenablage");

} // namespace

// The clipboard entries of the lists in the main window: the small and the large form on
// the selection list, the tree, the undo list and the preview; cancelling keeps the
// clipboard as it was.
class ZwischenAblageTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        test::XdgUmleiten();
        QVERIFY(ProgPfadAnlegen());
        m_tmp = std::make_unique<test::TestVerzeichnis>();
        m_tmp->dateiSchreiben(QStringLiteral("a.txt"), QByteArray(1500, 'a'));
        m_tmp->dateiSchreiben(QStringLiteral("b.tar.gz"), QByteArray());
        m_tmp->dateiSchreiben(QStringLiteral("c"), QByteArray(12, 'c'));
        m_fenster.fensterAnlegen(QSize(1000, 700), true);
        m_bedienung = m_fenster.aa().SeiteVon<TAuswahlSeite>()->Liste();
        QVERIFY(m_bedienung);
        m_bedienung->VerzeichnisListen(m_tmp->pfad());
        ListenDaten &d = m_bedienung->Daten();
        QCOMPARE(d.Anzahl(), 3);
        for (int p = 1; p <= 3; ++p) {
            const int z = d.ZeileAn(p);
            d.MarkSetzen(z, d.Zelle(z, AZelle::Name) != QStringLiteral("c"));
        }
        QCOMPARE(d.Zelle(d.ZeileAn(1), AZelle::Name), QStringLiteral("a.txt"));
        QCOMPARE(d.Zelle(d.ZeileAn(3), AZelle::Name), QStringLiteral("c"));
        QApplication::clipboard()->setText(Vorher);
    }
    void cleanup()
    {
        m_fenster.fensterWeg();
        m_tmp.reset();
    }

    void kleineFormAufDerAuswahlListe_data()
    {
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<int>("knopf");
        QTest::addColumn<QString>("text");
        // The paths differ from run to run: "P" stands for the list's directory.
        QTest::newRow("Pfad/Name.Format von allen") << "PopA_PNF" << 1 << "P/a.txt\nP/b.tar.gz\nP/c\n";
        QTest::newRow("Name.Format von den ausgewählten") << "PopA_NF" << 2 << "a.txt\nb.tar.gz\n";
        QTest::newRow("Name von den nicht-ausgewählten") << "PopA_N" << 3 << "c\n";
        QTest::newRow("von allen: Pfad/Name.Format") << "PopA_alle" << 1 << "P/a.txt\nP/b.tar.gz\nP/c\n";
        QTest::newRow("von den ausgewählten: Name.Format") << "PopA_aus" << 2 << "a.txt\nb.tar.gz\n";
        QTest::newRow("von den nicht-ausgewählten: Name") << "PopA_NichtAus" << 3 << "c\n";
        QTest::newRow("von allen: Name") << "PopA_alle" << 3 << "a\nb.tar\nc\n";
    }
    void kleineFormAufDerAuswahlListe()
    {
        QFETCH(QString, eintrag);
        QFETCH(int, knopf);
        QFETCH(QString, text);
        text.replace(QStringLiteral("P/"), m_tmp->pfad());
        QString beschriftung;
        naechsteForm(QStringLiteral("zk"), [&](QDialog *form) {
            auto *b = form->findChild<QPushButton *>(QStringLiteral("BuZAKlein") + QString::number(knopf));
            QVERIFY(b && !b->isHidden());
            beschriftung = b->text();
            b->click();
        });
        popA(eintrag)->trigger();
        QCOMPARE(QApplication::clipboard()->text(), text);
        QVERIFY(!beschriftung.contains(u'\\'));
    }

    void grosseFormAufDerAuswahlListe_data()
    {
        QTest::addColumn<QList<int>>("spalten");
        QTest::addColumn<bool>("ueberschrift");
        QTest::addColumn<QString>("zeilen");
        QTest::addColumn<QString>("trenner");
        QTest::addColumn<QString>("text");
        QTest::newRow("Name.Format und Bytes mit Überschrift")
            << QList<int>{3, 6} << true << "RaZeilenAlle"
            << "RaTrennTab"
            << "Name.Format (Name mit Format)\tBytes (ohne "
               "Tausender-Punkte)\na.txt\t1500\nb.tar.gz\t0\nc\t12\n";
        QTest::newRow("leere Spalte dazwischen, eigener Trenner, ausgewählte")
            << QList<int>{4, 0, 7} << false << "RaZeilenAusgewaehlte"
            << "RaTrennEigen"
            << "a;;1.500\nb.tar;;0\n";
        QTest::newRow("Nummern, Zeilenschaltung, nicht-ausgewählte")
            << QList<int>{12, 13, 5} << true << "RaZeilenNichtAusgewaehlte"
            << "RaTrennZeile"
            << "Nummer der Zeile in der Auswahl-Liste\nfortlaufende Nummer im Text für die "
               "Zwischenablage\nFormat\n"
               "3\n1\n\n";
        QTest::newRow("Pfad, Leerzeichen") << QList<int>{2, 5} << false << "RaZeilenAusgewaehlte"
                                           << "RaTrennLeer"
                                           << "P txt\nP gz\n";
    }
    void grosseFormAufDerAuswahlListe()
    {
        QFETCH(QList<int>, spalten);
        QFETCH(bool, ueberschrift);
        QFETCH(QString, zeilen);
        QFETCH(QString, trenner);
        QFETCH(QString, text);
        text.replace(QStringLiteral("P "), m_tmp->pfad() + u' ');
        naechsteForm(QStringLiteral("zg"), [&](QDialog *d) {
            auto *form = static_cast<Tzg *>(d);
            auto *ok = form->findChild<QPushButton *>(QStringLiteral("UntenOKSchalter"));
            QVERIFY(!ok->isEnabled());
            spaltenWaehlen(form, spalten);
            QVERIFY(ok->isEnabled());
            klicken(form, ueberschrift ? QStringLiteral("RaMitUeberschrift")
                                       : QStringLiteral("RaOhneUeberschrift"));
            klicken(form, zeilen);
            klicken(form, trenner);
            ok->click();
        });
        popA(QStringLiteral("PopA_Inhalte"))->trigger();
        QCOMPARE(QApplication::clipboard()->text(), text);
    }

    // A click in the list gives the current tab its item; dragging one tab onto another
    // swaps their columns; "Schnell-Auswahl" replaces them all.
    void listeRegisterUndSchnellAuswahl()
    {
        QString ersteZeile;
        QString zweiteZeile;
        QString nachZiehen;
        naechsteForm(QStringLiteral("zg"), [&](QDialog *d) {
            auto *form = static_cast<Tzg *>(d);
            TNxRotListe *liste = form->Liste();
            TNxReg *reg = form->Register();
            QCOMPARE(reg->Tab(1).beschriftung, QStringLiteral("1. Information"));
            QCOMPARE(reg->Tab(2).beschriftung, QStringLiteral("2."));
            QCOMPARE(liste->Daten().Anzahl(), 13);
            // Item 4 ("Name ohne Format") shows on line 4 of the list.
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->ZellenRechteck(4, 1).center());
            QCOMPARE(reg->Tab(1).markierung, 1);
            reg->AktuellSetzen(2);
            form->PunktWaehlen(6);
            QCOMPARE(liste->Daten().AktPosition(), 6);
            reg->AktuellSetzen(1);
            QCOMPARE(liste->Daten().AktPosition(), 4);
            // Drag tab 2 onto tab 1.
            const QPoint start = reg->TabRechteck(2).center();
            const QRect ziel = reg->TabRechteck(1);
            const QPoint ende(ziel.left() + ziel.width() / 4, ziel.center().y());
            QTest::mousePress(reg, Qt::LeftButton, {}, start);
            QMouseEvent weg(QEvent::MouseMove, QPointF(start - QPoint(25, 0)),
                            reg->mapToGlobal(QPointF(start - QPoint(25, 0))), Qt::NoButton, Qt::LeftButton,
                            Qt::NoModifier);
            QApplication::sendEvent(reg, &weg);
            QMouseEvent hin(QEvent::MouseMove, QPointF(ende), reg->mapToGlobal(QPointF(ende)), Qt::NoButton,
                            Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(reg, &hin);
            QTest::mouseRelease(reg, Qt::LeftButton, {}, ende);
            QCOMPARE(reg->Tab(1).beschriftung, QStringLiteral("1. Information"));
            QCOMPARE(reg->Tab(2).beschriftung, QStringLiteral("2."));
            klicken(form, QStringLiteral("RaOhneUeberschrift"));
            klicken(form, QStringLiteral("UntenOKSchalter"));
        });
        popA(QStringLiteral("PopA_Inhalte"))->trigger();
        nachZiehen = QApplication::clipboard()->text();
        QCOMPARE(nachZiehen, QStringLiteral("1500\ta\n0\tb.tar\n12\tc\n"));

        naechsteForm(QStringLiteral("zg"), [&](QDialog *d) {
            auto *form = static_cast<Tzg *>(d);
            klicken(form, QStringLiteral("RaOhneUeberschrift"));
            klicken(form, QStringLiteral("RaZeilenNichtAusgewaehlte"));
            klicken(form, QStringLiteral("BuSchnellAuswahl"));
            QVERIFY(form->findChild<QRadioButton *>(QStringLiteral("RaMitUeberschrift"))->isChecked());
            klicken(form, QStringLiteral("UntenOKSchalter"));
        });
        popA(QStringLiteral("PopA_Inhalte"))->trigger();
        const QStringList z = QApplication::clipboard()->text().split(u'\n');
        QCOMPARE(z.size(), 5);
        QCOMPARE(z[0], QStringLiteral(
                           "Pfad\tName.Format (Name mit Format)\tBytes (ohne Tausender-Punkte)\tAttribute\t"
                           "Herstellungs-Zeit\tÄnderungs-Zeit\tZugriffs-Zeit"));
        ersteZeile = z[1];
        zweiteZeile = z[3];
        QVERIFY2(ersteZeile.startsWith(m_tmp->pfad() + QStringLiteral("\ta.txt\t1500\t")),
                 qPrintable(ersteZeile));
        QCOMPARE(zweiteZeile.split(u'\t').size(), 7);
        QVERIFY(!QApplication::clipboard()->text().contains(u'\r'));
    }

    // Neither a cancelled form nor a cancelled export changes the clipboard.
    void abbrechenLaesstDieZwischenablage()
    {
        naechsteForm(QStringLiteral("zk"),
                     [](QDialog *form) { klicken(form, QStringLiteral("BuZAKleinAbbrechen")); });
        popA(QStringLiteral("PopA_PNF"))->trigger();
        QCOMPARE(QApplication::clipboard()->text(), Vorher);

        naechsteForm(QStringLiteral("zg"), [](QDialog *d) {
            auto *form = static_cast<Tzg *>(d);
            form->SchnellAuswahl();
            klicken(form, QStringLiteral("UntenAbbrechenSchalter"));
            QCOMPARE(form->Info().zeilen, ZAZeilen::FormOffen);
        });
        popA(QStringLiteral("PopA_Inhalte"))->trigger();
        QCOMPARE(QApplication::clipboard()->text(), Vorher);

        // A long list, and the progress display's cancel pressed during the export.
        ListenDaten gross;
        nxAuswahlListeVorbereiten(gross);
        const int erste = gross.ZeilenAnhaengen(5000);
        for (int z = erste; z < erste + 5000; ++z)
            gross.ZelleSetzen(z, AZelle::Name, QStringLiteral("n.txt"));
        ZAQuelle q;
        q.liste = &gross;
        for (const bool klein : {true, false}) {
            AbbruchBeiSchritt fort(2);
            if (klein)
                naechsteForm(QStringLiteral("zk"),
                             [](QDialog *form) { klicken(form, QStringLiteral("BuZAKlein1")); });
            else
                naechsteForm(QStringLiteral("zg"), [](QDialog *d) {
                    static_cast<Tzg *>(d)->SchnellAuswahl();
                    klicken(d, QStringLiteral("UntenOKSchalter"));
                });
            QVERIFY(!ZwischenAblageStarten(klein ? QStringLiteral("ZA_K22") : QStringLiteral("ZA_GA"), q,
                                           fort, m_bedienung->Liste()));
            QVERIFY(fort.gezaehlt() >= 2);
            QCOMPARE(QApplication::clipboard()->text(), Vorher);
        }
        // The same export without the cancel does reach the clipboard.
        StillerFortschritt still;
        naechsteForm(QStringLiteral("zk"),
                     [](QDialog *form) { klicken(form, QStringLiteral("BuZAKlein1")); });
        QVERIFY(ZwischenAblageStarten(QStringLiteral("ZA_K22"), q, still, m_bedienung->Liste()));
        QCOMPARE(QApplication::clipboard()->text().size(), 5000 * 6);
    }

    // The menu captions write paths as this system does; the cell entry quotes the cell.
    void beschriftungenUndZelle()
    {
        QCOMPARE(popA(QStringLiteral("PopA_PNF"))->text(),
                 QStringLiteral("in die Zwischenablage kopieren: &Pfad/Name.Format ..."));
        QMenu *popL = m_fenster.aa().Menue(QStringLiteral("PopL"));
        QVERIFY(popL);
        QCOMPARE(popL->findChild<QAction *>(QStringLiteral("PopL_PV"))->text(),
                 QStringLiteral("in die Zwischenablage kopieren: &Pfad/Verzeichnis ..."));

        TNxRotListe *liste = m_bedienung->Liste();
        liste->Neuzeichnen();
        QTest::mouseClick(liste->viewport(), Qt::RightButton, {},
                          liste->ZellenRechteck(2, AZelle::Name).center());
        QAction *zelle = popA(QStringLiteral("PopA_Zelle"));
        QCOMPARE(zelle->text(), QStringLiteral("in die Zwischenablage kopieren: \"b.tar.gz\""));
        m_bedienung->PopA()->close();
        zelle->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("b.tar.gz"));
    }

    // PopL exports the tree's nodes: the selected one, or all shown.
    void baum()
    {
        auto *seite = m_fenster.aa().SeiteVon<TAuswahlSeite>();
        QVERIFY(seite->Baum()->PfadWaehlen(m_tmp->pfad()));
        naechsteForm(QStringLiteral("zk"),
                     [](QDialog *form) { klicken(form, QStringLiteral("BuZAKlein2")); });
        QVERIFY(seite->BaumZwischenAblage(QStringLiteral("ZA_K11")));
        QCOMPARE(QApplication::clipboard()->text(), m_tmp->pfad() + u'\n');

        naechsteForm(QStringLiteral("zg"), [](QDialog *d) {
            auto *form = static_cast<Tzg *>(d);
            QCOMPARE(form->Liste()->Daten().Anzahl(), ZAPunktL::Anzahl);
            spaltenWaehlen(form, {ZAPunktL::Name, ZAPunktL::Zahl});
            klicken(form, QStringLiteral("RaOhneUeberschrift"));
            klicken(form, QStringLiteral("RaZeilenAusgewaehlte"));
            klicken(form, QStringLiteral("UntenOKSchalter"));
        });
        QVERIFY(seite->BaumZwischenAblage(QStringLiteral("ZA_GL")));
        const QString name = m_tmp->pfad().chopped(1).section(u'/', -1);
        QCOMPARE(QApplication::clipboard()->text(),
                 name + u'\t' + QString::number(m_tmp->pfad().count(u'/') - 1) + u'\n');
    }

    // PopR on the undo page's detail list and PopV on the preview: the cell, and the large
    // form with the list's visible columns.
    void rueckUndVorschau()
    {
        auto *rueck = m_fenster.aa().SeiteVon<TRueckSeite>();
        QVERIFY(rueck);
        TNxRotListe *alt = rueck->AltNeuListe();
        alt->ZeilenLeeren();
        const int z = alt->Daten().ZeilenAnhaengen();
        alt->Daten().ZelleSetzen(z, 1, QStringLiteral("/alt/"));
        alt->Daten().ZelleSetzen(z, 2,
                                 QStringLiteral("ein sehr langer Name, der nicht ganz ins Menü passt.txt"));
        for (int s = 3; s <= alt->SpaltenAnzahl(); ++s)
            alt->Spalte(s).sichtbar = false;
        alt->resize(900, 300);
        alt->Neuzeichnen();
        QTest::mouseClick(alt->viewport(), Qt::RightButton, {}, alt->ZellenRechteck(1, 2).center());
        QMenu *popR = m_fenster.aa().Menue(QStringLiteral("PopR"));
        QVERIFY(popR);
        auto *zelle = popR->findChild<QAction *>(QStringLiteral("PopR_Zelle"));
        QCOMPARE(
            zelle->text(),
            QStringLiteral("in die Zwischenablage kopieren: \"ein sehr langer Name, der nicht gan...\""));
        popR->close();
        zelle->trigger();
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("ein sehr langer Name, der nicht ganz ins Menü passt.txt"));

        naechsteForm(QStringLiteral("zg"), [](QDialog *d) {
            auto *form = static_cast<Tzg *>(d);
            QCOMPARE(form->Liste()->Daten().Zelle(2, 1), QStringLiteral("ursprünglicher Pfad"));
            klicken(form, QStringLiteral("BuSchnellAuswahl"));
            klicken(form, QStringLiteral("UntenOKSchalter"));
        });
        popR->findChild<QAction *>(QStringLiteral("PopR_1"))->trigger();
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral(
                     "ursprünglicher Pfad\tjetziger Name.Format\n/alt/\tein sehr langer Name, der nicht ganz "
                     "ins Menü passt.txt\n"));

        auto *seite = m_fenster.aa().SeiteVon<TAktionsSeite>();
        TNxRotListe *v = seite->VListe();
        v->ZeilenLeeren();
        const int r = v->Daten().ZeilenAnhaengen();
        v->Daten().ZelleSetzen(r, 1, QStringLiteral("/vorschau/"));
        v->Daten().ZelleSetzen(r, 2, QStringLiteral("x.txt"));
        for (int s = 1; s <= v->SpaltenAnzahl(); ++s)
            v->Spalte(s).sichtbar = s == 2;
        v->resize(900, 300);
        v->Neuzeichnen();
        QTest::mouseClick(v->viewport(), Qt::RightButton, {}, v->ZellenRechteck(1, 2).center());
        QMenu *popV = m_fenster.aa().Menue(QStringLiteral("PopV"));
        auto *vZelle = popV->findChild<QAction *>(QStringLiteral("PopV_Zelle"));
        QCOMPARE(vZelle->text(), QStringLiteral("in die Zwischenablage kopieren: \"x.txt\""));
        popV->close();
        vZelle->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("x.txt"));
        naechsteForm(QStringLiteral("zg"), [](QDialog *d) {
            auto *form = static_cast<Tzg *>(d);
            // The raw first cell, then the one visible column.
            spaltenWaehlen(form, {2, 3});
            klicken(form, QStringLiteral("RaOhneUeberschrift"));
            klicken(form, QStringLiteral("UntenOKSchalter"));
        });
        popV->findChild<QAction *>(QStringLiteral("PopV_UnterVerz"))->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("/vorschau/\tx.txt\n"));
    }

private:
    QAction *popA(const QString &name) const
    {
        auto *a = m_bedienung->PopA()->findChild<QAction *>(name);
        [&] { QVERIFY2(a && a->isEnabled(), qPrintable(name)); }();
        return a;
    }

    test::FensterFixture m_fenster;
    std::unique_ptr<test::TestVerzeichnis> m_tmp;
    AListeBedienung *m_bedienung = nullptr;
};

RINOLUX_WIDGET_TEST_MAIN(ZwischenAblageTest)
#include "ZwischenAblageTest.moc"
