// Renaming that never replaces an existing object.

#include "core/platform/PlattformIntern_linux.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace rinolux::plattform {

using namespace intern;

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

// The rename itself, without the ".hidden" bookkeeping.
Ergebnis umbenennenRoh(const QByteArray &a, const QByteArray &n, const QString &alt)
{
    if (::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, n.constData(), RENAME_NOREPLACE) == 0)
        return Ergebnis::Ok();
    int fehler = errno;
    struct stat sa, sn;
    if (fehler == EEXIST) {
        // One object under two spellings (case-insensitive mount): a plain rename
        // cannot replace anything else.
        if (::lstat(a.constData(), &sa) == 0 && ::lstat(n.constData(), &sn) == 0 && nurSchreibweise(a, n, sa, sn)) {
            if (a == n)
                return Ergebnis::Ok();
            if (::rename(a.constData(), n.constData()) == 0)
                return Ergebnis::Ok();
            fehler = errno;
        }
        return ErgebnisAusErrno(fehler, alt);
    }
    if (fehler != EINVAL && fehler != ENOSYS && fehler != EOPNOTSUPP)
        return ErgebnisAusErrno(fehler, alt);

    // The file system refuses RENAME_NOREPLACE.
    if (::lstat(a.constData(), &sa) != 0)
        return ErgebnisAusErrno(errno, alt);
    if (!S_ISDIR(sa.st_mode)) {
        // link fails on an existing name, so nothing can be replaced.
        if (::link(a.constData(), n.constData()) == 0) {
            if (::unlink(a.constData()) == 0)
                return Ergebnis::Ok();
            fehler = errno;
            ::unlink(n.constData());
            return ErgebnisAusErrno(fehler, alt);
        }
        fehler = errno;
        if (fehler != EPERM && fehler != EOPNOTSUPP && fehler != ENOSYS)
            return ErgebnisAusErrno(fehler, alt);
        // No hard links on this file system: fall through to the checked rename.
    }
    if (::lstat(n.constData(), &sn) == 0) {
        if (!nurSchreibweise(a, n, sa, sn))
            return ErgebnisAusErrno(EEXIST, alt);
        if (a == n)
            return Ergebnis::Ok();
    } else if (errno != ENOENT) {
        return ErgebnisAusErrno(errno, alt);
    }
    if (::rename(a.constData(), n.constData()) == 0)
        return Ergebnis::Ok();
    return ErgebnisAusErrno(errno, alt);
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
