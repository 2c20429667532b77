#include "support/TestUmgebung.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // The windows the end-to-end tests start never meet a running window of the user's
    // session, nor each other when tests run side by side.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/rinolux-test-bus");
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    rinolux::test::XdgUmleiten();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
