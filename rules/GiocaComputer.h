// The computer's turn: a fixed, deterministic choice of card and capture.
#pragma once

#include <string>
#include <vector>

namespace quintello {

class Gioco;

// Sorts entries 1..n of a capture list by ascending weight with the game's
// own exchange loop. It is not a stable sort: captures of equal weight end
// where that loop leaves them, and the computer's choice depends on it.
void OrdinaCombinazioni(std::vector<std::string>& lista, int n);

// The computer captures when any of its cards can, with the card whose weight
// plus that of its lowest-weight capture is highest; otherwise it lays its
// lightest card. Ties keep the card that comes first in card order. The play
// is shown, its captured cards framed, and the game waits for `procedi`.
void GiocaComputer(Gioco& gioco);

}  // namespace quintello
