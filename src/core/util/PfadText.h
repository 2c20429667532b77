#pragma once

// Path texts without any disk access: the one place that splits, joins and compares
// "/" paths for both the platform layer and the path utilities above it.
//
// How to call it:
//   pfadOhneEnde(u"/a/b/"_s)                 // "/a/b" (the root stays "/")
//   pfadEltern(u"/a/b"_s), pfadName(u"/a/b"_s)  // "/a", "b"
//   pfadLiegtIn(u"/a/bc"_s, u"/a/b"_s)       // false: whole components only

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

} // namespace rinolux
