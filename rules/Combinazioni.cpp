#include "rules/Combinazioni.h"

namespace quintello {

namespace {

// The cards of `resto` come in ascending value, so the first one over what
// is still missing ends the branch: no superset of it can add up.
void Cerca(InsiemeCarte resto, int manca, InsiemeCarte prefisso, ElencoPrese& elenco) {
  for (Carta carta : resto) {
    resto -= carta;
    if (carta.valore > manca) return;
    if (carta.valore == manca) {
      elenco.Aggiungi(prefisso | carta);
    } else {
      Cerca(resto, manca - carta.valore, prefisso | carta, elenco);
    }
  }
}

}  // namespace

void CercaCombinazioni(InsiemeCarte terra, int somma, ElencoPrese& elenco) {
  Cerca(terra, somma, {}, elenco);
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

void PreseDi(InsiemeCarte terra, int valore, ElencoPrese& elenco) {
  elenco.Svuota();
  // With the value on the table the sums are never offered: skip them.
  if ((terra & InsiemeCarte::DelValore(valore)).Vuoto()) CercaCombinazioni(terra, valore, elenco);
  CombinazioniObbligate(terra, elenco, valore);
}

}  // namespace quintello
