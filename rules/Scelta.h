// A play: the card and the table cards it takes.
#pragma once

#include <string>

#include "engine/Carta.h"

namespace quintello {

struct Scelta {
  Carta carta;
  std::string presa;  // a capture string; "" lays the card on the table
  bool operator==(const Scelta&) const = default;
};

}  // namespace quintello
