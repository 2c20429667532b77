#pragma once

#include <QString>

namespace rinolux {

// The run log: written only when its file exists at start (the user switches it on by
// creating "<program>_Ablauf.txt" in ProgPfad). No call ever reports an error.

QString nxDebugDateiName(); // ProgPfad + ProgDateiName + "_Ablauf.txt"

void nxDebugStart(const QString &text, bool nurWennVorhanden);
void nxDebugZeile(const QString &text);
void nxDebugRein(const QString &text);
void nxDebugRaus(const QString &text);
void nxDebugEnde();
void nxDebugArchiv(int behalten);

bool nxDebugAn();
int nxDebugTiefe();

// "1 Stunden + 2 Minuten + 5 Sekunden" part of the end line, for a whole number of seconds.
QString nxDebugLaufzeitText(qint64 sekunden);

// Pairs nxDebugRein and nxDebugRaus with one text, also when the step leaves early.
class DebugSchritt final
{
public:
    explicit DebugSchritt(QString text) : m_text(std::move(text)) { nxDebugRein(m_text); }
    ~DebugSchritt() { nxDebugRaus(m_text); }
    DebugSchritt(const DebugSchritt &) = delete;
    DebugSchritt &operator=(const DebugSchritt &) = delete;

private:
    QString m_text;
};

} // namespace rinolux
