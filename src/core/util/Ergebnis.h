#pragma once

#include <QString>

namespace rinolux {

// Result of a call that touches the disk or the system: it worked, it failed with the
// system's error, or it is not possible on this system. Never a success for something
// that did not happen.
class Ergebnis final
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

// Ergebnis of a failed call from errno, with the system's message.
Ergebnis ErgebnisAusErrno(int fehlerNummer, const QString &was);

} // namespace rinolux
