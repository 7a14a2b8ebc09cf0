#include "IconaQuintello.h"

namespace quintello {

QImage ImmagineIcona(int lato) {
  QImage icona(lato, lato, QImage::Format_ARGB32_Premultiplied);
  icona.fill(Qt::transparent);
  return icona;
}

}  // namespace quintello
