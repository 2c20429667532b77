// Copying and moving trees.

#include "core/platform/PlattformIntern_linux.h"

#include <QDir>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace rinolux::plattform {

namespace intern {

ErgebnisWert<qint64> datenKopieren(int ein, qint64 von, qint64 laenge, int aus, const QByteArray &q,
                                   const QByteArray &z, const DatenFortschritt &fort, qint64 bisher,
                                   bool *anQuelle)
{
    // Without anyone watching, the kernel may take a whole gigabyte per call; with a
    // progress display, steps small enough that a cancel is answered at once.
    const qint64 stueck = fort ? qint64(16) << 20 : qint64(1) << 30;
    const auto fehler = [&](int nummer, const QByteArray &pfad) {
        if (anQuelle)
            *anQuelle = &pfad == &q;
        return ErgebnisAusErrno(nummer, ausNativ(pfad));
    };
    loff_t position = von;
    loff_t *const ab = von >= 0 ? &position : nullptr;
    qint64 kopiert = 0;
    const auto melden = [&]() -> bool { return !fort || fort(bisher + kopiert); };
    const auto abgebrochen = [&] {
        return Ergebnis::Fehler(ECANCELED, nameAnzeige(ausNativ(z)) + QStringLiteral(": abgebrochen"));
    };
    bool kernel = !nachbildung().ohneKernelKopie;
    bool kernelKopiert = false;
    std::unique_ptr<char[]> puffer;
    constexpr size_t kPuffer = size_t(1) << 20;
    for (;;) {
        const qint64 rest = laenge < 0 ? stueck : std::min(stueck, laenge - kopiert);
        if (rest <= 0)
            break;
        if (kernel) {
            const ssize_t n = ::copy_file_range(ein, ab, aus, nullptr, size_t(rest), 0);
            if (n > 0) {
                kopiert += n;
                kernelKopiert = true;
                if (!melden())
                    return abgebrochen();
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            // Some file systems answer 0 or refuse the call for files they cannot copy in the
            // kernel (other file system, no support, special files): read and write instead.
            // 0 after data came through is the real end of the source.
            if (n == 0 && kernelKopiert)
                break;
            if (n == 0 || errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL ||
                errno == EPERM || errno == ETXTBSY) {
                kernel = false;
                continue;
            }
            return fehler(errno, errno == EIO ? q : z);
        }
        if (!puffer)
            puffer.reset(new char[kPuffer]);
        const size_t lesen = size_t(std::min<qint64>(rest, qint64(kPuffer)));
        const ssize_t n = ab ? ::pread(ein, puffer.get(), lesen, position) : ::read(ein, puffer.get(), lesen);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fehler(errno, q);
        }
        if (ab)
            position += n;
        for (ssize_t geschrieben = 0; geschrieben < n;) {
            const ssize_t w = ::write(aus, puffer.get() + geschrieben, static_cast<size_t>(n - geschrieben));
            if (w < 0) {
                if (errno == EINTR)
                    continue;
                return fehler(errno, z);
            }
            geschrieben += w;
        }
        kopiert += n;
        if (!melden())
            return abgebrochen();
    }
    return kopiert;
}

} // namespace intern

using namespace intern;

namespace {

// An object as it was when it was read or made: a later object under its name is not it.
struct Stand
{
    QByteArray pfad;
    dev_t geraet = 0;
    ino_t inode = 0;
    off_t groesse = 0;
    struct timespec aenderung = {};
    bool verzeichnis = false;

    static Stand aus(const QByteArray &pfad, const struct stat &st)
    {
        return Stand{pfad, st.st_dev, st.st_ino, st.st_size, st.st_mtim, S_ISDIR(st.st_mode)};
    }
    bool gleichesObjekt(const struct stat &st) const { return st.st_dev == geraet && st.st_ino == inode; }
    // Unchanged since: a directory by identity alone (deleting its entries changes its
    // times), anything else also by size and modification time.
    bool unveraendert(const struct stat &st) const
    {
        return gleichesObjekt(st)
               && (verzeichnis
                   || (st.st_size == groesse && st.st_mtim.tv_sec == aenderung.tv_sec
                       && st.st_mtim.tv_nsec == aenderung.tv_nsec));
    }
};

class Kopierer final
{
public:
    Kopierer(bool ueberschreiben, bool sichern, DatenFortschritt fort = {})
        : m_ueberschreiben(ueberschreiben), m_sichern(sichern), m_fort(std::move(fort))
    {
    }

