#include "rules/ProponiPresa.h"

#include <limits>

#include "rules/Combinazioni.h"

namespace quintello {

Proposta ProponiPresa(InsiemeCarte terra, int valore, int16_t indicepresa,
                      const Regole& regole) {
  Proposta p;
  // Counts every click, also on a card that can take nothing, but never past
  // what the counter can hold.
  p.indicepresa = indicepresa;
  if (p.indicepresa < std::numeric_limits<int16_t>::max()) ++p.indicepresa;
  // An empty hand slot (only a damaged saved game selects one) takes nothing.
  if (valore < 1 || valore > kSommaMassima) return p;
  ElencoPrese prese;
  PreseDi(terra, valore, regole, prese);
  p.totale = prese.Quante();
  if (p.totale == 0) return p;
  if (p.indicepresa > p.totale || p.indicepresa < 1) p.indicepresa = 1;
  p.presa = prese[p.indicepresa - 1];
  return p;
}

}  // namespace quintello
