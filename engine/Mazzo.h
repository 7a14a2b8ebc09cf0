// The deck: who deals and how a card is drawn from it.
//
// There is no shuffled sequence: the deck is the set of cards not yet dealt,
// and every card dealt is drawn uniformly from it by rejection sampling.
#pragma once

#include <cstdint>
#include <optional>

#include "engine/Generatore.h"
#include "engine/InsiemeCarte.h"

namespace quintello {

inline constexpr int kCarteMano = 3;
inline constexpr int kCarteTerraIniziali = 4;

// 0 or 1 with equal chance: 1 the user deals, 0 the computer.
int16_t SorteggiaMazziere(Generatore& caso);
// Passes the deal: 1 becomes 0, anything else 1.
inline int16_t CambiaMazziere(int16_t mazziere) {
  return mazziere == 1 ? 0 : 1;
}

// Takes one card out of the deck: a value and a suit are drawn until they
// name a card still in it. An empty deck (only a damaged saved game can ask
// for more cards than it holds) gives nothing.
std::optional<Carta> PescaCarta(InsiemeCarte& mazzo, Generatore& caso);

}  // namespace quintello
