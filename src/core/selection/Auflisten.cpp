#include "core/selection/Auflisten.h"

#include "core/util/nx_Adresse.h"

#include "core/util/PfadText.h"

#include <QHash>
#include <QList>
#include <QSet>

namespace rinolux {

Ergebnis nxAuswahlVerzeichnisAuflisten(const QString &verzeichnis, plattform::Details details, qint32 pfadNr,
                                       SuchTreffer &treffer, const std::function<bool(int)> &weiter)
{
    return plattform::verzeichnisLesenNativ(verzeichnis, details, [&](const plattform::Eintrag &e, QByteArrayView name) {
        treffer.NeuNativ(verzeichnis, name, nxAuswahlSuchDaten(e, pfadNr));
        return !weiter || treffer.Anzahl() % AuflistenMeldeSchritt != 0 || weiter(treffer.Anzahl());
    });
}

QStringList nxAuswahlNamenAuflisten(const QStringList &volleNamen, SuchTreffer &treffer)
{
    // Each directory is read once for all its names (one listing, one ".hidden" read)
    // instead of one stat and one ".hidden" read per name.
    struct Verzeichnis
    {
        QString pfad;
        QSet<QString> namen;
        QHash<QString, plattform::Eintrag> gelesen;
    };
    QList<Verzeichnis> verzeichnisse;
    QHash<QString, qsizetype> stelle;
    struct Name
    {
        qsizetype verzeichnis = -1;
        QString name;
    };
    QList<Name> namen;
    namen.reserve(volleNamen.size());
    for (const QString &n : volleNamen) {
        Name g;
        QString v;
        nxAdresseVerzeichnisUndNameFormat(pfadOhneEnde(n), v, g.name);
        // A bare name, the root, "." or "..": no entry of a listing, read on its own.
        if (!v.startsWith(u'/') || g.name.isEmpty() || g.name == QStringLiteral(".") || g.name == QStringLiteral("..")) {
            namen.append(Name{-1, n});
            continue;
        }
        auto it = stelle.constFind(v);
        if (it == stelle.constEnd()) {
            it = stelle.insert(v, verzeichnisse.size());
            verzeichnisse.append(Verzeichnis{v, {}, {}});
        }
        g.verzeichnis = *it;
        verzeichnisse[*it].namen.insert(g.name);
        namen.append(std::move(g));
    }
    for (Verzeichnis &v : verzeichnisse) {
        const Ergebnis r = plattform::verzeichnisAuswahlLesen(
            v.pfad,
            [&](const plattform::Eintrag &e) {
                return v.namen.contains(e.name) ? plattform::Vorauswahl::Lesen : plattform::Vorauswahl::Weglassen;
            },
            [&](const plattform::Eintrag &e) {
                v.gelesen.insert(e.name, e);
                return true;
            });
        if (!r) {
            // A directory that may be passed but not listed still lets its objects be read.
            for (const QString &n : std::as_const(v.namen)) {
                ErgebnisWert<plattform::Eintrag> e = plattform::objektLesen(v.pfad + n);
                if (e)
                    v.gelesen.insert(n, std::move(e).wert());
            }
        }
    }

    QStringList fehlen;
    struct Treffer
    {
        QString verzeichnis;
        plattform::Eintrag eintrag;
    };
    QList<Treffer> liste;
    liste.reserve(namen.size());
    for (qsizetype k = 0; k < namen.size(); ++k) {
        const Name &g = namen[k];
        if (g.verzeichnis < 0) {
            ErgebnisWert<plattform::Eintrag> e = plattform::objektLesen(g.name);
            if (!e) {
                fehlen.append(g.name);
                continue;
            }
            Treffer t{QString(), std::move(e).wert()};
            nxAdresseVerzeichnisUndNameFormat(g.name, t.verzeichnis, t.eintrag.name);
            liste.append(std::move(t));
            continue;
        }
        const Verzeichnis &v = verzeichnisse[g.verzeichnis];
        const auto it = v.gelesen.constFind(g.name);
        if (it == v.gelesen.constEnd()) {
            fehlen.append(volleNamen[k]);
            continue;
        }
        liste.append(Treffer{v.pfad, *it});
    }
    // Path numbers by each directory's first appearance among the hits, from 1.
    QHash<QString, qint32> nummern;
    std::vector<qint32> nummer(size_t(liste.size()));
    for (qsizetype k = 0; k < liste.size(); ++k) {
        auto it = nummern.constFind(liste[k].verzeichnis);
        if (it == nummern.constEnd())
            it = nummern.insert(liste[k].verzeichnis, qint32(nummern.size() + 1));
        nummer[size_t(k)] = *it;
    }
    // The fill puts the last hit first, so the hits go in backwards to keep the given order.
    for (qsizetype k = liste.size() - 1; k >= 0; --k) {
        const Treffer &t = liste[k];
        treffer.Neu(t.verzeichnis, t.eintrag.name, nxAuswahlSuchDaten(t.eintrag, nummer[size_t(k)]));
    }
    return fehlen;
}

} // namespace rinolux
