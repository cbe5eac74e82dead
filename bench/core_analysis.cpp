// Analysis kernels of both windows at 10^6 readings, without the cell texts around them.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "core/frequency_analysis.h"
#include "core/phase_analysis.h"

namespace {

constexpr std::size_t kReadings = 1000000;

// Readings of a 10 MHz oscillator with white noise of 1E-9.
const std::vector<double>& frequencyReadings() {
  static const std::vector<double> readings = [] {
    std::mt19937_64 random(7);
    std::normal_distribution<double> noise(0.0, 1e-9);
    std::vector<double> out(kReadings);
    for (double& f : out) f = 10e6 * (1.0 + noise(random));
    return out;
  }();
  return readings;
}

// Phase readings in degrees drifting through many wraps of the -180..180 range.
const std::vector<long double>& phaseReadings() {
  static const std::vector<long double> readings = [] {
    std::mt19937_64 random(11);
    std::normal_distribution<double> noise(0.0, 0.5);
    std::vector<long double> out(kReadings);
    double phase = 0.0;
    for (long double& x : out) {
      phase += 0.37 + noise(random);
      x = std::remainder(phase, 360.0);
    }
    return out;
  }();
  return readings;
}

const std::vector<double>& accumulatedSeconds() {
  static const std::vector<double> seconds = [] {
    const auto p = kovia::accumulatePhase(phaseReadings(), kovia::PhaseUnit::Degrees, 10e6);
    return std::vector<double>(p.seconds.begin(), p.seconds.end());
  }();
  return seconds;
}

void BM_FractionalDeviations(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(kovia::fractionalDeviations(frequencyReadings(), 10e6));
}
BENCHMARK(BM_FractionalDeviations)->Unit(benchmark::kMillisecond);

void BM_FrequencyAllan(benchmark::State& state) {
  const auto d = kovia::fractionalDeviations(frequencyReadings(), 10e6);
  const std::vector<float> y(d.values.begin(), d.values.end());
  for (auto _ : state) benchmark::DoNotOptimize(kovia::frequencyAllanDeviation(y));
}
BENCHMARK(BM_FrequencyAllan)->Unit(benchmark::kMillisecond);

void BM_AccumulatePhase(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(kovia::accumulatePhase(phaseReadings(), kovia::PhaseUnit::Degrees, 10e6));
}
BENCHMARK(BM_AccumulatePhase)->Unit(benchmark::kMillisecond);

void BM_FitOrderTwo(benchmark::State& state) {
  const auto& a = accumulatedSeconds();
  std::vector<double> x(a.size());
  std::vector<float> y(a.size());
  for (std::size_t k = 0; k < a.size(); ++k) {
    x[k] = static_cast<double>(k + 1);
    y[k] = static_cast<float>(a[k]);
  }
  for (auto _ : state) benchmark::DoNotOptimize(kovia::fitPolynomial(x, y, 2));
}
BENCHMARK(BM_FitOrderTwo)->Unit(benchmark::kMillisecond);

void BM_PhaseAllan(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(kovia::phaseAllanDeviation(accumulatedSeconds(), 1));
}
BENCHMARK(BM_PhaseAllan)->Unit(benchmark::kMillisecond);

}  // namespace
