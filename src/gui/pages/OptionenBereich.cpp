#include "gui/pages/OptionenBereich.h"

#include "core/persist/nx_IniControls.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_Adresse.h"
#include "gui/pages/OptionenBereichTeile.h"
#include "gui/pages/SeitenUmgebung.h"

#include <QApplication>
#include <QDir>
#include <QScrollArea>
#include <QStorageInfo>

namespace rinolux {

namespace {

bool in(AktionsCode k, int von, int bis)
{
    return k >= von && k <= bis;
}

bool einer(AktionsCode k, std::initializer_list<int> codes)
{
    return std::find(codes.begin(), codes.end(), k) != codes.end();
}

bool istHerstellCode(AktionsCode k)
{
    return in(k, 249, 254) || in(k, 261, 264) || in(k, 271, 274) || in(k, 281, 284) || in(k, 291, 294);
}

bool istZeit(AktionsCode k)
{
    return in(k, 111, 114) || in(k, 121, 124) || in(k, 131, 134);
}

const QStringList &untenHinzu()
{
    static const QStringList l{QStringLiteral("Zeichen oder Wörter"),    QStringLiteral("fortlaufende Nummern"),
                               QStringLiteral("verschachtelte Nummern"), QStringLiteral("Wörter aus einer Liste"),
                               QStringLiteral("auffüllende Zeichen"),    QStringLiteral("was anderes")};
    return l;
}

const QStringList &untenErsetzen()
{
    static const QStringList l{QStringLiteral("Zeichen oder Wörter"),    QStringLiteral("fortlaufende Nummern"),
                               QStringLiteral("verschachtelte Nummern"), QStringLiteral("Wörter aus einer Liste"),
                               QStringLiteral("Aufzählungs-Zeichen"),    QStringLiteral("was anderes")};
    return l;
}

const QStringList &untenUmordnen()
{
    static const QStringList l{QStringLiteral("umdrehen"), QStringLiteral("tauschen"), QStringLiteral("verschieben"),
                               QStringLiteral("kopieren")};
    return l;
}

const QStringList &untenZeit()
{
    static const QStringList l{QStringLiteral("einer bestimmten Zeit"), QStringLiteral("nummerierten Zeiten"),
                               QStringLiteral("einem Zeit-Unterschied"), QStringLiteral("Zeit-Kopien")};
    return l;
}

const QString kHinweisZurueck = QStringLiteral(" Damit das Programm schneller starten konnte, wurden\n"
                                               " hier keine Daten eingetragen. Um die fehlenden Daten\n"
                                               " einzutragen, kannst du den linken Schalter drücken.\n"
                                               " Die Eintragung kann mehrere Minuten lang dauern.");

// The buttons of a list field that was not filled at start.
QString schalterName(const QString &feld, bool ja)
{
    const QString stamm = feld == u"RiFrei" ? QStringLiteral("BuFrei")
                          : feld == u"RiListeHerst" ? QStringLiteral("BuListeHerst")
                                                    : QStringLiteral("BuListeAendern");
    return stamm + (ja ? QStringLiteral("Ja") : QStringLiteral("Nein"));
}

QString aktuellerText(const QListWidget *l)
{
    const QListWidgetItem *i = l->currentItem();
    return i ? i->text() : QString();
}

void eintraegeSchreiben(QListWidget *l, const QStringList &eintraege)
{
    const QSignalBlocker ruhe(l);
    const int zeile = l->currentRow();
    if (l->count() != eintraege.size()) {
        l->clear();
        l->addItems(eintraege);
    } else {
        for (int i = 0; i < eintraege.size(); ++i)
            l->item(i)->setText(eintraege.at(i));
    }
    if (!eintraege.isEmpty())
        l->setCurrentRow(zeile >= 0 && zeile < eintraege.size() ? zeile : 0);
}

bool fatLaufwerkBekannt()
{
    const QStringList fat{QStringLiteral("vfat"), QStringLiteral("msdos"), QStringLiteral("fat"),
                          QStringLiteral("umsdos")};
    for (const QStorageInfo &s : QStorageInfo::mountedVolumes())
        if (fat.contains(QString::fromLatin1(s.fileSystemType()).toLower()))
            return true;
    return false;
}

} // namespace

TOptionenBereich::TOptionenBereich(SeitenUmgebung &umgebung, QWidget *eltern)
    : QWidget(eltern)
    , m_umgebung(umgebung)
    , d(std::make_unique<OptionenTeile>())
    , m_baumVerzeichnis(QDir::homePath() + u'/')
    , m_fat(fatLaufwerkBekannt())
{
    setObjectName(QStringLiteral("OptionenBereich"));
    auto *zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(4, 4, 4, 4);
    zeile->setSpacing(10);

    auto *rechts = new QScrollArea(this);
    rechts->setObjectName(QStringLiteral("PaSaetzeRahmen"));
    rechts->setFrameShape(QFrame::NoFrame);
    rechts->setWidgetResizable(true);
    auto *saetze = new QWidget;
    saetze->setObjectName(QStringLiteral("PaSaetze"));
    d->saetze = new QVBoxLayout(saetze);
    d->saetze->setContentsMargins(0, 0, 0, 0);
    d->saetze->setSpacing(6);
    rechts->setWidget(saetze);
    zeile->addWidget(rechts, 1);

    linksBauen();
    aendernBauen();
    listenUndErsetzenBauen();
    zeitUndAttributeBauen();
    herstellenBauen();

    QFrame *zusatz = d->panel(QStringLiteral("PaZusatz"), saetze);
    OptionenTeile::reihe(
        zusatz, {d->check(QStringLiteral("CheZusatzDavor"), QStringLiteral("alle Zeichen davor löschen"), zusatz),
                 d->check(QStringLiteral("CheZusatzDahinter"), QStringLiteral("alle Zeichen dahinter löschen"), zusatz),
                 d->check(QStringLiteral("CheZusatzWiederholen"), QStringLiteral("Wörter wiederholen, wenn es zu wenige sind"),
                          zusatz),
                 d->check(QStringLiteral("CheZusatzNrUnterverz"),
                          QStringLiteral("mit dem ersten Wert in jedem Verzeichnis neu beginnen "), zusatz)});
    d->an<QCheckBox>(QStringLiteral("CheZusatzNrUnterverz"))
        ->setToolTip(QStringLiteral("Nur möglich, wenn die Liste ein Such-Ergebnis mit Verzeichnissen zeigt."));
    d->satzZeile({zusatz});
    d->saetze->addStretch(1);

    for (const QString &feld : {QStringLiteral("RiFrei"), QStringLiteral("RiListeAendern"), QStringLiteral("RiListeHerst")})
        for (bool ja : {true, false})
            d->an<QPushButton>(schalterName(feld, ja))->hide();

    // The fixed lower lists get their items once; LiAendUnten6 is rewritten for insert or replace.
    eintraegeSchreiben(d->an<QListWidget>(QStringLiteral("LiAendUnten4")), untenUmordnen());
    eintraegeSchreiben(d->an<QListWidget>(QStringLiteral("LiAendUntenZeit")), untenZeit());
    eintraegeSchreiben(d->an<QListWidget>(QStringLiteral("LiAendUnten6")), untenHinzu());

    d->abdeckung = new QFrame(this);
    d->abdeckung->setObjectName(QStringLiteral("PaAktionWechselFlackernAbdeckung"));
    d->abdeckung->setAutoFillBackground(true);
    d->abdeckung->hide();

    // The area is as high as its left column; the sentence scrolls when it is longer.
    int hoehe = 0;
    for (const QString &name : {QStringLiteral("PaAendernLinks"), QStringLiteral("PaHerstellenLinks")})
        hoehe = std::max(hoehe, d->an<QFrame>(name)->sizeHint().height());
    setFixedHeight(hoehe + zeile->contentsMargins().top() + zeile->contentsMargins().bottom());

    verbinden();
    SeiteAnpassenFuerAktion(2);
}

TOptionenBereich::~TOptionenBereich() = default;

void TOptionenBereich::verbinden()
{
    const QStringList zeitZiele{QStringLiteral("RaZeitZielA"), QStringLiteral("RaZeitZielH"), QStringLiteral("RaZeitZielZ")};
    for (auto it = d->teile.cbegin(); it != d->teile.cend(); ++it) {
        const QString &name = it.key();
        QWidget *w = it.value();
        if (auto *l = qobject_cast<QListWidget *>(w)) {
            connect(l, &QListWidget::currentRowChanged, this, [this] { aktionGewechselt(); });
        } else if (auto *r = qobject_cast<QRadioButton *>(w)) {
            if (zeitZiele.contains(name))
                connect(r, &QRadioButton::toggled, this, [this](bool an) {
                    if (an)
                        aktionGewechselt();
                });
            else
                connect(r, &QRadioButton::toggled, this, [this] { veraltet(); });
        } else if (auto *c = qobject_cast<QCheckBox *>(w)) {
            connect(c, &QCheckBox::toggled, this, [this] { veraltet(); });
        } else if (auto *wc = qobject_cast<TNxWortCombo *>(w)) {
            connect(wc, &QComboBox::currentIndexChanged, this, [this] { veraltet(); });
            connect(wc, &TNxWortCombo::WortVerlangt, this, [this, name] {
                if (EreignisseGesperrt)
                    return;
                m_wortComboVerlangt = name;
                Q_EMIT BenutzerWoerterVerlangt();
            });
        } else if (auto *co = qobject_cast<QComboBox *>(w)) {
            connect(co, &QComboBox::currentIndexChanged, this, [this] { veraltet(); });
        } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
            connect(e, &QLineEdit::textChanged, this, [this] { veraltet(); });
        } else if (auto *m = qobject_cast<QPlainTextEdit *>(w)) {
            connect(m, &QPlainTextEdit::textChanged, this, [this] { veraltet(); });
        } else if (auto *t = qobject_cast<TNxTabCombo *>(w)) {
            connect(t, &TNxTabCombo::Gewaehlt, this, [this] { veraltet(); });
        }
    }
    // Typing a target directory chooses it.
    connect(d->an<QLineEdit>(QStringLiteral("EdHerstWo")), &QLineEdit::textEdited, this, [this] {
        if (!EreignisseGesperrt)
            d->an<QRadioButton>(QStringLiteral("RaHerstWoWieEdit"))->setChecked(true);
    });
    for (const QString &feld : {QStringLiteral("RiFrei"), QStringLiteral("RiListeAendern"), QStringLiteral("RiListeHerst")}) {
        for (bool ja : {true, false}) {
            connect(d->an<QPushButton>(schalterName(feld, ja)), &QPushButton::clicked, this, [this, feld, ja] {
                QPlainTextEdit *ri = d->an<QPlainTextEdit>(feld);
                const QString text = ja ? d->zurueck.value(feld) : QString();
                d->an<QPushButton>(schalterName(feld, true))->hide();
                d->an<QPushButton>(schalterName(feld, false))->hide();
                ri->setEnabled(true);
                QApplication::setOverrideCursor(Qt::WaitCursor);
                {
                    EreignisSperre sperre;
                    ri->setPlainText(QStringLiteral("\n     bitte warten ..."));
                    ri->repaint();
                }
                d->zurueck.remove(feld);
                // The rule reads the field again: what it holds now may differ from the held-back text.
                ri->setPlainText(text);
                QApplication::restoreOverrideCursor();
                ri->setFocus();
            });
        }
    }
}

