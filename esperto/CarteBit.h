// The search's own card sets: one bit per card, bit i for card i in card
// order (value 1..10, within it suit 1..4), so a set of cards is one word.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "engine/Carta.h"

namespace quintello::esperto {

using Maschera = uint64_t;

constexpr int IndiceCarta(Carta c) {
  return (c.valore - 1) * kSemi + (c.seme - 1);
}
constexpr Carta CartaDi(int i) {
  return Carta{static_cast<int16_t>(i / kSemi + 1), static_cast<int16_t>(i % kSemi + 1)};
}
constexpr int ValoreDi(int i) {
  return i / kSemi + 1;
}
constexpr Maschera Bit(int i) {
  return Maschera{1} << i;
}
constexpr Maschera DelValore(int valore) {
  return Maschera{0xF} << ((valore - 1) * kSemi);
}
constexpr Maschera kTutte = (Maschera{1} << kCarteMazzo) - 1;
constexpr Maschera kDenari = 0x1111111111ULL;  // suit 1 is the lowest bit of each value
constexpr Maschera kBitSettebello = Bit(IndiceCarta(kSettebello));

inline int Quante(Maschera m) {
  return std::popcount(m);
}
inline int Prima(Maschera m) {
  return std::countr_zero(m);
}

// Every capture a card of this value may make from the table, as in the rules:
// the single cards of its value when there are any, otherwise every set of
// table cards adding up to it. No capture means the card is laid. A table of
// 13 cards (the most it can hold) gives at most 502 captures for one value.
inline constexpr int kPreseMassime = 512;
struct ElencoPrese {
  std::array<Maschera, kPreseMassime> prese;
  int n = 0;
};
void PreseDi(Maschera terra, int valore, ElencoPrese& elenco);

// The capture string of a set: its cards' codes in card order.
std::string CodiciDi(Maschera m);

}  // namespace quintello::esperto
