// The target score of a match and the menu item that names it.
#pragma once

#include <array>
#include <cstdint>

#include "engine/StatoPartita.h"

namespace quintello {

// The targets the menu offers, item by item.
inline constexpr std::array<int16_t, kObiettivi> kPuntiObiettivo{7, 11, 16, 21};

// The check marks for a target: the one item that names it, or none for a
// target no item names (only a saved game can bring one).
std::array<bool, kObiettivi> SpunteObiettivo(int16_t puntivittoria);

}  // namespace quintello
