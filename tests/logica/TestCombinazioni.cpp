// The capture lists, their order, and the forced-capture rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "Posizione.h"

namespace quintello {
namespace {

using prova::Lista;
using Voci = std::vector<std::string>;

Combinazioni Liste(std::string_view terra) {
  Carte carte;
  prova::Metti(carte, terra, Terra);
  Combinazioni comb;
  CalcolaCombinazioni(carte, comb);
  return comb;
}

TEST(CalcolaCombinazioni, EmptyTableHasNoCaptures) {
  const Combinazioni comb = Liste("");
  for (int s = 1; s <= kSommaMassima; ++s) EXPECT_EQ(comb.n[s], 0);
}

TEST(CalcolaCombinazioni, ListsInVisitingOrder) {
  const Combinazioni comb = Liste("4b 3c 2s 1o");
  EXPECT_EQ(Lista(comb, 6), (Voci{"1o2s3c", "2s4b"}));
  EXPECT_EQ(Lista(comb, 10), (Voci{"1o2s3c4b"}));
  EXPECT_EQ(Lista(comb, 5), (Voci{"1o4b", "2s3c"}));
  EXPECT_EQ(Lista(comb, 4), (Voci{"1o3c", "4b"}));
  EXPECT_EQ(Lista(comb, 1), (Voci{"1o"}));
}

TEST(CalcolaCombinazioni, SameValueCardsAndSums) {
  const Combinazioni comb = Liste("2s 3b 5o 5c");
  EXPECT_EQ(Lista(comb, 5), (Voci{"2s3b", "5o", "5c"}));
  EXPECT_EQ(Lista(comb, 10), (Voci{"2s3b5o", "2s3b5c", "5o5c"}));
}

TEST(CalcolaCombinazioni, RebuildResetsCountersButKeepsTheirOrder) {
  Carte carte;
  prova::Metti(carte, "1o 2s 3c 4b", Terra);
  Combinazioni comb;
  CalcolaCombinazioni(carte, comb);
  carte.Azzera();
  prova::Metti(carte, "3o 7s", Terra);
  CalcolaCombinazioni(carte, comb);
  EXPECT_EQ(Lista(comb, 10), (Voci{"3o7s"}));
  EXPECT_EQ(comb.n[6], 0);
  EXPECT_EQ(Lista(comb, 7), (Voci{"7s"}));
}

TEST(CombinazioniObbligate, ValueOnTheTableTakesOnlyThoseCards) {
  Carte carte;
  prova::Metti(carte, "2s 3b 5o 5c", Terra);
  Combinazioni comb;
  CalcolaCombinazioni(carte, comb);
  CombinazioniObbligate(carte, comb, 5);
  EXPECT_EQ(Lista(comb, 5), (Voci{"5o", "5c"}));
  CombinazioniObbligate(carte, comb, 10);  // no ten on the table: unchanged
  EXPECT_EQ(Lista(comb, 10), (Voci{"2s3b5o", "2s3b5c", "5o5c"}));

  carte.Azzera();
  prova::Metti(carte, "3o 4s 7c 7b", Terra);
  CalcolaCombinazioni(carte, comb);
  CombinazioniObbligate(carte, comb, 7);
  EXPECT_EQ(Lista(comb, 7), (Voci{"7c", "7b"}));

  carte.Azzera();
  prova::Metti(carte, "0o", Terra);
  CalcolaCombinazioni(carte, comb);
  CombinazioniObbligate(carte, comb, 10);
  EXPECT_EQ(Lista(comb, 10), (Voci{"0o"}));
}

TEST(SommaCarte, TenCountsAsTen) {
  EXPECT_EQ(SommaCarte(""), 0);
  EXPECT_EQ(SommaCarte("0o"), 10);
  EXPECT_EQ(SommaCarte("1o2s3c4b"), 10);
  EXPECT_EQ(SommaCarte("7c0b"), 17);
}

// An independent enumeration: every non-empty subset as an increasing index
// sequence, in lexicographic order, kept by its sum.
std::array<Voci, kSommaMassima + 1> ForzaBruta(const std::vector<std::string>& terra) {
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

TEST(CalcolaCombinazioni, MatchesBruteForceOnRandomTables) {
  std::mt19937 caso(2024);
  std::vector<Carta> mazzo;
  for (int16_t v = 1; v <= kValori; ++v)
    for (int16_t s = 1; s <= kSemi; ++s) mazzo.push_back({v, s});
  Combinazioni comb;  // reused, as the game does, so leftovers would show
  for (int prova = 0; prova < 300; ++prova) {
    std::shuffle(mazzo.begin(), mazzo.end(), caso);
    const int quante = static_cast<int>(caso() % (kCarteTerraMassime + 1));
    Carte carte;
    for (int i = 0; i < quante; ++i) carte[mazzo[i]] = Terra;
    std::vector<std::string> terra;
    carte.PerOgniCarta([&](Carta c, int16_t l) {
      if (l == Terra) terra.push_back(CodiceCarta(c));
    });
    CalcolaCombinazioni(carte, comb);
    const auto attese = ForzaBruta(terra);
    for (int s = 1; s <= kSommaMassima; ++s) ASSERT_EQ(Lista(comb, s), attese[s]) << "somma " << s;

    for (int v = 1; v <= kValori; ++v) {
      CombinazioniObbligate(carte, comb, v);
      const Voci unaVolta = Lista(comb, v);
      CombinazioniObbligate(carte, comb, v);
      ASSERT_EQ(Lista(comb, v), unaVolta);
      Voci stessoValore;
      for (const std::string& c : terra)
        if (LeggiCarta(c).valore == v) stessoValore.push_back(c);  // already in suit order
      ASSERT_EQ(unaVolta, stessoValore.empty() ? attese[v] : stessoValore) << "valore " << v;
    }
  }
}

}  // namespace
}  // namespace quintello
