#include "core/util/nx_Format.h"

#include <QLocale>

namespace rinolux {

QString nxZahlText(qint64 zahl)
{
    return nxZahlGruppieren(QString::number(zahl));
}

QString nxZahlGruppieren(const QString &ziffern)
{
    const bool minus = ziffern.startsWith(u'-');
    const QStringView z = QStringView(ziffern).mid(minus ? 1 : 0);
    QString r;
    r.reserve(ziffern.size() + ziffern.size() / 3 + 1);
    if (minus)
        r += u'-';
    for (qsizetype i = 0; i < z.size(); ++i) {
        r += z[i];
        const qsizetype rechts = z.size() - i - 1;
        if (rechts > 0 && rechts % 3 == 0)
            r += u'.';
    }
    return r;
}

QString nxZahlKommaText(double zahl, int nachkommastellen)
{
    return QLocale().toString(zahl, 'f', qBound(0, nachkommastellen, 30));
}

QString nxZahlNullen(int breite, qint64 zahl)
{
    // The magnitude as unsigned text, so that the smallest 64-bit value has one too.
    const quint64 betrag = zahl < 0 ? quint64(0) - quint64(zahl) : quint64(zahl);
    const QString ziffern = QString::number(betrag);
    if (zahl < 0)
        return u'-' + ziffern.rightJustified(qMax(breite - 1, 0), u'0');
    return ziffern.rightJustified(qMax(breite, 0), u'0');
}

QString nxGroesseText(qint64 bytes)
{
    if (bytes >= 1073741825)
        return QString::number(bytes / 1073741824) + QStringLiteral(" GB");
    if (bytes >= 1048577)
        return QString::number(bytes / 1048576) + QStringLiteral(" MB");
    if (bytes <= 1024)
        return QString::number(bytes) + QStringLiteral(" B");
    return QString::number(bytes / 1024) + QStringLiteral(" KB");
}

QString nxAttributName(QChar buchstabe)
{
    switch (buchstabe.toUpper().unicode()) {
    case u'A': return QStringLiteral("Archiv");
    case u'C': return QStringLiteral("Comprimiert");
    case u'H': return QStringLiteral("verHeimlicht");
    case u'R': return QStringLiteral("schReibschutz");
    case u'S': return QStringLiteral("System");
    default: return QString();
    }
}

QString nxJaNein(bool wert)
{
    return wert ? QStringLiteral("J") : QStringLiteral("N");
}

QString nxWochentag(int tag)
{
    static const char16_t *const namen[] = {u"Montag", u"Dienstag", u"Mittwoch", u"Donnerstag",
                                            u"Freitag", u"Samstag", u"Sonntag"};
    if (tag < 1 || tag > 7)
        return QStringLiteral("?");
    return QString::fromUtf16(namen[tag - 1]);
}

QString nxZeilenVerbinden(const TextFeld &feld)
{
    return feld.mid(1).join(QStringLiteral("\r\n"));
}

} // namespace rinolux
