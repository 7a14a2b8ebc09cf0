// A hand as one seat sees it: its own cards, the table, both piles and every
// play made, but of the other hand and the deck only how many cards each holds.
#pragma once

#include "engine/StatoPartita.h"
#include "rules/Mano.h"

namespace quintello {

struct Vista {
  Giocatore posto = Giocatore::PC;
  // The hand with the other side's cards and the deck taken out.
  Mano mano;
  InsiemeCarte nonViste;  // the other hand and the deck together
  int carteSue = 0;       // how many of them the other hand holds

  bool operator==(const Vista&) const = default;
};

// The one function that reads the hand for a seat.
Vista VistaDi(const Mano& mano, Giocatore posto);

// Makes `mano`, the hand of `vista`, the one where the other side holds `sue`
// and the deck the rest of the unseen cards.
void Completa(Mano& mano, const Vista& vista, InsiemeCarte sue);

}  // namespace quintello
