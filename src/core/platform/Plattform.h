#pragma once

// Every file-system and system call of the program goes through this header; callers
// never use POSIX or QFile directly for changes on disk. Paths are absolute "/" paths
// (a trailing "/" on a directory is allowed). Every call that changes something returns
// an Ergebnis: Ok only when it really happened, Fehler with errno and text, or
// NichtMoeglich ("auf diesem System nicht möglich").
//
// How to call it:
//   - Listing one directory with everything a selection entry needs:
//       plattform::Eintrag e;  // reused, see verzeichnisLesen
//       plattform::verzeichnisLesen(dir, plattform::Details::Alle,
//           [&](const plattform::Eintrag &e) { ...; return true; });   // false stops
//     With Details::Keine only name and art are filled (no per-entry stat where the
//     directory already tells the kind): use that for walks that only need names.
//   - One object: auto e = plattform::objektLesen(pfad); if (e) use(e->groesse);
//   - Renaming (never replaces): plattform::umbenennen(alt, neu).
//   - Attributes as the system's bit values (AttrNurLesen | AttrVersteckt ...):
//     plattform::attributeSetzen(pfad, wert); system, archive and compressed give
//     NichtMoeglich, the directory bit is ignored.
//   - Times: plattform::zeitSetzen(pfad, u'a' | u'z' | u'h', zeit) ('h' is NichtMoeglich).
//   - New objects, never over an existing one: verzeichnisAnlegen, leereDateiAnlegen,
//     neuKopieren, dateiTeilKopieren (one part of a file), dateienVerbinden.
//   - inPapierkorb, fuerImmerLoeschen, kopieren, verschieben, blockiert, platz,
//     laufwerke, netzLaufwerke, oeffnen, oeffnenMit, eigenschaftenZeigen.
// Symbolic links are objects of their own: they are listed as ObjektArt::Link, never
// followed by walks, copied as links, and deleting one never touches its target.

#include "core/util/Ergebnis.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>

namespace rinolux::plattform {

// Attribute bits as the system stores them in cells and files.
inline constexpr quint32 AttrNurLesen = 1;
inline constexpr quint32 AttrVersteckt = 2;
inline constexpr quint32 AttrSystem = 4;
inline constexpr quint32 AttrVerzeichnis = 16;
inline constexpr quint32 AttrArchiv = 32;
inline constexpr quint32 AttrKomprimiert = 2048;

enum class ObjektArt : quint8 { Datei, Verzeichnis, Link, Sonstiges };

// A file time with nanoseconds since 1970-01-01 UTC. gueltig is false where the file
// system keeps no such time (birth time on some file systems).
struct DateiZeit
{
    qint64 sekunden = 0;
    qint32 nanosekunden = 0;
    bool gueltig = false;

    QDateTime alsDateTime() const; // local time, milliseconds; invalid when !gueltig
    static DateiZeit aus(const QDateTime &zeit);
    friend bool operator==(const DateiZeit &, const DateiZeit &) = default;
};

// Which object a name reached when it was read: device and inode. Two objects that are
// not the same never share both while they exist.
struct Identitaet
{
    quint64 geraet = 0;
    quint64 inode = 0;
    bool gueltig() const { return inode != 0; }
    friend bool operator==(const Identitaet &, const Identitaet &) = default;
};

struct Eintrag
{
    QString name;             // as the file system spells it
    ObjektArt art = ObjektArt::Sonstiges;
    qint64 groesse = 0;       // bytes (a directory: what the file system reports)
    quint32 attribute = 0;    // AttrNurLesen | AttrVersteckt | AttrVerzeichnis
    DateiZeit herstellung;    // birth time, may be invalid
    DateiZeit aenderung;
    DateiZeit zugriff;
    Identitaet identitaet;    // filled by every listing and objektLesen

