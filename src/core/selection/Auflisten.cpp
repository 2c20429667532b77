#include "core/selection/Auflisten.h"

#include "core/util/nx_Adresse.h"

#include <QHash>
#include <QList>

namespace rinolux {

Ergebnis nxAuswahlVerzeichnisAuflisten(const QString &verzeichnis, plattform::Details details, qint32 pfadNr,
                                       SuchTreffer &treffer, const std::function<bool(int)> &weiter)
{
    return plattform::verzeichnisLesen(verzeichnis, details, [&](const plattform::Eintrag &e) {
        treffer.Neu(verzeichnis, e.name, nxAuswahlSuchDaten(e, pfadNr));
        return !weiter || treffer.Anzahl() % AuflistenMeldeSchritt != 0 || weiter(treffer.Anzahl());
    });
}

QStringList nxAuswahlNamenAuflisten(const QStringList &volleNamen, SuchTreffer &treffer)
{
    struct Gelesen
    {
        QString verzeichnis, name;
        plattform::Eintrag eintrag;
    };
    QList<Gelesen> gelesen;
    QStringList fehlen;
    QHash<QString, qint32> nummern;
    for (const QString &n : volleNamen) {
        ErgebnisWert<plattform::Eintrag> e = plattform::objektLesen(n);
        if (!e) {
            fehlen.append(n);
            continue;
        }
        Gelesen g{QString(), QString(), std::move(e).wert()};
        nxAdresseVerzeichnisUndNameFormat(n, g.verzeichnis, g.name);
        if (!nummern.contains(g.verzeichnis))
            nummern.insert(g.verzeichnis, qint32(nummern.size() + 1));
        gelesen.append(std::move(g));
    }
    // The fill puts the last hit first, so the hits go in backwards to keep the given order.
    for (qsizetype k = gelesen.size() - 1; k >= 0; --k) {
        const Gelesen &g = gelesen[k];
        treffer.Neu(g.verzeichnis, g.name, nxAuswahlSuchDaten(g.eintrag, nummern.value(g.verzeichnis)));
    }
    return fehlen;
}

} // namespace rinolux
