// Reading replies and writing fixed-decimal texts, each next to the bare
// standard conversion on the same values: ParseReal64 against
// std::from_chars, FixedText against std::to_chars with the same decimals.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <random>
#include <string>
#include <vector>

#include "adjust/numbers.h"

namespace {

// Coordinates, angles in packed DMS and side lengths as crews type them.
const std::vector<std::string>& Replies() {
  static const std::vector<std::string> replies = [] {
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> coordinate(-5e6, 5e6);
    std::uniform_real_distribution<double> angle(0, 360);
    std::uniform_real_distribution<double> length(1, 2000);
    std::vector<std::string> texts;
    std::array<char, 64> buffer;
    for (int i = 0; i < 1024; ++i) {
      const double values[] = {coordinate(random), angle(random), length(random)};
      const int decimals[] = {3, 5, 4};
      const double value = values[i % 3];
      const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                     std::chars_format::fixed, decimals[i % 3])
                           .ptr;
      texts.emplace_back(buffer.data(), end);
    }
    return texts;
  }();
  return replies;
}

const std::vector<double>& Values() {
  static const std::vector<double> values = [] {
    std::vector<double> v;
    for (const std::string& reply : Replies()) v.push_back(*koravel::ParseReal64(reply));
    return v;
  }();
  return values;
}

void BM_ParseReal64(benchmark::State& state) {
  const auto& replies = Replies();
  for (auto _ : state) {
    for (const std::string& reply : replies) {
      benchmark::DoNotOptimize(koravel::ParseReal64(reply));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(replies.size()));
}
BENCHMARK(BM_ParseReal64);

void BM_FromChars(benchmark::State& state) {
  const auto& replies = Replies();
  for (auto _ : state) {
    for (const std::string& reply : replies) {
      double value = 0;
      benchmark::DoNotOptimize(std::from_chars(reply.data(), reply.data() + reply.size(), value));
      benchmark::DoNotOptimize(value);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(replies.size()));
}
BENCHMARK(BM_FromChars);

void BM_FixedText(benchmark::State& state) {
  const auto& values = Values();
  for (auto _ : state) {
    for (double value : values) benchmark::DoNotOptimize(koravel::FixedText(value, 5));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(BM_FixedText);

void BM_ToChars(benchmark::State& state) {
  const auto& values = Values();
  std::array<char, 400> buffer;
  for (auto _ : state) {
    for (double value : values) {
      benchmark::DoNotOptimize(std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                             std::chars_format::fixed, 5));
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(BM_ToChars);

}  // namespace

BENCHMARK_MAIN();
