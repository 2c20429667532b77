#include "gui/pages/AktionsSeite.h"

#include "core/actions/sub_Aktion_AendernHerstellen.h"
#include "core/shell/Einstellungen.h"
#include "core/shell/ListenDaten.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_Debug.h"
#include "gui/app/SchalterRahmen.h"
#include "gui/app/Start.h"
#include "gui/pages/OptionenBereich.h"
#include "gui/pages/SeitenUmgebung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace rinolux {

namespace {

const QColor Gelb(255, 255, 0);
const QColor Orange(255, 128, 0);

} // namespace

TAktionsSeite::TAktionsSeite(SeitenUmgebung &umgebung, QWidget *eltern)
    : Seite(QStringLiteral("PaAktion"), umgebung, eltern)
{
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(4);
    m_paAendUndHerst = SeitenPanel(QStringLiteral("PaAendUndHerst"), this);
    m_optionen = new TOptionenBereich(umgebung, m_paAendUndHerst);
    auto *optionenZeile = new QVBoxLayout(m_paAendUndHerst);
    optionenZeile->setContentsMargins(0, 0, 0, 0);
    optionenZeile->addWidget(m_optionen);
    connect(m_optionen, &TOptionenBereich::Veraltet, this, &TAktionsSeite::VorschauVeraltet);
    connect(m_optionen, &TOptionenBereich::AktionGewechselt, this, [this] {
        m_optionen->SeiteAnpassenFuerAktion(m_tab);
        VorschauVeraltet();
    });
    m_paRegel = SeitenPanel(QStringLiteral("PaRegel"), this);
    m_paRegel->hide();
    spalte->addWidget(m_paAendUndHerst);
    spalte->addWidget(m_paRegel);
    spalte->addWidget(vorschauLeisteBauen());
    QFrame *vorschau = SeitenPanel(QStringLiteral("PanelListeVorschau"), this);
    vorschau->setFrameShape(QFrame::StyledPanel);
    spalte->addWidget(vorschau, 1);
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

QWidget *TAktionsSeite::vorschauLeisteBauen()
{
    m_paVorschauSchalter = SeitenPanel(QStringLiteral("PaVorschauSchalter"), this);
    m_paVorschauSchalter->setFixedHeight(30);
    m_paVorschauSchalter->setMinimumWidth(MindestBreite - 8);
    auto *che = new QCheckBox(QStringLiteral("Vorschau\nautomatisch"), m_paVorschauSchalter);
    che->setObjectName(QStringLiteral("CheVorschauSchalter"));
    // Two short lines in a slightly smaller font, so the caption fits before the button.
    QFont klein = che->font();
    klein.setPointSizeF(klein.pointSizeF() * 0.85);
    che->setFont(klein);
    che->setGeometry(2, 0, 82, 30);
    connect(che, &QCheckBox::toggled, this, [this](bool an) {
        if (!EreignisseGesperrt)
            Q_EMIT AutoVorschauSchalten(an);
    });
    auto *vorschau = new QPushButton(QStringLiteral("Vorschau anzeigen"), m_paVorschauSchalter);
    vorschau->setObjectName(QStringLiteral("BuVorschauSchalter"));
    vorschau->setGeometry(85, 0, 120, 30);
    // Its action is the preview run, which enables it once it is connected.
    vorschau->setEnabled(false);
    auto *bevel = SeitenPanel(QStringLiteral("BeVorschauFehler"), m_paVorschauSchalter);
    bevel->setFrameShape(QFrame::Panel);
    bevel->setFrameShadow(QFrame::Sunken);
    m_beVorschauFehler = bevel;
    auto *fehler = new QLabel(bevel);
    fehler->setObjectName(QStringLiteral("LaVorschauFehler"));
    fehler->setTextFormat(Qt::PlainText);
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

void TAktionsSeite::Anpassen(int tab)
{
    m_tab = tab;
    const bool regel = tab == 4;
    m_paAendUndHerst->setVisible(!regel);
    m_paRegel->setVisible(regel);
    if (!regel)
        m_optionen->SeiteAnpassenFuerAktion(tab);
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
    // A preview belongs to the tab it was made for.
    m_buAktion->setEnabled(Aktion(tab).has_value());
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
    m_aktion.reset();
    m_aktionTab = 0;
    m_buAktion->setEnabled(false);
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
    if (ergebnis.begonnen)
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
