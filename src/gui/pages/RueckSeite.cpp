#include "gui/pages/RueckSeite.h"

#include <QVBoxLayout>

namespace rinolux {

TRueckSeite::TRueckSeite(SeitenUmgebung &umgebung, QWidget *eltern)
    : Seite(QStringLiteral("PaRueck"), umgebung, eltern)
{
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(SeitenPanel(QStringLiteral("PaRueckOben"), this), 1);
    spalte->addWidget(SeitenPanel(QStringLiteral("PaRueckListe"), this), 2);
}

TRueckSeite::~TRueckSeite() = default;

QString TRueckSeite::Titel(int) const
{
    return QStringLiteral("Rückgängig");
}

TNxRotListeOptionen TRueckSeite::RueckIndexListeOptionen()
{
    return {.klickMarkiert = true, .linksKlick = true};
}

TNxRotListeOptionen TRueckSeite::RuckAltNeuListeOptionen()
{
    return {.endenFest = true, .rechtsKlick = true, .linksKlick = true, .fuellGrenze = 8};
}

} // namespace rinolux
