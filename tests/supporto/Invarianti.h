// What must hold after every event of a game, whatever the user did.
#pragma once

#include <string>

#include "controller/Gioco.h"
#include "registrata/FinestraRegistrata.h"
#include "salvataggio/FormatoSalvataggio.h"
#include "salvataggio/PartitaGiocabile.h"

namespace quintello::prova {

// "" when all holds, otherwise what broke.
inline std::string InvariantiViolate(const Gioco& g, const FinestraRegistrata& f) {
  const StatoPartita& stato = g.Stato();
  const Carte& carte = stato.carte;
  if (carte.Conta(ManoPC) > kPostiMano) return "the computer holds more than three cards";
  if (carte.Conta(ManoUtente) > kPostiMano) return "the user holds more than three cards";
  if (carte.Conta(Terra) > kPostiTerra) return "more cards on the table than places";
  if (stato.flag.giocatautente == stato.flag.procedi) return "not exactly one play button shown";
  if (f.CarteMostrate().Conta(ManoUtente) != carte.Conta(ManoUtente))
    return "the window shows another hand";
  const Mano& mano = g.ManoInCorso();
  if (mano.Luoghi() != carte || mano.Mazziere() != stato.Mazziere() ||
      mano.UltimaPresa() != stato.UltimaPresa())
    return "the hand in play and the match state differ";
  if (!PartitaGiocabile(stato)) return "a save of this game would not load";
  const std::string file = ScriviPartita(stato);
  const PartitaLetta letta = LeggiPartita(file, StatoPartita{});
  if (!letta.Completa() || ScriviPartita(letta.stato) != file)
    return "saved and read back, the game differs";
  return "";
}

}  // namespace quintello::prova