void TOptionenBereich::veraltet()
{
    if (!EreignisseGesperrt)
        Q_EMIT Veraltet();
}

void TOptionenBereich::aktionGewechselt()
{
    if (EreignisseGesperrt)
        return;
    SeiteAnpassenFuerAktion(m_tab);
    Q_EMIT AktionGewechselt();
    Q_EMIT Veraltet();
}

void TOptionenBereich::untereListeFuellen()
{
    OptionenTeile &t = *d;
    if (m_tab == 3) {
        const QString oben = aktuellerText(t.an<QListWidget>(QStringLiteral("LiHerstOben")));
        const bool ohne = oben == u"eine große zusammengesetzte Datei" || oben == u"mehrere zusammengesetzte Dateien";
        t.an<QListWidget>(QStringLiteral("LiHerstUnten0"))->setVisible(ohne);
        t.an<QListWidget>(QStringLiteral("LiHerstUnten4"))->setVisible(!ohne);
        t.an<QLabel>(QStringLiteral("LaHerstUnten"))->setText(ohne ? QString() : QStringLiteral("und ich verwende dafür"));
        return;
    }
    const QString oben = aktuellerText(t.an<QListWidget>(QStringLiteral("LiAendOben")));
    QString liste = QStringLiteral("LiAendUnten0");
    QString label;
    if (oben == u"Zeichen hinzufügen") {
        liste = QStringLiteral("LiAendUnten6");
        label = QStringLiteral("und zwar");
        eintraegeSchreiben(t.an<QListWidget>(liste), untenHinzu());
    } else if (oben == u"Zeichen ersetzen") {
        liste = QStringLiteral("LiAendUnten6");
        label = QStringLiteral("und zwar durch");
        eintraegeSchreiben(t.an<QListWidget>(liste), untenErsetzen());
    } else if (oben == u"Zeichen umordnen") {
        liste = QStringLiteral("LiAendUnten4");
        label = QStringLiteral("und zwar möchte ich sie");
    } else if (oben == u"die Zeiten ändern") {
        liste = QStringLiteral("LiAendUntenZeit");
        label = QStringLiteral("und zwar mit");
    }
    for (const QString &name : {QStringLiteral("LiAendUnten0"), QStringLiteral("LiAendUnten4"),
                                QStringLiteral("LiAendUnten6"), QStringLiteral("LiAendUntenZeit")})
        t.an<QListWidget>(name)->setVisible(name == liste);
    t.an<QLabel>(QStringLiteral("LaAendUnten"))->setText(label);
}

