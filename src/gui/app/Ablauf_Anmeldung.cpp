#include "gui/app/Ablauf.h"
#include "gui/app/Form_Anfang.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/controls/TNxRotListe.h"

#include "core/shell/Prozess.h"

#include <QFileInfo>

namespace rinolux {

// Each part of the program adds its start-up and shutdown work here, for example
//   aa.Ablauf().Anmelden(StartSchritt::RegelnLaden, [&aa] { ... });
//   aa.Ablauf().Anmelden(EndeSchritt::Regeln, [&aa] { ... });
void AblaufSchritteAnmelden(Taa &aa)
{
    // Selection list AListe
    aa.Ablauf().Anmelden(StartSchritt::ListenPanelsAnlegen, [&aa] { AListeAnlegen(aa); });
    aa.Ablauf().Anmelden(StartSchritt::AuswahlListeZeichnen, [&aa] {
        if (AListeBedienung *b = AListeVon(aa))
            b->Liste()->Neuzeichnen();
    });
    aa.Ablauf().Anmelden(StartSchritt::StartParameterAuswaehlen, [&aa] {
        AListeBedienung *b = AListeVon(aa);
        if (!b)
            return;
        QStringList namen;
        for (const QString &p : a_StartParameter.mid(1))
            if (!p.isEmpty())
                namen << QFileInfo(p).absoluteFilePath();
        b->NamenUebernehmen(namen);
    });
}

} // namespace rinolux
