// The state of a match: everything a saved game holds apart from the window's flags.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/Carte.h"

namespace quintello {

inline constexpr int kPostiMano = 3;  // the hand places on the window: a hand never holds more
inline constexpr int kSlotMano = 5;  // the recorded hand slots (3 cards and an end mark, with room)
inline constexpr int16_t kSlotVuoto = -1;
inline constexpr int16_t kPuntiVittoriaIniziali = 11;

struct StatoPartita {
  Carte carte;
  int16_t mazziere = 0;     // 1: the user deals, 0: the computer deals
  int16_t ultimapresa = 0;  // 1: the user captured last, 0: the computer
  int16_t puntivittoria = 0;
  int16_t punteggiopc = 0;
  int16_t punteggiouser = 0;
  std::array<int16_t, kSlotMano> manoutentevalore{};
  std::array<int16_t, kSlotMano> manoutenteseme{};
  int16_t cartaselezionata = 0;  // hand slot selected, -1 none
  int16_t indicepresa = 0;       // which capture is proposed, from 1; 0 none yet
  std::string presautente;       // codes of the table cards the proposal takes

  Carta SlotUtente(int i) const { return {manoutentevalore[i], manoutenteseme[i]}; }

  bool operator==(const StatoPartita&) const = default;
};

}  // namespace quintello
