// The program's icon: two fanned cards, the settebello in front.
#pragma once

#include <QImage>

namespace quintello::pittore {

// A square, transparent-backed icon of lato x lato pixels.
QImage ImmagineIcona(int lato);

}  // namespace quintello::pittore
