#include "core/persist/IniDatei.h"
#include "core/persist/ZustandsDateien.h"
#include "core/shell/Prozess.h"
#include "gui/app/Ablauf.h"
#include "gui/app/Form_Anfang.h"
#include "gui/controls/TNxBaum.h"
#include "gui/controls/TNxTabCombo.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/pages/AuswahlSeite.h"
#include "gui/controls/nx_Register.h"
#include "gui/pages/EinstellungenSeite.h"
#include "gui/support/FensterFixture.h"
#include "gui/support/WidgetTest.h"
#include "support/TestUmgebung.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using namespace rinolux;

class ZustaendeTest final : public QObject
{
    Q_OBJECT

    test::FensterFixture m_f;

    // The start-up as the program runs it, as far as stored states go.
    void starten()
    {
        m_f.fensterAnlegen(QSize(900, 640), true);
        Taa &aa = m_f.aa();
        QVERIFY(aa.Ablauf().Ausfuehren(StartSchritt::IniControlsVorStart));
        QVERIFY(aa.Ablauf().Ausfuehren(StartSchritt::RegelnLaden));
        QVERIFY(aa.Ablauf().Ausfuehren(StartSchritt::IniControlsHinterStart));
    }
    void beenden()
    {
        QCOMPARE(m_f.aa().Ablauf().AllesSpeichern(), 0);
        m_f.fensterWeg();
    }
    template <class T>
    T *teil(const char *name)
    {
        T *t = m_f.teil<T>(QString::fromUtf8(name));
        if (!t)
            qWarning("Steuerelement fehlt: %s", name);
        return t;
    }
    TEinstellungenSeite *seite() { return m_f.aa().SeiteVon<TEinstellungenSeite>(); }

private Q_SLOTS:
    void init() { test::XdgUmleiten(); }
    void cleanup() { m_f.fensterWeg(); }

