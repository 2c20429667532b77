#pragma once

#include "core/shell/Dialog.h"
#include "core/shell/Einstellungen.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QTextEdit;

class QDialog;
class QDialogButtonBox;

namespace rinolux {

// The message dialog "dd", built anew for every message: text blocks laid out in rows
// and columns, a symbol, and the buttons of its kind.
class Tdd final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tdd)

public:
    // anker: the control the dialog is placed at; nullptr = centred on the screen.
    // infoNummer: which of the two information pictures to show (1 or 2).
    Tdd(QChar art, const QString &text, QWidget *anker, bool breit, const Einstellungen &einst, int infoNummer,
        QWidget *parent = nullptr);

    // 'j', 't' or 'n'.
    QChar Antwort() const { return m_antwort; }
    const QList<QTextEdit *> &Bloecke() const { return m_bloecke; }

private:
    QPushButton *schalter(const QString &name, const QString &text, const QColor &farbe, int dicke, const QRect &r);
    void platzieren(QWidget *anker);

    QChar m_antwort = u'n';
    QList<QTextEdit *> m_bloecke;
};

// The dialogs of the window: shows each message modally and returns its answer.
class FensterDialog final : public Dialog
{
public:
    explicit FensterDialog(const Einstellungen &einst) : m_einst(einst) {}

    QChar Dialog_Zeigen(QChar art, const QString &text, const QString &anker, bool breit) override;

    // Which information picture the next information message shows; counts 1, 2, 1, ...
    int NaechsteInfoNummer();

private:
    const Einstellungen &m_einst;
    int m_infoZaehler = 0;
};

// The visible control named `name` in any open window, or nullptr.
QWidget *SteuerelementSuchen(const QString &name);

// The "OK" (BuOK) and "Abbrechen" (BuAbbrechen) row of a form, tied to accept and reject.
QDialogButtonBox *OkAbbrechenKnoepfe(QDialog *form);

} // namespace rinolux
