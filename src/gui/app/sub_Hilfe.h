#pragma once

#include <QLabel>

namespace rinolux {

class Taa;

// One numbered help marker on the main window: its number on its colour in a square, its
// help text as a tooltip shown at once; pointing at it makes the next marker blink.
class THilfeMarker final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(THilfeMarker)

public:
    THilfeMarker(int seite, int nummer, const QString &text, QWidget *fenster);

    int Seite() const { return m_seite; }
    int Nummer() const { return m_nummer; }
    // page * 1000 + number
    int Tag() const { return m_seite * 1000 + m_nummer; }
    const QString &Text() const { return m_text; }
    // Swaps background and caption colour (one step of the blink).
    void Tauschen();

Q_SIGNALS:
    void Beruehrt(int seite, int nummer);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_seite;
    int m_nummer;
    QString m_text;
    QColor m_grund;
    QColor m_schrift;
};

// The help switch CheHilfe on the selection page and the markers of pages 1 to 4 (built
// when it is ticked, freed when it is cleared), placed at their controls whenever the
// layout changes. Created with the window's controls.
void HilfeAnlegen(Taa &aa);

} // namespace rinolux
