#include "gui/pages/OptionenBereich.h"

namespace rinolux {

TOptionenBereich::TOptionenBereich(SeitenUmgebung &umgebung, QWidget *eltern)
    : QWidget(eltern)
    , m_umgebung(umgebung)
{
    setObjectName(QStringLiteral("OptionenBereich"));
}

TOptionenBereich::~TOptionenBereich() = default;

void TOptionenBereich::SeiteAnpassenFuerAktion(int tab)
{
    m_tab = tab;
}

SeitenAuswahl TOptionenBereich::Auswahl(int tab) const
{
    SeitenAuswahl a;
    a.seite = tab == 3 ? RegelSeite::Herstellen : RegelSeite::Aendern;
    return a;
}

} // namespace rinolux
