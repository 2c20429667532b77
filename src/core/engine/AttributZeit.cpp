#include "core/engine/AttributZeit.h"

#include "core/engine/Nummern.h"

namespace rinolux {

namespace {

qint64 Bit(qint64 wert, qint64 bit, QChar wahl)
{
    if (wahl == QLatin1Char('J'))
        return wert | bit;
    if (wahl == QLatin1Char('N'))
        return wert & ~bit;
    return wert;
}

QString NichtMoeglichText()
{
    return QStringLiteral("auf diesem System nicht möglich");
}

} // namespace

qint64 AttributWertNeu(qint64 wert, const AttributBuchstaben &wahl)
{
    wert = Bit(wert, AttributVersteckt, wahl.versteckt);
    wert = Bit(wert, AttributSchreibschutz, wahl.schreibschutz);
    wert = Bit(wert, AttributSystem, wahl.system);
    wert = Bit(wert, AttributArchiv, wahl.archiv);
    return wert;
}

AttributErgebnis AttributNeu(const QString &wertText, const QString &nameMitFormat,
                             const AttributBuchstaben &wahl)
{
    AttributErgebnis e;
    const std::u32string text = wertText.toStdU32String();
    e.wert = AttributWertNeu(ZahlGeprueft(text, false).value_or(0), wahl);
#ifndef Q_OS_WIN
    const bool setztUnmoegliches = wahl.system == QLatin1Char('J') || wahl.archiv == QLatin1Char('J');
    const bool punktNameSichtbar =
        wahl.versteckt == QLatin1Char('N') && nameMitFormat.startsWith(QLatin1Char('.'));
    if (setztUnmoegliches || punktNameSichtbar)
        e.fehler = NichtMoeglichText();
#else
    Q_UNUSED(nameMitFormat)
#endif
    return e;
}

QString ZeitUngueltigText()
{
    return QStringLiteral("????????_??????.000_?");
}

QString ZeitVor1900Text()
{
    return QStringLiteral("????????_??????_???_?");
}

namespace {

constexpr qint64 MsJeTag = 86400000;

// Part of a time text: its characters read as a decimal number; a leading "-" makes it
// negative (so "-1" and "-001" are recognised as unusable), any other non-digit makes it
// unreadable. A blank part is no number either.
std::optional<int> Teil(const QString &text, int von, int laenge)
{
    if (text.size() < von - 1 + laenge)
        return std::nullopt;
    // Digits only, as every time text the program writes: read in place. Anything else goes
    // through toInt, whose rules decide the rest.
    int ziffern = 0;
    bool nurZiffern = laenge > 0;
    for (int i = von - 1; i < von - 1 + laenge && nurZiffern; ++i) {
        const char16_t c = text.at(i).unicode();
        nurZiffern = c >= u'0' && c <= u'9';
        ziffern = ziffern * 10 + (c - u'0');
    }
    if (nurZiffern && laenge <= 9)
        return ziffern;
    const QString teil = text.mid(von - 1, laenge);
    bool ok = false;
    const int wert = teil.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return wert;
}

} // namespace

std::optional<ZeitPunkt> ZeitPunktLesen(const QString &zeitText)
{
    const auto j = Teil(zeitText, 1, 4), mo = Teil(zeitText, 5, 2), t = Teil(zeitText, 7, 2);
    const auto h = Teil(zeitText, 10, 2), mi = Teil(zeitText, 12, 2), s = Teil(zeitText, 14, 2);
    const auto ms = Teil(zeitText, 17, 3);
    if (!j || !mo || !t || !h || !mi || !s || !ms)
        return std::nullopt;
    if (*j < 0 || *mo < 0 || *t < 0 || *h < 0 || *mi < 0 || *s < 0 || *ms < 0)
        return std::nullopt;
    if (!QDate::isValid(*j, *mo, *t) || !QTime::isValid(*h, *mi, *s, *ms))
        return std::nullopt;
    return ZeitPunkt{QDate(*j, *mo, *t), QTime(*h, *mi, *s, *ms)};
}

namespace {

// jahr gets the year of the date: reading it from the day number is the costly part.
QString zeitPunktText(const ZeitPunkt &zeit, int &jahr)
{
    const QDate &d = zeit.datum;
    const QTime &u = zeit.uhrzeit;
    int monat = 0, tag = 0;
    d.getDate(&jahr, &monat, &tag);
    if (jahr < 1900)
        return ZeitVor1900Text();
    if (jahr > 9999)
        return ZeitUngueltigText();
    // Written digit by digit: one text per row of a preview, no formatting machinery.
    char16_t zeichen[21];
    const auto ziffern = [&zeichen](int pos, int wert, int breite) {
        for (int i = breite - 1; i >= 0; --i) {
            zeichen[pos + i] = char16_t(u'0' + wert % 10);
            wert /= 10;
        }
    };
    ziffern(0, jahr, 4);
    ziffern(4, monat, 2);
    ziffern(6, tag, 2);
    zeichen[8] = u'_';
    ziffern(9, u.hour(), 2);
    ziffern(11, u.minute(), 2);
    ziffern(13, u.second(), 2);
    zeichen[15] = u'_';
    ziffern(16, u.msec(), 3);
    zeichen[19] = u'_';
    zeichen[20] = char16_t(u'0' + d.dayOfWeek());
    return QString(reinterpret_cast<const QChar *>(zeichen), 21);
}

} // namespace

QString ZeitPunktText(const ZeitPunkt &zeit)
{
    int jahr = 0;
    return zeitPunktText(zeit, jahr);
}

std::optional<ZeitPunkt> ZeitAddieren(const ZeitPunkt &zeit, int einheit, qint64 betrag)
{
    if (einheit == 1 || einheit == 2) {
        qint64 monate = 0;
        if (einheit == 1 && __builtin_mul_overflow(betrag, qint64(12), &monate))
            return std::nullopt;
        if (einheit == 2)
            monate = betrag;
        qint64 index = qint64(zeit.datum.year()) * 12 + (zeit.datum.month() - 1);
        if (__builtin_add_overflow(index, monate, &index))
            return std::nullopt;
        // Far beyond any time text; also keeps the year inside int.
        if (index < 0 || index > qint64(100000) * 12)
            return std::nullopt;
        const int jahr = int(index / 12);
        const int monat = int(index % 12) + 1;
        if (jahr == 0)
            return std::nullopt;
        const int tag = std::min(zeit.datum.day(), QDate(jahr, monat, 1).daysInMonth());
        return ZeitPunkt{QDate(jahr, monat, tag), zeit.uhrzeit};
    }

    static constexpr qint64 einheitMs[] = {0, 0, 0, MsJeTag, 3600000, 60000, 1000};
    if (einheit < 3 || einheit > 6)
        return std::nullopt;
    qint64 delta = 0;
    qint64 gesamt = 0;
    // Milliseconds since day 0 of the Julian count: exact, no floating day fractions.
    if (__builtin_mul_overflow(betrag, einheitMs[einheit], &delta) ||
        __builtin_mul_overflow(zeit.datum.toJulianDay(), MsJeTag, &gesamt) ||
        __builtin_add_overflow(gesamt, qint64(zeit.uhrzeit.msecsSinceStartOfDay()), &gesamt) ||
        __builtin_add_overflow(gesamt, delta, &gesamt))
        return std::nullopt;
    if (gesamt < 0)
        return std::nullopt;
    const QDate datum = QDate::fromJulianDay(gesamt / MsJeTag);
    if (!datum.isValid() || datum.year() > 100000)
        return std::nullopt;
    return ZeitPunkt{datum, QTime::fromMSecsSinceStartOfDay(int(gesamt % MsJeTag))};
}

QString ZeitErgaenzen(const QString &vorgabe, const QString &jetzt)
{
    QString zeit = vorgabe;
    const QLatin1Char leer(' ');
    if (zeit.size() >= 15 && zeit.at(13) == leer && zeit.at(14) == leer && jetzt.size() >= 19 &&
        zeit.size() >= 19)
        zeit.replace(16, 3, jetzt.mid(16, 3));
    for (int i = 0; i < 15 && i < zeit.size(); ++i)
        if (zeit.at(i) == leer && i < jetzt.size())
            zeit[i] = jetzt.at(i);
    return zeit;
}

QString ZeitErgebnisText(const std::optional<ZeitPunkt> &zeit)
{
    if (!zeit)
        return ZeitUngueltigText();
    int y = 0;
    QString text = zeitPunktText(*zeit, y);
    // A year the text shows in its first four digits needs no reading back.
    const qint64 jahr = y >= 1900 && y <= 9999 ? y : ZahlGeprueft(text.left(4).toStdU32String(), false).value_or(0);
    if (jahr < 1980 || jahr > 2200)
        text.replace(0, 4, QStringLiteral("????"));
    return text;
}

QString ZielZeit(int code, const EintragZeiten &zeiten)
{
    switch (code / 10) {
    case 12:
        return zeiten.herstellung;
    case 13:
        return zeiten.zugriff;
    default:
        return zeiten.aenderung;
    }
}

bool ZeitBetragPasst(int code, const ZeitRegelFelder &felder)
{
    return ZeitRegelLesen(code, felder).betragPasst;
}

ZeitRegelGelesen ZeitRegelLesen(int code, const ZeitRegelFelder &felder)
{
    ZeitRegelGelesen r;
    r.felder = felder;
    if (code % 10 == 1 || code % 10 == 3) {
        r.betrag = ZahlGeprueft(felder.betrag.toStdU32String(), true);
        r.betragPasst = r.betrag.has_value();
    }
    if (code % 10 == 1)
        r.festeZeit = ZeitPunktLesen(felder.zeitWert);
    return r;
}

QString ZeitNeu(int code, const ZeitRegelFelder &felder, const EintragZeiten &zeiten, qint64 zeile)
{
    return ZeitNeu(code, ZeitRegelLesen(code, felder), zeiten, zeile);
}

QString ZeitNeu(int code, const ZeitRegelGelesen &regel, const EintragZeiten &zeiten, qint64 zeile)
{
    const ZeitRegelFelder &felder = regel.felder;
    std::optional<ZeitPunkt> zeit;
    switch (code % 10) {
    case 1:
        zeit = regel.festeZeit;
        break;
    case 2:
        zeit = ZeitPunktLesen(ZeitErgaenzen(felder.zeitWert, ZielZeit(code, zeiten)));
        break;
    case 3:
        zeit = ZeitPunktLesen(ZielZeit(code, zeiten));
        break;
    case 4:
        zeit = ZeitPunktLesen(felder.quelle == QLatin1Char('A')   ? zeiten.aenderung
                              : felder.quelle == QLatin1Char('H') ? zeiten.herstellung
                                                                  : zeiten.zugriff);
        break;
    default:
        return ZeitUngueltigText();
    }

    if (zeit && (code % 10 == 1 || code % 10 == 3)) {
        // An amount beyond 64 bits leaves the calendar as surely as a product that does.
        const std::optional<qint64> &betrag = regel.betrag;
        qint64 gesamt = betrag.value_or(0);
        // Numbered times move by (r - 1) steps; a product beyond 64 bits leaves the calendar.
        if (!betrag || (code % 10 == 1 && __builtin_mul_overflow(zeile - 1, *betrag, &gesamt)))
            zeit.reset();
        else
            zeit = ZeitAddieren(*zeit, felder.einheit, gesamt);
    }
    return ZeitErgebnisText(zeit);
}

} // namespace rinolux
