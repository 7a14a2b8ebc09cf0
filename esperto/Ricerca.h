// The search over one sample of the unseen cards, where every card is known:
// alpha-beta over the plays to the end of the current deal, judged there by
// the evaluation.
#pragma once

#include <limits>

#include "rules/Mano.h"

namespace quintello {

class Ricerca {
 public:
  // Values are `io`'s points minus the other side's.
  explicit Ricerca(Giocatore io) : io_(io) {}
  // The value of the hand for the side to move, within the window. The hand
  // is played forward and taken back, so it is as it was on return. Past
  // `limite` positions the search gives up: `interrotta`, and the values it
  // returned mean nothing.
  double Negamax(Mano& mano, double alfa, double beta);
  // The value for `chi` of playing `scelta` and letting both sides play on.
  double Dopo(Mano& mano, Giocatore chi, const Scelta& scelta, double alfa, double beta);

  long nodi = 0;
  long limite = std::numeric_limits<long>::max();
  bool interrotta = false;
  // How far the other side is expected to make the play that looks best to
  // it at a glance (`Occhiata`) rather than the one worst for `io`: its
  // replies are worth that blend of the two. 0: the worst, and alpha-beta.
  double fiducia = 0;

 private:
  // The other side to move, its replies judged by `fiducia`.
  double Prevedi(Mano& mano, Giocatore chi);

  Giocatore io_;
};

}  // namespace quintello
