// The deck: who deals, gathering the cards, dealing hands and the table.
//
// There is no shuffled sequence: the deck is the set of cards whose location
// is 0, and every card dealt is drawn uniformly from it by rejection sampling.
#pragma once

#include <cstdint>

#include "engine/Carte.h"
#include "engine/Generatore.h"

namespace quintello {

inline constexpr int kCarteMano = 3;
inline constexpr int kCarteTerraIniziali = 4;

// 0 or 1 with equal chance: 1 the user deals, 0 the computer.
int16_t SorteggiaMazziere(Generatore& caso);
// Passes the deal: 1 becomes 0, anything else 1.
inline int16_t CambiaMazziere(int16_t mazziere) {
  return mazziere == 1 ? 0 : 1;
}
// Every card back in the deck.
inline void AzzeraMazzo(Carte& carte) {
  carte.Azzera();
}

// Moves one card drawn from the deck to `destinazione`. An empty deck (only a
// damaged saved game can ask for more cards than it holds) draws nothing.
bool PescaCarta(Carte& carte, Generatore& caso, Luogo destinazione);
// Three cards to the computer, then three to the user.
void DaiCarte(Carte& carte, Generatore& caso);
// Four cards face up on the table.
void DaiCarteTerra(Carte& carte, Generatore& caso);

}  // namespace quintello
