#include "esperto/Esperto.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "esperto/Ricerca.h"

namespace quintello {

namespace {

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
void OgniSottoinsieme(const std::vector<Carta>& carte, int k, std::size_t da, InsiemeCarte scelte,
                      F& f) {
  if (k == 0) {
    f(scelte);
    return;
  }
  for (std::size_t i = da; i + k <= carte.size(); ++i)
    OgniSottoinsieme(carte, k - 1, i + 1, scelte | carte[i], f);
}

}  // namespace

Scelta ScegliEsperto(const Vista& vista, Generatore& caso, const ParametriEsperto& parametri) {
  const std::vector<Scelta> mosse = vista.mano.MosseLegali(vista.posto);
  if (mosse.empty()) return {};
  if (mosse.size() == 1) return mosse[0];

  std::vector<Carta> ignote;
  for (Carta c : vista.nonViste) ignote.push_back(c);
  const int sue = std::min<int>(vista.carteSue, static_cast<int>(ignote.size()));

  std::vector<double> somma(mosse.size(), 0.0), campione(mosse.size());
  long nodi = 0;
  // One hand for every sample: the search gives it back as it found it.
  Mano mano = vista.mano;
  auto cerca = [&](InsiemeCarte manoSua) {
    if (nodi >= parametri.nodiMassimi) return;
    Completa(mano, vista, manoSua);
    Ricerca ricerca(vista.posto);
    ricerca.limite = parametri.nodiMassimi - nodi;
    const double inf = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < mosse.size(); ++i)
      campione[i] = ricerca.Dopo(mano, vista.posto, mosse[i], -inf, inf);
    nodi += ricerca.nodi;
    if (ricerca.interrotta) return;
    for (std::size_t i = 0; i < mosse.size(); ++i) somma[i] += campione[i];
  };

  const int campioni = std::max(1, parametri.campioni);
  if (QuanteScelte(static_cast<int>(ignote.size()), sue, campioni) <= campioni) {
    // Few enough hands to search them all: no sampling, no draws.
    OgniSottoinsieme(ignote, sue, 0, {}, cerca);
  } else {
    std::vector<Carta> mescolate = ignote;
    for (int c = 0; c < campioni && nodi < parametri.nodiMassimi; ++c) {
      for (int i = 0; i < sue; ++i) {
        const int j = i + caso.ParteIntera(static_cast<int>(mescolate.size()) - i);
        std::swap(mescolate[i], mescolate[j]);
      }
      InsiemeCarte manoSua;
      for (int i = 0; i < sue; ++i) manoSua |= mescolate[i];
      cerca(manoSua);
    }
  }

  std::size_t migliore = 0;
  for (std::size_t i = 1; i < mosse.size(); ++i)
    if (somma[i] > somma[migliore] + 1e-9) migliore = i;
  return mosse[migliore];
}

}  // namespace quintello
