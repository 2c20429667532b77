#include "FuzzUmgebung.h"

#include "core/shell/Prozess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHashSeed>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace rinolux::fuzz {

namespace {

std::unique_ptr<QTemporaryDir> &arbeitsVerzeichnis()
{
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}

void einrichten(int *argc, char ***argv)
{
    // A fixed hash seed keeps the runs of one input alike, which libFuzzer relies on.
    QHashSeed::setDeterministicGlobalSeed();
    static QCoreApplication app(*argc, *argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    const QString schnell = QStringLiteral("/dev/shm");
    const QFileInfo shm(schnell);
    const QString basis = shm.isDir() && shm.isWritable() ? schnell : QDir::tempPath();
    arbeitsVerzeichnis() = std::make_unique<QTemporaryDir>(basis + QStringLiteral("/rinolux-fuzz-XXXXXX"));
    if (!arbeitsVerzeichnis()->isValid()) {
        std::fprintf(stderr, "Kein Arbeitsverzeichnis unter %s\n", qUtf8Printable(basis));
        std::abort();
    }
    const QString pfad = ArbeitsPfad();
    QDir().mkpath(pfad + QStringLiteral("config"));
    QDir().mkpath(pfad + QStringLiteral("data"));
    qputenv("XDG_CONFIG_HOME", (pfad + QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", (pfad + QStringLiteral("data")).toUtf8());
    ProzessWerteSetzen(QStringLiteral("rinolux-fuzz"));
}

} // namespace

QString ArbeitsPfad()
{
    return arbeitsVerzeichnis()->path() + u'/';
}

QString Sichtbar(const QString &text)
{
    QString s;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7F && u != u'\\')
            s += c;
        else
            s += QStringLiteral("\\u{%1}").arg(uint(u), 0, 16);
    }
    return s;
}

QString Sichtbar(const QByteArray &bytes)
{
    QString s;
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        if (u >= 0x20 && u < 0x7F && u != '\\')
            s += QLatin1Char(b);
        else
            s += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
    }
    return s;
}

void Pruefen(bool bedingung, const char *was, const QString &einzelheit)
{
    if (bedingung)
        return;
    std::fprintf(stderr, "\n*** Invariante verletzt: %s\n%s\n", was, qUtf8Printable(einzelheit));
    std::fflush(stderr);
    std::abort();
}

} // namespace rinolux::fuzz

// libFuzzer calls this once before the first input; the replay main does the same.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    rinolux::fuzz::einrichten(argc, argv);
    return 0;
}
