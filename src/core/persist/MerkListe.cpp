#include "core/persist/MerkListe.h"

#include "core/shell/Prozess.h"

namespace rinolux {

Ergebnis MerkListe::Lesen(const QString &) { return Ergebnis::Ok(); }
Ergebnis MerkListe::Schreiben(const QString &) const { return Ergebnis::Ok(); }
void MerkListe::Neu(const QStringList &, bool, const QString &) {}
Ergebnis PlatzhalterListe::Lesen(const QString &) { return Ergebnis::Ok(); }
Ergebnis PlatzhalterListe::Schreiben(const QString &) const { return Ergebnis::Ok(); }
void PlatzhalterListe::Neu(const QString &, const QString &, bool) {}
QString PlatzhalterListe::Wert(const QString &) const { return {}; }
QString MerkListeDateiPfad() { return ProgPfad + QStringLiteral("Rinol_Merk789.cfg"); }
QString PlatzhalterDateiPfad() { return ProgPfad + QStringLiteral("Rinol_Platzhalter.cfg"); }

} // namespace rinolux
