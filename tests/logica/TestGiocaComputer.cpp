// The computer's weights, its sorting and its choice of card and capture.
#include <gtest/gtest.h>

#include "Posizione.h"
#include "rules/SceltaComputer.h"
#include "rules/PesoCarte.h"

namespace quintello {
namespace {

using prova::Codici;
using prova::CorniciTerra;

TEST(PesoCarte, WeightsByTheFirstRuleThatFits) {
  EXPECT_EQ(PesoCarte("7o"), 10);
  EXPECT_EQ(PesoCarte("6o"), 1.7);
  EXPECT_EQ(PesoCarte("7s"), 3.5);
  EXPECT_EQ(PesoCarte("6c"), 1.8);
  EXPECT_EQ(PesoCarte("1b"), 1.6);
  EXPECT_EQ(PesoCarte("0b"), 1);
  EXPECT_EQ(PesoCarte(""), 0);
  // Added from the left, one double at a time.
  EXPECT_EQ(PesoCarte("2c3b5s"), (1.05 + 1.1) + 1.3);
  EXPECT_DOUBLE_EQ(PesoCarte("2c3b5s"), 3.45);
}

TEST(OrdinaCombinazioni, AscendingByWeight) {
  std::vector<std::string> lista{"", "1o6s", "3c4b"};
  OrdinaCombinazioni(lista, 2);
  EXPECT_EQ(lista, (std::vector<std::string>{"", "3c4b", "1o6s"}));
}

TEST(OrdinaCombinazioni, EqualWeightsEndWhereTheExchangeLoopLeavesThem) {
  // Three cards of one weight and a heavier one: the full double loop moves
  // the equal ones around, where a stable sort would keep 8s, 9s, 0s.
  std::vector<std::string> lista{"", "8s", "9s", "0s", "2s"};
  OrdinaCombinazioni(lista, 4);
  EXPECT_EQ(lista, (std::vector<std::string>{"", "9s", "0s", "8s", "2s"}));
  // Sorting the sorted list again moves them once more.
  OrdinaCombinazioni(lista, 4);
  EXPECT_EQ(lista, (std::vector<std::string>{"", "0s", "8s", "9s", "2s"}));
}

struct Turno : ::testing::Test {
  prova::Tavolo t;
  void Gioca(std::string_view terra, std::string_view mano) {
    t.Prepara(terra, mano, "");
    t.finestra.ShapeTerraInvisibili();
    t.gioco.GiocaComputer();
  }
  const Carte& carte() { return t.gioco.stato.carte; }
  std::string CartaMostrata() {
    for (const std::string& e : t.finestra.Eventi())
      if (e.starts_with("PC\t")) return e.substr(3);
    return "";
  }
};

TEST_F(Turno, CapturesWithTheBestCardAndItsLightestCapture) {
  Gioca("1o 3c 4b 6s", "2b 7c 9s");
  EXPECT_EQ(CartaMostrata(), "7c");
  EXPECT_EQ(Codici(carte(), PresaPC), "3c4b7c");
  EXPECT_EQ(Codici(carte(), Terra), "1o6s");
  EXPECT_EQ(CorniciTerra(t.finestra), (std::vector<int>{1, 2}));
  EXPECT_EQ(t.gioco.stato.ultimapresa, 0);
}

TEST_F(Turno, ForcedCaptureTakesTheFirstSuit) {
  Gioca("3s 4c 7o 7b", "7c 8s");
  EXPECT_EQ(CartaMostrata(), "7c");
  EXPECT_EQ(Codici(carte(), PresaPC), "7o7c");
  EXPECT_EQ(Codici(carte(), Terra), "3s4c7b");
  EXPECT_EQ(CorniciTerra(t.finestra), (std::vector<int>{2}));
}

TEST_F(Turno, SweepMarksThePlayedCard) {
  Gioca("2c 3b 5s", "1c 5o 0b");
  EXPECT_EQ(CartaMostrata(), "0b");
  EXPECT_EQ(carte()(10, Bastoni), ScopaPC);
  EXPECT_EQ(Codici(carte(), PresaPC), "2c3b5s");
  EXPECT_EQ(carte().Conta(Terra), 0);
  EXPECT_EQ(CorniciTerra(t.finestra), (std::vector<int>{0, 1, 2}));
}

TEST_F(Turno, EqualScoresKeepTheFirstCard) {
  Gioca("1s 2o 5b 6c", "7s 7b");
  EXPECT_EQ(CartaMostrata(), "7s");
  EXPECT_EQ(Codici(carte(), PresaPC), "2o5b7s");
  EXPECT_EQ(Codici(carte(), ManoPC), "7b");
}

TEST_F(Turno, NothingToTakeLaysTheLightestFirstCard) {
  t.gioco.stato.ultimapresa = 1;
  Gioca("2s 5c", "8b 9c 0s");
  EXPECT_EQ(CartaMostrata(), "8b");
  EXPECT_EQ(Codici(carte(), Terra), "2s5c8b");
  EXPECT_EQ(t.gioco.stato.ultimapresa, 1);
  EXPECT_TRUE(CorniciTerra(t.finestra).empty());
}

TEST_F(Turno, LaysTheLightestCardNotTheFirst) {
  Gioca("", "7o 6c 2b");
  EXPECT_EQ(CartaMostrata(), "2b");
  EXPECT_EQ(Codici(carte(), Terra), "2b");
}

TEST_F(Turno, LeavesTheGameWaitingForProcedi) {
  t.finestra.MostraBottone(Bottone::Procedi, false);
  Gioca("1o", "1s 2b");
  const FlagFinestra& f = t.finestra.Flag();
  EXPECT_TRUE(f.procedi);
  for (int i = 0; i < kPostiMano; ++i) {
    EXPECT_FALSE(f.user[i]);
    EXPECT_FALSE(f.shape2[i]);
  }
}

TEST_F(Turno, SameValueCardsSortTheListTwice) {
  // List 10 holds 2c8o, 2c8c, 2c8b. The first ten sorts it to 2c8c, 2c8b,
  // 2c8o; the second sorts again to 2c8b, 2c8c, 2c8o. Both tens score 3.05,
  // so the first one plays and takes what the second pass left in front.
  Gioca("2c 4s 7o 8o 8c 8b", "1b 0s 0c");
  EXPECT_EQ(CartaMostrata(), "0s");
  EXPECT_EQ(Codici(carte(), PresaPC), "2c8b0s");
  EXPECT_EQ(CorniciTerra(t.finestra), (std::vector<int>{0, 5}));
}

TEST_F(Turno, EmptyHandPlaysNothingButStillPauses) {
  Gioca("1o 2s", "");
  EXPECT_EQ(CartaMostrata(), "");
  EXPECT_EQ(Codici(carte(), Terra), "1o2s");
  EXPECT_TRUE(t.finestra.Flag().procedi);
}

}  // namespace
}  // namespace quintello
