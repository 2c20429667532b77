#include "gui/pages/LoeschenKopSeite.h"

#include <QVBoxLayout>

namespace rinolux {

TLoeschenKopSeite::TLoeschenKopSeite(SeitenUmgebung &umgebung, QWidget *eltern)
    : Seite(QStringLiteral("PaLoeschenKop"), umgebung, eltern)
{
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    m_paLoeschOben = SeitenPanel(QStringLiteral("PaLoeschOben"), this);
    m_paKopieOben = SeitenPanel(QStringLiteral("PaKopieOben"), this);
    m_paKopieOben->hide();
    spalte->addWidget(m_paLoeschOben);
    spalte->addWidget(m_paKopieOben);
    spalte->addStretch(1);
}

TLoeschenKopSeite::~TLoeschenKopSeite() = default;

QString TLoeschenKopSeite::Titel(int tab) const
{
    return tab == 7 ? QStringLiteral("Kopieren") : QStringLiteral("Löschen");
}

void TLoeschenKopSeite::Anpassen(int tab)
{
    m_paLoeschOben->setVisible(tab == 6);
    m_paKopieOben->setVisible(tab == 7);
}

TNxRotListeOptionen TLoeschenKopSeite::LListeOptionen()
{
    return {.endenFest = true, .rechtsKlick = true, .linksKlick = true};
}

} // namespace rinolux
