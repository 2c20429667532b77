#include "gui/app/SchalterRahmen.h"

#include <QAbstractButton>
#include <QPainter>

#include <algorithm>

namespace rinolux {

TSchalterRahmen::TSchalterRahmen(QAbstractButton *schalter, const QColor &farbe, int dicke, QWidget *parent)
    : QWidget(parent), m_schalter(schalter), m_farbe(farbe), m_dicke(std::clamp(dicke, 0, 3))
{
    setObjectName(schalter->objectName() + QStringLiteral("Rahmen"));
    schalter->setParent(this);
    schalter->move(m_dicke, m_dicke);
}

void TSchalterRahmen::FarbeSetzen(const QColor &farbe)
{
    m_farbe = farbe;
    update();
}

void TSchalterRahmen::DickeSetzen(int dicke)
{
    m_dicke = std::clamp(dicke, 0, 3);
    m_schalter->setGeometry(rect().adjusted(m_dicke, m_dicke, -m_dicke, -m_dicke));
    update();
}

QSize TSchalterRahmen::sizeHint() const
{
    return m_schalter->sizeHint() + QSize(2 * m_dicke, 2 * m_dicke);
}

QSize TSchalterRahmen::minimumSizeHint() const
{
    return m_schalter->minimumSizeHint() + QSize(2 * m_dicke, 2 * m_dicke);
}

void TSchalterRahmen::paintEvent(QPaintEvent *)
{
    if (m_dicke == 0)
        return;
    QPainter p(this);
    p.fillRect(rect(), m_schalter->isEnabled() ? m_farbe : m_farbe.lighter(115));
}

void TSchalterRahmen::resizeEvent(QResizeEvent *)
{
    m_schalter->setGeometry(rect().adjusted(m_dicke, m_dicke, -m_dicke, -m_dicke));
}

} // namespace rinolux