void TOptionenBereich::SeiteAnpassenFuerAktion(int tab)
{
    m_tab = tab == 3 ? 3 : 2;
    EreignisSperre sperre;
    // The cover hides the rebuilding, so switching actions does not flicker.
    d->abdeckung->setGeometry(rect());
    d->abdeckung->raise();
    d->abdeckung->show();
    setUpdatesEnabled(false);

    d->an<QFrame>(QStringLiteral("PaAendernLinks"))->setVisible(m_tab == 2);
    d->an<QFrame>(QStringLiteral("PaHerstellenLinks"))->setVisible(m_tab == 3);
    // A choice that cannot be made here never stays checked.
    if (d->an<QRadioButton>(QStringLiteral("RaZeitZielH"))->isChecked())
        d->an<QRadioButton>(QStringLiteral("RaZeitZielA"))->setChecked(true);
    for (const QString &x : {QStringLiteral("S"), QStringLiteral("A")})
        if (!d->an<QRadioButton>(QStringLiteral("RaAtt") + x + u'E')->isChecked())
            d->an<QRadioButton>(QStringLiteral("RaAtt") + x + u'E')->setChecked(true);
    untereListeFuellen();
    const AktionsCode k = AktionsCodeDerSeite(Auswahl(m_tab));
    panelsZeigen(k);
    beschriftungenSetzen(k);

    setUpdatesEnabled(true);
    d->abdeckung->hide();
}

