// quintello-arena [--mani N] [--seme S] [--campioni N] [--nodi N] [--temperatura T]
// [--fiducia F] [--regole A,B] [--revisione] [--traccia] FIRST SECOND (--campioni and
// --nodi set the samples and the budget of positions of Esperto and Campione,
// --temperatura and --fiducia Campione's model of a person, --regole the house rules,
// --revisione judges every play as the review of a hand does): plays N deals between two
// players, each deal twice with the seats swapped (the same cards dealt in the
// same order), and prints how many points a hand the first makes more than
// the second, the share of matches to 11 it wins and the time per move.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "Giocatori.h"
#include "Traccia.h"
#include "esperto/Revisione.h"
#include "scoring/ContaPunti.h"

namespace quintello::arena {
namespace {

// Wall time, and the thread's own processor time, which the other programs
// on a shared machine do not inflate.
struct Tempi {
  double totale = 0, peggiore = 0, totaleCPU = 0, peggioreCPU = 0;
  long mosse = 0;
  void Aggiungi(double ms, double msCPU) {
    totale += ms;
    peggiore = std::max(peggiore, ms);
    totaleCPU += msCPU;
    peggioreCPU = std::max(peggioreCPU, msCPU);
    ++mosse;
  }
};

double MsCPU() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Giocatore_ {
  std::string nome;
  Strategia strategia;
  Tempi tempi;
  double costo = 0;  // what the review finds its plays cost, over all hands
  long maniRiviste = 0;
};

uint64_t Mescola(uint64_t a, uint64_t b) {
  Generatore g(a * 0x9e3779b97f4a7c15ULL + b);
  return g.Prossimo();
}

// One whole hand: `aPC` plays the computer's seat. The deal comes from
// `semeMazzo` alone, so both replays of a deal see the same cards.
PuntiMano GiocaUnaMano(Giocatore_& aPC, Giocatore_& aUtente, uint64_t semeMazzo, bool utenteDa,
                       uint64_t semeGiocatorePC, uint64_t semeGiocatoreUtente,
                       const Regole& regole, bool rivedi) {
  std::vector<Passo> passi;
  const Giocatore mazziere = utenteDa ? Giocatore::Utente : Giocatore::PC;
  Mano mano(mazziere, mazziere, regole);
  Generatore mazzo(semeMazzo);
  Generatore casoPC(semeGiocatorePC), casoUtente(semeGiocatoreUtente);
  mano.DaiPrimaSmazzata(mazzo);
  GiocaMano(mano, mazzo, [&](const Mano& m) {
    const bool pc = m.Turno() == Giocatore::PC;
    Giocatore_& g = pc ? aPC : aUtente;
    const auto inizio = std::chrono::steady_clock::now();
    const double inizioCPU = MsCPU();
    const Scelta s = g.strategia(m, pc ? casoPC : casoUtente);
    g.tempi.Aggiungi(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio)
            .count(),
        MsCPU() - inizioCPU);
    if (!m.Legale(m.Turno(), s)) {
      std::fprintf(stderr, "%s played an illegal move: %s %s\n", g.nome.c_str(),
                   CodiceCarta(s.carta).c_str(), s.presa.Codici().c_str());
      std::exit(1);
    }
    if (rivedi) passi.push_back({m, {m.Turno(), s}});
    return s;
  });
  // Each seat judged from its own view, with draws of the review's own.
  for (Giocatore chi : {Giocatore::PC, Giocatore::Utente}) {
    if (!rivedi) break;
    Giocatore_& g = chi == Giocatore::PC ? aPC : aUtente;
    g.costo += RivediMano(passi, chi, semeMazzo).costoTotale;
    ++g.maniRiviste;
  }
  return PuntiDellaMano(mano);
}

// Matches to 11 over consecutive hands, with tie-break hands; an unfinished
// last match is not counted.
struct Partite {
  int mio = 0, suo = 0;
  long vinte = 0, giocate = 0;
  void Mano(int a, int b) {
    mio += a;
    suo += b;
    if ((mio >= 11 || suo >= 11) && mio != suo) {
      vinte += mio > suo;
      ++giocate;
      mio = suo = 0;
    }
  }
};

int Uso() {
  std::fprintf(
      stderr,
      "uso: quintello-arena [--mani N] [--seme S] [--campioni N] [--nodi N] [--temperatura T] "
      "[--fiducia F] [--regole A,B] [--revisione] [--traccia] PRIMO SECONDO\n"
      "giocatori: principiante, classico, esperto, campione, avido, casuale\n"
      "regole: assopigliatutto, assoscopa, rebello, napola\n");
  return 2;
}

}  // namespace
}  // namespace quintello::arena

