// Sorting 300,000 random file names through the sort engine, beside `sort -f` on the very
// same names (written to a temporary file, one per line, UTF-8).
//
//   build-rel/bench/nx_TextSortierenBench --benchmark_min_time=1
//
// "Sortieren" includes computing the keys; "NurSchluessel" only computes them;
// "NurVergleich" sorts keys made beforehand; "ZeitTexte" sorts 300,000 time texts by bytes;
// the "kollator:1" variants hold one further name ("Café") that the cheap keys do not
// cover, so the whole field takes the collator's keys: the cost before the cheap keys.
// "Auswahl" sorts a selection list of the names by "Name.Format" (natural keys from the
// stored cells), likewise with and without that one name. "Einrichten" opens the collator
// and finds the characters the cheap keys cover, in a new thread each time (done once
// per thread, once it has keyed some thousand texts);
// "SortMinusF" is the wall time of the external `sort -f` process (reading and writing
// its files included), in the locale the benchmark runs in; its counter sort_cpu_ms is the
// CPU time of those processes.

#include "core/selection/sub_Auswahl.h"
#include "core/selection/sub_Sortieren.h"
#include "core/util/nx_Text.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <thread>

using namespace rinolux;

namespace {

constexpr int kAnzahl = 300000;

// Names like those of a photo or document folder: words with umlauts, ß and hyphens,
// numbers, mixed case, a format.
const TextFeld &namen()
{
    static const TextFeld feld = [] {
        QRandomGenerator zufall(20240305);
        const QStringList woerter = {QStringLiteral("Urlaub"), QStringLiteral("Straße"), QStringLiteral("Äpfel"),
                                     QStringLiteral("apfel"),  QStringLiteral("Bär"),    QStringLiteral("IMG"),
                                     QStringLiteral("dsc"),    QStringLiteral("Übersicht"), QStringLiteral("Öl"),
                                     QStringLiteral("Masse"),  QStringLiteral("Konto-Auszug"), QStringLiteral("zebra")};
        const QStringList formate = {QStringLiteral(".jpg"), QStringLiteral(".JPG"), QStringLiteral(".pdf"),
                                     QStringLiteral(".txt"), QString()};
        const QString buchstaben = QStringLiteral("abcdefghijklmnopqrstuvwxyzäöüßABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ-_ ");
        TextFeld f;
        f.reserve(kAnzahl + 1);
        f.append(QString());
        for (int i = 0; i < kAnzahl; ++i) {
            QString n = woerter[zufall.bounded(int(woerter.size()))];
            const int extra = zufall.bounded(12);
            for (int j = 0; j < extra; ++j)
                n += buchstaben[zufall.bounded(int(buchstaben.size()))];
            n += QString::number(zufall.bounded(100000));
            n += formate[zufall.bounded(int(formate.size()))];
            f.append(n);
        }
        return f;
    }();
    return feld;
}

// The names, with "Café" at the end when the field is to take the collator's keys.
const TextFeld &feld(bool kollator)
{
    static const TextFeld mitFremdem = [] {
        TextFeld f = namen();
        f.append(QStringLiteral("Caf\u00e9"));
        return f;
    }();
    return kollator ? mitFremdem : namen();
}

int anzahl(const TextFeld &f)
{
    return int(f.size() - 1);
}

void Sortieren(benchmark::State &state)
{
    const TextFeld &f = feld(state.range(0) != 0);
    for (auto _ : state) {
        auto p = nxFeldSortieren(f);
        benchmark::DoNotOptimize(p);
    }
    state.SetItemsProcessed(state.iterations() * anzahl(f));
}
BENCHMARK(Sortieren)->ArgName("kollator")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void NurSchluessel(benchmark::State &state)
{
    const TextFeld &f = feld(state.range(0) != 0);
    for (auto _ : state) {
        SortSchluessel s(anzahl(f));
        s.textFeld([&f](int i) { return f.at(i); });
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(NurSchluessel)->ArgName("kollator")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void NurVergleich(benchmark::State &state)
{
    const TextFeld &f = feld(state.range(0) != 0);
    SortSchluessel s(anzahl(f));
    s.textFeld([&f](int i) { return f.at(i); });
    for (auto _ : state) {
        auto p = nxFeldSortieren(s);
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(NurVergleich)->ArgName("kollator")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void Auswahl(benchmark::State &state)
{
    const TextFeld &f = feld(state.range(0) != 0);
    ListenDaten l;
    nxAuswahlListeVorbereiten(l);
    for (int i = 1; i <= anzahl(f); ++i) {
        const int z = l.ZeilenAnhaengen(1);
        l.ZelleSetzen(z, AZelle::Pfad, QStringLiteral("/home/benutzer/Bilder/"));
        l.ZelleSetzen(z, AZelle::Name, f.at(i));
    }
    for (auto _ : state) {
        if (!nxAuswahlSortieren(l, 3, false, {}, nullptr))
            state.SkipWithError("sort stopped");
        state.PauseTiming();
        l.ReihenfolgeIdentitaet();
        state.ResumeTiming();
    }
}
BENCHMARK(Auswahl)->ArgName("kollator")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void Einrichten(benchmark::State &state)
{
    for (auto _ : state) {
        bool bereit = false;
        std::thread t([&bereit] { bereit = nxTextSchnellVorbereiten(); });
        t.join();
        if (!bereit)
            state.SkipWithError("no cheap keys");
    }
}
BENCHMARK(Einrichten)->UseRealTime()->Unit(benchmark::kMillisecond);

// Time texts sort as plain bytes (the selection list's time columns).
void ZeitTexte(benchmark::State &state)
{
    QRandomGenerator zufall(1709618889);
    std::vector<QByteArray> zeiten;
    zeiten.reserve(kAnzahl);
    for (int i = 0; i < kAnzahl; ++i) {
        zeiten.push_back(QString::asprintf("%04d%02d%02d_%02d%02d%02d_%03d_%d", 1990 + zufall.bounded(35),
                                           1 + zufall.bounded(12), 1 + zufall.bounded(28), zufall.bounded(24),
                                           zufall.bounded(60), zufall.bounded(60), zufall.bounded(1000),
                                           1 + zufall.bounded(7))
                             .toLatin1());
    }
    for (auto _ : state) {
        SortSchluessel s(kAnzahl);
        s.bytesFeld([&zeiten](int i) { return zeiten[size_t(i - 1)]; });
        auto p = nxFeldSortieren(s);
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(ZeitTexte)->Unit(benchmark::kMillisecond);

void SortMinusF(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString ein = dir.filePath(QStringLiteral("namen.txt"));
    const QString aus = dir.filePath(QStringLiteral("sortiert.txt"));
    {
        QFile datei(ein);
        if (!datei.open(QIODevice::WriteOnly)) {
            state.SkipWithError("temporary file");
            return;
        }
        const TextFeld &f = namen();
        QByteArray alles;
        for (int i = 1; i <= kAnzahl; ++i)
            alles += f.at(i).toUtf8() + '\n';
        datei.write(alles);
    }
    auto kinderCpu = [] {
        rusage r{};
        getrusage(RUSAGE_CHILDREN, &r);
        return double(r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1e3 + double(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e3;
    };
    const double cpuVorher = kinderCpu();
    for (auto _ : state) {
        QElapsedTimer uhr;
        uhr.start();
        QProcess sort;
        sort.start(QStringLiteral("sort"), {QStringLiteral("-f"), QStringLiteral("-o"), aus, ein});
        if (!sort.waitForFinished(60000) || sort.exitCode() != 0) {
            state.SkipWithError("sort -f failed");
            return;
        }
        state.SetIterationTime(double(uhr.nsecsElapsed()) / 1e9);
    }
    // CPU time of the sort processes (user + system), comparable with the CPU column above.
    state.counters["sort_cpu_ms"] = (kinderCpu() - cpuVorher) / double(state.iterations());
}
BENCHMARK(SortMinusF)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
