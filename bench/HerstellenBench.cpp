// Splitting a 1 GiB file into 10 parts and joining the parts back, through the creation
// rows, beside "split -n 10" and "cat" of the very same file, in the same run.
//
//   build-rel/bench/HerstellenBench
//   RINOLUX_BENCH_VERZ=/tmp build-rel/bench/HerstellenBench
//
// The file lies on disk (/var/tmp unless RINOLUX_BENCH_VERZ says otherwise). "teilen" is
// ten part rows and "verbinden" one joined-file row, each with the progress callback the
// carry-out gives them; "split" and "cat" are the system's programs writing into the same
// directory. Each iteration runs all four in turn, so a change of load or cache hits them
// alike; the outputs are removed and the disk synced untimed. The first iteration checks
// that both joins give back the original. Argument 1 runs ours through the buffered loop
// that takes over where the kernel cannot copy. Reported: the mean times and the ratio of ours
// to theirs for split, join and both together. Target: at most 1.2.

#include "core/actions/sub_Aktion_Herstellen.h"
#include "core/platform/PlattformIntern_linux.h"
#include "core/shell/Fortschritt.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace rinolux;

namespace {

constexpr qint64 kGroesse = qint64(1) << 30;
constexpr int kTeile = 10;

std::unique_ptr<QTemporaryDir> dateiAnlegen()
{
    const QString wahl = qEnvironmentVariable("RINOLUX_BENCH_VERZ");
    const QString ort = wahl.isEmpty() ? QStringLiteral("/var/tmp") : wahl;
    auto dir = std::make_unique<QTemporaryDir>(ort + QStringLiteral("/rinolux-bench-XXXXXX"));
    if (!dir->isValid())
        qFatal("kein Verzeichnis in %s", qPrintable(ort));
    QFile datei(dir->path() + QStringLiteral("/gross.bin"));
    if (!datei.open(QIODevice::WriteOnly))
        qFatal("kann nicht schreiben: %s", qPrintable(datei.fileName()));
    QByteArray stueck(64 << 20, '\0');
    quint32 x = 2463534242u;
    for (qint64 geschrieben = 0; geschrieben < kGroesse; geschrieben += stueck.size()) {
        for (char &c : stueck) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            c = char(x);
        }
        if (datei.write(stueck) != stueck.size())
            qFatal("kann nicht schreiben: %s", qPrintable(datei.fileName()));
    }
    return dir;
}

bool gleich(const QString &a, const QString &b)
{
    return QProcess::execute(QStringLiteral("cmp"), {QStringLiteral("-s"), a, b}) == 0;
}

void aufraeumen(const QString &wurzel)
{
    for (const QString &n : QDir(wurzel).entryList(QDir::Files))
        if (n != u"gross.bin")
            QFile::remove(wurzel + n);
    QProcess::execute(QStringLiteral("sync"), {});
}

void TeilenVerbindenGegenSplitCat(benchmark::State &state)
{
    plattform::intern::nachbildung().ohneKernelKopie = state.range(0) == 1;
    const std::unique_ptr<QTemporaryDir> dir = dateiAnlegen();
    const QString wurzel = dir->path() + u'/';
    const QString quelle = wurzel + QStringLiteral("gross.bin");
    aufraeumen(wurzel);
    QStringList teile, voll, splitTeile;
    for (int k = 1; k <= kTeile; ++k) {
        teile.append(QStringLiteral("gross.bin.%1").arg(k, 3, 10, QLatin1Char('0')));
        voll.append(wurzel + teile.back());
        // split -n names its parts xaa, xab, ...
        splitTeile.append(wurzel + QStringLiteral("xa") + QChar(u'a' + k - 1));
    }

    double teilenMs = 0, verbindenMs = 0, splitMs = 0, catMs = 0;
    bool geprueft = false;
    for (auto _ : state) {
        StillerFortschritt fort;
        QElapsedTimer uhr;
        uhr.start();
        for (int k = 1; k <= kTeile; ++k) {
            HerstellAuftrag a;
            a.art = HerstellArt::Teil;
            a.quelle = quelle;
            a.zielVerz = wurzel;
            a.zielName = teile[k - 1];
            a.teilNummer = k;
            a.teileAnzahl = kTeile;
            a.quellGroesse = kGroesse;
            if (!Aktion_HerstellenEinzeln(a, nullptr, HerstellFortschritt(fort, k, kTeile, kGroesse / kTeile))
                     .ok)
                state.SkipWithError("ein Teil ist nicht geschrieben worden");
        }
        teilenMs += double(uhr.nsecsElapsed()) / 1e6;

        uhr.restart();
        HerstellAuftrag v;
        v.art = HerstellArt::Verbunden;
        v.zielVerz = wurzel;
        v.zielName = QStringLiteral("verbunden.bin");
        v.stuecke = voll;
        if (!Aktion_HerstellenEinzeln(v, nullptr, HerstellFortschritt(fort, 1, 1, kGroesse)).ok)
            state.SkipWithError("das Verbinden ist fehlgeschlagen");
        verbindenMs += double(uhr.nsecsElapsed()) / 1e6;

        uhr.restart();
        QProcess split;
        split.setWorkingDirectory(wurzel);
        split.start(QStringLiteral("split"), {QStringLiteral("-n"), QString::number(kTeile), quelle});
        if (!split.waitForFinished(-1) || split.exitCode() != 0)
            state.SkipWithError("split ist fehlgeschlagen");
        splitMs += double(uhr.nsecsElapsed()) / 1e6;

        uhr.restart();
        QProcess cat;
        cat.setStandardOutputFile(wurzel + QStringLiteral("cat.bin"));
        cat.start(QStringLiteral("cat"), splitTeile);
        if (!cat.waitForFinished(-1) || cat.exitCode() != 0)
            state.SkipWithError("cat ist fehlgeschlagen");
        catMs += double(uhr.nsecsElapsed()) / 1e6;

        state.PauseTiming();
        if (!geprueft) {
            if (!gleich(quelle, wurzel + QStringLiteral("verbunden.bin")) ||
                !gleich(quelle, wurzel + QStringLiteral("cat.bin")))
                state.SkipWithError("das Verbundene gleicht dem Original nicht");
            geprueft = true;
        }
        aufraeumen(wurzel);
        state.ResumeTiming();
    }
    const double n = double(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["teilen_ms"] = teilenMs / n;
    state.counters["split_ms"] = splitMs / n;
    state.counters["verbinden_ms"] = verbindenMs / n;
    state.counters["cat_ms"] = catMs / n;
    state.counters["teilen_verhaeltnis"] = splitMs > 0 ? teilenMs / splitMs : 0;
    state.counters["verbinden_verhaeltnis"] = catMs > 0 ? verbindenMs / catMs : 0;
    state.counters["verhaeltnis"] = splitMs + catMs > 0 ? (teilenMs + verbindenMs) / (splitMs + catMs) : 0;
    plattform::intern::nachbildung() = {};
}

} // namespace

BENCHMARK(TeilenVerbindenGegenSplitCat)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

BENCHMARK_MAIN();
