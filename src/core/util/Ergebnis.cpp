#include "core/util/Ergebnis.h"

#include <cerrno>

namespace rinolux {

QString FehlerText(int fehlerNummer)
{
    switch (fehlerNummer) {
    case ENOENT: return QStringLiteral("Datei oder Verzeichnis nicht gefunden");
    case EACCES:
    case EPERM: return QStringLiteral("Zugriff verweigert");
    case EEXIST: return QStringLiteral("Name schon vorhanden");
    case ENOSPC:
    case EDQUOT: return QStringLiteral("Kein Speicherplatz mehr frei");
    case EROFS: return QStringLiteral("Nur-Lese-Dateisystem");
    case EXDEV: return QStringLiteral("anderes Dateisystem");
    case EBUSY: return QStringLiteral("Gerät oder Datei belegt");
    case ENAMETOOLONG: return QStringLiteral("Name zu lang");
    case ENOTEMPTY: return QStringLiteral("Verzeichnis nicht leer");
    case EIO: return QStringLiteral("Ein-/Ausgabefehler");
    default: return QStringLiteral("Systemfehler ") + QString::number(fehlerNummer);
    }
}

Ergebnis ErgebnisAusErrno(int fehlerNummer, const QString &was)
{
    const QString system = FehlerText(fehlerNummer);
    return Ergebnis::Fehler(fehlerNummer, was.isEmpty() ? system : was + QStringLiteral(": ") + system);
}

} // namespace rinolux
