#include "rules/ProponiPresa.h"

#include <limits>

#include "rules/Combinazioni.h"

namespace quintello {

Proposta ProponiPresa(const Carte& carte, int valore, int16_t indicepresa) {
  Proposta p;
  // Counts every click, also on a card that can take nothing, but never past
  // what the counter can hold.
  p.indicepresa = indicepresa;
  if (p.indicepresa < std::numeric_limits<int16_t>::max()) ++p.indicepresa;
  // An empty hand slot (only a damaged saved game selects one) takes nothing.
  if (valore < 1 || valore > kSommaMassima) return p;
  Combinazioni comb;
  CalcolaCombinazioni(carte, comb);
  CombinazioniObbligate(carte, comb, valore);
  p.totale = comb.n[valore];
  if (p.totale == 0) return p;
  if (p.indicepresa > p.totale || p.indicepresa < 1) p.indicepresa = 1;
  p.presa = comb.Voce(valore, p.indicepresa);
  return p;
}

}  // namespace quintello
