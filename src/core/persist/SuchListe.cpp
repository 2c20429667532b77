#include "core/persist/SuchListe.h"

#include "core/shell/Prozess.h"

namespace rinolux {

qint64 VerlaufGrenze(QStringView) { return 0; }
QString SuchFeldText(const QString &text) { return text; }
Ergebnis SuchListe::Lesen(const QString &) { return Ergebnis::Ok(); }
Ergebnis SuchListe::Schreiben(const QString &) const { return Ergebnis::Ok(); }
void SuchListe::Neu(const QString &, const QString &, const QString &, const QString &, bool, const QString &,
                    const QString &)
{
}
void SuchListe::Loeschen(int) {}
void SuchListe::Loeschen(const std::vector<int> &) {}
QString SuchListeDateiPfad() { return ProgPfad + QStringLiteral("Rinol_Such.cfg"); }

} // namespace rinolux
