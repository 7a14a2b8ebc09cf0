#include "scoring/StatusBar.h"

#include "engine/NumeroTesto.h"

namespace quintello {

std::string TestoStatusBar(const StatoPartita& stato) {
  int cartepc = 0, carteuser = 0, scopepc = 0, scopeuser = 0;
  stato.carte.PerOgniCarta([&](Carta, int16_t luogo) {
    cartepc += DelPC(luogo);
    carteuser += DellUtente(luogo);
    scopepc += luogo == ScopaPC;
    scopeuser += luogo == ScopaUtente;
  });
  return "Carte prese dal PC: " + NumeroTesto(cartepc) +
         " Carte prese da USER: " + NumeroTesto(carteuser) + " Scope PC: " + NumeroTesto(scopepc) +
         " Scope USER: " + NumeroTesto(scopeuser) +
         " - Punteggio: PC: " + NumeroTesto(stato.punteggiopc) +
         " USER: " + NumeroTesto(stato.punteggiouser);
}

}  // namespace quintello
