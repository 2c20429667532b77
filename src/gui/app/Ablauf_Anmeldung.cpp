#include "gui/app/Ablauf.h"
#include "gui/app/Form_Anfang.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/pages/AuswahlSeite.h"

#include "core/engine/RegelListe.h"
#include "core/shell/Dialog.h"
#include "core/shell/DialogText.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_Debug.h"

#include <QFileInfo>

namespace rinolux {

RegelListe &GespeicherteRegeln()
{
    static RegelListe liste;
    return liste;
}

// Each part of the program adds its start-up and shutdown work here, for example
//   aa.Ablauf().Anmelden(StartSchritt::RegelnLaden, [&aa] { ... });
//   aa.Ablauf().Anmelden(EndeSchritt::Regeln, [&aa] { ... });
void AblaufSchritteAnmelden(Taa &aa)
{
    // Selection list AListe
    TAuswahlSeite *auswahl = aa.SeiteVon<TAuswahlSeite>();
    aa.Ablauf().Anmelden(StartSchritt::ListenPanelsAnlegen, [auswahl] { auswahl->ListeAnlegen(); });
    aa.Ablauf().Anmelden(StartSchritt::AuswahlListeZeichnen, [auswahl] {
        if (AListeBedienung *b = auswahl->Liste())
            b->Liste()->Neuzeichnen();
    });
    aa.Ablauf().Anmelden(StartSchritt::StartParameterAuswaehlen, [auswahl] {
        AListeBedienung *b = auswahl->Liste();
        if (!b)
            return;
        QStringList namen;
        for (const QString &p : a_StartParameter.mid(1))
            if (!p.isEmpty())
                namen << QFileInfo(p).absoluteFilePath();
        b->NamenUebernehmen(namen);
    });

    // Stored rules: read at start (written with the defaults when missing); a file that
    // exists but cannot be read is reported and is then never replaced at shutdown.
    aa.Ablauf().Anmelden(StartSchritt::RegelnLaden, [&aa] {
        const Ergebnis e = RegelListeLesen(RegelDateiPfad(), GespeicherteRegeln());
        if (!e)
            aa.Dialoge().Dialog_Fehler(QStringLiteral("Die gespeicherten Regeln können nicht gelesen werden:\r\n")
                                       + DialogMaskieren(RegelDateiPfad()) + QStringLiteral("\r\n\r\n")
                                       + DialogMaskieren(e.text()));
    });
    aa.Ablauf().Anmelden(EndeSchritt::Regeln, [] {
        const Ergebnis e = RegelListeSchreiben(RegelDateiPfad(), GespeicherteRegeln());
        if (!e)
            nxDebugZeile(QStringLiteral("Regeln nicht gespeichert: ") + e.text());
    });
}

} // namespace rinolux
