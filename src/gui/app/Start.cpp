#include "gui/app/Start.h"

#include "core/shell/Dialog.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_Debug.h"
#include "gui/app/Anwendung.h"
#include "gui/app/AnwendungsTitel.h"
#include "gui/app/Bilder.h"
#include "gui/app/FensterDienst.h"
#include "gui/app/Form_Anfang.h"
#include "gui/app/SignalWaechter.h"
#include "gui/platform/GuiArbeitsoberflaeche.h"

#include <QDBusConnection>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

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

StartArgumente StartArgumenteLesen(const QStringList &argumente)
{
    StartArgumente a;
    bool optionen = true;
    for (const QString &w : argumente) {
        if (optionen && w == u"--")
            optionen = false;
        else if (optionen && w == u"--neues-fenster")
            a.neuesFenster = true;
        else if (optionen && (w == u"--hilfe" || w == u"-h" || w == u"--help"))
            a.hilfe = true;
        else
            a.namen.append(w);
    }
    return a;
}

QString StartHilfe()
{
    return QStringLiteral(
        "Aufruf: rinolux [--neues-fenster] [--] [NAME...]\n"
        "\n"
        "Öffnet das Fenster von Rinolux. Jeder NAME (eine Datei oder ein Verzeichnis) wird in die\n"
        "Auswahl-Liste übernommen. Läuft Rinolux schon, bekommt das laufende Fenster die Namen.\n"
        "\n"
        "  --neues-fenster   immer ein eigenes Fenster öffnen\n"
        "  --hilfe           diese Hilfe\n"
        "  --                Ende der Optionen: alles danach ist ein NAME, auch wenn es mit - beginnt\n"
        "\n"
        "Mehr in der Handbuchseite: man rinolux\n");
}

bool QtTexteLaden(const QString &verzeichnis)
{
    auto *texte = new QTranslator(qApp);
    if (!texte->load(QStringLiteral("qtbase_de"), verzeichnis)) {
        delete texte;
        return false;
    }
    QCoreApplication::installTranslator(texte);
    return true;
}

int RinoluxStarten(int argc, char **argv)
{
    // --hilfe needs no display: it is answered before the application exists.
    {
        QStringList roh;
        for (int i = 1; i < argc; ++i)
            roh.append(QString::fromLocal8Bit(argv[i]));
        if (StartArgumenteLesen(roh).hilfe) {
            const QByteArray text = StartHilfe().toLocal8Bit();
            std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
            return 0;
        }
    }
    RinoluxAnwendung app(argc, argv);
    QGuiApplication::setDesktopFileName(FensterDienstName());
    static_cast<void>(QtTexteLaden(QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    const StartArgumente argumente = StartArgumenteLesen(QApplication::arguments().mid(1));
    // One window per session: a later start hands its names to the running one. This
    // happens before the run log is touched, which belongs to the running window.
    FensterDienst dienst(QDBusConnection::sessionBus());
    if (!dienst.Anmelden() && !argumente.neuesFenster && QDBusConnection::sessionBus().isConnected()) {
        QStringList volleNamen;
        for (const QString &n : argumente.namen)
            if (!n.isEmpty())
                volleNamen.append(QFileInfo(n).absoluteFilePath());
        QString fehler;
        const NamenUebergabe u = NamenAnFensterGeben(QDBusConnection::sessionBus(), volleNamen, &fehler);
        if (u == NamenUebergabe::Uebernommen)
            return 0;
        if (u == NamenUebergabe::Fehler) {
            const QByteArray text =
                (QStringLiteral("rinolux: ") + fehler + QStringLiteral(" Es wird ein eigenes Fenster geöffnet.\n"))
                    .toLocal8Bit();
            std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
        }
    }
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
    for (const QString &n : argumente.namen) {
        a_StartParameter.append(n);
        nxDebugZeile(QStringLiteral("Start-Parameter = ") + n);
    }
    // SIGTERM and SIGINT close the window, so the normal shutdown with saving follows.
    SignalWaechter waechter;
    // 6. the main window runs the program; names of later starts reach it once it takes
    // input, and from its closing on those starts open their own window.
    const int code = AnzeigeFormAa(
        &waechter,
        [&dienst](Taa &aa) { QObject::connect(&aa, &Taa::Geschlossen, &dienst, &FensterDienst::Abmelden); },
        [&dienst](Taa &aa) { dienst.FensterSetzen(&aa); });
    // 7.
    nxDebugEnde();
    return code;
}

} // namespace rinolux
