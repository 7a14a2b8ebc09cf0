#include "engine/Carte.h"

namespace quintello {

int Carte::Posizione(Carta carta, int luogo) const {
  int prima = 0;
  bool trovata = false;
  PerOgniCarta([&](Carta c, int16_t l) {
    if (trovata) return;
    if (c == carta) {
      trovata = true;
    } else if (l == luogo) {
      ++prima;
    }
  });
  return trovata ? prima : -1;
}

}  // namespace quintello
