// New files made from the data of others: one part of a file, several files joined.

#include "core/platform/PlattformIntern_linux.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace rinolux::plattform {

using namespace intern;

namespace {

// A file this call created exclusively: removed again unless it was completed, and only
// while its name still reaches it.
class NeueDatei final
{
public:
    explicit NeueDatei(QByteArray pfad) : m_pfad(std::move(pfad)) {}
    ~NeueDatei() { wegwerfen(); }
    NeueDatei(const NeueDatei &) = delete;
    NeueDatei &operator=(const NeueDatei &) = delete;

    Ergebnis anlegen()
    {
        m_fd = Fd(::open(m_pfad.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!m_fd.offen())
            return ErgebnisAusErrno(errno, ausNativ(m_pfad));
        struct stat st;
        if (::fstat(m_fd.get(), &st) == 0) {
            m_geraet = st.st_dev;
            m_inode = st.st_ino;
        }
        m_angelegt = true;
        return Ergebnis::Ok();
    }
    int fd() const { return m_fd.get(); }
    const QByteArray &pfad() const { return m_pfad; }

    // Closes it (a late write error may show only here) and keeps it.
    Ergebnis fertig()
    {
        if (const int f = m_fd.schliessen(); f != 0)
            return ErgebnisAusErrno(f, ausNativ(m_pfad));
        m_angelegt = false;
        return Ergebnis::Ok();
    }

private:
    void wegwerfen()
    {
        static_cast<void>(m_fd.schliessen()); // the failure is reported already
        if (!m_angelegt)
            return;
        m_angelegt = false;
        struct stat st;
        if (::lstat(m_pfad.constData(), &st) == 0 && st.st_dev == m_geraet && st.st_ino == m_inode)
            static_cast<void>(::unlink(m_pfad.constData())); // best effort after a failure
    }

    QByteArray m_pfad;
    Fd m_fd;
    dev_t m_geraet = 0;
    ino_t m_inode = 0;
    bool m_angelegt = false;
};

// A source opened for reading: a regular file only (a fifo would block, a directory has
// no data), never waiting on a device.
Ergebnis quelleOeffnen(const QByteArray &pfad, Fd &fd, struct stat &st)
{
    fd = Fd(::open(pfad.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.offen())
        return ErgebnisAusErrno(errno, ausNativ(pfad));
    if (::fstat(fd.get(), &st) != 0)
        return ErgebnisAusErrno(errno, ausNativ(pfad));
    if (!S_ISREG(st.st_mode))
        return Ergebnis::Fehler(S_ISDIR(st.st_mode) ? EISDIR : EINVAL,
                                nameAnzeige(ausNativ(pfad)) + QStringLiteral(": ist keine Datei"));
    ::posix_fadvise(fd.get(), 0, 0, POSIX_FADV_SEQUENTIAL); // a hint only
    return Ergebnis::Ok();
}

Ergebnis zuKurz(const QByteArray &pfad)
{
    return Ergebnis::Fehler(EIO,
                            nameAnzeige(ausNativ(pfad)) +
                                QStringLiteral(": ist kürzer als erwartet (seit der Vorschau verändert?)"));
}

} // namespace

Ergebnis dateiTeilKopieren(const QString &quelle, qint64 von, qint64 laenge, const QString &ziel,
                           const DatenFortschritt &fort)
{
    if (von < 0 || laenge < 0)
        return ErgebnisAusErrno(EINVAL, ziel);
    const QByteArray q = nativ(quelle);
    Fd ein;
    struct stat st;
    if (Ergebnis r = quelleOeffnen(q, ein, st); !r)
        return r;
    if (laenge > 0 && qint64(st.st_size) - von < laenge)
        return zuKurz(q);
    NeueDatei aus(nativ(ziel));
    if (Ergebnis r = aus.anlegen(); !r)
        return r;
    const ErgebnisWert<qint64> n = datenKopieren(ein.get(), von, laenge, aus.fd(), q, aus.pfad(), fort);
    if (!n)
        return n.ergebnis();
    if (*n != laenge)
        return zuKurz(q);
    return aus.fertig();
}

Ergebnis dateienVerbinden(const QStringList &quellen, const QString &ziel, const DatenFortschritt &fort,
                          int *fehlendeQuelle)
{
    if (fehlendeQuelle)
        *fehlendeQuelle = -1;
    NeueDatei aus(nativ(ziel));
    if (Ergebnis r = aus.anlegen(); !r)
        return r;
    qint64 bisher = 0;
    for (qsizetype i = 0; i < quellen.size(); ++i) {
        const QByteArray q = nativ(quellen[i]);
        Fd ein;
        struct stat st;
        if (Ergebnis r = quelleOeffnen(q, ein, st); !r) {
            if (fehlendeQuelle)
                *fehlendeQuelle = int(i);
            return r;
        }
        bool anQuelle = false;
        const ErgebnisWert<qint64> n =
            datenKopieren(ein.get(), 0, -1, aus.fd(), q, aus.pfad(), fort, bisher, &anQuelle);
        if (!n) {
            if (fehlendeQuelle && anQuelle)
                *fehlendeQuelle = int(i);
            return n.ergebnis();
        }
        bisher += *n;
    }
    return aus.fertig();
}

} // namespace rinolux::plattform
