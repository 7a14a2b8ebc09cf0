// The state of a match: everything a saved game holds, the window's flags included.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/Carte.h"
#include "engine/Giocatore.h"
#include "engine/Regole.h"

namespace quintello {

inline constexpr int kPostiMano = 3;    // the hand places on the window: a hand never holds more
inline constexpr int kPostiTerra = 15;  // the table places
inline constexpr int kObiettivi = 4;    // the target menu's items
inline constexpr int kSlotMano = 5;  // the recorded hand slots (3 cards and an end mark, with room)
inline constexpr int16_t kSlotVuoto = -1;
inline constexpr int16_t kPuntiVittoriaIniziali = 11;

// What the window shows that the game switches on and off, as it stands.
struct FlagFinestra {
  bool giocatautente = true;  // the two "Ok" buttons shown
  bool procedi = true;
  std::array<bool, kPostiTerra> shape1;  // frames around the table places
  std::array<bool, kPostiMano> shape2;   // frames around the user's hand places
  std::array<bool, kPostiMano> user;     // the user's hand places accept clicks
  std::array<bool, kObiettivi> obiettivo{false, true, false, false};  // 11 at start

  FlagFinestra() {
    shape1.fill(true);
    shape2.fill(true);
    user.fill(true);
  }
  bool operator==(const FlagFinestra&) const = default;
};

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
  FlagFinestra flag;
  Regole regole;  // the house rules of the hand in play

  Carta SlotUtente(int i) const { return {manoutentevalore[i], manoutenteseme[i]}; }
  // The sides the two codes name; a saved game may bring any number, and
  // every value but 0 counts as the user for the last capture.
  Giocatore Mazziere() const { return mazziere == 1 ? Giocatore::Utente : Giocatore::PC; }
  Giocatore UltimaPresa() const { return ultimapresa != 0 ? Giocatore::Utente : Giocatore::PC; }

  // Lists the user's cards in the hand slots, in card order, and marks the
  // slot after the last. Only three slots are ever filled, whatever `carte` holds.
  void RegistraManoUtente() {
    int n = 0;
    carte.PerOgniCarta([&](Carta c, int16_t luogo) {
      if (luogo != ManoUtente || n >= kPostiMano) return;
      manoutentevalore[n] = c.valore;
      manoutenteseme[n] = c.seme;
      ++n;
    });
    manoutentevalore[n] = kSlotVuoto;
    manoutenteseme[n] = kSlotVuoto;
  }

  bool operator==(const StatoPartita&) const = default;
};

}  // namespace quintello
