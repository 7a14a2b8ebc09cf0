#include "esperto/CarteBit.h"
#include "esperto/Esperto.h"

namespace quintello {

Vista VistaDi(const Carte& carte, Giocatore posto, const Contesto& contesto) {
  const bool pc = posto == Giocatore::PC;
  const int16_t manoMia = pc ? ManoPC : ManoUtente;
  const int16_t manoSua = pc ? ManoUtente : ManoPC;
  Vista v;
  v.posto = posto;
  carte.PerOgniCarta([&](Carta c, int16_t luogo) {
    const uint64_t bit = esperto::Bit(esperto::IndiceCarta(c));
    if (luogo == manoMia) {
      v.mano |= bit;
    } else if (luogo == manoSua) {
      v.nonViste |= bit;
      ++v.carteSue;
    } else if (luogo == Mazzo) {
      v.nonViste |= bit;
      ++v.carteMazzo;
    } else if (luogo == Terra) {
      v.terra |= bit;
    } else if (DelPC(luogo) || DellUtente(luogo)) {
      const bool mia = DelPC(luogo) == pc;
      (mia ? v.preseMie : v.preseSue) |= bit;
      if (luogo == ScopaPC || luogo == ScopaUtente) ++(mia ? v.scopeMie : v.scopeSue);
    }
  });
  v.ioDo = contesto.mazziere == posto;
  v.ultimaMia = contesto.ultimaPresa == posto;
  v.punteggioMio = pc ? contesto.punteggioPC : contesto.punteggioUtente;
  v.punteggioSuo = pc ? contesto.punteggioUtente : contesto.punteggioPC;
  return v;
}

Vista VistaDi(const StatoPartita& stato, Giocatore posto) {
  const auto chi = [](int16_t codice) { return codice == 1 ? Giocatore::Utente : Giocatore::PC; };
  return VistaDi(stato.carte, posto,
                 {.mazziere = chi(stato.mazziere),
                  .ultimaPresa = chi(stato.ultimapresa),
                  .punteggioPC = stato.punteggiopc,
                  .punteggioUtente = stato.punteggiouser});
}

}  // namespace quintello
