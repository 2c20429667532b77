#include "gui/pages/Seite.h"

#include <QColor>

namespace rinolux {

Seite::Seite(const QString &name, SeitenUmgebung &umgebung, QWidget *eltern) : QFrame(eltern), m_umgebung(umgebung)
{
    setObjectName(name);
    setAutoFillBackground(true);
}

Seite::~Seite() = default;

bool Seite::Taste(int, Qt::KeyboardModifiers)
{
    return false;
}

void Seite::TabFarbeSetzen(const QColor &, const QColor &) {}

void Seite::StatusSetzen(int, const QString &) {}

QString Seite::StatusText(int) const
{
    return QString();
}

void Seite::ZustaendeLesen(const QList<IniTextEintrag> &, const QList<IniFlagEintrag> &) {}

void Seite::ZustaendeSchreiben(QList<IniTextEintrag> &, QList<IniFlagEintrag> &) const {}

std::optional<SeitenAktion> Seite::Aktion(int) const
{
    return std::nullopt;
}

void Seite::NachAusfuehren(const AusfuehrErgebnis &) {}

bool Seite::AutoVorschau(int, qint64)
{
    return false;
}

QFrame *SeitenPanel(const QString &name, QWidget *eltern)
{
    auto *p = new QFrame(eltern);
    p->setObjectName(name);
    return p;
}

} // namespace rinolux
