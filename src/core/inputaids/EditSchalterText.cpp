#include "core/inputaids/EditSchalterText.h"

#include "core/util/nx_Adresse.h"
#include "core/util/nx_ZeichenEinfach.h"

#include <limits>

namespace rinolux {

std::optional<SchalterDefinition> SchalterDefinitionLesen(const QString &definition)
{
    if (definition.size() < 4)
        return std::nullopt;
    const QChar a = definition[0], b = definition[1];
    if ((a != u'L' && a != u'N') || (b != u'P' && b != u'K') || definition[2] != u'_')
        return std::nullopt;
    SchalterDefinition d;
    d.ersetzen = a == u'L';
    d.zeiger = b == u'P';
    const QString rest = definition.mid(3);
    const qsizetype trenner = rest.indexOf(u'_');
    if (trenner < 0) {
        d.code = rest;
        d.titel = rest;
    } else {
        d.code = rest.left(trenner);
        d.titel = rest.mid(trenner + 1);
    }
    return d;
}

bool SchalterPlatzGueltig(int platz)
{
    return (platz >= 1 && platz <= 8) || platz == 17;
}

QString SchalterTitel(const QString &titel, bool zeiger, int platz)
{
    switch (platz) {
    case 1:
    case 2:
        return (zeiger ? QStringLiteral("^ ") : QStringLiteral(" ")) + titel;
    case 3:
    case 4:
        return (zeiger ? QStringLiteral(", ") : QStringLiteral(" ")) + titel;
    case 5:
    case 6:
        return titel + (zeiger ? QStringLiteral(" >") : QStringLiteral(" "));
    default:
        return (zeiger ? QStringLiteral("< ") : QStringLiteral(" ")) + titel;
    }
}

QList<QRect> SchalterPlatzieren(const QRect &feld, int platz, int abstand, const QList<int> &breiten)
{
    constexpr int H = 20;
    const int n = int(breiten.size());
    QList<QRect> r(n);
    const int links = feld.x(), oben = feld.y(), rechts = feld.x() + feld.width(),
              unten = feld.y() + feld.height();
    switch (platz) {
    case 1:
    case 3: {
        int x = links + abstand;
        for (int i = 0; i < n; ++i) {
            r[i] = QRect(x, platz == 1 ? unten : oben - H, breiten[i], H);
            x += breiten[i];
        }
        break;
    }
    case 2:
    case 4: {
        int x = rechts - abstand;
        for (int i = n - 1; i >= 0; --i) {
            x -= breiten[i];
            r[i] = QRect(x, platz == 2 ? unten : oben - H, breiten[i], H);
        }
        break;
    }
    case 5:
    case 7: {
        int y = oben + abstand;
        for (int i = 0; i < n; ++i) {
            r[i] = QRect(platz == 5 ? links - breiten[i] : rechts, y, breiten[i], H);
            y += H;
        }
        break;
    }
    case 6:
    case 8: {
        int y = unten - abstand;
        for (int i = n - 1; i >= 0; --i) {
            y -= H;
            r[i] = QRect(platz == 6 ? links - breiten[i] : rechts, y, breiten[i], H);
        }
        break;
    }
    case 17: {
        int x = rechts;
        for (int i = 0; i < n; ++i) {
            r[i] = QRect(x, oben + abstand, breiten[i], H);
            x += breiten[i];
        }
        break;
    }
    default:
        break;
    }
    return r;
}

namespace {

// The digits of the text as a number; a run too long for 64 bits stays at the largest value,
// so a step never wraps around.
qint64 ziffernGesaettigt(QStringView text)
{
    constexpr qint64 Max = std::numeric_limits<qint64>::max();
    qint64 wert = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            continue;
        const int z = c.unicode() - u'0';
        if (wert > (Max - z) / 10)
            return Max;
        wert = wert * 10 + z;
    }
    return wert;
}

} // namespace

QString SpinSchritt(const QString &text, int schritt, bool alphabetisch, qint64 minimum, qint64 maximum)
{
    if (alphabetisch)
        return QString::fromStdU32String(nxZeichenZaehlenStandard(text.toStdU32String(), schritt));
    const bool negativ = text.startsWith(u'-');
    const QStringView rest = QStringView(text).mid(negativ ? 1 : 0);
    const qint64 betrag = ziffernGesaettigt(rest);
    qint64 wert = negativ ? -betrag : betrag;
    if (__builtin_add_overflow(wert, qint64(schritt), &wert))
        wert = schritt > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    if (minimum != KeinLimit && wert < minimum)
        wert = minimum;
    if (maximum != KeinLimit && wert > maximum)
        wert = maximum;
    return QString::number(wert);
}

QString ZeitTeil(const QString &code, const QDateTime &jetzt)
{
    if (code.size() < 6)
        return QString();
    const int k = code[5].digitValue();
    const QDate d = jetzt.date();
    const QTime t = jetzt.time();
    switch (k) {
    case 1:
        return QString::number(d.year());
    case 2:
        return QString::number(d.month());
    case 3:
        return QString::number(d.day());
    case 4:
        return QString::number(t.hour());
    case 5:
        return QString::number(t.minute());
    case 6:
        return QString::number(t.second());
    case 7:
        return QString::number(t.msec());
    default:
        return QString();
    }
}

QString ZeileAnhaengen(const QString &feldText, const QString &pfad, const QString &umbruch)
{
    QString s = feldText;
    if (!s.isEmpty() && !s.endsWith(umbruch))
        s += umbruch;
    return s + pfad + umbruch;
}

QString FreiListeNamen(const QStringList &namenMitFormat, int art, const QString &umbruch)
{
    if (art < 0 || art > 2)
        return QString();
    QString s;
    for (const QString &n : namenMitFormat) {
        const AdresseTeile t = nxAdresseZerlegen(n);
        s += art == 0 ? n : art == 1 ? t.name : t.format;
        s += umbruch;
    }
    return s;
}

EinfuegeErgebnis TextEinfuegen(const QString &text, int start, int laenge, const QString &einfuegen)
{
    start = qBound(0, start, int(text.size()));
    laenge = qBound(0, laenge, int(text.size()) - start);
    EinfuegeErgebnis e;
    e.text = text.left(start) + einfuegen + text.mid(start + laenge);
    e.cursor = start + int(einfuegen.size());
    return e;
}

} // namespace rinolux
