#pragma once

// Paths ("Adresse" = full path) as the rest of the program uses them: "/" paths, a
// directory path ends with exactly one "/", a name splits at its last dot into name and
// format. Callers join a directory and a name by plain concatenation.
//
// How to call it:
//   auto t = nxAdresseZerlegen(u"/a/b.c/datei.tar.gz"_s);   // "/a/b.c/", "datei.tar", ".", "gz"
//   nxAdresseIstVerzeichnis(pfad), nxAdresseIstDatei(pfad)    // lstat: a link is a file object
//   nxAdresseVorhanden(u'o', dir + u"*"_s)                      // does dir hold any entry?
//   QStringList pfade;                                          // one-based results
//   nxAdresseSuchen(u'd', start, {u"*.txt"_s}, {}, true, KeineGrenze, false, nullptr, &pfade);
// Lists returned here are one-based: element 0 exists and is empty.
// For a listing with sizes, attributes and times use plattform::verzeichnisLesen
// (core/platform/Plattform.h); everything here that changes the disk goes through it too.

#include "core/platform/Plattform.h"
#include "core/util/Ergebnis.h"

#include <QString>
#include <QStringList>

#include <limits>

namespace rinolux {

// The eight characters that are not allowed in names, in this order.
inline const QString AdresseVerboteneZeichen = QStringLiteral("/:\"<>|?*");

struct AdresseTeile
{
    QString verzeichnis; // up to and including the last "/", or empty
    QString name;        // up to the last dot of the rest
    QString punkt;       // "." or empty
    QString format;      // after that dot
};

AdresseTeile nxAdresseZerlegen(const QString &pfad);
QString nxAdresseVerzeichnis(const QString &pfad);
QString nxAdresseNameFormat(const QString &pfad);
QString nxAdresseName(const QString &pfad);
QString nxAdresseFormat(const QString &pfad);
void nxAdresseVerzeichnisUndNameFormat(const QString &pfad, QString &verzeichnis, QString &nameFormat);
// "/" for an absolute path, empty for a relative one.
QString nxAdresseLaufwerk(const QString &pfad);
// All trailing "/" removed ("/" itself becomes empty, like a bare drive).
QString nxAdresseOhneEndStrich(const QString &pfad);
// All trailing "/" removed and exactly one appended.
QString nxAdresseMitEndStrich(const QString &pfad);
QString nxAdresseOhneVerboteneZeichen(const QString &text, bool auchRueckStrich);
// Whether two paths name the same object by their text: exact on Linux ("A.txt" and
// "a.txt" are two files). Ordering stays case-insensitive elsewhere. See pfadGleich and,
// for "lies inside", pfadLiegtIn (core/util/PfadText.h).
bool nxAdresseGleich(const QString &a, const QString &b);

// Kind letters: u'o' file or directory, u'v' directory, u'd' file (anything that is not a
// directory, a symbolic link included). A path ending in "*" is a pattern over its
// directory. A relative path, or one holding "/./" or "/../", is never a directory.
bool nxAdresseVorhanden(QChar art, const QString &pfad);
bool nxAdresseIstVorhanden(const QString &pfad);
bool nxAdresseIstVerzeichnis(const QString &pfad);
bool nxAdresseIstDatei(const QString &pfad);
// True when the object exists and cannot be renamed (see plattform::blockiert).
bool nxAdresseBlockiert(const QString &pfad);
// No short names exist on Linux: the path comes back unchanged.
QString nxAdresseLang(const QString &pfad);
// Each component in the spelling the file system stores: an exact match stays, else the
// only entry that matches ignoring letter case. A trailing "/" comes back as one.
QString nxAdresseSchreibweise(const QString &pfad);
QString nxAdresseVorhandenesVerzeichnis(const QString &pfad);
qint64 nxAdresseDateiGroesse(const QString &pfad);

// Creates the directory with all missing parents; when that fails, removes again the
// levels it created. A relative path fails without touching anything.
Ergebnis nxAdresseVerzeichnisHerstellen(const QString &pfad);
// Creates the file's directory, then a new empty file. An existing file is never
// truncated: the call fails with EEXIST.
Ergebnis nxAdresseLeereDateiHerstellen(const QString &pfad);
// Into the trash (papierkorb) or for ever; a directory with all its contents.
Ergebnis nxAdresseLoeschen(const QString &pfad, bool papierkorb);

using LeereVErgebnis = plattform::LeereVErgebnis;
// Deletes the empty subdirectories below start, innermost first, with rmdir only; never
// follows symbolic links; a directory that cannot be listed or whose walk was cancelled
// counts as not empty. start itself stays. Lets pending events run between entries and
// stops when *abbruch becomes true.
LeereVErgebnis nxAdresseLoeschenLeereV(const QString &start, const bool *abbruch = nullptr);

// Copies a file or a directory tree to exactly ziel, creating ziel's parent first.
// An existing target is overwritten only with ueberschreiben.
Ergebnis nxAdresseKopieren(const QString &quelle, const QString &ziel, bool ueberschreiben = false);

// Time letters: u'a' last write, u'h' creation (not possible on Linux), u'z' last access.
Ergebnis nxAdresseZeitSetzen(const QString &pfad, QChar buchstabe, const plattform::DateiZeit &zeit);
Ergebnis nxAdresseAenderungsZeitSetzen(const QString &pfad, const plattform::DateiZeit &zeit);
Ergebnis nxAdresseHerstellungsZeitSetzen(const QString &pfad, const plattform::DateiZeit &zeit);
Ergebnis nxAdresseZugriffsZeitSetzen(const QString &pfad, const plattform::DateiZeit &zeit);

inline constexpr qint64 KeineGrenze = std::numeric_limits<qint64>::max();

// Recursive listing. art: u'd' files (everything not a directory), u'v' directories.
// Masks are compared lower-cased; no include mask means "*". Entries of a directory come
// before those of its subdirectories; linked directories are listed, never entered.
// Stops at maxAnzahl or when *abbruch is set (what was found so far is kept). Fills the
// one-based lists that are given (full paths, directories with "/", names).
// Returns false when the start directory could not be listed.
bool nxAdresseSuchen(QChar art, const QString &start, const QStringList &mitMasken, const QStringList &ohneMasken,
                     bool rekursiv, qint64 maxAnzahl, bool nachrichten, const bool *abbruch, QStringList *pfade,
                     QStringList *verzeichnisse = nullptr, QStringList *namen = nullptr);
bool nxAdresseVerzeichnisseSuchen(const QString &start, const QStringList &mitMasken, const QStringList &ohneMasken,
                                  bool rekursiv, qint64 maxAnzahl, bool nachrichten, const bool *abbruch,
                                  QStringList *pfade, QStringList *verzeichnisse = nullptr,
                                  QStringList *namen = nullptr);
bool nxAdresseDateienSuchen(const QString &start, const QStringList &mitMasken, const QStringList &ohneMasken,
                            bool rekursiv, qint64 maxAnzahl, bool nachrichten, const bool *abbruch, QStringList *pfade,
                            QStringList *verzeichnisse = nullptr, QStringList *namen = nullptr);

// Whole name against whole mask, case-sensitive ("?" one character, "*" any run; the dot
// is an ordinary character, so "*.*" needs a dot). Callers lower-case both sides.
bool nxAdressePasstZuMaske(QStringView name, QStringView maske);

} // namespace rinolux
