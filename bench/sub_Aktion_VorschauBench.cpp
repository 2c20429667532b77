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

struct Bestand
{
    std::unique_ptr<QTemporaryDir> dir;
    QString pfad;
    QByteArray namenZeilen; // for rename: one name per line
    ListenDaten auswahl;
    QString regelCode;
};

Bestand &bestand()
{
    static Bestand b = [] {
        Bestand x;
        const QString basis = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/rinolux-bench-XXXXXX")
                                                                         : QDir::tempPath() + QStringLiteral("/rinolux-bench-XXXXXX");
        x.dir = std::make_unique<QTemporaryDir>(basis);
        x.pfad = x.dir->path() + u'/';
        const QStringList woerter = {QStringLiteral("Urlaub am See"), QStringLiteral("Foto"), QStringLiteral("Brief an Oma"),
                                     QStringLiteral("Konto Auszug"), QStringLiteral("Straße"), QStringLiteral("Übersicht Q")};
        for (int i = 0; i < kAnzahl; ++i) {
            const QString name = woerter[i % woerter.size()] + QStringLiteral(" %1.jpg").arg(i, 6, 10, QChar(u'0'));
            QFile f(x.pfad + name);
            if (f.open(QIODevice::WriteOnly))
                f.close();
            x.namenZeilen += name.toUtf8() + '\n';
        }
        SuchTreffer treffer;
        const Ergebnis gelesen = plattform::verzeichnisLesen(x.pfad, plattform::Details::Alle, [&](const plattform::Eintrag &e) {
            treffer.Neu(x.pfad, e.name, nxAuswahlSuchDaten(e, 1));
            return true;
        });
        if (!gelesen)
            qFatal("%s", qPrintable(gelesen.text()));
        StillerFortschritt fort;
        nxAuswahlFuellen(x.auswahl, treffer, AuswahlFuellung{}, fort);
        x.auswahl.AlleMarkieren(true);
        const RegelListe regeln = StandardRegeln();
        x.regelCode = regeln.code(int(regeln.beschreibungen().indexOf(kRegel)));
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
    p.write(b.namenZeilen);
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
