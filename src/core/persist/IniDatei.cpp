#include "core/persist/IniDatei.h"

#include <limits>

namespace rinolux {

qint64 IniZahl(QStringView text)
{
    const bool negativ = text.startsWith(u'-');
    // Accumulate as a negative number: its range is one larger, so the minimum fits.
    constexpr qint64 kMin = std::numeric_limits<qint64>::min();
    qint64 wert = 0;
    bool gesaettigt = false;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < u'0' || u > u'9')
            continue;
        const int ziffer = u - u'0';
        if (gesaettigt)
            continue;
        if (wert < (kMin + ziffer) / 10) {
            gesaettigt = true;
            wert = kMin;
            continue;
        }
        wert = wert * 10 - ziffer;
    }
    if (negativ)
        return wert;
    if (wert == kMin)
        return std::numeric_limits<qint64>::max();
    return -wert;
}

} // namespace rinolux
