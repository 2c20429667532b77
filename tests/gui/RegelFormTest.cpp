#include "core/engine/RegelCode.h"
#include "core/engine/RegelListe.h"
#include "core/engine/RegelVerbinden.h"
#include "core/shell/Dialog.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/controls/nx_Register.h"
#include "gui/pages/Form_Regel.h"
#include "gui/pages/RegelnBereich.h"
#include "gui/support/WidgetTest.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace rinolux;

namespace {

QString ersetzeDurch(const QString &text)
{
    TeilRegel t;
    t.code = 215;
    t.wert = text;
    Regel r;
    r.teile = {t};
    return RegelSchreiben(r);
}

QString zeitRegel()
{
    TeilRegel t;
    t.code = 111;
    Regel r;
    r.teile = {t};
    return RegelSchreiben(r);
}

// Rules A, a time rule, B, C, D: the form lists A, B, C, D in rows 2 to 5.
RegelListe regeln()
{
    RegelListe l;
    l.anhaengen(QStringLiteral("A"), ersetzeDurch(QStringLiteral("a")));
    l.anhaengen(QStringLiteral("Zeit"), zeitRegel());
    l.anhaengen(QStringLiteral("B"), ersetzeDurch(QStringLiteral("ENDE")));
    l.anhaengen(QStringLiteral("C"), ersetzeDurch(QStringLiteral("c")));
    l.anhaengen(QStringLiteral("D"), ersetzeDurch(QStringLiteral("d")));
    return l;
}

} // namespace

class RegelFormTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void slotsZweiUndFuenfGebenEineRegelMitZweiTeilen()
    {
        RegelListe liste = regeln();
        Trr rr(liste);
        QCOMPARE(rr.Liste()->Daten().Anzahl(), 5);
        QCOMPARE(rr.Liste()->Daten().Zelle(1, 1), QStringLiteral("(keine Regel)"));
        QCOMPARE(rr.Liste()->Daten().Zelle(3, 1), QStringLiteral("B")); // the time rule is not offered
        QCOMPARE(rr.Register()->Tab(1).beschriftung, QStringLiteral("1. Regel"));
        QCOMPARE(rr.Register()->Tab(5).beschriftung, QStringLiteral("5."));
        rr.Register()->AktuellSetzen(2);
        rr.ZeileWaehlen(3); // B
        rr.Register()->AktuellSetzen(5);
        rr.ZeileWaehlen(4); // C
        QCOMPARE(rr.Register()->Tab(5).markierung, 1);
        // Back on tab 2 its rule is the list's current row again.
        rr.Register()->AktuellSetzen(2);
        QCOMPARE(rr.Liste()->Daten().AktZeile(), 3);
        rr.findChild<QPushButton *>(QStringLiteral("BuUntenOK"))->click();
        QVERIFY(rr.Hinzugefuegt());
        QCOMPARE(liste.anzahl(), 6);
        QCOMPARE(liste.gewaehlt(), 0);
        QCOMPARE(liste.beschreibung(0), QStringLiteral("NEU: B > C"));
        const RegelTeilung t = RegelZerteilen(liste.code(0));
        QCOMPARE(t.codes, (QStringList{ersetzeDurch(QStringLiteral("ENDE")), ersetzeDurch(QStringLiteral("c"))}));
    }

    void ohneWahlUndMitAbbrechenKommtNichtsHinzu()
    {
        for (const char *knopf : {"BuUntenOK", "BuUntenA"}) {
            RegelListe liste = regeln();
            Trr rr(liste);
            rr.Register()->AktuellSetzen(3);
            rr.ZeileWaehlen(knopf == QByteArray("BuUntenA") ? 2 : 1);
            rr.findChild<QPushButton *>(QString::fromLatin1(knopf))->click();
            QVERIFY(!rr.Hinzugefuegt());
            QCOMPARE(liste.anzahl(), 5);
        }
    }

    void verschobeneTabsNehmenIhreRegelMit()
    {
        RegelListe liste = regeln();
        Trr rr(liste);
        rr.Register()->AktuellSetzen(1);
        rr.ZeileWaehlen(2); // A
        rr.Register()->AktuellSetzen(2);
        rr.ZeileWaehlen(5); // D
        Q_EMIT rr.Register()->NachTausch(1, 2);
        QCOMPARE(rr.Slot(1), 5);
        QCOMPARE(rr.Slot(2), 2);
        rr.findChild<QPushButton *>(QStringLiteral("BuUntenOK"))->click();
        QCOMPARE(liste.beschreibung(0), QStringLiteral("NEU: D > A"));
    }

    void zerteilenNurFuerVerbundeneRegeln()
    {
        RegelListe liste = regeln();
        const auto neu = RegelnVerbinden({{liste.code(2), liste.beschreibung(2)}, {liste.code(0), liste.beschreibung(0)}});
        QVERIFY(neu);
        liste.einfuegen(0, neu->beschreibung, neu->code);
        SkriptDialog dialog({u'j'});
        TRegelnBereich bereich(liste, dialog, [](int) { return SeitenAuswahl(); });
        bereich.Anpassen();
        auto *teilen = bereich.findChild<QPushButton *>(QStringLiteral("BuRegelTeilen"));
        auto *li = bereich.findChild<QListWidget *>(QStringLiteral("LiRegelAktion"));
        li->setCurrentRow(1);
        QVERIFY(!teilen->isEnabled());
        li->setCurrentRow(0);
        QVERIFY(teilen->isEnabled());
        teilen->click();
        QCOMPARE(dialog.aufrufe.size(), 1);
        QCOMPARE(li->count(), 8);
        QCOMPARE(li->item(1)->text(), QStringLiteral("1 NEU: B > A"));
        QCOMPARE(li->item(2)->text(), QStringLiteral("2 NEU: B > A"));
        QCOMPARE(liste.code(1), ersetzeDurch(QStringLiteral("ENDE")));
        QCOMPARE(liste.code(2), ersetzeDurch(QStringLiteral("a")));
    }

    void verbindenOeffnetDieFormUeberDemFenster()
    {
        RegelListe liste = regeln();
        SkriptDialog dialog;
        TRegelnBereich bereich(liste, dialog, [](int) { return SeitenAuswahl(); });
        bereich.Anpassen();
        bereich.show();
        QString titel;
        QTimer::singleShot(50, qApp, [&titel] {
            if (auto *rr = qobject_cast<Trr *>(QApplication::activeModalWidget())) {
                titel = rr->windowTitle();
                rr->Register()->AktuellSetzen(1);
                rr->ZeileWaehlen(2);
                rr->findChild<QPushButton *>(QStringLiteral("BuUntenOK"))->click();
            }
        });
        bereich.findChild<QPushButton *>(QStringLiteral("BuRegelVerbinden"))->click();
        QCOMPARE(titel, QStringLiteral("mehrere Regeln verbinden ..."));
        auto *li = bereich.findChild<QListWidget *>(QStringLiteral("LiRegelAktion"));
        QCOMPARE(li->item(0)->text(), QStringLiteral("NEU: A"));
        QCOMPARE(li->currentRow(), 0);
    }
};

RINOLUX_WIDGET_TEST_MAIN(RegelFormTest)
#include "RegelFormTest.moc"
