// Listing one directory of 100,000 files with size, attributes and the three times,
// beside the plain readdir + statx loop that is the floor for any such listing.
// Target: the listing takes at most 1.5 times the plain loop.

#include "core/platform/Plattform.h"
#include "core/util/nx_Adresse.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kDateien = 100'000;

// Made once per program run; removed at exit.
const QTemporaryDir &verzeichnis()
{
    static const std::unique_ptr<QTemporaryDir> dir = [] {
        auto d = std::make_unique<QTemporaryDir>();
        const QByteArray basis = QFile::encodeName(d->path()) + "/datei_";
        for (int i = 0; i < kDateien; ++i) {
            const QByteArray name = basis + QByteArray::number(i) + ".txt";
            const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
            if (fd >= 0) {
                if (i % 7 == 0)
                    [[maybe_unused]] const ssize_t n = ::write(fd, "Inhalt", 6);
                ::close(fd);
            }
        }
        return d;
    }();
    return *dir;
}

void BM_ReaddirStatx(benchmark::State &state)
{
    const QByteArray pfad = QFile::encodeName(verzeichnis().path());
    constexpr unsigned maske = STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_ATIME | STATX_MTIME | STATX_BTIME;
    for (auto _ : state) {
        DIR *d = ::opendir(pfad.constData());
        qint64 summe = 0, anzahl = 0;
        while (const dirent *de = ::readdir(d)) {
            if (de->d_name[0] == '.' && (de->d_name[1] == 0 || (de->d_name[1] == '.' && de->d_name[2] == 0)))
                continue;
            struct statx sx;
            if (::statx(::dirfd(d), de->d_name, AT_SYMLINK_NOFOLLOW, maske, &sx) != 0)
                continue;
            summe += static_cast<qint64>(sx.stx_size) + sx.stx_mtime.tv_sec + sx.stx_atime.tv_sec
                + sx.stx_btime.tv_sec + sx.stx_mode;
            ++anzahl;
        }
        ::closedir(d);
        benchmark::DoNotOptimize(summe);
        if (anzahl != kDateien)
            state.SkipWithError("falsche Anzahl");
    }
    state.SetItemsProcessed(state.iterations() * kDateien);
}

void BM_VerzeichnisLesen(benchmark::State &state)
{
    const QString pfad = verzeichnis().path() + u'/';
    for (auto _ : state) {
        qint64 summe = 0, anzahl = 0;
        const rinolux::Ergebnis r = rinolux::plattform::verzeichnisLesen(
            pfad, rinolux::plattform::Details::Alle, [&](const rinolux::plattform::Eintrag &e) {
                summe += e.groesse + e.aenderung.sekunden + e.zugriff.sekunden + e.herstellung.sekunden
                    + e.attribute + e.name.size();
                ++anzahl;
                return true;
            });
        benchmark::DoNotOptimize(summe);
        if (!r.ok() || anzahl != kDateien)
            state.SkipWithError("Lesen fehlgeschlagen");
    }
    state.SetItemsProcessed(state.iterations() * kDateien);
}

// The name-only walk used by searches and existence patterns.
void BM_DateienSuchen(benchmark::State &state)
{
    const QString pfad = verzeichnis().path() + u'/';
    for (auto _ : state) {
        QStringList pfade;
        rinolux::nxAdresseDateienSuchen(pfad, {QStringLiteral("*.txt")}, {}, false, rinolux::KeineGrenze, false,
                                        nullptr, &pfade);
        if (pfade.size() != kDateien + 1)
            state.SkipWithError("falsche Anzahl");
        benchmark::DoNotOptimize(pfade);
    }
    state.SetItemsProcessed(state.iterations() * kDateien);
}

BENCHMARK(BM_ReaddirStatx)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_VerzeichnisLesen)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_DateienSuchen)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

BENCHMARK_MAIN();
