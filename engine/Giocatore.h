// The two sides of a match.
#pragma once

namespace quintello {

enum class Giocatore { PC, Utente };

}  // namespace quintello
