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
    TNxRotListeOptionen o;
    o.klickMarkiert = true;
    o.linksKlick = true;
    return o;
}

TNxRotListeOptionen TRueckSeite::RuckAltNeuListeOptionen()
{
    TNxRotListeOptionen o;
    o.endenFest = true;
    o.rechtsKlick = true;
    o.linksKlick = true;
    o.fuellGrenze = 8;
    return o;
}

} // namespace rinolux
