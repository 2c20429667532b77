#pragma once

// Updating the selection list after a run changed the disk.

#include "core/shell/ListenDaten.h"

#include <QString>

namespace rinolux {

// True when pfad lies at or below verzeichnis (with trailing "/"), compared by whole path
// components and exactly: "/x/ab/" is not below "/x/a/", and "/x/A/" is not "/x/a/".
bool nxPfadUnter(const QString &pfad, const QString &verzeichnis);

// The directory d + o was renamed to d + n: every selection entry whose directory (cell 1)
// lies in it gets the new directory.
void Aktion_DanachPfadeAktualisieren(ListenDaten &auswahl, const QString &d, const QString &o, const QString &n);
// The same with both full directory paths (trailing "/").
void Aktion_DanachPfadeErsetzen(ListenDaten &auswahl, const QString &alt, const QString &neu);

// Path numbers (cell 3): entries sorted by directory get 1, 2, ... one number per distinct
// directory.
void sub_AuswahlPfadNummernNeuErmitteln(ListenDaten &auswahl);

} // namespace rinolux
