// Time of one Esperto or Campione move on the hardest positions: a full hand
// and a full table early in a hand, where they sample the most and search
// deepest, and every move of whole hands.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

#include "MettiCarte.h"
#include "engine/Mazzo.h"
#include "esperto/Campione.h"
#include "esperto/Esperto.h"
#include "esperto/Revisione.h"
#include "rules/Mano.h"
#include "rules/SceltaComputer.h"

namespace quintello {
namespace {

struct Apertura {
  const char* terra;
  const char* mano;
};
// Small cards on the table and tens, nines and eights in both hands: every
// card has several captures, for both sides.
constexpr Apertura kAperture[] = {
    {"1o 2s 3c 4b", "0o 9s 8c"},
    {"1o 1s 2c 3b", "7o 6s 5c"},
    {"1o 2o 3o 4o", "0s 9c 7b"},
    {"2o 2s 3c 3b", "0o 0s 7c"},
    // Later in a hand: four aces and a run of small cards, every high card
    // with dozens of captures. This one runs into the search's budget of
    // positions, which bounds every move.
    {"1o 1s 1c 1b 2o 3s 4c 5b 6o", "0o 9s 8c"},
};

Mano PosizioneIniziale(const Apertura& a, bool pcDa) {
  Carte carte;
  prova::Metti(carte, a.terra, Terra);
  prova::Metti(carte, a.mano, ManoPC);
  Mano mano =
      Mano::DaLuoghi(carte, pcDa ? Giocatore::PC : Giocatore::Utente, Giocatore::PC, Giocatore::PC);
  InsiemeCarte mazzo = mano.Mazzo();
  Generatore caso(3);
  InsiemeCarte utente;
  for (int i = 0; i < kCarteMano; ++i) utente |= *PescaCarta(mazzo, caso);
  mano.ImpostaCarte(Giocatore::Utente, utente);
  mano.ImpostaMazzo(mazzo);
  return mano;
}

void Aperture(benchmark::State& state) {
  const Vista vista =
      VistaDi(PosizioneIniziale(kAperture[state.range(0)], state.range(1)), Giocatore::PC);
  Generatore caso(1);
  for (auto _ : state) benchmark::DoNotOptimize(ScegliEsperto(vista, caso));
}
BENCHMARK(Aperture)->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})->Unit(benchmark::kMillisecond);

// Campione on the same tables, modelling the fixed player (0) or a person
// (1): before the other side has played, and after it has played one card by
// the fixed rule, which Campione then reads.
void ApertureCampione(benchmark::State& state) {
  Mano mano = PosizioneIniziale(kAperture[state.range(0)], false);
  if (state.range(2)) {
    mano.ImpostaTurno(Giocatore::Utente);
    mano.Applica(*SceltaComputer(mano.CarteIn(Giocatore::Utente), mano.Terra(), {}));
  }
  const Vista vista = VistaDi(mano, Giocatore::PC);
  const Modello modello = state.range(1) ? Modello::Umano : Modello::Classico;
  Generatore caso(1);
  for (auto _ : state) benchmark::DoNotOptimize(ScegliCampione(vista, modello, caso));
}
BENCHMARK(ApertureCampione)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

double MsCPU() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Every move of the searching player over whole hands, each timed by the
// clock and by the thread's processor time, which other programs on a shared
// machine do not inflate. The counters give the worst and the mean. Esperto
// plays both seats (0); Campione plays against the fixed player (1) and
// against Esperto (2), modelling each as it does in the game.
void PartiteIntere(benchmark::State& state) {
  double peggiore = 0, totale = 0, peggioreCPU = 0;
  long mosse = 0;
  const int chi = static_cast<int>(state.range(0));
  for (auto _ : state) {
    for (uint64_t seme = 1; seme <= 500; ++seme) {
      Generatore caso(seme);
      Mano mano(seme % 2 ? Giocatore::Utente : Giocatore::PC);
      mano.DaiPrimaSmazzata(caso);
      GiocaMano(mano, caso, [&](const Mano& m) {
        const Vista vista = VistaDi(m, m.Turno());
        if (chi == 1 && m.Turno() == Giocatore::Utente)
          return *SceltaComputer(m.CarteIn(m.Turno()), m.Terra(), m.RegoleInVigore());
        if (chi == 2 && m.Turno() == Giocatore::Utente) return ScegliEsperto(vista, caso);
        const auto inizio = std::chrono::steady_clock::now();
        const double inizioCPU = MsCPU();
        const Scelta s = chi == 0   ? ScegliEsperto(vista, caso)
                         : chi == 1 ? ScegliCampione(vista, Modello::Classico, caso)
                                    : ScegliCampione(vista, Modello::Umano, caso);
        peggioreCPU = std::max(peggioreCPU, MsCPU() - inizioCPU);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio)
                .count();
        peggiore = std::max(peggiore, ms);
        totale += ms;
        ++mosse;
        return s;
      });
    }
  }
  state.counters["peggiore_ms"] = peggiore;
  state.counters["peggiore_cpu_ms"] = peggioreCPU;
  state.counters["media_ms"] = totale / std::max(1L, mosse);
}
BENCHMARK(PartiteIntere)->Arg(0)->Arg(1)->Arg(2)->Iterations(1)->Unit(benchmark::kMillisecond);

// The review of whole hands, the user's seat judged: 200 seeded hands of
// Esperto against itself, the worst and the mean time for one hand.
void RevisioniDiMani(benchmark::State& state) {
  double peggiore = 0, totale = 0;
  for (auto _ : state) {
    for (uint64_t seme = 1; seme <= 200; ++seme) {
      Generatore caso(seme);
      Mano mano(seme % 2 ? Giocatore::Utente : Giocatore::PC);
      mano.DaiPrimaSmazzata(caso);
      std::vector<Passo> passi;
      GiocaMano(mano, caso, [&](const Mano& m) {
        const Scelta s = ScegliEsperto(VistaDi(m, m.Turno()), caso);
        passi.push_back({m, {m.Turno(), s}});
        return s;
      });
      const auto inizio = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(RivediMano(passi, Giocatore::Utente, seme));
      const double ms =
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio)
              .count();
      peggiore = std::max(peggiore, ms);
      totale += ms;
    }
  }
  state.counters["peggiore_ms"] = peggiore;
  state.counters["media_ms"] = totale / 200;
}
BENCHMARK(RevisioniDiMani)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quintello

BENCHMARK_MAIN();
