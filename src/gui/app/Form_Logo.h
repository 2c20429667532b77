#pragma once

#include <QPixmap>
#include <QWidget>

namespace rinolux {

// The start picture: a borderless white window with "Rinol.bmp" from the data directory
// (else the program's icon) and a black bar below it that shows how far the start is.
class TLogoForm final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TLogoForm)

public:
    explicit TLogoForm(QWidget *parent = nullptr);

    // f in 0..1; the bar is trunc((client width - 2) * f) wide.
    void BalkenSetzen(double f);
    int BalkenBreite() const { return m_balken; }
    // Shows the picture centred in the work area and draws it at once.
    void Zeigen();

Q_SIGNALS:
    // A click on the picture: the user wants to end the program.
    void BeendenVerlangt();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPixmap m_bild;
    int m_balken = 0;
};

} // namespace rinolux
