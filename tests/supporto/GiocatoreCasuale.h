// A random user: every choice the game allows, drawn from a seeded generator.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "controller/Comandi.h"
#include "controller/Gioco.h"
#include "registrata/FinestraRegistrata.h"

namespace quintello::prova {

class GiocatoreCasuale {
 public:
  // `file` is where saves and loads happen; empty: never save or load.
  GiocatoreCasuale(uint64_t seme, std::string file) : caso_(seme), file_(std::move(file)) {}

  // Makes one choice: mostly the play buttons and the hand cards (cycling the
  // proposals), now and then a menu item, a New match or a save and load.
  void Mossa(Gioco& g, FinestraRegistrata& f) {
    const AzioniUtente azioni = g.Azioni();
    const int scelta = static_cast<int>(caso_() % 1000);
    if (azioni.procedi && scelta < 900) {
      g.procedi_Click();
    } else if (azioni.giocatautente && scelta < 450) {
      g.giocatautente_Click();
    } else if (scelta < 900) {
      const int posto = static_cast<int>(caso_() % kPostiMano);
      if (azioni.user[posto]) g.user_Click(posto);
    } else if (scelta < 940 && !file_.empty()) {
      f.AccodaFile(file_);
      g.salva_Click();
      f.AccodaFile(file_);
      g.carica_Click();
    } else if (scelta < 960) {
      f.AccodaRisposta(caso_() % 2 ? Risposta::Si : Risposta::No);
      g.newpart_Click();
    } else {
      static constexpr const char* kMenu[] = {
          "sette",           "undici",    "sedici",   "ventuno",      "principiante",
          "classico",        "esperto",   "campione", "suggerimento", "Info",
          "assopigliatutto", "assoscopa", "rebello",  "napola"};
      (g.*Comandi().at(kMenu[caso_() % std::size(kMenu)]))();
    }
  }

 private:
  std::mt19937_64 caso_;
  std::string file_;
};

}  // namespace quintello::prova
