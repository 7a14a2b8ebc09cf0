// Building positions for tests in a line: Metti(carte, "1o 3c 4b", Terra).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "FinestraRegistrata.h"
#include "MettiCarte.h"
#include "engine/Gioco.h"

namespace quintello::prova {

// Entries 1..n of a capture list.
inline std::vector<std::string> Lista(const Combinazioni& comb, int somma) {
  return {comb.liste[somma].begin() + 1, comb.liste[somma].begin() + 1 + comb.n[somma]};
}

// The indices of the table frames shown.
inline std::vector<int> CorniciTerra(const Finestra& finestra) {
  std::vector<int> posti;
  for (int p = 0; p < kPostiTerra; ++p)
    if (finestra.Flag().shape1[p]) posti.push_back(p);
  return posti;
}

// A game on the recording window, with a fixed seed.
struct Tavolo {
  explicit Tavolo(uint64_t seme = 1) : gioco(finestra, seme) {}
  // An empty match with the given table, hands and state, ready for the
  // user's turn with nothing selected and the capture lists built.
  void Prepara(std::string_view terra, std::string_view manoPC, std::string_view manoUtente) {
    Carte& carte = gioco.stato.carte;
    carte.Azzera();
    Metti(carte, terra, Terra);
    Metti(carte, manoPC, ManoPC);
    Metti(carte, manoUtente, ManoUtente);
    gioco.stato.puntivittoria = 11;
    gioco.stato.cartaselezionata = -1;
    gioco.Ridisegna();
    CalcolaCombinazioni(carte, gioco.combinazioni);
  }

  FinestraRegistrata finestra;
  Gioco gioco;
};

}  // namespace quintello::prova
