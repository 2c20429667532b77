#pragma once

// The values last typed for placeholders, kept in "Rinol_Platzhalter.cfg": the warning line,
// "700", then the name and the value of each record, oldest first. The placeholder form
// reads them each time it opens and writes them each time it is confirmed.

#include "core/util/Ergebnis.h"

#include <QList>
#include <QString>

namespace rinolux {

struct PlatzhalterWert
{
    QString name;  // as the form gave it, "<Name>"
    QString wert;
    QString schluessel() const { return name.toLower(); }
};

inline constexpr int PlatzhalterGrenze = 30;

// ProgPfad + "Rinol_Platzhalter.cfg"
QString PlatzhalterDateiPfad();

// The records of the file; none when it is missing or cannot be read (the values are only a
// convenience for the form).
QList<PlatzhalterWert> PlatzhalterWerteLesen(const QString &pfad);
// Removes the newest record of the same key, appends this one and, when kuerzen is set,
// keeps only the newest PlatzhalterGrenze records. Name and value lose CR and LF, which would
// break the line framing of the file.
void PlatzhalterWertNeu(QList<PlatzhalterWert> &werte, const QString &name, const QString &wert, bool kuerzen);
Ergebnis PlatzhalterWerteSchreiben(const QString &pfad, const QList<PlatzhalterWert> &werte);
// The stored value for a placeholder, empty when there is none.
QString PlatzhalterGespeichert(const QList<PlatzhalterWert> &werte, const QString &name);

} // namespace rinolux