void TOptionenBereich::panelsZeigen(AktionsCode k)
{
    OptionenTeile &t = *d;
    const bool aend = m_tab == 2;
    const bool herst = m_tab == 3;
    const QString oben = aktuellerText(t.an<QListWidget>(QStringLiteral("LiAendOben")));
    const bool namen = einer(k, {207, 208, 211, 212, 213, 214, 215, 219, 221, 222, 223, 224, 225, 229, 231, 232, 233, 234});
    const bool vonBis = einer(k, {207, 208, 219, 221, 222, 223, 224, 225, 229, 231, 232, 233, 234});
    const bool zeit = aend && istZeit(k);
    const int e = k % 10;
    const bool hst = herst && istHerstellCode(k);
    const bool nummer = (aend && einer(k, {213, 223})) || (hst && k != 250 && k != 249 && e == 3);
    const bool matrix = (aend && einer(k, {214, 224})) || (hst && k != 250 && k != 249 && e == 4);

    const QList<std::pair<QString, bool>> sichtbar{
        {QStringLiteral("PaAendernNameFormat"), aend && oben != u"die Attibute ändern" && oben != u"die Zeiten ändern"},
        {QStringLiteral("PaLinksRechts"), aend && namen},
        {QStringLiteral("PaVonHaupt"), aend && vonBis},
        {QStringLiteral("PaBisHaupt"), aend && vonBis},
        {QStringLiteral("PaTeilstueck1"), aend && einer(k, {207, 208, 219, 221, 222, 223, 224, 225, 231, 232, 233})},
        {QStringLiteral("PaTeilstueck2"), aend && einer(k, {219, 221, 222, 223, 224, 225})},
        {QStringLiteral("PaHinHaupt"), aend && in(k, 211, 215)},
        {QStringLiteral("PaBehalten"), aend && k == 207},
        {QStringLiteral("PaEntfernenHaupt"), aend && k == 208},
        {QStringLiteral("PaFrei"), aend && k == 209},
        {QStringLiteral("PaHinzuSpezi"), aend && k == 211},
        {QStringLiteral("PaNamenListe"), aend && einer(k, {212, 222})},
        {QStringLiteral("PaNummer"), nummer},
        {QStringLiteral("PaMatrix"), matrix},
        {QStringLiteral("PaHinzuZeichen"), aend && k == 215},
        {QStringLiteral("PaAuffuellen"), aend && k == 219},
        {QStringLiteral("PaErsetzenSpezi"), aend && k == 221},
        {QStringLiteral("PaEersetzenZeichen"), aend && k == 225},
        {QStringLiteral("PaFilter"), aend && k == 229},
        {QStringLiteral("PaReihenfolge"), aend && k == 231},
        {QStringLiteral("PaVerschiebenKopieren"), aend && einer(k, {232, 233})},
        {QStringLiteral("PaNachHaupt"), aend && einer(k, {232, 233})},
        {QStringLiteral("PaTauschenHaupt"), aend && k == 234},
        {QStringLiteral("PaAttribute"), aend && k == 205},
        {QStringLiteral("PaZeitZielArt"), zeit},
        {QStringLiteral("PaZeitDatum"), zeit && (e == 1 || e == 2)},
        {QStringLiteral("PaZeitDiff"), zeit && (e == 1 || e == 3)},
        {QStringLiteral("PaZeitQuelleArt"), zeit && e == 4},
        {QStringLiteral("PaHerstVonEiner"), hst && (in(k, 251, 254) || in(k, 261, 264))},
        {QStringLiteral("PaHerstAuswahl"), hst && k != 250 && e == 1},
        {QStringLiteral("PaListeHerst"), hst && e == 2},
        {QStringLiteral("PaHerstZuEinerVerb"), hst && k == 250},
        {QStringLiteral("PaHerstZuVielenVerb"), hst && k == 249},
        {QStringLiteral("PaHerstAnzahl"), hst && (e == 3 || e == 4) && !in(k, 271, 274)},
        {QStringLiteral("PaHerstWo"), herst},
        {QStringLiteral("PaZusatz"), (aend && in(k, 211, 215)) || (aend && k == 222) || nummer || matrix},
    };
    for (const auto &[name, an] : sichtbar)
        t.an<QFrame>(name)->setVisible(an);
    t.an<QLabel>(QStringLiteral("LaZeitFAT"))->setVisible(zeit && m_fat);

    t.an<QCheckBox>(QStringLiteral("CheZusatzDavor"))->setVisible(aend && in(k, 211, 215));
    t.an<QCheckBox>(QStringLiteral("CheZusatzDahinter"))->setVisible(aend && in(k, 211, 215));
    t.an<QCheckBox>(QStringLiteral("CheZusatzWiederholen"))->setVisible(aend && einer(k, {212, 222}));
    QCheckBox *nrUnterverz = t.an<QCheckBox>(QStringLiteral("CheZusatzNrUnterverz"));
    nrUnterverz->setVisible((aend && einer(k, {213, 214, 223, 224})) || (hst && einer(k, {273, 274})));
    // Restarting per directory needs the directories of a search result.
    nrUnterverz->setEnabled(m_umgebung.AktuelleSuchSeite() == 5);

    // The extra check boxes stand directly below the panel they belong to.
    QString wirt;
    if (k == 211)
        wirt = QStringLiteral("PaHinzuSpezi");
    else if (einer(k, {212, 222}))
        wirt = QStringLiteral("PaNamenListe");
    else if (nummer)
        wirt = QStringLiteral("PaNummer");
    else if (matrix)
        wirt = QStringLiteral("PaMatrix");
    else if (k == 215)
        wirt = QStringLiteral("PaHinzuZeichen");
    if (!wirt.isEmpty()) {
        QWidget *zusatz = t.zeileVon.value(QStringLiteral("PaZusatz"));
        t.saetze->removeWidget(zusatz);
        t.saetze->insertWidget(t.saetze->indexOf(t.zeileVon.value(wirt)) + 1, zusatz);
    }

    // The number panels of the Ändern page stand further left, so their last field can be wider.
    const bool weit = aend && (nummer || matrix);
    t.an<QFrame>(QStringLiteral("PaNummer"))->layout()->setContentsMargins(weit ? 0 : 60, 0, 0, 0);
    t.an<QFrame>(QStringLiteral("PaMatrix"))->layout()->setContentsMargins(weit ? 0 : 60, 0, 0, 0);
    t.an<QLineEdit>(QStringLiteral("EdNummerNach"))->setFixedWidth(weit ? 185 : 125);
    t.an<QLineEdit>(QStringLiteral("EdMatrixFormel"))->setFixedWidth(weit ? 595 : 535);

    t.an<QRadioButton>(QStringLiteral("RaHerstWoQuellpfad"))->setEnabled(in(k, 251, 254) || in(k, 261, 264));
    t.an<QRadioButton>(QStringLiteral("RaHerstWoWieName"))
        ->setEnabled(einer(k, {249, 251, 271, 272, 273, 274, 281, 291}));

    for (QWidget *z : std::as_const(t.zeilen)) {
        bool an = false;
        for (QFrame *p : z->findChildren<QFrame *>(QString(), Qt::FindDirectChildrenOnly))
            an = an || !p->isHidden();
        z->setVisible(an);
    }
}

