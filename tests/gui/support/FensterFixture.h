#pragma once

#include "gui/app/Form_Anfang.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

namespace rinolux {
class ListenDaten;
class TNxReg;
}

namespace rinolux::test {

// The main window as the widget tests start it: start values, page 1, shown.
class FensterFixture
{
public:
    // Call from init(); fails the test when the window is not shown. mitAblauf: the parts
    // register their start-up steps first (the selection list exists, the undo index is read).
    void fensterAnlegen(QSize groesse, bool mitAblauf = false);
    void fensterWeg() { m_aa.reset(); }
    Taa &aa() const { return *m_aa; }
    bool da() const { return m_aa != nullptr; }

    // A control of the window by its control name.
    template <class T = QWidget>
    T *teil(const QString &name) const
    {
        return m_aa->findChild<T *>(name);
    }

private:
    std::unique_ptr<Taa> m_aa;
};

void tabKlicken(TNxReg *reg, int nr);
// Which of the page panels are visible.
QStringList sichtbarePanels(const Taa &aa, const QStringList &panels);
// The names of the marked entries of a selection list, sorted.
QStringList markierteNamen(const ListenDaten &liste);
// Clicks OK (or another button) of the next message dialog and keeps its text.
void naechstenDialogBeantworten(QString *text, const QString &schalter = QStringLiteral("BuOK"));

} // namespace rinolux::test
