#include "gui/app/FensterDienst.h"

#include "gui/app/Form_Anfang.h"
#include "gui/pages/AuswahlSeite.h"

#include <QApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include <utility>

namespace rinolux {

QString FensterDienstName()
{
    return QStringLiteral("de.rinolux.Rinolux");
}

QString FensterDienstPfad()
{
    return QStringLiteral("/Fenster");
}

QString FensterDienstSchnittstelle()
{
    return QStringLiteral("de.rinolux.Rinolux.Fenster");
}

NamenUebergabe NamenAnFensterGeben(const QDBusConnection &bus, const QStringList &volleNamen, QString *fehler,
                                   int wartenMs)
{
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(FensterDienstName()))
        return NamenUebergabe::KeinFenster;
    QDBusMessage ruf = QDBusMessage::createMethodCall(FensterDienstName(), FensterDienstPfad(),
                                                      FensterDienstSchnittstelle(), QStringLiteral("Oeffnen"));
    ruf << volleNamen;
    // Waits with a running event loop: the window may answer from this very thread.
    const QDBusMessage antwort = bus.call(ruf, QDBus::BlockWithGui, wartenMs);
    if (antwort.type() == QDBusMessage::ReplyMessage)
        return NamenUebergabe::Uebernommen;
    // The window ended between the question and the call.
    if (antwort.errorName() == QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"))
        return NamenUebergabe::KeinFenster;
    if (fehler) {
        if (antwort.errorName() == QStringLiteral("org.freedesktop.DBus.Error.NoReply"))
            *fehler = QStringLiteral("Das laufende Rinolux-Fenster antwortet nicht.");
        else if (antwort.errorName().startsWith(FensterDienstSchnittstelle()))
            *fehler = antwort.errorMessage();
        else
            *fehler = QStringLiteral("Das laufende Rinolux-Fenster hat die Namen nicht übernommen (")
                + antwort.errorName() + QStringLiteral(").");
    }
    return NamenUebergabe::Fehler;
}

FensterDienst::FensterDienst(const QDBusConnection &bus, QObject *parent) : QObject(parent), m_bus(bus)
{
    m_spaeter.setSingleShot(true);
    m_spaeter.setInterval(250);
    connect(&m_spaeter, &QTimer::timeout, this, &FensterDienst::zustellen);
}

FensterDienst::~FensterDienst()
{
    Abmelden();
}

bool FensterDienst::Anmelden()
{
    if (m_angemeldet || m_abgemeldet || !m_bus.isConnected())
        return m_angemeldet;
    if (!m_bus.registerObject(FensterDienstPfad(), this, QDBusConnection::ExportScriptableSlots))
        return false;
    if (!m_bus.registerService(FensterDienstName())) {
        m_bus.unregisterObject(FensterDienstPfad());
        return false;
    }
    m_angemeldet = true;
    return true;
}

void FensterDienst::Abmelden()
{
    m_abgemeldet = true;
    if (!m_angemeldet)
        return;
    m_angemeldet = false;
    m_bus.unregisterService(FensterDienstName());
    m_bus.unregisterObject(FensterDienstPfad());
}

void FensterDienst::FensterSetzen(Taa *aa)
{
    m_aa = aa;
    zustellen();
}

void FensterDienst::Oeffnen(const QStringList &volleNamen)
{
    const QString schnittstelle = FensterDienstSchnittstelle();
    if (m_abgemeldet) {
        if (calledFromDBus())
            sendErrorReply(schnittstelle + QStringLiteral(".Geschlossen"),
                           QStringLiteral("Das Rinolux-Fenster wird gerade geschlossen."));
        return;
    }
    // A relative name would be read from this program's working directory, not the caller's.
    for (const QString &n : volleNamen) {
        if (!n.startsWith(u'/')) {
            if (calledFromDBus())
                sendErrorReply(schnittstelle + QStringLiteral(".KeinPfad"),
                               QStringLiteral("Nur vollständige Pfade können übergeben werden: ") + n);
            return;
        }
    }
    for (const QString &n : volleNamen)
        if (!m_wartend.contains(n))
            m_wartend.append(n);
    m_nachVorn = true;
    // Listed from the event loop, not from inside the bus call.
    QTimer::singleShot(0, this, &FensterDienst::zustellen);
}

void FensterDienst::zustellen()
{
    if (!m_aa || !m_nachVorn)
        return;
    if (m_aa->ArbeitLaeuft() || QApplication::activeModalWidget()) {
        m_spaeter.start();
        return;
    }
    const QStringList namen = std::exchange(m_wartend, {});
    m_nachVorn = false;
    Taa &aa = *m_aa;
    aa.setWindowState(aa.windowState() & ~Qt::WindowMinimized);
    aa.show();
    aa.raise();
    aa.activateWindow();
    if (namen.isEmpty())
        return;
    if (aa.AktuelleSeite != 1)
        aa.RegHaupt_OnClick(1);
    if (TAuswahlSeite *auswahl = aa.SeiteVon<TAuswahlSeite>())
        auswahl->NamenAuswaehlen(namen);
}

} // namespace rinolux
