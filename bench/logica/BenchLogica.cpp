// Speed of the game logic on its worst cases, with allocations per operation.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <new>

#include "MettiCarte.h"
#include "controller/Gioco.h"
#include "registrata/FinestraRegistrata.h"
#include "rules/Combinazioni.h"
#include "rules/SceltaComputer.h"
#include "salvataggio/FormatoSalvataggio.h"

namespace {

std::atomic<long> allocazioni{0};

}  // namespace

void* operator new(std::size_t n) {
  ++allocazioni;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace quintello {
namespace {

// The table with the most subsets to visit: four aces and one card of each
// other value. The computer's worst turn holds three cards of a value the
// table lacks, so one long list is sorted three times.
constexpr const char* kTerraPeggiore = "1o 1s 1c 1b 2o 3o 4o 5o 6o 7s 8o 9o 0o";
constexpr const char* kTerraTurno = "1o 1s 1c 1b 2o 3o 4o 5o 6o 7s 8o 9o";
constexpr const char* kManoTurno = "0s 0c 0b";

struct Contatore {
  explicit Contatore(benchmark::State& s) : stato(s), inizio(allocazioni.load()) {}
  ~Contatore() {
    stato.counters["alloc/op"] = benchmark::Counter(
        static_cast<double>(allocazioni.load() - inizio), benchmark::Counter::kAvgIterations);
  }
  benchmark::State& stato;
  long inizio;
};

void RicostruzioneListe(benchmark::State& state) {
  Carte carte;
  prova::Metti(carte, kTerraPeggiore, Terra);
  const InsiemeCarte terra = carte.Insieme(Terra);
  Contatore conta(state);
  for (auto _ : state) benchmark::DoNotOptimize(CalcolaCombinazioni(terra));
}
BENCHMARK(RicostruzioneListe);

void TurnoComputer(benchmark::State& state) {
  Carte carte;
  prova::Metti(carte, kTerraTurno, Terra);
  prova::Metti(carte, kManoTurno, ManoPC);
  Contatore conta(state);
  const InsiemeCarte mano = carte.Insieme(ManoPC), terra = carte.Insieme(Terra);
  for (auto _ : state) benchmark::DoNotOptimize(SceltaComputer(mano, terra, {}));
}
BENCHMARK(TurnoComputer);

// A whole hand, the computer against a user who always plays the proposal.
void ManoIntera(benchmark::State& state) {
  FinestraRegistrata f;
  Gioco g(f, 5);
  g.Form_Load();
  Contatore conta(state);
  for (auto _ : state) {
    bool finita = false;
    while (!finita) {
      if (g.Azioni().procedi) {
        g.procedi_Click();
      } else {
        g.giocatautente_Click();
      }
      for (const std::string& e : f.PrendiEventi())
        finita = finita || e.starts_with("MSGBOX\tPunti");
    }
  }
}
BENCHMARK(ManoIntera);

void SalvaECarica(benchmark::State& state) {
  const std::string file =
      (std::filesystem::exists("/dev/shm") ? std::string("/dev/shm")
                                           : std::filesystem::temp_directory_path().string()) +
      "/quintello-bench.qnt";
  FinestraRegistrata f;
  Gioco g(f, 8);
  g.Form_Load();
  Contatore conta(state);
  for (auto _ : state) {
    f.AccodaFile(file);
    g.salva_Click();
    f.AccodaFile(file);
    g.carica_Click();
    f.PrendiEventi();
  }
  std::filesystem::remove(file);
}
BENCHMARK(SalvaECarica);

void ScriviELeggiInMemoria(benchmark::State& state) {
  FinestraRegistrata f;
  Gioco g(f, 8);
  g.Form_Load();
  Contatore conta(state);
  for (auto _ : state) {
    const PartitaLetta letta = LeggiPartita(ScriviPartita(g.Stato()), g.Stato());
    benchmark::DoNotOptimize(letta.righe);
  }
}
BENCHMARK(ScriviELeggiInMemoria);

}  // namespace
}  // namespace quintello

BENCHMARK_MAIN();
