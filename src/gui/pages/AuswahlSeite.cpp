#include "gui/pages/AuswahlSeite.h"

#include "core/shell/Prozess.h"
#include "gui/controls/nx_Register.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/pages/SeitenUmgebung.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace rinolux {

namespace {

const QStringList SuchCaptions = {QString(),
                                  QStringLiteral("Direkt-Auswahl"),
                                  QStringLiteral("einfache Suche"),
                                  QStringLiteral("erweiterte Suche"),
                                  QStringLiteral("Suche mit Liste"),
                                  QStringLiteral("Suche-Ergebnis")};

// The splitter between tree and list: keeps the tree at least 100 and the list at least
// 505 pixels wide.
class TSplitterGriff final : public QWidget
{
public:
    TSplitterGriff(QWidget *baum, QWidget *liste, QWidget *eltern) : QWidget(eltern), m_baum(baum), m_liste(liste)
    {
        setObjectName(QStringLiteral("PaASplitter"));
        setCursor(Qt::SplitHCursor);
        setFixedWidth(5);
    }

protected:
    void mousePressEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton) {
            m_start = e->globalPosition().toPoint().x();
            m_breite = m_baum->width();
        }
    }
    void mouseMoveEvent(QMouseEvent *e) override
    {
        if (!(e->buttons() & Qt::LeftButton))
            return;
        const int gesamt = m_baum->width() + m_liste->width();
        const int neu = m_breite + e->globalPosition().toPoint().x() - m_start;
        if (neu >= 100 && gesamt - neu >= 505)
            m_baum->setFixedWidth(neu);
    }

private:
    QWidget *m_baum;
    QWidget *m_liste;
    int m_start = 0;
    int m_breite = 0;
};

} // namespace

TAuswahlSeite::TAuswahlSeite(SeitenUmgebung &umgebung, QWidget *eltern)
    : Seite(QStringLiteral("PaAuswahl"), umgebung, eltern)
{
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    spalte->addWidget(suchRegisterBauen());
    spalte->addWidget(mitteBauen(), 1);
    spalte->addWidget(statusBauen());
    // F2 and F4 rename in the list.
    connect(this, &Seite::UmbenennenVerlangt, this, [this] {
        if (m_liste)
            m_liste->EditorOeffnen();
    });
}

TAuswahlSeite::~TAuswahlSeite() = default;

QString TAuswahlSeite::Titel(int) const
{
    return QStringLiteral("Auswählen");
}

QWidget *TAuswahlSeite::suchRegisterBauen()
{
    // Top band: room for the help switch on the left, the search tab strip at 60, 5.
    QFrame *band = SeitenPanel(QStringLiteral("PaSuchReg"), this);
    band->setFixedHeight(48);
    QFrame *container = SeitenPanel(QStringLiteral("PaSucheRegContainer"), band);
    container->setGeometry(60, 5, 545, 40);
    QFrame *linie = SeitenPanel(QStringLiteral("ShaSuchReg"), band);
    linie->setGeometry(60, 45, 545, 1);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    m_sucheReg = new TNxReg(QStringLiteral("SucheRegister"), 5, container);
    m_sucheReg->MarkierungenZeigen = true;
    for (int i = 1; i <= 5; ++i) {
        TNxTab &t = m_sucheReg->Tab(i);
        t.beschriftung = SuchCaptions[i];
        t.fett = i == 1;
    }
    m_sucheReg->Tab(5).aktiv = false;
    m_sucheReg->Tab(5).markierung = -1;
    connect(m_sucheReg, &TNxReg::NachWechsel, this, [this](int k) {
        if (!EreignisseGesperrt)
            RegSuche_OnClick(k);
    });
    m_sucheReg->AktuellSetzen(1);
    // Never narrower than the captions need, so no tab is cut.
    const int breite = std::max(545, m_sucheReg->BenoetigteBreite());
    container->resize(breite, 40);
    linie->resize(breite, 1);
    return band;
}

