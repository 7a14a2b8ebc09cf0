// Paints the traditional Italian deck: forty faces and the back, from vector shapes only.
#pragma once

#include <QImage>

class QPainter;

namespace quintello {

inline constexpr int kLarghezzaCarta = 74;  // logical pixels at 1x
inline constexpr int kAltezzaCarta = 130;

// valore 1..10 (8 Fante, 9 Cavallo, 10 Re), seme 1 denari (coins), 2 spade (swords),
// 3 coppe (cups), 4 bastoni (clubs).
void DisegnaFaccia(QPainter& p, int valore, int seme);  // paints in logical coords 0..74 x 0..130
void DisegnaDorso(QPainter& p);                         // the back (picture named "vuota")

// Renders a face (valore 1..10, seme 1..4) or, with valore == 0 && seme == 0, the back, at the
// given device pixel ratio: the QImage has size 74*dpr x 130*dpr (rounded) and devicePixelRatio
// set to dpr, transparent outside the rounded corners. Any other pair gives a null image.
QImage ImmagineCarta(int valore, int seme, qreal dpr);

}  // namespace quintello
