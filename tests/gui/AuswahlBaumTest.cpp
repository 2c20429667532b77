#include "core/selection/BaumDaten.h"
#include "core/util/nx_Adresse.h"
#include "core/shell/ListenDaten.h"
#include "core/shell/Prozess.h"
#include "gui/app/Ablauf.h"
#include "gui/app/Start.h"
#include "gui/controls/TNxBaum.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/controls/nx_Register.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/pages/AuswahlSeite.h"
#include "gui/pages/SuchBereich.h"
#include "core/shell/Einstellungen.h"
#include "gui/support/FensterFixture.h"
#include "gui/support/WidgetTest.h"
#include "support/TestUmgebung.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>

using namespace rinolux;
using namespace Qt::StringLiterals;

namespace {

QStringList listenNamen(const ListenDaten &d)
{
    QStringList r;
    for (int z = 1; z <= d.Anzahl(); ++z)
        r << d.Zelle(z, AZelle::Name);
    r.sort();
    return r;
}

} // namespace

class AuswahlBaumTest : public QObject
{
    Q_OBJECT

private:
    test::FensterFixture m_f;
    std::unique_ptr<test::TestVerzeichnis> m_tv;

    TAuswahlSeite *seite() const { return m_f.aa().SeiteVon<TAuswahlSeite>(); }
    TNxBaum *baum() const { return m_f.teil<TNxBaum>(u"LinksBaum"_s); }
    ListenDaten &liste() const { return seite()->Liste()->Daten(); }

    // Clicks the name of the node of that path (its parent is opened first).
    void knotenKlicken(const QString &pfad)
    {
        BaumModell &m = baum()->Modell();
        const QString eltern = nxAdresseVerzeichnis(nxAdresseOhneEndStrich(pfad));
        QVERIFY(baum()->PfadWaehlen(eltern));
        baum()->expand(m.Finden(eltern));
        const QModelIndex i = m.Finden(pfad);
        QVERIFY(i.isValid());
        baum()->scrollTo(i);
        QTest::mouseClick(baum()->viewport(), Qt::LeftButton, Qt::NoModifier, namensStelle(i));
    }
    // A point on the node's name: the column may be wider than the tree.
    QPoint namensStelle(const QModelIndex &i) const
    {
        const QRect r = baum()->visualRect(i);
        return QPoint(r.left() + 8, r.center().y());
    }

private Q_SLOTS:
    void init()
    {
        test::XdgUmleiten();
        m_tv = std::make_unique<test::TestVerzeichnis>();
        m_tv->dateienAnlegen({u"eins.txt"_s, u"zwei.txt"_s, u"drei.doc"_s, u"vier.txt"_s, u"fuenf.bin"_s,
                              u"unter/"_s, u"unter/tief.txt"_s, u"unter/noch/"_s, u"leer/"_s});
        m_f.fensterAnlegen(QSize(1000, 700), true);
        QVERIFY(baum());
    }
    void cleanup()
    {
        m_f.fensterWeg();
        m_tv.reset();
        a_StartParameter.clear();
        IniVerzeichnisBeiStart.clear();
    }

    void baumWahlListetGenauDieEintraege()
    {
        knotenKlicken(m_tv->pfad(u"unter/"_s));
        QCOMPARE(baum()->AusgewaehlterPfad(), m_tv->pfad(u"unter/"_s));
        QCOMPARE(listenNamen(liste()), (QStringList{u"noch"_s, u"tief.txt"_s}));
        knotenKlicken(m_tv->pfad().chopped(1));
        QCOMPARE(listenNamen(liste()), (QStringList{u"drei.doc"_s, u"eins.txt"_s, u"fuenf.bin"_s, u"leer"_s,
                                                    u"unter"_s, u"vier.txt"_s, u"zwei.txt"_s}));
        QCOMPARE(m_f.teil<QLineEdit>(u"EdSuchVerz"_s)->text(), m_tv->pfad());
    }

    void nurDateienOderNurVerzeichnisse()
    {
        QVERIFY(baum()->PfadWaehlen(m_tv->pfad()));
        auto *cheV = m_f.teil<QCheckBox>(u"CheAuswahlV"_s);
        auto *cheD = m_f.teil<QCheckBox>(u"CheAuswahlD"_s);
        cheV->setChecked(false);
        QCOMPARE(listenNamen(liste()).contains(u"unter"_s), false);
        QCOMPARE(listenNamen(liste()).contains(u"eins.txt"_s), true);
        cheD->setChecked(false);
        test::tabKlicken(seite()->SucheRegister(), 2);
        QCOMPARE(m_f.teil<QPushButton>(u"BuSuchOhneUnterverz"_s)->isEnabled(), false);
        QCOMPARE(m_f.teil<QPushButton>(u"BuSuchMitUnterverz"_s)->isEnabled(), false);
        cheV->setChecked(true);
        QCOMPARE(m_f.teil<QPushButton>(u"BuSuchMitUnterverz"_s)->isEnabled(), true);
    }

