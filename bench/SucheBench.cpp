// The search over a large tree: a recursive search for "*.txt" over 300,000 generated
// entries beside `find DIR -name '*.txt'` on the same tree in the same run, and how soon a
// cancel set from outside (as the progress panel's button does) ends the walk.
#include "core/selection/Suche.h"
#include "core/shell/Fortschritt.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

using namespace rinolux;

namespace {

// 30 directories of 30 subdirectories of 330 files each: 930 directories and 297,000
// files, a third of them "*.txt".
constexpr int Oben = 30, Unten = 30, Dateien = 330;

void baumAnlegen(const QString &ort)
{
    const char *formate[3] = {".txt", ".jpg", ".dat"};
    for (int o = 0; o < Oben; ++o) {
        for (int u = 0; u < Unten; ++u) {
            const QByteArray v =
                QFile::encodeName(ort) + "/Ordner " + QByteArray::number(o) + "/Teil_" + QByteArray::number(u);
            QDir().mkpath(QFile::decodeName(v));
            for (int d = 0; d < Dateien; ++d) {
                const QByteArray n = v + "/Datei " + QByteArray::number(d) + formate[d % 3];
                const int fd = ::open(n.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
                if (fd >= 0)
                    ::close(fd);
            }
        }
    }
}

// RINOLUX_BENCH_BAUM names a directory to keep the tree in between runs (creating 300,000
// files takes longer than the measurements); without it a temporary one is used.
const QString &baum()
{
    static QTemporaryDir temp;
    static const QString pfad = []() -> QString {
        const QString ort = qEnvironmentVariableIsEmpty("RINOLUX_BENCH_BAUM")
                                ? temp.path()
                                : QDir(qEnvironmentVariable("RINOLUX_BENCH_BAUM")).absolutePath();
        // The last file written tells a complete tree from one cut short.
        if (!QFile::exists(ort + QStringLiteral("/Ordner %1/Teil_%2/Datei %3.dat").arg(Oben - 1).arg(Unten - 1).arg(Dateien - 1)))
            baumAnlegen(ort);
        return ort + u'/';
    }();
    return pfad;
}

SuchAuftrag txtSuche()
{
    SuchAuftrag a;
    a.art = SuchArt::Erweitert;
    a.verzeichnis = baum();
    a.mit = QStringLiteral("*.txt");
    a.unterverzeichnisse = true;
    return a;
}

// find by name alone never looks at an entry beyond its directory record; with -printf of
// size, times and mode it reads each hit's details as the search must for its cells.
double findSekunden(bool mitDetails)
{
    QStringList args{baum(), QStringLiteral("-name"), QStringLiteral("*.txt")};
    if (mitDetails)
        args << QStringLiteral("-printf") << QStringLiteral("%s %T@ %A@ %m\\n");
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(QStringLiteral("find"), args);
    p.waitForFinished(-1);
    return double(t.nsecsElapsed()) / 1e9;
}

// The walk alone, and find on the same tree in the same iteration: the ratio is taken
// pair by pair so a drift of the machine's speed does not skew it.
void BM_SucheTxtGegenFind(benchmark::State &state)
{
    const SuchAuftrag a = txtSuche();
    StillerFortschritt fort;
    double suche = 0, find = 0, findDetails = 0;
    qint64 treffer = 0;
    for (auto _ : state) {
        SuchTreffer t;
        QElapsedTimer uhr;
        uhr.start();
        const SuchErgebnis e = nxSuche(a, t, fort);
        const double s = double(uhr.nsecsElapsed()) / 1e9;
        state.SetIterationTime(s);
        treffer = e.treffer;
        suche += s;
        find += findSekunden(false);
        findDetails += findSekunden(true);
    }
    state.counters["treffer"] = double(treffer);
    state.counters["suche_ms"] = benchmark::Counter(suche * 1000, benchmark::Counter::kAvgIterations);
    state.counters["find_ms"] = benchmark::Counter(find * 1000, benchmark::Counter::kAvgIterations);
    state.counters["find_printf_ms"] = benchmark::Counter(findDetails * 1000, benchmark::Counter::kAvgIterations);
    state.counters["suche_durch_find"] = suche / find;
    state.counters["suche_durch_find_printf"] = suche / findDetails;
}
BENCHMARK(BM_SucheTxtGegenFind)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The same search with the fill of the selection list after it (rows, sort by name).
void BM_SucheTxtMitFuellen(benchmark::State &state)
{
    const SuchAuftrag a = txtSuche();
    StillerFortschritt fort;
    for (auto _ : state) {
        ListenDaten liste;
        const SuchErgebnis e = nxSucheInListe(a, liste, AuswahlFuellung{}, fort);
        benchmark::DoNotOptimize(e.treffer);
    }
}
BENCHMARK(BM_SucheTxtMitFuellen)->Unit(benchmark::kMillisecond)->Iterations(3);

// The window sets Abbruch while it runs its events inside a progress call; here another
// thread presses the button after a while, and every progress call looks at it. The time
// from the press until nxSuche returns is what the user waits for.
class KnopfFortschritt final : public StillerFortschritt
{
public:
    std::atomic<bool> gedrueckt{false};
    void FortSchritt(qint64, qint64, qint64, qint64) override
    {
        if (gedrueckt.load(std::memory_order_relaxed))
            Abbruch = true;
    }
};

void BM_AbbruchReaktion(benchmark::State &state)
{
    const SuchAuftrag a = txtSuche();
    double hoechstens = 0, summe = 0;
    int n = 0;
    for (auto _ : state) {
        KnopfFortschritt fort;
        SuchTreffer t;
        std::chrono::steady_clock::time_point gedrueckt;
        std::thread knopf([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(state.range(0)));
            gedrueckt = std::chrono::steady_clock::now();
            fort.gedrueckt = true;
        });
        const SuchErgebnis e = nxSuche(a, t, fort);
        const auto ende = std::chrono::steady_clock::now();
        knopf.join();
        if (!e.abgebrochen) {
            state.SkipWithError("die Suche war vor dem Abbruch fertig");
            break;
        }
        const double ms = std::chrono::duration<double, std::milli>(ende - gedrueckt).count();
        state.SetIterationTime(ms / 1000);
        hoechstens = std::max(hoechstens, ms);
        summe += ms;
        ++n;
    }
    state.counters["reaktion_max_ms"] = hoechstens;
    state.counters["reaktion_mittel_ms"] = n ? summe / n : 0;
}
BENCHMARK(BM_AbbruchReaktion)->Arg(50)->Arg(120)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    baum();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
