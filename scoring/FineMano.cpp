#include "scoring/FineMano.h"

#include "scoring/ContaPunti.h"

namespace quintello {

namespace {

Esito Regolamento(const Mano& mano, const StatoPartita& stato) {
  if (NapolaDi(mano, Giocatore::PC) == kNapolaPiena) return Esito::NapolaComputer;
  if (NapolaDi(mano, Giocatore::Utente) == kNapolaPiena) return Esito::NapolaUtente;
  if (stato.punteggiopc < stato.puntivittoria && stato.punteggiouser < stato.puntivittoria)
    return Esito::ProssimaMano;
  if (stato.punteggiopc == stato.punteggiouser) return Esito::Spareggio;
  return stato.punteggiopc > stato.punteggiouser ? Esito::VinceComputer : Esito::VinceUtente;
}

}  // namespace

FineDellaMano FineMano(Mano& mano, StatoPartita& stato) {
  mano.TerraAllUltimaPresa();
  const PuntiMano punti = PuntiDellaMano(mano);
  // A loaded game may bring any score; saturate rather than wrap around.
  stato.punteggiopc = Somma16(stato.punteggiopc, punti.pc);
  stato.punteggiouser = Somma16(stato.punteggiouser, punti.utente);
  return {TestoPunti(mano, punti, stato.punteggiopc, stato.punteggiouser), Regolamento(mano, stato)};
}

}  // namespace quintello
