// Copying a tree of 10,000 small files (1 GiB in total) through the delete/copy/move
// routine, beside "cp -a" of the very same tree, in the same run.
//
//   build-rel/bench/LoeschenKopierenBench
//   RINOLUX_BENCH_VERZ=/tmp build-rel/bench/LoeschenKopierenBench
//
// The tree lies on disk (/var/tmp unless RINOLUX_BENCH_VERZ says otherwise): 100
// directories of 100 files with distinct contents. "Kopieren" is the whole routine with one
// directory row: checks (free space, existence, held names), the copy through the platform
// layer and the list update; "cp" is the system's copy program. Each iteration runs both in
// turn, so a change of load or cache hits both alike; the copies are removed untimed.
// Reported: both mean times and the ratio Kopieren / cp. Target: at most 1.3.

#include "core/actions/RueckDaten.h"
#include "core/actions/sub_Aktion_LoeschenKopieren.h"
#include "core/platform/Plattform.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Dialog.h"
#include "core/shell/Einstellungen.h"
#include "core/shell/Fortschritt.h"
#include "core/shell/Prozess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace rinolux;

namespace {

constexpr int kVerzeichnisse = 100;
constexpr int kJeVerzeichnis = 100;
constexpr qint64 kGesamt = qint64(1) << 30;

std::unique_ptr<QTemporaryDir> baumAnlegen()
{
    const QString wahl = qEnvironmentVariable("RINOLUX_BENCH_VERZ");
    const QString ort = wahl.isEmpty() ? QStringLiteral("/var/tmp") : wahl;
    auto dir = std::make_unique<QTemporaryDir>(ort + QStringLiteral("/rinolux-bench-XXXXXX"));
    if (!dir->isValid())
        qFatal("kein Verzeichnis in %s", qPrintable(ort));
    const qint64 groesse = kGesamt / (kVerzeichnisse * kJeVerzeichnis);
    QByteArray inhalt(groesse, '\0');
    quint32 x = 2463534242u;
    for (char &c : inhalt) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = char(x);
    }
    for (int v = 0; v < kVerzeichnisse; ++v) {
        const QString d = dir->path() + QStringLiteral("/baum/v%1/").arg(v, 3, 10, QLatin1Char('0'));
        QDir().mkpath(d);
        for (int f = 0; f < kJeVerzeichnis; ++f) {
            QFile datei(d + QStringLiteral("datei %1.bin").arg(f, 3, 10, QLatin1Char('0')));
            if (!datei.open(QIODevice::WriteOnly))
                qFatal("kann nicht schreiben: %s", qPrintable(datei.fileName()));
            // Distinct contents, so no file system can share blocks between them.
            inhalt[0] = char(v);
            inhalt[1] = char(f);
            datei.write(inhalt);
        }
    }
    return dir;
}

void KopierenGegenCp(benchmark::State &state)
{
    const std::unique_ptr<QTemporaryDir> dir = baumAnlegen();
    const QString wurzel = dir->path() + u'/';
    QTemporaryDir daten;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(daten.path()));
    ProzessWerteSetzen();
    Einstellungen einst;
    einst.Sicherheitsfrage = false;
    RueckIndex index(ProgPfad);
    double kopierenMs = 0, cpMs = 0;
    for (auto _ : state) {
        ListenDaten auswahl;
        nxAuswahlListeVorbereiten(auswahl);
        const int a = auswahl.ZeilenAnhaengen();
        auswahl.ZelleSetzen(a, AZelle::Pfad, wurzel);
        auswahl.ZelleSetzen(a, AZelle::Name, QStringLiteral("baum"));
        auswahl.ZelleSetzen(a, AZelle::PfadNr, QStringLiteral("1"));
        auswahl.ZelleSetzen(a, AZelle::Bytes, QString::number(kGesamt));
        auswahl.VerzSetzen(a, true);
        auswahl.MarkSetzen(a, true);
        ListenDaten lliste;
        LListeAufbauen(auswahl, lliste);
        QDir().mkpath(wurzel + QStringLiteral("ziel"));

        LKAuftrag auftrag;
        auftrag.liste = &lliste;
        auftrag.auswahl = &auswahl;
        auftrag.modus = LKModus::Kopieren;
        auftrag.ziel = wurzel + QStringLiteral("ziel");
        SkriptDialog dialog;
        StillerFortschritt fort;
        QElapsedTimer uhr;
        uhr.start();
        const LKErgebnis e = Aktion_LoeschenKopieren(auftrag, einst, fort, dialog, index);
        kopierenMs += double(uhr.nsecsElapsed()) / 1e6;
        if (e.erledigt != 1)
            state.SkipWithError("das Kopieren ist nicht vollständig");

        uhr.restart();
        const int rc = QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-a"), wurzel + QStringLiteral("baum"),
                                                                wurzel + QStringLiteral("cp-ziel")});
        cpMs += double(uhr.nsecsElapsed()) / 1e6;
        if (rc != 0)
            state.SkipWithError("cp -a ist fehlgeschlagen");

        state.PauseTiming();
        QDir(wurzel + QStringLiteral("ziel")).removeRecursively();
        QDir(wurzel + QStringLiteral("cp-ziel")).removeRecursively();
        state.ResumeTiming();
    }
    const double n = double(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["kopieren_ms"] = kopierenMs / n;
    state.counters["cp_ms"] = cpMs / n;
    state.counters["verhaeltnis"] = cpMs > 0 ? kopierenMs / cpMs : 0;
}

} // namespace

BENCHMARK(KopierenGegenCp)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

BENCHMARK_MAIN();
