// Whether a loaded game is one the game can play on.
#pragma once

#include "engine/StatoPartita.h"

namespace quintello {

// Every file the game writes passes: known location codes, at most three
// cards in each hand and fifteen on the table, hand slots that list the
// user's cards in card order, a selected slot that exists (and holds a card
// in the user's turn), a dealer of 0 or 1, exactly one play button shown, and
// a deck that the deals of three cards each can empty.
bool PartitaGiocabile(const StatoPartita& stato);

}  // namespace quintello
