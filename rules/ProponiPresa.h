// The capture proposed to the user for the selected hand card.
#pragma once

#include <cstdint>

#include "engine/InsiemeCarte.h"
#include "engine/Regole.h"

namespace quintello {

struct Proposta {
  int16_t indicepresa = 0;  // the click counter, to keep for the next click
  InsiemeCarte presa;       // the capture proposed; empty lays the card on the table
  int totale = 0;           // how many captures the card can make
};

// One more click on a card of this value, the `indicepresa`-th so far:
// proposes the next possible capture (the first one after a change of
// selection, and the first again after the last), or none when the card can
// take nothing and would be laid on the table.
Proposta ProponiPresa(InsiemeCarte terra, int valore, int16_t indicepresa,
                      const Regole& regole);

}  // namespace quintello
