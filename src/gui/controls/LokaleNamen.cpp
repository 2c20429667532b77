#include "gui/controls/LokaleNamen.h"

#include <QMimeData>
#include <QUrl>

namespace rinolux {

QStringList lokaleNamen(const QMimeData *daten, bool *fremd)
{
    QStringList namen;
    *fremd = false;
    if (!daten || !daten->hasUrls())
        return namen;
    for (const QUrl &u : daten->urls()) {
        if (!u.isLocalFile()) {
            *fremd = true;
            continue;
        }
        QString n = u.toLocalFile();
        while (n.size() > 1 && n.endsWith(u'/'))
            n.chop(1);
        namen.append(n);
    }
    return namen;
}

} // namespace rinolux
