// Speed of the game logic on its worst cases, with allocations per operation.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <sstream>

#include "FinestraRegistrata.h"
#include "Posizione.h"
#include "engine/Gioco.h"
#include "rules/SceltaComputer.h"
#include "scoring/FormatoSalvataggio.h"

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
  Combinazioni comb;
  CalcolaCombinazioni(carte, comb);
  Contatore conta(state);
  for (auto _ : state) {
    CalcolaCombinazioni(carte, comb);
    benchmark::DoNotOptimize(comb.n);
  }
}
BENCHMARK(RicostruzioneListe);

void TurnoComputer(benchmark::State& state) {
  prova::Tavolo t;
  t.Prepara(kTerraTurno, kManoTurno, "");
  const StatoPartita prima = t.gioco.stato;
  long allocTurno = 0;
  for (auto _ : state) {
    t.gioco.stato = prima;
    CalcolaCombinazioni(t.gioco.stato.carte, t.gioco.combinazioni);
    t.finestra.PrendiEventi();
    // Only the turn is timed; putting the table back is not.
    const long allocPrima = allocazioni.load();
    const auto inizio = std::chrono::steady_clock::now();
    t.gioco.GiocaComputer();
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count());
    allocTurno += allocazioni.load() - allocPrima;
  }
  state.counters["alloc/op"] =
      benchmark::Counter(static_cast<double>(allocTurno), benchmark::Counter::kAvgIterations);
}
BENCHMARK(TurnoComputer)->UseManualTime();

// A whole hand, the computer against a user who always plays the proposal.
void ManoIntera(benchmark::State& state) {
  FinestraRegistrata f;
  Gioco g(f, 5);
  g.Form_Load();
  g.stato.puntivittoria = std::numeric_limits<int16_t>::max();  // the match never ends
  Contatore conta(state);
  for (auto _ : state) {
    bool finita = false;
    while (!finita) {
      if (f.Flag().procedi) {
        g.procedi_Click();
      } else {
        g.giocatautente_Click();
      }
      for (const std::string& e : f.PrendiEventi())
        finita = finita || e.starts_with("MSGBOX\tPunti");
    }
    g.stato.punteggiopc = g.stato.punteggiouser = 0;
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
    std::istringstream in(ScriviPartita(g.stato, f.Flag()));
    PartitaLetta letta{g.stato, f.Flag()};
    LeggiPartita(in, letta);
    benchmark::DoNotOptimize(letta.righe);
  }
}
BENCHMARK(ScriviELeggiInMemoria);

}  // namespace
}  // namespace quintello

BENCHMARK_MAIN();
