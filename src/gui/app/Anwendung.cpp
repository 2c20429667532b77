#include "gui/app/Anwendung.h"

#include "core/shell/DialogText.h"
#include "core/util/nx_Debug.h"
#include "gui/app/Form_Anfang.h"
#include "gui/app/Form_Dialog.h"

#include <QPointer>
#include <QTimer>

#include <exception>

namespace rinolux {

namespace {
bool g_abfangLaeuft = false;
} // namespace

RinoluxAnwendung::RinoluxAnwendung(int &argc, char **argv) : QApplication(argc, argv) {}

bool RinoluxAnwendung::notify(QObject *empfaenger, QEvent *ereignis)
{
    try {
        return QApplication::notify(empfaenger, ereignis);
    } catch (const std::exception &e) {
        ProgrammAbsturzAbfang(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ProgrammAbsturzAbfang(QString());
    }
    return false;
}

void ProgrammAbsturzAbfang(const QString &meldung)
{
    nxDebugZeile(QStringLiteral("### ProgrammAbsturzAbfang ###"));
    if (g_abfangLaeuft)
        return;
    g_abfangLaeuft = true;
    const QString text = QStringLiteral("Ein zu großer Fehler ist passiert. Die Ursache ist unbekannt. Das Programm wird beendet.")
        + QStringLiteral("\r\n\r\n") + DialogMaskieren(meldung.left(500));
    // Shown from the event loop, not from inside the handler that threw.
    QTimer::singleShot(0, qApp, [text] {
        try {
            Taa *aa = Taa::Instanz();
            if (aa) {
                aa->Dialoge().Dialog_Fehler(text);
                aa->Beenden();
            } else {
                Einstellungen einst;
                FensterDialog dialog(einst);
                dialog.Dialog_Fehler(text);
                QCoreApplication::exit(1);
            }
        } catch (...) {
            QCoreApplication::exit(1);
        }
        g_abfangLaeuft = false;
    });
}

} // namespace rinolux
