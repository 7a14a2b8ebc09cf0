#include "engine/Carta.h"

namespace quintello {

std::string_view LetteraSeme(int seme) {
  switch (seme) {
    case Denari:
      return "o";
    case Spade:
      return "s";
    case Coppe:
      return "c";
    case Bastoni:
      return "b";
    default:
      return "";
  }
}

std::string CodiceCarta(int valore, int seme) {
  std::string codice = valore == 10 ? "0" : std::to_string(valore);
  codice += LetteraSeme(seme);
  return codice;
}

Carta LeggiCarta(std::string_view codice) {
  Carta c;
  if (codice.empty()) return c;
  c.valore = static_cast<int16_t>(ValoreCifra(codice.front()));
  switch (codice.back()) {
    case 'o':
      c.seme = Denari;
      break;
    case 's':
      c.seme = Spade;
      break;
    case 'c':
      c.seme = Coppe;
      break;
    case 'b':
      c.seme = Bastoni;
      break;
    default:
      break;
  }
  return c;
}

}  // namespace quintello
