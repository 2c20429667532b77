#include "core/platform/Plattform.h"

namespace rinolux::plattform {

QDateTime DateiZeit::alsDateTime() const
{
    if (!gueltig)
        return QDateTime();
    return QDateTime::fromMSecsSinceEpoch(sekunden * 1000 + nanosekunden / 1000000);
}

DateiZeit DateiZeit::aus(const QDateTime &zeit)
{
    if (!zeit.isValid())
        return DateiZeit{};
    const qint64 ms = zeit.toMSecsSinceEpoch();
    qint64 s = ms / 1000;
    qint64 rest = ms % 1000;
    if (rest < 0) {
        rest += 1000;
        --s;
    }
    return DateiZeit{s, static_cast<qint32>(rest * 1000000), true};
}

} // namespace rinolux::plattform
