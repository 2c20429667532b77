#include "core/actions/RueckVerknuepfen.h"

#include "core/selection/sub_Auswahl.h"

#include <QHash>

namespace rinolux {

void RueckMitAuswahlVerknuepfen(ListenDaten &rueck, const ListenDaten &auswahl)
{
    QHash<QString, int> eintraege;
    eintraege.reserve(auswahl.Anzahl());
    for (int z = 1; z <= auswahl.Anzahl(); ++z)
        eintraege.insert(auswahl.Zelle(z, AZelle::Pfad) + auswahl.Zelle(z, AZelle::Name), z);
    for (int z = 1; z <= rueck.Anzahl(); ++z) {
        QString d = rueck.Zelle(z, 3);
        if (d.isEmpty())
            d = rueck.Zelle(z, 1);
        if (!d.endsWith(u'/'))
            d += u'/';
        rueck.LinkSetzen(z, eintraege.value(d + rueck.Zelle(z, 2), 0));
    }
}

} // namespace rinolux
