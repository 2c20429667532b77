// Renaming that never replaces an existing object.

#include "core/platform/PlattformIntern_linux.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace rinolux::plattform {

using namespace intern;

namespace intern {

Nachbildung &nachbildung()
{
    static Nachbildung n;
    return n;
}

} // namespace intern

namespace {

// Two spellings of one name in one directory: on a case-insensitive mount they reach the
// same object, and only then may a plain rename run (it cannot replace anything else).
// Two hard links of one file are two names, and renaming one onto the other would do
// nothing while reporting success.
bool nurSchreibweise(const QByteArray &a, const QByteArray &n, const struct stat &sa, const struct stat &sn)
{
    if (sa.st_dev != sn.st_dev || sa.st_ino != sn.st_ino)
        return false;
    const QString qa = ausNativ(a), qn = ausNativ(n);
    return pfadEltern(qa) == pfadEltern(qn) && pfadName(qa).compare(pfadName(qn), Qt::CaseInsensitive) == 0;
}

bool nurSchreibweise(const QByteArray &a, const QByteArray &n)
{
    struct stat sa, sn;
    return ::lstat(a.constData(), &sa) == 0 && ::lstat(n.constData(), &sn) == 0 && nurSchreibweise(a, n, sa, sn);
}

// After a plain rename between two spellings of one object: the directory must now list
// the new spelling and no longer the old one. Two hard links "a.txt"/"A.txt" of one file
// on a case-sensitive file system stay two names (rename(2) does nothing between them).
Ergebnis schreibweiseGeprueft(const QByteArray &a, const QByteArray &n, const QString &alt)
{
    const QString qa = ausNativ(a), qn = ausNativ(n);
    const QByteArray altName = nativ(pfadName(qa)), neuName = nativ(pfadName(qn));
    bool altDa = false, neuDa = false;
    const Ergebnis gelesen = eintraegePruefen(nativ(pfadEltern(qn)), [&](const dirent &de) {
        altDa = altDa || altName == de.d_name;
        neuDa = neuDa || neuName == de.d_name;
        return Ergebnis::Ok();
    });
    if (!gelesen.ok())
        return gelesen;
    if (altDa || !neuDa)
        return ErgebnisAusErrno(EEXIST, alt);
    return Ergebnis::Ok();
}

// Only for two spellings of one object (nurSchreibweise): a plain rename cannot replace
// anything else, and what it did is checked afterwards.
Ergebnis schreibweiseWechseln(const QByteArray &a, const QByteArray &n, const QString &alt)
{
    if (a == n)
        return Ergebnis::Ok();
    if (::rename(a.constData(), n.constData()) != 0)
        return ErgebnisAusErrno(errno, alt);
    return schreibweiseGeprueft(a, n, alt);
}

bool linkFehlt(int fehler) { return fehler == EPERM || fehler == EOPNOTSUPP || fehler == ENOSYS || fehler == EMLINK; }

// A file where RENAME_NOREPLACE is refused: link fails on any existing name, so nothing
// can be replaced. Without hard links there is no way that cannot replace a name made
// meanwhile by someone else: the file stays where it is.
Ergebnis dateiOhneNoreplace(const QByteArray &a, const QByteArray &n, const QString &alt)
{
    const int r = nachbildung().ohneLinks ? (errno = EPERM, -1) : ::link(a.constData(), n.constData());
    if (r == 0) {
        if (::unlink(a.constData()) == 0)
            return Ergebnis::Ok();
        const int fehler = errno;
        // The second name is ours as long as it reaches the same object.
        struct stat sa, sn;
        if (::lstat(a.constData(), &sa) == 0 && ::lstat(n.constData(), &sn) == 0 && sa.st_dev == sn.st_dev
            && sa.st_ino == sn.st_ino)
            static_cast<void>(::unlink(n.constData())); // the object keeps its old name either way
        return ErgebnisAusErrno(fehler, alt);
    }
    const int fehler = errno;
    if (fehler == EEXIST && nurSchreibweise(a, n))
        return schreibweiseWechseln(a, n, alt);
    if (linkFehlt(fehler))
        return Ergebnis::Fehler(fehler, nameAnzeige(alt)
                                            + QStringLiteral(": auf diesem Dateisystem kann nicht umbenannt werden, "
                                                             "ohne ein vorhandenes Objekt zu gefährden; bitte mit "
                                                             "einem anderen Programm umbenennen"));
    return ErgebnisAusErrno(fehler, alt);
}

// A directory where RENAME_NOREPLACE is refused: mkdir is exclusive, so an empty
// placeholder of our own takes the name first, and rename(2) of a directory onto an empty
// directory replaces only that. Whatever another program puts into it meanwhile makes
// the rename fail and stays.
Ergebnis verzeichnisOhneNoreplace(const QByteArray &a, const QByteArray &n, const QString &alt)
{
    if (::mkdir(n.constData(), 0700) != 0) {
        const int fehler = errno;
        if (fehler == EEXIST && nurSchreibweise(a, n))
            return schreibweiseWechseln(a, n, alt);
        return ErgebnisAusErrno(fehler, alt);
    }
    struct stat platzhalter;
    const bool gemerkt = ::lstat(n.constData(), &platzhalter) == 0;
    if (nachbildung().zwischendurch)
        nachbildung().zwischendurch();
    // The one replacing rename here: ueberschreiben of our own empty placeholder only.
    if (::rename(a.constData(), n.constData()) == 0)
        return Ergebnis::Ok();
    const int fehler = errno;
    struct stat jetzt;
    if (gemerkt && ::lstat(n.constData(), &jetzt) == 0 && jetzt.st_dev == platzhalter.st_dev
        && jetzt.st_ino == platzhalter.st_ino)
        static_cast<void>(::rmdir(n.constData())); // only while empty; filled, it is someone else's now
    return ErgebnisAusErrno(fehler == ENOTEMPTY ? EEXIST : fehler, alt);
}

// The rename itself, without the ".hidden" bookkeeping.
Ergebnis umbenennenRoh(const QByteArray &a, const QByteArray &n, const QString &alt)
{
    const int r = nachbildung().ohneNoreplace
                      ? (errno = EINVAL, -1)
                      : ::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, n.constData(), RENAME_NOREPLACE);
    if (r == 0)
        return Ergebnis::Ok();
    const int fehler = errno;
    if (fehler == EEXIST) {
        // One object under two spellings (case-insensitive mount).
        if (nurSchreibweise(a, n))
            return schreibweiseWechseln(a, n, alt);
        return ErgebnisAusErrno(fehler, alt);
    }
    if (fehler != EINVAL && fehler != ENOSYS && fehler != EOPNOTSUPP)
        return ErgebnisAusErrno(fehler, alt);

    // The file system refuses RENAME_NOREPLACE (NFS, some FUSE file systems).
    struct stat sa;
    if (::lstat(a.constData(), &sa) != 0)
        return ErgebnisAusErrno(errno, alt);
    return S_ISDIR(sa.st_mode) ? verzeichnisOhneNoreplace(a, n, alt) : dateiOhneNoreplace(a, n, alt);
}

} // namespace

Ergebnis umbenennen(const QString &alt, const QString &neu)
{
    const QString a = pfadOhneEnde(alt), n = pfadOhneEnde(neu);
    Ergebnis r = umbenennenRoh(nativ(a), nativ(n), alt);
    if (r.ok())
        nachtragMelden(a, versteckteMitnehmen(a, n));
    return r;
}

} // namespace rinolux::plattform