void TOptionenBereich::beschriftungenSetzen(AktionsCode k)
{
    OptionenTeile &t = *d;
    const int zehner = (k / 10) % 10;
    const int e = k % 10;
    const QString zeitArt = zehner == 2   ? QStringLiteral("Herstellungs")
                            : zehner == 3 ? QStringLiteral("Zugriffs")
                                          : QStringLiteral("Änderungs");
    const bool hst = m_tab == 3;

    QString nummer;
    QString matrix;
    if (k == 213)
        nummer = QStringLiteral("und füge dort fortlaufende Nummern ein, die so aufgebaut sein sollen:");
    else if (k == 223)
        nummer = QStringLiteral("und ersetze ihn/sie/es durch fortlaufende Nummern, die so aufgebaut sein sollen:");
    else if (hst)
        nummer = QStringLiteral("Die neuen Namen mit Nummern sollen so aufgebaut sein:");
    if (k == 214)
        matrix = QStringLiteral("und füge dort verschachtelte Nummern ein:");
    else if (k == 224)
        matrix = QStringLiteral("und ersetze ihn/sie/es durch verschachtelte Nummern:");
    else if (hst)
        matrix = QStringLiteral("Die neuen Namen mit Nummern sollen so aufgebaut sein:");
    t.an<QLabel>(QStringLiteral("LaNummer"))->setText(nummer);
    t.an<QLabel>(QStringLiteral("LaMatrixFormel"))->setText(matrix);
    t.an<QLabel>(QStringLiteral("LaListeAendern"))
        ->setText(k == 222 ? QStringLiteral("und ersetze ihn/sie/es durch diese Wörter:")
                           : QStringLiteral("und füge dort diese Wörter ein:"));
    t.an<QLabel>(QStringLiteral("LaNachVerschKop"))
        ->setText(k == 233 ? QStringLiteral("und kopiere ihn/sie/es") : QStringLiteral("und verschiebe ihn/sie/es"));

    t.an<QLabel>(QStringLiteral("LaZeitDatumIntro"))
        ->setText(e == 1 ? QStringLiteral("Die erste ") + zeitArt + QStringLiteral("-Zeit soll ersetzt werden durch diese neue Zeit:")
                         : QStringLiteral("Sie sollen ersetzt werden durch diese neue Zeit:"));
    t.an<QLabel>(QStringLiteral("LaZeitDiff"))
        ->setText(e == 1 ? QStringLiteral("Die anderen ") + zeitArt +
                               QStringLiteral("-Zeiten sollen fortlaufend höher oder niedriger sein, und zwar um")
                         : QStringLiteral("Sie sollen höher oder niedriger sein als vorher, und zwar um"));
    t.an<QLabel>(QStringLiteral("LaZeitQuelleIntro1"))->setText(QStringLiteral("Die neuen ") + zeitArt + QStringLiteral("-Zeiten"));

    const QString wer = in(k, 291, 294) ? QStringLiteral("neuen Verzeichnisse sollen")
                        : k == 250      ? QStringLiteral("neue Datei soll")
                                        : QStringLiteral("neuen Dateien sollen");
    t.an<QLabel>(QStringLiteral("LaHerstWoIntro"))->setText(QStringLiteral("Die ") + wer + QStringLiteral(" gespeichert werden in:"));
    QLabel *lang = t.an<QLabel>(QStringLiteral("LaHerstWoLang"));
    lang->setToolTip(m_baumVerzeichnis);
    lang->setText(lang->fontMetrics().elidedText(m_baumVerzeichnis, Qt::ElideMiddle, 420));
    t.an<QLabel>(QStringLiteral("LaHerstWoKurz"))->setText(nxAdresseLaufwerk(m_baumVerzeichnis));
    t.an<QLabel>(QStringLiteral("LaHerstVonEiner"))
        ->setText(in(k, 261, 264)
                      ? QStringLiteral("Die Teile sollen von dieser Datei/Quelle kopiert werden:   (vollständige Adresse)")
                      : QStringLiteral("Die Kopien sollen von dieser Datei/Quelle hergestellt werden:   (vollständige Adresse)"));
}

