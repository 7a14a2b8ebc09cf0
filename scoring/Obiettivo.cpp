#include "scoring/Obiettivo.h"

namespace quintello {

std::array<bool, kObiettivi> SpunteObiettivo(int16_t puntivittoria) {
  std::array<bool, kObiettivi> spunte{};
  for (int i = 0; i < kObiettivi; ++i) spunte[i] = kPuntiObiettivo[i] == puntivittoria;
  return spunte;
}

}  // namespace quintello