    // What was copied, parents before their entries, as it was when it was read.
    const std::vector<Stand> &kopiert() const { return m_kopiert; }

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
        m_kopiert.push_back(Stand::aus(q, sq));
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
            angelegt(z);
            return zeitenSetzen(z, sq, true);
        }
        return Ergebnis::NichtMoeglich(ausNativ(q) + QStringLiteral(": auf diesem System nicht möglich"));
    }

    // Hands every directory this copy made to the disk, innermost first, so a power cut
    // after the source is gone cannot lose the entries of the copy.
    Ergebnis verzeichnisseSichern() const
    {
        for (auto it = m_angelegt.rbegin(); it != m_angelegt.rend(); ++it) {
            if (!it->verzeichnis)
                continue;
            const Fd fd(::open(it->pfad.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            if (!fd.offen() || ::fsync(fd.get()) != 0)
                return fehler(errno, it->pfad);
        }
        return Ergebnis::Ok();
    }

    // Removes, newest first, everything this copy created and nothing else: a name that
    // reaches another object by now is left alone.
    void aufraeumen()
    {
        for (auto it = m_angelegt.rbegin(); it != m_angelegt.rend(); ++it) {
            struct stat st;
            if (::lstat(it->pfad.constData(), &st) != 0 || !it->gleichesObjekt(st))
                continue;
            // Best effort after a failure the caller already reports; a directory that
            // is not empty (something new appeared in it) stays.
            if (S_ISDIR(st.st_mode))
                static_cast<void>(::rmdir(it->pfad.constData()));
            else
                static_cast<void>(::unlink(it->pfad.constData()));
        }
        m_angelegt.clear();
    }

private:
    static Ergebnis fehler(int nummer, const QByteArray &pfad) { return ErgebnisAusErrno(nummer, ausNativ(pfad)); }

    void angelegt(const QByteArray &pfad)
    {
        struct stat st;
        if (::lstat(pfad.constData(), &st) == 0)
            m_angelegt.push_back(Stand::aus(pfad, st));
    }

    // A name beside z that nobody has: made exclusively by anlegen (which returns 0 or
    // errno), another name on EEXIST. Nothing that exists is ever taken over or removed.
    template<class Anlegen>
    int nebenName(const QByteArray &z, QByteArray &name, Anlegen anlegen)
    {
        for (int versuch = 0; versuch < 100; ++versuch) {
            name = z + ".rinolux-kopie-" + QByteArray::number(::getpid()) + '-' + QByteArray::number(++m_zaehler);
            const int fehler = anlegen(name);
            if (fehler != EEXIST)
                return fehler;
        }
        return EEXIST;
    }

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
            angelegt(z);
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
        const Fd ein(::open(q.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
        if (!ein.offen())
            return fehler(errno, q);
        struct stat gelesen;
        if (::fstat(ein.get(), &gelesen) != 0)
            return fehler(errno, q);
        if (gelesen.st_dev != sq.st_dev || gelesen.st_ino != sq.st_ino) // replaced since it was looked at
            return Ergebnis::Fehler(EAGAIN, nameAnzeige(ausNativ(q))
                                                + QStringLiteral(": wurde während des Kopierens ersetzt; bitte "
                                                                 "noch einmal versuchen"));
        const auto oeffnen = [](const QByteArray &name) {
            return ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        };
        QByteArray schreibZiel = z;
        Fd aus;
        if (zielDa) {
            const int f = nebenName(z, schreibZiel, [&](const QByteArray &name) {
                aus = Fd(oeffnen(name));
                return aus.offen() ? 0 : errno;
            });
            if (f != 0)
                return fehler(f, z);
        } else {
            aus = Fd(oeffnen(z));
            if (!aus.offen())
                return fehler(errno, z);
        }
        angelegt(schreibZiel);
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

    Ergebnis daten(int ein, int aus, const QByteArray &q, const QByteArray &z) const
    {
        const ErgebnisWert<qint64> n = datenKopieren(ein, 0, -1, aus, q, z, m_fort);
        return n ? Ergebnis::Ok() : n.ergebnis();
    }

    Ergebnis link(const QByteArray &q, const QByteArray &z, const struct stat &sq, bool zielDa)
    {
        QByteArray ziel(static_cast<qsizetype>(sq.st_size > 0 ? sq.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(q.constData(), ziel.data(), static_cast<size_t>(ziel.size()));
        if (n < 0)
            return fehler(errno, q);
        ziel.truncate(n);
        const auto anlegen = [&](const QByteArray &name) {
            return ::symlink(ziel.constData(), name.constData()) == 0 ? 0 : errno;
        };
        QByteArray schreibZiel = z;
        if (const int f = zielDa ? nebenName(z, schreibZiel, anlegen) : anlegen(z); f != 0)
            return fehler(f, z);
        angelegt(schreibZiel);
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
    DatenFortschritt m_fort;
    std::vector<Stand> m_angelegt;
    std::vector<Stand> m_kopiert;
    quint64 m_zaehler = 0;
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

// Whether the target would lie inside the source: by the text of the paths, and by
// device and inode along the real parent chain of the target's nearest existing
// directory, so no link or bind mount can make a copy recurse into itself.
bool zielInQuelle(const QString &z, const QString &q)
{
    if (pfadLiegtIn(QDir::cleanPath(z), QDir::cleanPath(q)))
        return true;
    struct stat sq;
    if (::lstat(nativ(q).constData(), &sq) != 0 || !S_ISDIR(sq.st_mode))
        return false;
    QString vorhanden = pfadEltern(QDir::cleanPath(z));
    Fd fd(::open(nativ(vorhanden).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    while (!fd.offen() && vorhanden != u"/" && vorhanden != u".") {
        vorhanden = pfadEltern(vorhanden);
        fd = Fd(::open(nativ(vorhanden).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    }
    // ".." of each level up to the root, whose ".." is itself.
    for (int tiefe = 0; fd.offen() && tiefe < 4096; ++tiefe) {
        struct stat st;
        if (::fstat(fd.get(), &st) != 0)
            return false;
        if (st.st_dev == sq.st_dev && st.st_ino == sq.st_ino)
            return true;
        Fd oben(::openat(fd.get(), "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        struct stat so;
        if (!oben.offen() || ::fstat(oben.get(), &so) != 0 || (so.st_dev == st.st_dev && so.st_ino == st.st_ino))
            return false;
        fd = std::move(oben);
    }
    return false;
}

// Deletes of the source only what was copied and is unchanged since, entries before
// their directories; a directory that holds something new stays with it. Returns the
// names that stayed.
QStringList kopiertesLoeschen(const std::vector<Stand> &kopiert)
{
    QStringList geblieben;
    const uid_t ich = ::geteuid();
    // A read-only directory of our own needs its owner's rights back before its entries
    // can go, as in any delete.
    for (const Stand &s : kopiert) {
        struct stat st;
        if (s.verzeichnis && ::lstat(s.pfad.constData(), &st) == 0 && s.gleichesObjekt(st) && st.st_uid == ich
            && (st.st_mode & S_IRWXU) != S_IRWXU)
            static_cast<void>(::chmod(s.pfad.constData(), (st.st_mode | S_IRWXU) & 07777)); // failing shows below
    }
    for (auto it = kopiert.rbegin(); it != kopiert.rend(); ++it) {
        struct stat st;
        if (::lstat(it->pfad.constData(), &st) != 0) {
            if (errno != ENOENT)
                geblieben.append(ausNativ(it->pfad));
            continue;
        }
        if (!it->unveraendert(st)) {
            geblieben.append(ausNativ(it->pfad));
            continue;
        }
        const int r = it->verzeichnis ? ::rmdir(it->pfad.constData()) : ::unlink(it->pfad.constData());
        if (r != 0)
            geblieben.append(ausNativ(it->pfad));
    }
    return geblieben;
}

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

Ergebnis neuKopieren(const QString &quelle, const QString &ziel, const DatenFortschritt &fort)
{
    const QString q = pfadOhneEnde(quelle), z = pfadOhneEnde(ziel);
    const QByteArray nq = nativ(q), nz = nativ(z);
    struct stat sq;
    if (::lstat(nq.constData(), &sq) != 0)
        return ErgebnisAusErrno(errno, quelle);
    // A directory gives a new empty one; mkdir itself refuses every existing name.
    if (S_ISDIR(sq.st_mode))
        return verzeichnisAnlegen(z);
    // Only the object itself: the copier descends into directories alone, and an existing
    // target is refused before anything is written (and by O_EXCL in a race).
    Kopierer k(false, false, fort);
    Ergebnis r = k.objekt(nq, nz);
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
    // Every file of the copy is synced already; its directories and its own entry follow,
    // before anything of the source goes.
    if (r.ok())
        r = k.verzeichnisseSichern();
    if (r.ok()) {
        const Fd dfd(::open(nativ(pfadEltern(z)).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!dfd.offen() || ::fsync(dfd.get()) != 0)
            r = ErgebnisAusErrno(errno, pfadEltern(z));
    }
    if (!r.ok()) {
        k.aufraeumen();
        return r;
    }
    if (nachbildung().zwischendurch)
        nachbildung().zwischendurch();
    const QStringList geblieben = kopiertesLoeschen(k.kopiert());
    if (!geblieben.isEmpty()) {
        // The complete copy stays; what is new or changed in the source since stays too.
        QStringList namen;
        for (const QString &n : geblieben.mid(0, 5))
            namen.append(nameAnzeige(n));
        return Ergebnis::Fehler(0, nameAnzeige(quelle)
                                       + QStringLiteral(": kopiert, aber in der Quelle geblieben (seit dem Kopieren "
                                                        "neu, geändert oder nicht löschbar): ")
                                       + namen.join(QStringLiteral(", "))
                                       + (geblieben.size() > 5 ? QStringLiteral(" ...") : QString()));
    }
    nachtragMelden(q, versteckteMitnehmen(q, z));
    return Ergebnis::Ok();
}

} // namespace rinolux::plattform
