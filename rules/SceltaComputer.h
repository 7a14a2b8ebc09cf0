// The computer's fixed, deterministic choice of card and capture.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/Carte.h"
#include "rules/Scelta.h"

namespace quintello {

// Sorts entries 1..n of a capture list by ascending weight with the game's
// own exchange loop. It is not a stable sort: captures of equal weight end
// where that loop leaves them, and the computer's choice depends on it.
void OrdinaCombinazioni(std::vector<std::string>& lista, int n);

// The computer captures when any of its cards (location ManoPC) can, with the
// card whose weight plus that of its lowest-weight capture is highest;
// otherwise it lays its lightest card. Ties keep the card that comes first in
// card order. Nothing when its hand is empty.
std::optional<Scelta> SceltaComputer(const Carte& carte);

}  // namespace quintello