namespace {

StellenWahl stelle(const OptionenTeile &t, const QString &feld, const QString &gvh, const QString &gruppe)
{
    StellenWahl w = t.an<TNxTabCombo>(QStringLiteral("PaTabellenCombo") + feld)->Wahl();
    if (!gvh.isEmpty())
        w.anker = t.an<QComboBox>(gvh)->currentIndex();
    const TNxWortCombo *g = t.an<TNxWortCombo>(gruppe);
    w.gruppe = g->currentIndex();
    w.wortPlatz = g->Platz();
    return w;
}

Schalter schalter(const QAbstractButton *b)
{
    return Schalter{b->isChecked(), b->isEnabled()};
}

} // namespace

QStringList TOptionenBereich::listenZeilen(const QString &feld) const
{
    QString text = d->zurueck.contains(feld) ? d->zurueck.value(feld) : d->an<QPlainTextEdit>(feld)->toPlainText();
    text.remove(u'\r');
    if (text.isEmpty())
        return {};
    QStringList zeilen = text.split(u'\n');
    // A last line break ends the last line; it does not start another.
    if (text.endsWith(u'\n'))
        zeilen.removeLast();
    return zeilen;
}

SeitenAuswahl TOptionenBereich::Auswahl(int tab) const
{
    const OptionenTeile &t = *d;
    auto ed = [&t](const char16_t *name) { return t.an<QLineEdit>(QString::fromUtf16(name))->text(); };
    auto index = [&t](const char16_t *name) { return t.an<QComboBox>(QString::fromUtf16(name))->currentIndex(); };
    auto an = [&t](const char16_t *name) { return t.an<QAbstractButton>(QString::fromUtf16(name)); };

    SeitenAuswahl a;
    a.seite = tab == 3 ? RegelSeite::Herstellen : RegelSeite::Aendern;
    a.woerter = m_woerter;

    AendernSeite &s = a.aendern;
    s.oben = aktuellerText(t.an<QListWidget>(QStringLiteral("LiAendOben")));
    // The insert and the replace sentence share one list; its captions follow LiAendOben.
    const int zeile6 = t.an<QListWidget>(QStringLiteral("LiAendUnten6"))->currentRow();
    s.unten6 = (s.oben == u"Zeichen ersetzen" ? untenErsetzen() : untenHinzu()).value(zeile6);
    s.unten4 = aktuellerText(t.an<QListWidget>(QStringLiteral("LiAendUnten4")));
    s.untenZeit = aktuellerText(t.an<QListWidget>(QStringLiteral("LiAendUntenZeit")));
    s.zeitZielH = schalter(an(u"RaZeitZielH")).zaehlt();
    s.zeitZielZ = schalter(an(u"RaZeitZielZ")).zaehlt();
    s.nameFormat = index(u"CoAendernNameFormat");
    s.linksRechts = index(u"CoLinksRechts");
    s.von = stelle(t, QStringLiteral("Von"), QStringLiteral("CoVonGVH"), QStringLiteral("CoVonGruppe"));
    s.bis = stelle(t, QStringLiteral("Bis"), QStringLiteral("CoBisGVH"), QStringLiteral("CoBisGruppe"));
    s.teilstueck = stelle(t, QStringLiteral("S"), QString(), QStringLiteral("CoTeilstueckWas"));
    s.hin = stelle(t, QStringLiteral("H"), QString(), QStringLiteral("CoHinWas"));
    s.nach = stelle(t, QStringLiteral("N"), QString(), QStringLiteral("CoNachGruppe"));
    s.tauschVon = stelle(t, QStringLiteral("TauschenVon"), QStringLiteral("CoTauschenVonGVH"), QStringLiteral("CoTauschenVonWas"));
    s.tauschBis = stelle(t, QStringLiteral("TauschenBis"), QStringLiteral("CoTauschenBisGVH"), QStringLiteral("CoTauschenBisWas"));
    s.teilstueckVerbinden = an(u"CheTeilstueckVerbinden")->isChecked();
    s.hinVH = index(u"CoHinVH");
    s.zusatzDavor = schalter(an(u"CheZusatzDavor"));
    s.zusatzDahinter = schalter(an(u"CheZusatzDahinter"));
    s.zusatzWiederholen = schalter(an(u"CheZusatzWiederholen"));
    s.zusatzNrUnterverz = schalter(an(u"CheZusatzNrUnterverz"));
    s.hinzu = ed(u"EdHinzu");
    s.ersetzen = ed(u"EdEersetzen");
    s.coHinzu = index(u"CoHinzu");
    s.hinzuPlatz = t.an<TNxWortCombo>(QStringLiteral("CoHinzu"))->Platz();
    s.coErsetzen = index(u"CoErsetzen");
    s.ersetzenPlatz = t.an<TNxWortCombo>(QStringLiteral("CoErsetzen"))->Platz();
    s.listeVor = ed(u"EdListeVorAendern");
    s.listeZeilen = listenZeilen(QStringLiteral("RiListeAendern"));
    s.listeNach = ed(u"EdListeNachAendern");
    s.nummerVor = ed(u"EdNummerVor");
    s.nummerStart = ed(u"EdNummerStart");
    s.nummerDiff = ed(u"EdNummerDiff");
    s.nummerNach = ed(u"EdNummerNach");
    s.matrixFormel = ed(u"EdMatrixFormel");
    s.auffuellen = ed(u"EdAuffuellen");
    s.coAuffuellen = index(u"CoAuffuellen");
    s.filterAlt = ed(u"EdFilterAlt");
    s.filterNeu = ed(u"EdFilterNeu");
    s.reihenfolge = index(u"CoReihenfolge");
    s.nachVH = index(u"CoNachVH");
    s.tauschenLR = index(u"CoTauschenLR");
    s.freiZeilen = listenZeilen(QStringLiteral("RiFrei"));
    const QString att = QStringLiteral("HRSA");
    for (std::size_t i = 0; i < 4; ++i) {
        const QString basis = QStringLiteral("RaAtt") + att.at(qsizetype(i));
        s.attributJa[i] = schalter(t.an<QAbstractButton>(basis + u'J')).zaehlt();
        s.attributNein[i] = schalter(t.an<QAbstractButton>(basis + u'N')).zaehlt();
    }
    s.zeitJ = ed(u"EdZeitJ");
    s.zeitM = ed(u"EdZeitM");
    s.zeitT = ed(u"EdZeitT");
    s.zeitU = ed(u"EdZeitU");
    s.zeitI = ed(u"EdZeitI");
    s.zeitE = ed(u"EdZeitE");
    for (std::size_t i = 0; i < s.zeitEinheit.size(); ++i)
        s.zeitEinheit[i] = t.an<QAbstractButton>(QStringLiteral("RaZeit") + QString::number(i + 1))->isChecked();
    s.zeitDiff = ed(u"EdZeitDiff");
    s.zeitQuelleH = an(u"RaZeitQuelleH")->isChecked();
    s.zeitQuelleA = an(u"RaZeitQuelleA")->isChecked();

    HerstellenSeite &h = a.herstellen;
    h.oben = aktuellerText(t.an<QListWidget>(QStringLiteral("LiHerstOben")));
    h.unten4 = aktuellerText(t.an<QListWidget>(QStringLiteral("LiHerstUnten4")));
    h.woQuellpfad = schalter(an(u"RaHerstWoQuellpfad"));
    h.woWieName = schalter(an(u"RaHerstWoWieName"));
    h.woLang = schalter(an(u"RaHerstWoLang"));
    h.woKurz = schalter(an(u"RaHerstWoKurz"));
    h.woWieEdit = schalter(an(u"RaHerstWoWieEdit"));
    h.pfadLang = m_baumVerzeichnis;
    h.pfadKurz = nxAdresseLaufwerk(m_baumVerzeichnis);
    h.herstWo = ed(u"EdHerstWo");
    h.vonEiner = ed(u"EdHerstVonEiner");
    h.zuEinerVerb = ed(u"EdHerstZuEinerVerb");
    h.zuVielenVerb = ed(u"EdHerstZuVielenVerb");
    h.listeVor = ed(u"EdListeVorHerst");
    h.listeZeilen = listenZeilen(QStringLiteral("RiListeHerst"));
    h.listeNach = ed(u"EdListeNachHerst");
    h.nummerVor = s.nummerVor;
    h.nummerStart = s.nummerStart;
    h.nummerDiff = s.nummerDiff;
    h.nummerNach = s.nummerNach;
    h.matrixFormel = s.matrixFormel;
    h.zusatzNrUnterverz = s.zusatzNrUnterverz;
    h.anzahl = ed(u"EdHerstAnzahl");
    h.herstAuswahl = index(u"CoHerstAuswahl");
    h.auswahlVor = ed(u"EdHerstAuswahlVor");
    h.auswahlNach = ed(u"EdHerstAuswahlNach");
    return a;
}

