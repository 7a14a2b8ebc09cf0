#include "rules/Giocata.h"

namespace quintello {

void ApplicaGiocata(StatoPartita& stato, Carta giocata, std::string_view presa, Giocatore chi) {
  Carte& carte = stato.carte;
  if (presa.empty()) {
    carte[giocata] = Terra;
    return;
  }
  const bool utente = chi == Giocatore::Utente;
  const int16_t pila = utente ? PresaUtente : PresaPC;
  for (std::size_t k = 0; k < NumeroCodici(presa); ++k) carte[LeggiCarta(CodiceN(presa, k))] = pila;
  carte[giocata] = pila;
  stato.ultimapresa = utente ? 1 : 0;
  if (carte.Conta(Terra) == 0) carte[giocata] = utente ? ScopaUtente : ScopaPC;
}

}  // namespace quintello
