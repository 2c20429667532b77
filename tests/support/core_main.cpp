#include "support/TestUmgebung.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    rinolux::test::XdgUmleiten();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
