#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace rinolux {

// The input form "Tee" ("Inhalt des Eingabe-Feldes"): a list field in a large editor. The
// field takes the editor's text only when the form is confirmed.
class Tee final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tee)

public:
    // name: "ee_suche", "ee_aendern" or "ee_herst"; hauptfenster: the window it is placed over.
    Tee(const QString &name, const QString &text, int rahmenDicke, QWidget *hauptfenster);

    QString Text() const;
    QPlainTextEdit *Eingabe() const { return m_eingabe; }

    // Opens the form for the field (nothing while the field is disabled) and writes the text
    // back on OK. True when it was confirmed.
    static bool Bearbeiten(QWidget *feld, const QString &name);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *objekt, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPlainTextEdit *m_eingabe = nullptr;
    QWidget *m_unten = nullptr;
    QWidget *m_abbrechenRahmen = nullptr;
};

} // namespace rinolux
