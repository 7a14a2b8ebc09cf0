// The fast exchange sort leaves every entry where the exchange loop does.
#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <utility>

#include "rules/OrdinamentoScambi.h"

namespace quintello {
namespace {

// The loop itself, as written: the reference the fast version is held to.
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

TEST(PermutazioneScambi, SmallCasesByHand) {
  EXPECT_EQ(PermutazioneScambi({}), (std::vector<int>{}));
  EXPECT_EQ(PermutazioneScambi({2.0}), (std::vector<int>{0}));
  // Three equal and one heavier: the loop gives 1, 2, 0, 3 (not 0, 1, 2, 3).
  EXPECT_EQ(PermutazioneScambiDiretta({1, 1, 1, 1.05}), (std::vector<int>{1, 2, 0, 3}));
  EXPECT_EQ(PermutazioneScambi({1, 1, 1, 1.05}), (std::vector<int>{1, 2, 0, 3}));
}

}  // namespace
}  // namespace quintello
