// What a match has come to, as a record of play keeps it: the game notes each
// fact as it happens, and whoever runs the game takes them once the event is over.
#pragma once

#include "engine/Regole.h"

namespace quintello {

struct Fatto {
  enum class Tipo {
    Mano,        // a hand has been counted
    Vinta,       // the user has won the match
    Persa,       // the computer has won it
    Abbandonata  // the user left it for a new match or a loaded one
  };
  Tipo tipo = Tipo::Mano;
  // For a hand: the points each side made and the sweeps each side took.
  int puntiPC = 0;
  int puntiUtente = 0;
  int scopePC = 0;
  int scopeUtente = 0;
  Regole regole;  // those of the hand, or of the match, the fact belongs to
  bool operator==(const Fatto&) const = default;
};

}  // namespace quintello
