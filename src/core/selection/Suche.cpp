#include "core/selection/Suche.h"

#include "core/shell/Fortschritt.h"
#include "core/shell/ListenDaten.h"

namespace rinolux {

SuchErgebnis nxSuche(const SuchAuftrag &, SuchTreffer &treffer, Fortschritt &)
{
    treffer.Leeren();
    SuchErgebnis e;
    e.keineOrte = true;
    return e;
}

SuchErgebnis nxSucheInListe(const SuchAuftrag &auftrag, ListenDaten &liste, AuswahlFuellung fuellung, Fortschritt &fort)
{
    SuchTreffer treffer;
    SuchErgebnis e = nxSuche(auftrag, treffer, fort);
    if (e.listeFuellen()) {
        fuellung.baumListe = auftrag.art == SuchArt::Baum;
        nxAuswahlFuellen(liste, treffer, fuellung, fort);
    }
    return e;
}

NamenAuswahl nxAuswahlSucheMitArray(const QStringList &, ListenDaten &, AuswahlFuellung, Fortschritt &, bool, bool)
{
    return {};
}

QStringList nxSuchMusterListe(const QString &, bool) { return {}; }
QStringList nxSuchMusterEinpacken(const QStringList &muster) { return muster; }
bool nxSuchNamePasst(const QString &, const QStringList &) { return false; }
std::optional<qint64> nxSuchBytesLesen(const QString &) { return std::nullopt; }
SuchDatumGrenzen nxSuchDatumGrenzen(const SuchDatum &) { return {}; }
std::vector<SuchOrt> nxSuchOrte(const SuchAuftrag &) { return {}; }
QString nxSuchVerzeichnisPruefen(const QString &) { return {}; }

} // namespace rinolux
