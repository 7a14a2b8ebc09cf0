// How a played card and its capture change the card locations.
#pragma once

#include <string_view>

#include "engine/Giocatore.h"
#include "engine/StatoPartita.h"

namespace quintello {

// With an empty capture the card is laid on the table. Otherwise the captured
// cards and the played one go to the player's pile, the player becomes the
// last capturer, and a capture that leaves the table empty is a sweep: the
// played card is marked as its sweep card.
void ApplicaGiocata(StatoPartita& stato, Carta giocata, std::string_view presa, Giocatore chi);

}  // namespace quintello
