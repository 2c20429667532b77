#include "gui/app/Form_Anfang.h"

#include "core/shell/Prozess.h"
#include "core/util/nx_Debug.h"
#include "gui/app/SignalWaechter.h"

#include <QApplication>
#include <QCloseEvent>

namespace rinolux {

Taa::Taa(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("aa"));
    setMinimumSize(768, 580);
    resize(1024, 700);
}

void Taa::Beenden()
{
    setWindowTitle(QStringLiteral("wird beendet"));
    QApplication::setApplicationDisplayName(QStringLiteral("wird beendet"));
    close();
}

void Taa::closeEvent(QCloseEvent *event)
{
    setWindowTitle(QStringLiteral("wird beendet"));
    event->accept();
}

int AnzeigeFormAa(SignalWaechter &waechter)
{
    DebugSchritt schritt(QStringLiteral("AnzeigeForm: aa"));
    Taa aa;
    aa.setWindowTitle(QStringLiteral("wird gestartet ..."));
    QObject::connect(&waechter, &SignalWaechter::beendenVerlangt, &aa, &Taa::Beenden);
    aa.setWindowTitle(ProgName);
    aa.show();
    nxDebugZeile(QStringLiteral("Application.Run"));
    const int code = QApplication::exec();
    aa.hide();
    QApplication::processEvents();
    nxDebugZeile(QStringLiteral("AnzeigeForm: AnfangsForm ist geschlossen worden"));
    return code;
}

} // namespace rinolux
