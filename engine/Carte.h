// Where every card of the deck lies: the location table `carte`.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>

#include "engine/Carta.h"
#include "engine/InsiemeCarte.h"

namespace quintello {

// Location codes of a card. Code 1 never occurs.
enum Luogo : int16_t {
  Mazzo = 0,        // in the deck, not yet dealt
  Terra = 2,        // face up on the table
  ManoPC = 3,       // in the computer's hand
  ManoUtente = 4,   // in the user's hand
  PresaPC = 5,      // captured by the computer
  PresaUtente = 6,  // captured by the user
  ScopaPC = 7,      // the card the computer swept the table with
  ScopaUtente = 8,  // the card the user swept the table with
};

inline bool DelPC(int luogo) {
  return luogo == PresaPC || luogo == ScopaPC;
}
inline bool DellUtente(int luogo) {
  return luogo == PresaUtente || luogo == ScopaUtente;
}

// Indexed (valore 0..10, seme 0..4) like the table it models: row and column 0
// exist so that a card decoded from a damaged code (value or suit 0) still
// lands inside the table, but they are never visited.
class Carte {
 public:
  int16_t& operator()(int valore, int seme) {
    assert(dentro(valore, seme));
    return luoghi_[valore][seme];
  }
  int16_t operator()(int valore, int seme) const {
    assert(dentro(valore, seme));
    return luoghi_[valore][seme];
  }
  int16_t& operator[](Carta c) { return (*this)(c.valore, c.seme); }
  int16_t operator[](Carta c) const { return (*this)(c.valore, c.seme); }

  // Visits the 40 cards in card order: value 1 to 10, within it suit 1 to 4.
  template <typename F>
  void PerOgniCarta(F&& f) const {
    for (int16_t v = 1; v <= kValori; ++v)
      for (int16_t s = 1; s <= kSemi; ++s) f(Carta{v, s}, luoghi_[v][s]);
  }

  int Conta(int luogo) const { return Insieme(luogo).Quante(); }

  // The cards with the given location.
  InsiemeCarte Insieme(int luogo) const {
    InsiemeCarte insieme;
    PerOgniCarta([&](Carta c, int16_t l) {
      if (l == luogo) insieme |= c;
    });
    return insieme;
  }

  // Number of cards with the given location that come before `carta` in card
  // order: the place that shows it on the window. -1 for a card that is not a card.
  int Posizione(Carta carta, int luogo) const;

  void Azzera() { luoghi_ = {}; }

  bool operator==(const Carte&) const = default;

  static bool dentro(int valore, int seme) {
    return valore >= 0 && valore <= kValori && seme >= 0 && seme <= kSemi;
  }

 private:
  std::array<std::array<int16_t, kSemi + 1>, kValori + 1> luoghi_{};
};

}  // namespace quintello
