// The "Esperto" player: it sees only what its seat sees, samples the cards it
// cannot see, searches each sample and plays the move that does best on
// average. The same functions give the user a hint from the user's seat.
#pragma once

#include <cstdint>

#include "engine/Carte.h"
#include "engine/Generatore.h"
#include "engine/Giocatore.h"
#include "engine/StatoPartita.h"
#include "rules/Scelta.h"

namespace quintello {

// What the table does not tell: who deals this hand, who captured last, the score.
struct Contesto {
  Giocatore mazziere = Giocatore::PC;
  Giocatore ultimaPresa = Giocatore::PC;
  int punteggioPC = 0;
  int punteggioUtente = 0;
};

// A position as one seat sees it. Card sets are bit masks, bit i for card i in
// card order (esperto::IndiceCarta). The other hand and the deck are one set,
// `nonViste`; only how many cards each holds is known.
struct Vista {
  Giocatore posto = Giocatore::PC;
  uint64_t mano = 0;      // this seat's hand
  uint64_t terra = 0;     // the table
  uint64_t preseMie = 0;  // captured by this seat, sweep cards included
  uint64_t preseSue = 0;  // captured by the other seat
  int scopeMie = 0;
  int scopeSue = 0;
  uint64_t nonViste = 0;   // the other hand and the deck together
  int carteSue = 0;        // cards in the other hand
  int carteMazzo = 0;      // cards still in the deck
  bool ioDo = false;       // this seat deals the hand
  bool ultimaMia = false;  // this seat captured last
  int punteggioMio = 0;
  int punteggioSuo = 0;

  // Every card already played: captured or on the table.
  uint64_t Giocate() const { return terra | preseMie | preseSue; }
  bool operator==(const Vista&) const = default;
};

// The one function that reads the real location table.
Vista VistaDi(const Carte& carte, Giocatore posto, const Contesto& contesto);
// The same from the match state (mazziere 1 and ultimapresa 1 mean the user).
Vista VistaDi(const StatoPartita& stato, Giocatore posto);

// How hard the search works. The defaults are the measured ones: against
// "avido" over the same 1,000 duplicate deals, 16, 48 and 150 samples scored
// +0.92, +0.93 and +0.94 points a hand; searching on into the next deal of
// each sample, whose cards it then knows too early, did no better with 48
// samples (+0.93) and worse over two more deals (+0.72 with 16).
struct ParametriEsperto {
  int smazzate = 1;           // deals searched: the current one and those after it
  int campioni = 48;          // deals of the unseen cards searched per move
  long nodiMassimi = 200000;  // positions searched at most, over all samples
};

// The card to play from `vista.mano` and the capture to make, a capture string
// in card order as in the rules' lists ("" lays the card). Every random draw
// comes from `caso`. An empty hand gives a card that is not valid.
Scelta ScegliEsperto(const Vista& vista, Generatore& caso, const ParametriEsperto& parametri = {});

// The hint: what Esperto would play from the user's seat.
inline Scelta SuggerimentoUtente(const StatoPartita& stato, Generatore& caso) {
  return ScegliEsperto(VistaDi(stato, Giocatore::Utente), caso);
}

}  // namespace quintello
