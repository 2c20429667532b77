#pragma once

#include <QApplication>
#include <QTest>

namespace rinolux::test {

// Before the application exists: no widget test talks to the user's desktop session.
void WidgetTestVorbereiten();
// After it exists: private XDG directories, the German locale, no animations.
void WidgetTestEinrichten();

// The one main of the widget tests.
template <class Test, class Anwendung = QApplication>
int WidgetTestMain(int argc, char **argv)
{
    WidgetTestVorbereiten();
    Anwendung app(argc, argv);
    WidgetTestEinrichten();
    Test t;
    return QTest::qExec(&t, argc, argv);
}

} // namespace rinolux::test

#define RINOLUX_WIDGET_TEST_MAIN(Klasse)                                                                               \
    int main(int argc, char **argv) { return rinolux::test::WidgetTestMain<Klasse>(argc, argv); }
