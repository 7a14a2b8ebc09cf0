// The players the arena sets against each other, each a choice of play for
// the side to move from the hand as its seat would see it.
#pragma once

#include <functional>
#include <string>

#include "engine/Generatore.h"
#include "esperto/Esperto.h"
#include "rules/Mano.h"
#include "rules/Scelta.h"

namespace quintello::arena {

using Strategia = std::function<Scelta(const Mano& mano, Generatore& caso)>;

// "classico", "esperto" (searching as `parametri` say), "avido" or "casuale";
// an empty function for any other name.
Strategia StrategiaDi(const std::string& nome, const ParametriEsperto& parametri = {});

}  // namespace quintello::arena
