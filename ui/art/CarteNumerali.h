// Ace to seven: the suit signs laid out on the card.
#pragma once

#include "Seme.h"

class QPainter;

namespace quintello {

void DisegnaNumerale(QPainter& p, int valore, Seme seme);
// The ace's single large, ornate sign.
void DisegnaAsso(QPainter& p, Seme seme);

}  // namespace quintello
