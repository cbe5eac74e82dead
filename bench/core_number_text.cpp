// Cell conversion and number texts: every stage converts and writes 10^6 cells.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "core/number_text.h"

namespace {

constexpr std::size_t kCount = 1 << 16;

// Frequency readings as a counter writes them, and deviations as the general format
// writes them.
const std::vector<std::string>& cellTexts() {
  static const std::vector<std::string> texts = [] {
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    std::vector<std::string> out;
    out.reserve(kCount);
    for (std::size_t i = 0; i < kCount; ++i) {
      const double y = noise(random) * 1e-9;
      out.push_back(i % 2 == 0 ? kovia::generalText(10e6 * (1.0 + y), 15, ',')
                               : kovia::generalText(y, 7, ','));
    }
    return out;
  }();
  return texts;
}

template <typename T>
const std::vector<T>& values() {
  static const std::vector<T> out = [] {
    std::mt19937_64 random(2);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    std::vector<T> v;
    v.reserve(kCount);
    for (std::size_t i = 0; i < kCount; ++i) {
      // Extended values are quotients formed in extended precision, as the phase stages do.
      v.push_back(static_cast<T>(noise(random) * 1e-9) / static_cast<T>(3.0L));
    }
    return v;
  }();
  return out;
}

void BM_TextToFloat(benchmark::State& state) {
  const auto& texts = cellTexts();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kovia::textToFloat(texts[i++ & (kCount - 1)], ','));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TextToFloat);

template <typename T>
void BM_GeneralText(benchmark::State& state) {
  const auto& v = values<T>();
  const int digits = static_cast<int>(state.range(0));
  std::string out;
  std::size_t i = 0;
  for (auto _ : state) {
    out.clear();
    kovia::appendGeneralText(out, v[i++ & (kCount - 1)], digits, ',');
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK_TEMPLATE(BM_GeneralText, double)->Arg(7)->Arg(9)->Arg(15);
BENCHMARK_TEMPLATE(BM_GeneralText, long double)->Arg(7)->Arg(9)->Arg(15);

// One stage over 10^6 cells: read each reading back, derive a deviation and write it with
// 7 digits into one compact column buffer.
void BM_StageOfOneMillionCells(benchmark::State& state) {
  const auto& texts = cellTexts();
  std::string column;
  column.reserve(16u << 20);
  for (auto _ : state) {
    column.clear();
    for (std::size_t i = 0; i < 1'000'000; ++i) {
      const long double f = kovia::textToFloat(texts[i & (kCount - 1)], ',');
      const double y = static_cast<double>((f - 10e6L) / 10e6L);
      kovia::appendGeneralText(column, y, 7, ',');
    }
    benchmark::DoNotOptimize(column.data());
  }
  state.SetItemsProcessed(state.iterations() * 1'000'000);
}
BENCHMARK(BM_StageOfOneMillionCells)->Unit(benchmark::kMillisecond);

}  // namespace
