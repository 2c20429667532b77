#include "gui/app/Start.h"

#include "core/shell/Dialog.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_Debug.h"
#include "gui/app/Anwendung.h"
#include "gui/app/AnwendungsTitel.h"
#include "gui/app/Bilder.h"
#include "gui/app/Form_Anfang.h"
#include "gui/app/SignalWaechter.h"
#include "gui/platform/GuiArbeitsoberflaeche.h"

#include <QFileInfo>
#include <QIcon>
#include <QImageReader>

namespace rinolux {

int BildschirmMeldungZahl = 0;
QString IniVerzeichnisBeiStart;

bool BildschirmPruefen(const QSize &flaeche, int &zahl, Dialog &dialog)
{
    if ((flaeche.width() >= MindestBreite && flaeche.height() >= MindestHoehe) || zahl >= 3)
        return true;
    ++zahl;
    const QString text = QStringLiteral("Die vorhandene Bildschirm-Fläche ist für das aufgerufene Programm nicht ausreichend. "
                                        "Benötigt wird eine Fläche von ")
        + QString::number(MindestBreite) + QStringLiteral(" mal ") + QString::number(MindestHoehe)
        + QStringLiteral(" Bildpunkten (Breite mal Höhe). ") + QStringLiteral("Zur Verfügung stehen aber nur ")
        + QString::number(flaeche.width()) + QStringLiteral(" mal ") + QString::number(flaeche.height())
        + QStringLiteral(" Bildpunkte. ") + QStringLiteral("Das Programm kann deshalb nicht richtig dargestellt werden.")
        + QStringLiteral("\r\n\r\n") + QStringLiteral("Soll das Programm trotzdem ausgeführt werden?");
    return dialog.Dialog_Frage(text);
}

int RinoluxStarten(int argc, char **argv)
{
    RinoluxAnwendung app(argc, argv);
    // 1. process-wide values; the random generator of Qt seeds itself.
    ProzessWerteSetzen(QFileInfo(QString::fromLocal8Bit(argv[0])).fileName());
    QApplication::setApplicationDisplayName(QString());
    AnwendungsTitelSetzen(QString());
    // Open and properties of the platform layer go through the desktop from here on.
    arbeitsoberflaecheEinrichten();
    // 2./3. run log, only when its file exists
    nxDebugArchiv(5);
    nxDebugStart(QStringLiteral("ProgVersion = ") + ProgVersion, true);
    // 4. the icon: "Rinol.ico" when it exists and loads, else the program's own
    QIcon icon;
    const QString ico = ProgPfad + QStringLiteral("Rinol.ico");
    if (QFileInfo::exists(ico)) {
        QImageReader leser(ico);
        const QImage bild = leser.read();
        if (!bild.isNull())
            icon = QIcon(QPixmap::fromImage(bild));
    }
    if (icon.isNull()) {
        for (const int g : {16, 24, 32, 48, 64, 128, 256})
            icon.addPixmap(ProgrammBild(g));
    }
    QApplication::setWindowIcon(icon);
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
    const int code = AnzeigeFormAa(&waechter);
    // 7.
    nxDebugEnde();
    return code;
}

} // namespace rinolux
