// The cards' Italian names, for what is said and written to the player.
#pragma once

#include <string>

#include "engine/Carta.h"

namespace quintello {

inline constexpr const char* kCartaCoperta = "carta coperta";

// "sette di denari"; kCartaCoperta for anything that is not a card.
std::string NomeDellaCarta(Carta carta);
// "il sette di denari", "l'asso di coppe"; "il sette", "l'asso".
std::string ConArticolo(Carta carta);
std::string ConArticolo(int valore);
// "sette", "asso": the value alone.
std::string NomeDelValore(int valore);

}  // namespace quintello
