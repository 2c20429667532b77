#include "gui/pages/EinstellungenSeite.h"

namespace rinolux {

TEinstellungenSeite::TEinstellungenSeite(SeitenUmgebung &umgebung, QWidget *eltern)
    : Seite(QStringLiteral("PaEinstellungen"), umgebung, eltern)
{
}

TEinstellungenSeite::~TEinstellungenSeite() = default;

QString TEinstellungenSeite::SeitenTitel()
{
    return QStringLiteral("Einstellungen");
}

QString TEinstellungenSeite::Titel(int) const
{
    return SeitenTitel();
}

TNxRotListeOptionen TEinstellungenSeite::EinstellungenListeOptionen()
{
    return {.klickMarkiert = true, .linksKlick = true};
}

} // namespace rinolux
