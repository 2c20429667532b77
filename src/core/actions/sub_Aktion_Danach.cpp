#include "core/actions/sub_Aktion_Danach.h"

#include "core/selection/sub_Auswahl.h"
#include "core/util/nx_Text.h"

namespace rinolux {

bool nxPfadUnter(const QString &pfad, const QString &verzeichnis)
{
    // The directory ends with "/", so a match always ends on a component boundary.
    if (verzeichnis.isEmpty() || !verzeichnis.endsWith(u'/'))
        return false;
    return pfad.startsWith(verzeichnis, Qt::CaseSensitive);
}

void Aktion_DanachPfadeErsetzen(ListenDaten &auswahl, const QString &alt, const QString &neu)
{
    if (alt.isEmpty() || alt == neu)
        return;
    for (int z = 1; z <= auswahl.Anzahl(); ++z) {
        const QString pfad = auswahl.Zelle(z, AZelle::Pfad);
        if (nxPfadUnter(pfad, alt))
            auswahl.ZelleSetzen(z, AZelle::Pfad, neu + QStringView(pfad).mid(alt.size()));
    }
}

void Aktion_DanachPfadeAktualisieren(ListenDaten &auswahl, const QString &d, const QString &o, const QString &n)
{
    const QString alt = d + o + u'/';
    const QString neu = d + n + u'/';
    Aktion_DanachPfadeErsetzen(auswahl, alt, neu);
}

void sub_AuswahlPfadNummernNeuErmitteln(ListenDaten &auswahl)
{
    const int n = auswahl.Anzahl();
    if (n < 1)
        return;
    SortSchluessel s(n);
    s.textFeld([&](int i) { return auswahl.Zelle(i, AZelle::Pfad); });
    // Directories that differ only in letter case are two directories: the exact bytes
    // keep each one's entries together.
    s.bytesFeld([&](int i) { return auswahl.ZelleUtf8(i, AZelle::Pfad).toByteArray(); });
    const std::optional<Permutation> p = nxFeldSortieren(s);
    if (!p)
        return;
    qint64 nummer = 0;
    QByteArray vorher;
    for (int k = 1; k <= n; ++k) {
        const int z = (*p)[size_t(k)];
        const QByteArray pfad = auswahl.ZelleUtf8(z, AZelle::Pfad).toByteArray();
        if (k == 1 || pfad != vorher)
            ++nummer;
        vorher = pfad;
        auswahl.ZelleSetzen(z, AZelle::PfadNr, QString::number(nummer));
    }
}

} // namespace rinolux
