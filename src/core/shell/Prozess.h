#pragma once

#include <QString>
#include <QStringList>

namespace rinolux {

// Process-wide values; everything else in core is passed explicitly.
inline const QString ProgVersion = QStringLiteral("2023b");
inline const QString ProgName = QStringLiteral("Rinolux");

// Data directory with exactly one trailing "/": $XDG_CONFIG_HOME/rinolux/ (default ~/.config/rinolux/).
extern QString ProgPfad;
// File name of the program (without directory), used for the run log name.
extern QString ProgDateiName;
// One-based: element 0 exists and stays empty; 1..n are the command-line parameters.
extern QStringList a_StartParameter;
// While set, control handlers return at once; change it only through EreignisSperre.
extern bool EreignisseGesperrt;

// Sets ProgPfad and ProgDateiName from the environment; called at start and by tests
// after they point XDG_CONFIG_HOME elsewhere. Does not create the directory.
void ProzessWerteSetzen(const QString &programmDateiName = QStringLiteral("rinolux"));

// Makes sure ProgPfad exists; returns false when it cannot be created.
bool ProgPfadAnlegen();

// Scoped lock of control events that always restores the previous value.
class EreignisSperre final
{
public:
    explicit EreignisSperre(bool sperren = true) : m_vorher(EreignisseGesperrt) { EreignisseGesperrt = sperren; }
    ~EreignisSperre() { EreignisseGesperrt = m_vorher; }
    EreignisSperre(const EreignisSperre &) = delete;
    EreignisSperre &operator=(const EreignisSperre &) = delete;

private:
    bool m_vorher;
};

} // namespace rinolux