    void zuklappenUeberDerAuswahlWaehltDenKnoten()
    {
        knotenKlicken(m_tv->pfad(u"unter/noch/"_s));
        QCOMPARE(baum()->AusgewaehlterPfad(), m_tv->pfad(u"unter/noch/"_s));
        baum()->collapse(baum()->Modell().Finden(m_tv->pfad(u"unter/"_s)));
        QCOMPARE(baum()->AusgewaehlterPfad(), m_tv->pfad(u"unter/"_s));
        QCOMPARE(listenNamen(liste()), (QStringList{u"noch"_s, u"tief.txt"_s}));
    }

    void verschwundenesVerzeichnisWirdGemeldet()
    {
        QVERIFY(baum()->PfadWaehlen(m_tv->pfad()));
        baum()->expand(baum()->currentIndex());
        const QModelIndex leer = baum()->Modell().Finden(m_tv->pfad(u"leer/"_s));
        QVERIFY(leer.isValid());
        QVERIFY(QDir(m_tv->pfad(u"leer"_s)).removeRecursively());
        QString text;
        test::naechstenDialogBeantworten(&text);
        QTest::mouseClick(baum()->viewport(), Qt::LeftButton, Qt::NoModifier, namensStelle(leer));
        QTRY_VERIFY(text.contains(u"Das ausgewählte Verzeichnis kann nicht erkannt werden."_s));
        QCOMPARE(baum()->AusgewaehlterPfad(), m_tv->pfad());
    }

    void startOhneParameterOeffnetDasStartVerzeichnis()
    {
        IniVerzeichnisBeiStart = m_tv->pfad(u"unter/"_s);
        m_f.aa().Ablauf().Ausfuehren(StartSchritt::StartVerzeichnisOeffnen);
        QCOMPARE(baum()->AusgewaehlterPfad(), m_tv->pfad(u"unter/"_s));
        QCOMPARE(listenNamen(liste()), (QStringList{u"noch"_s, u"tief.txt"_s}));
    }

    void startMitDreiNamenMarkiertGenauDiese()
    {
        a_StartParameter = {u"rinolux"_s, m_tv->pfad(u"eins.txt"_s), m_tv->pfad(u"drei.doc"_s),
                            m_tv->pfad(u"unter"_s)};
        m_f.aa().Ablauf().Ausfuehren(StartSchritt::StartParameterAuswaehlen);
        QCOMPARE(liste().Anzahl(), 7);
        QCOMPARE(test::markierteNamen(liste()), (QStringList{u"drei.doc"_s, u"eins.txt"_s, u"unter"_s}));
        QCOMPARE(baum()->AusgewaehlterPfad(), m_tv->pfad());
    }

    void erweiterteSucheZeigtTrefferMitPfad()
    {
        QVERIFY(baum()->PfadWaehlen(m_tv->pfad()));
        test::tabKlicken(seite()->SucheRegister(), 3);
        QCOMPARE(m_f.aa().AktuelleSuchSeite, 3);
        m_f.teil<QLineEdit>(u"EdSuchMit"_s)->setText(u"*.txt"_s);
        QCOMPARE(m_f.teil<QLineEdit>(u"EdSuchVerz"_s)->text(), m_tv->pfad());
        QTest::mouseClick(m_f.teil<QPushButton>(u"BuSuchMitUnterverz"_s), Qt::LeftButton);
        QTRY_COMPARE(m_f.aa().AktuelleSuchSeite, 5);
        QCOMPARE(listenNamen(liste()), (QStringList{u"eins.txt"_s, u"tief.txt"_s, u"vier.txt"_s, u"zwei.txt"_s}));
        TNxRotListe *l = seite()->Liste()->Liste();
        QVERIFY(l->Spalte(AZelle::Pfad).sichtbar);
        QStringList pfade;
        for (int z = 1; z <= liste().Anzahl(); ++z)
            pfade << l->AnzeigeText(z, AZelle::Pfad);
        QVERIFY(pfade.contains(m_tv->pfad(u"unter/"_s)));
        QVERIFY(pfade.contains(m_tv->pfad()));
        QVERIFY(seite()->SucheRegister()->Tab(5).aktiv);
        QCOMPARE(seite()->SucheRegister()->Tab(3).markierung, 1);
        // One history record, shown in SListe on the search pages.
        QCOMPARE(seite()->Verlauf().Anzahl(), 1);

        // A double click on it puts the search back into the fields.
        test::tabKlicken(seite()->SucheRegister(), 2);
        m_f.teil<QLineEdit>(u"EdSuchMit"_s)->setText(u"anders"_s);
        TNxRotListe *s = seite()->Suche()->SListe();
        QCOMPARE(s->Daten().Anzahl(), 1);
        Q_EMIT s->DoppelKlick(5, 1, 1);
        QCOMPARE(m_f.aa().AktuelleSuchSeite, 3);
        QCOMPARE(m_f.teil<QLineEdit>(u"EdSuchMit"_s)->text(), u"*.txt"_s);

        // Marked rows go with BuSuchLoeschen.
        auto *loeschen = m_f.teil<QPushButton>(u"BuSuchLoeschen"_s);
        QCOMPARE(loeschen->isEnabled(), false);
        s->Daten().MarkSetzen(1, true);
        Q_EMIT s->MarkeGeaendert();
        QCOMPARE(loeschen->isEnabled(), true);
        m_f.aa().Einst().Sicherheitsfrage = false;
        QTest::mouseClick(loeschen, Qt::LeftButton);
        QCOMPARE(seite()->Verlauf().Anzahl(), 0);
        QCOMPARE(s->Daten().Anzahl(), 0);
    }

