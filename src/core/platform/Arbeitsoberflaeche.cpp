// Desktop integration: what the window layer installs, and starting other programs.

#include "core/platform/Plattform.h"
#include "core/util/PfadText.h"

#include <QProcess>

namespace rinolux::plattform {

namespace {
Arbeitsoberflaeche *g_arbeitsoberflaeche = nullptr;
}

void arbeitsoberflaecheSetzen(Arbeitsoberflaeche *a) { g_arbeitsoberflaeche = a; }

Ergebnis oeffnen(const QString &pfad)
{
    if (!g_arbeitsoberflaeche)
        return Ergebnis::NichtMoeglich();
    return g_arbeitsoberflaeche->oeffnen(pfad);
}

Ergebnis eigenschaftenZeigen(const QString &pfad)
{
    if (!g_arbeitsoberflaeche)
        return Ergebnis::NichtMoeglich();
    return g_arbeitsoberflaeche->eigenschaftenZeigen(pfad);
}

Ergebnis oeffnenMit(const QString &programm, const QString &pfad)
{
    const QString p = pfadOhneEnde(pfad);
    // The program gets its argument as UTF-8 text: undecodable bytes would name another object.
    if (nameHatFremdeBytes(p))
        return Ergebnis::Fehler(0, nameAnzeige(p)
                                       + QStringLiteral(": der Name enthält ungültige Zeichen, bitte zuerst umbenennen"));
    // Program and path as separate arguments: never a command line built from names.
    if (!QProcess::startDetached(programm, {p}, pfadEltern(p)))
        return Ergebnis::Fehler(0, programm + QStringLiteral(": Programm konnte nicht gestartet werden"));
    return Ergebnis::Ok();
}

} // namespace rinolux::plattform
