#include "rules/PesoCarte.h"

namespace quintello {

double PesoCarta(Carta carta) {
  if (carta.seme == Denari) return carta.valore == 7 ? 10 : 1.7;
  switch (carta.valore) {
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

double PesoCarte(InsiemeCarte carte) {
  double totale = 0;
  for (Carta c : carte) totale += PesoCarta(c);
  return totale;
}

}  // namespace quintello
