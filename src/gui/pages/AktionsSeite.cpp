#include "gui/pages/AktionsSeite.h"

#include "core/actions/sub_Aktion_AendernHerstellen.h"
#include "core/engine/sub_Aktion_Vorschau.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Einstellungen.h"
#include "core/shell/ListenDaten.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_Debug.h"
#include "gui/app/Ablauf.h"
#include "gui/app/Form_Benutzerwoerter.h"
#include "gui/app/Form_Platzhalter.h"
#include "gui/app/KontextMenues.h"
#include "gui/app/SchalterRahmen.h"
#include "gui/app/Start.h"
#include "gui/pages/Form_ZAblage.h"
#include "gui/pages/OptionenBereich.h"
#include "gui/pages/RegelnBereich.h"
#include "gui/pages/SeitenUmgebung.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include <algorithm>

namespace rinolux {

namespace {

const QColor Gelb(255, 255, 0);
const QColor Orange(255, 128, 0);

// The summary's background colours.
QColor grundFarbe(VorschauFarbe f)
{
    switch (f) {
    case VorschauFarbe::Gruen: return QColor(204, 255, 204);
    case VorschauFarbe::Gelb: return QColor(255, 255, 187);
    case VorschauFarbe::Rot: return QColor(255, 221, 221);
    case VorschauFarbe::Normal: break;
    }
    return QColor();
}

QFrame *strich(const QString &name, QWidget *eltern)
{
    QFrame *f = SeitenPanel(name, eltern);
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    f->setFixedHeight(4);
    return f;
}

} // namespace

TAktionsSeite::TAktionsSeite(SeitenUmgebung &umgebung, QWidget *eltern)
    : Seite(QStringLiteral("PaAktion"), umgebung, eltern)
{
    m_spalte = new QVBoxLayout(this);
    m_spalte->setContentsMargins(0, 0, 0, 0);
    m_spalte->setSpacing(2);

    // E: the options area of pages 2 and 3 or the rules area of page 4.
    m_eingabe = new QWidget(this);
    m_eingabe->setObjectName(QStringLiteral("PaAktionEingabe"));
    auto *eingabeSpalte = new QVBoxLayout(m_eingabe);
    eingabeSpalte->setContentsMargins(0, 0, 0, 0);
    m_paAendUndHerst = SeitenPanel(QStringLiteral("PaAendUndHerst"), m_eingabe);
    m_optionen = new TOptionenBereich(umgebung, m_paAendUndHerst);
    auto *optionenZeile = new QVBoxLayout(m_paAendUndHerst);
    optionenZeile->setContentsMargins(0, 0, 0, 0);
    optionenZeile->addWidget(m_optionen);
    connect(m_optionen, &TOptionenBereich::Veraltet, this, &TAktionsSeite::VorschauVeraltet);
    connect(m_optionen, &TOptionenBereich::AktionGewechselt, this, [this] { Anpassen(m_tab); });
    connect(m_optionen, &TOptionenBereich::BenutzerWoerterVerlangt, this, &TAktionsSeite::benutzerWoerterFragen);
    m_paRegel = SeitenPanel(QStringLiteral("PaRegel"), m_eingabe);
    m_regeln = new TRegelnBereich(GespeicherteRegeln(), umgebung.Dialoge(),
                                  [this](int tab) { return m_optionen->Auswahl(tab); }, m_paRegel);
    auto *regelZeile = new QVBoxLayout(m_paRegel);
    regelZeile->setContentsMargins(0, 0, 0, 0);
    regelZeile->addWidget(m_regeln);
    connect(m_regeln, &TRegelnBereich::RegelGewechselt, this, [this] { Anpassen(m_tab); });
    m_paRegel->hide();
    eingabeSpalte->addWidget(m_paAendUndHerst);
    eingabeSpalte->addWidget(m_paRegel);

    m_strich1 = strich(QStringLiteral("PaAktStrich1"), this);
    m_strich2 = strich(QStringLiteral("PaAktStrich2"), this);
    vorschauLeisteBauen();
    m_panelListeVorschau = SeitenPanel(QStringLiteral("PanelListeVorschau"), this);
    m_panelListeVorschau->setFrameShape(QFrame::StyledPanel);
    vListeBauen(m_panelListeVorschau);
    m_platzhalter = std::make_unique<FensterPlatzhalterFrage>(umgebung.Dialoge(),
                                                              [this]() -> QWidget * { return m_beVorschauFehler; });
    anordnen();
}

TAktionsSeite::~TAktionsSeite() = default;

QString TAktionsSeite::Titel(int tab) const
{
    switch (tab) {
    case 3: return QStringLiteral("Herstellen");
    case 4: return QStringLiteral("Regeln");
    default: return QStringLiteral("Ändern");
    }
}

void TAktionsSeite::benutzerWoerterFragen()
{
    const QString combo = m_optionen->WortComboVerlangt();
    // The insert and replace combos take a word or a number, always as written.
    const bool wortOderZahl = combo == u"CoHinzu" || combo == u"CoErsetzen";
    Tbb form(m_optionen->BenutzerWoerter(), wortOderZahl ? QStringLiteral("< Wort oder Zahl ...") : QStringLiteral("< Wort ..."),
             !wortOderZahl, window());
    const QWidget *neben = combo.isEmpty() ? nullptr : m_optionen->findChild<QWidget *>(combo);
    form.AmPanelPlatzieren(neben ? neben : m_optionen);
    if (form.exec() != QDialog::Accepted || form.Wahl() < 1)
        return;
    m_optionen->BenutzerWoerterSetzen(form.Woerter());
    if (!combo.isEmpty())
        m_optionen->WortPlatzSetzen(combo, form.Wahl());
    VorschauVeraltet();
}

void TAktionsSeite::vListeBauen(QWidget *panel)
{
    m_vliste = new TNxRotListe(panel, QStringLiteral("VListe"), VListeOptionen());
    auto *zeile = new QVBoxLayout(panel);
    zeile->setContentsMargins(1, 1, 1, 1);
    zeile->addWidget(m_vliste);
    const QStringList &titel = VorschauSpaltenTitel();
    for (int s = 1; s <= VZelle::Anzahl; ++s) {
        SpaltenTyp typ = SpaltenTyp::Text;
        if (s == VZelle::Zeit || s == VZelle::Zeit2 || s == VZelle::Zeit3 || s == VZelle::NeuZeit)
            typ = SpaltenTyp::Zeit;
        const int nr = m_vliste->SpalteNeu(typ);
        TNxTypSpalte &sp = m_vliste->Spalte(nr);
        sp.titel = titel.value(s);
        sp.sichtbar = false;
        sp.fettVerz = s == VZelle::Name || s == VZelle::NeuName;
        sp.rotWarn = s == VZelle::Ergebnis;
        sp.getoent = s >= VZelle::NeuPfad && s <= VZelle::NeuAttribute;
    }
    // Readable from the first start: a name of about 30 characters, a whole time text, the
    // longer check results.
    const QString name = QStringLiteral("Urlaub am Bodensee 2024 (07).jpeg");
    m_vliste->BreiteLesbar(VZelle::Pfad, QStringLiteral("/home/benutzer/Bilder/Urlaub/"));
    m_vliste->BreiteLesbar(VZelle::NeuPfad, QStringLiteral("/home/benutzer/Bilder/Urlaub/"));
    m_vliste->BreiteLesbar(VZelle::Name, name);
    m_vliste->BreiteLesbar(VZelle::NeuName, name);
    for (const int s : {VZelle::Zeit, VZelle::Zeit2, VZelle::Zeit3, VZelle::NeuZeit})
        m_vliste->BreiteLesbar(s, QString());
    m_vliste->BreiteLesbar(VZelle::Attribute, QStringLiteral("2048"));
    m_vliste->BreiteLesbar(VZelle::NeuAttribute, QStringLiteral("2048"));
    m_vliste->BreiteLesbar(VZelle::Ergebnis, QStringLiteral("neuer Name enthält unmögliches Zeichen"));
    m_vliste->ZeilenLeeren();

    m_popV = Umgebung().Menue(QStringLiteral("PopV"));
    if (!m_popV)
        m_popV = KontextMenueBauen(u"PopV", this);
    {
        for (const auto &[name, abwaerts] :
             {std::pair{u"PopV_FehlerSprungPlus", true}, std::pair{u"PopV_FehlerSprungMinus", false}}) {
            if (const MenueEintrag *e = KontextMenueEintrag(name)) {
                QAction *a = KontextMenueAktion(m_popV, *e);
                connect(a, &QAction::triggered, this, [this, abwaerts = abwaerts] { FehlerSprung(abwaerts); });
            }
        }
    }
    connect(m_vliste, &TNxRotListe::RechtsKlick, this, [this](int spalte, int, int zeile, QPoint global) {
        popVAnpassen(spalte, zeile);
        m_popV->popup(global + QPoint(32, 0));
    });
}

void TAktionsSeite::popVAnpassen(int spalte, int zeile)
{
    // The window's PopV serves the preview of every action page: its clipboard entries
    // work on the list they were opened on.
    const QString zelle = zeile > 0 ? m_vliste->AnzeigeText(zeile, spalte) : QString();
    QAction *z = KontextMenueAktion(m_popV, *KontextMenueEintrag(u"PopV_Zelle"));
    KontextMenueZelleSetzen(z, zelle);
    disconnect(z, &QAction::triggered, nullptr, nullptr);
    connect(z, &QAction::triggered, this, [zelle] { ZwischenAblageSetzen(zelle); });
    QAction *alle = KontextMenueAktion(m_popV, *KontextMenueEintrag(u"PopV_UnterVerz"));
    disconnect(alle, &QAction::triggered, nullptr, nullptr);
    connect(alle, &QAction::triggered, this, [this] { VorschauZwischenAblage(QStringLiteral("ZA_GV")); });
}

bool TAktionsSeite::VorschauZwischenAblage(const QString &code)
{
    ZAQuelle q;
    q.art = u'V';
    q.liste = &m_vliste->Daten();
    q.spalten = ZASichtbareSpalten(*m_vliste);
    q.ersterTitel = m_vliste->Spalte(1).titel;
    return ZwischenAblageStarten(code, q, Umgebung().Fort(), m_vliste);
}

QWidget *TAktionsSeite::vorschauLeisteBauen()
{
    m_paVorschauSchalter = SeitenPanel(QStringLiteral("PaVorschauSchalter"), this);
    m_paVorschauSchalter->setFixedHeight(30);
    m_paVorschauSchalter->setMinimumWidth(MindestBreite - 8);
    auto *che = new QCheckBox(QStringLiteral("Vorschau\nautomatisch"), m_paVorschauSchalter);
    che->setObjectName(QStringLiteral("CheVorschauSchalter"));
    m_cheVorschau = che;
    // Two short lines in a slightly smaller font, so the caption fits before the button.
    QFont klein = che->font();
    klein.setPointSizeF(klein.pointSizeF() * 0.85);
    che->setFont(klein);
    che->setGeometry(2, 0, 82, 30);
    connect(che, &QCheckBox::toggled, this, [this](bool an) {
        if (EreignisseGesperrt)
            return;
        // The timer waits for a stale preview; a fresh one is renewed only after a change.
        Q_EMIT AutoVorschauSchalten(an && !VorschauFrisch());
    });
    m_buVorschau = new QPushButton(QStringLiteral("Vorschau anzeigen"), m_paVorschauSchalter);
    m_buVorschau->setObjectName(QStringLiteral("BuVorschauSchalter"));
    m_buVorschau->setGeometry(85, 0, 120, 30);
    connect(m_buVorschau, &QPushButton::clicked, this, &TAktionsSeite::VorschauAnzeigen);
    auto *bevel = SeitenPanel(QStringLiteral("BeVorschauFehler"), m_paVorschauSchalter);
    bevel->setFrameShape(QFrame::Panel);
    bevel->setFrameShadow(QFrame::Sunken);
    m_beVorschauFehler = bevel;
    auto *fehler = new QLabel(bevel);
    fehler->setObjectName(QStringLiteral("LaVorschauFehler"));
    fehler->setTextFormat(Qt::PlainText);
    fehler->setAutoFillBackground(true);
    m_laVorschauFehler = fehler;
    fehler->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fehler->setContentsMargins(6, 0, 6, 0);
    auto *bevelZeile = new QHBoxLayout(bevel);
    bevelZeile->setContentsMargins(2, 2, 2, 2);
    bevelZeile->addWidget(fehler);
    m_buAktion = new QPushButton(QStringLiteral("durchführen"));
    m_buAktion->setObjectName(QStringLiteral("BuAktion"));
    m_buAktion->setEnabled(false);
    m_buAktionRahmen = new TSchalterRahmen(m_buAktion, Gelb, Umgebung().Einst().RahmenDicke, m_paVorschauSchalter);
    connect(m_buAktion, &QPushButton::clicked, this, [this] { Q_EMIT AusfuehrenVerlangt(); });
    // The bar follows the page's width: the action button stays at the right end.
    m_paVorschauSchalter->installEventFilter(this);
    return m_paVorschauSchalter;
}

void TAktionsSeite::anordnen()
{
    const int anordnung = Umgebung().Einst().VorschauAnordnung;
    if (anordnung == m_anordnung)
        return;
    m_anordnung = anordnung;
    for (QWidget *w : {m_eingabe, static_cast<QWidget *>(m_strich1), m_paVorschauSchalter,
                       static_cast<QWidget *>(m_strich2), static_cast<QWidget *>(m_panelListeVorschau)})
        m_spalte->removeWidget(w);
    QWidget *l = m_panelListeVorschau;
    QWidget *s = m_paVorschauSchalter;
    QWidget *e = m_eingabe;
    // "-" is the first separator line, "=" the second; the list takes the remaining height.
    QList<QWidget *> folge;
    switch (anordnung) {
    case 2: folge = {l, m_strich1, s, m_strich2, e}; break; // L-S=E
    case 3: folge = {e, m_strich1, s, m_strich2, l}; break; // E-S=L
    default: folge = {l, m_strich1, e, m_strich2, s}; break; // L-E=S
    }
    for (QWidget *w : folge)
        m_spalte->addWidget(w, w == l ? 1 : 0);
}

bool TAktionsSeite::eventFilter(QObject *objekt, QEvent *event)
{
    if (objekt == m_paVorschauSchalter && event->type() == QEvent::Resize) {
        const int b = m_paVorschauSchalter->width();
        m_buAktionRahmen->setGeometry(b - 134, 0, 120, 30);
        m_beVorschauFehler->setGeometry(85 + 120 + 10, 0, std::max(0, b - 134 - 10 - (85 + 120 + 10)), 30);
    }
    return Seite::eventFilter(objekt, event);
}

void TAktionsSeite::Startwerte()
{
    // The frame thickness is read from the early control-state file.
    m_buAktionRahmen->DickeSetzen(Umgebung().Einst().RahmenDicke);
    AnzeigeSchalterBeschriftung(Umgebung().AktuelleSeite());
}

const ListenDaten &TAktionsSeite::auswahl() const
{
    static const ListenDaten leer(AZelle::Anzahl);
    const ListenDaten *a = Umgebung().AuswahlDaten();
    return a ? *a : leer;
}

SeitenAuswahl TAktionsSeite::SeitenSchnappschuss(int tab) const
{
    if (tab != 4)
        return m_optionen->Auswahl(tab);
    SeitenAuswahl a;
    a.seite = RegelSeite::Regeln;
    a.regeln = m_regeln->Auswahl();
    // The user words belong to the sentence pages; a stored rule carries its own words.
    a.woerter = m_optionen->Auswahl(2).woerter;
    return a;
}

QString TAktionsSeite::RegelCodeDerSeite(int tab) const
{
    return rinolux::RegelCodeDerSeite(SeitenSchnappschuss(tab));
}

void TAktionsSeite::Anpassen(int tab)
{
    // Rebuilding the options may announce a new action itself: one adjustment is enough.
    if (m_passtAn)
        return;
    const QScopedValueRollback<bool> sperre(m_passtAn, true);
    DebugSchritt schritt(QStringLiteral("SeiteAnpassenFuerAktion"));
    m_tab = tab;
    const bool regel = tab == 4;
    anordnen();
    // The page being rebuilt is not painted half done.
    m_eingabe->setUpdatesEnabled(false);
    m_paAendUndHerst->setVisible(!regel);
    m_paRegel->setVisible(regel);
    if (regel)
        m_regeln->Anpassen();
    else
        m_optionen->SeiteAnpassenFuerAktion(tab);
    m_eingabe->setUpdatesEnabled(true);
    QStringList listen;
    switch (tab) {
    case 2:
        listen = {QStringLiteral("CoAendernNameFormat"), QStringLiteral("LiAendOben"), QStringLiteral("LiAendUnten6"),
                  QStringLiteral("LiAendUnten4")};
        break;
    case 3: listen = {QStringLiteral("LiHerstOben"), QStringLiteral("LiHerstUnten4")}; break;
    default: listen = {QStringLiteral("LiRegelAktion")}; break;
    }
    for (const QString &name : listen)
        ListeAufGueltigenEintrag(name);
    AnzeigeSchalterBeschriftung(tab);
    zeilenAufbauen();
    VorschauVeraltet();
}

void TAktionsSeite::zeilenAufbauen()
{
    if (m_laeuft) {
        m_veraltetNachLauf = true;
        return;
    }
    const AktionsCode code = AktionsCodeDerSeite(SeitenSchnappschuss(m_tab));
    VorschauZeilenAufbauen(m_vliste->Daten(), auswahl(), code);
    const QList<int> sichtbar = VorschauSichtbareSpalten(code);
    for (int s = 1; s <= VZelle::Anzahl; ++s)
        m_vliste->Spalte(s).sichtbar = sichtbar.contains(s);
    m_vliste->Neuzeichnen();
}

void TAktionsSeite::meldungZeigen(const QString &text, VorschauFarbe farbe)
{
    m_laVorschauFehler->setText(text);
    QPalette pal = QApplication::palette(m_laVorschauFehler);
    const QColor grund = grundFarbe(farbe);
    if (grund.isValid()) {
        pal.setColor(QPalette::Window, grund);
        pal.setColor(QPalette::WindowText, Qt::black);
    } else {
        pal.setColor(QPalette::Window, pal.color(QPalette::Button));
        pal.setColor(QPalette::WindowText, pal.color(QPalette::ButtonText));
    }
    m_laVorschauFehler->setPalette(pal);
}

void TAktionsSeite::VorschauAnzeigen()
{
    // The progress display lets clicks through; one run at a time.
    if (m_laeuft)
        return;
    DebugSchritt schritt(QStringLiteral("BuVorschauSchalter"));
    Q_EMIT AutoVorschauSchalten(false);
    const SeitenAuswahl a = SeitenSchnappschuss(m_tab);
    const QString code = rinolux::RegelCodeDerSeite(a);
    const AktionsCode k = AktionsCodeDerSeite(a);
    const ListenDaten &aliste = auswahl();
    ListenDaten &v = m_vliste->Daten();
    // The rows follow the marks as they are now, whatever changed since the page was shown.
    zeilenAufbauen();
    VorschauOptionen opt;
    opt.gross = VorschauErwarteteZeilen(k, v.Anzahl(), int(a.herstellen.listeZeilen.size()), a.herstellen.anzahl)
                > VorschauGrosseGrenze;
    opt.anker = QStringLiteral("BuVorschauSchalter");
    opt.platzhalter = m_platzhalter.get();
    // Numbers may start anew per directory only over the directories of a search result.
    opt.suchErgebnis = Umgebung().AktuelleSuchSeite() == 5;
    m_laeuft = true;
    m_veraltetNachLauf = false;
    m_buVorschau->setEnabled(false);
    const VorschauLaufErgebnis e = Aktion_VorschauAnzeigen(v, aliste, code, opt, Umgebung().Fort());
    m_buVorschau->setEnabled(true);
    m_laeuft = false;
    m_vliste->Neuzeichnen();
    meldungZeigen(e.auswertung.text, e.auswertung.farbe);
    if (m_veraltetNachLauf) {
        // A control changed while the preview ran: it describes the old state.
        m_veraltetNachLauf = false;
        zeilenAufbauen();
        VorschauVeraltet();
    } else if (e.auswertung.aktionFrei && !e.abgebrochen) {
        const QString beschreibung = Titel(m_tab) + QStringLiteral(": ") + AuswahlTextDerSeite(a);
        VorschauFertig(m_tab, {e.code != 0 ? e.code : k, beschreibung, e.auswertung.text, &v});
    } else {
        m_aktion.reset();
        m_aktionTab = 0;
        m_buAktion->setEnabled(false);
    }
    Q_EMIT VorschauGezeigt();
}

void TAktionsSeite::VorschauFertig(int tab, const SeitenAktion &aktion)
{
    m_aktion = aktion;
    m_aktionTab = tab;
    m_laVorschauFehler->setText(aktion.zusammenfassung);
    m_buAktion->setEnabled(tab == m_tab && Aktion(tab).has_value());
}

void TAktionsSeite::VorschauVeraltet()
{
    nxDebugZeile(QStringLiteral("Aktion_VorschauTimerEinschaltenWennErlaubt"));
    m_aktion.reset();
    m_aktionTab = 0;
    m_buAktion->setEnabled(false);
    if (m_laeuft) {
        m_veraltetNachLauf = true;
        return;
    }
    const AktionsCode code = AktionsCodeDerSeite(SeitenSchnappschuss(m_tab));
    const QString text = VorschauVeralten(m_vliste->Daten(), code, auswahl().MarkiertAnzahl());
    meldungZeigen(text, VorschauFarbe::Normal);
    m_vliste->Neuzeichnen();
    if (m_cheVorschau->isChecked())
        Q_EMIT AutoVorschauSchalten(true);
}

bool TAktionsSeite::AutoVorschau(int tab, qint64 ruheMs)
{
    if (tab != m_tab || m_laeuft || VorschauFrisch() || !isVisible())
        return false;
    const Einstellungen &einst = Umgebung().Einst();
    const SeitenAuswahl a = SeitenSchnappschuss(tab);
    const qint64 betroffen =
        VorschauBetroffeneAnzahl(AktionsCodeDerSeite(a), auswahl().MarkiertAnzahl(), a.herstellen.anzahl);
    if (!AutoVorschauFaellig(ruheMs, einst.VorschauSekunden, einst.VorschauAnzahlBegrenzt, einst.VorschauAnzahl,
                             betroffen))
        return false;
    // The user goes on typing where he was.
    const QPointer<QWidget> fokus = QApplication::focusWidget();
    m_buVorschau->click();
    if (fokus)
        fokus->setFocus();
    return true;
}

void TAktionsSeite::FehlerSprung(bool abwaerts)
{
    ListenDaten &v = m_vliste->Daten();
    const int p = VorschauFehlerSprung(v.Anzahl(), v.AktPosition(), abwaerts,
                                       [&v](int position) { return v.Warn(v.ZeileAn(position)); });
    if (p < 1)
        return;
    m_vliste->AktPositionSetzen(p);
    m_vliste->Neuzeichnen();
}

std::optional<SeitenAktion> TAktionsSeite::Aktion(int tab) const
{
    if (!m_aktion || !m_aktion->arbeit || tab != m_aktionTab)
        return std::nullopt;
    // Rows marked as errors are never carried out; with none left there is nothing to do.
    const ListenDaten &a = *m_aktion->arbeit;
    for (int z = 1; z <= a.Anzahl(); ++z)
        if (!a.Warn(z))
            return m_aktion;
    return std::nullopt;
}

void TAktionsSeite::NachAusfuehren(const AusfuehrErgebnis &ergebnis)
{
    if (!ergebnis.begonnen)
        return;
    // The selection list shows the new names now; the rows are made from it anew.
    zeilenAufbauen();
    VorschauVeraltet();
}

void TAktionsSeite::ListeAufGueltigenEintrag(const QString &name)
{
    EreignisSperre sperre;
    // The page's lists are found by their control names, whichever part built them.
    if (auto *co = findChild<QComboBox *>(name)) {
        if (co->count() > 0 && (co->currentIndex() < 0 || co->currentIndex() >= co->count()))
            co->setCurrentIndex(0);
    } else if (auto *li = findChild<QListWidget *>(name)) {
        if (li->count() > 0 && (li->currentRow() < 0 || li->currentRow() >= li->count()))
            li->setCurrentRow(0);
    }
}

void TAktionsSeite::AnzeigeSchalterBeschriftung(int tab)
{
    // The button is named after its page, only the rules page applies a rule.
    QString text = tab == 4 ? QStringLiteral("Regel anwenden") : Titel(tab);
    if (Umgebung().Einst().Sicherheitsfrage) {
        m_buAktionRahmen->FarbeSetzen(Gelb);
        text += QStringLiteral(" ...");
    } else {
        m_buAktionRahmen->FarbeSetzen(Orange);
        text += u'!';
    }
    m_buAktion->setText(text);
    nxDebugZeile(QStringLiteral("AnzeigeSchalterBeschriftung: ") + text);
}

TNxRotListeOptionen TAktionsSeite::VListeOptionen()
{
    return {.endenFest = true, .rechtsKlick = true, .linksKlick = true, .fuellGrenze = 11};
}

} // namespace rinolux
