// Charts at 10^6 readings: adding the points with a colour each and drawing them once,
// rendering a chart to an 800x600 bitmap (what the batch program saves), and finding the
// point under the mouse. Target: each well under the 1 s a command may take.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <cmath>
#include <cstdlib>

#include "platform/chart/chart.h"

namespace {

using kovia::Chart;
using kovia::Series;
using kovia::SeriesKind;

constexpr int kPoints = 1'000'000;

void settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

double reading(int i) {
  return 10000000.0 + 0.004 * std::sin(i * 1e-4) + 0.001 * std::sin(i * 1.7);
}

void fill(Series* series) {
  for (int i = 0; i < kPoints; ++i) {
    series->addY(reading(i), QString(), i % 3 == 0 ? kovia::colors::kRed : kovia::colors::kNavy);
  }
}

Chart* shownChart() {
  auto* chart = new Chart;
  chart->resize(800, 600);
  chart->title().setLines({QStringLiteral("MEDICIONES DE FRECUENCIA"), QStringLiteral("FIGURA 1")});
  chart->leftAxis()->setTitleCaption(QStringLiteral("FRECUENCIA (Hz)"));
  chart->show();
  settle();
  return chart;
}

// Clear, add 10^6 coloured points one by one as a load does, and let the chart draw them.
void BM_AddMillionColouredPointsAndReplot(benchmark::State& state) {
  Chart* chart = shownChart();
  Series* series = chart->addSeries(QStringLiteral("Series1"), SeriesKind::Point);
  series->setPointerStyle(kovia::PointerStyle::Diamond);
  int replots = 0;
  for (auto _ : state) {
    const int before = chart->replotCount();
    series->clear();
    fill(series);
    settle();
    replots += chart->replotCount() - before;
  }
  state.counters["replots_per_burst"] =
      static_cast<double>(replots) / static_cast<double>(state.iterations());
  delete chart;
}
BENCHMARK(BM_AddMillionColouredPointsAndReplot)->Unit(benchmark::kMillisecond)->Iterations(5);

// One replot of a chart that already holds 10^6 points (after a zoom, a colour change...).
void BM_ReplotMillionPoints(benchmark::State& state) {
  Chart* chart = shownChart();
  Series* series = chart->addSeries(QStringLiteral("Series1"), SeriesKind::Point);
  fill(series);
  settle();
  bool zoomIn = true;
  for (auto _ : state) {
    chart->zoomPercent(zoomIn ? 120 : 80);
    zoomIn = !zoomIn;
    chart->replotNow();
  }
  delete chart;
}
BENCHMARK(BM_ReplotMillionPoints)->Unit(benchmark::kMillisecond)->Iterations(10);

// The bitmap the save command writes, at the batch program's size.
void BM_RenderMillionPointsTo800x600(benchmark::State& state) {
  Chart* chart = shownChart();
  Series* series = chart->addSeries(QStringLiteral("Series1"), SeriesKind::Point);
  fill(series);
  settle();
  for (auto _ : state) {
    const QImage image = chart->toImage(QSize(800, 600));
    benchmark::DoNotOptimize(image.constBits());
  }
  delete chart;
}
BENCHMARK(BM_RenderMillionPointsTo800x600)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_RenderLineOfMillionPointsTo800x600(benchmark::State& state) {
  Chart* chart = shownChart();
  Series* series = chart->addSeries(QStringLiteral("Series2"), SeriesKind::Line);
  fill(series);
  settle();
  for (auto _ : state) {
    const QImage image = chart->toImage(QSize(800, 600));
    benchmark::DoNotOptimize(image.constBits());
  }
  delete chart;
}
BENCHMARK(BM_RenderLineOfMillionPointsTo800x600)->Unit(benchmark::kMillisecond)->Iterations(10);

// The certificate page: the chart frame (195.3 x 161.4 mm) on a 300 dpi page, through a
// recorded picture as printing does.
void BM_DrawMillionPointsOnto300DpiPage(benchmark::State& state) {
  Chart* chart = shownChart();
  Series* series = chart->addSeries(QStringLiteral("Series1"), SeriesKind::Point);
  fill(series);
  settle();
  QImage page(2307, 1906, QImage::Format_RGB32);
  page.setDotsPerMeterX(11811);
  page.setDotsPerMeterY(11811);
  for (auto _ : state) {
    page.fill(Qt::white);
    QPainter painter(&page);
    chart->drawTo(painter, QRectF(0, 0, page.width(), page.height()));
  }
  delete chart;
}
BENCHMARK(BM_DrawMillionPointsOnto300DpiPage)->Unit(benchmark::kMillisecond)->Iterations(5);

// A press on the chart looks for the point under the mouse among 10^6.
void BM_PointUnderMouseAmongMillion(benchmark::State& state) {
  Chart* chart = shownChart();
  Series* series = chart->addSeries(QStringLiteral("Series1"), SeriesKind::Point);
  fill(series);
  settle();
  const QPoint last = series->pointPixel(kPoints - 1);
  for (auto _ : state) benchmark::DoNotOptimize(chart->seriesPointAt(last));
  delete chart;
}
BENCHMARK(BM_PointUnderMouseAmongMillion)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
