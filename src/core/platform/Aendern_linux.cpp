// Changing objects in place: attributes, times, new directories and files.

#include "core/platform/PlattformIntern_linux.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace rinolux::plattform {

using namespace intern;

Ergebnis attributeSetzen(const QString &pfad, quint32 attribute)
{
    if (attribute & (AttrSystem | AttrArchiv | AttrKomprimiert))
        return Ergebnis::NichtMoeglich();
    const QString p = pfadOhneEnde(pfad);
    const QByteArray n = nativ(p);
    struct stat st;
    if (::lstat(n.constData(), &st) != 0)
        return ErgebnisAusErrno(errno, pfad);

    const QString name = pfadName(p);
    const bool punkt = name.startsWith(u'.');
    const bool versteckt = punkt || versteckteNamen(pfadEltern(p)).contains(name);
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
        return versteckteListeAendern(pfadEltern(p), versteckenSoll ? QString() : name, versteckenSoll ? name : QString());
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

Ergebnis verzeichnisAnlegen(const QString &pfad)
{
    if (::mkdir(nativ(pfad).constData(), 0777) != 0)
        return ErgebnisAusErrno(errno, pfad);
    return Ergebnis::Ok();
}

Ergebnis leeresVerzeichnisEntfernen(const QString &pfad)
{
    if (::rmdir(nativ(pfad).constData()) != 0)
        return ErgebnisAusErrno(errno, pfad);
    return Ergebnis::Ok();
}

Ergebnis leereDateiAnlegen(const QString &pfad)
{
    if (pfad.endsWith(u'/')) // names a directory, never a file
        return ErgebnisAusErrno(EISDIR, pfad);
    Fd fd(::open(nativ(pfad).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!fd.offen())
        return ErgebnisAusErrno(errno, pfad);
    if (const int fehler = fd.schliessen(); fehler != 0)
        return ErgebnisAusErrno(fehler, pfad);
    return Ergebnis::Ok();
}

} // namespace rinolux::plattform
