// The end of a hand and the settlement of a match, as a decision for the turn flow.
#pragma once

#include <string>

#include "engine/StatoPartita.h"
#include "rules/Mano.h"

namespace quintello {

enum class Esito {
  ProssimaMano,   // nobody has reached the target: the next hand
  Spareggio,      // level at or above the target: a tie-break hand
  VinceComputer,  // the match is over
  VinceUtente,
  NapolaComputer,  // a napola of all ten coins: the match is over whatever the scores
  NapolaUtente,
};

struct FineDellaMano {
  std::string conteggio;  // the count's message
  Esito esito;
};

// The table goes to the last capturer, the hand is counted and added to the
// match scores; then the match is settled against the target.
FineDellaMano FineMano(Mano& mano, StatoPartita& stato);

}  // namespace quintello
