#pragma once

#include <QFrame>
#include <QLineEdit>
#include <QPointer>
#include <QRect>

#include <functional>

class QListWidget;
class QTimer;

namespace rinolux {

// How the autocomplete list opens: while typing, only on the Down key, or never.
enum class AutoVervollModus { Automatisch, Taste, Nie };

// The autocomplete list "Tav": drops down under (or above) a text field while the user
// types and offers every known text that contains what was typed. It is a child of the
// field's window laid over its controls, so it never leaves the window; the field keeps the
// focus until the user presses Down.
class Tav final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tav)

public:
    explicit Tav(QWidget *fenster);

    // The texts offered for a field, in their order (duplicates allowed).
    std::function<QStringList(const QLineEdit *feld)> Quellen;
    std::function<AutoVervollModus()> Modus;

    // The field's events: text changes show or close the list, Down and Up steer it.
    // immer: the list shows on every change whatever the mode (the user word dialog).
    void Bedienen(QLineEdit *feld, bool immer = false);
    void Zeigen(QLineEdit *feld, bool perTaste);
    void Schliessen();
    bool Offen() const { return isVisible(); }
    QLineEdit *Feld() const { return m_feld; }
    QListWidget *Liste() const { return m_liste; }
    // The text being served (its occurrences are drawn bold).
    const QString &Getippt() const { return m_getippt; }

    // The autocomplete list of the window that holds the widget, created on first use.
    static Tav *Fuer(QWidget *w);

protected:
    bool eventFilter(QObject *objekt, QEvent *event) override;

private:
    void nehmen(int zeile);
    void pruefen();

    QListWidget *m_liste = nullptr;
    QWidget *m_linie = nullptr;  // PaAutoVervollLinie
    QWidget *m_blende = nullptr; // PaBlende
    QTimer *m_timer = nullptr;
    QPointer<QLineEdit> m_feld;
    QString m_getippt;
    QRect m_fensterRahmen;
};

} // namespace rinolux
