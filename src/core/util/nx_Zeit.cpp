#include "core/util/nx_Zeit.h"

#include <cstring>
#include <unistd.h>

#include <QDate>
#include <QTime>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <limits>
#include <string>

namespace rinolux {

namespace {

constexpr qint64 kMsProTag = 86400000;

QDate nullTag()
{
    return QDate(1899, 12, 30);
}

// Day and milliseconds of the day of a value; false when the value is no time at all.
bool zerlegen(DatumWert wert, QDate &tag, QTime &zeit)
{
    if (!std::isfinite(wert) || std::fabs(wert) > 1e8)
        return false;
    double ganz = std::trunc(wert);
    // The fraction is the time of day also for values before the zero day (-1.25 is
    // 29 December 1899, 06:00).
    qint64 ms = std::llround(std::fabs(wert - ganz) * double(kMsProTag));
    if (ms >= kMsProTag) {
        ms -= kMsProTag;
        ganz += 1; // the next calendar day, also in the negative encoding
    }
    tag = nullTag().addDays(qint64(ganz));
    zeit = QTime::fromMSecsSinceStartOfDay(int(ms));
    return tag.isValid() && zeit.isValid();
}

QString textAus(const QDate &tag, const QTime &zeit)
{
    if (!tag.isValid() || !zeit.isValid() || tag.year() < 1900 || tag.year() > 9999)
        return kZeitTextUngueltig;
    return QString::asprintf("%04d%02d%02d_%02d%02d%02d_%03d_%d", tag.year(), tag.month(), tag.day(), zeit.hour(),
                             zeit.minute(), zeit.second(), zeit.msec(), tag.dayOfWeek());
}

// A field of digits only; -1 otherwise.
int feld(const QString &text, qsizetype von, qsizetype laenge)
{
    int wert = 0;
    for (qsizetype i = von; i < von + laenge; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        wert = wert * 10 + (c - u'0');
    }
    return wert;
}

// Date and time fields of a time text. The weekday digit is not checked: it follows from
// the date. A field that is not made of digits makes the whole text unreadable.
bool lesen(const QString &text, QDate &tag, QTime &zeit)
{
    if (text.size() < 19 || text.at(8) != u'_' || text.at(15) != u'_')
        return false;
    const int j = feld(text, 0, 4), mo = feld(text, 4, 2), d = feld(text, 6, 2);
    const int h = feld(text, 9, 2), mi = feld(text, 11, 2), s = feld(text, 13, 2), ms = feld(text, 16, 3);
    if (j < 0 || mo < 0 || d < 0 || h < 0 || mi < 0 || s < 0 || ms < 0)
        return false;
    tag = QDate(j, mo, d);
    zeit = QTime(h, mi, s, ms);
    return tag.isValid() && zeit.isValid();
}

DatumWert wertAus(const QDate &tag, const QTime &zeit)
{
    const qint64 tage = nullTag().daysTo(tag);
    const double bruch = double(zeit.msecsSinceStartOfDay()) / double(kMsProTag);
    return tage >= 0 ? double(tage) + bruch : double(tage) - bruch;
}

} // namespace

DatumWert nxDatumWert(const QDateTime &zeit)
{
    return wertAus(zeit.date(), zeit.time());
}

QDateTime nxDatumAusWert(DatumWert wert)
{
    QDate tag;
    QTime zeit;
    if (!zerlegen(wert, tag, zeit))
        return QDateTime();
    return QDateTime(tag, zeit, Qt::LocalTime);
}

QString nxZeitText(DatumWert wert)
{
    QDate tag;
    QTime zeit;
    if (!zerlegen(wert, tag, zeit))
        return kZeitTextUngueltig;
    return textAus(tag, zeit);
}

std::optional<DatumWert> nxZeitAusText(const QString &text)
{
    QDate tag;
    QTime zeit;
    if (!lesen(text, tag, zeit))
        return std::nullopt;
    // From the fields themselves: a local time that daylight saving skips is still a value.
    return wertAus(tag, zeit);
}

QString nxZeitTextAusDatum(const QDateTime &zeit)
{
    if (!zeit.isValid())
        return kZeitTextUngueltig;
    const QDateTime lokal = zeit.toLocalTime();
    return textAus(lokal.date(), lokal.time());
}

std::optional<QDateTime> nxDatumAusZeitText(const QString &text)
{
    QDate tag;
    QTime zeit;
    if (!lesen(text, tag, zeit))
        return std::nullopt;
    const QDateTime d(tag, zeit, Qt::LocalTime);
    if (!d.isValid())
        return std::nullopt;
    return d;
}

namespace {

// Whether the environment may hold another TZ than at the last look, in a few loads instead
// of getenv's walk over every variable. setenv, putenv and unsetenv either move the array,
// write a new pointer into TZ's slot, append behind the last entry or shift the entries
// down over the removed one: each shows in one of the remembered pointers.
bool umgebungGeaendert()
{
    thread_local char **array = nullptr;
    thread_local qsizetype anzahl = -1;
    thread_local const char *letzter = nullptr;
    thread_local qsizetype tzStelle = -1;
    thread_local const char *tzEintrag = nullptr;
    char **const jetzt = environ;
    if (jetzt != nullptr && jetzt == array && anzahl >= 0 && jetzt[anzahl] == nullptr
        && (anzahl == 0 || jetzt[anzahl - 1] == letzter) && (tzStelle < 0 || jetzt[tzStelle] == tzEintrag))
        return false;
    array = jetzt;
    anzahl = 0;
    tzStelle = -1;
    tzEintrag = nullptr;
    letzter = nullptr;
    if (jetzt != nullptr) {
        while (jetzt[anzahl] != nullptr) {
            if (std::strncmp(jetzt[anzahl], "TZ=", 3) == 0) {
                tzStelle = anzahl;
                tzEintrag = jetzt[anzahl];
            }
            ++anzahl;
        }
        letzter = anzahl > 0 ? jetzt[anzahl - 1] : nullptr;
    }
    return true;
}

} // namespace

QString nxDateiZeitZuText(DateiZeit zeit)
{
    char puffer[21];
    nxDateiZeitZuZeichen(zeit, puffer);
    return QString::fromLatin1(puffer, 21);
}

void nxDateiZeitZuZeichen(DateiZeit zeit, char (&puffer)[21])
{
    const auto alsZeichen = [&puffer](const QString &text) {
        for (int i = 0; i < 21; ++i)
            puffer[i] = i < text.size() && text.at(i).unicode() < 128 ? char(text.at(i).unicode()) : '?';
    };
    qint64 sek = zeit.sekunden + zeit.nanosekunden / 1000000000;
    qint64 ns = zeit.nanosekunden % 1000000000;
    if (ns < 0) {
        ns += 1000000000;
        --sek;
    }
    // Far beyond any calendar the text can show: keep the conversions below from overflowing.
    constexpr qint64 grenze = std::numeric_limits<qint64>::max() / 1000 - 1;
    if (sek > grenze || sek < -grenze)
        return alsZeichen(kZeitTextUngueltig);
    // A listing converts three times per entry: localtime_r after one tzset per change of
    // TZ, instead of QDateTime, which re-reads the zone file for every conversion. Per
    // thread, since a search converts on several threads at once.
    // The three times of an entry, and entries made together, mostly fall in one second: the
    // broken-down time of the last second is kept.
    thread_local std::string letzteZone;
    thread_local bool zoneGesetzt = false;
    thread_local qint64 letzteSekunde = 0;
    thread_local bool sekundeGueltig = false;
    thread_local struct tm letzteTm = {};
    // Date and time of day as digits, written when letzteTm is: the same second reuses them.
    thread_local char letzterTag[15];
    thread_local bool tagFehlt = true;
    if (!zoneGesetzt || umgebungGeaendert()) {
        const char *zone = ::getenv("TZ"); // NOLINT(concurrency-mt-unsafe): TZ is only set before work starts
        if (!zoneGesetzt || letzteZone != (zone ? zone : "")) {
            ::tzset();
            letzteZone = zone ? zone : "";
            sekundeGueltig = false;
        }
        zoneGesetzt = true;
    }
    const time_t t = static_cast<time_t>(sek);
    if (!sekundeGueltig || letzteSekunde != sek) {
        struct tm tm = {};
        if (static_cast<qint64>(t) != sek || ::localtime_r(&t, &tm) == nullptr)
            return alsZeichen(nxZeitTextAusDatum(QDateTime::fromMSecsSinceEpoch(sek * 1000 + ns / 1000000, Qt::UTC)));
        letzteTm = tm;
        letzteSekunde = sek;
        sekundeGueltig = true;
        tagFehlt = true;
    }
    const struct tm &tm = letzteTm;
    const int jahr = tm.tm_year + 1900;
    if (jahr < 1900 || jahr > 9999)
        return alsZeichen(kZeitTextUngueltig);
    const auto ziffern = [&puffer](int pos, int wert, int breite) {
        for (int i = breite - 1; i >= 0; --i) {
            puffer[pos + i] = char('0' + wert % 10);
            wert /= 10;
        }
    };
    if (tagFehlt) {
        ziffern(0, jahr, 4);
        ziffern(4, tm.tm_mon + 1, 2);
        ziffern(6, tm.tm_mday, 2);
        puffer[8] = '_';
        ziffern(9, tm.tm_hour, 2);
        ziffern(11, tm.tm_min, 2);
        ziffern(13, std::min(tm.tm_sec, 59), 2);
        std::memcpy(letzterTag, puffer, sizeof letzterTag);
        tagFehlt = false;
    } else {
        std::memcpy(puffer, letzterTag, sizeof letzterTag);
    }
    puffer[15] = '_';
    ziffern(16, int(ns / 1000000), 3);
    puffer[19] = '_';
    puffer[20] = char('0' + (tm.tm_wday == 0 ? 7 : tm.tm_wday)); // Monday 1 .. Sunday 7
}

std::optional<DateiZeit> nxTextZuDateiZeit(const QString &text)
{
    const std::optional<QDateTime> d = nxDatumAusZeitText(text);
    if (!d)
        return std::nullopt;
    const qint64 ms = d->toMSecsSinceEpoch();
    qint64 sek = ms / 1000;
    qint64 rest = ms % 1000;
    if (rest < 0) {
        rest += 1000;
        --sek;
    }
    return DateiZeit{sek, rest * 1000000};
}

QString nxZeitAbstand(DatumWert wert)
{
    return nxZeitAbstand(wert, nxDatumWert(QDateTime::currentDateTime()));
}

QString nxZeitAbstand(DatumWert wert, DatumWert jetzt)
{
    double d = jetzt - wert;
    const QString vorsilbe = d >= 0 ? QStringLiteral("vor") : QStringLiteral("in");
    d = std::fabs(d);
    double zahl;
    QString einheit;
    if (d > 365) {
        zahl = d / 365;
        einheit = QStringLiteral("Jahren");
    } else if (d > 31) {
        zahl = d / 31;
        einheit = QStringLiteral("Monaten");
    } else if (d > 1) {
        zahl = d;
        einheit = QStringLiteral("Tagen");
    } else if (d > 1.0 / 24) {
        zahl = d * 24;
        einheit = QStringLiteral("Stunden");
    } else if (d <= 1.0 / 1440) {
        zahl = d * 86400;
        einheit = QStringLiteral("Sekunden");
    } else {
        zahl = d * 1440;
        einheit = QStringLiteral("Minuten");
    }
    const qint64 ganz = std::isfinite(zahl) && zahl < 9e18 ? qint64(zahl) : 0;
    return vorsilbe + u' ' + QString::number(ganz) + u' ' + einheit;
}

} // namespace rinolux
