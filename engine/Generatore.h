// The game's one source of chance: seeded once, replayable from its seed.
#pragma once

#include <cstdint>

namespace quintello {

// xoshiro256** seeded through splitmix64. Its raw output is mapped to numbers
// here rather than through the standard distributions, whose results differ
// between standard libraries, so a seed replays the same deals everywhere.
class Generatore {
 public:
  explicit Generatore(uint64_t seme);
  static uint64_t SemeCasuale();  // from the system's entropy source

  uint64_t Prossimo();
  // Uniform in [0, 1), 53 random bits.
  double Uniforme();
  // The integer part of n times a uniform draw: 0 .. n-1.
  int ParteIntera(int n) { return static_cast<int>(n * Uniforme()); }

 private:
  uint64_t s_[4];
};

}  // namespace quintello
