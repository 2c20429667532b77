#pragma once

// Path texts without any disk access: the one place that splits, joins and compares
// "/" paths for both the platform layer and the path utilities above it.
//
// How to call it:
//   pfadOhneEnde(u"/a/b/"_s)                 // "/a/b" (the root stays "/")
//   pfadEltern(u"/a/b"_s), pfadName(u"/a/b"_s)  // "/a", "b"
//   pfadLiegtIn(u"/a/bc"_s, u"/a/b"_s)       // false: whole components only

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace rinolux {

// Trailing "/" removed; the root stays "/".
QString pfadOhneEnde(const QString &pfad);
// The directory part of a path without trailing "/": "/" for "/a", "." for a bare name.
QString pfadEltern(const QString &ohneEndePfad);
// The last component of a path without trailing "/".
QString pfadName(const QString &ohneEndePfad);

// Whether two paths name the same object by their text: exact, letter case included
// ("A.txt" and "a.txt" are two objects); a trailing "/" does not count.
bool pfadGleich(const QString &a, const QString &b);
// Whether innen is aussen itself or lies below it, by whole components ("/a/bc" does not
// lie in "/a/b"), compared exactly as pfadGleich does.
bool pfadLiegtIn(const QString &innen, const QString &aussen);

// Whether some component of the path is "." or "..".
bool pfadHatPunktTeil(QStringView pfad);
// Absolute and tidied: no empty, "." or ".." component (one trailing "/" is allowed).
bool pfadAufgeraeumt(QStringView pfad);

// A name or path from the file system as text, and back, without loss: each byte that is
// not part of valid UTF-8 becomes a lone surrogate U+DC80..U+DCFF and encodes back to the
// same byte, so no two names on disk ever read as one text. Every path conversion of the
// platform layer goes through these two.
QString nameAusBytes(QByteArrayView bytes);
// The same into ziel, whose room is used again while nothing else shares it.
void nameAusBytesSetzen(QByteArrayView bytes, QString &ziel);
QByteArray nameZuBytes(QStringView text);
// Whether the text holds such a stand-in for an undecodable byte.
bool nameHatFremdeBytes(QStringView text);
// The text for display: each stand-in shown as "\xFF" (its byte in hex), the rest as it is.
QString nameAnzeige(const QString &text);

// UTF-8 that also carries lone surrogates (as their three-byte form), for texts kept as
// UTF-8 in memory: the same bytes as QString::toUtf8 for every text without them.
QByteArray utf8MitEinzelnen(QStringView text);
// The same into ziel, whose room is used again: no allocation per text in a loop.
void utf8MitEinzelnenSetzen(QStringView text, QByteArray &ziel);
// UTF-8 of a text without surrogates, written from ziel on (room for three bytes per unit
// needed); the end of what it wrote, or nullptr when the text holds a surrogate, whose
// encoding the caller decides. Without surrogates every encoder writes these same bytes.
char *utf8OhneSurrogate(QStringView text, char *ziel);
QString ausUtf8MitEinzelnen(QByteArrayView utf8);
// The same into ziel, whose room is used again while nothing else shares it.
void ausUtf8MitEinzelnenSetzen(QByteArrayView utf8, QString &ziel);
// The length of utf8MitEinzelnen(text) without making it, for reserving room exactly.
qsizetype utf8MitEinzelnenLaenge(QStringView text);
// Whether utf8MitEinzelnen(text) == utf8, mostly without encoding; puffer is scratch room.
bool gleichWieUtf8MitEinzelnen(QStringView text, QByteArrayView utf8, QByteArray &puffer);

} // namespace rinolux
