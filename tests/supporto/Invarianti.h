// What must hold after every event of a game, whatever the user did.
#pragma once

#include <sstream>
#include <string>

#include "FinestraRegistrata.h"
#include "engine/Gioco.h"
#include "scoring/FormatoSalvataggio.h"
#include "scoring/PartitaGiocabile.h"

namespace quintello::prova {

// "" when all holds, otherwise what broke.
inline std::string InvariantiViolate(const Gioco& g, const FinestraRegistrata& f) {
  const Carte& carte = g.stato.carte;
  bool luoghiNoti = true;
  carte.PerOgniCarta([&](Carta, int16_t l) {
    luoghiNoti = luoghiNoti && (l == Mazzo || (l >= Terra && l <= ScopaUtente));
  });
  if (!luoghiNoti) return "a card has an unknown location";
  if (carte.Conta(ManoPC) > kPostiMano) return "the computer holds more than three cards";
  if (carte.Conta(ManoUtente) > kPostiMano) return "the user holds more than three cards";
  if (carte.Conta(Terra) > kPostiTerra) return "more cards on the table than places";
  if (f.Flag().giocatautente == f.Flag().procedi) return "not exactly one play button shown";
  if (f.CarteMostrate().Conta(ManoUtente) != carte.Conta(ManoUtente))
    return "the window shows another hand";
  if (!PartitaGiocabile(g.stato, f.Flag())) return "a save of this game would not load";
  const std::string file = ScriviPartita(g.stato, f.Flag());
  std::istringstream in(file);
  PartitaLetta letta{StatoPartita{}, FlagFinestra{}};
  LeggiPartita(in, letta);
  if (!letta.Completa() || ScriviPartita(letta.stato, letta.flag) != file)
    return "saved and read back, the game differs";
  return "";
}

}  // namespace quintello::prova
