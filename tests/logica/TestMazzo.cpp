// Card codes, the dealer and the deals. Which cards a seed deals, and so the
// generator and the drawing, is held by every playthrough in tests/scenari.
#include <gtest/gtest.h>

#include "MettiCarte.h"
#include "engine/Mazzo.h"

namespace quintello {
namespace {

TEST(CodiceCarta, BothWaysAndDamagedCodesInsideTheTable) {
  const std::pair<const char*, Carta> casi[] = {
      {"0b", {10, Bastoni}}, {"1o", {1, Denari}}, {"7o", {7, Denari}}, {"5s", {5, Spade}},
      {"9c", {9, Coppe}},    {"Zz", {0, 0}},      {"9x", {9, 0}},      {"", {0, 0}},
  };
  for (const auto& [codice, carta] : casi) {
    EXPECT_EQ(LeggiCarta(codice), carta) << codice;
    if (carta.valida()) {
      EXPECT_EQ(CodiceCarta(carta), codice);
    }
  }
  EXPECT_EQ(CodiceCarta(3, 9), "3");  // an unknown suit has no letter
  Carte carte;
  carte[LeggiCarta("Zz")] = PresaUtente;  // lands in the unused row 0
  EXPECT_EQ(carte.Conta(PresaUtente), 0);
}

TEST(Mazziere, DrawIsFairAndPassingAlternates) {
  Generatore caso(7);
  int uno = 0;
  constexpr int kEstrazioni = 20000;
  for (int i = 0; i < kEstrazioni; ++i) {
    const int16_t m = SorteggiaMazziere(caso);
    ASSERT_TRUE(m == 0 || m == 1);
    uno += m;
  }
  EXPECT_NEAR(uno, kEstrazioni / 2, kEstrazioni / 20);
  EXPECT_EQ(CambiaMazziere(1), 0);
  EXPECT_EQ(CambiaMazziere(0), 1);
  EXPECT_EQ(CambiaMazziere(5), 1);
}

TEST(Mazzo, OpeningDealThenSixDealsEmptyTheDeck) {
  Generatore caso(3);
  Carte carte;
  AzzeraMazzo(carte);
  DaiCarte(carte, caso);
  DaiCarteTerra(carte, caso);
  EXPECT_EQ(carte.Conta(ManoPC), 3);
  EXPECT_EQ(carte.Conta(ManoUtente), 3);
  EXPECT_EQ(carte.Conta(Terra), 4);
  EXPECT_EQ(carte.Conta(Mazzo), 30);
  for (int giro = 0; giro < 5; ++giro) {
    carte.PerOgniCarta([&](Carta c, int16_t l) {
      if (l == ManoPC || l == ManoUtente) carte[c] = PresaPC;
    });
    DaiCarte(carte, caso);
    EXPECT_EQ(carte.Conta(ManoPC), 3);
    EXPECT_EQ(carte.Conta(ManoUtente), 3);
  }
  EXPECT_EQ(carte.Conta(Mazzo), 0);
}

TEST(Mazzo, AnEmptyDeckDrawsNothingInsteadOfWaiting) {
  Generatore caso(5);
  Carte carte;
  carte.PerOgniCarta([&](Carta c, int16_t) { carte[c] = PresaPC; });
  carte(2, Spade) = Mazzo;
  DaiCarte(carte, caso);
  EXPECT_EQ(carte.Conta(ManoPC), 1);
  EXPECT_EQ(carte.Conta(ManoUtente), 0);
  EXPECT_FALSE(PescaCarta(carte, caso, Terra));
}

}  // namespace
}  // namespace quintello
