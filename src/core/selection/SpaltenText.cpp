#include "core/selection/SpaltenText.h"

#include "core/util/PfadText.h"

#include "core/util/nx_Format.h"
#include "core/util/nx_Zeit.h"


namespace rinolux {

namespace {
struct AttributBit
{
    char16_t buchstabe;
    qint64 bit;
};
// Slot order of the attribute column.
constexpr AttributBit AttributBits[] = {{u'H', 2}, {u'R', 1}, {u'S', 4}, {u'A', 32}, {u'C', 2048}};
} // namespace

QString nxAttributBuchstaben(qint64 attribute)
{
    QString t;
    t.reserve(5);
    for (const AttributBit &a : AttributBits)
        t.append((attribute & a.bit) ? QChar(a.buchstabe) : QChar(u'-'));
    return t;
}

QString nxAttributNamen(qint64 attribute)
{
    QString namen;
    for (const AttributBit &a : AttributBits) {
        if (!(attribute & a.bit))
            continue;
        if (!namen.isEmpty())
            namen.append(u',');
        namen.append(nxAttributName(QChar(a.buchstabe)));
    }
    return namen.isEmpty() ? QString() : QStringLiteral(" (") + namen + u')';
}

QString nxZelleAnzeige(SpaltenTyp typ, const QString &zelle)
{
    switch (typ) {
    case SpaltenTyp::Text:
        return nameAnzeige(zelle); // undecodable name bytes shown as "\xFF", never as a box
    case SpaltenTyp::Zeit: {
        if (zelle.size() < 21)
            return zelle;
        // YYYYMMDD_HHMMSS_mmm_W -> YYYY-MM-DD, hh:mm:ss, weekday
        QString t;
        t.reserve(40);
        t.append(QStringView(zelle).mid(0, 4)).append(u'-').append(QStringView(zelle).mid(4, 2)).append(u'-');
        t.append(QStringView(zelle).mid(6, 2)).append(u", ");
        t.append(QStringView(zelle).mid(9, 2)).append(u':').append(QStringView(zelle).mid(11, 2)).append(u':');
        t.append(QStringView(zelle).mid(13, 2)).append(u", ");
        const QChar w = zelle.at(20);
        t.append(nxWochentag(w.isDigit() ? w.digitValue() : 0));
        return t;
    }
    case SpaltenTyp::Alter: {
        const std::optional<DatumWert> wert = nxZeitAusText(zelle);
        return wert ? nxZeitAbstand(*wert) : QString();
    }
    case SpaltenTyp::Bytes:
        return nxZahlGruppieren(zelle);
    case SpaltenTyp::Attribute: {
        const qint64 a = zelle.toLongLong();
        return nxAttributBuchstaben(a) + nxAttributNamen(a);
    }
    case SpaltenTyp::Symbol:
    case SpaltenTyp::Mark:
    case SpaltenTyp::Leer:
        break;
    }
    return QString();
}

} // namespace rinolux
