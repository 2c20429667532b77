#include "core/actions/ListenUmbenennen.h"

#include "core/actions/sub_Aktion_Danach.h"
#include "core/platform/Plattform.h"
#include "core/platform/SchreibDatei.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/DialogText.h"
#include "core/shell/Einstellungen.h"
#include "core/util/nx_Debug.h"

namespace rinolux {

namespace {

const QString kNichtsVeraendert = QStringLiteral("\r\n\r\nEs ist nichts verändert worden.");

bool hatZeilenTrenner(const QString &text)
{
    return text.contains(u'\t') || text.contains(u'\r') || text.contains(u'\n');
}

ListenUmbenennenErgebnis abgelehnt(const QString &meldung)
{
    ListenUmbenennenErgebnis e;
    e.art = ListenUmbenennenErgebnis::Art::Abgelehnt;
    e.meldung = meldung;
    return e;
}

} // namespace

QString ListenNameFehler(const QString &neu)
{
    const QString bitte = QStringLiteral("\r\n\r\nBitte einen anderen Namen eingeben.");
    if (neu.isEmpty())
        return QStringLiteral("Der Name darf nicht leer sein.") + bitte;
    if (neu == u"." || neu == u"..")
        return QStringLiteral("Die Namen \".\" und \"..\" sind keine Namen für eine Datei oder ein Verzeichnis.") + bitte;
    if (neu.contains(u'/'))
        return QStringLiteral("Ein Name darf kein \"/\" enthalten.") + bitte;
    if (neu.contains(QChar(0)))
        return QStringLiteral("Ein Name darf kein Null-Zeichen enthalten.") + bitte;
    // The undo file is framed by lines and TABs.
    if (hatZeilenTrenner(neu))
        return QStringLiteral("Ein Name darf keinen Tabulator und keinen Zeilenwechsel enthalten.") + bitte;
    return QString();
}

QString ListenUmbenennenFrage(const QString &grund)
{
    QString t = QStringLiteral("Fehler. Der Name konnte NICHT geändert werden!");
    if (!grund.isEmpty())
        t += QStringLiteral("\r\n\r\n") + DialogMaskieren(grund);
    return t + QStringLiteral("\r\n\r\nSoll der neue Name in die Zwischenablage kopiert werden?");
}

ListenUmbenennenErgebnis Aktion_ListenUmbenennen(ListenDaten &auswahl, int zeile, const QString &neu,
                                                 const Einstellungen &einstellungen, RueckIndex &index,
                                                 const RueckAnlegen &rueckAnlegen)
{
    DebugSchritt schritt(QStringLiteral("Aktion_ListenUmbenennen"));
    if (zeile < 1 || zeile > auswahl.Anzahl())
        return {};
    const QString d = auswahl.Zelle(zeile, AZelle::Pfad);
    const QString alt = auswahl.Zelle(zeile, AZelle::Name);
    if (neu == alt)
        return {};
    // A message row ("Verzeichnis kann nicht gelesen werden") names no object.
    if (d.isEmpty() || alt.isEmpty() || !d.endsWith(u'/'))
        return abgelehnt(QStringLiteral("Diese Zeile nennt keine Datei und kein Verzeichnis.") + kNichtsVeraendert);
    if (const QString f = ListenNameFehler(neu); !f.isEmpty())
        return abgelehnt(f);
    if (hatZeilenTrenner(d + alt))
        return abgelehnt(QStringLiteral("Der Pfad \"") + DialogMaskieren(d + alt) +
                         QStringLiteral("\" enthält einen Tabulator oder Zeilenwechsel und kann nicht in die "
                                        "Rückgängig-Daten geschrieben werden. Benenne das Objekt zuerst mit einem "
                                        "anderen Programm um.") +
                         kNichtsVeraendert);
    const bool verz = auswahl.Verz(zeile);

    // The undo file exists before the name changes, so a change is never left unrecorded
    // for want of a free number or a writable data directory.
    const ErgebnisWert<QString> nr = index.Aktion_NeueRueckDateiNr();
    if (!nr)
        return abgelehnt(QStringLiteral("Der Name kann nicht geändert werden, weil keine neue Rück-Datei angelegt "
                                        "werden kann: ") +
                         DialogMaskieren(nr.ergebnis().text()) + kNichtsVeraendert);
    const QString rueckPfad = index.dateiPfad(*nr);
    ErgebnisWert<std::unique_ptr<RueckSchreiber>> datei =
        rueckAnlegen ? rueckAnlegen(rueckPfad, 301, kListenUmbenennenBeschreibung)
                     : RueckDateiAnlegen(rueckPfad, 301, kListenUmbenennenBeschreibung);
    if (!datei)
        return abgelehnt(QStringLiteral("Der Name kann nicht geändert werden, weil die Rück-Datei nicht angelegt "
                                        "werden kann: ") +
                         DialogMaskieren(datei.ergebnis().text()) + kNichtsVeraendert);
    std::unique_ptr<RueckSchreiber> rueck = std::move(datei).wert();

    if (const Ergebnis r = plattform::umbenennen(d + alt, d + neu); !r) {
        // Nothing changed: the empty undo file would only be listed as incomplete.
        static_cast<void>(rueck->schliessen(0, 0, 0)); // the file is removed either way
        rueck.reset();
        static_cast<void>(plattform::dateiLoeschen(rueckPfad)); // a leftover is listed as incomplete, nothing worse
        ListenUmbenennenErgebnis e;
        e.art = ListenUmbenennenErgebnis::Art::Fehlgeschlagen;
        e.meldung = ListenUmbenennenFrage(r.text());
        nxDebugZeile(QStringLiteral("Aktion_ListenUmbenennen: ") + r.text());
        return e;
    }

    ListenUmbenennenErgebnis e;
    e.art = ListenUmbenennenErgebnis::Art::Umbenannt;
    Ergebnis geschrieben = rueck->satz(d, neu, alt, verz);
    const bool satzDa = geschrieben.ok();
    if (geschrieben)
        geschrieben = rueck->schliessen(1, 0, 0);
    rueck.reset();
    if (!geschrieben) {
        // A change the undo file does not hold is taken back.
        if (plattform::umbenennen(d + neu, d + alt)) {
            static_cast<void>(plattform::dateiLoeschen(rueckPfad)); // it records a change that no longer exists
            return abgelehnt(QStringLiteral("Die Rück-Datei kann nicht geschrieben werden: ") +
                             DialogMaskieren(geschrieben.text()) +
                             QStringLiteral("\r\n\r\nDer Name ist deshalb nicht geändert worden. Bitte Platz auf dem "
                                            "Datenträger schaffen und es noch einmal versuchen."));
        }
        // The new name stays; the file lists as incomplete and, when the record made it,
        // can still undo it.
        e.meldung = QStringLiteral("Die Rück-Datei kann nicht geschrieben werden: ") +
                    DialogMaskieren(geschrieben.text()) + QStringLiteral("\r\n\r\nDer Name \"") +
                    DialogMaskieren(d + neu) +
                    QStringLiteral("\" konnte nicht zurückgenommen werden und ist möglicherweise nicht aufgezeichnet.");
        index.IniListeRueck_EinenAnhaengen(*nr, 301, kListenUmbenennenBeschreibung, true, einstellungen.MaxRueck, -1,
                                           0, satzDa ? 1 : 0);
    } else {
        index.IniListeRueck_EinenAnhaengen(*nr, 301, kListenUmbenennenBeschreibung, true, einstellungen.MaxRueck, 0,
                                           0, 1);
    }
    e.rueckNummer = *nr;

    auswahl.ZelleSetzen(zeile, AZelle::Name, neu);
    auswahl.ZelleSetzen(zeile, AZelle::Format, nxNameFormat(neu));
    // The hidden bit follows a leading dot.
    if (const ErgebnisWert<plattform::Eintrag> o = plattform::objektLesen(d + neu))
        auswahl.ZelleSetzen(zeile, AZelle::Attribute, QString::number(nxAuswahlSuchDaten(*o).attribute));
    if (verz) {
        Aktion_DanachPfadeAktualisieren(auswahl, d, alt, neu);
        sub_AuswahlPfadNummernNeuErmitteln(auswahl);
    }
    return e;
}

} // namespace rinolux
