// The players the arena sets against each other, each a choice of play from
// the location table as its seat would see it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/Carte.h"
#include "engine/Generatore.h"
#include "engine/Giocatore.h"
#include "esperto/Esperto.h"
#include "rules/Scelta.h"

namespace quintello::arena {

using Strategia =
    std::function<Scelta(const Carte& carte, Giocatore posto, const Contesto&, Generatore&)>;

// "classico", "esperto" (searching as `parametri` say), "avido" or "casuale";
// an empty function for any other name.
Strategia StrategiaDi(const std::string& nome, const ParametriEsperto& parametri = {});

// Every play the rules allow the seat: for each hand card its captures, or
// laying it when it has none.
std::vector<Scelta> MosseLegali(const Carte& carte, Giocatore posto);

}  // namespace quintello::arena
