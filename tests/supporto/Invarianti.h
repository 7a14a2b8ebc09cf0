// What must hold after every event of a game, whatever the user did.
#pragma once

#include <string>

#include "controller/Gioco.h"
#include "registrata/FinestraRegistrata.h"
#include "salvataggio/FormatoSalvataggio.h"
#include "salvataggio/PartitaGiocabile.h"
#include "scoring/StatusBar.h"

namespace quintello::prova {

// "" when all holds, otherwise what broke.
inline std::string InvariantiViolate(const Gioco& g, const FinestraRegistrata& f) {
  const StatoPartita& stato = g.Stato();
  const Carte& carte = stato.carte;
  if (f.CarteMostrate().Conta(ManoUtente) != carte.Conta(ManoUtente))
    return "the window shows another hand";
  if (!(f.FlagMostrati() == stato.flag)) return "the window shows other frames, buttons or marks";
  // In the pause the line still counts the table as it was before the computer's play.
  if (stato.flag.giocatautente && f.TestoStatusBar() != TestoStatusBar(stato))
    return "the status line shows another count";
  const Mano& mano = g.ManoInCorso();
  if (mano.Luoghi() != carte || mano.Mazziere() != stato.Mazziere() ||
      mano.UltimaPresa() != stato.UltimaPresa() || mano.RegoleInVigore() != stato.regole)
    return "the hand in play and the match state differ";
  // Also hands of at most three, fifteen table places, one "Ok" shown.
  if (!PartitaGiocabile(stato)) return "a save of this game would not load";
  const std::string file = ScriviPartita(stato);
  const PartitaLetta letta = LeggiPartita(file, StatoPartita{});
  if (!letta.Completa() || ScriviPartita(letta.stato) != file)
    return "saved and read back, the game differs";
  return "";
}

}  // namespace quintello::prova
