#include "core/util/nx_Laufwerk.h"

#include "core/platform/Plattform.h"

namespace rinolux {

namespace {

QStringList einsBasiert(const QStringList &liste)
{
    QStringList r;
    r.reserve(liste.size() + 1);
    r.append(QString());
    r.append(liste);
    return r;
}

} // namespace

QStringList nxLaufwerkListe() { return einsBasiert(plattform::laufwerke()); }

QStringList nxLaufwerkNetzFreigaben() { return einsBasiert(plattform::netzLaufwerke()); }

QString nxLaufwerkEinhaengepunkt(const QString &pfad)
{
    return pfad.startsWith(u'/') ? plattform::einhaengepunkt(pfad) : QString();
}

QString nxLaufwerkBezeichnung(const QString &pfad)
{
    return pfad.startsWith(u'/') ? plattform::laufwerkBezeichnung(pfad) : QString();
}

QString nxLaufwerkDateisystem(const QString &pfad)
{
    return pfad.startsWith(u'/') ? plattform::laufwerkDateisystem(pfad) : QString();
}

qint64 nxLaufwerkPlatz(int auswahl, const QString &pfad, QString *fehler)
{
    const auto melden = [&](const QString &text) {
        if (fehler)
            *fehler = text;
        return qint64(0);
    };
    if (pfad.trimmed().isEmpty())
        return melden(QStringLiteral("Fehler: Laufwerk-Name enthält nur einen Leerstring"));
    const ErgebnisWert<plattform::Platz> gelesen = plattform::platz(pfad);
    if (!gelesen)
        return melden(QStringLiteral("Fehler: mit unbekanntem Grund"));
    const plattform::Platz &p = *gelesen;
    melden(QString());
    qint64 wert = 0;
    switch (auswahl) {
    case 1: wert = p.frei; break;
    case 2: wert = p.gesamt; break;
    case 3: wert = p.gesamt - p.frei; break;
    default: return melden(QStringLiteral("Fehler: mit unbekanntem Grund"));
    }
    return wert < 0 ? 0 : wert;
}

qint64 nxLaufwerkFreierPlatz(const QString &pfad, QString *fehler) { return nxLaufwerkPlatz(1, pfad, fehler); }

} // namespace rinolux
