// The beginner's choice: a player still learning, who sees a capture at hand
// only some of the time.
#pragma once

#include "engine/Generatore.h"
#include "engine/Giocatore.h"
#include "rules/Mano.h"
#include "rules/Scelta.h"

namespace quintello {

// How often the beginner goes for a capture when it has one.
inline constexpr double kVogliaDiPresa = 0.5;

// With chance `voglia`, when `chi` can capture, one of its captures drawn at
// random; otherwise any play the rules allow it, drawn at random. Every draw
// comes from `caso`. A card that is not valid when its hand is empty.
Scelta SceltaPrincipiante(const Mano& mano, Giocatore chi, Generatore& caso,
                          double voglia = kVogliaDiPresa);

}  // namespace quintello
