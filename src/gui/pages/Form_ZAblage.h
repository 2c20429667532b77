#pragma once

#include "core/selection/ZwischenAblage.h"

#include <QDialog>
#include <QStringList>

#include <array>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace rinolux {

class Fortschritt;
class TNxReg;
class TNxRotListe;

// "Kopieren in die Zwischenablage": up to ten output columns, each a chosen item of the
// source, with heading, row filter and separator.
class Tzg final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tzg)

public:
    // punkte: the source's items, "(keine Information)" first (ZAPunkte).
    Tzg(QChar quelle, const QStringList &punkte, QWidget *eltern = nullptr);
    ~Tzg() override;

    // The choices; the row filter stays ZAZeilen::FormOffen unless "OK" was pressed.
    const TNxZwischenAblageInfo &Info() const { return m_info; }
    // Gives the current tab's column the item (1 = none), as a click in the list does.
    void PunktWaehlen(int punkt);
    void SchnellAuswahl();
    TNxReg *Register() const { return m_reg; }
    TNxRotListe *Liste() const { return m_liste; }

private:
    void tabsAnzeigen();
    void tabGewechselt(int tab);
    void uebernehmen();

    QStringList m_punkte;
    TNxZwischenAblageInfo m_info;
    std::array<int, 10> m_spalten{};
    TNxReg *m_reg = nullptr;
    TNxRotListe *m_liste = nullptr;
    QRadioButton *m_raMit = nullptr;
    QRadioButton *m_raOhne = nullptr;
    std::array<QRadioButton *, 3> m_raZeilen{};
    std::array<QRadioButton *, 4> m_raTrenn{};
    QLineEdit *m_edTrenn = nullptr;
    QPushButton *m_buOK = nullptr;
    int m_ziehVon = 0; // the tab a drag started from
};

// "Kopieren in die ZA": three buttons for the part a small code leaves open, placed near
// the mouse pointer.
class Tzk final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tzk)

public:
    Tzk(int kleinCode, QWidget *eltern = nullptr);
    ~Tzk() override;

    // The pressed button 1..3; 0 while none was.
    int Knopf() const { return m_knopf; }

private:
    int m_knopf = 0;
};

// Starts an export by the code of its menu entry ("ZA_G" + source letter, "ZA_K" + two
// digits): shows the form, builds the text with progress and cancel, and puts it on the
// clipboard. False when the clipboard was left as it was (form or progress cancelled, no
// text, or a code that does not fit the source).
bool ZwischenAblageStarten(const QString &code, const ZAQuelle &quelle, Fortschritt &fort, QWidget *eltern);
// Replaces the clipboard's content with the text.
void ZwischenAblageSetzen(const QString &text);
// The visible columns of a list panel in column order, for the undo and preview exports.
std::vector<ZASpalte> ZASichtbareSpalten(const TNxRotListe &liste);

} // namespace rinolux