    void ungueltigesVerzeichnisWirdGemeldet()
    {
        test::tabKlicken(seite()->SucheRegister(), 2);
        m_f.teil<QLineEdit>(u"EdSuchVerz"_s)->setText(m_tv->pfad(u"gibt-es-nicht/"_s));
        const int vorher = liste().Anzahl();
        QString text;
        test::naechstenDialogBeantworten(&text);
        QTest::mouseClick(m_f.teil<QPushButton>(u"BuSuchOhneUnterverz"_s), Qt::LeftButton);
        QTRY_VERIFY(text.contains(u"Das angegebene Verzeichnis ist ungültig."_s));
        QCOMPARE(liste().Anzahl(), vorher);
        QCOMPARE(m_f.aa().AktuelleSuchSeite, 2);
        QCOMPARE(seite()->Verlauf().Anzahl(), 0);
    }

    void listensucheDatenEintragenOderNicht()
    {
        test::tabKlicken(seite()->SucheRegister(), 4);
        auto *ri = m_f.teil<QPlainTextEdit>(u"RiListensuche"_s);
        QVERIFY(ri->toPlainText().contains(u"bitte warten ..."_s));
        // The waiting text is never searched for.
        QString text;
        test::naechstenDialogBeantworten(&text);
        QTest::mouseClick(m_f.teil<QPushButton>(u"BuSuchOhneUnterverz"_s), Qt::LeftButton);
        QTRY_VERIFY(text.contains(u"Die Liste enthält keine gültige Adresse."_s));

        seite()->ListensucheSpeicherSetzen({m_tv->pfad(u"*.doc"_s), u"tief.txt"_s});
        QTest::mouseClick(m_f.teil<QPushButton>(u"BuListensucheJa"_s), Qt::LeftButton);
        QCOMPARE(ri->toPlainText(), m_tv->pfad(u"*.doc"_s) + u"\ntief.txt"_s);
        m_f.teil<QLineEdit>(u"EdSuchVerz"_s)->setText(m_tv->pfad(u"unter/"_s));
        QTest::mouseClick(m_f.teil<QPushButton>(u"BuSuchOhneUnterverz"_s), Qt::LeftButton);
        QTRY_COMPARE(m_f.aa().AktuelleSuchSeite, 5);
        QCOMPARE(listenNamen(liste()), (QStringList{u"drei.doc"_s, u"tief.txt"_s}));

        test::tabKlicken(seite()->SucheRegister(), 4);
        QTest::mouseClick(m_f.teil<QPushButton>(u"BuListensucheNein"_s), Qt::LeftButton);
        QCOMPARE(ri->toPlainText(), QString());
    }

    void bedingungenGebenIhreFelderFrei()
    {
        test::tabKlicken(seite()->SucheRegister(), 3);
        struct Fall
        {
            const char16_t *schalter;
            const char16_t *feld;
        };
        const Fall faelle[] = {{u"CheSuchBytes", u"EdSuchBytesVon"},
                               {u"CheSuchDatumH", u"EdSuchDatumBisJahrH"},
                               {u"CheSuchDatumZ", u"EdSuchDatumVonTagZ"},
                               {u"CheSuchAttribute", u"RaSuchAttNeinR"}};
        for (const Fall &f : faelle) {
            auto *c = m_f.teil<QCheckBox>(QString::fromUtf16(f.schalter));
            QWidget *w = m_f.teil<QWidget>(QString::fromUtf16(f.feld));
            QVERIFY2(c && w, qPrintable(QString::fromUtf16(f.feld)));
            QCOMPARE(w->isEnabled(), false);
            c->setChecked(true);
            QCOMPARE(w->isEnabled(), true);
            c->setChecked(false);
        }
        auto *cheV = m_f.teil<QCheckBox>(u"CheAuswahlV"_s);
        cheV->setChecked(false);
        QCOMPARE(m_f.teil<QWidget>(u"RaSuchVerzNurLeere"_s)->isEnabled(), false);
    }
};

RINOLUX_WIDGET_TEST_MAIN(AuswahlBaumTest)
#include "AuswahlBaumTest.moc"
