#include "esperto/Esperto.h"

#include <limits>
#include <vector>

#include "engine/Mazzo.h"
#include "esperto/Ricerca.h"

namespace quintello {

using namespace esperto;

namespace {

struct Mossa {
  int carta;
  Maschera presa;
};

std::vector<Mossa> MosseDi(Maschera mano, Maschera terra) {
  std::vector<Mossa> mosse;
  ElencoPrese elenco;
  for (Maschera m = mano; m != 0; m &= m - 1) {
    const int carta = Prima(m);
    PreseDi(terra, ValoreDi(carta), elenco);
    if (elenco.n == 0) mosse.push_back({carta, 0});
    for (int k = 0; k < elenco.n; ++k) mosse.push_back({carta, elenco.prese[k]});
  }
  return mosse;
}

// How many ways to pick k of n, stopping counting once past `tetto`.
long QuanteScelte(int n, int k, long tetto) {
  long c = 1;
  for (int i = 1; i <= k; ++i) {
    c = c * (n - k + i) / i;
    if (c > tetto) return tetto + 1;
  }
  return c;
}

// Visits every set of k cards out of `carte`, in a fixed order.
template <typename F>
void OgniSottoinsieme(const std::vector<int>& carte, int k, std::size_t da, Maschera scelte, F& f) {
  if (k == 0) {
    f(scelte);
    return;
  }
  for (std::size_t i = da; i + k <= carte.size(); ++i)
    OgniSottoinsieme(carte, k - 1, i + 1, scelte | Bit(carte[i]), f);
}

}  // namespace

Scelta ScegliEsperto(const Vista& vista, Generatore& caso, const ParametriEsperto& parametri) {
  const std::vector<Mossa> mosse = MosseDi(vista.mano, vista.terra);
  if (mosse.empty()) return {};
  auto scelta = [&](const Mossa& m) { return Scelta{CartaDi(m.carta), CodiciDi(m.presa)}; };
  if (mosse.size() == 1) return scelta(mosse[0]);

  std::vector<int> ignote;
  for (Maschera m = vista.nonViste; m != 0; m &= m - 1) ignote.push_back(Prima(m));
  const int sue = std::min<int>(vista.carteSue, static_cast<int>(ignote.size()));

  Posizione base;
  base.mano[0] = vista.mano;
  base.terra = vista.terra;
  base.prese[0] = vista.preseMie;
  base.prese[1] = vista.preseSue;
  base.scope[0] = vista.scopeMie;
  base.scope[1] = vista.scopeSue;
  base.ultimo = vista.ultimaMia ? 0 : 1;
  // The side that does not deal opens every deal.
  const int prossimo = vista.ioDo ? 1 : 0;

  std::vector<double> somma(mosse.size(), 0.0), campione(mosse.size());
  long nodi = 0;
  int cercati = 0;
  // A sample that runs past the budget is dropped whole, so every move is
  // judged on the same samples.
  auto cerca = [&](Maschera manoSua, std::vector<Smazzata> seguenti) {
    if (nodi >= parametri.nodiMassimi) return;
    Posizione p = base;
    p.mano[1] = manoSua;
    Ricerca ricerca(vista.nonViste & ~manoSua, prossimo, std::move(seguenti));
    ricerca.limite = parametri.nodiMassimi - nodi;
    const double inf = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < mosse.size(); ++i) {
      Posizione q = p;
      Applica(q, 0, mosse[i].carta, mosse[i].presa);
      campione[i] = -ricerca.Negamax(q, 1, -inf, inf);
    }
    nodi += ricerca.nodi;
    if (ricerca.interrotta) return;
    for (std::size_t i = 0; i < mosse.size(); ++i) somma[i] += campione[i];
    ++cercati;
  };

  const int campioni = std::max(1, parametri.campioni);
  const int seguenti = std::min(std::max(0, parametri.smazzate - 1),
                                (static_cast<int>(ignote.size()) - sue) / (2 * kCarteMano));
  if (seguenti == 0 && QuanteScelte(static_cast<int>(ignote.size()), sue, campioni) <= campioni) {
    // Few enough hands to search them all: no sampling, no draws.
    auto tutte = [&](Maschera manoSua) { cerca(manoSua, {}); };
    OgniSottoinsieme(ignote, sue, 0, 0, tutte);
  } else {
    std::vector<int> mescolate = ignote;
    const int estratte = sue + seguenti * 2 * kCarteMano;
    for (int c = 0; c < campioni && nodi < parametri.nodiMassimi; ++c) {
      for (int i = 0; i < estratte; ++i) {
        const int j = i + caso.ParteIntera(static_cast<int>(mescolate.size()) - i);
        std::swap(mescolate[i], mescolate[j]);
      }
      Maschera manoSua = 0;
      for (int i = 0; i < sue; ++i) manoSua |= Bit(mescolate[i]);
      std::vector<Smazzata> future(seguenti);
      for (int i = sue; i < estratte; ++i)
        future[(i - sue) / (2 * kCarteMano)].mano[(i - sue) / kCarteMano % 2] |= Bit(mescolate[i]);
      cerca(manoSua, std::move(future));
    }
  }

  if (cercati == 0) {
    // Not one sample fitted the budget: judge each move by the position it leaves.
    for (std::size_t i = 0; i < mosse.size(); ++i) {
      Posizione q = base;
      Applica(q, 0, mosse[i].carta, mosse[i].presa);
      somma[i] = Stima(q, vista.nonViste, 1);
    }
  }
  std::size_t migliore = 0;
  for (std::size_t i = 1; i < mosse.size(); ++i)
    if (somma[i] > somma[migliore] + 1e-9) migliore = i;
  return scelta(mosse[migliore]);
}

}  // namespace quintello
