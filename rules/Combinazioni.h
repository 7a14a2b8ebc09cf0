// Which table cards a played card may take.
#pragma once

#include <array>
#include <cassert>
#include <vector>

#include "engine/InsiemeCarte.h"
#include "engine/Regole.h"

namespace quintello {

inline constexpr int kSommaMassima = 10;
// A table never holds more than 13 cards (four opening cards of one value and
// one of each other value); on such a table no value has more than 502 sets
// adding up to it.
inline constexpr int kCarteTerraMassime = 13;
inline constexpr int kPreseMassime = 512;

// A list of captures, kept in place so that the search can hold one for
// every depth without allocating.
class ElencoPrese {
 public:
  void Aggiungi(InsiemeCarte presa) {
    assert(n_ < kPreseMassime);
    if (n_ < kPreseMassime) memoria_.prese[n_++] = presa;
  }
  void Svuota() { n_ = 0; }
  int Quante() const { return n_; }
  bool Vuoto() const { return n_ == 0; }
  InsiemeCarte& operator[](int k) { return memoria_.prese[k]; }
  const InsiemeCarte& operator[](int k) const { return memoria_.prese[k]; }
  const InsiemeCarte* begin() const { return memoria_.prese; }
  const InsiemeCarte* end() const { return memoria_.prese + n_; }

 private:
  // Left unset: the search makes one list at every position it visits, and
  // only the first `n_` entries are ever read.
  union Memoria {
    Memoria() {}
    InsiemeCarte prese[kPreseMassime];
  };
  Memoria memoria_;
  int n_ = 0;
};

// Every set of table cards whose values add up to `somma`, appended in the
// order of a depth-first walk over the table in card order: each set is
// extended by later cards before the next card is tried in its place.
void CercaCombinazioni(InsiemeCarte terra, int somma, ElencoPrese& elenco);

// The ace that takes all: with that rule, an ace played on a table that
// holds cards but no ace takes the whole table.
constexpr bool PigliaTutto(const Regole& regole, InsiemeCarte terra, int valore) {
  return regole.assoPigliaTutto && valore == 1 && !terra.Vuoto() &&
         (terra & InsiemeCarte::DelValore(1)).Vuoto();
}

// The captures a card of this value is offered before the forced-capture
// rule: the whole table when the ace takes all, otherwise the sets that add
// up to the value, appended as `CercaCombinazioni` appends them.
void CercaPrese(InsiemeCarte terra, int valore, const Regole& regole, ElencoPrese& elenco);

// The ten lists of a table: list N holds the sets that add up to N.
struct Combinazioni {
  std::array<std::vector<InsiemeCarte>, kSommaMassima + 1> liste;
};
Combinazioni CalcolaCombinazioni(InsiemeCarte terra);

// The forced-capture rule: when cards of this value lie on the table, the
// only captures are those single cards, in suit order, and the list becomes
// them; otherwise it stays as it is. Once or many times gives the same list.
void CombinazioniObbligate(InsiemeCarte terra, ElencoPrese& lista, int valorecarta);

// The captures a card of this value may make, in the order they are offered;
// none means the card is laid on the table.
void PreseDi(InsiemeCarte terra, int valore, const Regole& regole, ElencoPrese& elenco);

}  // namespace quintello
