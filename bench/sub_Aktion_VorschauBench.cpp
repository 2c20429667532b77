// The preview of "Ändern: alle Leerzeichen durch _ ersetzen" on 100,000 entries, beside the
// dry run of the Debian `rename` tool (rename -n 's/ /_/g') on the very same names, and
// `rinolux-regel --verzeichnis` end to end on the same directory.
//
//   build-rel/bench/sub_Aktion_VorschauBench --benchmark_min_time=2
//
// "Vorschau" is the preview step itself: rows from the marked entries, the rule on every
// row, the checks and the summary. The entries were listed and filled in beforehand.
// "RenameTrockenlauf" and "RinoluxRegelVerzeichnis" are wall times of whole processes;
// "RinoluxRegelGegenRename" runs the two in turn in every iteration, so a change of load hits
// both alike, and reports their mean times and the ratio rinolux-regel / rename.

#include "BenchNamen.h"
#include "core/engine/RegelListe.h"
#include "core/engine/sub_Aktion_Vorschau.h"
#include "core/platform/Plattform.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Fortschritt.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

using namespace rinolux;

namespace {

constexpr int kAnzahl = 100000;
const QString kRegel = QStringLiteral("Ändern: alle Leerzeichen durch _ ersetzen");

struct Bestand : bench::Namen
{
    QString regelCode;
};

Bestand &bestand()
{
    static Bestand b = [] {
        Bestand x;
        bench::namenAnlegen(x, kAnzahl);
        x.regelCode = bench::standardRegelCode(kRegel);
        return x;
    }();
    return b;
}

void Vorschau(benchmark::State &state)
{
    Bestand &b = bestand();
    StillerFortschritt fort;
    for (auto _ : state) {
        ListenDaten v(VZelle::Anzahl);
        VorschauZeilenAufbauen(v, b.auswahl, 221);
        const VorschauLaufErgebnis e = Aktion_VorschauAnzeigen(v, b.auswahl, b.regelCode, {}, fort);
        if (e.zeilen != kAnzahl || e.fehler != 0)
            state.SkipWithError("unerwartetes Ergebnis der Vorschau");
        benchmark::DoNotOptimize(e);
    }
    state.SetItemsProcessed(state.iterations() * kAnzahl);
}
BENCHMARK(Vorschau)->Unit(benchmark::kMillisecond)->UseRealTime();

// One dry run of rename on the names, fed through stdin; false when it did not run.
bool renameLaufen(const Bestand &b)
{
    QProcess p;
    p.setWorkingDirectory(b.pfad);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(QStringLiteral("rename"), {QStringLiteral("-n"), QStringLiteral("s/ /_/g")});
    p.write(b.zeilen);
    p.closeWriteChannel();
    return p.waitForFinished(600000) && p.exitCode() == 0;
}

// One run of rinolux-regel on the directory, with its own configuration directory.
bool rinoluxRegelLaufen(const Bestand &b, const QTemporaryDir &konfig)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), konfig.path());
    p.setProcessEnvironment(env);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(QStringLiteral(RINOLUX_REGEL_PROGRAMM), {QStringLiteral("--regel"), kRegel, QStringLiteral("--verzeichnis"), b.pfad});
    return p.waitForFinished(600000) && p.exitCode() == 0;
}

void RenameTrockenlauf(benchmark::State &state)
{
    Bestand &b = bestand();
    for (auto _ : state)
        if (!renameLaufen(b))
            state.SkipWithError("rename -n ist nicht gelaufen");
}
BENCHMARK(RenameTrockenlauf)->Unit(benchmark::kMillisecond)->UseRealTime();

void RinoluxRegelVerzeichnis(benchmark::State &state)
{
    Bestand &b = bestand();
    QTemporaryDir konfig;
    for (auto _ : state)
        if (!rinoluxRegelLaufen(b, konfig))
            state.SkipWithError("rinolux-regel ist nicht gelaufen");
}
BENCHMARK(RinoluxRegelVerzeichnis)->Unit(benchmark::kMillisecond)->UseRealTime();

void RinoluxRegelGegenRename(benchmark::State &state)
{
    Bestand &b = bestand();
    QTemporaryDir konfig;
    double renameMs = 0;
    double rinoluxMs = 0;
    for (auto _ : state) {
        QElapsedTimer uhr;
        uhr.start();
        if (!renameLaufen(b))
            state.SkipWithError("rename -n ist nicht gelaufen");
        renameMs += double(uhr.nsecsElapsed()) / 1e6;
        uhr.restart();
        if (!rinoluxRegelLaufen(b, konfig))
            state.SkipWithError("rinolux-regel ist nicht gelaufen");
        rinoluxMs += double(uhr.nsecsElapsed()) / 1e6;
    }
    const double n = double(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["rename_ms"] = renameMs / n;
    state.counters["rinolux_regel_ms"] = rinoluxMs / n;
    state.counters["verhaeltnis"] = renameMs > 0 ? rinoluxMs / renameMs : 0;
}
BENCHMARK(RinoluxRegelGegenRename)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

} // namespace

BENCHMARK_MAIN();
