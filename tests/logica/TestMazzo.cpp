// Card codes and the deals. Which cards a seed deals, and so the generator,
// the dealer's draw and the drawing, is held by every playthrough in tests/scenari.
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
  EXPECT_EQ(InsiemeCarte::DaCodici("7oZz9x1b7").Codici(), "1b7o") << "a damaged code is no card";
}

TEST(Mazzo, OpeningDealThenSixDealsEmptyTheDeck) {
  Generatore caso(3);
  Mano mano(Giocatore::Utente);
  mano.DaiPrimaSmazzata(caso);
  EXPECT_EQ(mano.Terra().Quante(), 4);
  EXPECT_EQ(mano.Turno(), Giocatore::PC) << "the side that does not deal opens";
  for (int giro = 0; giro <= 5; ++giro) {
    EXPECT_EQ((mano.CarteIn(Giocatore::PC) | mano.CarteIn(Giocatore::Utente)).Quante(), 6);
    EXPECT_EQ(mano.Mazzo().Quante(), 30 - 6 * giro);
    EXPECT_FALSE(mano.DaDare() || mano.Finita());
    mano.ImpostaCarte(Giocatore::PC, {});
    mano.ImpostaCarte(Giocatore::Utente, {});
    EXPECT_EQ(mano.DaDare(), giro < 5);
    EXPECT_EQ(mano.Finita(), giro == 5);
    mano.DaiCarte(caso);
  }
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
