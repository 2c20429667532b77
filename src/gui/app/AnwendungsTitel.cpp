#include "gui/app/AnwendungsTitel.h"

namespace rinolux {

namespace {
QString &titel()
{
    static QString t;
    return t;
}
} // namespace

void AnwendungsTitelSetzen(const QString &t)
{
    titel() = t;
}

QString AnwendungsTitel()
{
    return titel();
}

} // namespace rinolux
