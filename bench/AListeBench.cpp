// The selection list with many entries: filling it from found entries, sorting by name
// and by time, painting one viewport, and the memory half a million entries take.
#include "WidgetBench.h"
#include "../tests/gui/support/TestSeitenUmgebung.h"
#include "core/selection/sub_Auswahl.h"
#include "core/selection/sub_Sortieren.h"
#include "core/shell/Fortschritt.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/controls/TNxRotListe.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <malloc.h>

using namespace rinolux;

namespace {

const QStringList Woerter = {"Urlaub", "Rechnung", "Bild", "Übersicht", "straße", "Konzert", "IMG", "Brief",
                             "Projekt", "Äpfel", "notiz", "Scan", "Bericht", "Foto", "Musik", "Öl"};
const QStringList Formate = {"jpg", "txt", "pdf", "mp3", "docx", "png", "tar.gz", ""};

// A file time between 2000 and 2024, as a listing reads it.
plattform::DateiZeit zeit(QRandomGenerator &z)
{
    return plattform::DateiZeit{946684800 + qint64(z.bounded(25 * 365 * 86400)), qint32(z.bounded(1000000000)), true};
}

void trefferAnlegen(SuchTreffer &t, int n)
{
    QRandomGenerator z(4711);
    QString verz;
    for (int i = 0; i < n; ++i) {
        if (i % 2000 == 0)
            verz = QStringLiteral("/home/benutzer/Dokumente/Archiv %1/%2/").arg(i / 2000).arg(Woerter.at(z.bounded(16)));
        const QString format = Formate.at(z.bounded(8));
        QString name = Woerter.at(z.bounded(16)) + u' ' + Woerter.at(z.bounded(16)).toLower() + u'_'
                       + QString::number(z.bounded(100000));
        if (!format.isEmpty())
            name += u'.' + format;
        TNxSuchTyp d;
        d.zeitSetzen(TNxSuchTyp::Herstellung, zeit(z));
        d.zeitSetzen(TNxSuchTyp::Aenderung, zeit(z));
        d.zeitSetzen(TNxSuchTyp::Zugriff, zeit(z));
        d.verz = z.bounded(20) == 0 ? 1 : 0;
        d.groesse = d.verz ? 4096 : qint64(z.bounded(50000000));
        d.attribute = d.verz ? 16 : 32;
        d.pfadNr = i / 2000;
        t.Neu(verz, name, std::move(d));
    }
}

void listeFuellen(ListenDaten &l, int n, int sortWahl = 1)
{
    SuchTreffer t;
    trefferAnlegen(t, n);
    StillerFortschritt f;
    AuswahlFuellung art;
    art.sortWahl = sortWahl;
    nxAuswahlFuellen(l, t, art, f);
}

qint64 rssBytes()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> teile = f.readAll().split(' ');
    return teile.size() > 1 ? teile.at(1).toLongLong() * 4096 : 0;
}

// Highest resident size of the process so far (VmHWM).
qint64 spitzeBytes()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &z : f.readAll().split('\n'))
        if (z.startsWith("VmHWM:"))
            return z.mid(6).trimmed().split(' ').at(0).toLongLong() * 1024;
    return 0;
}

void BM_FuellenAusTreffern(benchmark::State &state)
{
    const int n = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        SuchTreffer t;
        trefferAnlegen(t, n);
        ListenDaten l;
        StillerFortschritt f;
        AuswahlFuellung art; // "Pfad + Name.Format", as after a listing
        state.ResumeTiming();
        benchmark::DoNotOptimize(nxAuswahlFuellen(l, t, art, f));
        state.PauseTiming();
        if (l.Anzahl() != n)
            state.SkipWithError("fill lost rows");
        l.Leeren();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FuellenAusTreffern)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Sortieren(benchmark::State &state)
{
    const int n = int(state.range(0));
    const int wahl = int(state.range(1));
    ListenDaten l;
    listeFuellen(l, n, 27); // filled in another order than the one measured
    for (auto _ : state) {
        if (!nxAuswahlSortieren(l, wahl, false, {}, nullptr))
            state.SkipWithError("sort stopped");
        state.PauseTiming();
        // Check the result is ordered by the first real key.
        const QChar code = nxSortKette(wahl).at(1);
        for (int p = 2; p <= l.Anzahl(); ++p) {
            const int a = l.ZeileAn(p - 1), b = l.ZeileAn(p);
            if (l.Verz(a) == l.Verz(b) && code != u'N'
                && nxSortSchluesselText(l, a, code).toUtf8() > nxSortSchluesselText(l, b, code).toUtf8()) {
                state.SkipWithError("not ordered");
                break;
            }
        }
        l.ReihenfolgeIdentitaet();
        state.ResumeTiming();
    }
    state.SetLabel(nxSortWahlTexte().at(wahl - 1).toStdString());
}
BENCHMARK(BM_Sortieren)->Args({300000, 3})->Args({300000, 13})->Unit(benchmark::kMillisecond)->Iterations(3);

// One panel with the selection list's columns over 500,000 rows, shared by the paint runs.
struct Panel
{
    test::TestSeitenUmgebung umgebung;
    QWidget fenster;
    AListeBedienung *bedienung = nullptr;
    Panel()
    {
        fenster.resize(1100, 800);
        bedienung = new AListeBedienung(&fenster, 200, umgebung);
        TNxRotListe *l = bedienung->Liste();
        for (int s : {AZelle::Pfad, AZelle::Attribute, AZelle::ZeitH, AZelle::ZeitZ})
            l->Spalte(s).sichtbar = true;
        listeFuellen(l->Daten(), 500000);
        for (int z = 1; z <= l->Daten().Anzahl(); z += 3)
            l->Daten().MarkSetzen(z, true);
        fenster.show();
        l->Neuzeichnen();
    }
};
Panel *panel = nullptr;

void BM_ViewportZeichnen(benchmark::State &state)
{
    if (!panel)
        panel = new Panel;
    TNxRotListe *l = panel->bedienung->Liste();
    QWidget *vp = l->viewport();
    QImage bild(vp->size(), QImage::Format_ARGB32_Premultiplied);
    const int n = l->Daten().Anzahl();
    const int ziel = std::max(1, int(qint64(n) * state.range(0) / 100));
    l->verticalScrollBar()->setValue(ziel);
    for (auto _ : state) {
        QPainter p(&bild);
        vp->render(&p);
    }
    state.counters["Zeilen"] = n;
    state.counters["Linien"] = l->SichtbareZeilen();
    state.SetLabel("Position " + std::to_string(l->ErstePosition()));
}
BENCHMARK(BM_ViewportZeichnen)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_SpeicherFuenfhunderttausend(benchmark::State &state)
{
    for (auto _ : state) {
        const qint64 vorher = rssBytes();
        auto *l = new ListenDaten;
        listeFuellen(*l, 500000);
        malloc_trim(0); // hand back what the used-up hits held, so RSS shows what the rows hold
        const qint64 nachher = rssBytes();
        state.counters["ListenDaten_MB"] = double(l->Speicher()) / 1e6;
        state.counters["RSS_Zuwachs_MB"] = double(nachher - vorher) / 1e6;
        state.counters["Prozess_Spitze_MB"] = double(spitzeBytes()) / 1e6;
        if (l->Anzahl() != 500000)
            state.SkipWithError("rows missing");
        delete l;
    }
}
BENCHMARK(BM_SpeicherFuenfhunderttausend)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return rinolux::bench::widgetBenchmarksLaufen(argc, argv, [] { delete panel; });
}
