// The panels of the page Herstellen: the source, the new names and where they go.

#include "gui/pages/OptionenBereich.h"
#include "gui/pages/OptionenBereichTeile.h"

#include <QButtonGroup>

namespace rinolux {

void TOptionenBereich::herstellenBauen()
{
    OptionenTeile &t = *d;
    QWidget *r = t.saetze->parentWidget();
    // The source and the names made from it come before the numbers the pages share.
    auto vorDieListe = [&t](QWidget *zeile) {
        t.saetze->removeWidget(zeile);
        t.saetze->insertWidget(t.saetze->indexOf(t.zeileVon.value(QStringLiteral("PaNamenListe"))), zeile);
    };

    QFrame *vonEiner = t.panel(QStringLiteral("PaHerstVonEiner"), r);
    {
        auto *v = OptionenTeile::spalte(vonEiner);
        v->addWidget(t.label(QStringLiteral("LaHerstVonEiner"), QString(), vonEiner));
        OptionenTeile::reiheIn(v, {t.edit(QStringLiteral("EdHerstVonEiner"), vonEiner, 420)});
    }
    vorDieListe(t.satzZeile({vonEiner}));

    QFrame *auswahl = t.panel(QStringLiteral("PaHerstAuswahl"), r);
    {
        auto *v = OptionenTeile::spalte(auswahl);
        v->addWidget(t.label(QString(), QStringLiteral("Die neuen Namen sollen so aufgebaut sein:"), auswahl));
        OptionenTeile::reiheIn(v, {t.label(QString(), QStringLiteral("Text davor"), auswahl),
                                   t.edit(QStringLiteral("EdHerstAuswahlVor"), auswahl, 110),
                                   t.combo(QStringLiteral("CoHerstAuswahl"),
                                           {QStringLiteral("den Namen und das Format"), QStringLiteral("nur den Namen"),
                                            QStringLiteral("nur das Format")},
                                           auswahl),
                                   t.label(QString(), QStringLiteral("Text danach"), auswahl),
                                   t.edit(QStringLiteral("EdHerstAuswahlNach"), auswahl, 110)});
    }
    vorDieListe(t.satzZeile({auswahl}));

    QFrame *liste = t.panel(QStringLiteral("PaListeHerst"), r);
    {
        auto *v = OptionenTeile::spalte(liste);
        v->addWidget(t.label(QString(), QStringLiteral("Die neuen Namen sollen aus diesen Wörtern bestehen:"), liste));
        QPlainTextEdit *ri = t.memo(QStringLiteral("RiListeHerst"), liste);
        ri->setMinimumSize(240, 90);
        auto *h = OptionenTeile::reiheIn(v, {});
        auto *vor = new QVBoxLayout;
        vor->addWidget(t.label(QString(), QStringLiteral("Text davor"), liste));
        vor->addWidget(t.edit(QStringLiteral("EdListeVorHerst"), liste, 120));
        vor->addStretch(1);
        auto *nach = new QVBoxLayout;
        nach->addWidget(t.label(QString(), QStringLiteral("Text danach"), liste));
        nach->addWidget(t.edit(QStringLiteral("EdListeNachHerst"), liste, 120));
        nach->addStretch(1);
        h->insertLayout(0, vor);
        h->insertWidget(1, ri);
        h->insertLayout(2, nach);
        OptionenTeile::reiheIn(v, {t.neu(new QPushButton(QStringLiteral("Daten jetzt eintragen"), liste),
                                         QStringLiteral("BuListeHerstJa")),
                                   t.neu(new QPushButton(QStringLiteral("keine Daten eintragen"), liste),
                                         QStringLiteral("BuListeHerstNein"))});
    }
    vorDieListe(t.satzZeile({liste}));

    QFrame *zuEiner = t.panel(QStringLiteral("PaHerstZuEinerVerb"), r);
    {
        auto *v = OptionenTeile::spalte(zuEiner);
        v->addWidget(t.label(QString(),
                             QStringLiteral("Die ausgewählten Dateien sollen zu dieser neuen Datei zusammengesetzt werden:"),
                             zuEiner));
        OptionenTeile::reiheIn(v, {t.edit(QStringLiteral("EdHerstZuEinerVerb"), zuEiner, 300)});
    }
    t.satzZeile({zuEiner});
    QFrame *zuVielen = t.panel(QStringLiteral("PaHerstZuVielenVerb"), r);
    OptionenTeile::reihe(zuVielen, {t.label(QString(), QStringLiteral("Jeder erste Datei-Name endet mit diesen Zeichen:"), zuVielen),
                                    t.edit(QStringLiteral("EdHerstZuVielenVerb"), zuVielen, 120)});
    t.satzZeile({zuVielen});
    QFrame *anzahl = t.panel(QStringLiteral("PaHerstAnzahl"), r);
    OptionenTeile::reihe(anzahl, {t.label(QString(), QStringLiteral("Wieviele herstellen?"), anzahl),
                                  t.edit(QStringLiteral("EdHerstAnzahl"), anzahl, 80)});
    t.satzZeile({anzahl});

    QFrame *wo = t.panel(QStringLiteral("PaHerstWo"), r);
    {
        auto *v = OptionenTeile::spalte(wo);
        v->setSpacing(1);
        v->addWidget(t.label(QStringLiteral("LaHerstWoIntro"), QString(), wo));
        auto *gruppe = new QButtonGroup(wo);
        QRadioButton *quelle = t.radio(QStringLiteral("RaHerstWoQuellpfad"), QStringLiteral("dem Verzeichnis der Quelle"), wo);
        QRadioButton *name =
            t.radio(QStringLiteral("RaHerstWoWieName"), QStringLiteral("den Verzeichnissen der ausgewählten Namen"), wo);
        QRadioButton *lang = t.radio(QStringLiteral("RaHerstWoLang"), QString(), wo);
        QRadioButton *kurz = t.radio(QStringLiteral("RaHerstWoKurz"), QString(), wo);
        QRadioButton *edit = t.radio(QStringLiteral("RaHerstWoWieEdit"), QString(), wo);
        for (QRadioButton *b : {quelle, name, lang, kurz, edit})
            gruppe->addButton(b);
        edit->setChecked(true);
        QLabel *laLang = t.label(QStringLiteral("LaHerstWoLang"), QString(), wo);
        QLabel *laKurz = t.label(QStringLiteral("LaHerstWoKurz"), QString(), wo);
        // A long directory is cut in the middle rather than widening the page.
        laLang->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        laLang->setMinimumWidth(200);
        v->addWidget(quelle);
        v->addWidget(name);
        OptionenTeile::reiheIn(v, {lang, laLang})->setStretch(1, 1);
        OptionenTeile::reiheIn(v, {kurz, laKurz});
        OptionenTeile::reiheIn(v, {edit, t.edit(QStringLiteral("EdHerstWo"), wo, 300)});
    }
    t.satzZeile({wo});
}

} // namespace rinolux
