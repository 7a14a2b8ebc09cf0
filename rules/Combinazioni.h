// The capture lists: every set of table cards whose values add up to 1..10.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Carte.h"

namespace quintello {

inline constexpr int kSommaMassima = 10;
// A table never holds more than 13 cards (four opening cards of one value and
// one of each other value), so no list needs more than 2^13 - 1 entries.
inline constexpr int kCarteTerraMassime = 13;
inline constexpr int kVociLista = 10000;

// Lists 1..10 hold the capture strings whose card values add up to that
// number, in the order the depth-first enumeration visits them. A rebuild only
// resets the counters; entries past a counter are leftovers and never read.
struct Combinazioni {
  Combinazioni();

  std::vector<std::string> elencoterra;  // the table's card codes in table order
  std::array<std::vector<std::string>, kSommaMassima + 1> liste;  // entries 1..n used
  std::array<int16_t, kSommaMassima + 1> n{};

  // Entry k (from 1) of list `somma`.
  const std::string& Voce(int somma, int k) const { return liste[somma][k]; }
  // Sets entry k of list `somma`, growing the list when needed.
  void Scrivi(int somma, int k, std::string_view presa);
};

// Every table card (location 2), in table order, as one capture string.
std::string CarteInTerra(const Carte& carte);
// Sum of the values of the cards of a capture string; "0" counts 10.
int SommaCarte(std::string_view presa);

// Rebuilds the lists for the current table.
void CalcolaCombinazioni(const Carte& carte, Combinazioni& comb);
// Appends to the lists every set made of `prefisso` and cards from `inizio` on.
void CercaCombinazioni(std::string& prefisso, int inizio, Combinazioni& comb);

// The forced-capture rule: when a card of this value (1 to 10) lies on the
// table, the only captures are those single cards, in suit order. Applied in
// place; once or many times between two rebuilds gives the same lists.
void CombinazioniObbligate(const Carte& carte, Combinazioni& comb, int valorecarta);

}  // namespace quintello
