#pragma once

#include <QMenu>

class QAbstractScrollArea;
class QLineEdit;

namespace rinolux {

// The German edit menu of every text field: undo, cut, delete, copy, paste, select all,
// each enabled only where it makes sense for the field it was opened on. One menu per
// window, created when a field of that window first asks for it.
class TNxEditPop final : public QMenu
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TNxEditPop)

public:
    explicit TNxEditPop(QWidget *fenster);

    // Sets the entries' enabled states for the field and shows the menu at pos.
    void Oeffnen(QWidget *feld, const QPoint &pos);
    // Enables the entries for the field, without showing the menu (tests look at them).
    void Vorbereiten(QWidget *feld);
    QAction *Eintrag(int nr) const;
    // The field the menu was last prepared for.
    QWidget *Feld() const { return m_feld; }

    // The menu of the window that holds the widget.
    static TNxEditPop *Fuer(QWidget *w);

private:
    void ausfuehren(int nr);

    QWidget *m_feld = nullptr;
    QList<QAction *> m_eintraege; // index = entry number - 1
};

// The text field a context-menu event on this object belongs to (the edit itself, the
// viewport of a memo, the editor of a spin box or editable combo), or nullptr.
QWidget *EditFeldZu(QObject *objekt);

// Puts the edit menu on every text field of every window of the program in place of the
// platform's own menu. Safe to call more than once; windows and forms call it when built.
void EditMenueEinrichten();

} // namespace rinolux
