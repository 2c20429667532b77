#pragma once

#include <QDialog>

#include <array>

namespace rinolux {

class RegelListe;
class TNxReg;
class TNxRotListe;

// The combine form rr ("RegelForm"): ten slots in a tab strip, each holding one stored
// name rule chosen from the list; OK adds the combined rule at the top of the rule list.
class Trr final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Trr)

public:
    static constexpr int SlotAnzahl = 10;

    explicit Trr(RegelListe &liste, QWidget *eltern = nullptr);
    ~Trr() override;

    TNxReg *Register() const { return m_reg; }
    TNxRotListe *Liste() const { return m_liste; }
    // The row chosen for slot 1..10 (0 or 1: no rule).
    int Slot(int nr) const { return m_slots[size_t(nr)]; }
    // A click on a row: it becomes the current slot's rule.
    void ZeileWaehlen(int zeile);
    // Whether OK added a rule.
    bool Hinzugefuegt() const { return m_hinzugefuegt; }

private:
    void tabGewaehlt(int nr);
    void ok();
    void abbrechen();

    RegelListe &m_regeln;
    TNxReg *m_reg = nullptr;
    TNxRotListe *m_liste = nullptr;
    std::array<int, SlotAnzahl + 1> m_slots{};
    // Row (1-based) -> index in the rule list; row 1 maps to none.
    std::vector<int> m_zeileZuRegel;
    bool m_hinzugefuegt = false;
};

} // namespace rinolux
