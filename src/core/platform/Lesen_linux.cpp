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

namespace {

// The listing of both forms: with mitText each name is decoded into e.name, else it is
// handed on as its bytes only.
template <bool mitText, class Je>
Ergebnis listen(const QString &verzeichnis, Details details, const Je &jeEintrag)
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
        const QByteArrayView name(de.d_name);
        if constexpr (mitText)
            nameAusBytesSetzen(name, e.name); // the same string for every entry
        if (alle) {
            struct statx sx;
            if (::statx(fd, de.d_name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, kStatxMaske, &sx) != 0)
                return true; // gone since the directory was read
            bool gelistet = false;
            if (!versteckt.isEmpty()) {
                if constexpr (mitText)
                    gelistet = versteckt.contains(e.name);
                else
                    gelistet = versteckt.contains(nameAusBytes(name));
            }
            eintragFuellen(sx, e, gelistet || name.startsWith('.'));
        } else if (!eintragArt(fd, de, e.art)) {
            return true;
        }
        if constexpr (mitText)
            return jeEintrag(e);
        else
            return jeEintrag(e, name);
    });
    if (fehler != 0)
        return ErgebnisAusErrno(fehler, verzeichnis);
    return Ergebnis::Ok();
}

} // namespace

Ergebnis verzeichnisLesen(const QString &verzeichnis, Details details,
                          const std::function<bool(const Eintrag &)> &jeEintrag)
{
    return listen<true>(verzeichnis, details, jeEintrag);
}

Ergebnis verzeichnisLesenNativ(const QString &verzeichnis, Details details,
                               const std::function<bool(const Eintrag &, QByteArrayView name)> &jeEintrag)
{
    return listen<false>(verzeichnis, details, jeEintrag);
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
    UmbenennPruefung pruefung;
    const ErgebnisWert<UmbenennPruefung::Stand> s = pruefung.pruefen(pfad);
    return s && s->blockiert;
}

ErgebnisWert<UmbenennPruefung::Stand> UmbenennPruefung::pruefen(const QString &pfad)
{
    const QString p = pfadOhneEnde(pfad);
    const QByteArray n = nativ(p);
    struct statx sx;
    if (::statx(AT_FDCWD, n.constData(), AT_SYMLINK_NOFOLLOW | AT_STATX_SYNC_AS_STAT, STATX_TYPE | STATX_MODE | STATX_UID,
                &sx) != 0)
        return ErgebnisAusErrno(errno, pfad);
    Stand stand;
    stand.art = artAusModus(sx.stx_mode);

    const QString eltern = pfadEltern(p);
    if (!m_elternBekannt || eltern != m_eltern) {
        const QByteArray e = nativ(eltern);
        m_eltern = eltern;
        m_elternBekannt = true;
        m_elternGesperrt = ::faccessat(AT_FDCWD, e.constData(), W_OK | X_OK, AT_EACCESS) != 0;
        struct stat se;
        m_elternSticky = ::stat(e.constData(), &se) == 0 && (se.st_mode & S_ISVTX);
        m_elternUid = m_elternSticky ? se.st_uid : 0;
    }
    if (m_elternGesperrt) {
        stand.blockiert = true;
        return stand;
    }
    if (m_elternSticky) {
        const uid_t ich = ::geteuid();
        if (ich != 0 && ich != sx.stx_uid && ich != m_elternUid) {
            stand.blockiert = true;
            return stand;
        }
    }
    constexpr quint64 kSperrAttribute = STATX_ATTR_IMMUTABLE | STATX_ATTR_APPEND;
    if ((sx.stx_attributes_mask & kSperrAttribute) == kSperrAttribute) {
        stand.blockiert = (sx.stx_attributes & kSperrAttribute) != 0;
    } else if (S_ISREG(sx.stx_mode) || S_ISDIR(sx.stx_mode)) {
        // The file system does not report these attributes through statx: ask it directly.
        const Fd fd(::open(n.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY));
        int flags = 0;
        stand.blockiert =
            fd.offen() && ::ioctl(fd.get(), FS_IOC_GETFLAGS, &flags) == 0 && (flags & (FS_IMMUTABLE_FL | FS_APPEND_FL));
    }
    return stand;
}

} // namespace rinolux::plattform
