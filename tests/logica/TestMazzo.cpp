// Card codes, the dealer and the deals. Which cards a seed deals, and so the
// generator and the drawing, is held by every playthrough in tests/scenari.
#include <gtest/gtest.h>

#include "MettiCarte.h"
#include "engine/Mazzo.h"
#include "rules/Mano.h"

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

TEST(Mazziere, DrawIsFair) {
  Generatore caso(7);
  int uno = 0;
  constexpr int kEstrazioni = 20000;
  for (int i = 0; i < kEstrazioni; ++i) {
    const int16_t m = SorteggiaMazziere(caso);
    ASSERT_TRUE(m == 0 || m == 1);
    uno += m;
  }
  EXPECT_NEAR(uno, kEstrazioni / 2, kEstrazioni / 20);
}

TEST(Mazzo, OpeningDealThenSixDealsEmptyTheDeck) {
  Generatore caso(3);
  Mano mano(Giocatore::Utente);
  mano.DaiCarte(caso);
  mano.DaiCarteTerra(caso);
  const auto conta = [&] {
    return std::array{mano.CarteIn(Giocatore::PC).Quante(), mano.CarteIn(Giocatore::Utente).Quante(),
                      mano.Terra().Quante(), mano.Mazzo().Quante()};
  };
  EXPECT_EQ(conta(), (std::array{3, 3, 4, 30}));
  EXPECT_EQ(mano.Turno(), Giocatore::PC) << "the side that does not deal opens";
  for (int giro = 0; giro < 5; ++giro) {
    EXPECT_FALSE(mano.DaDare());
    mano.ImpostaCarte(Giocatore::PC, {});
    mano.ImpostaCarte(Giocatore::Utente, {});
    ASSERT_TRUE(mano.DaDare());
    mano.DaiCarte(caso);
    EXPECT_EQ(conta(), (std::array{3, 3, 4, 24 - 6 * giro}));
  }
  EXPECT_FALSE(mano.Finita());
  mano.ImpostaCarte(Giocatore::PC, {});
  mano.ImpostaCarte(Giocatore::Utente, {});
  EXPECT_TRUE(mano.Finita());
}

TEST(Mazzo, AnEmptyDeckDrawsNothingInsteadOfWaiting) {
  Generatore caso(5);
  Mano mano;
  mano.ImpostaMazzo(prova::Insieme("2s"));
  mano.DaiCarte(caso);
  EXPECT_EQ(mano.CarteIn(Giocatore::PC), prova::Insieme("2s"));
  EXPECT_TRUE(mano.CarteIn(Giocatore::Utente).Vuoto());
  InsiemeCarte vuoto;
  EXPECT_FALSE(PescaCarta(vuoto, caso));
}

}  // namespace
}  // namespace quintello
