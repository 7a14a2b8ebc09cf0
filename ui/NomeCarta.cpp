#include "ui/NomeCarta.h"

namespace quintello::ui {

QString NomeCarta(Carta carta) {
  return QString::fromStdString(NomeDellaCarta(carta));
}

}  // namespace quintello::ui
