#include "engine/Mazzo.h"

namespace quintello {

int16_t SorteggiaMazziere(Generatore& caso) {
  for (;;) {
    const int x = caso.ParteIntera(4);
    if (x == 1) return 1;
    if (x == 2) return 0;
  }
}

std::optional<Carta> PescaCarta(InsiemeCarte& mazzo, Generatore& caso) {
  if (mazzo.Vuoto()) return std::nullopt;
  for (;;) {
    int16_t valore = 0;
    while (valore == 0) valore = static_cast<int16_t>(caso.ParteIntera(kValori + 1));
    int16_t seme = 0;
    while (seme == 0) seme = static_cast<int16_t>(caso.ParteIntera(kSemi + 1));
    const Carta carta{valore, seme};
    if (mazzo.Contiene(carta)) {
      mazzo -= carta;
      return carta;
    }
  }
}

}  // namespace quintello
