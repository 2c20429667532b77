// The directory tree on a directory of 100,000 subdirectories: opening the node and
// painting one viewport. Children are read when the node opens and counted only for the
// lines that are painted, so both stay far below what reading every child would cost.
#include "WidgetBench.h"
#include "core/selection/BaumDaten.h"
#include "gui/controls/TNxBaum.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/stat.h>

using namespace rinolux;

namespace {

struct Verzeichnis
{
    QTemporaryDir dir;
    explicit Verzeichnis(int n)
    {
        const QByteArray basis = QFile::encodeName(dir.path()) + "/";
        for (int i = 0; i < n; ++i) {
            const QByteArray p = QByteArray(basis + "Unterverzeichnis " + QByteArray::number(i));
            ::mkdir(p.constData(), 0755);
            // Every tenth child has children of its own, so the counts differ.
            if (i % 10 == 0)
                ::mkdir(QByteArray(p + "/innen").constData(), 0755);
        }
    }
    QString pfad() const { return dir.path() + u'/'; }
};
Verzeichnis *gross = nullptr;

void BM_GrossesVerzeichnisOeffnen(benchmark::State &state)
{
    if (!gross)
        gross = new Verzeichnis(int(state.range(0)));
    qint64 zeilen = 0;
    for (auto _ : state) {
        TNxBaum baum(QStringLiteral("LinksBaum"), false);
        baum.resize(300, 700);
        baum.show();
        if (!baum.PfadWaehlen(gross->pfad()))
            state.SkipWithError("path not opened");
        baum.expand(baum.currentIndex());
        QImage bild(baum.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
        QPainter p(&bild);
        baum.viewport()->render(&p);
        zeilen = baum.Modell().rowCount(baum.currentIndex());
    }
    state.counters["Kinder"] = double(zeilen);
}
BENCHMARK(BM_GrossesVerzeichnisOeffnen)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The model alone: reading and sorting the names, no view.
void BM_KinderLesen(benchmark::State &state)
{
    if (!gross)
        gross = new Verzeichnis(100000);
    for (auto _ : state) {
        BaumModell m;
        m.WurzelnLesen(false);
        const QModelIndex i = m.PfadOeffnen(gross->pfad());
        m.Aufklappen(i);
        benchmark::DoNotOptimize(m.rowCount(i));
    }
}
BENCHMARK(BM_KinderLesen)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ViewportZeichnenMitte(benchmark::State &state)
{
    if (!gross)
        gross = new Verzeichnis(100000);
    TNxBaum baum(QStringLiteral("LinksBaum"), false);
    baum.resize(300, 700);
    baum.show();
    static_cast<void>(baum.PfadWaehlen(gross->pfad())); // a failure shows as an empty viewport in the numbers
    baum.expand(baum.currentIndex());
    QImage bild(baum.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    int schritt = 0;
    for (auto _ : state) {
        // Every round lands on lines not counted yet.
        baum.verticalScrollBar()->setValue(baum.verticalScrollBar()->maximum() / 2 + 40 * (schritt++ % 500));
        QPainter p(&bild);
        baum.viewport()->render(&p);
    }
}
BENCHMARK(BM_ViewportZeichnenMitte)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return rinolux::bench::widgetBenchmarksLaufen(argc, argv, [] { delete gross; });
}
