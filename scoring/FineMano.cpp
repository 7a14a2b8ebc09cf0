#include "scoring/FineMano.h"

#include "scoring/ContaPunti.h"

namespace quintello {

namespace {

void TerraAllUltimaPresa(Carte& carte, int16_t ultimapresa) {
  const int16_t pila = ultimapresa != 0 ? PresaUtente : PresaPC;
  for (int v = 1; v <= kValori; ++v)
    for (int s = 1; s <= kSemi; ++s)
      if (carte(v, s) == Terra) carte(v, s) = pila;
}

Esito Regolamento(const StatoPartita& stato) {
  if (stato.punteggiopc < stato.puntivittoria && stato.punteggiouser < stato.puntivittoria)
    return Esito::ProssimaMano;
  if (stato.punteggiopc == stato.punteggiouser) return Esito::Spareggio;
  return stato.punteggiopc > stato.punteggiouser ? Esito::VinceComputer : Esito::VinceUtente;
}

}  // namespace

FineDellaMano FineMano(StatoPartita& stato) {
  TerraAllUltimaPresa(stato.carte, stato.ultimapresa);
  const PuntiMano mano = PuntiDellaMano(stato.carte);
  // A loaded game may bring any score; saturate rather than wrap around.
  stato.punteggiopc = Somma16(stato.punteggiopc, mano.pc);
  stato.punteggiouser = Somma16(stato.punteggiouser, mano.utente);
  return {TestoPunti(stato.carte, mano, stato.punteggiopc, stato.punteggiouser),
          Regolamento(stato)};
}

}  // namespace quintello
