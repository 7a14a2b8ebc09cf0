// A card of the 40-card Italian deck and its two-character code.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quintello {

inline constexpr int kValori = 10;  // 1..10; 8 fante, 9 cavallo, 10 re
inline constexpr int kSemi = 4;     // 1 denari, 2 spade, 3 coppe, 4 bastoni
inline constexpr int kCarteMazzo = kValori * kSemi;

enum Seme : int16_t { Denari = 1, Spade = 2, Coppe = 3, Bastoni = 4 };

struct Carta {
  int16_t valore = 0;
  int16_t seme = 0;
  bool operator==(const Carta&) const = default;
  constexpr bool valida() const {
    return valore >= 1 && valore <= kValori && seme >= 1 && seme <= kSemi;
  }
};

// The settebello: the seven of coins, worth a point of its own.
inline constexpr Carta kSettebello{7, Denari};
inline constexpr Carta kReBello{10, Denari};

// "7o", "0b": the value digit (0 for ten) followed by the suit letter.
std::string CodiceCarta(int valore, int seme);
inline std::string CodiceCarta(Carta c) {
  return CodiceCarta(c.valore, c.seme);
}

// The value a code's first character stands for: "1".."9", "0" for ten; any
// other character 0.
inline int ValoreCifra(char cifra) {
  return cifra == '0' ? kValori : (cifra >= '1' && cifra <= '9' ? cifra - '0' : 0);
}

// Reads a card code back. A character that is neither a digit nor a suit
// letter reads as 0, so the result always indexes the location table safely.
Carta LeggiCarta(std::string_view codice);

// The suit letter of a card code ("o", "s", "c", "b"); empty for any other suit.
std::string_view LetteraSeme(int seme);

// Card k (from 0) of a capture string, and how many cards the string holds.
inline std::string_view CodiceN(std::string_view presa, std::size_t k) {
  return presa.substr(2 * k, 2);
}
inline std::size_t NumeroCodici(std::string_view presa) {
  return presa.size() / 2;
}

}  // namespace quintello
