// Copying and moving trees.

#include "core/platform/PlattformIntern_linux.h"

#include <QDir>

#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace rinolux::plattform {

using namespace intern;

namespace {

class Kopierer final
{
public:
    Kopierer(bool ueberschreiben, bool sichern) : m_ueberschreiben(ueberschreiben), m_sichern(sichern) {}

    Ergebnis objekt(const QByteArray &q, const QByteArray &z)
    {
        struct stat sq;
        if (::lstat(q.constData(), &sq) != 0)
            return fehler(errno, q);
        struct stat sz;
        const bool zielDa = ::lstat(z.constData(), &sz) == 0;
        if (!zielDa && errno != ENOENT)
            return fehler(errno, z);
        if (zielDa) {
            if (!m_ueberschreiben)
                return fehler(EEXIST, z);
            if (sq.st_dev == sz.st_dev && sq.st_ino == sz.st_ino)
                return fehler(EINVAL, z);
            if (S_ISDIR(sq.st_mode) != S_ISDIR(sz.st_mode))
                return fehler(S_ISDIR(sz.st_mode) ? EISDIR : ENOTDIR, z);
        }
        if (S_ISDIR(sq.st_mode))
            return verzeichnis(q, z, sq, zielDa);
        if (S_ISREG(sq.st_mode))
            return datei(q, z, sq, zielDa);
        if (S_ISLNK(sq.st_mode))
            return link(q, z, sq, zielDa);
        if (S_ISFIFO(sq.st_mode)) {
            if (zielDa)
                return fehler(EEXIST, z);
            if (::mkfifo(z.constData(), sq.st_mode & 07777) != 0)
                return fehler(errno, z);
            m_angelegt.push_back(z);
            return zeitenSetzen(z, sq, true);
        }
        return Ergebnis::NichtMoeglich(ausNativ(q) + QStringLiteral(": auf diesem System nicht möglich"));
    }

    // Removes, newest first, everything this copy created.
    void aufraeumen()
    {
        for (auto it = m_angelegt.rbegin(); it != m_angelegt.rend(); ++it) {
            struct stat st;
            if (::lstat(it->constData(), &st) != 0)
                continue;
            // Best effort after a failure the caller already reports; a directory that
            // is not empty (something new appeared in it) stays.
            if (S_ISDIR(st.st_mode))
                static_cast<void>(::rmdir(it->constData()));
            else
                static_cast<void>(::unlink(it->constData()));
        }
        m_angelegt.clear();
    }

private:
    static Ergebnis fehler(int nummer, const QByteArray &pfad) { return ErgebnisAusErrno(nummer, ausNativ(pfad)); }

    static Ergebnis zeitenSetzen(const QByteArray &z, const struct stat &sq, bool linkSelbst)
    {
        const struct timespec ts[2] = {sq.st_atim, sq.st_mtim};
        if (::utimensat(AT_FDCWD, z.constData(), ts, linkSelbst ? AT_SYMLINK_NOFOLLOW : 0) != 0)
            return fehler(errno, z);
        return Ergebnis::Ok();
    }

    Ergebnis verzeichnis(const QByteArray &q, const QByteArray &z, const struct stat &sq, bool zielDa)
    {
        if (!zielDa) {
            if (::mkdir(z.constData(), 0700) != 0)
                return fehler(errno, z);
            m_angelegt.push_back(z);
        }
        const Ergebnis r = eintraegePruefen(
            q, [&](const dirent &de) { return objekt(verbinden(q, de.d_name), verbinden(z, de.d_name)); });
        if (!r.ok())
            return r;
        // Permissions and times last: writing the entries changed the directory's times,
        // and a read-only source directory must not block its own contents.
        if (::chmod(z.constData(), sq.st_mode & 07777) != 0)
            return fehler(errno, z);
        return zeitenSetzen(z, sq, false);
    }

