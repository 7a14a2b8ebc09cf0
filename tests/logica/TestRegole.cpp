// The rules of a play: capture lists, forced capture, the proposal, applying
// a play, and the computer's choice.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "MettiCarte.h"
#include "rules/Combinazioni.h"
#include "rules/Mano.h"
#include "rules/OrdinamentoScambi.h"
#include "rules/ProponiPresa.h"
#include "rules/SceltaComputer.h"

namespace quintello {
namespace {

using prova::Codici;
using prova::Insieme;
using prova::Metti;
using Voci = std::vector<std::string>;

template <typename Lista>
Voci Testi(const Lista& lista) {
  Voci voci;
  for (InsiemeCarte presa : lista) voci.push_back(presa.Codici());
  return voci;
}

// An independent enumeration: every non-empty subset as an increasing index
// sequence, in lexicographic order, kept by its sum.
std::array<Voci, kSommaMassima + 1> ForzaBruta(const Voci& terra) {
  const int n = static_cast<int>(terra.size());
  std::vector<std::vector<int>> sottoinsiemi;
  for (int maschera = 1; maschera < (1 << n); ++maschera) {
    std::vector<int> indici;
    for (int i = 0; i < n; ++i)
      if (maschera & (1 << i)) indici.push_back(i);
    sottoinsiemi.push_back(indici);
  }
  std::sort(sottoinsiemi.begin(), sottoinsiemi.end());
  std::array<Voci, kSommaMassima + 1> liste;
  for (const auto& indici : sottoinsiemi) {
    std::string presa;
    int somma = 0;
    for (int i : indici) {
      presa += terra[i];
      somma += LeggiCarta(terra[i]).valore;
    }
    if (somma <= kSommaMassima) liste[somma].push_back(presa);
  }
  return liste;
}

TEST(CalcolaCombinazioni, MatchesBruteForceAndTheForcedRuleOnRandomTables) {
  std::mt19937 caso(2024);
  std::vector<Carta> mazzo;
  for (int16_t v = 1; v <= kValori; ++v)
    for (int16_t s = 1; s <= kSemi; ++s) mazzo.push_back({v, s});
  for (int prova = 0; prova < 300; ++prova) {
    std::shuffle(mazzo.begin(), mazzo.end(), caso);
    const int quante = static_cast<int>(caso() % (kCarteTerraMassime + 1));
    Carte carte;
    for (int i = 0; i < quante; ++i) carte[mazzo[i]] = Terra;
    Voci terra;
    for (std::size_t k = 0; k < NumeroCodici(Codici(carte, Terra)); ++k)
      terra.emplace_back(CodiceN(Codici(carte, Terra), k));
    const Combinazioni comb = CalcolaCombinazioni(carte.Insieme(Terra));
    const auto attese = ForzaBruta(terra);
    for (int s = 1; s <= kSommaMassima; ++s)
      ASSERT_EQ(Testi(comb.liste[s]), attese[s]) << "somma " << s;

    for (int v = 1; v <= kValori; ++v) {
      ElencoPrese lista;
      for (InsiemeCarte presa : comb.liste[v]) lista.Aggiungi(presa);
      CombinazioniObbligate(carte.Insieme(Terra), lista, v);
      const Voci unaVolta = Testi(lista);
      CombinazioniObbligate(carte.Insieme(Terra), lista, v);
      ASSERT_EQ(Testi(lista), unaVolta) << "forcing twice is forcing once";
      ElencoPrese prese;
      PreseDi(carte.Insieme(Terra), v, prese);
      ASSERT_EQ(Testi(prese), unaVolta) << "the captures offered are the forced list";
      Voci stessoValore;
      for (const std::string& c : terra)
        if (LeggiCarta(c).valore == v) stessoValore.push_back(c);
      ASSERT_EQ(unaVolta, stessoValore.empty() ? attese[v] : stessoValore) << "valore " << v;
    }
  }
}

TEST(ProponiPresa, ClicksCycleThroughTheCapturesAndBack) {
  struct Caso {
    const char* terra;
    int valore;
    int16_t indice;  // the counter before the click
    int16_t dopo;
    const char* presa;
    int totale;
  };
  const Caso casi[] = {
      {"1o 2s 3c 4b", 5, 0, 1, "1o4b", 2},
      {"1o 2s 1b", 1, 0, 1, "1o", 2},  // an ace takes an ace
      {"1o 2s 3c 4b", 5, 1, 2, "2s3c", 2},
      {"1o 2s 3c 4b", 5, 2, 1, "1o4b", 2},  // after the last, the first again
      {"2s 3b 5o 5c", 5, 1, 2, "5c", 2},    // a five on the table: only the fives
      {"2s 3b 5o 5c", 10, 2, 3, "5o5c", 3},
      {"3o 4c", 9, 0, 1, "", 0},          // nothing to take: the click still counts
      {"3o 4c", 9, 32767, 32767, "", 0},  // but never past what it can hold
      {"3o 4c", 0, 0, 1, "", 0},          // an empty slot's value
  };
  for (const Caso& c : casi) {
    const Proposta p = ProponiPresa(Insieme(c.terra), c.valore, c.indice);
    EXPECT_EQ(p.indicepresa, c.dopo) << c.terra << " / " << c.valore << " click " << c.indice;
    EXPECT_EQ(p.presa.Codici(), c.presa) << c.terra << " / " << c.valore << " click " << c.indice;
    EXPECT_EQ(p.totale, c.totale) << c.terra << " / " << c.valore;
  }
}

TEST(Mano, LaysCapturesSweepsAndTakesBack) {
  struct Caso {
    const char* terra;
    const char* carta;
    const char* presa;
    Giocatore chi;
    const char* terraDopo;
    const char* pila;  // the player's captured pile, sweep card apart
    int16_t scopa;     // the played card's location when it swept, else 0
    Giocatore ultimaPresa;
  };
  const Caso casi[] = {
      {"1o 3c", "6b", "", Giocatore::Utente, "1o3c6b", "", 0, Giocatore::Utente},
      {"1o 3c", "6b", "", Giocatore::PC, "1o3c6b", "", 0, Giocatore::Utente},
      {"1o 3c 6s", "4b", "1o3c", Giocatore::Utente, "6s", "1o3c4b", 0, Giocatore::Utente},
      {"1o 3c 6s", "4b", "1o3c", Giocatore::PC, "6s", "1o3c4b", 0, Giocatore::PC},
      {"2c 5s", "7o", "2c5s", Giocatore::Utente, "", "2c5s", ScopaUtente, Giocatore::Utente},
      {"2c 5s", "7o", "2c5s", Giocatore::PC, "", "2c5s", ScopaPC, Giocatore::PC},
  };
  for (const Caso& c : casi) {
    Carte carte;
    Metti(carte, c.terra, Terra);
    const Carta carta = LeggiCarta(c.carta);
    carte[carta] = c.chi == Giocatore::Utente ? ManoUtente : ManoPC;
    Metti(carte, "9o", ManoUtente);  // the other side holds a card: the turn passes
    Metti(carte, "9s", ManoPC);
    Mano mano = Mano::DaLuoghi(carte, Giocatore::PC, Giocatore::Utente, c.chi);
    ASSERT_EQ(mano.Luoghi(), carte) << "the hand reads back the table it was made from";
    const Mano prima = mano;
    mano.Applica(c.chi, {carta, InsiemeCarte::DaCodici(c.presa)});
    const Carte dopo = mano.Luoghi();
    const Luogo pila = c.chi == Giocatore::Utente ? PresaUtente : PresaPC;
    EXPECT_EQ(Codici(dopo, Terra), c.terraDopo) << c.terra << " + " << c.carta;
    EXPECT_EQ(Codici(dopo, pila), c.pila) << c.terra << " + " << c.carta;
    const int16_t luogo = *c.presa ? pila : Terra;
    EXPECT_EQ(dopo[carta], c.scopa != 0 ? c.scopa : luogo) << c.carta;
    EXPECT_EQ(dopo.Conta(ScopaPC) + dopo.Conta(ScopaUtente), c.scopa != 0);
    EXPECT_EQ(mano.UltimaPresa(), c.ultimaPresa) << c.terra << " + " << c.carta;
    EXPECT_EQ(mano.Turno(), Altro(c.chi));
    EXPECT_EQ(
        mano.Storia().back(),
        (Giocata{
            c.chi, {carta, InsiemeCarte::DaCodici(c.presa)}, c.scopa != 0, Giocatore::Utente}));
    mano.Annulla();
    EXPECT_EQ(mano, prima) << c.terra << " + " << c.carta << " taken back";
  }
}

// The exchange loop itself, as written: the reference the fast version is held to.
std::vector<int> PermutazioneScambiDiretta(std::vector<double> peso) {
  const int n = static_cast<int>(peso.size());
  std::vector<int> posto(n);
  std::iota(posto.begin(), posto.end(), 0);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      if (peso[i] < peso[j]) {
        std::swap(peso[i], peso[j]);
        std::swap(posto[i], posto[j]);
      }
    }
  }
  return posto;
}

