#pragma once

// What the Linux files of the platform layer share: holders that close what they opened,
// the one walk over a directory's entries, the ".hidden" list, and the path conversions.

#include "core/platform/Plattform.h"
#include "core/util/PfadText.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <functional>

#include <dirent.h>
#include <sys/stat.h>

namespace rinolux::plattform::intern {

// An open file descriptor, closed when the holder goes.
class Fd final
{
public:
    Fd() = default;
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() { zu(); }
    Fd(Fd &&o) noexcept : m_fd(o.abgeben()) {}
    Fd &operator=(Fd &&o) noexcept
    {
        if (this != &o) {
            zu();
            m_fd = o.abgeben();
        }
        return *this;
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;

    bool offen() const { return m_fd >= 0; }
    int get() const { return m_fd; }
    int abgeben()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    // Closes now; 0 or the errno of close (a write error may show only here).
    int schliessen();

private:
    void zu();
    int m_fd = -1;
};

// An open directory stream, closed when the holder goes.
class VerzeichnisStrom final
{
public:
    VerzeichnisStrom() = default;
    ~VerzeichnisStrom();
    VerzeichnisStrom(VerzeichnisStrom &&o) noexcept : m_d(o.m_d) { o.m_d = nullptr; }
    VerzeichnisStrom &operator=(VerzeichnisStrom &&) = delete;
    VerzeichnisStrom(const VerzeichnisStrom &) = delete;
    VerzeichnisStrom &operator=(const VerzeichnisStrom &) = delete;

    // Opens name below the directory elternFd (AT_FDCWD: name is a path) without
    // following a final link when ohneLink; sets fehler to errno on failure.
    static VerzeichnisStrom oeffnen(int elternFd, const char *name, bool ohneLink, int &fehler);
    // Takes over an open directory descriptor.
    static VerzeichnisStrom aus(Fd fd, int &fehler);

    bool offen() const { return m_d != nullptr; }
    DIR *get() const { return m_d; }
    int fd() const;

private:
    DIR *m_d = nullptr;
};

// The walk every directory loop uses: calls jeEintrag for every entry except "." and
// ".." until it returns false. Returns 0 when the directory was read to its end (or the
// walk was stopped), else the errno with which reading failed.
int eintraegeLesen(const VerzeichnisStrom &d, const std::function<bool(const dirent &)> &jeEintrag);

// The same over the directory at pfad (never through a final link), for walks that stop
// at the first failure: the failure of jeEintrag, of opening or of reading, else Ok.
Ergebnis eintraegePruefen(const QByteArray &pfad, const std::function<Ergebnis(const dirent &)> &jeEintrag);

// The entry's kind from the directory where it tells it, else from lstat below dirFd.
// false when the entry is gone.
bool eintragArt(int dirFd, const dirent &de, ObjektArt &art);

ObjektArt artAusModus(mode_t m);

// Path bytes for a system call (trailing "/" removed, the root kept), and back.
QByteArray nativ(const QString &pfad);
QString ausNativ(QByteArrayView pfad);
QByteArray verbinden(const QByteArray &verzeichnis, const char *name);

// The names listed in a directory's ".hidden" file. Never follows a link.
QSet<QString> versteckteNamen(const QString &verzeichnis);
QSet<QString> versteckteNamen(int verzeichnisFd);
bool istVersteckt(const QString &pfadOhneEnde);
// Rewrites the directory's ".hidden" list: removes one name, adds another (either may
// be empty). An emptied list file is removed.
Ergebnis versteckteListeAendern(const QString &verzeichnis, const QString &entfernen, const QString &hinzufuegen);
// After a successful rename or move: the name's ".hidden" entry goes along.
Ergebnis versteckteMitnehmen(const QString &alt, const QString &neu);
// After the object is gone: a stale line would hide a later object of that name.
Ergebnis versteckteZeileEntfernen(const QString &pfadOhneEnde);
// The object itself changed; only the ".hidden" bookkeeping after it failed. The change
// stays a success (reporting it as failed would hide that it happened); the run log says
// what could not follow.
void nachtragMelden(const QString &wo, const Ergebnis &nachtrag);

// Deletes a tree for ever, never following links (the path is absolute, without "/").
// With a valid expected identity, only when the name still reaches that object.
Ergebnis loeschenIntern(const QString &p, const Identitaet &erwartet = {});
// Whether the object (not followed) is the one expected; an invalid expectation holds.
bool istErwartet(const struct stat &st, const Identitaet &erwartet);
// The failure of a delete whose name now reaches another object than the one listed.
Ergebnis ersetztFehler(const QString &pfad);

// The one loop that moves file data: laenge bytes (-1: up to the end) from ein, starting at
// byte von (-1: its current position), to the current position of aus. copy_file_range
// first, a buffered loop where the kernel cannot copy (another file system, no support,
// special files). fort (may be empty) sees bisher + the bytes written after every step;
// when it returns false the copy stops with ECANCELED. Returns the bytes copied: fewer
// than laenge only when ein ended first. q and z name the files in error texts; on a
// failure *anQuelle (may be null) tells whether reading the source failed.
ErgebnisWert<qint64> datenKopieren(int ein, qint64 von, qint64 laenge, int aus, const QByteArray &q,
                                   const QByteArray &z, const DatenFortschritt &fort, qint64 bisher = 0,
                                   bool *anQuelle = nullptr);

// Test seam: makes this process behave like a file system that refuses RENAME_NOREPLACE
// (NFS, FUSE) and, with ohneLinks, hard links too; zwischendurch runs where another
// program could act between two steps: in the directory fallback of a rename, and
// between the checked copy and the deleting of a move's source.
struct Nachbildung
{
    bool ohneNoreplace = false;
    bool ohneLinks = false;
    std::function<void()> zwischendurch;
    // File data is moved by the buffered loop only, as where copy_file_range is refused.
    bool ohneKernelKopie = false;
};
Nachbildung &nachbildung();

} // namespace rinolux::plattform::intern
