#include "engine/Generatore.h"

#include <random>

namespace quintello {

namespace {

uint64_t SplitMix(uint64_t& x) {
  uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

uint64_t Ruota(uint64_t x, int k) {
  return (x << k) | (x >> (64 - k));
}

}  // namespace

Generatore::Generatore(uint64_t seme) {
  for (auto& s : s_) s = SplitMix(seme);
}

uint64_t Generatore::SemeCasuale() {
  std::random_device dispositivo;
  return (static_cast<uint64_t>(dispositivo()) << 32) ^ dispositivo();
}

uint64_t Generatore::Prossimo() {
  const uint64_t risultato = Ruota(s_[1] * 5, 7) * 9;
  const uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = Ruota(s_[3], 45);
  return risultato;
}

double Generatore::Uniforme() {
  return static_cast<double>(Prossimo() >> 11) * 0x1.0p-53;
}

}  // namespace quintello
