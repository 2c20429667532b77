// The preview on screen: from pressing "Vorschau anzeigen" on the page Regeln to the painted
// summary and list, for 100,000 marked names, in the real main window (offscreen).
#include "WidgetBench.h"
#include "core/engine/RegelListe.h"
#include "core/engine/sub_Aktion_Vorschau.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Prozess.h"
#include "gui/app/Ablauf.h"
#include "gui/app/Form_Anfang.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/pages/AktionsSeite.h"
#include "gui/pages/AuswahlSeite.h"
#include "gui/pages/RegelnBereich.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace rinolux;

namespace {

void BM_VorschauAnzeigen(benchmark::State &state)
{
    const int n = int(state.range(0));
    QTemporaryDir xdg;
    qputenv("XDG_CONFIG_HOME", xdg.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", xdg.filePath(QStringLiteral("data")).toUtf8());
    ProzessWerteSetzen();
    Taa aa;
    AblaufSchritteAnmelden(aa);
    aa.Startwerte();
    aa.RegHaupt_OnClick(1);
    aa.resize(1280, 900);
    aa.show();
    QApplication::processEvents();

    ListenDaten &a = aa.SeiteVon<TAuswahlSeite>()->Liste()->Daten();
    a.Leeren(n);
    a.ZeilenAnhaengen(n);
    QString verz;
    for (int z = 1; z <= n; ++z) {
        if (z % 2000 == 1)
            verz = QStringLiteral("/home/benutzer/Bilder/Urlaub %1/").arg(z / 2000);
        a.ZelleSetzen(z, AZelle::Pfad, verz);
        a.ZelleSetzen(z, AZelle::Name, QStringLiteral("Foto vom Strand Nr %1.jpg").arg(z));
        a.MarkSetzen(z, true);
    }
    a.ReihenfolgeIdentitaet();

    auto *seite = aa.SeiteVon<TAktionsSeite>();
    GespeicherteRegeln() = StandardRegeln();
    GespeicherteRegeln().waehlen(0);
    aa.RegHaupt_OnClick(4);
    auto *knopf = aa.findChild<QPushButton *>(QStringLiteral("BuVorschauSchalter"));
    auto *label = aa.findChild<QLabel *>(QStringLiteral("LaVorschauFehler"));
    TNxRotListe *vliste = seite->VListe();
    for (auto _ : state) {
        state.PauseTiming();
        seite->VorschauVeraltet();
        QApplication::processEvents();
        state.ResumeTiming();
        knopf->click();
        label->repaint();
        vliste->viewport()->repaint();
        benchmark::DoNotOptimize(label->text());
    }
    if (!label->text().startsWith(QStringLiteral("Alle ")))
        state.SkipWithError(qPrintable(label->text()));
    state.counters["Zeilen"] = double(vliste->Daten().Anzahl());
}
BENCHMARK(BM_VorschauAnzeigen)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    return rinolux::bench::widgetBenchmarksLaufen(argc, argv);
}
