#include "rules/GiocaComputer.h"

#include <algorithm>
#include <array>
#include <utility>

#include "engine/Gioco.h"
#include "rules/Giocata.h"
#include "rules/OrdinamentoScambi.h"
#include "rules/PesoCarte.h"
#include "rules/ProponiPresa.h"

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

void AttendiProcedi(Finestra& finestra) {
  finestra.ShapeUserInvisibili();
  for (int i = 0; i < kPostiMano; ++i) finestra.AbilitaUser(i, false);
  finestra.MostraBottone(Bottone::Procedi, true);
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

void GiocaComputer(Gioco& gioco) {
  StatoPartita& stato = gioco.stato;
  Combinazioni& comb = gioco.combinazioni;
  gioco.Ridisegna();
  const std::vector<std::string> mano = ManoDelPC(stato.carte);
  if (mano.empty()) {  // only a damaged saved game gets here: nothing to play
    AttendiProcedi(gioco.finestra);
    return;
  }

  std::vector<double> punteggio(mano.size());
  bool presapossibile = false;
  for (std::size_t i = 0; i < mano.size(); ++i) {
    const int v = LeggiCarta(mano[i]).valore;
    OrdinaCombinazioni(comb.liste[v], comb.n[v]);
    CombinazioniObbligate(stato.carte, comb, v);
    if (comb.n[v] == 0) {
      punteggio[i] = kNessunaPresa;
    } else {
      punteggio[i] = PesoCarte(comb.Voce(v, 1) + mano[i]);
      presapossibile = true;
    }
  }

  std::string presa;
  Carta giocata;
  if (presapossibile) {
    const std::string& carta = mano[PresaMigliore(punteggio)];
    giocata = LeggiCarta(carta);
    presa = comb.Voce(giocata.valore, 1);
  } else {
    giocata = LeggiCarta(mano[CartaPiuLeggera(mano)]);
  }

  gioco.finestra.DisegnaCartePC(giocata, 0);
  IncorniciaPresa(gioco, presa);
  ApplicaGiocata(stato, giocata, presa, Giocatore::PC);
  gioco.finestra.AnnunciaGiocata(Giocatore::PC, giocata, presa, stato.carte[giocata] == ScopaPC);
  AttendiProcedi(gioco.finestra);
}

}  // namespace quintello
