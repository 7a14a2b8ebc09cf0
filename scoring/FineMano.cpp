#include "scoring/FineMano.h"

#include "engine/Gioco.h"
#include "scoring/ContaPunti.h"

namespace quintello {

namespace {

void TerraAllUltimaPresa(StatoPartita& stato) {
  const int16_t pila = stato.ultimapresa != 0 ? PresaUtente : PresaPC;
  for (int v = 1; v <= kValori; ++v)
    for (int s = 1; s <= kSemi; ++s)
      if (stato.carte(v, s) == Terra) stato.carte(v, s) = pila;
}

void AnnunciaVincitore(Gioco& gioco, const char* testo) {
  gioco.finestra.MsgBox({.testo = testo, .titolo = "Vincitore"});
  GiocaAncora(gioco);
}

}  // namespace

void FineMano(Gioco& gioco) {
  StatoPartita& stato = gioco.stato;
  TerraAllUltimaPresa(stato);
  ContaPunti(gioco);
  if (stato.punteggiopc < stato.puntivittoria && stato.punteggiouser < stato.puntivittoria) {
    gioco.NuovaPartita();
    return;
  }
  if (stato.punteggiopc == stato.punteggiouser) {
    gioco.finestra.MsgBox(
        {.testo = "Situazione di parità: si disputerà mano di spareggio", .titolo = "Pareggio"});
    gioco.NuovaPartita();
  } else if (stato.punteggiopc > stato.punteggiouser) {
    AnnunciaVincitore(gioco, "Questa partita la vince il computer");
  } else {
    AnnunciaVincitore(gioco, "Questa partita la vince il giocatore");
  }
}

void GiocaAncora(Gioco& gioco) {
  const Risposta risposta = gioco.finestra.MsgBox(
      {.testo = "Vuoi giocare ancora?", .titolo = "Nuova partita", .pulsanti = Pulsanti::SiNo});
  if (risposta == Risposta::No) {
    gioco.finestra.Chiudi();
    return;
  }
  gioco.NuovaPartitaDaCapo();
}

}  // namespace quintello