TEST(PermutazioneScambi, MatchesTheLoopOnRandomWeightsWithManyTies) {
  std::mt19937 caso(99);
  for (int prova = 0; prova < 3000; ++prova) {
    const int n = static_cast<int>(caso() % 70);
    const int distinti = 1 + static_cast<int>(caso() % 8);
    std::vector<double> peso(n);
    for (double& w : peso) w = 1.0 + 0.25 * static_cast<double>(caso() % distinti);
    ASSERT_EQ(PermutazioneScambi(peso), PermutazioneScambiDiretta(peso)) << "prova " << prova;
  }
}

TEST(SceltaComputer, CardAndCaptureByWeight) {
  struct Caso {
    const char* terra;
    const char* mano;
    const char* carta;  // "" nothing to play
    const char* presa;
  };
  const Caso casi[] = {
      // The best card with its lightest capture.
      {"1o 3c 4b 6s", "2b 7c 9s", "7c", "3c4b"},
      // Forced capture: the first suit of the value on the table.
      {"3s 4c 7o 7b", "7c 8s", "7c", "7o"},
      {"2c 3b 5s", "1c 5o 0b", "0b", "2c3b5s"},
      // Equal scores keep the card that comes first.
      {"1s 2o 5b 6c", "7s 7b", "7s", "2o5b"},
      // Nothing to take: the lightest card, the first on ties.
      {"2s 5c", "8b 9c 0s", "8b", ""},
      {"", "7o 6c 2b", "2b", ""},
      // Two tens sort list 10 twice: 2c8c 2c8b 2c8o, then 2c8b 2c8c 2c8o;
      // both score alike, so the first ten takes what the second pass left.
      {"2c 4s 7o 8o 8c 8b", "1b 0s 0c", "0s", "2c8b"},
      {"1o 2s", "", "", ""},
  };
  for (const Caso& c : casi) {
    const std::optional<Scelta> scelta = SceltaComputer(Insieme(c.mano), Insieme(c.terra));
    const std::string giocata = scelta ? CodiceCarta(scelta->carta) : "";
    EXPECT_EQ(giocata, c.carta) << c.terra << " / " << c.mano;
    EXPECT_EQ(scelta ? scelta->presa.Codici() : "", c.presa) << c.terra << " / " << c.mano;
  }
}

}  // namespace
}  // namespace quintello
