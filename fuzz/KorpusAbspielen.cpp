// Without libFuzzer (no clang): runs every file named on the command line, or found in a
// directory named there, through the target once. Options ("-max_total_time=30") are
// ignored, so the same command line serves both builds.

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse);

namespace {

bool abspielen(const QString &pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "nicht lesbar: %s\n", qUtf8Printable(pfad));
        return false;
    }
    const QByteArray bytes = datei.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    int gespielt = 0;
    bool allesLesbar = true;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(u'-'))
            continue;
        if (QFileInfo(arg).isDir()) {
            QStringList dateien;
            QDirIterator it(arg, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext())
                dateien << it.next();
            dateien.sort();
            for (const QString &d : dateien) {
                allesLesbar = abspielen(d) && allesLesbar;
                ++gespielt;
            }
        } else {
            allesLesbar = abspielen(arg) && allesLesbar;
            ++gespielt;
        }
    }
    std::printf("%d Eingaben abgespielt\n", gespielt);
    return allesLesbar ? 0 : 1;
}
