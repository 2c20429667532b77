// Linux implementation of the platform layer (see Plattform.h).

#include "core/platform/Plattform.h"

#include "core/util/nx_Debug.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QStorageInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace rinolux::plattform {

namespace {

// Path without trailing "/" (the root stays "/").
QString ohneEnde(const QString &pfad)
{
    QString p = pfad;
    while (p.size() > 1 && p.endsWith(u'/'))
        p.chop(1);
    return p;
}

QByteArray nativ(const QString &pfad) { return QFile::encodeName(ohneEnde(pfad)); }

QString elternVon(const QString &ohneEndePfad)
{
    const qsizetype i = ohneEndePfad.lastIndexOf(u'/');
    if (i < 0)
        return QStringLiteral(".");
    if (i == 0)
        return QStringLiteral("/");
    return ohneEndePfad.left(i);
}

QString nameVon(const QString &ohneEndePfad)
{
    return ohneEndePfad.mid(ohneEndePfad.lastIndexOf(u'/') + 1);
}

QByteArray verbinden(const QByteArray &verzeichnis, const char *name)
{
    QByteArray r = verzeichnis;
    if (!r.endsWith('/'))
        r += '/';
    r += name;
    return r;
}

bool istPunktName(const char *n) { return n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)); }

DateiZeit zeitAus(const struct statx_timestamp &t)
{
    return DateiZeit{static_cast<qint64>(t.tv_sec), static_cast<qint32>(t.tv_nsec), true};
}

constexpr unsigned kStatxMaske = STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_ATIME | STATX_MTIME | STATX_BTIME;

// The names listed in a directory's ".hidden" file (one name per line).
QSet<QString> versteckteNamenAus(const QByteArray &inhalt)
{
    QSet<QString> namen;
    for (const QByteArray &zeile : inhalt.split('\n')) {
        QByteArray z = zeile;
        if (z.endsWith('\r'))
            z.chop(1);
        if (!z.isEmpty())
            namen.insert(QString::fromUtf8(z));
    }
    return namen;
}

QByteArray dateiInhalt(int fd)
{
    QByteArray inhalt;
    char puffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        inhalt.append(puffer, n);
        if (inhalt.size() > (16 << 20)) // a ".hidden" of that size is not one
            break;
    }
    return inhalt;
}

