#include "core/util/nx_Debug.h"

#include "core/shell/Prozess.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace rinolux {

namespace {

struct DebugZustand
{
    bool an = false;
    bool beschaeftigt = false;
    int tiefe = 0;
    QDateTime start;
};

DebugZustand &zustand()
{
    static DebugZustand z;
    return z;
}

enum class Marke { Keine, Rein, Raus };

QString stempel()
{
    const QDateTime jetzt = QDateTime::currentDateTime();
    if (jetzt.date().year() < 1900)
        return QStringLiteral("????????_??????__");
    return jetzt.toString(QStringLiteral("yyyyMMdd_HHmmss")) + QStringLiteral("__");
}

QString einzug(int tiefe, Marke marke)
{
    QString s;
    s.reserve(tiefe);
    for (int j = 1; j <= tiefe; ++j) {
        switch (j % 3) {
        case 1: s += u'}'; break;
        case 2: s += u')'; break;
        default: s += u'|'; break;
        }
    }
    if (tiefe > 0 && marke != Marke::Keine)
        s[s.size() - 1] = marke == Marke::Rein ? u'/' : u'\\';
    return s;
}

void schreiben(const QString &text, Marke marke)
{
    DebugZustand &z = zustand();
    if (!z.an)
        return;
    // One thread only: a nested write can only come from a re-entered event loop, and
    // waiting for ourselves could never end, so a nested line is simply written too.
    const bool warBeschaeftigt = z.beschaeftigt;
    z.beschaeftigt = true;

    QString zeile = stempel() + einzug(z.tiefe, marke);
    if (marke == Marke::Rein)
        zeile += QStringLiteral("¯¯¯");
    else if (marke == Marke::Raus)
        zeile += QStringLiteral("___");
    zeile += text;
    zeile += QStringLiteral("\r\n");

    QFile datei(nxDebugDateiName());
    if (datei.open(QIODevice::WriteOnly | QIODevice::Append)) {
        datei.write(zeile.toUtf8());
        datei.flush();
        datei.close();
    }
    z.beschaeftigt = warBeschaeftigt;
}

} // namespace

QString nxDebugDateiName()
{
    if (ProgPfad.isEmpty())
        ProzessWerteSetzen(ProgDateiName);
    return ProgPfad + ProgDateiName + QStringLiteral("_Ablauf.txt");
}

bool nxDebugAn() { return zustand().an; }
int nxDebugTiefe() { return zustand().tiefe; }

void nxDebugStart(const QString &text, bool nurWennVorhanden)
{
    const QString name = nxDebugDateiName();
    if (nurWennVorhanden && !QFileInfo::exists(name))
        return;
    DebugZustand &z = zustand();
    z.beschaeftigt = false;
    z.an = true;
    z.start = QDateTime::currentDateTime();
    QDir().mkpath(QFileInfo(name).absolutePath());
    QFile datei(name);
    if (datei.open(QIODevice::WriteOnly | QIODevice::Truncate))
        datei.close();
    z.tiefe = 0;
    schreiben(text.isEmpty() ? QStringLiteral("Programm-Anfang") : QStringLiteral("Programm-Anfang, ") + text,
              Marke::Keine);
}

void nxDebugZeile(const QString &text) { schreiben(text, Marke::Keine); }

void nxDebugRein(const QString &text)
{
    DebugZustand &z = zustand();
    if (!z.an)
        return;
    ++z.tiefe;
    schreiben(text, Marke::Rein);
}

void nxDebugRaus(const QString &text)
{
    DebugZustand &z = zustand();
    if (!z.an)
        return;
    schreiben(text, Marke::Raus);
    z.tiefe = std::max(0, z.tiefe - 1);
}

QString nxDebugLaufzeitText(qint64 s)
{
    const qint64 stunden = s / 3600;
    const qint64 minuten = s / 60 - stunden * 60;
    const qint64 sekunden = s - stunden * 3600 - minuten * 60;
    return QString::number(stunden) + QStringLiteral(" Stunden + ") + QString::number(minuten) +
           QStringLiteral(" Minuten + ") + QString::number(sekunden) + QStringLiteral(" Sekunden");
}

void nxDebugEnde()
{
    DebugZustand &z = zustand();
    if (!z.an)
        return;
    const qint64 s = std::max<qint64>(0, z.start.secsTo(QDateTime::currentDateTime()));
    schreiben(QStringLiteral("Programm-Ende (Laufzeit = ") + nxDebugLaufzeitText(s) + u')', Marke::Keine);
    z.an = false;
}

void nxDebugArchiv(int behalten)
{
    const QString logName = nxDebugDateiName();
    const QFileInfo logInfo(logName);
    const QDir dir = logInfo.absoluteDir();
    const QStringList namen =
        dir.entryList({logInfo.fileName() + QStringLiteral("_*")}, QDir::Files | QDir::Hidden | QDir::System);
    QList<QByteArray> pfade;
    for (const QString &n : namen)
        pfade.append(dir.absoluteFilePath(n).toUtf8());
    // Plain byte order: with zero-padded numbers the smallest is the oldest.
    std::sort(pfade.begin(), pfade.end());
    qsizetype loeschen = pfade.size() >= behalten ? pfade.size() - behalten + 1 : 0;
    for (qsizetype i = 0; i < loeschen; ++i)
        QFile::remove(QString::fromUtf8(pfade[i]));
    pfade.remove(0, loeschen);

    qint64 naechste = 1;
    if (!pfade.isEmpty()) {
        const QString groesste = QString::fromUtf8(pfade.last());
        const qsizetype strich = groesste.lastIndexOf(u'_');
        const qsizetype punkt = groesste.lastIndexOf(u'.');
        const qsizetype trenner = groesste.lastIndexOf(u'/');
        if (trenner < strich && strich < punkt) {
            bool ok = false;
            const qint64 zahl = groesste.mid(strich + 1, punkt - strich - 1).toLongLong(&ok);
            if (ok && zahl >= 0 && zahl < std::numeric_limits<qint64>::max())
                naechste = zahl + 1;
        }
    }
    const QString archiv =
        logName + u'_' + QStringLiteral("%1").arg(naechste, 8, 10, QChar(u'0')) + QStringLiteral(".txt");
    if (logInfo.exists()) // a missing log is no error: nothing is copied
        QFile::copy(logName, archiv);
}

} // namespace rinolux
