#include "gui/app/Ablauf.h"

#include "core/util/nx_Debug.h"

#include <exception>

namespace rinolux {

namespace {
// Logs an escaped exception; never throws itself.
void fehlerProtokollieren(const QString &schritt, const char *was)
{
    nxDebugZeile(QStringLiteral("### Fehler in ") + schritt + QStringLiteral(": ")
                 + QString::fromLocal8Bit(was ? was : "unbekannt").left(500));
}

template<typename F>
bool geschuetzt(const QString &name, F &&f)
{
    try {
        DebugSchritt schritt(name);
        f();
        return true;
    } catch (const std::exception &e) {
        fehlerProtokollieren(name, e.what());
    } catch (...) {
        fehlerProtokollieren(name, nullptr);
    }
    return false;
}

// The load step whose success a save depends on.
StartSchritt ladeSchrittZu(EndeSchritt s)
{
    switch (s) {
    case EndeSchritt::IniControlsVorStart:
        return StartSchritt::IniControlsVorStart;
    case EndeSchritt::Regeln:
        return StartSchritt::RegelnLaden;
    case EndeSchritt::SuchUndMerkListe:
        return StartSchritt::SuchUndMerkListeLaden;
    case EndeSchritt::IniControlsHinterStart:
    case EndeSchritt::Anzahl:
        break;
    }
    return StartSchritt::IniControlsHinterStart;
}
} // namespace

bool AblaufSchritte::Ausfuehren(StartSchritt s)
{
    const int i = static_cast<int>(s);
    if (!m_start[i])
        return true;
    const bool ok = geschuetzt(Name(s), m_start[i]);
    m_fehlgeschlagen[i] = !ok;
    return ok;
}

int AblaufSchritte::AllesSpeichern()
{
    int fehler = 0;
    for (int i = 0; i < static_cast<int>(EndeSchritt::Anzahl); ++i) {
        const auto s = static_cast<EndeSchritt>(i);
        if (!m_ende[i])
            continue;
        if (m_fehlgeschlagen[static_cast<int>(ladeSchrittZu(s))]) {
            nxDebugZeile(Name(s) + QStringLiteral(": nicht gespeichert, weil das Lesen fehlgeschlagen ist"));
            continue;
        }
        if (!geschuetzt(Name(s), m_ende[i]))
            ++fehler;
    }
    return fehler;
}

QString AblaufSchritte::Name(StartSchritt s)
{
    switch (s) {
    case StartSchritt::IniControlsVorStart: return QStringLiteral("IniControls_VorStart");
    case StartSchritt::LaufwerkeDurchgehen: return QStringLiteral("nxLaufwerkArbeitsplatzDurchgehen");
    case StartSchritt::RegelSchalterAufbauen: return QStringLiteral("Startwerte Regel-Schalter");
    case StartSchritt::ListenPanelsAnlegen: return QStringLiteral("Startwerte Listen");
    case StartSchritt::PositionsTabellen: return QStringLiteral("Startwerte Positions-Tabellen");
    case StartSchritt::AutoVervollSymbole: return QStringLiteral("Startwerte AutoVervoll");
    case StartSchritt::RegelnLaden: return QStringLiteral("Regeln laden");
    case StartSchritt::SuchUndMerkListeLaden: return QStringLiteral("IniListe laden");
    case StartSchritt::RueckIndexLaden: return QStringLiteral("Rueck-Index laden");
    case StartSchritt::IniControlsHinterStart: return QStringLiteral("IniControls_HinterStart");
    case StartSchritt::AuswahlListeZeichnen: return QStringLiteral("AListe zeichnen");
    case StartSchritt::HilfeVorbereiten: return QStringLiteral("Hilfe vorbereiten");
    case StartSchritt::EditMenueAnhaengen: return QStringLiteral("EditPopup anhaengen");
    case StartSchritt::AktionsSeitenAnpassen: return QStringLiteral("Aktions-Seiten anpassen");
    case StartSchritt::StartVerzeichnisOeffnen: return QStringLiteral("Start-Verzeichnis oeffnen");
    case StartSchritt::StartParameterAuswaehlen: return QStringLiteral("AuswahlSucheMitArray");
    case StartSchritt::Anzahl: break;
    }
    return QString();
}

QString AblaufSchritte::Name(EndeSchritt s)
{
    switch (s) {
    case EndeSchritt::IniControlsVorStart: return QStringLiteral("IniControls_VorStart speichern");
    case EndeSchritt::Regeln: return QStringLiteral("Regeln speichern");
    case EndeSchritt::SuchUndMerkListe: return QStringLiteral("IniListe speichern");
    case EndeSchritt::IniControlsHinterStart: return QStringLiteral("IniControls_HinterStart speichern");
    case EndeSchritt::Anzahl: break;
    }
    return QString();
}

} // namespace rinolux
