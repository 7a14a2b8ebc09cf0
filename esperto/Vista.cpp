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

void Completa(Mano& mano, const Vista& vista, InsiemeCarte sue) {
  mano.ImpostaCarte(Altro(vista.posto), sue);
  mano.ImpostaMazzo(vista.nonViste - sue);
}

}  // namespace quintello
