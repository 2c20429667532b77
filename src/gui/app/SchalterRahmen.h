#pragma once

#include <QColor>
#include <QWidget>

class QAbstractButton;

namespace rinolux {

// A coloured frame around one button: the button sits inset by the frame thickness
// (0..3 pixels), so the colour shows around it. The frame is the button's parent and
// takes the place the button would have had.
class TSchalterRahmen final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSchalterRahmen)

public:
    TSchalterRahmen(QAbstractButton *schalter, const QColor &farbe, int dicke, QWidget *parent = nullptr);

    QAbstractButton *Schalter() const { return m_schalter; }
    QColor Farbe() const { return m_farbe; }
    void FarbeSetzen(const QColor &farbe);
    int Dicke() const { return m_dicke; }
    void DickeSetzen(int dicke);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QAbstractButton *m_schalter;
    QColor m_farbe;
    int m_dicke;
};

} // namespace rinolux
