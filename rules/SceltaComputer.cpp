#include "rules/SceltaComputer.h"

#include <array>
#include <vector>

#include "rules/OrdinamentoScambi.h"
#include "rules/PesoCarte.h"

namespace quintello {

namespace {

constexpr double kNessunaPresa = -1;
// The computer looks at no more than a hand's worth of cards.
constexpr int kCarteGuardate = 3;

// The card to lay when nothing can be captured: the lightest, first on ties.
int CartaPiuLeggera(const std::vector<Carta>& mano) {
  int m = 0;
  for (int i = 1; i < static_cast<int>(mano.size()); ++i)
    if (PesoCarta(mano[i]) < PesoCarta(mano[m])) m = i;
  return m;
}

// The capture to make: the best score, first on ties.
int PresaMigliore(const std::vector<double>& punteggio) {
  int b = 0;
  double migliore = kNessunaPresa;
  for (int i = 0; i < static_cast<int>(punteggio.size()); ++i) {
    if (punteggio[i] > migliore) {
      migliore = punteggio[i];
      b = i;
    }
  }
  return b;
}

}  // namespace

void OrdinaCombinazioni(ElencoPrese& lista) {
  // The weights are computed once, and the entries moved once to where the
  // exchange loop would leave them.
  const int n = lista.Quante();
  std::vector<double> peso(n);
  for (int i = 0; i < n; ++i) peso[i] = PesoCarte(lista[i]);
  const std::vector<int> origine = PermutazioneScambi(peso);
  const ElencoPrese prima = lista;
  for (int i = 0; i < n; ++i) lista[i] = prima[origine[i]];
}

std::optional<Scelta> SceltaComputer(InsiemeCarte mano, InsiemeCarte terra,
                                     const Regole& regole) {
  std::vector<Carta> carte;
  for (Carta c : mano)
    if (static_cast<int>(carte.size()) < kCarteGuardate) carte.push_back(c);
  if (carte.empty()) return std::nullopt;

  // One list per value: two cards of one value sort and force the same list
  // twice, and the second sort can move captures of equal weight.
  std::array<ElencoPrese, kSommaMassima + 1> liste;
  std::array<bool, kSommaMassima + 1> cercata{};
  std::vector<double> punteggio(carte.size());
  bool presapossibile = false;
  for (std::size_t i = 0; i < carte.size(); ++i) {
    const int v = carte[i].valore;
    if (!cercata[v]) CercaPrese(terra, v, regole, liste[v]);
    cercata[v] = true;
    OrdinaCombinazioni(liste[v]);
    CombinazioniObbligate(terra, liste[v], v);
    if (liste[v].Vuoto()) {
      punteggio[i] = kNessunaPresa;
    } else {
      // The capture's weights first, then the card's, added from the left.
      punteggio[i] = PesoCarte(liste[v][0]) + PesoCarta(carte[i]);
      presapossibile = true;
    }
  }

  if (!presapossibile) return Scelta{carte[CartaPiuLeggera(carte)], {}};
  const Carta giocata = carte[PresaMigliore(punteggio)];
  return Scelta{giocata, liste[giocata.valore][0]};
}

}  // namespace quintello
