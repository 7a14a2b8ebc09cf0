// A set of cards, one bit a card: bit i is card i in card order (value 1 to
// 10, within a value suit 1 to 4). Walking the bits from the lowest visits
// the cards in the order every rule of the game uses, so a set is all the
// rules need; capture strings are made from it only where a text needs them.
#pragma once

#include <bit>
#include <cassert>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/Carta.h"

namespace quintello {

constexpr int IndiceCarta(Carta c) {
  return (c.valore - 1) * kSemi + (c.seme - 1);
}
constexpr Carta CartaDi(int indice) {
  return Carta{static_cast<int16_t>(indice / kSemi + 1), static_cast<int16_t>(indice % kSemi + 1)};
}

class InsiemeCarte {
 public:
  constexpr InsiemeCarte() = default;
  constexpr explicit InsiemeCarte(uint64_t bit) : bit_(bit & kTutti) {}
  // The set of one of the 40 cards.
  constexpr explicit InsiemeCarte(Carta c) : bit_(uint64_t{1} << IndiceCarta(c)) {
    assert(c.valida());
  }
  // The set of card `indice` in card order, 0 to 39.
  static constexpr InsiemeCarte DiIndice(int indice) { return Da(uint64_t{1} << indice); }

  static constexpr InsiemeCarte Tutte() { return InsiemeCarte(kTutti); }
  // The four cards of one value, 1 to 10.
  static constexpr InsiemeCarte DelValore(int valore) {
    return InsiemeCarte(uint64_t{0xF} << ((valore - 1) * kSemi));
  }
  // Every card of a value below this one: the cards a sum may be made of.
  static constexpr InsiemeCarte SottoIlValore(int valore) {
    return InsiemeCarte((uint64_t{1} << ((valore - 1) * kSemi)) - 1);
  }
  static constexpr InsiemeCarte DelSeme(int seme) {
    return InsiemeCarte(0x1111111111ULL << (seme - 1));
  }
  // Each card of a capture string; a code that names no card adds nothing.
  static InsiemeCarte DaCodici(std::string_view presa);

  constexpr uint64_t Bit() const { return bit_; }
  constexpr bool Vuoto() const { return bit_ == 0; }
  constexpr int Quante() const { return std::popcount(bit_); }
  constexpr bool Contiene(Carta c) const {
    return c.valida() && (bit_ & InsiemeCarte(c).bit_) != 0;
  }
  // The first card in card order; the set must not be empty.
  constexpr Carta Prima() const { return CartaDi(std::countr_zero(bit_)); }
  int SommaValori() const;
  // The capture string: the codes of the cards in card order.
  std::string Codici() const;

  constexpr InsiemeCarte operator|(InsiemeCarte o) const { return Da(bit_ | o.bit_); }
  constexpr InsiemeCarte operator&(InsiemeCarte o) const { return Da(bit_ & o.bit_); }
  // The cards of this set that are not in the other.
  constexpr InsiemeCarte operator-(InsiemeCarte o) const { return Da(bit_ & ~o.bit_); }
  constexpr InsiemeCarte& operator|=(InsiemeCarte o) { return *this = *this | o; }
  constexpr InsiemeCarte& operator&=(InsiemeCarte o) { return *this = *this & o; }
  constexpr InsiemeCarte& operator-=(InsiemeCarte o) { return *this = *this - o; }
  // A card that is not one of the 40 adds or takes away nothing.
  constexpr InsiemeCarte operator|(Carta c) const {
    return c.valida() ? *this | InsiemeCarte(c) : *this;
  }
  constexpr InsiemeCarte operator-(Carta c) const {
    return c.valida() ? *this - InsiemeCarte(c) : *this;
  }
  constexpr InsiemeCarte& operator|=(Carta c) { return *this = *this | c; }
  constexpr InsiemeCarte& operator-=(Carta c) { return *this = *this - c; }
  constexpr bool operator==(const InsiemeCarte&) const = default;

  // The cards in card order: for (Carta c : insieme).
  class Iteratore {
   public:
    constexpr explicit Iteratore(uint64_t resto) : resto_(resto) {}
    constexpr Carta operator*() const { return CartaDi(std::countr_zero(resto_)); }
    constexpr Iteratore& operator++() {
      resto_ &= resto_ - 1;
      return *this;
    }
    constexpr bool operator!=(const Iteratore& o) const { return resto_ != o.resto_; }

   private:
    uint64_t resto_;
  };
  constexpr Iteratore begin() const { return Iteratore(bit_); }
  constexpr Iteratore end() const { return Iteratore(0); }

 private:
  static constexpr uint64_t kTutti = (uint64_t{1} << kCarteMazzo) - 1;
  // From bits already within the deck: no mask to apply.
  static constexpr InsiemeCarte Da(uint64_t bit) {
    InsiemeCarte s;
    s.bit_ = bit;
    return s;
  }
  uint64_t bit_ = 0;
};

inline constexpr InsiemeCarte kDenari = InsiemeCarte::DelSeme(Denari);

}  // namespace quintello
