#pragma once

#include "core/engine/SeitenAuswahl.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace rinolux {

// The user word dialog "Tbb": the six user word slots, each with an OK button on either
// side of its edit and, for the position and group combos, the box that tells upper and
// lower case apart. Choosing a row fills that slot and gives its number.
class Tbb final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tbb)

public:
    // panelTitel: caption of the panel that opened it ("< Wort ...", "< Wort oder Zahl ...");
    // mitGross: the case boxes are shown (not for the insert and replace combos).
    Tbb(const std::array<BenutzerWort, 6> &woerter, const QString &panelTitel, bool mitGross,
        QWidget *eltern = nullptr);

    // 1..6: the slot chosen; 0: closed without a choice.
    int Wahl() const { return m_wahl; }
    // The slots with the chosen one as the dialog left it.
    const std::array<BenutzerWort, 6> &Woerter() const { return m_woerter; }

    // Places the dialog with its right edge at the panel's and its top at the panel's bottom,
    // above the panel when it would leave the work area at the bottom.
    void AmPanelPlatzieren(const QWidget *panel);

    // "ein Wort", "ein Wort oder eine Zahl" ... + " bestimmen", from the panel caption.
    static QString TitelFuer(const QString &panelTitel);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void waehlen(int zeile);
    int fokusZeile() const;

    std::array<BenutzerWort, 6> m_woerter;
    std::array<QLineEdit *, 6> m_edits{};
    std::array<QCheckBox *, 6> m_gross{};
    std::array<QPushButton *, 6> m_okLinks{};
    std::array<QPushButton *, 6> m_okRechts{};
    int m_wahl = 0;
};

} // namespace rinolux
