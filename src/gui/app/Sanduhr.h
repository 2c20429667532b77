#pragma once

#include <QApplication>

namespace rinolux {

// The hourglass for the length of a scope; it goes also when the work throws.
class Sanduhr final
{
public:
    Sanduhr() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sanduhr() { QApplication::restoreOverrideCursor(); }
    Q_DISABLE_COPY_MOVE(Sanduhr)
};

} // namespace rinolux
