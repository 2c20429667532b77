#include "core/persist/VerlaufDatei.h"

#include "core/platform/SchreibDatei.h"
#include "core/util/PfadText.h"
#include "core/util/nx_Adresse.h"
#include "core/util/nx_DateiText.h"

namespace rinolux {

ErgebnisWert<QStringList> verlaufZeilenLesen(const QString &pfad)
{
    ErgebnisWert<QByteArray> bytes = nxDateiBytesGanzLesen(pfad);
    if (!bytes)
        return bytes.ergebnis();
    return nxTextZeilenTeilen(nxTextAusDatei(*bytes));
}

Ergebnis verlaufZeilenSchreiben(const QString &pfad, const QStringList &zeilen)
{
    QByteArray bytes;
    for (const QString &z : zeilen) {
        bytes += z.toUtf8();
        bytes += "\r\n";
    }
    const QString verzeichnis = nxAdresseVerzeichnis(pfad);
    if (!verzeichnis.isEmpty() && !nxAdresseIstVerzeichnis(verzeichnis)) {
        const Ergebnis v = nxAdresseVerzeichnisHerstellen(verzeichnis);
        if (!v)
            return v;
    }
    return plattform::dateiErsetzen(pfad, bytes);
}

Ergebnis verlaufNichtErsetzt(const QString &pfad)
{
    return Ergebnis::Fehler(0, nameAnzeige(pfad)
                                   + QStringLiteral(": wurde nicht neu geschrieben, weil die Datei beim Start nicht "
                                                    "gelesen werden konnte. Bitte die Datei prüfen oder entfernen."));
}

} // namespace rinolux
