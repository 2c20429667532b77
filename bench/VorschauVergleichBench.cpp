// The preview end to end as whole processes, at 10,000, 100,000 and 1,000,000 names, beside
// the floor (bench/vorschau_boden.c: list, sort bytewise, check collisions, print) and the
// dry runs of `rename -n` and `mmv -n` on the same names; and a rule that needs the times
// of the entries beside `find -printf '%s %T@\n'` on the same directory.
//
//   build-rel/bench/VorschauVergleichBench
//   build-rel/bench/VorschauVergleichBench --benchmark_filter=/100000/
//   RINOLUX_BENCH_VORHER=../alt/build-rel/src/rinolux-regel build-rel/bench/VorschauVergleichBench
//
// With RINOLUX_BENCH_VORHER, that rinolux-regel (an older build, say) runs beside the
// others in the same run ("...RinoluxVorher"), so a change is measured under equal load.
//
// Every process's output goes to /dev/null. Reported: wall time per run (manual time) and
// the peak resident memory of the process (peak_MiB), its CPU time (cpu_ms, user and
// system: steadier than the wall time while other work shares the machine) and its page
// faults (seitenfehler: where touching fresh memory is expensive, they are a large part of
// the time), all measured by bench/spitze_messen.c.
// Before the first run at a size, the rows of rinolux-regel and of the floor are compared as sets of lines: a floor
// that did less than the program would make the figures worthless. The names lie on tmpfs
// (/dev/shm) or where RINOLUX_BENCH_VERZ says.

#include "core/engine/RegelCode.h"

#include <QByteArray>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace rinolux;

