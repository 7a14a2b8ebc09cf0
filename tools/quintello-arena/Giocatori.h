// The players the arena sets against each other, each a choice of play for
// the side to move from the hand as its seat would see it.
#pragma once

#include <functional>
#include <string>

#include "engine/Generatore.h"
#include "esperto/Campione.h"
#include "rules/Mano.h"
#include "rules/Scelta.h"

namespace quintello::arena {

using Strategia = std::function<Scelta(const Mano& mano, Generatore& caso)>;

// "principiante", "classico", "esperto", "campione" (searching as `esperto`
// and `campione` say), "avido" or "casuale"; an empty function for any other
// name. Campione models its opponent `avversario` as it would in the game:
// by the fixed rule when that is "classico", as a person otherwise.
Strategia StrategiaDi(const std::string& nome, const ParametriEsperto& esperto = {},
                      const ParametriCampione& campione = {}, const std::string& avversario = "");

}  // namespace quintello::arena
