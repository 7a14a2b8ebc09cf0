// Who makes the game, for the about box and the donation page.
#pragma once

namespace quintello {

inline constexpr const char* kNomeAutore = "Squadra Quintello";
inline constexpr const char* kPostaAutore = "quintello@example.org";
inline constexpr const char* kSitoAutore = "https://www.example.org/quintello";
inline constexpr const char* kIndirizzoDonazione = "https://www.example.org/quintello/donate";
inline constexpr const char* kVersione = "Quintello 1.0";

}  // namespace quintello
