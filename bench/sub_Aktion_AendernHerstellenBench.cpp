// Carrying out "Ändern: alle Leerzeichen durch _ ersetzen" on 100,000 files, beside a plain
// loop of renameat2(RENAME_NOREPLACE) over the very same renames, in the same run.
//
//   build-rel/bench/sub_Aktion_AendernHerstellenBench
//   RINOLUX_BENCH_VERZ=/var/tmp build-rel/bench/sub_Aktion_AendernHerstellenBench   (on disk)
//
// "Durchfuehren" is the whole routine: new-name and old-name checks with their sorted index,
// the reverse path order, the renames through the platform layer, the undo file written
// record by record (synced once a second and at its end), the index entry, and the updates
// of the selection list with its re-sort. "Schleife" is nothing but the renames.
// "Pruefschleife" adds the system calls the routine cannot do without: the checks of every
// source (statx: kind, owner, attributes) and target (lstat) before the first rename, and
// per rename the look at the directory's ".hidden" and one write of the undo record. Each
// iteration runs all three in turn, so a change of load hits them alike; between the runs
// the names are put back by a plain loop that is not timed. Reported: the mean times and
// the ratios Durchfuehren / Schleife and Durchfuehren / Pruefschleife.

#include "BenchNamen.h"
#include "core/actions/RueckDaten.h"
#include "core/actions/sub_Aktion_AendernHerstellen.h"
#include "core/engine/RegelListe.h"
#include "core/engine/sub_Aktion_Vorschau.h"
#include "core/platform/Plattform.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Dialog.h"
#include "core/shell/Einstellungen.h"
#include "core/shell/Fortschritt.h"
#include "core/shell/Prozess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <memory>

using namespace rinolux;

namespace {

constexpr int kAnzahl = 100000;
const QString kRegel = QStringLiteral("Ändern: alle Leerzeichen durch _ ersetzen");

struct Bestand : bench::Namen
{
    std::unique_ptr<QTemporaryDir> konfig;
    std::vector<QByteArray> alt, neu; // full paths
    ListenDaten vorschau{VZelle::Anzahl};
};

Bestand &bestand()
{
    static Bestand b = [] {
        Bestand x;
        x.konfig = bench::benchVerzeichnis();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(x.konfig->path()));
        ProzessWerteSetzen(QStringLiteral("rinolux"));
        if (!ProgPfadAnlegen())
            qFatal("Daten-Verzeichnis");
        bench::namenAnlegen(x, kAnzahl);
        StillerFortschritt fort;
        VorschauZeilenAufbauen(x.vorschau, x.auswahl, 221);
        const VorschauLaufErgebnis e = Aktion_VorschauAnzeigen(x.vorschau, x.auswahl, bench::standardRegelCode(kRegel), {}, fort);
        if (!e.auswertung.aktionFrei)
            qFatal("Vorschau nicht frei");
        for (int z = 1; z <= x.vorschau.Anzahl(); ++z) {
            x.alt.push_back(QFile::encodeName(x.vorschau.Zelle(z, VZelle::Pfad) + x.vorschau.Zelle(z, VZelle::Name)));
            x.neu.push_back(QFile::encodeName(x.vorschau.Zelle(z, VZelle::NeuPfad) + x.vorschau.Zelle(z, VZelle::NeuName)));
        }
        return x;
    }();
    return b;
}

bool schleife(const std::vector<QByteArray> &von, const std::vector<QByteArray> &nach)
{
    bool ok = true;
    for (size_t i = 0; i < von.size(); ++i)
        ok = ::renameat2(AT_FDCWD, von[i].constData(), AT_FDCWD, nach[i].constData(), RENAME_NOREPLACE) == 0 && ok;
    return ok;
}

