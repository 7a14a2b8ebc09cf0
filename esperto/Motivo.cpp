#include "esperto/Motivo.h"

#include "engine/NomiCarte.h"

namespace quintello {

namespace {

// The part in which the best play gains most over the one made.
Parte PiuDistante(const Parti& migliore, const Parti& fatta) {
  int scelta = static_cast<int>(Parte::Carte);
  double distanza = 0;
  for (int k = 0; k < kParti; ++k) {
    if (migliore[k] - fatta[k] > distanza + 1e-9) {
      distanza = migliore[k] - fatta[k];
      scelta = k;
    }
  }
  return static_cast<Parte>(scelta);
}

// The sweep the other side may make on the table the play leaves.
std::string ScopaConcessa(const Mano& mano, Giocatore chi, const Scelta& fatta) {
  Mano dopo = mano;
  dopo.Gioca(chi, fatta);
  const InsiemeCarte terra = dopo.Terra();
  const std::string altro = chi == Giocatore::Utente ? "il computer" : "l'avversario";
  if (!terra.Vuoto() && terra.SommaValori() <= kValori)
    return "Lasci " + std::to_string(terra.SommaValori()) + " in tavola: " + altro +
           " può fare scopa";
  return (chi == Giocatore::Utente ? "Il computer" : "L'avversario") +
         std::string(" può fare scopa");
}

}  // namespace

std::string Motivo(const Mano& mano, Giocatore chi, const Scelta& migliore,
                   const Parti& partiMigliore, const Scelta& fatta, const Parti& partiFatta) {
  const std::string meglio = "Meglio " + ConArticolo(migliore.carta);
  switch (PiuDistante(partiMigliore, partiFatta)) {
    case Parte::ScopeSue:
    case Parte::RischioScopa:
      return ScopaConcessa(mano, chi, fatta);
    case Parte::ScopeMie:
      return meglio + ": fai scopa";
    case Parte::Settebello:
      return meglio + ": prendi il settebello";
    case Parte::ReBello:
      return meglio + ": prendi il re bello";
    case Parte::Napola:
      return meglio + ": tieni viva la napola";
    case Parte::Ori:
      return "Prendi più denari";
    case Parte::Primiera:
      // The cards worth most in the primiera: seven, six and ace.
      if (fatta.carta.valore != migliore.carta.valore && fatta.presa.Vuoto() &&
          (fatta.carta.valore == 7 || fatta.carta.valore == 6 || fatta.carta.valore == 1))
        return "Tieni " + ConArticolo(fatta.carta.valore) + " per la primiera";
      return meglio + ": più punti di primiera";
    case Parte::UltimaPresa:
      return meglio + ": l'ultima presa porta via le carte in tavola";
    case Parte::Carte:
      break;
  }
  return "Prendi più carte";
}

}  // namespace quintello
