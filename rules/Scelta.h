// A play: the card and the table cards it takes.
#pragma once

#include "engine/InsiemeCarte.h"

namespace quintello {

struct Scelta {
  Carta carta;
  InsiemeCarte presa;  // empty: the card is laid on the table
  bool operator==(const Scelta&) const = default;
};

}  // namespace quintello
