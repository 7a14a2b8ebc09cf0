// Painting the pictures the window keeps in its store; the target is the whole deck at 2x
// in under 50 ms.
#include <benchmark/benchmark.h>

#include "pittore/IconaQuintello.h"
#include "pittore/PittoreCarte.h"

namespace {

void MazzoIntero(benchmark::State& stato) {
  const qreal dpr = stato.range(0);
  for (auto _ : stato) {
    for (int16_t seme = 1; seme <= quintello::kSemi; ++seme) {
      for (int16_t valore = 1; valore <= quintello::kValori; ++valore) {
        benchmark::DoNotOptimize(quintello::pittore::ImmagineCarta({valore, seme}, dpr));
      }
    }
    benchmark::DoNotOptimize(quintello::pittore::ImmagineCarta({}, dpr));
  }
  stato.SetItemsProcessed(stato.iterations() * 41);
}
BENCHMARK(MazzoIntero)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// One card of each kind, to see where the time goes.
void UnaCarta(benchmark::State& stato) {
  const quintello::Carta carta{static_cast<int16_t>(stato.range(0)),
                               static_cast<int16_t>(stato.range(1))};
  for (auto _ : stato) benchmark::DoNotOptimize(quintello::pittore::ImmagineCarta(carta, 2));
}
BENCHMARK(UnaCarta)
    ->Args({1, 1})
    ->Args({7, 1})
    ->Args({7, 2})
    ->Args({7, 3})
    ->Args({7, 4})
    ->Args({9, 1})
    ->Args({10, 3})
    ->Args({0, 0})
    ->Unit(benchmark::kMicrosecond);

void Icone(benchmark::State& stato) {
  for (auto _ : stato) {
    for (int lato : {16, 32, 48, 64, 128})
      benchmark::DoNotOptimize(quintello::pittore::ImmagineIcona(lato));
  }
}
BENCHMARK(Icone)->Unit(benchmark::kMillisecond);

}  // namespace
