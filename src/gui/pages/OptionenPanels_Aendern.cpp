// The left column and the panels of the page Ändern: each panel is one clause of the
// sentence, read from left to right and then downwards.

#include "gui/pages/OptionenBereich.h"
#include "gui/pages/OptionenBereichTeile.h"

#include <QButtonGroup>
#include <QGridLayout>

namespace rinolux {

namespace {

const QString kGVH[] = {QStringLiteral("genau"), QStringLiteral("vor"), QStringLiteral("hinter")};

QStringList gvh()
{
    return {kGVH[0], kGVH[1], kGVH[2]};
}

// A list of the left column that shows `zeilen` items without scrolling.
QListWidget *linksListe(OptionenTeile &t, const QString &name, const QStringList &eintraege, int zeilen,
                        QWidget *eltern)
{
    auto *l = t.neu(new QListWidget(eltern), name);
    l->setUniformItemSizes(true);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l->addItems(eintraege);
    const int zeile = std::max(l->fontMetrics().height() + 4, eintraege.isEmpty() ? 0 : l->sizeHintForRow(0));
    l->setFixedHeight(zeilen * zeile + 2 * l->frameWidth() + 2);
    if (!eintraege.isEmpty())
        l->setCurrentRow(0);
    return l;
}

} // namespace

void TOptionenBereich::linksBauen()
{
    OptionenTeile &t = *d;
    auto *links = new QWidget(this);
    links->setObjectName(QStringLiteral("PaLinks"));
    auto *spalte = OptionenTeile::spalte(links);
    spalte->setSpacing(0);

    QFrame *aend = t.panel(QStringLiteral("PaAendernLinks"), links);
    auto *a = OptionenTeile::spalte(aend);
    a->addWidget(t.label(QStringLiteral("LaAendOben"), QStringLiteral("Ich möchte"), aend));
    a->addWidget(linksListe(t, QStringLiteral("LiAendOben"),
                            {QStringLiteral("Zeichen hinzufügen"), QStringLiteral("Zeichen entfernen"),
                             QStringLiteral("Zeichen behalten"), QStringLiteral("Zeichen ersetzen"),
                             QStringLiteral("Zeichen umordnen"), QStringLiteral("die Attibute ändern"),
                             QStringLiteral("die Zeiten ändern"), QStringLiteral("die Namen frei bearbeiten")},
                            8, aend));
    a->addWidget(t.label(QStringLiteral("LaAendUnten"), QString(), aend));
    // The lower lists are filled when the page is adjusted; they keep one height so the
    // column does not jump when the action changes.
    for (const QString &name : {QStringLiteral("LiAendUnten0"), QStringLiteral("LiAendUnten4"),
                                QStringLiteral("LiAendUnten6"), QStringLiteral("LiAendUntenZeit")}) {
        QListWidget *l = linksListe(t, name, {}, 6, aend);
        l->setVisible(name == u"LiAendUnten0");
        a->addWidget(l);
    }
    t.an<QListWidget>(QStringLiteral("LiAendUnten0"))->setEnabled(false);
    a->addStretch(1);

    QFrame *herst = t.panel(QStringLiteral("PaHerstellenLinks"), links);
    auto *h = OptionenTeile::spalte(herst);
    h->addWidget(t.label(QStringLiteral("LaHerstOben"), QStringLiteral("Ich möchte herstellen:"), herst));
    h->addWidget(linksListe(
        t, QStringLiteral("LiHerstOben"),
        {QStringLiteral("Kopien von allen ausgewählten Dateien"), QStringLiteral("Kopien von einer bestimmten Datei"),
         QStringLiteral("neue Verzeichnisse, die leer sind"), QStringLiteral("neue Dateien, die leer sind"),
         QStringLiteral("kleinere Teile von einer großen Datei"), QStringLiteral("eine große zusammengesetzte Datei"),
         QStringLiteral("mehrere zusammengesetzte Dateien")},
        7, herst));
    h->addWidget(t.label(QStringLiteral("LaHerstUnten"), QString(), herst));
    QListWidget *unten0 = linksListe(t, QStringLiteral("LiHerstUnten0"), {}, 4, herst);
    unten0->setEnabled(false);
    unten0->hide();
    h->addWidget(unten0);
    h->addWidget(linksListe(t, QStringLiteral("LiHerstUnten4"),
                            {QStringLiteral("die ausgewählten Namen/Formate"), QStringLiteral("fortlaufende Nummern"),
                             QStringLiteral("verschachtelte Nummern"), QStringLiteral("Wörter aus einer Liste")},
                            4, herst));
    h->addStretch(1);
    herst->hide();

    spalte->addWidget(aend);
    spalte->addWidget(herst);
    // As wide as its longest item, so no item is cut.
    int breite = 0;
    for (const QString &name : {QStringLiteral("LiAendOben"), QStringLiteral("LiHerstOben"),
                                QStringLiteral("LiHerstUnten4")}) {
        auto *l = t.an<QListWidget>(name);
        breite = std::max(breite, l->sizeHintForColumn(0) + 2 * l->frameWidth() + 8);
    }
    // The longest lower item of the Ändern lists.
    breite = std::max(breite, fontMetrics().horizontalAdvance(QStringLiteral("einem Zeit-Unterschied")) + 24);
    links->setFixedWidth(breite);
    static_cast<QBoxLayout *>(layout())->insertWidget(0, links);
}

void TOptionenBereich::aendernBauen()
{
    OptionenTeile &t = *d;
    QWidget *r = t.saetze->parentWidget();

    QFrame *nameFormat = t.panel(QStringLiteral("PaAendernNameFormat"), r);
    OptionenTeile::reihe(nameFormat,
                         {t.label(QStringLiteral("LaAendernNameFormat"), QStringLiteral("Geändert werden sollen"),
                                  nameFormat),
                          t.combo(QStringLiteral("CoAendernNameFormat"),
                                  {QStringLiteral("die Namen und die Formate   (alles)"),
                                   QStringLiteral("nur die Namen    (alles VOR dem letzten Punkt)"),
                                   QStringLiteral("nur die Formate   (alles NACH dem letzten Punkt)")},
                                  nameFormat)});
    t.an<QComboBox>(QStringLiteral("CoAendernNameFormat"))->setCurrentIndex(1);
    QFrame *linksRechts = t.panel(QStringLiteral("PaLinksRechts"), r);
    OptionenTeile::reihe(linksRechts, {t.label(QStringLiteral("LaLinksRechts"), QStringLiteral("Ich zähle"), linksRechts),
                                       t.combo(QStringLiteral("CoLinksRechts"),
                                               {QStringLiteral("von Links"), QStringLiteral("von Rechts")},
                                               linksRechts)});
    t.satzZeile({nameFormat, linksRechts});

    QFrame *von = t.panel(QStringLiteral("PaVonHaupt"), r);
    OptionenTeile::reihe(von, {t.label(QStringLiteral("LaVon"), QStringLiteral("von"), von),
                               t.combo(QStringLiteral("CoVonGVH"), gvh(), von), t.tabCombo(1, QStringLiteral("Von"), von),
                               t.wortCombo(WortComboArt::Gruppe, QStringLiteral("CoVonGruppe"), von)});
    t.satzZeile({von});
    QFrame *bis = t.panel(QStringLiteral("PaBisHaupt"), r);
    OptionenTeile::reihe(bis, {t.label(QStringLiteral("LaBis"), QStringLiteral("bis"), bis),
                               t.combo(QStringLiteral("CoBisGVH"), gvh(), bis), t.tabCombo(2, QStringLiteral("Bis"), bis),
                               t.wortCombo(WortComboArt::Gruppe, QStringLiteral("CoBisGruppe"), bis)});
    // Both labels as wide, so that the two positions stand under each other.
    const int vb = std::max(t.an<QLabel>(QStringLiteral("LaVon"))->sizeHint().width(),
                            t.an<QLabel>(QStringLiteral("LaBis"))->sizeHint().width());
    t.an<QLabel>(QStringLiteral("LaVon"))->setFixedWidth(vb);
    t.an<QLabel>(QStringLiteral("LaBis"))->setFixedWidth(vb);
    t.satzZeile({bis});

    QFrame *teil1 = t.panel(QStringLiteral("PaTeilstueck1"), r);
    OptionenTeile::reihe(teil1, {t.label(QStringLiteral("LaTeilstueck"), QStringLiteral("Von diesem Teilstück nehme ich"), teil1),
                                 t.tabCombo(4, QStringLiteral("S"), teil1),
                                 t.wortCombo(WortComboArt::Gruppe, QStringLiteral("CoTeilstueckWas"), teil1)});
    QFrame *teil2 = t.panel(QStringLiteral("PaTeilstueck2"), r);
    OptionenTeile::reihe(teil2, {t.check(QStringLiteral("CheTeilstueckVerbinden"), QStringLiteral("benachbarte verbinden"), teil2)});
    t.satzZeile({teil1});
    t.satzZeile({teil2});

    QFrame *hin = t.panel(QStringLiteral("PaHinHaupt"), r);
    OptionenTeile::reihe(hin, {t.label(QStringLiteral("LaHin"), QStringLiteral("Die neuen Zeichen kommen"), hin),
                               t.combo(QStringLiteral("CoHinVH"), {QStringLiteral("vor"), QStringLiteral("hinter")}, hin),
                               t.tabCombo(3, QStringLiteral("H"), hin),
                               t.wortCombo(WortComboArt::Gruppe, QStringLiteral("CoHinWas"), hin)});
    t.satzZeile({hin});

    QFrame *behalten = t.panel(QStringLiteral("PaBehalten"), r);
    OptionenTeile::reihe(behalten, {t.label(QString(), QStringLiteral("und behalte ihn/sie/es."), behalten)});
    t.satzZeile({behalten});
    QFrame *entfernen = t.panel(QStringLiteral("PaEntfernenHaupt"), r);
    OptionenTeile::reihe(entfernen, {t.label(QString(), QStringLiteral("und entferne ihn/sie/es."), entfernen)});
    t.satzZeile({entfernen});

    QFrame *frei = t.panel(QStringLiteral("PaFrei"), r);
    {
        auto *v = OptionenTeile::spalte(frei);
        v->addWidget(t.label(QStringLiteral("LaFrei"),
                             QStringLiteral("und gebe ihnen diese neuen Namen, einen in jeder Zeile:"), frei));
        QPlainTextEdit *ri = t.memo(QStringLiteral("RiFrei"), frei);
        ri->setMinimumSize(420, 110);
        v->addWidget(ri);
        OptionenTeile::reiheIn(v, {t.neu(new QPushButton(QStringLiteral("Daten jetzt eintragen"), frei),
                                         QStringLiteral("BuFreiJa")),
                                   t.neu(new QPushButton(QStringLiteral("keine Daten eintragen"), frei),
                                         QStringLiteral("BuFreiNein"))});
    }
    t.satzZeile({frei});

    QFrame *hinzuSpezi = t.panel(QStringLiteral("PaHinzuSpezi"), r);
    OptionenTeile::reihe(hinzuSpezi, {t.label(QString(), QStringLiteral("und füge dort ein:"), hinzuSpezi),
                                      t.wortCombo(WortComboArt::Hinzu, QStringLiteral("CoHinzu"), hinzuSpezi)});
    t.satzZeile({hinzuSpezi});
}

void TOptionenBereich::listenUndErsetzenBauen()
{
    OptionenTeile &t = *d;
    QWidget *r = t.saetze->parentWidget();

    QFrame *liste = t.panel(QStringLiteral("PaNamenListe"), r);
    {
        auto *v = OptionenTeile::spalte(liste);
        v->addWidget(t.label(QStringLiteral("LaListeAendern"), QString(), liste));
        QPlainTextEdit *ri = t.memo(QStringLiteral("RiListeAendern"), liste);
        ri->setMinimumSize(240, 90);
        auto *h = OptionenTeile::reiheIn(v, {});
        auto *vor = new QVBoxLayout;
        vor->addWidget(t.label(QString(), QStringLiteral("Text davor"), liste));
        vor->addWidget(t.edit(QStringLiteral("EdListeVorAendern"), liste, 120));
        vor->addStretch(1);
        auto *nach = new QVBoxLayout;
        nach->addWidget(t.label(QString(), QStringLiteral("Text danach"), liste));
        nach->addWidget(t.edit(QStringLiteral("EdListeNachAendern"), liste, 120));
        nach->addStretch(1);
        h->insertLayout(0, vor);
        h->insertWidget(1, ri);
        h->insertLayout(2, nach);
        OptionenTeile::reiheIn(v, {t.neu(new QPushButton(QStringLiteral("Daten jetzt eintragen"), liste),
                                         QStringLiteral("BuListeAendernJa")),
                                   t.neu(new QPushButton(QStringLiteral("keine Daten eintragen"), liste),
                                         QStringLiteral("BuListeAendernNein"))});
    }
    t.satzZeile({liste});

    // Running and nested numbers serve both pages.
    QFrame *nummer = t.panel(QStringLiteral("PaNummer"), r);
    {
        auto *v = OptionenTeile::spalte(nummer);
        v->addWidget(t.label(QStringLiteral("LaNummer"), QString(), nummer));
        auto *g = new QGridLayout;
        g->setHorizontalSpacing(6);
        g->setVerticalSpacing(1);
        const QString texte[] = {QStringLiteral("Text vor den Nummern"), QStringLiteral("erster Wert"),
                                 QStringLiteral("Erhöhung"), QStringLiteral("Text nach den Nummern")};
        const QString namen[] = {QStringLiteral("EdNummerVor"), QStringLiteral("EdNummerStart"),
                                 QStringLiteral("EdNummerDiff"), QStringLiteral("EdNummerNach")};
        const QString vorgabe[] = {QString(), QStringLiteral("1"), QStringLiteral("1"), QString()};
        const int breiten[] = {125, 70, 70, 125};
        for (int i = 0; i < 4; ++i) {
            g->addWidget(t.label(QString(), texte[i], nummer), 0, i);
            QLineEdit *e = t.edit(namen[i], nummer, 0, vorgabe[i]);
            e->setFixedWidth(breiten[i]);
            g->addWidget(e, 1, i);
        }
        g->setColumnStretch(4, 1);
        v->addLayout(g);
    }
    t.satzZeile({nummer});
    QFrame *matrix = t.panel(QStringLiteral("PaMatrix"), r);
    {
        auto *v = OptionenTeile::spalte(matrix);
        v->addWidget(t.label(QStringLiteral("LaMatrixFormel"), QString(), matrix));
        OptionenTeile::reiheIn(v, {t.edit(QStringLiteral("EdMatrixFormel"), matrix, 0)});
        v->addWidget(t.label(QString(), QStringLiteral("/erster Wert*Erhöhung*Anzahl*Name*anderer Name\\"), matrix));
    }
    t.satzZeile({matrix});

    QFrame *hinzu = t.panel(QStringLiteral("PaHinzuZeichen"), r);
    OptionenTeile::reihe(hinzu, {t.label(QString(), QStringLiteral("und füge dort diese Zeichen ein:"), hinzu),
                                 t.edit(QStringLiteral("EdHinzu"), hinzu, 200)});
    t.satzZeile({hinzu});

    QFrame *auffuellen = t.panel(QStringLiteral("PaAuffuellen"), r);
    OptionenTeile::reihe(auffuellen,
                         {t.label(QString(), QStringLiteral("und erweitere ihn/sie/es auffüllend mit diesem Text:"), auffuellen),
                          t.edit(QStringLiteral("EdAuffuellen"), auffuellen, 110, QStringLiteral("0123456789")),
                          t.label(QString(), QStringLiteral("in Richtung"), auffuellen),
                          t.combo(QStringLiteral("CoAuffuellen"),
                                  {QStringLiteral("nach Links"), QStringLiteral("nach Rechts"), QStringLiteral("nach Außen")},
                                  auffuellen)});
    t.satzZeile({auffuellen});

    QFrame *ersetzenSpezi = t.panel(QStringLiteral("PaErsetzenSpezi"), r);
    OptionenTeile::reihe(ersetzenSpezi, {t.label(QString(), QStringLiteral("und ersetze ihn/sie/es durch"), ersetzenSpezi),
                                         t.wortCombo(WortComboArt::Ersetzen, QStringLiteral("CoErsetzen"), ersetzenSpezi)});
    t.satzZeile({ersetzenSpezi});
    QFrame *ersetzen = t.panel(QStringLiteral("PaEersetzenZeichen"), r);
    OptionenTeile::reihe(ersetzen, {t.label(QString(), QStringLiteral("und ersetze ihn/sie/es durch diese Zeichen:"), ersetzen),
                                    t.edit(QStringLiteral("EdEersetzen"), ersetzen, 200)});
    t.satzZeile({ersetzen});

    QFrame *filter = t.panel(QStringLiteral("PaFilter"), r);
    {
        auto *g = new QGridLayout(filter);
        g->setContentsMargins(0, 0, 0, 0);
        g->setVerticalSpacing(3);
        g->addWidget(t.label(QString(), QStringLiteral("Von diesem Teilstück nehme ich jedes dieser Zeichen   (getrennt durch | oder :)"),
                             filter),
                     0, 0);
        g->addWidget(t.edit(QStringLiteral("EdFilterAlt"), filter, 220, QStringLiteral("Ä|Ö|Ü|ä|ö|ü|ß")), 1, 0);
        g->addWidget(t.label(QString(), QStringLiteral("und ersetze es durch eines dieser Zeichen   (getrennt durch | oder :)"),
                             filter),
                     2, 0);
        g->addWidget(t.edit(QStringLiteral("EdFilterNeu"), filter, 220, QStringLiteral("Ae|Oe|Ue|ae|oe|ue|ss")), 3, 0);
    }
    t.satzZeile({filter});

    QFrame *reihenfolge = t.panel(QStringLiteral("PaReihenfolge"), r);
    OptionenTeile::reihe(reihenfolge,
                         {t.label(QString(), QStringLiteral("und ändere die Reihenfolge so:"), reihenfolge),
                          t.combo(QStringLiteral("CoReihenfolge"),
                                  {QStringLiteral("12_3456  ---> 65_4321 (alle Zeichen einzeln)"),
                                   QStringLiteral("12_3456  ---> 3456_12 (Gruppen)"),
                                   QStringLiteral("12_3456  ---> 21_6543 (Zeichen in Gruppen)"),
                                   QStringLiteral("12_3456  ---> 6543_21 (Gruppen, dann Zeichen)")},
                                  reihenfolge)});
    t.satzZeile({reihenfolge});

    QFrame *verschKop = t.panel(QStringLiteral("PaVerschiebenKopieren"), r);
    OptionenTeile::reihe(verschKop, {t.label(QStringLiteral("LaNachVerschKop"), QString(), verschKop)});
    QFrame *nach = t.panel(QStringLiteral("PaNachHaupt"), r);
    OptionenTeile::reihe(nach, {t.combo(QStringLiteral("CoNachVH"), {QStringLiteral("vor"), QStringLiteral("hinter")}, nach),
                                t.tabCombo(5, QStringLiteral("N"), nach),
                                t.wortCombo(WortComboArt::Gruppe, QStringLiteral("CoNachGruppe"), nach)});
    t.satzZeile({verschKop, nach});

    QFrame *tauschen = t.panel(QStringLiteral("PaTauschenHaupt"), r);
    {
        auto *v = OptionenTeile::spalte(tauschen);
        QFrame *t0 = t.panel(QStringLiteral("PaTauschen0"), tauschen);
        OptionenTeile::reihe(t0, {t.label(QString(), QStringLiteral("und tausche ihn/sie/es mit diesem Teilstück.  Ich zähle"), t0),
                                  t.combo(QStringLiteral("CoTauschenLR"),
                                          {QStringLiteral("von Links"), QStringLiteral("von Rechts")}, t0)});
        QFrame *t1 = t.panel(QStringLiteral("PaTauschen1"), tauschen);
        QLabel *laVon = t.label(QString(), QStringLiteral("von"), t1);
        OptionenTeile::reihe(t1, {laVon, t.combo(QStringLiteral("CoTauschenVonGVH"), gvh(), t1),
                                  t.tabCombo(6, QStringLiteral("TauschenVon"), t1),
                                  t.wortCombo(WortComboArt::Gruppe, QStringLiteral("CoTauschenVonWas"), t1)});
        QFrame *t2 = t.panel(QStringLiteral("PaTauschen2"), tauschen);
        QLabel *laBis = t.label(QString(), QStringLiteral("bis"), t2);
        OptionenTeile::reihe(t2, {laBis, t.combo(QStringLiteral("CoTauschenBisGVH"), gvh(), t2),
                                  t.tabCombo(7, QStringLiteral("TauschenBis"), t2),
                                  t.wortCombo(WortComboArt::Gruppe, QStringLiteral("CoTauschenBisWas"), t2)});
        const int breite = std::max(laVon->sizeHint().width(), laBis->sizeHint().width());
        laVon->setFixedWidth(breite);
        laBis->setFixedWidth(breite);
        v->addWidget(t0);
        v->addWidget(t1);
        v->addWidget(t2);
    }
    t.satzZeile({tauschen});
}

void TOptionenBereich::zeitUndAttributeBauen()
{
    OptionenTeile &t = *d;
    QWidget *r = t.saetze->parentWidget();
    const QString nichtHier = QStringLiteral("Auf diesem System gibt es das Attribut \"%1\" nicht; es kann nicht gesetzt werden.");

    QFrame *att = t.panel(QStringLiteral("PaAttribute"), r);
    {
        auto *g = new QGridLayout(att);
        g->setContentsMargins(0, 0, 0, 0);
        g->setHorizontalSpacing(14);
        g->setVerticalSpacing(1);
        g->addWidget(t.label(QString(), QStringLiteral("Ich ändere die Attribute der ausgewählten Dateien und Verzeichnisse so:"), att),
                     0, 0, 1, 5);
        const QString buchstaben[] = {QStringLiteral("H"), QStringLiteral("R"), QStringLiteral("S"), QStringLiteral("A")};
        const QString namen[] = {QStringLiteral("versteckt"), QStringLiteral("schreibgeschützt"), QStringLiteral("System"),
                                 QStringLiteral("Archiv")};
        for (int i = 0; i < 4; ++i) {
            auto *gruppe = new QButtonGroup(att);
            g->addWidget(t.label(QString(), namen[i] + u':', att), i + 1, 0);
            const QString basis = QStringLiteral("RaAtt") + buchstaben[i];
            QRadioButton *e = t.radio(basis + u'E', QStringLiteral("nicht verändern"), att);
            QRadioButton *j = t.radio(basis + u'J', QStringLiteral("ja"), att);
            QRadioButton *n = t.radio(basis + u'N', QStringLiteral("nein"), att);
            e->setChecked(true);
            for (QRadioButton *b : {e, j, n})
                gruppe->addButton(b);
            g->addWidget(e, i + 1, 1);
            g->addWidget(j, i + 1, 2);
            g->addWidget(n, i + 1, 3);
            // System and archive do not exist on this system: shown, but not to be chosen.
            if (i >= 2) {
                for (QRadioButton *b : {j, n}) {
                    b->setEnabled(false);
                    b->setToolTip(nichtHier.arg(namen[i]));
                }
            }
        }
        g->setColumnStretch(4, 1);
    }
    t.satzZeile({att});

    QFrame *ziel = t.panel(QStringLiteral("PaZeitZielArt"), r);
    {
        auto *gruppe = new QButtonGroup(ziel);
        QRadioButton *a = t.radio(QStringLiteral("RaZeitZielA"), QStringLiteral("Änderungs-Zeiten."), ziel);
        QRadioButton *h = t.radio(QStringLiteral("RaZeitZielH"), QStringLiteral("Herstellungs-Zeiten."), ziel);
        QRadioButton *z = t.radio(QStringLiteral("RaZeitZielZ"), QStringLiteral("Zugriffs-Zeiten."), ziel);
        for (QRadioButton *b : {a, h, z})
            gruppe->addButton(b);
        a->setChecked(true);
        h->setEnabled(false);
        h->setToolTip(QStringLiteral("Die Herstellungs-Zeit kann auf diesem System nicht geändert werden."));
        QLabel *fat = t.label(QStringLiteral("LaZeitFAT"), QStringLiteral("FAT"), ziel);
        fat->setToolTip(QStringLiteral("Für Datenträger mit dem Datei-System FAT gelten diese Beschränkungen:\n"
                                       "1) Jede Änderungs-Zeit kann nur einen geraden Sekunden-Wert haben (also 0, 2, 4, 6, ...).\n"
                                       "2) Jede Zugriffs-Zeit kann nur die Uhrzeit 00:00:00 haben."));
        fat->setFrameShape(QFrame::Box);
        fat->hide();
        OptionenTeile::reihe(ziel, {t.label(QString(), QStringLiteral("Geändert werden sollen die"), ziel), a, h, z, fat});
    }
    t.satzZeile({ziel});

    QFrame *datum = t.panel(QStringLiteral("PaZeitDatum"), r);
    {
        auto *v = OptionenTeile::spalte(datum);
        v->addWidget(t.label(QStringLiteral("LaZeitDatumIntro"), QString(), datum));
        auto *g = new QGridLayout;
        g->setHorizontalSpacing(8);
        g->setVerticalSpacing(1);
        const QString texte[] = {QStringLiteral("Jahr (1980-2200)"), QStringLiteral("Monat (1-12)"), QStringLiteral("Tag (1-31)"),
                                 QStringLiteral("Stunde (0-23)"), QStringLiteral("Minute (0-59)"), QStringLiteral("Sekunde (0-59)")};
        const QString namen[] = {QStringLiteral("EdZeitJ"), QStringLiteral("EdZeitM"), QStringLiteral("EdZeitT"),
                                 QStringLiteral("EdZeitU"), QStringLiteral("EdZeitI"), QStringLiteral("EdZeitE")};
        for (int i = 0; i < 6; ++i) {
            QLabel *l = t.label(QString(), texte[i], datum);
            g->addWidget(l, 0, i);
            QLineEdit *e = t.edit(namen[i], datum, 0);
            e->setMaxLength(i == 0 ? 4 : 2);
            e->setFixedWidth(std::max(60, l->sizeHint().width()));
            g->addWidget(e, 1, i);
        }
        g->setColumnStretch(6, 1);
        v->addLayout(g);
    }
    t.satzZeile({datum});

    QFrame *diff = t.panel(QStringLiteral("PaZeitDiff"), r);
    {
        auto *v = OptionenTeile::spalte(diff);
        OptionenTeile::reiheIn(v, {t.label(QStringLiteral("LaZeitDiff"), QString(), diff)});
        auto *gruppe = new QButtonGroup(diff);
        const QString texte[] = {QStringLiteral("Jahre."),   QStringLiteral("Monate."),  QStringLiteral("Tage."),
                                 QStringLiteral("Stunden."), QStringLiteral("Minuten."), QStringLiteral("Sekunden.")};
        QLineEdit *e = t.edit(QStringLiteral("EdZeitDiff"), diff, 0, QStringLiteral("1"));
        e->setFixedWidth(70);
        auto *h2 = OptionenTeile::reiheIn(v, {e});
        for (int i = 0; i < 6; ++i) {
            QRadioButton *b = t.radio(QStringLiteral("RaZeit") + QString::number(i + 1), texte[i], diff);
            gruppe->addButton(b);
            h2->insertWidget(h2->count() - 1, b);
        }
        t.an<QRadioButton>(QStringLiteral("RaZeit6"))->setChecked(true);
    }
    t.satzZeile({diff});

    QFrame *quelle = t.panel(QStringLiteral("PaZeitQuelleArt"), r);
    {
        auto *gruppe = new QButtonGroup(quelle);
        QRadioButton *h = t.radio(QStringLiteral("RaZeitQuelleH"), QStringLiteral("Herstellungs-Zeiten."), quelle);
        QRadioButton *a = t.radio(QStringLiteral("RaZeitQuelleA"), QStringLiteral("Änderungs-Zeiten."), quelle);
        QRadioButton *z = t.radio(QStringLiteral("RaZeitQuelleZ"), QStringLiteral("Zugriffs-Zeiten."), quelle);
        for (QRadioButton *b : {h, a, z})
            gruppe->addButton(b);
        h->setChecked(true);
        auto *v = OptionenTeile::spalte(quelle);
        OptionenTeile::reiheIn(v, {t.label(QStringLiteral("LaZeitQuelleIntro1"), QString(), quelle),
                                   t.label(QString(), QStringLiteral("sollen so sein, wie die vorhandenen"), quelle)});
        OptionenTeile::reiheIn(v, {h, a, z});
    }
    t.satzZeile({quelle});
}

} // namespace rinolux
