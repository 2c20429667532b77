#pragma once

#include "core/engine/sub_Aktion_Vorschau.h"
#include "core/persist/MerkListe.h"

#include <QDialog>
#include <QList>

#include <functional>

class QLineEdit;

namespace rinolux {

class Dialog;

// The placeholder form "Tpp" ("Die Funktion enthält Platzhalter"): one edit per placeholder
// of the rule, filled with the value last typed for it. Enter or ESC in an edit confirms;
// only closing the window leaves the placeholders as they are written.
class Tpp final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tpp)

public:
    // breite: the client width (that of the preview's status field).
    Tpp(const QList<Platzhalter> &platzhalter, const PlatzhalterListe &gespeichert, int breite,
        QWidget *eltern = nullptr);

    // The edits' texts, in the order of the placeholders.
    QStringList Werte() const;

protected:
    bool eventFilter(QObject *objekt, QEvent *event) override;

private:
    QList<QLineEdit *> m_edits;
};

// The window's answer to the preview's placeholder step: Tpp at the status field `anker`,
// the values stored on OK.
class FensterPlatzhalterFrage final : public PlatzhalterFrage
{
public:
    FensterPlatzhalterFrage(Dialog &dialog, std::function<QWidget *()> anker)
        : m_dialog(dialog), m_anker(std::move(anker))
    {
    }
    bool PlatzhalterWerte(const QList<Platzhalter> &platzhalter, QStringList &werte) override;

private:
    Dialog &m_dialog;
    std::function<QWidget *()> m_anker;
};

} // namespace rinolux
