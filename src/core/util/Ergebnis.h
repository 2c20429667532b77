#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace rinolux {

// Result of a call that touches the disk or the system: it worked, it failed with the
// system's error, or it is not possible on this system. Never a success for something
// that did not happen.
class [[nodiscard]] Ergebnis final
{
public:
    enum class Art { Ok, Fehler, NichtMoeglich };

    static Ergebnis Ok() { return Ergebnis(Art::Ok, 0, QString()); }
    // fehlerNummer: errno (0 when the failure has no system error); text: what went wrong.
    static Ergebnis Fehler(int fehlerNummer, QString text) { return Ergebnis(Art::Fehler, fehlerNummer, std::move(text)); }
    static Ergebnis NichtMoeglich(QString text = QStringLiteral("auf diesem System nicht möglich"))
    {
        return Ergebnis(Art::NichtMoeglich, 0, std::move(text));
    }

    bool ok() const { return m_art == Art::Ok; }
    explicit operator bool() const { return ok(); }
    Art art() const { return m_art; }
    bool nichtMoeglich() const { return m_art == Art::NichtMoeglich; }
    int fehlerNummer() const { return m_fehlerNummer; }
    const QString &text() const { return m_text; }

private:
    Ergebnis(Art art, int nummer, QString text) : m_art(art), m_fehlerNummer(nummer), m_text(std::move(text)) {}

    Art m_art;
    int m_fehlerNummer;
    QString m_text;
};

// A value or the reason why there is none: for calls that read something (an object's
// details, free space, a file's text). Holds a value exactly when the Ergebnis is Ok.
//   auto e = plattform::objektLesen(pfad);
//   if (!e) return e.ergebnis();
//   use(e->groesse);
template<class T>
class [[nodiscard]] ErgebnisWert final
{
public:
    ErgebnisWert(T wert) : m_ergebnis(Ergebnis::Ok()), m_wert(std::move(wert)) {}
    // Only failures: a success always carries its value.
    ErgebnisWert(Ergebnis fehler) : m_ergebnis(std::move(fehler)) { Q_ASSERT(!m_ergebnis.ok()); }

    bool ok() const { return m_wert.has_value(); }
    explicit operator bool() const { return ok(); }
    const Ergebnis &ergebnis() const { return m_ergebnis; }

    const T &wert() const & { Q_ASSERT(ok()); return *m_wert; }
    T &wert() & { Q_ASSERT(ok()); return *m_wert; }
    T &&wert() && { Q_ASSERT(ok()); return std::move(*m_wert); }
    const T &operator*() const & { return wert(); }
    T &operator*() & { return wert(); }
    const T *operator->() const { return &wert(); }
    T *operator->() { return &wert(); }
    // The value, or ersatz when the call failed.
    T wertOder(T ersatz) const & { return ok() ? *m_wert : std::move(ersatz); }

private:
    Ergebnis m_ergebnis;
    std::optional<T> m_wert;
};

// The German text for an errno value: the common ones by name, any other as
// "Systemfehler " + the number (never the C library's English text).
QString FehlerText(int fehlerNummer);

// Ergebnis of a failed call from errno: "was: " + FehlerText.
Ergebnis ErgebnisAusErrno(int fehlerNummer, const QString &was);

} // namespace rinolux
