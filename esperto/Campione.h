// The "Campione" player: Esperto that reads the other side's plays. Each
// hand the other side may hold counts by how likely its plays in this deal
// make it under a model of that player. Against the fixed computer player
// the search follows that player's own rule for its replies; against a
// person it weighs the reply the model expects with the worst one.
#pragma once

#include "engine/Generatore.h"
#include "esperto/Esperto.h"
#include "esperto/ModelloAvversario.h"
#include "esperto/Vista.h"
#include "rules/Scelta.h"

namespace quintello {

struct ParametriCampione {
  // More deals than Esperto searches: against the fixed player, over the same
  // 2,000 duplicate deals, 48, 150 and 500 scored +1.57, +1.61 and +1.61.
  ParametriEsperto ricerca{.campioni = 150};
  // A person: how surely it makes the play that looks best (see
  // ModelloAvversario), and how far the search expects it to (see Ricerca).
  // With no record of how people play, both were chosen by Campione's
  // strength against the other computer players over the same 2,000
  // duplicate deals: at temperatures of 0.05, 0.1 and 0.2 points it beat
  // Esperto by +0.11, +0.09 and +0.10 and the greedy player by +1.29, +1.30
  // and +1.28 (trust 0.5). A trust of 0.35 or 0.65 moved either by 0.02 at
  // most; none at all, the worst case alone, scored +0.10 and +1.06.
  double temperatura = 0.05;
  double fiducia = 0.5;
};

// The card to play from the seat's hand and the capture to make, the other
// side played by `modello`. Every random draw comes from `caso`. When no hand
// fits the other side's plays in this deal (it does not play by the fixed
// rule: another player took its seat, say) it plays as Esperto does.
Scelta ScegliCampione(const Vista& vista, Modello modello, Generatore& caso,
                      const ParametriCampione& parametri = {});

}  // namespace quintello
