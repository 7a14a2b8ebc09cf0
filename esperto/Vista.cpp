#include "esperto/Vista.h"

namespace quintello {

Vista VistaDi(const Mano& mano, Giocatore posto) {
  const Giocatore altro = Altro(posto);
  Vista v;
  v.posto = posto;
  v.mano = mano;
  v.nonViste = mano.CarteIn(altro) | mano.Mazzo();
  v.carteSue = mano.CarteIn(altro).Quante();
  v.mano.ImpostaCarte(altro, {});
  v.mano.ImpostaMazzo({});
  return v;
}

Mano ManoCon(const Vista& vista, InsiemeCarte sue) {
  Mano m = vista.mano;
  m.ImpostaCarte(Altro(vista.posto), sue);
  m.ImpostaMazzo(vista.nonViste - sue);
  return m;
}

}  // namespace quintello
