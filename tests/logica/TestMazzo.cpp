// Card codes and the deals. Which cards a seed deals, and so the generator,
// the dealer's draw and the drawing, is held by every playthrough in tests/scenari.
#include <gtest/gtest.h>

#include "MettiCarte.h"
#include "engine/Mazzo.h"
#include "rules/Mano.h"

namespace quintello {
namespace {

TEST(CodiceCarta, BothWaysAndDamagedCodes) {
  EXPECT_EQ(InsiemeCarte::DaCodici("0b9c7o5s1o").Codici(), "1o5s7o9c0b") << "card order, 0 for ten";
  EXPECT_EQ(InsiemeCarte::DaCodici("7oZz9x1b7").Codici(), "1b7o") << "a damaged code is no card";
}

TEST(Mazzo, OpeningDealThenSixDealsEmptyTheDeck) {
  Generatore caso(3);
  Mano mano(Giocatore::Utente);
  mano.DaiPrimaSmazzata(caso);
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
  InsiemeCarte mazzo = prova::Insieme("2s");
  EXPECT_EQ(PescaCarta(mazzo, caso), (Carta{2, Spade}));
  EXPECT_EQ(PescaCarta(mazzo, caso), std::nullopt);
}

}  // namespace
}  // namespace quintello
