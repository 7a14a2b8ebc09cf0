// The ways the cards a seat cannot see may lie: every one when they are few,
// otherwise a sample drawn at random.
#pragma once

#include <functional>

#include "engine/Generatore.h"
#include "esperto/Vista.h"

namespace quintello {

// Calls `f` with the other side's hand of each split of the unseen cards:
// all of them when there are at most `campioni` (no draws then), otherwise
// `campioni` drawn from `caso`. `f` returns false to stop before the next.
void PerOgniCampione(const Vista& vista, int campioni, Generatore& caso,
                     const std::function<bool(InsiemeCarte)>& f);

}  // namespace quintello
