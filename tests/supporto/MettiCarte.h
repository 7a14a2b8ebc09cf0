// Cards put in place from their codes, for tests: Metti(carte, "1o 3c 4b", Terra).
#pragma once

#include <string>
#include <string_view>

#include "engine/Carte.h"

namespace quintello::prova {

// Puts each card of a blank-separated list of codes at `luogo`.
inline void Metti(Carte& carte, std::string_view codici, Luogo luogo) {
  while (!codici.empty()) {
    const std::size_t spazio = codici.find(' ');
    const std::string_view codice = codici.substr(0, spazio);
    if (!codice.empty()) carte[LeggiCarta(codice)] = luogo;
    codici.remove_prefix(spazio == std::string_view::npos ? codici.size() : spazio + 1);
  }
}

// The set of the cards of a blank-separated list of codes: Insieme("1o 3c").
inline InsiemeCarte Insieme(std::string_view codici) {
  Carte carte;
  Metti(carte, codici, Terra);
  return carte.Insieme(Terra);
}

// The codes of the cards at `luogo`, in card order, as one capture string.
inline std::string Codici(const Carte& carte, Luogo luogo) {
  std::string codici;
  carte.PerOgniCarta([&](Carta c, int16_t l) {
    if (l == luogo) codici += CodiceCarta(c);
  });
  return codici;
}

}  // namespace quintello::prova