int main(int argc, char** argv) {
  using namespace quintello;
  using namespace quintello::arena;
  long mani = 2000;
  uint64_t seme = 1;
  std::vector<std::string> nomi;
  ParametriEsperto esperto;
  ParametriCampione campione;
  bool traccia = false, rivedi = false;
  Regole regole;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--traccia") {
      traccia = true;
    } else if (a == "--revisione") {
      rivedi = true;
    } else if (a == "--regole" && i + 1 < argc) {
      const std::optional<Regole> lette = LeggiNomiRegole(argv[++i]);
      if (!lette) return Uso();
      regole = *lette;
    } else if ((a == "--temperatura" || a == "--fiducia") && i + 1 < argc) {
      char* fine = nullptr;
      const double x = std::strtod(argv[++i], &fine);
      if (*fine != '\0' || !(x >= 0 && x <= 100) || (a == "--temperatura" && x == 0)) return Uso();
      (a == "--temperatura" ? campione.temperatura : campione.fiducia) = x;
    } else if ((a == "--mani" || a == "--seme" || a == "--campioni" || a == "--nodi") &&
               i + 1 < argc) {
      char* fine = nullptr;
      const unsigned long long n = std::strtoull(argv[++i], &fine, 10);
      if (*fine != '\0') return Uso();
      if (a == "--mani") mani = static_cast<long>(n);
      if (a == "--seme") seme = n;
      if (a == "--campioni") esperto.campioni = campione.ricerca.campioni = static_cast<int>(n);
      if (a == "--nodi") esperto.nodiMassimi = campione.ricerca.nodiMassimi = static_cast<long>(n);
    } else {
      nomi.push_back(a);
    }
  }
  if (nomi.size() != 2 || mani <= 0) return Uso();
  Giocatore_ primo{nomi[0], StrategiaDi(nomi[0], esperto, campione, nomi[1]), {}};
  Giocatore_ secondo{nomi[1], StrategiaDi(nomi[1], esperto, campione, nomi[0]), {}};
  if (!primo.strategia || !secondo.strategia) return Uso();
  if (traccia) {
    // The first player at the computer's seat, who deals when the seed is odd.
    StampaTraccia(primo.strategia, secondo.strategia, seme, seme % 2 == 1, regole, stdout);
    return 0;
  }
  if (primo.nome == secondo.nome) {
    primo.nome += " (1)";
    secondo.nome += " (2)";
  }

  double somma = 0, quadrati = 0;
  Partite partite[2];
  for (long d = 0; d < mani; ++d) {
    const uint64_t semeMazzo = Mescola(seme, 2 * d);
    // Each player keeps its own draws in both replays of a deal.
    const uint64_t semePrimo = Mescola(seme, 2 * d + 1);
    const uint64_t semeSecondo = Mescola(semePrimo, 1);
    const bool utenteDa = d % 2 == 1;
    const PuntiMano a =
        GiocaUnaMano(primo, secondo, semeMazzo, utenteDa, semePrimo, semeSecondo, regole, rivedi);
    const PuntiMano b =
        GiocaUnaMano(secondo, primo, semeMazzo, utenteDa, semeSecondo, semePrimo, regole, rivedi);
    partite[0].Mano(a.pc, a.utente);
    partite[1].Mano(b.utente, b.pc);
    const double x = ((a.pc - a.utente) + (b.utente - b.pc)) / 2.0;
    somma += x;
    quadrati += x * x;
  }
  const double media = somma / mani;
  const double varianza = mani > 1 ? (quadrati - mani * media * media) / (mani - 1) : 0;
  const double ic = 1.96 * std::sqrt(std::max(0.0, varianza) / mani);
  const long vinte = partite[0].vinte + partite[1].vinte;
  const long giocate = partite[0].giocate + partite[1].giocate;
  std::printf("%s contro %s: %ld mani x 2 (posti scambiati), seme %llu\n", primo.nome.c_str(),
              secondo.nome.c_str(), mani, static_cast<unsigned long long>(seme));
  if (!regole.Standard()) std::printf("  regole: %s\n", NomiRegole(regole).c_str());
  std::printf("  punti per mano, primo meno secondo: %+.3f +/- %.3f (95%%)\n", media, ic);
  std::printf("  partite a 11 vinte da %s: %.1f%% di %ld\n", primo.nome.c_str(),
              giocate ? 100.0 * vinte / giocate : 0.0, giocate);
  for (const Giocatore_* g : {&primo, &secondo}) {
    const double n = std::max(1L, g->tempi.mosse);
    std::printf(
        "  tempo per mossa, %s: media %.3f ms, peggiore %.3f ms; processore: media %.3f ms, "
        "peggiore %.3f ms (%ld mosse)\n",
        g->nome.c_str(), g->tempi.totale / n, g->tempi.peggiore, g->tempi.totaleCPU / n,
        g->tempi.peggioreCPU, g->tempi.mosse);
    if (g->maniRiviste > 0)
      std::printf("  costo medio per mano secondo la revisione, %s: %.3f\n", g->nome.c_str(),
                  g->costo / g->maniRiviste);
  }
  return 0;
}
