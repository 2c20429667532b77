#pragma once

#include <QString>

namespace rinolux {

// The application title: the program's name in the task list. The main window follows
// it where the platform shows only window titles; the progress display draws its text
// bar into it.
void AnwendungsTitelSetzen(const QString &titel);
QString AnwendungsTitel();

} // namespace rinolux
