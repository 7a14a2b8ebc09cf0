#include "scoring/Obiettivo.h"

#include <array>

#include "engine/Gioco.h"

namespace quintello {

namespace {

constexpr std::array<int16_t, kObiettivi> kPuntiObiettivo{7, 11, 16, 21};

}  // namespace

void SpuntaPuntiVittoria(Gioco& gioco) {
  for (int i = 0; i < kObiettivi; ++i)
    gioco.finestra.SpuntaObiettivo(static_cast<Obiettivo>(i), false);
  for (int i = 0; i < kObiettivi; ++i) {
    if (kPuntiObiettivo[i] == gioco.stato.puntivittoria) {
      gioco.finestra.SpuntaObiettivo(static_cast<Obiettivo>(i), true);
    }
  }
}

void ImpostaPuntiVittoria(Gioco& gioco, int16_t punti) {
  gioco.stato.puntivittoria = punti;
  SpuntaPuntiVittoria(gioco);
}

}  // namespace quintello
