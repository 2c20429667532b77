#pragma once

#include <QDateTime>
#include <QString>

#include <algorithm>

namespace rinolux {

// The progress display as long operations see it. The window implements it with its
// panel; core code and tests use the silent one below. Every call may process pending
// window events, so Abbruch and NurTeilmenge can change between two calls.
class Fortschritt
{
public:
    virtual ~Fortschritt() = default;

    // anker: objectName of the control the panel is placed at ("aa" for the main
    // window, empty for the mouse position).
    virtual void FortEin(int abschnitte, const QString &anker = QString(), bool oben = false) = 0;
    virtual void FortAbschnittNeu(const QString &text, bool naechster, bool schalter) = 0;
    virtual void FortAbschnittSymbolisch() = 0;
    virtual void FortSchritt(qint64 gesamt1, qint64 erledigt1, qint64 gesamt2, qint64 erledigt2) = 0;
    virtual void FortMeldung(const QString &text, qint64 zaehler) = 0;
    virtual void FortAbschnittMax() = 0;
    virtual void Fort100() = 0;
    virtual void FortAus(const QDateTime &start = QDateTime()) = 0;

    // Set by "Abbrechen"; cleared by FortEin.
    bool Abbruch = false;
    // Set by "nur die bis jetzt gefundenen"; cleared by FortEin.
    bool NurTeilmenge = false;
};

// Shows nothing; only the flags behave as in the window.
class StillerFortschritt : public Fortschritt
{
public:
    void FortEin(int, const QString & = QString(), bool = false) override
    {
        Abbruch = false;
        NurTeilmenge = false;
    }
    void FortAbschnittNeu(const QString &, bool, bool) override {}
    void FortAbschnittSymbolisch() override {}
    void FortSchritt(qint64, qint64, qint64, qint64) override {}
    void FortMeldung(const QString &, qint64) override {}
    void FortAbschnittMax() override {}
    void Fort100() override {}
    void FortAus(const QDateTime & = QDateTime()) override {}
};

// A run over many rows: calls FortSchritt at most 10,000 times over the whole run and reads
// Abbruch each row.
class FortSchritte final
{
public:
    FortSchritte(Fortschritt &fort, qint64 gesamt) : m_fort(fort), m_gesamt(std::max<qint64>(gesamt, 1))
    {
        m_abstand = std::max<qint64>(m_gesamt / 10000, 1);
    }
    // False when the user cancelled.
    bool weiter(qint64 erledigt)
    {
        if (erledigt % m_abstand == 0 || erledigt == m_gesamt)
            m_fort.FortSchritt(m_gesamt, erledigt, m_gesamt, erledigt);
        return !m_fort.Abbruch;
    }

private:
    Fortschritt &m_fort;
    qint64 m_gesamt;
    qint64 m_abstand = 1;
};

// For tests: sets Abbruch at the n-th call of FortSchritt (counting from 1).
class AbbruchBeiSchritt final : public StillerFortschritt
{
public:
    explicit AbbruchBeiSchritt(qint64 schritt) : m_schritt(schritt) {}
    void FortSchritt(qint64, qint64, qint64, qint64) override
    {
        if (++m_gezaehlt >= m_schritt)
            Abbruch = true;
    }
    qint64 gezaehlt() const { return m_gezaehlt; }

private:
    qint64 m_schritt;
    qint64 m_gezaehlt = 0;
};

} // namespace rinolux