namespace {

const char *const kRegel = "Ändern: alle Leerzeichen durch _ ersetzen";

struct Verzeichnis
{
    std::unique_ptr<QTemporaryDir> dir;
    std::string pfad;      // with trailing "/"
    std::string namenDatei; // one name per line, for rename's stdin
    std::string protokoll;  // stderr of the last run
    bool geprueft = false;
};

std::string ort()
{
    const QString wahl = qEnvironmentVariable("RINOLUX_BENCH_VERZ");
    if (!wahl.isEmpty())
        return wahl.toStdString();
    return QDir(QStringLiteral("/dev/shm")).exists() ? "/dev/shm" : QDir::tempPath().toStdString();
}

// The names of the other benchmarks: blanks, umlauts and "ß", every name distinct after
// the rule, so no tool stops at a question.
Verzeichnis &verzeichnis(int anzahl)
{
    static std::map<int, Verzeichnis> alle;
    Verzeichnis &v = alle[anzahl];
    if (v.dir)
        return v;
    v.dir = std::make_unique<QTemporaryDir>(QString::fromStdString(ort()) + QStringLiteral("/rinolux-vergleich-XXXXXX"));
    if (!v.dir->isValid())
        qFatal("kein Verzeichnis in %s", ort().c_str());
    const std::string basis = v.dir->path().toStdString();
    v.pfad = basis + "/namen/";
    if (::mkdir(v.pfad.c_str(), 0700) != 0)
        qFatal("%s kann nicht angelegt werden", v.pfad.c_str());
    v.namenDatei = basis + "/namen.txt";
    v.protokoll = basis + "/protokoll.txt";
    const char *woerter[] = {"Urlaub am See", "Foto", "Brief an Oma", "Konto Auszug", "Straße", "Übersicht Q"};
    std::string liste;
    char name[256];
    for (int i = 0; i < anzahl; ++i) {
        const int n = std::snprintf(name, sizeof name, "%s %07d.jpg", woerter[i % 6], i);
        const std::string voll = v.pfad + name;
        const int fd = ::open(voll.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0)
            qFatal("%s kann nicht angelegt werden", voll.c_str());
        ::close(fd);
        liste.append(name, size_t(n)).push_back('\n');
    }
    FILE *f = std::fopen(v.namenDatei.c_str(), "w");
    if (!f || std::fwrite(liste.data(), 1, liste.size(), f) != liste.size() || std::fclose(f) != 0)
        qFatal("%s kann nicht geschrieben werden", v.namenDatei.c_str());
    return v;
}

struct Lauf
{
    double sekunden = 0;
    double spitzeMiB = 0;
    double cpuSekunden = 0;
    double seitenfehler = 0;
    bool ok = false;
};

// Runs a command through spitze_messen with stdin from `eingabe` (or /dev/null) and stdout
// to `ausgabe` (or /dev/null) in `arbeit`; the launcher reports the wall time and the peak
// memory of the command alone on stderr, which goes to `protokoll`.
Lauf laufen(const std::vector<std::string> &befehl, const std::string &arbeit, const std::string &protokoll,
            const std::string &eingabe = {}, const std::string &ausgabe = {})
{
    std::vector<std::string> argv{RINOLUX_SPITZE_PROGRAMM};
    argv.insert(argv.end(), befehl.begin(), befehl.end());
    std::vector<char *> a;
    for (const std::string &s : argv)
        a.push_back(const_cast<char *>(s.c_str()));
    a.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int ein = ::open(eingabe.empty() ? "/dev/null" : eingabe.c_str(), O_RDONLY);
        const int aus = ::open(ausgabe.empty() ? "/dev/null" : ausgabe.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int fehler = ::open(protokoll.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (ein < 0 || aus < 0 || fehler < 0 || ::dup2(ein, 0) < 0 || ::dup2(aus, 1) < 0 || ::dup2(fehler, 2) < 0 ||
            ::chdir(arbeit.c_str()) != 0)
            ::_exit(126);
        ::execv(a[0], a.data());
        ::_exit(127);
    }
    Lauf l;
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid)
        return l;
    // rinolux-regel ends with 1 when the preview holds errors; these names give none.
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return l;
    QFile f(QString::fromStdString(protokoll));
    if (!f.open(QIODevice::ReadOnly))
        return l;
    const QList<QByteArray> zeilen = f.readAll().split('\n');
    for (auto z = zeilen.crbegin(); z != zeilen.crend(); ++z) {
        if (!z->startsWith("spitze_messen: "))
            continue;
        const QList<QByteArray> teile = z->mid(15).split(' ');
        bool a1 = false, a2 = false, a3 = false, a4 = false;
        if (teile.size() == 4) {
            l.sekunden = teile[0].toDouble(&a1);
            l.spitzeMiB = teile[1].toDouble(&a2) / 1024.0;
            l.cpuSekunden = teile[2].toDouble(&a3);
            l.seitenfehler = teile[3].toDouble(&a4);
        }
        l.ok = a1 && a2 && a3 && a4;
        break;
    }
    return l;
}

std::string boden()
{
    return QDir::cleanPath(QString::fromLocal8Bit(RINOLUX_BODEN_PROGRAMM)).toStdString();
}

// The rule of the time benchmark: every entry gets a time in series from 1 January 2020,
// which reads the present times of all entries.
std::string zeitRegelCode()
{
    TeilRegel t;
    t.code = 111;
    t.zeit.wert = QStringLiteral("20200101_000000_000");
    t.zeit.diff = QStringLiteral("1");
    Regel r;
    r.teile = {t};
    return RegelSchreiben(r).toStdString();
}

enum class Werkzeug { Boden, Rinolux, Rename, Mmv, RinoluxZeit, FindPrintf, Vorher, VorherZeit };

std::string vorher()
{
    return qEnvironmentVariable("RINOLUX_BENCH_VORHER").toStdString();
}

std::vector<std::string> befehl(Werkzeug w, const Verzeichnis &v)
{
    switch (w) {
    case Werkzeug::Boden:
        return {boden(), v.pfad};
    case Werkzeug::Rinolux:
        return {RINOLUX_REGEL_PROGRAMM, "--regel", kRegel, "--verzeichnis", v.pfad};
    case Werkzeug::Rename:
        return {"rename", "-n", "s/ /_/g"};
    case Werkzeug::Mmv:
        return {"mmv", "-n", "* *", "#1_#2"};
    case Werkzeug::RinoluxZeit:
        return {RINOLUX_REGEL_PROGRAMM, "--regelcode", zeitRegelCode(), "--verzeichnis", v.pfad};
    case Werkzeug::FindPrintf:
        return {"find", v.pfad, "-mindepth", "1", "-maxdepth", "1", "-printf", "%s %T@\\n"};
    case Werkzeug::Vorher:
        return {vorher(), "--regel", kRegel, "--verzeichnis", v.pfad};
    case Werkzeug::VorherZeit:
        return {vorher(), "--regelcode", zeitRegelCode(), "--verzeichnis", v.pfad};
    }
    return {};
}

std::vector<std::string> zeilenMenge(const std::string &datei)
{
    QFile f(QString::fromStdString(datei));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    std::vector<std::string> zeilen;
    for (const QByteArray &z : f.readAll().split('\n'))
        zeilen.emplace_back(z.toStdString());
    std::sort(zeilen.begin(), zeilen.end());
    return zeilen;
}

// The floor must give the program's rows: same lines, in whatever order.
bool bodenGleichProgramm(Verzeichnis &v)
{
    if (v.geprueft)
        return true;
    const std::string a = v.dir->path().toStdString() + "/boden.txt";
    const std::string b = v.dir->path().toStdString() + "/rinolux.txt";
    const bool gelaufen = laufen(befehl(Werkzeug::Boden, v), v.pfad, v.protokoll, {}, a).ok &&
                          laufen(befehl(Werkzeug::Rinolux, v), v.pfad, v.protokoll, {}, b).ok;
    v.geprueft = gelaufen && zeilenMenge(a) == zeilenMenge(b);
    ::unlink(a.c_str());
    ::unlink(b.c_str());
    return v.geprueft;
}

void messen(benchmark::State &state, Werkzeug w)
{
    Verzeichnis &v = verzeichnis(int(state.range(0)));
    if ((w == Werkzeug::Boden || w == Werkzeug::Rinolux) && !bodenGleichProgramm(v)) {
        state.SkipWithError("der Boden gibt andere Zeilen als rinolux-regel");
        return;
    }
    const std::vector<std::string> b = befehl(w, v);
    const std::string eingabe = w == Werkzeug::Rename ? v.namenDatei : std::string();
    double spitze = 0, cpu = 0, fehler = 0;
    for (auto _ : state) {
        const Lauf l = laufen(b, v.pfad, v.protokoll, eingabe);
        if (!l.ok) {
            state.SkipWithError((b.front() + " ist fehlgeschlagen").c_str());
            return;
        }
        state.SetIterationTime(l.sekunden);
        spitze = std::max(spitze, l.spitzeMiB);
        cpu += l.cpuSekunden;
        fehler += l.seitenfehler;
    }
    state.counters["peak_MiB"] = spitze;
    state.counters["cpu_ms"] = cpu * 1000 / double(state.iterations());
    state.counters["seitenfehler"] = fehler / double(state.iterations());
    state.counters["bytes_je_name"] = spitze * 1024 * 1024 / double(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void registrieren()
{
    const std::pair<const char *, Werkzeug> werkzeuge[] = {
        {"Vorschau/Boden", Werkzeug::Boden},          {"Vorschau/RinoluxRegel", Werkzeug::Rinolux},
        {"Vorschau/RenameTrocken", Werkzeug::Rename}, {"Vorschau/MmvTrocken", Werkzeug::Mmv},
        {"Zeit/RinoluxRegel", Werkzeug::RinoluxZeit}, {"Zeit/FindPrintf", Werkzeug::FindPrintf},
    };
    const std::pair<const char *, Werkzeug> alte[] = {
        {"Vorschau/RinoluxVorher", Werkzeug::Vorher},
        {"Zeit/RinoluxVorher", Werkzeug::VorherZeit},
    };
    const auto eintragen = [](const char *name, Werkzeug w, int anzahl) {
        benchmark::RegisterBenchmark(name, messen, w)
            ->Arg(anzahl)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(anzahl >= 1000000 ? 3 : 5);
    };
    for (int anzahl : {10000, 100000, 1000000}) {
        if (!vorher().empty())
            for (const auto &[name, w] : alte)
                eintragen(name, w, anzahl);
        for (const auto &[name, w] : werkzeuge)
            eintragen(name, w, anzahl);
    }
}

} // namespace

int main(int argc, char **argv)
{
    registrieren();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
