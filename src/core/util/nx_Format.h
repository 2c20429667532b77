#pragma once

// Numbers, sizes, attributes and weekdays as the system shows them.
//
// How to call:
//     nxZahlText(1234567)          -> "1.234.567"   (counts in questions, summaries, status)
//     nxZahlGruppieren("-1234")     -> "-1.234"
//     nxZahlKommaText(1234.5, 2)    -> "1.234,50"    (separators of the default locale)
//     nxZahlNullen(10, 1)           -> "0000000001"
//     nxGroesseText(1025)           -> "1 KB"
//     nxAttributName(u'h')          -> "verHeimlicht"
//     nxWochentag(1)                -> "Montag"

#include "core/util/nx_DateiText.h"

#include <QString>

namespace rinolux {

QString nxZahlText(qint64 zahl);
// Digits with an optional leading "-"; "." after every group of three from the right.
QString nxZahlGruppieren(const QString &ziffern);
QString nxZahlKommaText(double zahl, int nachkommastellen);
// Zero-padded to breite characters; a negative number keeps its "-" in front and never
// loses a digit ("-0012" for breite 5, "-12345" for breite 3).
QString nxZahlNullen(int breite, qint64 zahl);

// "1024 B", "1 KB", "1024 KB", "1 MB", "1024 MB", "1 GB"; whole units, truncated.
QString nxGroesseText(qint64 bytes);

// A, C, H, R, S (either case) -> "Archiv", "Comprimiert", "verHeimlicht", "schReibschutz",
// "System"; empty for other letters.
QString nxAttributName(QChar buchstabe);
QString nxJaNein(bool wert);
// 1 Montag .. 7 Sonntag, "?" otherwise.
QString nxWochentag(int tag);
// Entries 1..n of a one-based array joined with CR LF.
QString nxZeilenVerbinden(const TextFeld &feld);

} // namespace rinolux
