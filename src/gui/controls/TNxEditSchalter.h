#pragma once

#include "core/inputaids/EditSchalterText.h"

#include <QFrame>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QAbstractButton;
class QToolButton;

namespace rinolux {

// What the action codes of the field buttons need of the window. The window sets one; without
// it, the codes that need the window give nothing and change nothing.
class EditSchalterUmgebung
{
public:
    virtual ~EditSchalterUmgebung() = default;
    // The selected directory of the main tree with its "/", empty when none.
    virtual QString AktuellerPfad() { return QString(); }
    // The preview rows' names with format, in row order, and the choice of CoAendernNameFormat.
    virtual QStringList VorschauNamen() { return {}; }
    virtual int NameFormatArt() { return -1; }
    // The first marked entry of the selection that is no directory, as full path; empty when none.
    virtual QString ErsteAuswahlDatei() { return QString(); }
    // The chooser: a directory (datei false) or a file of the pattern; nullopt when cancelled.
    virtual std::optional<QString> PfadWaehlen(bool datei, const QString &muster, const QString &start,
                                               QWidget *feld);
    // The word list form; nullopt (or empty) when cancelled.
    virtual std::optional<QString> WortWaehlen(QWidget *feld);
    // A help text of an "...info" code as an information placed at the field.
    virtual void HilfeZeigen(const QString &code, QWidget *feld);
    // An information text placed at the control.
    virtual void InfoZeigen(const QString &text, QWidget *anker);
    // The autocomplete symbol was clicked: what it means and where its options are.
    virtual void AutoSymbolErklaeren(QWidget *symbol) { static_cast<void>(symbol); }
    // Pressing a field button closes the autocomplete list.
    virtual void AutoVervollSchliessen() {}
    // The button frame thickness of the settings (0..3) and the window forms are placed over.
    virtual int RahmenDicke() { return 1; }
    // The help switch of the selection page is ticked.
    virtual bool HilfeAn() { return false; }
    virtual QWidget *Hauptfenster() { return nullptr; }

protected:
    EditSchalterUmgebung() = default;
};
void EditSchalterUmgebungSetzen(EditSchalterUmgebung *umgebung);
EditSchalterUmgebung &EditSchalterUmgebungAktuell();

// A button beside a text field ("TNxEditSchalter"): puts its code, or the result of its
// action code, into the field.
class TNxEditSchalter final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TNxEditSchalter)

public:
    TNxEditSchalter(QWidget *feld, const SchalterDefinition &definition, int platz, QWidget *eltern);

    QWidget *Feld() const { return m_feld; }
    const QString &Code() const { return m_code; }
    bool Ersetzen() const { return m_ersetzen; }
    QString Titel() const { return m_titel; }
    int Platz() const { return m_platz; }
    // What a click does.
    void Ausfuehren();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPointer<QWidget> m_feld;
    QString m_code;
    QString m_titel;
    bool m_ersetzen = false;
    int m_platz = 1;
    bool m_gedrueckt = false;
};

// The spin button of a number field ("TNxEditSpin"): counts the field's text up or down.
class TNxEditSpin final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TNxEditSpin)

public:
    TNxEditSpin(QWidget *feld, bool alphabetisch, qint64 minimum, qint64 maximum, QWidget *eltern);

    // One step, +1 or -1.
    void Schritt(int s);
    QToolButton *Auf() const { return m_auf; }
    QToolButton *Ab() const { return m_ab; }

private:
    QPointer<QWidget> m_feld;
    bool m_alphabetisch = false;
    qint64 m_minimum = KeinLimit;
    qint64 m_maximum = KeinLimit;
    QToolButton *m_auf = nullptr;
    QToolButton *m_ab = nullptr;
};

// Adds one button per definition to the field, placed by the placement code with the
// offset; the buttons are laid out around the field so they cover neither it nor its
// neighbours. A malformed definition is a defect of the tables: it aborts.
QList<TNxEditSchalter *> EditSchalter(QWidget *feld, const QStringList &definitionen, int platz, int abstand);
// A spin button at the field's right edge; mode "A" (any case) counts alphabetically.
TNxEditSpin *Spin(QWidget *feld, QChar modus, qint64 minimum, qint64 maximum);

// The autocomplete symbol under the field's right end; a click runs klick, or without one
// lets the window explain the symbol.
QWidget *AutoSymbol(QWidget *feld, std::function<void()> klick);

// The field's text and caret, for single-line edits and memos alike.
QString FeldText(const QWidget *feld);
void FeldTextSetzen(QWidget *feld, const QString &text);

} // namespace rinolux
