#pragma once

#include "core/util/Ergebnis.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace rinolux {

// One-based array of texts: element 0 exists and stays empty.
using TextFeld = QStringList;

// Stored text: UTF-8, or Windows-1252 when the bytes are not valid UTF-8 (files of older
// versions). A leading UTF-8 BOM is dropped.
QString nxTextAusDatei(const QByteArray &bytes);
// Splits at CR LF or LF; a last line without line end counts, an empty text has no lines.
QStringList nxTextZeilenTeilen(const QString &text);

// Whole file anew through a save file (never half-written); each line + CR LF, UTF-8.
// Missing directories are created.
Ergebnis nxDateiTextSchreiben(const QString &pfad, const TextFeld &zeilen, int *geschrieben = nullptr);
Ergebnis nxDateiTextListeSchreiben(const QString &pfad, const QStringList &zeilen);
// An empty text writes an empty file unless leerSchreiben is set (then one empty line).
Ergebnis nxDateiTextZeileSchreiben(const QString &pfad, const QString &text, bool leerSchreiben);
// Bytes as they are, through a save file.
Ergebnis nxDateiBytesSchreiben(const QString &pfad, const QByteArray &bytes);

// The file's lines as a one-based array; nullopt when the file does not exist or cannot
// be read (fehler, when given, then tells why; empty for a missing file).
std::optional<TextFeld> nxDateiTextLesen(const QString &pfad, QString *fehler = nullptr);
// Line n (n >= 1), or empty when the file is shorter or missing.
QString nxDateiTextZeileLesen(const QString &pfad, int n);
// The whole file, empty when missing.
QByteArray nxDateiGanzLesen(const QString &pfad);
// Up to anzahl bytes from start (1-based; start < 1 counts as 1, anzahl 0 as 1).
QByteArray nxDateiBytesLesen(const QString &pfad, qint64 start, qint64 anzahl);

} // namespace rinolux
