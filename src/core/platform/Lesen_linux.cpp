// Reading: listings, one object, existence, identity and the locked test.

#include "core/platform/PlattformIntern_linux.h"

#include <cerrno>
#include <optional>
#include <cstring>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace rinolux::plattform {

using namespace intern;

namespace {

DateiZeit zeitAus(const struct statx_timestamp &t)
{
    return DateiZeit{static_cast<qint64>(t.tv_sec), static_cast<qint32>(t.tv_nsec), true};
}

constexpr unsigned kStatxMaske =
    STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_ATIME | STATX_MTIME | STATX_BTIME | STATX_INO;

void eintragFuellen(const struct statx &sx, Eintrag &e, bool versteckt)
{
    e.art = artAusModus(sx.stx_mode);
    e.groesse = static_cast<qint64>(sx.stx_size);
    quint32 a = 0;
    if (e.art != ObjektArt::Link && (sx.stx_mode & S_IWUSR) == 0)
        a |= AttrNurLesen;
    if (versteckt || e.name.startsWith(u'.'))
        a |= AttrVersteckt;
    if (e.art == ObjektArt::Verzeichnis)
        a |= AttrVerzeichnis;
    e.attribute = a;
    e.aenderung = zeitAus(sx.stx_mtime);
    e.zugriff = zeitAus(sx.stx_atime);
    e.herstellung = (sx.stx_mask & STATX_BTIME) ? zeitAus(sx.stx_btime) : DateiZeit{};
    e.identitaet = Identitaet{static_cast<quint64>(makedev(sx.stx_dev_major, sx.stx_dev_minor)),
                              static_cast<quint64>(sx.stx_ino)};
}

} // namespace

Ergebnis verzeichnisLesen(const QString &verzeichnis, Details details,
                          const std::function<bool(const Eintrag &)> &jeEintrag)
{
    int fehler = 0;
    const VerzeichnisStrom d = VerzeichnisStrom::oeffnen(AT_FDCWD, nativ(verzeichnis).constData(), false, fehler);
    if (!d.offen())
        return ErgebnisAusErrno(fehler, verzeichnis);
    const int fd = d.fd();
    const bool alle = details == Details::Alle;
    const QSet<QString> versteckt = alle ? versteckteNamen(fd) : QSet<QString>();
    Eintrag e;
    fehler = eintraegeLesen(d, [&](const dirent &de) {
        e.name = ausNativ(QByteArrayView(de.d_name));
        if (alle) {
            struct statx sx;
            if (::statx(fd, de.d_name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, kStatxMaske, &sx) != 0)
                return true; // gone since the directory was read
            eintragFuellen(sx, e, !versteckt.isEmpty() && versteckt.contains(e.name));
        } else if (!eintragArt(fd, de, e.art)) {
            return true;
        }
        return jeEintrag(e);
    });
    if (fehler != 0)
        return ErgebnisAusErrno(fehler, verzeichnis);
    return Ergebnis::Ok();
}

Ergebnis verzeichnisAuswahlLesen(const QString &verzeichnis, const std::function<Vorauswahl(const Eintrag &)> &vorab,
                                 const std::function<bool(const Eintrag &)> &jeEintrag)
{
    int fehler = 0;
    const VerzeichnisStrom d = VerzeichnisStrom::oeffnen(AT_FDCWD, nativ(verzeichnis).constData(), false, fehler);
    if (!d.offen())
        return ErgebnisAusErrno(fehler, verzeichnis);
    const int fd = d.fd();
    std::optional<QSet<QString>> versteckt;
    Eintrag e;
    fehler = eintraegeLesen(d, [&](const dirent &de) {
        e = Eintrag();
        e.name = ausNativ(QByteArrayView(de.d_name));
        if (!eintragArt(fd, de, e.art))
            return true;
        switch (vorab(e)) {
        case Vorauswahl::Weglassen: return true;
        case Vorauswahl::Anhalten: return false;
        case Vorauswahl::Lesen: break;
        }
        struct statx sx;
        if (::statx(fd, de.d_name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, kStatxMaske, &sx) != 0)
            return true; // gone since the directory was read
        if (!versteckt)
            versteckt = versteckteNamen(fd);
        eintragFuellen(sx, e, !versteckt->isEmpty() && versteckt->contains(e.name));
        return jeEintrag(e);
    });
    if (fehler != 0)
        return ErgebnisAusErrno(fehler, verzeichnis);
    return Ergebnis::Ok();
}

ErgebnisWert<Eintrag> objektLesen(const QString &pfad)
{
    const QString p = pfadOhneEnde(pfad);
    struct statx sx;
    if (::statx(AT_FDCWD, nativ(p).constData(), AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, kStatxMaske, &sx) != 0)
        return ErgebnisAusErrno(errno, pfad);
    Eintrag e;
    e.name = pfadName(p);
    eintragFuellen(sx, e, istVersteckt(p));
    return e;
}

bool vorhanden(const QString &pfad)
{
    struct stat st;
    return ::lstat(nativ(pfad).constData(), &st) == 0;
}

ErgebnisWert<ObjektArt> art(const QString &pfad, Verweis verweis)
{
    struct stat st;
    const QByteArray n = nativ(pfad);
    const int r = verweis == Verweis::Folgen ? ::stat(n.constData(), &st) : ::lstat(n.constData(), &st);
    if (r != 0)
        return ErgebnisAusErrno(errno, pfad);
    return artAusModus(st.st_mode);
}

bool gleichesObjekt(const QString &a, const QString &b)
{
    struct stat sa, sb;
    if (::lstat(nativ(a).constData(), &sa) != 0 || ::lstat(nativ(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool blockiert(const QString &pfad)
{
    const QString p = pfadOhneEnde(pfad);
    const QByteArray n = nativ(p);
    struct stat st;
    if (::lstat(n.constData(), &st) != 0)
        return false;
    const QByteArray eltern = nativ(pfadEltern(p));
    if (::faccessat(AT_FDCWD, eltern.constData(), W_OK | X_OK, AT_EACCESS) != 0)
        return true;
    struct stat se;
    if (::stat(eltern.constData(), &se) == 0 && (se.st_mode & S_ISVTX)) {
        const uid_t ich = ::geteuid();
        if (ich != 0 && ich != st.st_uid && ich != se.st_uid)
            return true;
    }
    if (S_ISREG(st.st_mode) || S_ISDIR(st.st_mode)) {
        const Fd fd(::open(n.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY));
        int flags = 0;
        if (fd.offen() && ::ioctl(fd.get(), FS_IOC_GETFLAGS, &flags) == 0 && (flags & (FS_IMMUTABLE_FL | FS_APPEND_FL)))
            return true;
    }
    return false;
}

} // namespace rinolux::plattform
