#include "core/shell/Prozess.h"

#include <QDir>
#include <QStandardPaths>

namespace rinolux {

QString ProgPfad;
QString ProgDateiName = QStringLiteral("rinolux");
QStringList a_StartParameter{QString()};
bool EreignisseGesperrt = false;

void ProzessWerteSetzen(const QString &programmDateiName)
{
    ProgDateiName = programmDateiName.isEmpty() ? QStringLiteral("rinolux") : programmDateiName;
    QString basis = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (basis.isEmpty() || !QDir::isAbsolutePath(basis))
        basis = QDir::homePath() + QStringLiteral("/.config");
    QString pfad = QDir::cleanPath(basis + QStringLiteral("/rinolux"));
    if (!pfad.endsWith(u'/'))
        pfad += u'/';
    ProgPfad = pfad;
}

bool ProgPfadAnlegen()
{
    if (ProgPfad.isEmpty())
        ProzessWerteSetzen(ProgDateiName);
    return QDir().mkpath(ProgPfad);
}

} // namespace rinolux
