#include "rules/SceltaComputer.h"

#include <algorithm>
#include <array>
#include <utility>

#include "engine/StatoPartita.h"
#include "rules/Combinazioni.h"
#include "rules/OrdinamentoScambi.h"
#include "rules/PesoCarte.h"

namespace quintello {

namespace {

constexpr double kNessunaPresa = -1;

// The computer's hand in card order, at most three cards.
std::vector<std::string> ManoDelPC(const Carte& carte) {
  std::vector<std::string> mano;
  carte.PerOgniCarta([&](Carta c, int16_t luogo) {
    if (luogo == ManoPC && mano.size() < kPostiMano) mano.push_back(CodiceCarta(c));
  });
  return mano;
}

// The card to lay when nothing can be captured: the lightest, first on ties.
std::size_t CartaPiuLeggera(const std::vector<std::string>& mano) {
  std::size_t m = 0;
  double minimo = PesoCarte(mano[0]);
  for (std::size_t i = 0; i < mano.size(); ++i) {
    if (PesoCarte(mano[i]) < minimo) {
      minimo = PesoCarte(mano[i]);
      m = i;
    }
  }
  return m;
}

// The capture to make: the best score, first on ties.
std::size_t PresaMigliore(const std::vector<double>& punteggio) {
  std::size_t b = 0;
  double migliore = -1;
  for (std::size_t i = 0; i < punteggio.size(); ++i) {
    if (punteggio[i] > migliore) {
      migliore = punteggio[i];
      b = i;
    }
  }
  return b;
}

}  // namespace

void OrdinaCombinazioni(std::vector<std::string>& lista, int n) {
  // The weights are computed once, and the entries moved once to where the
  // exchange loop would leave them.
  std::vector<double> peso(n);
  for (int i = 0; i < n; ++i) peso[i] = PesoCarte(lista[i + 1]);
  const std::vector<int> origine = PermutazioneScambi(peso);
  std::vector<std::string> ordinata(n);
  for (int i = 0; i < n; ++i) ordinata[i] = std::move(lista[origine[i] + 1]);
  for (int i = 0; i < n; ++i) lista[i + 1] = std::move(ordinata[i]);
}

std::optional<Scelta> SceltaComputer(const Carte& carte) {
  const std::vector<std::string> mano = ManoDelPC(carte);
  if (mano.empty()) return std::nullopt;
  Combinazioni comb;
  CalcolaCombinazioni(carte, comb);

  std::vector<double> punteggio(mano.size());
  bool presapossibile = false;
  for (std::size_t i = 0; i < mano.size(); ++i) {
    // Two cards of one value sort and force the same list twice, and the
    // second sort can move captures of equal weight: the choice keeps that.
    const int v = LeggiCarta(mano[i]).valore;
    OrdinaCombinazioni(comb.liste[v], comb.n[v]);
    CombinazioniObbligate(carte, comb, v);
    if (comb.n[v] == 0) {
      punteggio[i] = kNessunaPresa;
    } else {
      punteggio[i] = PesoCarte(comb.Voce(v, 1) + mano[i]);
      presapossibile = true;
    }
  }

  if (!presapossibile) return Scelta{LeggiCarta(mano[CartaPiuLeggera(mano)]), ""};
  const Carta giocata = LeggiCarta(mano[PresaMigliore(punteggio)]);
  return Scelta{giocata, comb.Voce(giocata.valore, 1)};
}

}  // namespace quintello
