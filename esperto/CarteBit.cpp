#include "esperto/CarteBit.h"

#include <cassert>

namespace quintello::esperto {

namespace {

// Cards are visited in ascending value, so the first card over what is still
// missing ends the branch.
void Somme(Maschera resto, int manca, Maschera presa, ElencoPrese& elenco) {
  while (resto != 0) {
    const int i = Prima(resto);
    resto &= resto - 1;
    const int valore = ValoreDi(i);
    if (valore > manca) return;
    if (valore == manca) {
      assert(elenco.n < kPreseMassime);
      if (elenco.n < kPreseMassime) elenco.prese[elenco.n++] = presa | Bit(i);
    } else {
      Somme(resto, manca - valore, presa | Bit(i), elenco);
    }
  }
}

}  // namespace

void PreseDi(Maschera terra, int valore, ElencoPrese& elenco) {
  elenco.n = 0;
  const Maschera stesse = terra & DelValore(valore);
  if (stesse != 0) {
    for (Maschera m = stesse; m != 0; m &= m - 1) elenco.prese[elenco.n++] = m & (~m + 1);
    return;
  }
  Somme(terra & (DelValore(valore) - 1), valore, 0, elenco);
}

std::string CodiciDi(Maschera m) {
  std::string codici;
  for (; m != 0; m &= m - 1) codici += CodiceCarta(CartaDi(Prima(m)));
  return codici;
}

}  // namespace quintello::esperto
