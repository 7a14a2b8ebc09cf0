#include "rules/ProponiPresa.h"

#include <limits>

#include "rules/Combinazioni.h"

namespace quintello {

Proposta ProponiPresa(const Carte& carte, int valore, int16_t indicepresa) {
  Combinazioni comb;
  CalcolaCombinazioni(carte, comb);
  CombinazioniObbligate(carte, comb, valore);
  Proposta p;
  // Counts every click, also on a card that can take nothing, but never past
  // what the counter can hold.
  p.indicepresa = indicepresa;
  if (p.indicepresa < std::numeric_limits<int16_t>::max()) ++p.indicepresa;
  const bool valido = valore >= 1 && valore <= kSommaMassima;
  p.totale = valido ? comb.n[valore] : 0;
  if (p.totale == 0) return p;
  if (p.indicepresa > p.totale || p.indicepresa < 1) p.indicepresa = 1;
  p.presa = comb.Voce(valore, p.indicepresa);
  return p;
}

}  // namespace quintello
