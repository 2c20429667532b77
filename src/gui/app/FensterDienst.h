#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

namespace rinolux {

class Taa;

// The names on the session bus under which the running window takes the names of a
// later start.
QString FensterDienstName();
QString FensterDienstPfad();
QString FensterDienstSchnittstelle();

enum class NamenUebergabe {
    Uebernommen, // the running window has taken the names
    KeinFenster, // no session bus, or no window holds the service name
    Fehler       // a window holds the name but did not take them; the text says why
};

// Hands the names (full paths) of this start to the window that holds the service name on
// `bus`. Waits at most `wartenMs` for its answer.
NamenUebergabe NamenAnFensterGeben(const QDBusConnection &bus, const QStringList &volleNamen, QString *fehler = nullptr,
                                   int wartenMs = 10000);

// The running window's side: holds the service name and lists the names it is given in
// the selection list, the way dropped names are listed. Names that arrive while the window
// is still starting, carrying something out or showing a dialog wait until it is free.
class FensterDienst final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "de.rinolux.Rinolux.Fenster")
    Q_DISABLE_COPY_MOVE(FensterDienst)

public:
    explicit FensterDienst(const QDBusConnection &bus, QObject *parent = nullptr);
    ~FensterDienst() override;

    // Takes the service name. False when there is no bus or another window holds the name.
    bool Anmelden();
    // Gives the name up (the window closes): later starts open a window of their own.
    void Abmelden();
    bool Angemeldet() const { return m_angemeldet; }
    // From now on names go to `aa`; those that came before go now.
    void FensterSetzen(Taa *aa);

public Q_SLOTS:
    // Called over the bus by a later start.
    Q_SCRIPTABLE void Oeffnen(const QStringList &volleNamen);

private:
    void zustellen();

    QDBusConnection m_bus;
    bool m_angemeldet = false;
    bool m_abgemeldet = false;
    QPointer<Taa> m_aa;
    QStringList m_wartend;
    bool m_nachVorn = false;
    QTimer m_spaeter;
};

} // namespace rinolux
