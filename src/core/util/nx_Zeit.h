#pragma once

// Time texts and the conversions around them.
//
// How to call:
//   - A time text has 21 characters, YYYYMMDD_HHMMSS_mmm_W, in local time, W the ISO
//     weekday (1 Monday .. 7 Sunday); byte order is time order. Years before 1900 give
//     kZeitTextUngueltig.
//   - Readers return std::nullopt for a text that is no valid time (never a silent 0).
//
//     QString t = nxDateiZeitZuText(DateiZeit{st.st_mtim.tv_sec, st.st_mtim.tv_nsec});
//     if (auto z = nxTextZuDateiZeit(t)) ... z->sekunden, z->nanosekunden   // for utimensat
//     if (auto d = nxDatumAusZeitText(t)) ... d->addMonths(1)               // QDateTime, local
//     QString alter = nxZeitAbstand(*nxZeitAusText(t));                     // "vor 3 Tagen"

#include <QDateTime>
#include <QString>

#include <optional>

namespace rinolux {

inline const QString kZeitTextUngueltig = QStringLiteral("????????_??????_???_?");

// A file time as the system keeps it: UTC, seconds and nanoseconds since 1970-01-01
// (the fields of struct timespec).
struct DateiZeit final
{
    qint64 sekunden = 0;
    qint64 nanosekunden = 0; // 0 .. 999,999,999

    friend bool operator==(const DateiZeit &, const DateiZeit &) = default;
};

// Date-time value: days since 30 December 1899 (local time), the fraction the time of day.
using DatumWert = double;

QString nxZeitText(DatumWert wert);
std::optional<DatumWert> nxZeitAusText(const QString &text);

// Local QDateTime <-> time text, milliseconds exact.
QString nxZeitTextAusDatum(const QDateTime &zeit);
std::optional<QDateTime> nxDatumAusZeitText(const QString &text);
DatumWert nxDatumWert(const QDateTime &zeit);
QDateTime nxDatumAusWert(DatumWert wert);

// File time (UTC) -> time text in local time, and back. Milliseconds are kept, finer
// parts cut off. A time text carries no UTC offset: in the hour that repeats when daylight
// saving time ends, the way back takes the later of the two; a local time that the change
// to daylight saving time skips has no file time (nullopt).
QString nxDateiZeitZuText(DateiZeit zeit);
// The same 21 ASCII characters written into ziel, for callers that keep them in place.
void nxDateiZeitZuZeichen(DateiZeit zeit, char (&ziel)[21]);
std::optional<DateiZeit> nxTextZuDateiZeit(const QString &text);

// "vor 3 Tagen", "in 1 Monaten": the age of a value relative to now (or to jetzt).
QString nxZeitAbstand(DatumWert wert);
QString nxZeitAbstand(DatumWert wert, DatumWert jetzt);

} // namespace rinolux
