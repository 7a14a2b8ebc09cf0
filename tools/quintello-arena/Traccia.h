// One hand told step by step: before every play the table, the hand of the
// side to move and every play the rules allow it, then the play made; at
// the end the piles and the count. Its printout, kept as a golden file,
// pins the hand model the way the driver's scenarios pin the game.
#pragma once

#include <cstdint>
#include <cstdio>

#include "Giocatori.h"

namespace quintello::arena {

// `pc` plays the computer's seat, `utente` the user's; the deal and both
// players' draws come from `seme`, and the user deals when `utenteDa`.
void StampaTraccia(const Strategia& pc, const Strategia& utente, uint64_t seme, bool utenteDa,
                   const Regole& regole, std::FILE* uscita);

}  // namespace quintello::arena
