#include "core/actions/RueckDaten.h"

#include "core/util/nx_Format.h"
#include "core/util/nx_Zeit.h"
#include "core/util/nx_ZeichenEinfach.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace rinolux {

namespace {

const QString kAnfang = QStringLiteral("Rinol_Rück805_");

class DateiSchreiber final : public RueckSchreiber
{
public:
    explicit DateiSchreiber(int fd) : m_fd(fd) {}
    ~DateiSchreiber() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    Ergebnis zeilen(const QString &text)
    {
        const QByteArray b = text.toUtf8();
        qsizetype weg = 0;
        while (weg < b.size()) {
            const ssize_t n = ::write(m_fd, b.constData() + weg, size_t(b.size() - weg));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return ErgebnisAusErrno(errno, QStringLiteral("Rück-Datei schreiben"));
            }
            weg += n;
        }
        const qint64 jetzt = QDateTime::currentMSecsSinceEpoch();
        if (jetzt - m_gesynct >= 1000) {
            m_gesynct = jetzt;
            if (::fdatasync(m_fd) != 0)
                return ErgebnisAusErrno(errno, QStringLiteral("Rück-Datei schreiben"));
        }
        return Ergebnis::Ok();
    }
    QString verz(const QString &verzeichnis)
    {
        if (verzeichnis == m_letztes)
            return QString();
        m_letztes = verzeichnis;
        return QStringLiteral(":\r\n") + verzeichnis + QStringLiteral("\r\n");
    }
    Ergebnis satz(const QString &verzeichnis, const QString &name, const QString &wert, bool v) override
    {
        return zeilen(verz(verzeichnis) + name + QStringLiteral("\r\n") + wert + QStringLiteral("\r\n") +
                      (v ? QStringLiteral("v\r\n") : QStringLiteral("d\r\n")));
    }
    Ergebnis zweiterAbschnitt() override { return zeilen(QStringLiteral("::\r\n")); }
    Ergebnis abschluss(qint64 nummer, const QString &verzeichnis, const QString &name, const QString &wert,
                       bool v) override
    {
        return zeilen(QString::number(nummer) + QStringLiteral("\r\n") + verz(verzeichnis) + name +
                      QStringLiteral("\r\n") + wert + QStringLiteral("\r\n") +
                      (v ? QStringLiteral("v\r\n") : QStringLiteral("d\r\n")));
    }
    Ergebnis schliessen(qint64 erste, qint64 zweite, qint64 fehler) override
    {
        Ergebnis e = zeilen(QStringLiteral(":::\r\n") + nxZahlNullen(10, erste) + nxZahlNullen(10, zweite) +
                            nxZahlNullen(10, fehler) + QStringLiteral("\r\n"));
        if (e && ::fsync(m_fd) != 0)
            e = ErgebnisAusErrno(errno, QStringLiteral("Rück-Datei schreiben"));
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0 && e)
            e = ErgebnisAusErrno(errno, QStringLiteral("Rück-Datei schließen"));
        return e;
    }

private:
    int m_fd;
    QString m_letztes = QStringLiteral("|");
    qint64 m_gesynct = 0;
};

} // namespace

ErgebnisWert<std::unique_ptr<RueckSchreiber>> RueckDateiAnlegen(const QString &pfad, int rueckCode,
                                                               const QString &beschreibung)
{
    const QByteArray p = QFile::encodeName(pfad);
    const int fd = ::open(p.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return ErgebnisAusErrno(errno, QStringLiteral("Rück-Datei anlegen"));
    auto s = std::make_unique<DateiSchreiber>(fd);
    const Ergebnis e = s->zeilen(QStringLiteral("Warnung: Änderungen in dieser Datei können zu Fehlern führen!\r\n") +
                                 nxZeitTextAusDatum(QDateTime::currentDateTime()) + u'\t' +
                                 QString::number(rueckCode) + u'\t' + beschreibung + QStringLiteral("\r\n"));
    if (!e)
        return e;
    return std::unique_ptr<RueckSchreiber>(std::move(s));
}

RueckIndex::RueckIndex(QString verzeichnis) : m_verzeichnis(std::move(verzeichnis)) {}

QString RueckIndex::dateiPfad(const QString &nummer) const
{
    return m_verzeichnis + kAnfang + nummer + QStringLiteral(".cfg");
}

void RueckIndex::IniListeRueck_Lesen()
{
    m_eintraege.clear();
    QDir d(m_verzeichnis);
    const QStringList namen = d.entryList({kAnfang + QStringLiteral("??????????.cfg")}, QDir::Files, QDir::Name);
    for (const QString &name : namen) {
        QFile f(m_verzeichnis + name);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        static_cast<void>(f.readLine(4096)); // warning line
        const QStringList felder = QString::fromUtf8(f.readLine(65536)).trimmed().split(u'\t');
        if (felder.size() < 3)
            continue;
        RueckIndexEintrag e;
        e.zeit = felder[0];
        e.code = felder[1].toInt();
        e.beschreibung = felder[2];
        e.nummer = name.mid(kAnfang.size(), 10);
        if (f.size() >= 37 && f.seek(f.size() - 37)) {
            const QByteArray schluss = f.read(37);
            if (schluss.startsWith(":::\r\n")) {
                e.anzahl = schluss.mid(5, 10).toLongLong();
                e.anzahl2 = schluss.mid(15, 10).toLongLong();
                e.fehler = schluss.mid(25, 10).toLongLong();
                m_eintraege.push_back(e);
                continue;
            }
        }
        e.fehler = -1;
        m_eintraege.push_back(e);
    }
}

ErgebnisWert<QString> RueckIndex::Aktion_NeueRueckDateiNr() const
{
    std::u32string nr = m_eintraege.empty() ? std::u32string(U"0000000001")
                                            : nxZeichenZaehlenStandard(m_eintraege.back().nummer.toStdU32String(), 1);
    for (int versuch = 0; versuch < 500; ++versuch) {
        const QString q = QString::fromStdU32String(nr);
        if (!QFile::exists(dateiPfad(q)))
            return q;
        nr = nxZeichenZaehlenStandard(nr, 1);
    }
    return Ergebnis::Fehler(EEXIST, QStringLiteral("Keine Nummer für eine neue Rück-Datei ist frei."));
}

void RueckIndex::IniListeRueck_EinenAnhaengen(const QString &nummer, int code, const QString &beschreibung,
                                              bool trimmen, int maxRueck, qint64 fehler, qint64 anzahl2,
                                              qint64 anzahl)
{
    RueckIndexEintrag e;
    e.zeit = nxZeitTextAusDatum(QDateTime::currentDateTime());
    e.code = code;
    e.beschreibung = beschreibung;
    e.anzahl = anzahl;
    e.anzahl2 = anzahl2;
    e.fehler = fehler;
    e.nummer = nummer;
    m_eintraege.push_back(e);
    if (trimmen)
        while (int(m_eintraege.size()) > std::max(0, maxRueck))
            IniListeRueck_EinenLoeschen(1);
}

void RueckIndex::IniListeRueck_EinenLoeschen(int i)
{
    if (i < 1 || i > anzahl())
        return;
    QFile::remove(dateiPfad(m_eintraege[size_t(i - 1)].nummer));
    m_eintraege.erase(m_eintraege.begin() + (i - 1));
}

} // namespace rinolux
