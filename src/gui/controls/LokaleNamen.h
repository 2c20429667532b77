#pragma once

#include <QStringList>

class QMimeData;

namespace rinolux {

// The local paths of dropped data, each without a trailing "/" (a dropped directory arrives
// with one; the name is the path without it). fremd tells whether anything else was dropped
// too (a web address, a remote file), which the caller may report.
QStringList lokaleNamen(const QMimeData *daten, bool *fremd);

} // namespace rinolux
