// Carrying out: the action button of the action pages and the two buttons of the undo page.
#include "gui/app/Form_Anfang.h"

#include "core/actions/RueckVerknuepfen.h"
#include "core/shell/Dialog.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_Debug.h"
#include "gui/app/FeldSchalter.h"
#include "gui/app/sub_Fortschritt.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/pages/AuswahlSeite.h"
#include "gui/pages/RueckSeite.h"

namespace rinolux {

AListeBedienung *Taa::auswahlListe() const
{
    const TAuswahlSeite *auswahl = SeiteVon<TAuswahlSeite>();
    return auswahl ? auswahl->Liste() : nullptr;
}

void Taa::aktionAusfuehren(Seite &seite)
{
    DebugSchritt schritt(QStringLiteral("BuAktion"));
    if (ArbeitLaeuft())
        return;
    const std::optional<SeitenAktion> aktion = seite.Aktion(AktuelleSeite);
    if (!aktion || !aktion->arbeit)
        return;
    const QString anker = QStringLiteral("BuAktion");
    if (!Aktion_Sicherheitsfrage(m_einst, Dialoge(), aktion->zusammenfassung, anker))
        return;
    AusfuehrAuftrag auftrag;
    auftrag.arbeit = aktion->arbeit;
    auftrag.code = aktion->code;
    auftrag.modus = AusfuehrModus::Normal;
    auftrag.beschreibung = aktion->beschreibung;
    auftrag.anker = anker;
    static_cast<void>(ausfuehren(auftrag, m_rueckIndex)); // the routine showed its reports itself
}

void Taa::rueckAusfuehren(TRueckSeite &seite, AusfuehrModus modus)
{
    DebugSchritt schritt(modus == AusfuehrModus::NurPruefen ? QStringLiteral("BuRueckPruefen")
                                                              : QStringLiteral("BuRueckOK"));
    if (ArbeitLaeuft() || seite.AltNeuEintrag() < 1)
        return;
    const QString anker =
        modus == AusfuehrModus::NurPruefen ? QStringLiteral("BuRueckPruefen") : QStringLiteral("BuRueckOK");
    if (modus == AusfuehrModus::Rueckgaengig && m_einst.Sicherheitsfrage
        && !Dialoge().Dialog_Frage(QStringLiteral("WIRKLICH?"), anker, false))
        return;
    // Through the links the undone names reach the selection list.
    if (AListeBedienung *liste = auswahlListe())
        RueckMitAuswahlVerknuepfen(seite.AltNeuListe()->Daten(), liste->Daten());
    AusfuehrAuftrag auftrag;
    auftrag.arbeit = &seite.AltNeuListe()->Daten();
    auftrag.code = seite.AltNeuCode();
    auftrag.modus = modus;
    auftrag.anker = anker;
    const AusfuehrErgebnis e = ausfuehren(auftrag, seite.Index());
    if (modus == AusfuehrModus::Rueckgaengig && e.begonnen)
        seite.RueckAbgeschlossen(e.offeneZeilen(*auftrag.arbeit));
    // The page deleted or shortened the undo file: the window's index follows the files.
    m_rueckIndex.IniListeRueck_Lesen();
}

AusfuehrErgebnis Taa::ausfuehren(AusfuehrAuftrag &auftrag, RueckIndex &index)
{
    AListeBedienung *liste = auswahlListe();
    int aktZeile = 0;
    if (liste) {
        liste->Liste()->EditorSchliessen();
        auftrag.auswahl = &liste->Daten();
        auftrag.sortWahl = liste->SortWahl();
        aktZeile = liste->Daten().AktZeile();
        // Created objects join the list where it shows their directory or a search result.
        if (AktuelleSuchSeite == 1)
            auftrag.auswahlVerzeichnis = liste->Verzeichnis();
        auftrag.auswahlSuchErgebnis = AktuelleSuchSeite == 5;
        if (const TAuswahlSeite *seite = SeiteVon<TAuswahlSeite>()) {
            auftrag.auswahlDateien = seite->DateienZeigen();
            auftrag.auswahlVerzeichnisse = seite->VerzeichnisseZeigen();
        }
    }
    // Where the data directory cannot be made, the routine cannot create its undo file and
    // refuses with the reason before anything changes.
    static_cast<void>(ProgPfadAnlegen());
    const AusfuehrErgebnis e = Aktion_AendernHerstellen(auftrag, m_einst, *m_fort, Dialoge(), index);
    if (liste && e.begonnen)
        liste->NachAusfuehren(auftrag.code == 309 ? 0 : aktZeile);
    for (Seite *s : m_seitenListe)
        s->NachAusfuehren(e);
    if (e.begonnen)
        EingabefelderMerken(*this);
    return e;
}

} // namespace rinolux
