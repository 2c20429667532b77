#pragma once

#include <QString>

namespace rinolux {

// Column types of the list panel; the numbers are those stored with the columns.
enum class SpaltenTyp : int {
    Text = 1,
    Zeit = 2,
    Alter = 3,
    Bytes = 4,
    Attribute = 5,
    Symbol = 6,
    Mark = 7,
    Leer = 8,
};

// The five attribute slots "HRSAC", a "-" for every bit that is not set.
QString nxAttributBuchstaben(qint64 attribute);
// " (" + names of the set attributes joined by "," + ")", empty when none is set.
QString nxAttributNamen(qint64 attribute);

// The text a column of this type shows for a cell (empty for symbol, mark and spacer).
QString nxZelleAnzeige(SpaltenTyp typ, const QString &zelle);

} // namespace rinolux
