#include "gui/support/WidgetTest.h"

#include "support/TestUmgebung.h"

#include <QLocale>

namespace rinolux::test {

void WidgetTestVorbereiten()
{
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/rinolux-test-bus");
}

void WidgetTestEinrichten()
{
    XdgUmleiten();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication::setEffectEnabled(Qt::UI_General, false);
}

} // namespace rinolux::test
