#include "rules/Combinazioni.h"

#include <bit>
#include <cstdint>

namespace quintello {

namespace {

// The cards of `resto` come in ascending value, so the first one over what
// is still missing ends the branch: no superset of it can add up.
void Cerca(uint64_t resto, int manca, InsiemeCarte prefisso, ElencoPrese& elenco) {
  while (resto != 0) {
    const int indice = std::countr_zero(resto);
    resto &= resto - 1;
    const int valore = indice / kSemi + 1;  // card order: four suits a value
    if (valore > manca) return;
    const InsiemeCarte presa = prefisso | InsiemeCarte::DiIndice(indice);
    if (valore == manca) {
      elenco.Aggiungi(presa);
    } else {
      Cerca(resto, manca - valore, presa, elenco);
    }
  }
}

}  // namespace

void CercaCombinazioni(InsiemeCarte terra, int somma, ElencoPrese& elenco) {
  Cerca(terra.Bit(), somma, {}, elenco);
}

void CercaPrese(InsiemeCarte terra, int valore, const Regole& regole, ElencoPrese& elenco) {
  if (PigliaTutto(regole, terra, valore)) {
    elenco.Aggiungi(terra);
  } else {
    CercaCombinazioni(terra, valore, elenco);
  }
}

Combinazioni CalcolaCombinazioni(InsiemeCarte terra) {
  Combinazioni comb;
  ElencoPrese elenco;
  for (int somma = 1; somma <= kSommaMassima; ++somma) {
    elenco.Svuota();
    CercaCombinazioni(terra, somma, elenco);
    comb.liste[somma].assign(elenco.begin(), elenco.end());
  }
  return comb;
}

void CombinazioniObbligate(InsiemeCarte terra, ElencoPrese& lista, int valorecarta) {
  const InsiemeCarte stesse = terra & InsiemeCarte::DelValore(valorecarta);
  if (stesse.Vuoto()) return;
  lista.Svuota();
  for (Carta carta : stesse) lista.Aggiungi(InsiemeCarte(carta));
}

void PreseDi(InsiemeCarte terra, int valore, const Regole& regole, ElencoPrese& elenco) {
  elenco.Svuota();
  // With the value on the table the sums are never offered: skip them.
  if ((terra & InsiemeCarte::DelValore(valore)).Vuoto()) CercaPrese(terra, valore, regole, elenco);
  CombinazioniObbligate(terra, elenco, valore);
}

}  // namespace quintello