    bool istVerzeichnis() const { return art == ObjektArt::Verzeichnis; }
};

enum class Details { Keine, Alle };

// Calls jeEintrag for every entry of the directory except "." and ".." in the order the
// file system returns them. The Eintrag passed is reused between calls: copy what you
// keep. jeEintrag returns false to stop early. An entry that vanishes between reading
// the directory and looking at it is left out. Fails only when the directory itself
// cannot be opened or read.
Ergebnis verzeichnisLesen(const QString &verzeichnis, Details details,
                          const std::function<bool(const Eintrag &)> &jeEintrag);
// The same with each name as the bytes the file system holds (valid during the call) and
// e.name left empty: for a listing that keeps names as bytes, so none is decoded.
Ergebnis verzeichnisLesenNativ(const QString &verzeichnis, Details details,
                               const std::function<bool(const Eintrag &, QByteArrayView name)> &jeEintrag);

// What a selective listing wants of one entry, decided from its name and kind alone.
enum class Vorauswahl { Weglassen, Lesen, Anhalten };
// The listing of verzeichnisLesen with Details::Alle for only the entries vorab asks for:
// vorab sees every entry with name and art filled (from the directory where it tells the
// kind) and returns Lesen to get it to jeEintrag with all details, Weglassen to pass it
// by, Anhalten to stop. The ".hidden" list is read at most once, and only entries asked
// for cost a stat, so a walk that keeps a few names of a large directory stays cheap.
Ergebnis verzeichnisAuswahlLesen(const QString &verzeichnis, const std::function<Vorauswahl(const Eintrag &)> &vorab,
                                 const std::function<bool(const Eintrag &)> &jeEintrag);

// Everything about one object without following a final symbolic link.
ErgebnisWert<Eintrag> objektLesen(const QString &pfad);

// True when the object exists (lstat: a dangling link exists too).
bool vorhanden(const QString &pfad);
enum class Verweis { NichtFolgen, Folgen };
// The object's kind; with Verweis::Folgen that of a final link's target.
ErgebnisWert<ObjektArt> art(const QString &pfad, Verweis verweis = Verweis::NichtFolgen);

// Same device and inode: two names of one object (exact identity, never letter case).
bool gleichesObjekt(const QString &a, const QString &b);

// Renames without ever replacing an existing object. A case-only change of one object on
// a case-insensitive mount is allowed. The name's ".hidden" entry moves along.
Ergebnis umbenennen(const QString &alt, const QString &neu);

Ergebnis attributeSetzen(const QString &pfad, quint32 attribute);

// 'a' last write, 'z' last access, 'h' creation (not settable on Linux).
Ergebnis zeitSetzen(const QString &pfad, QChar buchstabe, const DateiZeit &zeit);

// One new directory (fails with EEXIST on any existing name), one empty directory
// removed, one new empty file (never truncates an existing one: EEXIST).
Ergebnis verzeichnisAnlegen(const QString &pfad);
Ergebnis leeresVerzeichnisEntfernen(const QString &pfad);
Ergebnis leereDateiAnlegen(const QString &pfad);

// Progress of one call that writes file data: called now and then with the bytes written
// so far by that call. Returning false cancels: the call then fails with ECANCELED and
// removes what it created. An empty function watches nothing.
using DatenFortschritt = std::function<bool(qint64 geschrieben)>;

// One object under a new name, never over an existing one (EEXIST, nothing touched): a
// file with its content, permissions and times, a link as a link, a directory as a new
// empty directory (its contents are not copied). A failed or cancelled copy leaves
// nothing behind.
Ergebnis neuKopieren(const QString &quelle, const QString &ziel, const DatenFortschritt &fort = {});

// Bytes [von, von + laenge) of the file quelle into the new file ziel (created
// exclusively). Fails, and removes ziel, when quelle cannot be opened or read, is no
// regular file, or holds fewer bytes. quelle is opened also for laenge 0, so a source
// that cannot be read never yields an empty part.
Ergebnis dateiTeilKopieren(const QString &quelle, qint64 von, qint64 laenge, const QString &ziel,
                           const DatenFortschritt &fort = {});

// The files quellen, appended in their order, into the new file ziel (created
// exclusively). Any failure (a source that cannot be read or is no regular file, a write
// error, a cancel) removes ziel again; *fehlendeQuelle (may be null) is then the index in
// quellen of the source that failed, -1 when it was the target.
Ergebnis dateienVerbinden(const QStringList &quellen, const QString &ziel, const DatenFortschritt &fort = {},
                          int *fehlendeQuelle = nullptr);

struct LeereVErgebnis
{
    qint64 geloescht = 0;
    qint64 nichtGeloescht = 0;
    bool ok() const { return nichtGeloescht == 0; }
};
// Deletes the empty subdirectories below start, innermost first, with rmdir only; never
// follows symbolic links; a directory that cannot be read to its end, or whose walk was
// cancelled, counts as not empty. start itself stays. abbrechen (may be empty) is asked
// between entries.
LeereVErgebnis leereVerzeichnisseLoeschen(const QString &start, const std::function<bool()> &abbrechen);

// Deleting takes absolute paths in tidied form only (no empty, "." or ".." component):
// "/x/sub/.." would reach /x. With an expected identity (what a listing read), an object
// that is not that one any more (replaced since) is left alone and the call fails.
//
// Freedesktop trash. When the trash cannot take the object it stays where it was and
// the call fails; it is never deleted for ever instead.
Ergebnis inPapierkorb(const QString &pfad, const Identitaet &erwartet = {});
// Deletes a file, a link (not its target) or a directory with all its contents.
Ergebnis fuerImmerLoeschen(const QString &pfad, const Identitaet &erwartet = {});

// Copies a file, link or directory tree to exactly ziel (times and permissions kept).
// An existing target is replaced (a file) or merged into (a directory) only with
// ueberschreiben; otherwise the call fails with EEXIST before anything is written.
// On failure what this call created is removed again.
Ergebnis kopieren(const QString &quelle, const QString &ziel, bool ueberschreiben);

// Moves without replacing: a rename on one file system, else copy the tree, check it
// against the source, and only then delete the source. A failure leaves the source whole.
Ergebnis verschieben(const QString &quelle, const QString &ziel);

// True when the object exists and cannot be renamed: no write and search right on its
// parent, the sticky-bit rule forbids it, or it is immutable or append-only.
bool blockiert(const QString &pfad);

// The check of many names before they are renamed: each name's kind and the blockiert
// verdict from one statx, the parent's rights read once for a run of names in the same
// directory. Fehler when the name does not exist or cannot be read.
class UmbenennPruefung
{
public:
    struct Stand
    {
        ObjektArt art = ObjektArt::Sonstiges;
        bool blockiert = false;
    };
    ErgebnisWert<Stand> pruefen(const QString &pfad);

private:
    QString m_eltern;
    bool m_elternBekannt = false;
    bool m_elternGesperrt = false; // no write and search right
    bool m_elternSticky = false;
    quint32 m_elternUid = 0;
};

struct Platz
{
    qint64 frei = 0;   // available to the user
    qint64 gesamt = 0;
};
ErgebnisWert<Platz> platz(const QString &pfad);

// Mount points (with trailing "/") of real local file systems, "/" first.
QStringList laufwerke();
// Mount points (with trailing "/") of mounted network file systems.
QStringList netzLaufwerke();
// Mount point (with trailing "/") of the file system that holds pfad.
QString einhaengepunkt(const QString &pfad);
// Label and type name of that file system (empty when unknown).
QString laufwerkBezeichnung(const QString &pfad);
QString laufwerkDateisystem(const QString &pfad);

// For a process that works through one large batch and then ends (rinolux-regel): memory
// freed between its phases stays with it, and a heap room of `vorrat` bytes is laid out for
// huge pages, so fresh memory costs a page fault per 2 MiB instead of one per 4 KiB. Call it
// first thing in main. Returns whether the room was set up; without it (another allocator,
// no huge pages) everything works as before. Not for a long-running program: it never gives
// memory back.
bool speicherFuerStapellaufEinrichten(std::size_t vorrat);

// Desktop integration. The window layer installs its implementation at start-up; without
// one (headless programs, core tests) these calls are NichtMoeglich.
class Arbeitsoberflaeche
{
public:
    virtual ~Arbeitsoberflaeche() = default;
    virtual Ergebnis oeffnen(const QString &pfad) = 0;
    virtual Ergebnis eigenschaftenZeigen(const QString &pfad) = 0;
};
void arbeitsoberflaecheSetzen(Arbeitsoberflaeche *a); // not owned; nullptr removes it
Ergebnis oeffnen(const QString &pfad);
Ergebnis eigenschaftenZeigen(const QString &pfad);
// Starts programm with the path as its only argument, in the path's directory.
Ergebnis oeffnenMit(const QString &programm, const QString &pfad);

} // namespace rinolux::plattform
