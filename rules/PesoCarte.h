// What the computer thinks a card is worth.
#pragma once

#include <string_view>

namespace quintello {

// The weight of one card, by the first rule that fits it: any coin but the
// settebello 1.7, the settebello 10, other sevens 3.5, then by value.
double PesoCarta(int valore, char lettera);

// The weight of a capture string: its cards' weights added from the left.
double PesoCarte(std::string_view presa);

}  // namespace quintello
