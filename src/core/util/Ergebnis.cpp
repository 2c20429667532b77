#include "core/util/Ergebnis.h"

#include <cstring>

namespace rinolux {

Ergebnis ErgebnisAusErrno(int fehlerNummer, const QString &was)
{
    const QString system = QString::fromLocal8Bit(std::strerror(fehlerNummer));
    return Ergebnis::Fehler(fehlerNummer, was.isEmpty() ? system : was + QStringLiteral(": ") + system);
}

} // namespace rinolux
