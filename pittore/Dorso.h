// The back of the cards: the one picture of the deck that shows no card.
#pragma once

class QPainter;

namespace quintello::pittore {

// Asks for the back where a card's picture is asked for, so that no invalid card, and no
// name, has to stand for it.
struct Dorso {};

// Paints the back in logical coordinates over kDimensioneCarta.
void DisegnaDorso(QPainter& p);

}  // namespace quintello::pittore
