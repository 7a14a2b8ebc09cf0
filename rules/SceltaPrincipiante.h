// The beginner's choice: a player still learning, who sees a capture at hand
// only some of the time.
#pragma once

#include "engine/Generatore.h"
#include "engine/Giocatore.h"
#include "rules/Mano.h"
#include "rules/Scelta.h"

namespace quintello {

// How often the beginner goes for a capture when it has one: the fixed
// player beats it by +0.85 points a hand (+1.01 at one time in two, +0.50
// always; 2,000 duplicate deals).
inline constexpr double kVogliaDiPresa = 0.7;

// With chance `voglia`, when `chi` can capture, one of its captures drawn at
// random; otherwise any play the rules allow it, drawn at random. Every draw
// comes from `caso`. A card that is not valid when its hand is empty.
Scelta SceltaPrincipiante(const Mano& mano, Giocatore chi, Generatore& caso,
                          double voglia = kVogliaDiPresa);

}  // namespace quintello
