// The count at the end of a hand: cards, coins, sweeps, settebello, primiera,
// and the points of the house rules in force.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/InsiemeCarte.h"
#include "rules/Mano.h"

namespace quintello {

struct VocePrimiera {
  int valore;
  int punti;
};
// A suit is searched in this order; the first card a side holds counts.
inline constexpr std::array<VocePrimiera, kValori> kOrdinePrimiera{
    {{7, 21}, {6, 18}, {1, 16}, {5, 15}, {4, 14}, {3, 13}, {2, 12}, {8, 10}, {9, 10}, {10, 10}}};

// The primiera of a pile: the best card of each suit by the table above.
int Primiera(InsiemeCarte prese);

int ContaCarte(const Mano& mano, Giocatore chi);
int ContaOri(const Mano& mano, Giocatore chi);
int ContaScope(const Mano& mano, Giocatore chi);
int PrimieraDi(const Mano& mano, Giocatore chi);
// 1 when the computer took the card, 2 when the user did, 0 otherwise.
int PresaDa(const Mano& mano, Carta carta);
inline int SetteDenari(const Mano& mano) {
  return PresaDa(mano, kSettebello);
}

// The napola of a pile: nothing without the ace, two and three of coins;
// with them 3, and one more for each coin that follows them in sequence.
int Napola(InsiemeCarte prese);
int NapolaDi(const Mano& mano, Giocatore chi);
inline constexpr int kNapolaPiena = kValori;  // all ten coins: the match is won

struct PuntiMano {
  int pc = 0;
  int utente = 0;
  int Di(Giocatore chi) const { return chi == Giocatore::PC ? pc : utente; }
};

// The counts read each side's pile as it stands once the table has gone to
// the last capturer, so a hand whose last play has been made counts as it
// will end.

// The kinds of points a hand gives.
enum class Voce { Carte, Ori, Scope, Settebello, ReBello, Napola, Primiera };
inline constexpr int kVoci = 7;
using PuntiPerVoce = std::array<PuntiMano, kVoci>;

// The points each side made in the hand, kind by kind. Without the table,
// the piles are counted as they stand before it goes to the last capturer:
// what the last capture is worth is the difference.
PuntiPerVoce ContaPerVoce(const Mano& mano, bool conTerra = true);

// The points each side made in the hand.
PuntiMano PuntiDellaMano(const Mano& mano);

// The count's message; the match scores are the ones with this hand added.
std::string TestoPunti(const Mano& mano, PuntiMano punti, int punteggiopc, int punteggiouser);

// A match score with a hand's points added, held within 16 bits.
int16_t Somma16(int16_t punteggio, int aggiunta);

}  // namespace quintello
