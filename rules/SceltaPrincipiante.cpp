#include "rules/SceltaPrincipiante.h"

#include <vector>

namespace quintello {

Scelta SceltaPrincipiante(const Mano& mano, Giocatore chi, Generatore& caso, double voglia) {
  std::vector<Scelta> mosse = mano.MosseLegali(chi);
  if (mosse.empty()) return {};
  std::vector<Scelta> prese;
  for (const Scelta& s : mosse)
    if (!s.presa.Vuoto()) prese.push_back(s);
  if (!prese.empty() && caso.Uniforme() < voglia) mosse = prese;
  return mosse[caso.ParteIntera(static_cast<int>(mosse.size()))];
}

}  // namespace quintello