void TOptionenBereich::BenutzerWoerterSetzen(const std::array<BenutzerWort, 6> &woerter)
{
    m_woerter = woerter;
    for (QWidget *w : std::as_const(d->teile))
        if (auto *c = qobject_cast<TNxWortCombo *>(w))
            c->WoerterAuffrischen(m_woerter);
    veraltet();
}

void TOptionenBereich::WortPlatzSetzen(const QString &combo, int platz)
{
    auto *c = qobject_cast<TNxWortCombo *>(d->teile.value(combo));
    if (!c)
        return;
    c->PlatzSetzen(platz);
    c->WoerterAuffrischen(m_woerter);
    veraltet();
}

void TOptionenBereich::BaumVerzeichnisSetzen(const QString &verzeichnis)
{
    if (verzeichnis.isEmpty() || verzeichnis == m_baumVerzeichnis)
        return;
    m_baumVerzeichnis = verzeichnis.endsWith(u'/') ? verzeichnis : verzeichnis + u'/';
    beschriftungenSetzen(AktionsCodeDerSeite(Auswahl(m_tab)));
    veraltet();
}

void TOptionenBereich::FatBekanntSetzen(bool fat)
{
    m_fat = fat;
    SeiteAnpassenFuerAktion(m_tab);
}

void TOptionenBereich::ListenFeldZurueckhalten(const QString &feld, const QString &text)
{
    auto *ri = qobject_cast<QPlainTextEdit *>(d->teile.value(feld));
    if (!ri)
        return;
    EreignisSperre sperre;
    d->zurueck.insert(feld, text);
    ri->setPlainText(kHinweisZurueck);
    ri->setEnabled(false);
    d->an<QPushButton>(schalterName(feld, true))->show();
    d->an<QPushButton>(schalterName(feld, false))->show();
}