QSet<QString> versteckteNamen(int verzeichnisFd)
{
    const int fd = ::openat(verzeichnisFd, ".hidden", O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return {};
    const QByteArray inhalt = dateiInhalt(fd);
    ::close(fd);
    return versteckteNamenAus(inhalt);
}

QSet<QString> versteckteNamen(const QString &verzeichnis)
{
    const int fd = ::open(QFile::encodeName(verzeichnis + QStringLiteral("/.hidden")).constData(),
                          O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return {};
    const QByteArray inhalt = dateiInhalt(fd);
    ::close(fd);
    return versteckteNamenAus(inhalt);
}

// Rewrites the directory's ".hidden" list: removes one name, adds another (either may be
// empty). An emptied list file is removed. The file is replaced whole, never half-written.
Ergebnis versteckteListeAendern(const QString &verzeichnis, const QString &entfernen, const QString &hinzufuegen)
{
    const QString datei = (verzeichnis == u"/" ? QString() : verzeichnis) + QStringLiteral("/.hidden");
    QStringList zeilen;
    {
        QFile f(datei);
        if (f.exists()) {
            if (!f.open(QIODevice::ReadOnly))
                return Ergebnis::Fehler(0, datei + QStringLiteral(": ") + f.errorString());
            const QByteArray inhalt = f.readAll();
            for (const QByteArray &z : inhalt.split('\n')) {
                QByteArray zeile = z;
                if (zeile.endsWith('\r'))
                    zeile.chop(1);
                if (!zeile.isEmpty())
                    zeilen.append(QString::fromUtf8(zeile));
            }
        }
    }
    const qsizetype vorher = zeilen.size();
    if (!entfernen.isEmpty())
        zeilen.removeAll(entfernen);
    bool geaendert = zeilen.size() != vorher;
    if (!hinzufuegen.isEmpty() && !zeilen.contains(hinzufuegen)) {
        zeilen.append(hinzufuegen);
        geaendert = true;
    }
    if (!geaendert)
        return Ergebnis::Ok();
    if (zeilen.isEmpty()) {
        if (::unlink(QFile::encodeName(datei).constData()) != 0 && errno != ENOENT)
            return ErgebnisAusErrno(errno, datei);
        return Ergebnis::Ok();
    }
    QSaveFile f(datei);
    if (!f.open(QIODevice::WriteOnly))
        return Ergebnis::Fehler(0, datei + QStringLiteral(": ") + f.errorString());
    for (const QString &z : zeilen) {
        f.write(z.toUtf8());
        f.write("\n", 1);
    }
    if (!f.commit())
        return Ergebnis::Fehler(0, datei + QStringLiteral(": ") + f.errorString());
    return Ergebnis::Ok();
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
}

bool istVersteckt(const QString &pfadOhneEnde)
{
    const QString name = nameVon(pfadOhneEnde);
    if (name.startsWith(u'.'))
        return true;
    return versteckteNamen(elternVon(pfadOhneEnde)).contains(name);
}

} // namespace

// ---------------------------------------------------------------------------------------
// Times

QDateTime DateiZeit::alsDateTime() const
{
    if (!gueltig)
        return QDateTime();
    return QDateTime::fromMSecsSinceEpoch(sekunden * 1000 + nanosekunden / 1000000);
}

DateiZeit DateiZeit::aus(const QDateTime &zeit)
{
    if (!zeit.isValid())
        return DateiZeit{};
    const qint64 ms = zeit.toMSecsSinceEpoch();
    qint64 s = ms / 1000;
    qint64 rest = ms % 1000;
    if (rest < 0) {
        rest += 1000;
        --s;
    }
    return DateiZeit{s, static_cast<qint32>(rest * 1000000), true};
}

// ---------------------------------------------------------------------------------------
// Reading

Ergebnis verzeichnisLesen(const QString &verzeichnis, Details details,
                          const std::function<bool(const Eintrag &)> &jeEintrag)
{
    const int fd = ::open(nativ(verzeichnis).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return ErgebnisAusErrno(errno, verzeichnis);
    DIR *d = ::fdopendir(fd);
    if (!d) {
        const int fehler = errno;
        ::close(fd);
        return ErgebnisAusErrno(fehler, verzeichnis);
    }
    const bool alle = details == Details::Alle;
    const QSet<QString> versteckt = alle ? versteckteNamen(fd) : QSet<QString>();
    Eintrag e;
    int fehler = 0;
    for (;;) {
        errno = 0;
        const dirent *de = ::readdir(d);
        if (!de) {
            fehler = errno;
            break;
        }
        if (istPunktName(de->d_name))
            continue;
        e.name = QString::fromUtf8(de->d_name, static_cast<qsizetype>(std::strlen(de->d_name)));
        if (alle) {
            struct statx sx;
            if (::statx(fd, de->d_name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, kStatxMaske, &sx) != 0)
                continue; // gone since the directory was read
            eintragFuellen(sx, e, !versteckt.isEmpty() && versteckt.contains(e.name));
        } else {
            switch (de->d_type) {
            case DT_DIR: e.art = ObjektArt::Verzeichnis; break;
            case DT_REG: e.art = ObjektArt::Datei; break;
            case DT_LNK: e.art = ObjektArt::Link; break;
            case DT_UNKNOWN: {
                struct stat st;
                if (::fstatat(fd, de->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                e.art = artAusModus(st.st_mode);
                break;
            }
            default: e.art = ObjektArt::Sonstiges; break;
            }
        }
        if (!jeEintrag(e))
            break;
    }
    ::closedir(d);
    if (fehler != 0)
        return ErgebnisAusErrno(fehler, verzeichnis);
    return Ergebnis::Ok();
}

Ergebnis objektLesen(const QString &pfad, Eintrag &aus)
{
    const QString p = ohneEnde(pfad);
    struct statx sx;
    if (::statx(AT_FDCWD, QFile::encodeName(p).constData(), AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, kStatxMaske, &sx) != 0)
        return ErgebnisAusErrno(errno, pfad);
    aus.name = nameVon(p);
    eintragFuellen(sx, aus, istVersteckt(p));
    return Ergebnis::Ok();
}

bool vorhanden(const QString &pfad)
{
    struct stat st;
    return ::lstat(nativ(pfad).constData(), &st) == 0;
}

ObjektArt art(const QString &pfad, bool *gefunden)
{
    struct stat st;
    const bool da = ::lstat(nativ(pfad).constData(), &st) == 0;
    if (gefunden)
        *gefunden = da;
    return da ? artAusModus(st.st_mode) : ObjektArt::Sonstiges;
}

bool gleichesObjekt(const QString &a, const QString &b)
{
    struct stat sa, sb;
    if (::lstat(nativ(a).constData(), &sa) != 0 || ::lstat(nativ(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// ---------------------------------------------------------------------------------------
// Renaming

namespace {

// Two spellings of one name in one directory: on a case-insensitive mount they reach the
// same object, and only then may a plain rename run (it cannot replace anything else).
// Two hard links of one file are two names, and renaming one onto the other would do
// nothing while reporting success.
bool nurSchreibweise(const QByteArray &a, const QByteArray &n, const struct stat &sa, const struct stat &sn)
{
    if (sa.st_dev != sn.st_dev || sa.st_ino != sn.st_ino)
        return false;
    const QString qa = QFile::decodeName(a), qn = QFile::decodeName(n);
    return elternVon(qa) == elternVon(qn) && nameVon(qa).compare(nameVon(qn), Qt::CaseInsensitive) == 0;
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

// After a successful rename or move: the name's ".hidden" entry goes along.
void versteckteMitnehmen(const QString &alt, const QString &neu)
{
    const QString altV = elternVon(alt), altN = nameVon(alt);
    if (altN.startsWith(u'.') || !versteckteNamen(altV).contains(altN))
        return;
    const QString neuV = elternVon(neu), neuN = nameVon(neu);
    Ergebnis r = Ergebnis::Ok();
    if (altV == neuV) {
        r = versteckteListeAendern(altV, altN, neuN.startsWith(u'.') ? QString() : neuN);
    } else {
        if (!neuN.startsWith(u'.'))
            r = versteckteListeAendern(neuV, QString(), neuN);
        if (r.ok())
            r = versteckteListeAendern(altV, altN, QString());
    }
    if (!r.ok()) // the object itself moved; only its hidden mark could not follow
        nxDebugZeile(QStringLiteral("umbenennen: .hidden nicht angepasst: ") + r.text());
}

} // namespace

Ergebnis umbenennen(const QString &alt, const QString &neu)
{
    const QString a = ohneEnde(alt), n = ohneEnde(neu);
    Ergebnis r = umbenennenRoh(QFile::encodeName(a), QFile::encodeName(n), alt);
    if (r.ok())
        versteckteMitnehmen(a, n);
    return r;
}

// ---------------------------------------------------------------------------------------
// Attributes and times

Ergebnis attributeSetzen(const QString &pfad, quint32 attribute)
{
    if (attribute & (AttrSystem | AttrArchiv | AttrKomprimiert))
        return Ergebnis::NichtMoeglich();
    const QString p = ohneEnde(pfad);
    const QByteArray n = QFile::encodeName(p);
    struct stat st;
    if (::lstat(n.constData(), &st) != 0)
        return ErgebnisAusErrno(errno, pfad);

    const QString name = nameVon(p);
    const bool punkt = name.startsWith(u'.');
    const bool versteckt = punkt || versteckteNamen(elternVon(p)).contains(name);
    const bool versteckenSoll = (attribute & AttrVersteckt) != 0;
    if (!versteckenSoll && versteckt && punkt)
        return Ergebnis::Fehler(0, pfad + QStringLiteral(": ein Name mit Punkt am Anfang bleibt versteckt"));

    const bool nurLesen = !S_ISLNK(st.st_mode) && (st.st_mode & S_IWUSR) == 0;
    const bool nurLesenSoll = (attribute & AttrNurLesen) != 0;
    if (nurLesen != nurLesenSoll) {
        if (S_ISLNK(st.st_mode))
            return Ergebnis::NichtMoeglich();
        const mode_t modus = nurLesenSoll ? (st.st_mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH))
                                          : (st.st_mode | S_IWUSR);
        if (::chmod(n.constData(), modus & 07777) != 0)
            return ErgebnisAusErrno(errno, pfad);
    }
    if (versteckenSoll != versteckt)
        return versteckteListeAendern(elternVon(p), versteckenSoll ? QString() : name, versteckenSoll ? name : QString());
    return Ergebnis::Ok();
}

Ergebnis zeitSetzen(const QString &pfad, QChar buchstabe, const DateiZeit &zeit)
{
    if (buchstabe == u'h')
        return Ergebnis::NichtMoeglich();
    if ((buchstabe != u'a' && buchstabe != u'z') || !zeit.gueltig || zeit.nanosekunden < 0
        || zeit.nanosekunden > 999999999)
        return ErgebnisAusErrno(EINVAL, pfad);
    struct timespec ts[2] = {{0, UTIME_OMIT}, {0, UTIME_OMIT}};
    ts[buchstabe == u'z' ? 0 : 1] = {static_cast<time_t>(zeit.sekunden), zeit.nanosekunden};
    if (::utimensat(AT_FDCWD, nativ(pfad).constData(), ts, AT_SYMLINK_NOFOLLOW) != 0)
        return ErgebnisAusErrno(errno, pfad);
    return Ergebnis::Ok();
}

// ---------------------------------------------------------------------------------------
// Deleting

namespace {

// Deletes name below the open directory, never following links; 0 or errno.
int baumLoeschen(int elternFd, const char *name)
{
    struct stat st;
    if (::fstatat(elternFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno;
    if (!S_ISDIR(st.st_mode))
        return ::unlinkat(elternFd, name, 0) == 0 ? 0 : errno;
    // A read-only directory of our own is deleted like any other, as a read-only
    // file is: it only needs its owner's rights back first.
    if (st.st_uid == ::geteuid() && (st.st_mode & S_IRWXU) != S_IRWXU)
        ::fchmodat(elternFd, name, (st.st_mode | S_IRWXU) & 07777, 0);
    const int fd = ::openat(elternFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return errno;
    DIR *d = ::fdopendir(fd);
    if (!d) {
        const int f = errno;
        ::close(fd);
        return f;
    }
    int fehler = 0;
    for (;;) {
        errno = 0;
        const dirent *de = ::readdir(d);
        if (!de) {
            fehler = errno;
            break;
        }
        if (istPunktName(de->d_name))
            continue;
        fehler = baumLoeschen(fd, de->d_name);
        if (fehler != 0)
            break;
    }
    ::closedir(d);
    if (fehler != 0)
        return fehler;
    return ::unlinkat(elternFd, name, AT_REMOVEDIR) == 0 ? 0 : errno;
}

Ergebnis loeschenIntern(const QString &p)
{
    if (p == u"/" || p.isEmpty() || !p.startsWith(u'/'))
        return ErgebnisAusErrno(EINVAL, p);
    const int elternFd = ::open(QFile::encodeName(elternVon(p)).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (elternFd < 0)
        return ErgebnisAusErrno(errno, p);
    const int fehler = baumLoeschen(elternFd, QFile::encodeName(nameVon(p)).constData());
    ::close(elternFd);
    return fehler == 0 ? Ergebnis::Ok() : ErgebnisAusErrno(fehler, p);
}

} // namespace

Ergebnis fuerImmerLoeschen(const QString &pfad)
{
    const QString p = ohneEnde(pfad);
    Ergebnis r = loeschenIntern(p);
    if (r.ok() && !nameVon(p).startsWith(u'.')) {
        // A stale ".hidden" line would hide a later object of that name.
        if (versteckteNamen(elternVon(p)).contains(nameVon(p)))
            versteckteListeAendern(elternVon(p), nameVon(p), QString());
    }
    return r;
}

Ergebnis inPapierkorb(const QString &pfad)
{
    const QString p = ohneEnde(pfad);
    struct stat st;
    if (::lstat(QFile::encodeName(p).constData(), &st) != 0)
        return ErgebnisAusErrno(errno, pfad);

    // Qt puts the trash below the data directory only when that exists; otherwise it
    // would use the working directory. So the home trash must exist before we ask.
    const QString daten = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString papierkorb = daten + QStringLiteral("/Trash");
    if (daten.isEmpty() || !QDir().mkpath(daten) || !QFileInfo(daten).isDir())
        return Ergebnis::Fehler(0, QStringLiteral("Papierkorb nicht verfügbar: ") + daten);
    if (!QFileInfo(papierkorb).exists())
        ::mkdir(QFile::encodeName(papierkorb).constData(), 0700);
    if (!QFileInfo(papierkorb).isDir())
        return Ergebnis::Fehler(0, QStringLiteral("Papierkorb nicht verfügbar: ") + papierkorb);

    QFile f(p);
    if (!f.moveToTrash())
        return Ergebnis::Fehler(0, pfad + QStringLiteral(": Papierkorb: ") + f.errorString());
    if (::lstat(QFile::encodeName(p).constData(), &st) == 0)
        return Ergebnis::Fehler(0, pfad + QStringLiteral(": Papierkorb: Objekt ist noch vorhanden"));
    if (!nameVon(p).startsWith(u'.') && versteckteNamen(elternVon(p)).contains(nameVon(p)))
        versteckteListeAendern(elternVon(p), nameVon(p), QString());
    return Ergebnis::Ok();
}

// ---------------------------------------------------------------------------------------
// Copying and moving

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
        return Ergebnis::NichtMoeglich(QFile::decodeName(q) + QStringLiteral(": auf diesem System nicht möglich"));
    }

    // Removes, newest first, everything this copy created.
    void aufraeumen()
    {
        for (auto it = m_angelegt.rbegin(); it != m_angelegt.rend(); ++it) {
            struct stat st;
            if (::lstat(it->constData(), &st) != 0)
                continue;
            if (S_ISDIR(st.st_mode))
                ::rmdir(it->constData());
            else
                ::unlink(it->constData());
        }
        m_angelegt.clear();
    }

private:
    static Ergebnis fehler(int nummer, const QByteArray &pfad) { return ErgebnisAusErrno(nummer, QFile::decodeName(pfad)); }

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
        DIR *d = ::opendir(q.constData());
        if (!d)
            return fehler(errno, q);
        Ergebnis r = Ergebnis::Ok();
        for (;;) {
            errno = 0;
            const dirent *de = ::readdir(d);
            if (!de) {
                if (errno != 0)
                    r = fehler(errno, q);
                break;
            }
            if (istPunktName(de->d_name))
                continue;
            r = objekt(verbinden(q, de->d_name), verbinden(z, de->d_name));
            if (!r.ok())
                break;
        }
        ::closedir(d);
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
        const int ein = ::open(q.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (ein < 0)
            return fehler(errno, q);
        const int aus = ::open(schreibZiel.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (aus < 0) {
            const int f = errno;
            ::close(ein);
            return fehler(f, z);
        }
        m_angelegt.push_back(schreibZiel);
        Ergebnis r = daten(ein, aus, q, z);
        ::close(ein);
        if (r.ok() && ::fchmod(aus, sq.st_mode & 07777) != 0)
            r = fehler(errno, z);
        if (r.ok()) {
            const struct timespec ts[2] = {sq.st_atim, sq.st_mtim};
            if (::futimens(aus, ts) != 0)
                r = fehler(errno, z);
        }
        if (r.ok() && m_sichern && ::fdatasync(aus) != 0)
            r = fehler(errno, z);
        if (::close(aus) != 0 && r.ok())
            r = fehler(errno, z);
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
        zeitenSetzen(z, sq, true); // not every file system keeps link times
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
        return ErgebnisAusErrno(errno, QFile::decodeName(q));
    if (::lstat(z.constData(), &sz) != 0)
        return ErgebnisAusErrno(errno, QFile::decodeName(z));
    const auto abweichung = [&] {
        return Ergebnis::Fehler(EIO, QFile::decodeName(z) + QStringLiteral(": Kopie weicht vom Original ab"));
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
    DIR *d = ::opendir(q.constData());
    if (!d)
        return ErgebnisAusErrno(errno, QFile::decodeName(q));
    Ergebnis r = Ergebnis::Ok();
    for (;;) {
        errno = 0;
        const dirent *de = ::readdir(d);
        if (!de) {
            if (errno != 0)
                r = ErgebnisAusErrno(errno, QFile::decodeName(q));
            break;
        }
        if (istPunktName(de->d_name))
            continue;
        r = vergleichen(verbinden(q, de->d_name), verbinden(z, de->d_name));
        if (!r.ok())
            break;
    }
    ::closedir(d);
    return r;
}

// Whether every directory of the tree could be emptied by us, so a move never starts
// on a source that it could copy but not remove.
Ergebnis loeschbarPruefen(const QByteArray &q)
{
    struct stat st;
    if (::lstat(q.constData(), &st) != 0)
        return ErgebnisAusErrno(errno, QFile::decodeName(q));
    if (!S_ISDIR(st.st_mode))
        return Ergebnis::Ok();
    if (st.st_uid != ::geteuid() && ::faccessat(AT_FDCWD, q.constData(), R_OK | W_OK | X_OK, AT_EACCESS) != 0)
        return ErgebnisAusErrno(errno, QFile::decodeName(q));
    DIR *d = ::opendir(q.constData());
    if (!d)
        return ErgebnisAusErrno(errno, QFile::decodeName(q));
    Ergebnis r = Ergebnis::Ok();
    while (const dirent *de = ::readdir(d)) {
        if (istPunktName(de->d_name) || (de->d_type != DT_DIR && de->d_type != DT_UNKNOWN))
            continue;
        r = loeschbarPruefen(verbinden(q, de->d_name));
        if (!r.ok())
            break;
    }
    ::closedir(d);
    return r;
}

bool liegtIn(const QString &innen, const QString &aussen)
{
    return innen == aussen || innen.startsWith(aussen == u"/" ? aussen : aussen + u'/');
}

} // namespace

Ergebnis kopieren(const QString &quelle, const QString &ziel, bool ueberschreiben)
{
    const QString q = ohneEnde(quelle), z = ohneEnde(ziel);
    if (liegtIn(QDir::cleanPath(z), QDir::cleanPath(q)))
        return Ergebnis::Fehler(EINVAL, ziel + QStringLiteral(": Ziel liegt in der Quelle"));
    Kopierer k(ueberschreiben, false);
    Ergebnis r = k.objekt(QFile::encodeName(q), QFile::encodeName(z));
    if (!r.ok())
        k.aufraeumen();
    return r;
}

Ergebnis verschieben(const QString &quelle, const QString &ziel)
{
    const QString q = ohneEnde(quelle), z = ohneEnde(ziel);
    Ergebnis r = umbenennen(q, z);
    if (r.ok() || r.fehlerNummer() != EXDEV)
        return r;

    // Another file system: the source goes only after a complete, checked copy is on disk.
    if (liegtIn(QDir::cleanPath(z), QDir::cleanPath(q)))
        return Ergebnis::Fehler(EINVAL, ziel + QStringLiteral(": Ziel liegt in der Quelle"));
    const QByteArray nq = QFile::encodeName(q), nz = QFile::encodeName(z);
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
    const int dfd = ::open(QFile::encodeName(elternVon(z)).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    r = loeschenIntern(q);
    if (!r.ok()) // the complete copy stays; only part of the source may be gone
        return Ergebnis::Fehler(r.fehlerNummer(), r.text() + QStringLiteral(" (kopiert, Quelle nicht ganz gelöscht)"));
    versteckteMitnehmen(q, z);
    return Ergebnis::Ok();
}

// ---------------------------------------------------------------------------------------
// Locked test

bool blockiert(const QString &pfad)
{
    const QString p = ohneEnde(pfad);
    const QByteArray n = QFile::encodeName(p);
    struct stat st;
    if (::lstat(n.constData(), &st) != 0)
        return false;
    const QByteArray eltern = QFile::encodeName(elternVon(p));
    if (::faccessat(AT_FDCWD, eltern.constData(), W_OK | X_OK, AT_EACCESS) != 0)
        return true;
    struct stat se;
    if (::stat(eltern.constData(), &se) == 0 && (se.st_mode & S_ISVTX)) {
        const uid_t ich = ::geteuid();
        if (ich != 0 && ich != st.st_uid && ich != se.st_uid)
            return true;
    }
    if (S_ISREG(st.st_mode) || S_ISDIR(st.st_mode)) {
        const int fd = ::open(n.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
        if (fd >= 0) {
            int flags = 0;
            const bool gelesen = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
            ::close(fd);
            if (gelesen && (flags & (FS_IMMUTABLE_FL | FS_APPEND_FL)))
                return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------------------------------
// Drives

Ergebnis platz(const QString &pfad, Platz &aus)
{
    struct statvfs sv;
    if (::statvfs(nativ(pfad).constData(), &sv) != 0)
        return ErgebnisAusErrno(errno, pfad);
    aus.frei = static_cast<qint64>(sv.f_bavail) * static_cast<qint64>(sv.f_frsize);
    aus.gesamt = static_cast<qint64>(sv.f_blocks) * static_cast<qint64>(sv.f_frsize);
    return Ergebnis::Ok();
}

namespace {

bool istNetzTyp(const QByteArray &typ)
{
    static const QSet<QByteArray> netz = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "ceph", "glusterfs",
                                          "lustre", "davfs", "9p", "fuse.sshfs", "sshfs", "fuse.davfs2", "fuse.rclone",
                                          "fuse.s3fs", "fuse.glusterfs", "fuse.cephfs"};
    return netz.contains(typ);
}

bool istPseudoTyp(const QByteArray &typ)
{
    static const QSet<QByteArray> pseudo = {
        "proc",      "sysfs",   "devtmpfs", "devpts",    "tmpfs",    "cgroup",   "cgroup2",     "securityfs",
        "pstore",    "bpf",     "debugfs",  "tracefs",   "configfs", "fusectl",  "mqueue",      "hugetlbfs",
        "autofs",    "binfmt_misc", "nsfs", "ramfs",     "efivarfs", "rpc_pipefs", "selinuxfs", "squashfs",
        "overlay",   "fuse.portal", "fuse.gvfsd-fuse"};
    return pseudo.contains(typ);
}

QString mitEnde(const QString &p) { return p.endsWith(u'/') ? p : p + u'/'; }

// /proc/self/mounts escapes blanks and the like as \ooo.
QString einhaengeFeld(const QByteArray &feld)
{
    QByteArray r;
    for (qsizetype i = 0; i < feld.size(); ++i) {
        if (feld[i] == '\\' && i + 3 < feld.size()) {
            bool ok = false;
            const int wert = feld.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                r += char(wert);
                i += 3;
                continue;
            }
        }
        r += feld[i];
    }
    return QFile::decodeName(r);
}

} // namespace

QStringList laufwerke()
{
    QStringList liste{QStringLiteral("/")};
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &v : volumes) {
        if (!v.isValid() || !v.isReady())
            continue;
        const QByteArray typ = v.fileSystemType();
        if (istPseudoTyp(typ) || istNetzTyp(typ) || !v.device().startsWith('/'))
            continue;
        // Containers bind-mount single files (/etc/hosts): only directories are drives.
        if (!QFileInfo(v.rootPath()).isDir())
            continue;
        const QString punkt = mitEnde(v.rootPath());
        if (!liste.contains(punkt))
            liste.append(punkt);
    }
    return liste;
}

QStringList netzLaufwerke()
{
    QStringList liste;
    QFile f(QStringLiteral("/proc/self/mounts"));
    if (!f.open(QIODevice::ReadOnly))
        return liste;
    const QList<QByteArray> zeilen = f.readAll().split('\n');
    for (const QByteArray &zeile : zeilen) {
        const QList<QByteArray> felder = zeile.split(' ');
        if (felder.size() < 3 || !istNetzTyp(felder[2]))
            continue;
        const QString punkt = mitEnde(einhaengeFeld(felder[1]));
        if (!liste.contains(punkt))
            liste.append(punkt);
    }
    return liste;
}

QString einhaengepunkt(const QString &pfad)
{
    const QStorageInfo info(ohneEnde(pfad));
    return info.isValid() ? mitEnde(info.rootPath()) : QString();
}

QString laufwerkBezeichnung(const QString &pfad)
{
    const QStorageInfo info(ohneEnde(pfad));
    return info.isValid() ? info.name().trimmed() : QString();
}

QString laufwerkDateisystem(const QString &pfad)
{
    const QStorageInfo info(ohneEnde(pfad));
    return info.isValid() ? QString::fromLatin1(info.fileSystemType()).trimmed() : QString();
}

// ---------------------------------------------------------------------------------------
// Desktop

namespace {
Arbeitsoberflaeche *g_arbeitsoberflaeche = nullptr;
}

void arbeitsoberflaecheSetzen(Arbeitsoberflaeche *a) { g_arbeitsoberflaeche = a; }

Ergebnis oeffnen(const QString &pfad)
{
    if (!g_arbeitsoberflaeche)
        return Ergebnis::NichtMoeglich();
    return g_arbeitsoberflaeche->oeffnen(pfad);
}

Ergebnis eigenschaftenZeigen(const QString &pfad)
{
    if (!g_arbeitsoberflaeche)
        return Ergebnis::NichtMoeglich();
    return g_arbeitsoberflaeche->eigenschaftenZeigen(pfad);
}

Ergebnis oeffnenMit(const QString &programm, const QString &pfad)
{
    const QString p = ohneEnde(pfad);
    // Program and path as separate arguments: never a command line built from names.
    if (!QProcess::startDetached(programm, {p}, elternVon(p)))
        return Ergebnis::Fehler(0, programm + QStringLiteral(": Programm konnte nicht gestartet werden"));
    return Ergebnis::Ok();
}

} // namespace rinolux::plattform
