// The search over one sample of the unseen cards, where every card is known:
// alpha-beta over the plays to the end of the current deal.
#pragma once

#include <limits>
#include <utility>
#include <vector>

#include "esperto/CarteBit.h"

namespace quintello::esperto {

// Side 0 is the seat that is choosing, side 1 the other.
struct Posizione {
  Maschera mano[2] = {0, 0};
  Maschera terra = 0;
  Maschera prese[2] = {0, 0};  // sweep cards included
  int scope[2] = {0, 0};
  int ultimo = 0;    // the side that captured last
  int smazzate = 0;  // deals of the sample's deck already given out
};

// Plays `carta` (an index) with the capture `presa` (0 lays it), as the rules do.
inline void Applica(Posizione& p, int lato, int carta, Maschera presa) {
  p.mano[lato] &= ~Bit(carta);
  if (presa == 0) {
    p.terra |= Bit(carta);
    return;
  }
  p.terra &= ~presa;
  p.prese[lato] |= presa | Bit(carta);
  p.ultimo = lato;
  if (p.terra == 0) ++p.scope[lato];
}

// The points of side 0 minus those of side 1 once the hand is over: the
// table goes to the last capturer, then the count as in the game.
int DifferenzaFinale(const Posizione& p);

// Side 0's expected points minus side 1's for a hand whose current deal is
// over while `mazzo` still holds cards; `prossimo` opens the next deal. Each
// term counts once: fitted against how 6,000 hands of Esperto against itself
// ended, their weights came out between 0.8 and 1.1.
double Stima(const Posizione& p, Maschera mazzo, int prossimo);

// The next deals of a sample's deck: three cards to each side.
struct Smazzata {
  Maschera mano[2] = {0, 0};
};

class Ricerca {
 public:
  // `mazzo` is the sample's deck; `seguenti` the deals from it to search
  // beyond the current one.
  Ricerca(Maschera mazzo, int prossimo, std::vector<Smazzata> seguenti = {})
      : mazzo_(mazzo), prossimo_(prossimo), seguenti_(std::move(seguenti)) {}
  // The value of the position for `lato`, to move, within the window.
  // Past `limite` positions the search gives up: `interrotta`, and the
  // values it returned mean nothing.
  double Negamax(const Posizione& p, int lato, double alfa, double beta);
  long nodi = 0;
  long limite = std::numeric_limits<long>::max();
  bool interrotta = false;

 private:
  double Foglia(const Posizione& p) const;
  Maschera mazzo_;
  int prossimo_;
  std::vector<Smazzata> seguenti_;
};

}  // namespace quintello::esperto
