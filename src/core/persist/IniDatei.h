#pragma once

#include <QString>
#include <QStringView>

namespace rinolux {

// First line of control-state, list and undo files; control-state files repeat it last.
inline const QString IniWarnung = QStringLiteral("Warnung: Änderungen in dieser Datei können zu Fehlern führen!");
// Second line of the list files (rules, search history, placeholders).
inline const QString IniListenMarke = QStringLiteral("700");

// The integer reading rule of all stored numbers: a leading "-" makes the result
// negative, every non-digit is dropped, empty reads as 0. Saturates at the 64-bit limits
// instead of overflowing on very long digit runs.
qint64 IniZahl(QStringView text);

} // namespace rinolux
