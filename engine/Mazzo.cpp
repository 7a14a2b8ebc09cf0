#include "engine/Mazzo.h"

namespace quintello {

int16_t SorteggiaMazziere(Generatore& caso) {
  for (;;) {
    const int x = caso.ParteIntera(4);
    if (x == 1) return 1;
    if (x == 2) return 0;
  }
}

bool PescaCarta(Carte& carte, Generatore& caso, Luogo destinazione) {
  if (carte.Conta(Mazzo) == 0) return false;
  for (;;) {
    int valore = 0;
    while (valore == 0) valore = caso.ParteIntera(kValori + 1);
    int seme = 0;
    while (seme == 0) seme = caso.ParteIntera(kSemi + 1);
    if (carte(valore, seme) == Mazzo) {
      carte(valore, seme) = destinazione;
      return true;
    }
  }
}

void DaiCarte(Carte& carte, Generatore& caso) {
  for (int i = 0; i < kCarteMano; ++i) PescaCarta(carte, caso, ManoPC);
  for (int i = 0; i < kCarteMano; ++i) PescaCarta(carte, caso, ManoUtente);
}

void DaiCarteTerra(Carte& carte, Generatore& caso) {
  for (int i = 0; i < kCarteTerraIniziali; ++i) PescaCarta(carte, caso, Terra);
}

}  // namespace quintello
