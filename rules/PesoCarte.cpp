#include "rules/PesoCarte.h"

#include "engine/Carta.h"

namespace quintello {

double PesoCarta(int valore, char lettera) {
  if (lettera == 'o') return valore == 7 ? 10 : 1.7;
  switch (valore) {
    case 7:
      return 3.5;
    case 6:
      return 1.8;
    case 1:
      return 1.6;
    case 5:
      return 1.3;
    case 4:
      return 1.2;
    case 3:
      return 1.1;
    case 2:
      return 1.05;
    default:
      return 1;
  }
}

double PesoCarte(std::string_view presa) {
  double totale = 0;
  for (std::size_t k = 0; k + 1 < presa.size(); k += 2) {
    totale += PesoCarta(ValoreCifra(presa[k]), presa[k + 1]);
  }
  return totale;
}

}  // namespace quintello
