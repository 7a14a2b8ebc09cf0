#include "esperto/Campioni.h"

#include <algorithm>
#include <vector>

namespace quintello {

long QuanteScelte(int n, int k, long tetto) {
  long c = 1;
  for (int i = 1; i <= k; ++i) {
    c = c * (n - k + i) / i;
    if (c > tetto) return tetto + 1;
  }
  return c;
}

void PerOgniCampione(const Vista& vista, int campioni, Generatore& caso,
                     const std::function<bool(InsiemeCarte)>& f) {
  std::vector<Carta> ignote;
  for (Carta c : vista.nonViste) ignote.push_back(c);
  const int sue = std::min<int>(vista.carteSue, static_cast<int>(ignote.size()));
  campioni = std::max(1, campioni);
  if (QuanteScelte(static_cast<int>(ignote.size()), sue, campioni) <= campioni) {
    OgniMano(vista.nonViste, sue, f);
    return;
  }
  for (int c = 0; c < campioni; ++c) {
    for (int i = 0; i < sue; ++i) {
      const int j = i + caso.ParteIntera(static_cast<int>(ignote.size()) - i);
      std::swap(ignote[i], ignote[j]);
    }
    InsiemeCarte manoSua;
    for (int i = 0; i < sue; ++i) manoSua |= ignote[i];
    if (!f(manoSua)) return;
  }
}

}  // namespace quintello
