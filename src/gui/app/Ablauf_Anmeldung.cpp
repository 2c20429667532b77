#include "gui/app/Ablauf.h"
#include "gui/app/Form_Anfang.h"
#include "gui/app/IniControls.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/pages/AuswahlSeite.h"

#include "core/engine/RegelListe.h"
#include "core/persist/MerkListe.h"
#include "core/persist/SuchListe.h"
#include "core/shell/Dialog.h"
#include "core/shell/DialogText.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_Debug.h"
#include "gui/app/Start.h"

#include <QFileInfo>

namespace rinolux {

RegelListe &GespeicherteRegeln()
{
    static RegelListe liste;
    return liste;
}

MerkListe &GesammelteWoerter()
{
    static MerkListe liste;
    return liste;
}

// Each part of the program adds its start-up and shutdown work here, for example
//   aa.Ablauf().Anmelden(StartSchritt::RegelnLaden, [&aa] { ... });
//   aa.Ablauf().Anmelden(EndeSchritt::Regeln, [&aa] { ... });
void AblaufSchritteAnmelden(Taa &aa)
{
    // Control states: the early file before the window is laid out, the late one when its
    // controls and lists exist; written first and last at shutdown.
    aa.Ablauf().Anmelden(StartSchritt::IniControlsVorStart, [&aa] { IniControls_VorStartLesen(aa); });
    aa.Ablauf().Anmelden(StartSchritt::IniControlsHinterStart, [&aa] { IniControls_HinterStartLesen(aa); });
    aa.Ablauf().Anmelden(EndeSchritt::IniControlsVorStart, [&aa] { IniControls_VorStartSchreiben(aa); });
    aa.Ablauf().Anmelden(EndeSchritt::IniControlsHinterStart, [&aa] { IniControls_HinterStartSchreiben(aa); });

    // Selection list AListe
    TAuswahlSeite *auswahl = aa.SeiteVon<TAuswahlSeite>();
    aa.Ablauf().Anmelden(StartSchritt::ListenPanelsAnlegen, [auswahl] { auswahl->ListeAnlegen(); });
    aa.Ablauf().Anmelden(StartSchritt::AuswahlListeZeichnen, [auswahl] {
        if (AListeBedienung *b = auswahl->Liste())
            b->Liste()->Neuzeichnen();
    });
    aa.Ablauf().Anmelden(StartSchritt::StartParameterAuswaehlen, [auswahl] {
        QStringList namen;
        for (const QString &p : a_StartParameter.mid(1))
            if (!p.isEmpty())
                namen << QFileInfo(p).absoluteFilePath();
        auswahl->NamenAuswaehlen(namen);
    });
    aa.Ablauf().Anmelden(StartSchritt::StartVerzeichnisOeffnen, [&aa, auswahl] {
        static_cast<void>(auswahl->StartVerzeichnisOeffnen(IniVerzeichnisBeiStart, aa.Einst().StartVerzAufklappen));
        // a start directory that is gone leaves the tree without a selection and the list empty
    });

    // Search history and collected words: read once at start, written once at shutdown.
    // A file that exists but cannot be read is reported and then never replaced.
    aa.Ablauf().Anmelden(StartSchritt::SuchUndMerkListeLaden, [&aa, auswahl] {
        const Ergebnis such = auswahl->Verlauf().Lesen(SuchListeDateiPfad());
        if (!such)
            aa.Dialoge().Dialog_Fehler(QStringLiteral("Die alten Such-Aufträge können nicht gelesen werden:\r\n")
                                       + DialogMaskieren(SuchListeDateiPfad()) + QStringLiteral("\r\n\r\n")
                                       + DialogMaskieren(such.text()));
        static_cast<void>(GesammelteWoerter().Lesen(MerkListeDateiPfad())); // the words are a convenience: never reported
    });
    aa.Ablauf().Anmelden(EndeSchritt::SuchUndMerkListe, [auswahl] {
        const Ergebnis such = auswahl->Verlauf().Schreiben(SuchListeDateiPfad());
        if (!such)
            nxDebugZeile(QStringLiteral("Such-Liste nicht gespeichert: ") + such.text());
        const Ergebnis merk = GesammelteWoerter().Schreiben(MerkListeDateiPfad());
        if (!merk)
            nxDebugZeile(QStringLiteral("Merk-Liste nicht gespeichert: ") + merk.text());
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
    // Undo index: the files of the data directory, complete or not.
    aa.Ablauf().Anmelden(StartSchritt::RueckIndexLaden, [&aa] { aa.Rueck().IniListeRueck_Lesen(); });

    aa.Ablauf().Anmelden(EndeSchritt::Regeln, [] {
        const Ergebnis e = RegelListeSchreiben(RegelDateiPfad(), GespeicherteRegeln());
        if (!e)
            nxDebugZeile(QStringLiteral("Regeln nicht gespeichert: ") + e.text());
    });
}

} // namespace rinolux
