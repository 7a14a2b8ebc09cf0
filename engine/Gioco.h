// The game: the state of a match and every event the window forwards to it.
//
// The window calls one of the *_Click handlers for each user action; each runs
// to its end, asking the window for everything it shows through `finestra`.
// Nothing of the order of play lives in the window.
#pragma once

#include <cstdint>
#include <string>

#include "engine/Finestra.h"
#include "engine/Generatore.h"
#include "engine/StatoPartita.h"
#include "rules/Combinazioni.h"

namespace quintello {

class Gioco {
 public:
  Gioco(Finestra& finestra, uint64_t semeCasuale);

  // Start-up, run once before the window is first shown.
  void Form_Load();

  // The user's controls.
  void user_Click(int indice);
  void giocatautente_Click();
  void procedi_Click();

  // The menus and the donation buttons.
  void newpart_Click();
  void salva_Click();
  void carica_Click();
  void esci_Click();
  void sette_Click();
  void undici_Click();
  void sedici_Click();
  void ventuno_Click();
  void Info_Click();
  void mnuDona_Click() { FaiDonazione(); }
  void Command1_Click() { FaiDonazione(); }
  void Command2_Click() { FaiDonazione(); }

  // Whether a click on the user's hand place would reach user_Click: the place
  // shows a card and is enabled.
  bool UserCliccabile(int indice) const;

  // Procedures shared by the turn flow, the settlement and the saved game.
  void NuovaPartita();
  // A new match: both scores to 0, a new dealer, a new hand. The target stays.
  void NuovaPartitaDaCapo();
  // Deals three cards each within a hand, and shows them.
  void DaiCarte();
  void Ridisegna();
  void AggiornaStatusBar();
  void FaiDonazione();
  // The computer plays, and the game waits for `procedi`.
  void GiocaComputer();

  StatoPartita stato;
  Combinazioni combinazioni;
  Finestra& finestra;
  Generatore caso;
  // The name the file dialog starts with: the last one chosen in this run.
  std::string nomefile;
};

}  // namespace quintello
