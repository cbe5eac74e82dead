// Filling and drawing a string grid of 10^6 rows × 2 columns, as a load or a result
// stage does. Target: a fill well under 0.2 s.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/string_grid.h"

namespace {

constexpr int kRows = 1'000'000;

struct Texts {
  std::vector<std::string> ordinals;
  std::vector<std::string> values;
};

// Texts shaped like a load: the ordinal and a reading such as "10000000.0012345".
const Texts& texts() {
  static const Texts t = [] {
    Texts made;
    made.ordinals.reserve(kRows);
    made.values.reserve(kRows);
    for (int i = 0; i < kRows; ++i) {
      made.ordinals.push_back(std::to_string(i + 1));
      made.values.push_back("10000000." + std::to_string(1000000 + (static_cast<long long>(i) * 7919) % 1000000));
    }
    return made;
  }();
  return t;
}

// The windows' own loop: set the row count, then write cell by cell.
void BM_GridFillCellByCell(benchmark::State& state) {
  const Texts& t = texts();
  for (auto _ : state) {
    state.PauseTiming();
    auto* grid = new kovia::StringGrid;
    grid->setColCount(2);
    state.ResumeTiming();
    grid->setRowCount(kRows);
    for (int i = 0; i < kRows; ++i) {
      grid->setCell(0, i, t.ordinals[static_cast<std::size_t>(i)]);
      grid->setCell(1, i, t.values[static_cast<std::size_t>(i)]);
    }
    QCoreApplication::processEvents();  // the one view notification
    state.PauseTiming();
    delete grid;
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * 2 * kRows);
}
BENCHMARK(BM_GridFillCellByCell)->Unit(benchmark::kMillisecond)->Iterations(5);

// The bulk path: whole columns built outside the grid and handed over.
void BM_GridFillByColumn(benchmark::State& state) {
  const Texts& t = texts();
  for (auto _ : state) {
    state.PauseTiming();
    auto* grid = new kovia::StringGrid;
    grid->setColCount(2);
    state.ResumeTiming();
    grid->setRowCount(kRows);
    kovia::GridColumn ordinals;
    kovia::GridColumn values;
    ordinals.reserve(kRows, 8 * kRows);
    values.reserve(kRows, 17 * kRows);
    for (int i = 0; i < kRows; ++i) {
      ordinals.append(t.ordinals[static_cast<std::size_t>(i)]);
      values.append(t.values[static_cast<std::size_t>(i)]);
    }
    grid->setColumn(0, std::move(ordinals));
    grid->setColumn(1, std::move(values));
    QCoreApplication::processEvents();
    state.PauseTiming();
    delete grid;
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * 2 * kRows);
}
BENCHMARK(BM_GridFillByColumn)->Unit(benchmark::kMillisecond)->Iterations(5);

// Drawing a filled grid on screen: only the visible rows are decoded.
void BM_GridPaintFilled(benchmark::State& state) {
  const Texts& t = texts();
  kovia::StringGrid grid;
  grid.setColCount(2);
  grid.setRowCount(kRows);
  for (int i = 0; i < kRows; ++i) {
    grid.setCell(0, i, t.ordinals[static_cast<std::size_t>(i)]);
    grid.setCell(1, i, t.values[static_cast<std::size_t>(i)]);
  }
  grid.resize(200, 600);
  grid.show();
  QCoreApplication::processEvents();
  int row = 0;
  for (auto _ : state) {
    row = (row + 400'000) % kRows;
    grid.setRow(row);
    QPixmap picture = grid.grab();
    benchmark::DoNotOptimize(picture);
  }
}
BENCHMARK(BM_GridPaintFilled)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", QT_QPA_PLATFORM_DEFAULT, 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