OptionenZustand TOptionenBereich::ZustandSchreiben() const
{
    OptionenZustand z;
    for (auto it = d->teile.cbegin(); it != d->teile.cend(); ++it) {
        const QString &name = it.key();
        QWidget *w = it.value();
        if (auto *wc = qobject_cast<TNxWortCombo *>(w)) {
            z.flags.insert(name, wc->currentIndex());
            z.flags.insert(name + QStringLiteral(".Platz"), wc->Platz());
        } else if (auto *co = qobject_cast<QComboBox *>(w)) {
            z.flags.insert(name, co->currentIndex());
        } else if (auto *l = qobject_cast<QListWidget *>(w)) {
            if (l->count() > 0)
                z.flags.insert(name, l->currentRow());
        } else if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            if (b->isCheckable())
                z.flags.insert(name, b->isChecked() ? 1 : 0);
        } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
            z.texte.insert(name, e->text());
        } else if (auto *m = qobject_cast<QPlainTextEdit *>(w)) {
            // A field not filled at start keeps its stored text, so nothing is lost.
            z.texte.insert(name, d->zurueck.contains(name) ? d->zurueck.value(name) : m->toPlainText());
        } else if (auto *t = qobject_cast<TNxTabCombo *>(w)) {
            z.flags.insert(name, t->GespeicherteForm());
        }
    }
    for (int i = 0; i < 6; ++i) {
        z.texte.insert(QStringLiteral("Wort") + QString::number(i + 1), m_woerter[std::size_t(i)].text);
        z.texte.insert(QStringLiteral("Gross") + QString::number(i + 1), m_woerter[std::size_t(i)].gross);
    }
    return z;
}

void TOptionenBereich::ZustandLesen(const OptionenZustand &z)
{
    {
        EreignisSperre sperre;
        for (int i = 0; i < 6; ++i) {
            BenutzerWort &w = m_woerter[std::size_t(i)];
            w.text = z.texte.value(QStringLiteral("Wort") + QString::number(i + 1), w.text);
            w.gross = z.texte.value(QStringLiteral("Gross") + QString::number(i + 1)) == u"J" ? QStringLiteral("J")
                                                                                              : QStringLiteral("N");
        }
        for (auto it = d->teile.cbegin(); it != d->teile.cend(); ++it) {
            const QString &name = it.key();
            QWidget *w = it.value();
            const bool hatFlag = z.flags.contains(name);
            const qint64 flag = z.flags.value(name);
            if (auto *co = qobject_cast<QComboBox *>(w)) {
                if (auto *wc = qobject_cast<TNxWortCombo *>(w))
                    wc->PlatzSetzen(int(std::clamp<qint64>(z.flags.value(name + QStringLiteral(".Platz"), 1), 0, 7)));
                if (hatFlag)
                    co->setCurrentIndex(std::max(0, IniListenIndex(flag, co->count())));
            } else if (auto *l = qobject_cast<QListWidget *>(w)) {
                if (hatFlag && l->count() > 0)
                    l->setCurrentRow(std::max(0, IniListenIndex(flag, l->count())));
            } else if (auto *b = qobject_cast<QAbstractButton *>(w)) {
                // In a group of radio buttons only the one that was on is set; the others follow.
                if (hatFlag && b->isCheckable() && (flag == 1 || qobject_cast<QCheckBox *>(w)))
                    b->setChecked(flag == 1);
            } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
                if (z.texte.contains(name))
                    e->setText(z.texte.value(name));
            } else if (auto *m = qobject_cast<QPlainTextEdit *>(w)) {
                if (z.texte.contains(name) && !d->zurueck.contains(name))
                    m->setPlainText(z.texte.value(name));
            } else if (auto *t = qobject_cast<TNxTabCombo *>(w)) {
                if (hatFlag)
                    t->GespeicherteFormSetzen(flag);
            }
        }
        for (QWidget *w : std::as_const(d->teile))
            if (auto *c = qobject_cast<TNxWortCombo *>(w))
                c->WoerterAuffrischen(m_woerter);
    }
    SeiteAnpassenFuerAktion(m_tab);
}

} // namespace rinolux
