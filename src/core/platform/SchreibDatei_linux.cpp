#include "core/platform/SchreibDatei.h"

#include "core/util/PfadText.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace rinolux::plattform {

namespace {

Ergebnis fehler(int nummer, const QString &was, const QString &pfad)
{
    return ErgebnisAusErrno(nummer, was.arg(pfad));
}

Ergebnis allesSchreiben(int fd, QByteArrayView bytes, const QString &pfad)
{
    const char *p = bytes.data();
    qsizetype rest = bytes.size();
    while (rest > 0) {
        const ssize_t n = ::write(fd, p, size_t(rest));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fehler(errno, QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden"), pfad);
        }
        if (n == 0) // no progress and no error: the device takes nothing more
            return fehler(ENOSPC, QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden"), pfad);
        p += n;
        rest -= n;
    }
    return Ergebnis::Ok();
}

Ergebnis sync(int fd, const QString &pfad)
{
    if (::fsync(fd) != 0)
        return fehler(errno, QStringLiteral("Die Datei \"%1\" kann nicht auf den Datenträger geschrieben werden"),
                      pfad);
    return Ergebnis::Ok();
}

QString verzeichnisVon(const QString &pfad)
{
    const qsizetype i = pfad.lastIndexOf(u'/');
    return i <= 0 ? QStringLiteral("/") : pfad.left(i);
}

} // namespace

ErgebnisWert<std::unique_ptr<SchreibDatei>> SchreibDatei::exklusivAnlegen(const QString &pfad)
{
    const QByteArray nativ = nameZuBytes(pfad);
    int fd;
    do
        fd = ::open(nativ.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return fehler(errno, QStringLiteral("Die Datei \"%1\" kann nicht angelegt werden"), pfad);
    return std::unique_ptr<SchreibDatei>(new SchreibDatei(fd, pfad));
}

SchreibDatei::~SchreibDatei()
{
    // Left without schliessen (a run that stopped early): what was written still goes to
    // the disk; nobody is left to hear about a failure.
    if (m_fd >= 0) {
        static_cast<void>(::fsync(m_fd));
        ::close(m_fd);
    }
}

Ergebnis SchreibDatei::schreiben(QByteArrayView bytes)
{
    if (m_fd < 0)
        return Ergebnis::Fehler(EBADF, QStringLiteral("Die Datei \"%1\" ist schon geschlossen.").arg(m_pfad));
    return allesSchreiben(m_fd, bytes, m_pfad);
}

Ergebnis SchreibDatei::synchronisieren()
{
    if (m_fd < 0)
        return Ergebnis::Fehler(EBADF, QStringLiteral("Die Datei \"%1\" ist schon geschlossen.").arg(m_pfad));
    return sync(m_fd, m_pfad);
}

Ergebnis SchreibDatei::schliessen()
{
    if (m_fd < 0)
        return Ergebnis::Fehler(EBADF, QStringLiteral("Die Datei \"%1\" ist schon geschlossen.").arg(m_pfad));
    Ergebnis e = sync(m_fd, m_pfad);
    const int fd = m_fd;
    m_fd = -1;
    // close can report a delayed write error (network file systems): it counts as one.
    if (::close(fd) != 0 && e.ok() && errno != EINTR)
        e = fehler(errno, QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden"), m_pfad);
    return e;
}

Ergebnis dateiErsetzen(const QString &pfad, QByteArrayView bytes)
{
    // A name of our own beside the target, so the rename stays on one file system; the
    // process id and a counter keep two writers apart, O_EXCL keeps everything else safe.
    static int zaehler = 0;
    ErgebnisWert<std::unique_ptr<SchreibDatei>> temp = Ergebnis::Fehler(0, QString());
    QString tempPfad;
    for (int versuch = 0; versuch < 100; ++versuch) {
        tempPfad = pfad + QStringLiteral(".~%1_%2").arg(::getpid()).arg(++zaehler);
        temp = SchreibDatei::exklusivAnlegen(tempPfad);
        if (temp || temp.ergebnis().fehlerNummer() != EEXIST)
            break;
    }
    if (!temp)
        return temp.ergebnis();
    const QByteArray tempNativ = nameZuBytes(tempPfad);
    Ergebnis e = (*temp)->schreiben(bytes);
    if (e)
        e = (*temp)->schliessen();
    // The one deliberate replacing rename: the caller asks to overwrite (ueberschreiben) its
    // own file with the new content, and a plain rename makes that atomic.
    if (e && ::rename(tempNativ.constData(), nameZuBytes(pfad).constData()) != 0)
        e = fehler(errno, QStringLiteral("Die Datei \"%1\" kann nicht ersetzt werden"), pfad);
    if (!e) {
        ::unlink(tempNativ.constData());
        return e;
    }
    // The rename is durable only once the directory is synced; a failure here leaves the
    // new content in place, so it is not reported.
    const int dir = ::open(nameZuBytes(verzeichnisVon(pfad)).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        static_cast<void>(::fsync(dir));
        ::close(dir);
    }
    return Ergebnis::Ok();
}

Ergebnis dateiLoeschen(const QString &pfad)
{
    if (::unlink(nameZuBytes(pfad).constData()) != 0)
        return fehler(errno, QStringLiteral("Die Datei \"%1\" kann nicht gelöscht werden"), pfad);
    return Ergebnis::Ok();
}

} // namespace rinolux::plattform
