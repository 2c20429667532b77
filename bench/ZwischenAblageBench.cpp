// The clipboard text of a selection list of 100,000 entries: the quick list of full
// paths, the seven columns of "Schnell-Auswahl" (sizes, attributes and times as shown),
// and the full path list put on the clipboard.
#include "WidgetBench.h"
#include "core/selection/ZwischenAblage.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Fortschritt.h"
#include "core/shell/ListenDaten.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

using namespace rinolux;

namespace {

const QStringList Woerter = {"Urlaub", "Rechnung", "Bild", "Übersicht", "straße", "Konzert", "IMG", "Brief"};
const QStringList Formate = {"jpg", "txt", "pdf", "mp3", "tar.gz", ""};

// n entries in directories of 2000, every third one marked.
void listeFuellen(ListenDaten &l, int n)
{
    nxAuswahlListeVorbereiten(l);
    QRandomGenerator z(4711);
    const int erste = l.ZeilenAnhaengen(n);
    QString verz;
    for (int i = 0; i < n; ++i) {
        const int r = erste + i;
        if (i % 2000 == 0)
            verz = QStringLiteral("/home/benutzer/Dokumente/Archiv %1/").arg(i / 2000);
        const QString format = Formate.at(z.bounded(int(Formate.size())));
        QString name = Woerter.at(z.bounded(int(Woerter.size()))) + u'_' + QString::number(z.bounded(100000));
        if (!format.isEmpty())
            name += u'.' + format;
        l.ZelleSetzen(r, AZelle::Pfad, verz);
        l.ZelleSetzen(r, AZelle::Name, name);
        l.ZelleSetzen(r, AZelle::Format, format);
        l.ZelleSetzen(r, AZelle::Bytes, QString::number(z.bounded(50000000)));
        l.ZelleSetzen(r, AZelle::Attribute, QStringLiteral("32"));
        for (const int s : {AZelle::ZeitH, AZelle::ZeitA, AZelle::ZeitZ})
            l.ZelleSetzen(r, s,
                          QStringLiteral("20240102_030405_%1_2").arg(z.bounded(1000), 3, 10, QChar(u'0')));
        l.MarkSetzen(r, i % 3 == 0);
    }
}

ListenDaten &liste(int n)
{
    static ListenDaten l;
    if (l.Anzahl() != n) {
        l.Leeren();
        listeFuellen(l, n);
    }
    return l;
}

bool zeilenStimmen(benchmark::State &state, const std::optional<QString> &text, qint64 zeilen)
{
    if (!text || text->count(ZAZeilenEnde()) != zeilen) {
        state.SkipWithError("wrong number of lines");
        return false;
    }
    return true;
}

void BM_PfadNameFormat(benchmark::State &state)
{
    const int n = int(state.range(0));
    ZAQuelle q;
    q.liste = &liste(n);
    StillerFortschritt fort;
    for (auto _ : state) {
        const std::optional<QString> t = ZAKleinText(q, 21, 1, &fort, ZAZeilenEnde());
        state.PauseTiming();
        zeilenStimmen(state, t, n);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_PfadNameFormat)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SchnellAuswahl(benchmark::State &state)
{
    const int n = int(state.range(0));
    ZAQuelle q;
    q.liste = &liste(n);
    TNxZwischenAblageInfo info;
    info.quelle = u'A';
    ZASchnellAuswahl(info, ZAPunkte(q));
    StillerFortschritt fort;
    for (auto _ : state) {
        const std::optional<QString> t = ZAGrossText(q, info, &fort, ZAZeilenEnde());
        state.PauseTiming();
        zeilenStimmen(state, t, n + 1);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_SchnellAuswahl)->Arg(100000)->Unit(benchmark::kMillisecond);

// The text as the menu entry makes it, then handed to the clipboard.
void BM_InDieZwischenablage(benchmark::State &state)
{
    const int n = int(state.range(0));
    ZAQuelle q;
    q.liste = &liste(n);
    StillerFortschritt fort;
    for (auto _ : state) {
        const std::optional<QString> t = ZAKleinText(q, 21, 1, &fort, ZAZeilenEnde());
        if (t)
            QGuiApplication::clipboard()->setText(*t);
        state.PauseTiming();
        if (zeilenStimmen(state, t, n) && QGuiApplication::clipboard()->text().size() != t->size())
            state.SkipWithError("clipboard holds another text");
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_InDieZwischenablage)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return bench::widgetBenchmarksLaufen(argc, argv);
}