    void einstellungenUndSeitenWahlKommenNachNeustartWieder()
    {
        starten();
        Taa &aa = m_f.aa();
        const QRect flaeche = aa.screen()->availableGeometry();
        const QRect fenster = FensterKorrigieren(QRect(flaeche.left() + 3, flaeche.top() + 4, 780, 590), flaeche);
        aa.resize(fenster.size());
        aa.move(fenster.topLeft());
        // settings
        teil<QCheckBox>("CheSicherheitsfrage")->setChecked(false);
        teil<QLineEdit>("EdEVorschauSekunden")->setText(QStringLiteral("2x"));
        teil<QCheckBox>("CheEVorschauAnzahl")->setChecked(true);
        teil<QLineEdit>("EdEProP2")->setText(QStringLiteral("/bin/true"));
        teil<QLineEdit>("EdEProN2")->setText(QStringLiteral("&Wahr"));
        teil<QRadioButton>("RaFarbeB1")->setChecked(true);
        teil<QRadioButton>("RaRahmen3")->setChecked(true);
        teil<QRadioButton>("RaDiaWeiss")->setChecked(true);
        teil<QRadioButton>("RaEVorschau1")->setChecked(true);
        teil<QCheckBox>("CheGeheim")->setChecked(true);
        teil<QCheckBox>("CheWackel")->setChecked(true);
        teil<QPlainTextEdit>("RiESprung")->setPlainText(QStringLiteral("/tmp/\n/usr/"));
        teil<QCheckBox>("CheParentColor")->setChecked(false);
        teil<QCheckBox>("CheBatch")->setChecked(true);
        QLineEdit *merk = teil<QLineEdit>("EdMaxMerk");
        merk->setText(QStringLiteral("3000"));
        Q_EMIT merk->editingFinished();
        QCOMPARE(merk->text(), QStringLiteral("2000"));
        QLineEdit *such = teil<QLineEdit>("EdMaxSuch");
        such->setText(QStringLiteral("abc"));
        Q_EMIT such->editingFinished();
        // a text without digits is not a limit of 0: the last usable one is written back
        QCOMPARE(such->text(), QStringLiteral("50"));
        QCOMPARE(aa.Einst().MaxSuch, 50);
        QCOMPARE(aa.Einst().MaxMerk, 2000);
        QCOMPARE(aa.Einst().Sicherheitsfrage, false);
        QCOMPARE(aa.Einst().VorschauSekunden, 2);
        // page choices
        teil<QLineEdit>("EdSuchMit")->setText(QStringLiteral("*.jpg"));
        teil<QLineEdit>("EdNummerStart")->setText(QStringLiteral("7"));
        auto *oben = teil<QListWidget>("LiAendOben");
        QVERIFY(oben->count() > 2);
        oben->setCurrentRow(2);
        TNxTabCombo *position = nullptr;
        for (TNxTabCombo *t : aa.findChildren<TNxTabCombo *>())
            if (t->Nummer() == 2 && !position)
                position = t;
        QVERIFY(position);
        position->WahlSetzen(3, 4);
        auto *auswahl = aa.SeiteVon<TAuswahlSeite>();
        auswahl->Baum()->FilterZeilenSetzen({QStringLiteral("*.txt"), QStringLiteral("a*")});
        auswahl->LetzteVerzeichnisseSetzen({QStringLiteral("/tmp/"), QStringLiteral("/usr/")});
        auswahl->Liste()->SortWahlSetzen(3);
        teil<QTextEdit>("RiCopyL")->setPlainText(QStringLiteral("links\nzweite Zeile"));
        teil<QTextEdit>("RiCopyR")->setPlainText(QString());
        beenden();

        QVERIFY(QFile::exists(ZustandVorStartPfad()));
        QCOMPARE(NotizLesen(NotizLinksPfad()), QStringLiteral("links\r\nzweite Zeile"));

        starten();
        Taa &neu = m_f.aa();
        QCOMPARE(neu.pos(), fenster.topLeft());
        QCOMPARE(neu.size(), fenster.size());
        QCOMPARE(teil<QCheckBox>("CheSicherheitsfrage")->isChecked(), false);
        QCOMPARE(teil<QLineEdit>("EdEVorschauSekunden")->text(), QStringLiteral("2x"));
        QCOMPARE(teil<QCheckBox>("CheEVorschauAnzahl")->isChecked(), true);
        QCOMPARE(teil<QLineEdit>("EdEProP2")->text(), QStringLiteral("/bin/true"));
        QCOMPARE(teil<QLineEdit>("EdEProN2")->text(), QStringLiteral("&Wahr"));
        QCOMPARE(teil<QRadioButton>("RaFarbeB1")->isChecked(), true);
        QCOMPARE(teil<QRadioButton>("RaRahmen3")->isChecked(), true);
        QCOMPARE(teil<QRadioButton>("RaDiaWeiss")->isChecked(), true);
        QCOMPARE(teil<QRadioButton>("RaEVorschau1")->isChecked(), true);
        QCOMPARE(teil<QCheckBox>("CheGeheim")->isChecked(), true);
        QCOMPARE(teil<QPlainTextEdit>("RiESprung")->toPlainText(), QStringLiteral("/tmp/\n/usr/"));
        QCOMPARE(teil<QCheckBox>("CheParentColor")->isChecked(), false);
        QCOMPARE(teil<QCheckBox>("CheBatch")->isChecked(), true);
        QCOMPARE(teil<QLineEdit>("EdMaxMerk")->text(), QStringLiteral("2000"));
        QCOMPARE(teil<QLineEdit>("EdMaxSuch")->text(), QStringLiteral("50"));
        QCOMPARE(teil<QLineEdit>("EdSuchMit")->text(), QStringLiteral("*.jpg"));
        QCOMPARE(teil<QLineEdit>("EdNummerStart")->text(), QStringLiteral("7"));
        QCOMPARE(teil<QListWidget>("LiAendOben")->currentRow(), 2);
        QCOMPARE(teil<QTextEdit>("RiCopyL")->toPlainText(), QStringLiteral("links\nzweite Zeile"));
        // an empty note shows what the fields are for
        QVERIFY(teil<QTextEdit>("RiCopyR")->toPlainText().startsWith(QStringLiteral("Diese Text-Felder")));
        bool gefunden = false;
        for (TNxTabCombo *t : neu.findChildren<TNxTabCombo *>())
            if (t->Nummer() == 2 && !gefunden) {
                gefunden = true;
                QCOMPARE(t->GespeicherteForm(), 3004);
            }
        QVERIFY(gefunden);
        auto *auswahlNeu = neu.SeiteVon<TAuswahlSeite>();
        QCOMPARE(auswahlNeu->Baum()->FilterZeilen(), (QStringList{QStringLiteral("*.txt"), QStringLiteral("a*")}));
        QCOMPARE(auswahlNeu->LetzteVerzeichnisse(), (QStringList{QStringLiteral("/tmp/"), QStringLiteral("/usr/")}));
        QCOMPARE(auswahlNeu->Liste()->SortWahl(), 3);
        // the settings act where they are read
        const Einstellungen &e = neu.Einst();
        QCOMPARE(e.Sicherheitsfrage, false);
        QCOMPARE(e.VorschauSekunden, 2);
        QCOMPARE(e.VorschauAnzahlBegrenzt, true);
        QCOMPARE(e.VorschauAnordnung, 1);
        QCOMPARE(e.RahmenDicke, 3);
        QCOMPARE(e.DialogSymbole, DialogSymbolStil::Weiss);
        QCOMPARE(e.ParentColor, false);
        QCOMPARE(e.MaxMerk, 2000);
        QCOMPARE(neu.HauptRegister()->Tab(1).hintergrund, QColor(216, 240, 216));
    }

