// quintello-arena [--mani N] [--seme S] FIRST SECOND: plays N deals between two
// players, each deal twice with the seats swapped (the same cards dealt in the
// same order), and prints how many points a hand the first makes more than
// the second, the share of matches to 11 it wins and the time per move.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Giocatori.h"
#include "engine/Mazzo.h"
#include "engine/StatoPartita.h"
#include "rules/Giocata.h"
#include "scoring/ContaPunti.h"

namespace quintello::arena {
namespace {

struct Tempi {
  double totale = 0, peggiore = 0;
  long mosse = 0;
  void Aggiungi(double ms) {
    totale += ms;
    peggiore = std::max(peggiore, ms);
    ++mosse;
  }
};

struct Giocatore_ {
  std::string nome;
  Strategia strategia;
  Tempi tempi;
};

uint64_t Mescola(uint64_t a, uint64_t b) {
  Generatore g(a * 0x9e3779b97f4a7c15ULL + b);
  return g.Prossimo();
}

bool Legale(const Carte& carte, Giocatore posto, const Scelta& s) {
  for (const Scelta& m : MosseLegali(carte, posto))
    if (m == s) return true;
  return false;
}

// One whole hand: `aPC` plays the computer's seat. The deal comes from
// `semeMazzo` alone, so both replays of a deal see the same cards.
PuntiMano GiocaMano(Giocatore_& aPC, Giocatore_& aUtente, uint64_t semeMazzo, bool utenteDa,
                    uint64_t semeGiocatori) {
  StatoPartita stato;
  Generatore mazzo(semeMazzo);
  Generatore casoPC(Mescola(semeGiocatori, 1)), casoUtente(Mescola(semeGiocatori, 2));
  DaiCarte(stato.carte, mazzo);
  DaiCarteTerra(stato.carte, mazzo);
  stato.mazziere = utenteDa ? 1 : 0;
  stato.ultimapresa = stato.mazziere;
  Giocatore turno = utenteDa ? Giocatore::PC : Giocatore::Utente;
  for (;;) {
    if (stato.carte.Conta(ManoPC) + stato.carte.Conta(ManoUtente) == 0) {
      if (stato.carte.Conta(Mazzo) == 0) break;
      DaiCarte(stato.carte, mazzo);
    }
    const bool pc = turno == Giocatore::PC;
    Giocatore_& g = pc ? aPC : aUtente;
    const Contesto contesto{.mazziere = utenteDa ? Giocatore::Utente : Giocatore::PC,
                            .ultimaPresa = stato.ultimapresa ? Giocatore::Utente : Giocatore::PC};
    const auto inizio = std::chrono::steady_clock::now();
    const Scelta s = g.strategia(stato.carte, turno, contesto, pc ? casoPC : casoUtente);
    g.tempi.Aggiungi(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio)
            .count());
    if (!Legale(stato.carte, turno, s)) {
      std::fprintf(stderr, "%s played an illegal move: %s %s\n", g.nome.c_str(),
                   CodiceCarta(s.carta).c_str(), s.presa.c_str());
      std::exit(1);
    }
    ApplicaGiocata(stato, s.carta, s.presa, turno);
    turno = pc ? Giocatore::Utente : Giocatore::PC;
  }
  const int16_t pila = stato.ultimapresa ? PresaUtente : PresaPC;
  for (int v = 1; v <= kValori; ++v)
    for (int seme = 1; seme <= kSemi; ++seme)
      if (stato.carte(v, seme) == Terra) stato.carte(v, seme) = pila;
  return PuntiDellaMano(stato.carte);
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
  std::fprintf(stderr,
               "uso: quintello-arena [--mani N] [--seme S] PRIMO SECONDO\n"
               "giocatori: classico, esperto, avido, casuale\n");
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
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if ((a == "--mani" || a == "--seme") && i + 1 < argc) {
      char* fine = nullptr;
      const unsigned long long n = std::strtoull(argv[++i], &fine, 10);
      if (*fine != '\0') return Uso();
      if (a == "--mani") {
        mani = static_cast<long>(n);
      } else {
        seme = n;
      }
    } else {
      nomi.push_back(a);
    }
  }
  if (nomi.size() != 2 || mani <= 0) return Uso();
  Giocatore_ primo{nomi[0], StrategiaDi(nomi[0]), {}};
  Giocatore_ secondo{nomi[1], StrategiaDi(nomi[1]), {}};
  if (!primo.strategia || !secondo.strategia) return Uso();
  if (primo.nome == secondo.nome) {
    primo.nome += " (1)";
    secondo.nome += " (2)";
  }

  double somma = 0, quadrati = 0;
  Partite partite[2];
  for (long d = 0; d < mani; ++d) {
    const uint64_t semeMazzo = Mescola(seme, 2 * d);
    const uint64_t semeGiocatori = Mescola(seme, 2 * d + 1);
    const bool utenteDa = d % 2 == 1;
    const PuntiMano a = GiocaMano(primo, secondo, semeMazzo, utenteDa, semeGiocatori);
    const PuntiMano b = GiocaMano(secondo, primo, semeMazzo, utenteDa, semeGiocatori);
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
  std::printf("%s vs %s: %ld deals x 2 (seats swapped), seed %llu\n", primo.nome.c_str(),
              secondo.nome.c_str(), mani, static_cast<unsigned long long>(seme));
  std::printf("  points per hand, first minus second: %+.3f +/- %.3f (95%%)\n", media, ic);
  std::printf("  matches to 11 won by %s: %.1f%% of %ld\n", primo.nome.c_str(),
              giocate ? 100.0 * vinte / giocate : 0.0, giocate);
  for (const Giocatore_* g : {&primo, &secondo})
    std::printf("  time per move, %s: mean %.3f ms, worst %.3f ms (%ld moves)\n", g->nome.c_str(),
                g->tempi.mosse ? g->tempi.totale / g->tempi.mosse : 0.0, g->tempi.peggiore,
                g->tempi.mosse);
  return 0;
}
