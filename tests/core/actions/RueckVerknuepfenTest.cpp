#include "core/actions/RueckVerknuepfen.h"
#include "core/selection/sub_Auswahl.h"

#include <gtest/gtest.h>

namespace rinolux {
namespace {

TEST(RueckVerknuepfen, JedeZeileFindetGenauIhrenEintrag)
{
    ListenDaten auswahl;
    nxAuswahlListeVorbereiten(auswahl);
    for (const auto &[d, n] : {std::pair{"/x/", "a.txt"}, {"/x/", "A.txt"}, {"/x/w/", "b"}}) {
        const int z = auswahl.ZeilenAnhaengen();
        auswahl.ZelleSetzen(z, AZelle::Pfad, QString::fromUtf8(d));
        auswahl.ZelleSetzen(z, AZelle::Name, QString::fromUtf8(n));
    }
    struct Zeile
    {
        const char *verz, *korrigiert, *name;
        int link;
    };
    const Zeile zeilen[] = {
        {"/x/", "", "A.txt", 2},     // exact, not the entry that differs in letter case
        {"/x/", "", "a.txt", 1},
        {"/x/v/", "/x/w/", "b", 3},  // the directory was renamed since: cell 3 says where it is
        {"/x/", "", "c", 0},         // not in the selection list
        {"/x", "", "a.txt", 1},      // a directory without its trailing "/"
    };
    ListenDaten rueck(7);
    for (const Zeile &r : zeilen) {
        const int z = rueck.ZeilenAnhaengen();
        rueck.ZelleSetzen(z, 1, QString::fromUtf8(r.verz));
        rueck.ZelleSetzen(z, 2, QString::fromUtf8(r.name));
        rueck.ZelleSetzen(z, 3, QString::fromUtf8(r.korrigiert));
        rueck.LinkSetzen(z, 99);
    }

    RueckMitAuswahlVerknuepfen(rueck, auswahl);

    for (int z = 1; z <= rueck.Anzahl(); ++z)
        EXPECT_EQ(rueck.Link(z), zeilen[z - 1].link) << z;
}

} // namespace
} // namespace rinolux
