#include "gui/pages/Form_Regel.h"

#include "core/engine/RegelListe.h"
#include "core/engine/RegelVerbinden.h"
#include "core/util/nx_Debug.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/controls/nx_Register.h"
#include "gui/pages/Seite.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rinolux {

Trr::Trr(RegelListe &regeln, QWidget *eltern) : QDialog(eltern), m_regeln(regeln)
{
    setObjectName(QStringLiteral("rr"));
    setWindowTitle(QStringLiteral("Regeln verbinden"));
    auto *spalte = new QVBoxLayout(this);
    auto *intro = new QLabel(QStringLiteral("Vorhandene Regeln werden zu einer neuen und zusätzlichen Regel verbunden. "
                                            "Dafür verwendet werden können nur Regeln, die Namen oder Formate ändern.\r\n"
                                            "Regeln, die Attribute oder Zeiten ändern, und Herstellungs-Regeln werden "
                                            "deshalb hier nicht angezeigt."),
                             this);
    intro->setObjectName(QStringLiteral("LaRegelIntro"));
    intro->setWordWrap(true);
    spalte->addWidget(intro);

    QFrame *regPanel = SeitenPanel(QStringLiteral("PaRegelReg"), this);
    regPanel->setFixedHeight(28);
    m_reg = new TNxReg(QStringLiteral("RegelReg"), SlotAnzahl, regPanel);
    for (int i = 1; i <= SlotAnzahl; ++i) {
        TNxTab &t = m_reg->Tab(i);
        t.beschriftung = QString::number(i) + (i == 1 || i == SlotAnzahl ? QStringLiteral(". Regel") : QStringLiteral("."));
        t.fett = false;
    }
    m_reg->MarkierungenZeigen = true;
    m_reg->ZiehenErlaubt = true;
    spalte->addWidget(regPanel);
    connect(m_reg, &TNxReg::NachWechsel, this, &Trr::tabGewaehlt);
    // A tab moved to another place takes its rule along.
    connect(m_reg, &TNxReg::NachTausch, this, [this](int tab, int nachbar) {
        if (tab >= 1 && tab <= SlotAnzahl && nachbar >= 1 && nachbar <= SlotAnzahl)
            std::swap(m_slots[size_t(tab)], m_slots[size_t(nachbar)]);
    });

    TNxRotListeOptionen opt;
    opt.linksKlick = true;
    m_liste = new TNxRotListe(this, QStringLiteral("RegelListe"), opt);
    TNxTypSpalte &sp = m_liste->Spalte(m_liste->SpalteNeu(SpaltenTyp::Text));
    sp.titel = QStringLiteral(" Regel");
    sp.breite = 320;
    ListenDaten &d = m_liste->Daten();
    m_zeileZuRegel = {-1, -1};
    d.ZelleSetzen(d.ZeilenAnhaengen(), 1, QStringLiteral("(keine Regel)"));
    for (int i : VerbindbareRegeln(m_regeln)) {
        d.ZelleSetzen(d.ZeilenAnhaengen(), 1, m_regeln.beschreibung(i));
        m_zeileZuRegel.push_back(i);
    }
    d.AktPositionSetzen(1);
    m_liste->Neuzeichnen();
    connect(m_liste, &TNxRotListe::LinksKlick, this, [this](int, int zeile) { ZeileWaehlen(zeile); });
    spalte->addWidget(m_liste, 1);

    auto *knoepfe = new QHBoxLayout;
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BuUntenOK"));
    auto *ab = new QPushButton(QStringLiteral("Abbrechen"), this);
    ab->setObjectName(QStringLiteral("BuUntenA"));
    knoepfe->addStretch(1);
    knoepfe->addWidget(ok);
    knoepfe->addWidget(ab);
    spalte->addLayout(knoepfe);
    connect(ok, &QPushButton::clicked, this, &Trr::ok);
    connect(ab, &QPushButton::clicked, this, &Trr::abbrechen);
    m_reg->AktuellSetzen(1);
}

Trr::~Trr() = default;

void Trr::tabGewaehlt(int nr)
{
    if (nr < 1 || nr > SlotAnzahl)
        return;
    const int zeile = std::max(1, m_slots[size_t(nr)]);
    ListenDaten &d = m_liste->Daten();
    if (zeile <= d.Anzahl())
        m_liste->AktPositionSetzen(d.PositionVon(zeile));
}

void Trr::ZeileWaehlen(int zeile)
{
    const int tab = m_reg->Aktuell();
    if (tab < 1 || tab > SlotAnzahl || zeile < 1 || zeile > m_liste->Daten().Anzahl())
        return;
    m_slots[size_t(tab)] = zeile;
    m_reg->Tab(tab).markierung = zeile >= 2 ? 1 : 0;
    m_reg->NeuZeichnen();
}

void Trr::ok()
{
    hide();
    nxDebugZeile(QStringLiteral("RegelForm.UntenOKSchalterClick"));
    QList<GespeicherteRegel> teile;
    for (int nr = 1; nr <= SlotAnzahl; ++nr) {
        const int zeile = m_slots[size_t(nr)];
        if (zeile < 2 || size_t(zeile) >= m_zeileZuRegel.size())
            continue;
        const int i = m_zeileZuRegel[size_t(zeile)];
        teile.append({m_regeln.code(i), m_regeln.beschreibung(i)});
    }
    if (const auto neu = RegelnVerbinden(teile)) {
        m_regeln.einfuegen(0, neu->beschreibung, neu->code);
        m_regeln.waehlen(0);
        m_hinzugefuegt = true;
    }
    accept();
}

void Trr::abbrechen()
{
    nxDebugZeile(QStringLiteral("rr.UntenASchalterClick"));
    reject();
}

} // namespace rinolux
