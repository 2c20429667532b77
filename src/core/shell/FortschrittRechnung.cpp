#include "core/shell/FortschrittRechnung.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace rinolux {

double FortAnteil(int abschnitt, int abschnitte, qint64 gesamt2, qint64 erledigt2)
{
    if (abschnitte <= 0)
        return 0.0;
    double f = 0.0;
    if (gesamt2 != 0)
        f = ((abschnitt - 1) + static_cast<double>(erledigt2) / static_cast<double>(gesamt2)) / abschnitte;
    else
        f = static_cast<double>(abschnitt) / abschnitte;
    if (!std::isfinite(f))
        return 0.0;
    return std::clamp(f, 0.0, 1.0);
}

int FortBalkenBreite(int breite, double anteil)
{
    return static_cast<int>(std::trunc(breite * std::clamp(anteil, 0.0, 1.0)));
}

int FortMarkePosition(int breite, int balkenBreite, qint64 gesamt1, qint64 erledigt1)
{
    if (gesamt1 == 0)
        return balkenBreite;
    if (erledigt1 < 0)
        return 0;
    const double p = static_cast<double>(breite) * static_cast<double>(erledigt1) / static_cast<double>(gesamt1);
    // Far outside the bar is as invisible as just outside it; keep it within int.
    return static_cast<int>(std::clamp(std::trunc(p), -1.0e6, 1.0e6));
}

QString FortProzentText(double anteil)
{
    static const QLocale deutsch(QLocale::German, QLocale::Germany);
    return QStringLiteral("  ") + deutsch.toString(anteil * 100.0, 'f', 1) + QStringLiteral(" %");
}

QString FortTitelText(double anteil)
{
    const int k = std::clamp(static_cast<int>(std::trunc(anteil * 11.0)), 0, 11);
    return QStringLiteral(" ") + QString(k, u'\'') + QStringLiteral("|") + QString(std::max(0, 10 - k), u'\'')
        + FortProzentText(anteil);
}

bool FortMeldungZeigen(qint64 zaehler)
{
    if (zaehler >= 0 && zaehler < 50)
        return true;
    if (zaehler >= 50 && zaehler < 100)
        return zaehler % 2 == 0;
    if (zaehler >= 100 && zaehler < 500)
        return zaehler % 11 == 0;
    if (zaehler >= 500 && zaehler < 2000)
        return zaehler % 21 == 0;
    if (zaehler >= 2000 && zaehler < 10000)
        return zaehler % 31 == 0;
    return zaehler % 41 == 0;
}

} // namespace rinolux
