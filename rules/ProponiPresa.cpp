#include "rules/ProponiPresa.h"

#include <limits>

#include "engine/Gioco.h"

namespace quintello {

void IncorniciaPresa(Gioco& gioco, const std::string& presa) {
  for (std::size_t k = 0; k < NumeroCodici(presa); ++k) {
    const int posto = gioco.stato.carte.Posizione(LeggiCarta(CodiceN(presa, k)), Terra);
    if (posto >= 0 && posto < kPostiTerra) gioco.finestra.MostraShape1(posto, true);
  }
}

void ProponiPresa(Gioco& gioco, int valore, int /*seme*/) {
  StatoPartita& stato = gioco.stato;
  CombinazioniObbligate(stato.carte, gioco.combinazioni, valore);
  // Counts every click, also on a card that can take nothing, but never past
  // what the counter can hold.
  if (stato.indicepresa < std::numeric_limits<int16_t>::max()) ++stato.indicepresa;
  const bool valido = valore >= 1 && valore <= kSommaMassima;
  const int n = valido ? gioco.combinazioni.n[valore] : 0;
  if (n == 0) {
    stato.presautente.clear();
    gioco.finestra.AnnunciaProposta(stato.cartaselezionata, stato.presautente, 0, 0);
    return;
  }
  if (stato.indicepresa > n || stato.indicepresa < 1) stato.indicepresa = 1;
  stato.presautente = gioco.combinazioni.Voce(valore, stato.indicepresa);
  gioco.Ridisegna();
  IncorniciaPresa(gioco, stato.presautente);
  gioco.finestra.AnnunciaProposta(stato.cartaselezionata, stato.presautente, stato.indicepresa, n);
}

}  // namespace quintello
