// The computer's fixed, deterministic choice of card and capture.
#pragma once

#include <optional>

#include "rules/Combinazioni.h"
#include "rules/Scelta.h"

namespace quintello {

// Sorts a capture list by ascending weight with the game's own exchange
// loop. It is not a stable sort: captures of equal weight end where that
// loop leaves them, and the computer's choice depends on it.
void OrdinaCombinazioni(ElencoPrese& lista);

// The computer captures when any of its first three cards can, with the card
// whose weight plus that of its lowest-weight capture is highest; otherwise
// it lays its lightest card. Ties keep the card that comes first in card
// order. Nothing when its hand is empty. The captures are those the house
// rules allow; the weights and the order are the same under every rule set.
std::optional<Scelta> SceltaComputer(InsiemeCarte mano, InsiemeCarte terra,
                                     const Regole& regole);

}  // namespace quintello
