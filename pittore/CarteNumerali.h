// Ace to seven: the suit signs laid out on the card.
#pragma once

#include "engine/Carta.h"

class QPainter;

namespace quintello::pittore {

void DisegnaNumerale(QPainter& p, int valore, Seme seme);
// The ace's single large, ornate sign.
void DisegnaAsso(QPainter& p, Seme seme);

}  // namespace quintello::pittore
