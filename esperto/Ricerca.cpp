#include "esperto/Ricerca.h"

#include "esperto/ModelloAvversario.h"
#include "esperto/Valutazione.h"

namespace quintello {

double Ricerca::Dopo(Mano& mano, Giocatore chi, const Scelta& scelta, double alfa, double beta) {
  const Giocata giocata = mano.Gioca(chi, scelta);
  // A side whose hand is empty passes; the one with cards plays on.
  const double v = mano.Turno() == chi ? Negamax(mano, alfa, beta) : -Negamax(mano, -beta, -alfa);
  mano.Annulla(giocata);
  return v;
}

double Ricerca::Negamax(Mano& mano, double alfa, double beta) {
  if (++nodi > limite) interrotta = true;
  if (interrotta) return 0;
  const Giocatore chi = mano.Turno();
  if (mano.SmazzataFinita()) {
    const double v = Valuta(mano, io_);
    return chi == io_ ? v : -v;
  }
  if (fiducia > 0 && chi != io_) return Prevedi(mano, chi);
  double migliore = -std::numeric_limits<double>::infinity();
  mano.PerOgniMossa(chi, [&](const Scelta& scelta) {
    const double v = Dopo(mano, chi, scelta, alfa, beta);
    if (v > migliore) {
      migliore = v;
      if (v > alfa) alfa = v;
    }
    return alfa < beta && !interrotta;
  });
  return migliore;
}

double Ricerca::Prevedi(Mano& mano, Giocatore chi) {
  const double inf = std::numeric_limits<double>::infinity();
  double peggiore = inf, occhiataMigliore = -inf, prevista = 0;
  mano.PerOgniMossa(chi, [&](const Scelta& scelta) {
    // Every reply searched in full: the one foreseen needs its own value.
    const double v = -Dopo(mano, chi, scelta, -inf, inf);
    // A look costs about what a position searched costs, and counts as one.
    if (++nodi > limite) interrotta = true;
    const Giocata giocata = mano.Gioca(chi, scelta);
    const double occhiata = Occhiata(mano, chi, mano.CarteIn(chi));
    mano.Annulla(giocata);
    peggiore = std::min(peggiore, v);
    if (occhiata > occhiataMigliore) {
      occhiataMigliore = occhiata;
      prevista = v;
    }
    return !interrotta;
  });
  return -((1 - fiducia) * peggiore + fiducia * prevista);
}

}  // namespace quintello