    Ergebnis datei(const QByteArray &q, const QByteArray &z, const struct stat &sq, bool zielDa)
    {
        // Over an existing file the copy is written beside it and renamed over it at the
        // end, so a failed copy never leaves a half-written target.
        QByteArray schreibZiel = z;
        if (zielDa) {
            schreibZiel = z + ".rinolux-kopie-" + QByteArray::number(::getpid());
            ::unlink(schreibZiel.constData());
        }
        const Fd ein(::open(q.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
        if (!ein.offen())
            return fehler(errno, q);
        Fd aus(::open(schreibZiel.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (!aus.offen())
            return fehler(errno, z);
        m_angelegt.push_back(schreibZiel);
        Ergebnis r = daten(ein.get(), aus.get(), q, z);
        if (r.ok() && ::fchmod(aus.get(), sq.st_mode & 07777) != 0)
            r = fehler(errno, z);
        if (r.ok()) {
            const struct timespec ts[2] = {sq.st_atim, sq.st_mtim};
            if (::futimens(aus.get(), ts) != 0)
                r = fehler(errno, z);
        }
        if (r.ok() && m_sichern && ::fdatasync(aus.get()) != 0)
            r = fehler(errno, z);
        if (const int f = aus.schliessen(); f != 0 && r.ok())
            r = fehler(f, z);
        if (r.ok() && zielDa) {
            // Replacing is allowed here only: the caller asked to overwrite this target.
            if (::rename(schreibZiel.constData(), z.constData()) != 0)
                r = fehler(errno, z);
            else
                m_angelegt.pop_back(); // the replaced target is no longer ours to remove
        }
        return r;
    }

    static Ergebnis daten(int ein, int aus, const QByteArray &q, const QByteArray &z)
    {
        bool kernel = true;
        for (;;) {
            if (kernel) {
                const ssize_t n = ::copy_file_range(ein, nullptr, aus, nullptr, 1 << 30, 0);
                if (n > 0)
                    continue;
                if (n == 0)
                    return Ergebnis::Ok();
                if (errno == EINTR)
                    continue;
                if (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL) {
                    kernel = false;
                    continue;
                }
                return fehler(errno, errno == EIO ? q : z);
            }
            char puffer[1 << 16];
            const ssize_t n = ::read(ein, puffer, sizeof puffer);
            if (n == 0)
                return Ergebnis::Ok();
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return fehler(errno, q);
            }
            for (ssize_t geschrieben = 0; geschrieben < n;) {
                const ssize_t w = ::write(aus, puffer + geschrieben, static_cast<size_t>(n - geschrieben));
                if (w < 0) {
                    if (errno == EINTR)
                        continue;
                    return fehler(errno, z);
                }
                geschrieben += w;
            }
        }
    }

    Ergebnis link(const QByteArray &q, const QByteArray &z, const struct stat &sq, bool zielDa)
    {
        QByteArray ziel(static_cast<qsizetype>(sq.st_size > 0 ? sq.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(q.constData(), ziel.data(), static_cast<size_t>(ziel.size()));
        if (n < 0)
            return fehler(errno, q);
        ziel.truncate(n);
        QByteArray schreibZiel = zielDa ? z + ".rinolux-kopie-" + QByteArray::number(::getpid()) : z;
        if (zielDa)
            ::unlink(schreibZiel.constData());
        if (::symlink(ziel.constData(), schreibZiel.constData()) != 0)
            return fehler(errno, z);
        m_angelegt.push_back(schreibZiel);
        if (zielDa) {
            // Replacing is allowed here only: the caller asked to overwrite this target.
            if (::rename(schreibZiel.constData(), z.constData()) != 0)
                return fehler(errno, z);
            m_angelegt.pop_back();
        }
        // Not every file system keeps link times; the link itself is there.
        static_cast<void>(zeitenSetzen(z, sq, true));
        return Ergebnis::Ok();
    }

    bool m_ueberschreiben;
    bool m_sichern;
    std::vector<QByteArray> m_angelegt;
};

// Checks that z holds everything of q: same kinds, same file sizes, same link targets.
Ergebnis vergleichen(const QByteArray &q, const QByteArray &z)
{
    struct stat sq, sz;
    if (::lstat(q.constData(), &sq) != 0)
        return ErgebnisAusErrno(errno, ausNativ(q));
    if (::lstat(z.constData(), &sz) != 0)
        return ErgebnisAusErrno(errno, ausNativ(z));
    const auto abweichung = [&] {
        return Ergebnis::Fehler(EIO, ausNativ(z) + QStringLiteral(": Kopie weicht vom Original ab"));
    };
    if ((sq.st_mode & S_IFMT) != (sz.st_mode & S_IFMT))
        return abweichung();
    if (S_ISREG(sq.st_mode) && sq.st_size != sz.st_size)
        return abweichung();
    if (S_ISLNK(sq.st_mode)) {
        char a[4097], b[4097];
        const ssize_t na = ::readlink(q.constData(), a, sizeof a);
        const ssize_t nb = ::readlink(z.constData(), b, sizeof b);
        if (na < 0 || na != nb || std::memcmp(a, b, static_cast<size_t>(na)) != 0)
            return abweichung();
    }
    if (!S_ISDIR(sq.st_mode))
        return Ergebnis::Ok();
    return eintraegePruefen(
        q, [&](const dirent &de) { return vergleichen(verbinden(q, de.d_name), verbinden(z, de.d_name)); });
}

// Whether every directory of the tree could be emptied by us, so a move never starts
// on a source that it could copy but not remove.
Ergebnis loeschbarPruefen(const QByteArray &q)
{
    struct stat st;
    if (::lstat(q.constData(), &st) != 0)
        return ErgebnisAusErrno(errno, ausNativ(q));
    if (!S_ISDIR(st.st_mode))
        return Ergebnis::Ok();
    if (st.st_uid != ::geteuid() && ::faccessat(AT_FDCWD, q.constData(), R_OK | W_OK | X_OK, AT_EACCESS) != 0)
        return ErgebnisAusErrno(errno, ausNativ(q));
    // A directory that cannot be read to its end cannot be known to be deletable.
    return eintraegePruefen(q, [&](const dirent &de) {
        if (de.d_type != DT_DIR && de.d_type != DT_UNKNOWN)
            return Ergebnis::Ok();
        return loeschbarPruefen(verbinden(q, de.d_name));
    });
}

bool zielInQuelle(const QString &z, const QString &q) { return pfadLiegtIn(QDir::cleanPath(z), QDir::cleanPath(q)); }

} // namespace

Ergebnis kopieren(const QString &quelle, const QString &ziel, bool ueberschreiben)
{
    const QString q = pfadOhneEnde(quelle), z = pfadOhneEnde(ziel);
    if (zielInQuelle(z, q))
        return Ergebnis::Fehler(EINVAL, ziel + QStringLiteral(": Ziel liegt in der Quelle"));
    Kopierer k(ueberschreiben, false);
    Ergebnis r = k.objekt(nativ(q), nativ(z));
    if (!r.ok())
        k.aufraeumen();
    return r;
}

Ergebnis verschieben(const QString &quelle, const QString &ziel)
{
    const QString q = pfadOhneEnde(quelle), z = pfadOhneEnde(ziel);
    Ergebnis r = umbenennen(q, z);
    if (r.ok() || r.fehlerNummer() != EXDEV)
        return r;

    // Another file system: the source goes only after a complete, checked copy is on disk,
    // and only by a path that cannot reach anything else ("/x/sub/.." is /x).
    if (!pfadAufgeraeumt(quelle))
        return Ergebnis::Fehler(EINVAL, nameAnzeige(quelle) + QStringLiteral(": Pfad nicht in bereinigter Form"));
    if (zielInQuelle(z, q))
        return Ergebnis::Fehler(EINVAL, ziel + QStringLiteral(": Ziel liegt in der Quelle"));
    const QByteArray nq = nativ(q), nz = nativ(z);
    if (blockiert(q))
        return ErgebnisAusErrno(EACCES, quelle);
    r = loeschbarPruefen(nq);
    if (!r.ok())
        return r;
    Kopierer k(false, true);
    r = k.objekt(nq, nz);
    if (r.ok())
        r = vergleichen(nq, nz);
    if (!r.ok()) {
        k.aufraeumen();
        return r;
    }
    const Fd dfd(::open(nativ(pfadEltern(z)).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dfd.offen())
        static_cast<void>(::fsync(dfd.get())); // the copy's files are synced; its entry is best effort
    r = loeschenIntern(q);
    if (!r.ok()) // the complete copy stays; only part of the source may be gone
        return Ergebnis::Fehler(r.fehlerNummer(), r.text() + QStringLiteral(" (kopiert, Quelle nicht ganz gelöscht)"));
    nachtragMelden(q, versteckteMitnehmen(q, z));
    return Ergebnis::Ok();
}

} // namespace rinolux::plattform
