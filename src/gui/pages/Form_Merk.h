#pragma once

#include "core/inputaids/WortSammlung.h"

#include <QDialog>

#include <functional>

class QLineEdit;

namespace rinolux {

class TNxRotListe;

// The word list form "Tmm" ("Wörter-Liste"): the own words and every remembered text under
// each of its words; the chosen text goes into the field. Letters jump to the first entry
// of group 2 that begins with them.
class Tmm final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tmm)

public:
    // seitenName: the caption of the settings page, named in group 1's title row.
    Tmm(const WortListe &woerter, const QString &seitenName, int rahmenDicke, QWidget *eltern = nullptr);

    // The chosen text (empty when cancelled).
    QString Ergebnis() const { return m_ergebnis; }
    TNxRotListe *Liste() const { return m_liste; }
    QLineEdit *Auswahl() const { return m_auswahl; }
    // Jumps to the first group 2 entry whose first letter is c; false when there is none.
    bool Springen(QChar c);

protected:
    bool eventFilter(QObject *objekt, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void zeileKlicken(int zeile);
    void uebernehmen();

    TNxRotListe *m_liste = nullptr;
    QLineEdit *m_auswahl = nullptr;
    std::function<void()> m_unten; // lays out the bottom panel on resizes
    int m_sprungAnfang = 0;        // display position of group 2's first entry
    QString m_ergebnis;
};

} // namespace rinolux
