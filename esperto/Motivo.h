// Why a play was a mistake, in the player's words, from what separates its
// value from the best play's.
#pragma once

#include <string>

#include "esperto/Valutazione.h"
#include "rules/Mano.h"

namespace quintello {

// `mano` is the hand before the play; `migliore` and `fatta` the two plays
// with the parts of their values.
std::string Motivo(const Mano& mano, Giocatore chi, const Scelta& migliore,
                   const Parti& partiMigliore, const Scelta& fatta, const Parti& partiFatta);

// "Scelte equivalenti" when the best play beats the second by less than a
// mistake's worth; what the best play gains otherwise.
inline constexpr const char* kScelteEquivalenti = "Scelte equivalenti";

}  // namespace quintello
