// What the computer thinks a card is worth.
#pragma once

#include "engine/InsiemeCarte.h"

namespace quintello {

// The weight of one card, by the first rule that fits it: any coin but the
// settebello 1.7, the settebello 10, other sevens 3.5, then by value.
double PesoCarta(Carta carta);

// The weight of a set: its cards' weights added in card order, the order in
// which a capture string lists them.
double PesoCarte(InsiemeCarte carte);

}  // namespace quintello
