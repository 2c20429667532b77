// Drives: mount points, free space, labels.

#include "core/platform/PlattformIntern_linux.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <cerrno>
#include <sys/statvfs.h>

namespace rinolux::plattform {

using namespace intern;

ErgebnisWert<Platz> platz(const QString &pfad)
{
    struct statvfs sv;
    if (::statvfs(nativ(pfad).constData(), &sv) != 0)
        return ErgebnisAusErrno(errno, pfad);
    Platz p;
    p.frei = static_cast<qint64>(sv.f_bavail) * static_cast<qint64>(sv.f_frsize);
    p.gesamt = static_cast<qint64>(sv.f_blocks) * static_cast<qint64>(sv.f_frsize);
    return p;
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
    return ausNativ(r);
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
    const QStorageInfo info(pfadOhneEnde(pfad));
    return info.isValid() ? mitEnde(info.rootPath()) : QString();
}

QString laufwerkBezeichnung(const QString &pfad)
{
    const QStorageInfo info(pfadOhneEnde(pfad));
    return info.isValid() ? info.name().trimmed() : QString();
}

QString laufwerkDateisystem(const QString &pfad)
{
    const QStorageInfo info(pfadOhneEnde(pfad));
    return info.isValid() ? QString::fromLatin1(info.fileSystemType()).trimmed() : QString();
}

} // namespace rinolux::plattform
