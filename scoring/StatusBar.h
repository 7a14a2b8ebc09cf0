// The status line: cards and sweeps taken in this hand, and the match score.
#pragma once

#include <string>

#include "engine/StatoPartita.h"

namespace quintello {

std::string TestoStatusBar(const StatoPartita& stato);

}  // namespace quintello
