// The bare card: off-white stock with rounded corners, shared by faces and back.
#pragma once

#include <QPainterPath>

class QPainter;

namespace quintello::pittore {

QPainterPath FormaCarta();
// Paints the stock and, for faces, the thin frame inside the edge.
void DisegnaFondo(QPainter& p, bool conCornice);

}  // namespace quintello::pittore
