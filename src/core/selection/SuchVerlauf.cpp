#include "core/selection/SuchVerlauf.h"

namespace rinolux {

SuchVerlaufEintrag nxSuchVerlaufEintrag(const SuchAuftrag &) { return {}; }
void nxSuchVerlaufNeu(SuchListe &, const SuchAuftrag &, const QString &) {}
SuchWiederherstellung nxSuchVerlaufWiederherstellen(const SuchVerlaufEintrag &) { return {}; }
QString nxSuchVerlaufArtText(const QString &) { return {}; }
QString nxSuchVerlaufAnzahlText(int) { return {}; }

} // namespace rinolux