    void langeFelderBleibenZurueckUndGehenNichtVerloren()
    {
        // A note of 30000 characters and a list field of 600 lines are not filled at start.
        QVERIFY(ProgPfadAnlegen());
        const QString notiz(NotizFuellGrenze, u'x');
        QVERIFY(NotizSchreiben(NotizLinksPfad(), notiz, true));
        ZustandsDatei d = ZustandsDatei::HinterStart();
        QStringList zeilen;
        for (int i = 0; i < 600; ++i)
            zeilen << QStringLiteral("Zeile %1").arg(i);
        d.TextSetzen(u"IniListeAendern", zeilen.join(QStringLiteral("\r\n")));
        QVERIFY(d.Schreiben(ZustandHinterStartPfad()));

        starten();
        QVERIFY(!teil<QTextEdit>("RiCopyL")->isEnabled());
        QVERIFY(!teil<QPushButton>("RiCopyLJa")->parentWidget()->isHidden());
        QVERIFY(!teil<QPlainTextEdit>("RiListeAendern")->isEnabled());
        beenden();

        QCOMPARE(NotizLesen(NotizLinksPfad()), notiz);
        ZustandsDatei wieder = ZustandsDatei::HinterStart();
        QVERIFY(wieder.Lesen(ZustandHinterStartPfad()));
        QCOMPARE(wieder.Text(u"IniListeAendern"), zeilen.join(QStringLiteral("\r\n")));

        // Asked for, the held note fills its field and is then saved as any note.
        starten();
        teil<QPushButton>("RiCopyLJa")->click();
        QVERIFY(teil<QTextEdit>("RiCopyL")->isEnabled());
        QCOMPARE(teil<QTextEdit>("RiCopyL")->toPlainText(), notiz);
        teil<QTextEdit>("RiCopyL")->setPlainText(QStringLiteral("kurz"));
        beenden();
        QCOMPARE(NotizLesen(NotizLinksPfad()), QStringLiteral("kurz"));
    }


    void nurGanzSichtbareThemenSindBedienbar()
    {
        starten();
        test::tabKlicken(m_f.aa().HauptRegister(), 8);
        TEinstellungenSeite *s = seite();
        QVERIFY(s);
        QCOMPARE(s->ThemenAnzahl(), 24);
        QCOMPARE(s->ThemenTitel(15), QStringLiteral("Register-Anzeige"));
        s->ThemaZeigen(15);
        QCOMPARE(s->Scroll()->value(), s->ThemenOben(15));
        QVERIFY(teil<QRadioButton>("RaFarbeB1")->isEnabled());
        // The topic before it lies above the visible area.
        QVERIFY(!teil<QCheckBox>("CheLKVRueck")->isEnabled());
        // Some topic below is cut by the lower edge, and nothing in it can be changed.
        const int sichtbar = s->ThemenPanel(15)->parentWidget()->parentWidget()->height();
        bool geschnitten = false;
        for (int nr = 16; nr <= s->ThemenAnzahl(); ++nr) {
            QWidget *p = s->ThemenPanel(nr);
            const int oben = p->y() - s->Scroll()->value();
            if (oben < sichtbar && oben + p->height() > sichtbar) {
                geschnitten = true;
                QVERIFY(!p->isEnabled());
            }
        }
        QVERIFY(geschnitten);
        // Ticking a colour scheme colours the tabs at once.
        teil<QRadioButton>("RaFarbeB2")->click();
        QCOMPARE(m_f.aa().HauptRegister()->Tab(1).hintergrund, QColor(232, 224, 255));
        QCOMPARE(m_f.aa().HauptRegister()->Tab(9).hintergrund, QColor(255, 224, 224));
    }

    void expertenFormOeffnetMitDerTastenfolge()
    {
        starten();
        Taa &aa = m_f.aa();
        QDialog *gg = aa.ExpertenForm();
        QVERIFY(gg);
        QVERIFY(!gg->isVisible());
        const auto mods = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
        QTest::keyClick(&aa, Qt::Key_E, mods);
        QTest::keyClick(&aa, Qt::Key_X, mods);
        QTRY_VERIFY(gg->isVisible());
        QVERIFY(gg->isModal());
        QCOMPARE(gg->windowTitle(), QStringLiteral("Fenster schließen --->"));
        QTest::keyClick(gg, Qt::Key_Escape);
        QTRY_VERIFY(!gg->isVisible());
    }
};

RINOLUX_WIDGET_TEST_MAIN(ZustaendeTest)
#include "ZustaendeTest.moc"
