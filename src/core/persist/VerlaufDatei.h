#pragma once

// Reading and writing the history list files: UTF-8 (older Windows-1252 files read too),
// CR LF line ends, replaced atomically so a crash or a full disk never leaves half a list.

#include "core/util/Ergebnis.h"

#include <QString>
#include <QStringList>

namespace rinolux {

// The file's lines (zero-based). A missing file fails with the error number ENOENT.
ErgebnisWert<QStringList> verlaufZeilenLesen(const QString &pfad);
// Each line + CR LF, through a temporary file renamed over pfad; the directory is created.
Ergebnis verlaufZeilenSchreiben(const QString &pfad, const QStringList &zeilen);
// The failure of a list that must not replace its file: the file was there at start-up
// but could not be read, and an empty list would wipe what it still holds.
Ergebnis verlaufNichtErsetzt(const QString &pfad);

} // namespace rinolux
