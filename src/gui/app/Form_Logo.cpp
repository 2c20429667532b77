#include "gui/app/Form_Logo.h"

#include "core/shell/Prozess.h"
#include "gui/app/Bilder.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace rinolux {

TLogoForm::TLogoForm(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("LogoForm"));
    const QString bmp = ProgPfad + QStringLiteral("Rinol.bmp");
    if (QFileInfo::exists(bmp))
        m_bild.load(bmp);
    if (m_bild.isNull()) {
        const QIcon icon = QApplication::windowIcon();
        m_bild = icon.isNull() ? ProgrammBild(128, devicePixelRatioF()) : icon.pixmap(128, 128);
    }
    if (m_bild.isNull())
        m_bild = ProgrammBild(128, devicePixelRatioF());
    const QSize s = m_bild.deviceIndependentSize().toSize();
    setFixedSize(s.width(), s.height() + 7);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TLogoForm::BalkenSetzen(double f)
{
    m_balken = static_cast<int>(std::trunc((width() - 2) * std::clamp(f, 0.0, 1.0)));
    if (isVisible())
        repaint();
}

void TLogoForm::Zeigen()
{
    QScreen *schirm = QGuiApplication::primaryScreen();
    if (schirm) {
        const QRect flaeche = schirm->availableGeometry();
        move(flaeche.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    repaint();
    QCoreApplication::processEvents();
}

void TLogoForm::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.drawPixmap(0, 0, m_bild);
    const int hoehe = static_cast<int>(m_bild.deviceIndependentSize().height());
    p.fillRect(1, hoehe + 1, m_balken, 5, Qt::black);
}

void TLogoForm::mousePressEvent(QMouseEvent *)
{
    Q_EMIT BeendenVerlangt();
}

} // namespace rinolux
