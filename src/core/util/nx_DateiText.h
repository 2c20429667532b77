#pragma once

#include "core/util/Ergebnis.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

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

// Largest file the readers take unless told otherwise: the stored files of this program are
// far smaller, and a bigger one would only fill the memory.
inline constexpr qint64 DateiLeseGrenze = qint64(64) * 1024 * 1024;

// The whole file, read only when it is a regular file (a FIFO would wait for a writer and a
// device such as /dev/zero never ends) of at most grenze bytes. Fails with a German reason;
// a missing file fails with the error number ENOENT, so callers can tell it apart.
ErgebnisWert<QByteArray> nxDateiBytesGanzLesen(const QString &pfad, qint64 grenze = DateiLeseGrenze);
// The file's lines as a one-based array, read as nxDateiBytesGanzLesen reads.
ErgebnisWert<TextFeld> nxDateiTextLesen(const QString &pfad, qint64 grenze = DateiLeseGrenze);
// Line n (n >= 1), or empty when the file is shorter, missing or cannot be read.
QString nxDateiTextZeileLesen(const QString &pfad, int n);
// The whole file, empty when it is missing or cannot be read.
QByteArray nxDateiGanzLesen(const QString &pfad);
// Up to anzahl bytes from start (1-based; start < 1 counts as 1, anzahl 0 as 1); empty when
// the file is missing or no regular file.
QByteArray nxDateiBytesLesen(const QString &pfad, qint64 start, qint64 anzahl);

} // namespace rinolux