QWidget *TAuswahlSeite::mitteBauen()
{
    auto *mitte = new QWidget(this);
    mitte->setObjectName(QStringLiteral("PaAuswahlMitte"));
    auto *zeile = new QHBoxLayout(mitte);
    zeile->setContentsMargins(4, 0, 4, 0);
    zeile->setSpacing(0);
    QFrame *baum = SeitenPanel(QStringLiteral("PaBaum"), mitte);
    baum->setFixedWidth(230);
    baum->setFrameShape(QFrame::StyledPanel);
    QFrame *liste = SeitenPanel(QStringLiteral("PaAuswahlliste"), mitte);
    liste->setFrameShape(QFrame::StyledPanel);
    m_paBaum = baum;
    m_paAuswahlliste = liste;
    zeile->addWidget(baum);
    zeile->addWidget(new TSplitterGriff(baum, liste, mitte));
    zeile->addWidget(liste, 1);
    return mitte;
}

QStatusBar *TAuswahlSeite::statusBauen()
{
    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusAuswahl"));
    status->setSizeGripEnabled(true);
    for (int i = 0; i < 3; ++i) {
        auto *la = new QLabel(status);
        la->setObjectName(QStringLiteral("StatusAuswahl") + QString::number(i));
        la->setContentsMargins(4, 0, 4, 0);
        m_statusPanels.append(la);
    }
    // From left to right 0, 1 (taking the room), 2.
    m_statusPanels[0]->setMinimumWidth(200);
    status->addWidget(m_statusPanels[0]);
    status->addWidget(m_statusPanels[1], 1);
    status->addPermanentWidget(m_statusPanels[2]);
    return status;
}

void TAuswahlSeite::Startwerte()
{
    m_sucheReg->NeuZeichnen();
}

void TAuswahlSeite::RegSuche_OnClick(int k)
{
    for (int i = 2; i <= 4; ++i)
        m_sucheReg->Tab(i).markierung = 0;
    m_sucheReg->NeuZeichnen();
    if (k < 1 || k > 5 || !m_sucheReg->Tab(k).aktiv || k == Umgebung().AktuelleSuchSeite())
        return;
    Umgebung().SuchSeiteSetzen(k);
    Q_EMIT SeiteVerlangt(1);
}

void TAuswahlSeite::Anpassen(int)
{
    if (Umgebung().AktuelleSuchSeite() == 0)
        Umgebung().SuchSeiteSetzen(1);
    const int such = Umgebung().AktuelleSuchSeite();
    if (!m_liste) {
        // Without the list the caption is the program's name and version.
        Umgebung().TitelSetzen(ProgName + u' ' + ProgVersion);
        return;
    }
    m_liste->AnzeigeListenAnzahlAuswahl();
    if (window()->isVisible() && (such == 1 || such == 5))
        m_liste->Liste()->setFocus();
}

bool TAuswahlSeite::Taste(int taste, Qt::KeyboardModifiers modifikatoren)
{
    if ((taste != Qt::Key_F2 && taste != Qt::Key_F4) || modifikatoren != Qt::NoModifier)
        return false;
    const int such = Umgebung().AktuelleSuchSeite();
    if (such != 1 && such != 5)
        return false;
    Q_EMIT UmbenennenVerlangt();
    return true;
}

void TAuswahlSeite::TabFarbeSetzen(const QColor &grund, const QColor &schrift)
{
    for (int i = 1; i <= m_sucheReg->Anzahl(); ++i) {
        m_sucheReg->Tab(i).hintergrund = grund;
        m_sucheReg->Tab(i).schrift = schrift;
    }
    m_sucheReg->NeuZeichnen();
}

void TAuswahlSeite::StatusSetzen(int panel, const QString &text)
{
    if (panel >= 0 && panel < m_statusPanels.size())
        m_statusPanels[panel]->setText(text);
}

QString TAuswahlSeite::StatusText(int panel) const
{
    return panel >= 0 && panel < m_statusPanels.size() ? m_statusPanels[panel]->text() : QString();
}

AListeBedienung *TAuswahlSeite::ListeAnlegen()
{
    if (!m_liste)
        m_liste = new AListeBedienung(m_paAuswahlliste, std::max(m_paBaum->width(), 150), Umgebung(),
                                      Umgebung().Menue(QStringLiteral("PopA")),
                                      Umgebung().Menue(QStringLiteral("PopSpaltenA")));
    return m_liste;
}

TNxRotListeOptionen TAuswahlSeite::SListeOptionen()
{
    return {.bereichMarkieren = true, .klickMarkiert = true, .linksKlick = true, .fuellGrenze = 6};
}

} // namespace rinolux

