// The ways the cards a seat cannot see may lie: every one when they are few,
// otherwise a sample drawn at random.
#pragma once

#include <functional>
#include <type_traits>
#include <vector>

#include "engine/Generatore.h"
#include "esperto/Vista.h"

namespace quintello {

// How many ways to pick k of n, counting no further than just past `tetto`.
long QuanteScelte(int n, int k, long tetto);

namespace dettaglio {
template <typename F>
bool OgniMano(const std::vector<Carta>& carte, int k, std::size_t da, InsiemeCarte scelte, F& f) {
  if (k == 0) {
    if constexpr (std::is_void_v<decltype(f(scelte))>) {
      f(scelte);
      return true;
    } else {
      return f(scelte);
    }
  }
  for (std::size_t i = da; i + k <= carte.size(); ++i)
    if (!OgniMano(carte, k - 1, i + 1, scelte | carte[i], f)) return false;
  return true;
}
}  // namespace dettaglio

// Calls `f` with every set of k of the cards, in a fixed order; an `f` that
// returns false stops the walk.
template <typename F>
void OgniMano(InsiemeCarte carte, int k, F&& f) {
  std::vector<Carta> elenco;
  for (Carta c : carte) elenco.push_back(c);
  dettaglio::OgniMano(elenco, k, 0, {}, f);
}

// Calls `f` with the other side's hand of each split of the unseen cards:
// all of them when there are at most `campioni` (no draws then), otherwise
// `campioni` drawn from `caso`. `f` returns false to stop before the next.
void PerOgniCampione(const Vista& vista, int campioni, Generatore& caso,
                     const std::function<bool(InsiemeCarte)>& f);

}  // namespace quintello
