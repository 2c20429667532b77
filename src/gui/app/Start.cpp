#include "gui/app/Start.h"

#include "core/shell/Prozess.h"
#include "core/util/nx_Debug.h"
#include "gui/app/Form_Anfang.h"
#include "gui/app/SignalWaechter.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QRandomGenerator>

namespace rinolux {

int RinoluxStarten(int argc, char **argv)
{
    QApplication app(argc, argv);
    // 1. process-wide values
    ProzessWerteSetzen(QFileInfo(QString::fromLocal8Bit(argv[0])).fileName());
    QApplication::setApplicationDisplayName(QString());
    // 2./3. run log, only when its file exists
    nxDebugArchiv(5);
    nxDebugStart(QStringLiteral("ProgVersion = ") + ProgVersion, true);
    // 4. optional icon
    const QString ico = ProgPfad + QStringLiteral("Rinol.ico");
    if (QFileInfo::exists(ico)) {
        const QIcon icon(ico);
        if (!icon.isNull())
            QApplication::setWindowIcon(icon);
    }
    // 5. start parameters
    a_StartParameter = QStringList{QString()};
    const QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        a_StartParameter.append(args[i]);
        nxDebugZeile(QStringLiteral("Start-Parameter = ") + args[i]);
    }
    // SIGTERM and SIGINT close the window, so the normal shutdown with saving follows.
    SignalWaechter waechter;
    // 6. the main window runs the program
    const int code = AnzeigeFormAa(waechter);
    // 7.
    nxDebugEnde();
    return code;
}

} // namespace rinolux
