// The four Italian suits, numbered as the public API numbers them.
#pragma once

namespace quintello {

enum class Seme { Denari = 1, Spade = 2, Coppe = 3, Bastoni = 4 };

inline constexpr int kPrimoSeme = 1;
inline constexpr int kUltimoSeme = 4;
inline constexpr int kFante = 8;
inline constexpr int kCavallo = 9;
inline constexpr int kRe = 10;

}  // namespace quintello
