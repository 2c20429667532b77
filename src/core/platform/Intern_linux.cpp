// The holders, the directory walk and the path conversions of the Linux platform files.

#include "core/platform/PlattformIntern_linux.h"

#include "core/util/nx_Debug.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace rinolux::plattform::intern {

void Fd::zu()
{
    if (m_fd >= 0)
        static_cast<void>(schliessen()); // a holder that goes unasked has nothing to report to
}

int Fd::schliessen()
{
    if (m_fd < 0)
        return 0;
    const int r = ::close(m_fd);
    m_fd = -1;
    return r == 0 ? 0 : errno;
}

VerzeichnisStrom::~VerzeichnisStrom()
{
    if (m_d)
        static_cast<void>(::closedir(m_d)); // a stream only read from has nothing left to report
}

VerzeichnisStrom VerzeichnisStrom::oeffnen(int elternFd, const char *name, bool ohneLink, int &fehler)
{
    Fd fd(::openat(elternFd, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC | (ohneLink ? O_NOFOLLOW : 0)));
    if (!fd.offen()) {
        fehler = errno;
        return {};
    }
    return aus(std::move(fd), fehler);
}

VerzeichnisStrom VerzeichnisStrom::aus(Fd fd, int &fehler)
{
    VerzeichnisStrom s;
    s.m_d = ::fdopendir(fd.get());
    if (!s.m_d) {
        fehler = errno;
        return s;
    }
    fd.abgeben(); // the stream owns it now
    fehler = 0;
    return s;
}

int VerzeichnisStrom::fd() const { return ::dirfd(m_d); }

int eintraegeLesen(const VerzeichnisStrom &d, const std::function<bool(const dirent &)> &jeEintrag)
{
    for (;;) {
        errno = 0;
        const dirent *de = ::readdir(d.get());
        if (!de)
            return errno;
        const char *n = de->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        if (!jeEintrag(*de))
            return 0;
    }
}

Ergebnis eintraegePruefen(const QByteArray &pfad, const std::function<Ergebnis(const dirent &)> &jeEintrag)
{
    int fehler = 0;
    const VerzeichnisStrom d = VerzeichnisStrom::oeffnen(AT_FDCWD, pfad.constData(), true, fehler);
    if (!d.offen())
        return ErgebnisAusErrno(fehler, ausNativ(pfad));
    Ergebnis r = Ergebnis::Ok();
    fehler = eintraegeLesen(d, [&](const dirent &de) {
        r = jeEintrag(de);
        return r.ok();
    });
    if (r.ok() && fehler != 0)
        return ErgebnisAusErrno(fehler, ausNativ(pfad));
    return r;
}

ObjektArt artAusModus(mode_t m)
{
    if (S_ISDIR(m))
        return ObjektArt::Verzeichnis;
    if (S_ISREG(m))
        return ObjektArt::Datei;
    if (S_ISLNK(m))
        return ObjektArt::Link;
    return ObjektArt::Sonstiges;
}

bool eintragArt(int dirFd, const dirent &de, ObjektArt &art)
{
    switch (de.d_type) {
    case DT_DIR: art = ObjektArt::Verzeichnis; return true;
    case DT_REG: art = ObjektArt::Datei; return true;
    case DT_LNK: art = ObjektArt::Link; return true;
    case DT_UNKNOWN: {
        struct stat st;
        if (::fstatat(dirFd, de.d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
        art = artAusModus(st.st_mode);
        return true;
    }
    default: art = ObjektArt::Sonstiges; return true;
    }
}

QByteArray nativ(const QString &pfad) { return nameZuBytes(pfadOhneEnde(pfad)); }

QString ausNativ(QByteArrayView pfad) { return nameAusBytes(pfad); }

QByteArray verbinden(const QByteArray &verzeichnis, const char *name)
{
    QByteArray r = verzeichnis;
    if (!r.endsWith('/'))
        r += '/';
    r += name;
    return r;
}

void nachtragMelden(const QString &wo, const Ergebnis &nachtrag)
{
    if (!nachtrag.ok())
        nxDebugZeile(wo + QStringLiteral(": .hidden nicht angepasst: ") + nachtrag.text());
}

} // namespace rinolux::plattform::intern
