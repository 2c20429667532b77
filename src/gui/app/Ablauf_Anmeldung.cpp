#include "gui/app/Ablauf.h"
#include "gui/app/Form_Anfang.h"

namespace rinolux {

// Each part of the program adds its start-up and shutdown work here, for example
//   aa.Ablauf().Anmelden(StartSchritt::RegelnLaden, [&aa] { ... });
//   aa.Ablauf().Anmelden(EndeSchritt::Regeln, [&aa] { ... });
void AblaufSchritteAnmelden(Taa &aa)
{
    (void)aa;
}

} // namespace rinolux
