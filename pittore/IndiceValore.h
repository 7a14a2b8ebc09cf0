// The small value number in the card's corners, drawn as strokes so no font is needed.
#pragma once

class QPainter;

namespace quintello::pittore {

// Paints valore (1..10) at the top-left corner and again, turned, at the bottom-right.
void DisegnaIndice(QPainter& p, int valore);

}  // namespace quintello::pittore