// The same renames with the system calls of the routine's checks and records (see above).
bool pruefschleife(const std::vector<QByteArray> &von, const std::vector<QByteArray> &nach, const QByteArray &versteckt,
                   int rueckFd)
{
    bool ok = true;
    struct statx sx;
    struct stat st;
    for (size_t i = 0; i < von.size(); ++i) {
        ok = ::statx(AT_FDCWD, von[i].constData(), AT_SYMLINK_NOFOLLOW | AT_STATX_SYNC_AS_STAT,
                     STATX_TYPE | STATX_MODE | STATX_UID, &sx) == 0 && ok;
        ok = ::lstat(nach[i].constData(), &st) != 0 && ok;
    }
    for (size_t i = 0; i < von.size(); ++i) {
        ok = ::renameat2(AT_FDCWD, von[i].constData(), AT_FDCWD, nach[i].constData(), RENAME_NOREPLACE) == 0 && ok;
        static_cast<void>(::lstat(versteckt.constData(), &st)); // absent, as in the directory of names
        ok = ::write(rueckFd, nach[i].constData(), size_t(nach[i].size())) == nach[i].size() && ok;
    }
    return ok;
}

void DurchfuehrenGegenSchleife(benchmark::State &state)
{
    Bestand &b = bestand();
    const QByteArray versteckt = QFile::encodeName(b.pfad) + ".hidden";
    const QByteArray rueckPfad = QFile::encodeName(b.konfig->path()) + "/pruefschleife.txt";
    double pruefschleifeMs = 0;
    double schleifeMs = 0;
    double durchfuehrenMs = 0;
    RueckIndex index(ProgPfad);
    index.IniListeRueck_Lesen();
    Einstellungen einstellungen;
    for (auto _ : state) {
        QElapsedTimer uhr;
        uhr.start();
        if (!schleife(b.alt, b.neu))
            state.SkipWithError("renameat2 ist fehlgeschlagen");
        schleifeMs += double(uhr.nsecsElapsed()) / 1e6;
        if (!schleife(b.neu, b.alt))
            state.SkipWithError("zurück umbenennen ist fehlgeschlagen");

        const int rueckFd = ::open(rueckPfad.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        uhr.restart();
        if (rueckFd < 0 || !pruefschleife(b.alt, b.neu, versteckt, rueckFd))
            state.SkipWithError("die Prüfschleife ist fehlgeschlagen");
        pruefschleifeMs += double(uhr.nsecsElapsed()) / 1e6;
        if (rueckFd >= 0)
            ::close(rueckFd);
        if (!schleife(b.neu, b.alt))
            state.SkipWithError("zurück umbenennen ist fehlgeschlagen");

        ListenDaten auswahl = b.auswahl; // the routine updates its names
        AusfuehrAuftrag a;
        a.arbeit = &b.vorschau;
        a.auswahl = &auswahl;
        a.code = 221;
        a.beschreibung = kRegel;
        SkriptDialog dialog;
        StillerFortschritt fort;
        uhr.restart();
        const AusfuehrErgebnis e = Aktion_AendernHerstellen(a, einstellungen, fort, dialog, index);
        durchfuehrenMs += double(uhr.nsecsElapsed()) / 1e6;
        if (!e.allesErledigt() || e.erledigt1 != kAnzahl)
            state.SkipWithError("die Durchführung ist nicht vollständig");
        if (!schleife(b.neu, b.alt))
            state.SkipWithError("zurück umbenennen ist fehlgeschlagen");
    }
    const double n = double(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["schleife_ms"] = schleifeMs / n;
    state.counters["durchfuehren_ms"] = durchfuehrenMs / n;
    state.counters["pruefschleife_ms"] = pruefschleifeMs / n;
    state.counters["verhaeltnis"] = schleifeMs > 0 ? durchfuehrenMs / schleifeMs : 0;
    state.counters["verhaeltnis_pruefschleife"] = pruefschleifeMs > 0 ? durchfuehrenMs / pruefschleifeMs : 0;
}
BENCHMARK(DurchfuehrenGegenSchleife)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

BENCHMARK_MAIN();
