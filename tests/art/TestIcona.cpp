#include <gtest/gtest.h>

#include "IconaQuintello.h"
#include "Immagini.h"

namespace quintello {
namespace {

TEST(ImmagineIcona, HaIlLatoRichiesto) {
  for (int lato : {16, 32, 48, 64, 128}) {
    EXPECT_EQ(ImmagineIcona(lato).size(), QSize(lato, lato));
  }
}

TEST(ImmagineIcona, MostraLeCarteSuFondoTrasparente) {
  for (int lato : {16, 32, 48, 64, 128}) {
    const QImage icona = ImmagineIcona(lato);
    EXPECT_EQ(qAlpha(icona.pixel(0, 0)), 0) << lato;
    EXPECT_EQ(qAlpha(icona.pixel(lato / 2, lato / 2)), 255) << lato;
    EXPECT_GT(prova::ColoriDistinti(icona), 8) << lato;
  }
}

TEST(ImmagineIcona, LeCarteStannoTutteDentroIlQuadrato) {
  // A card cut off by the edge leaves solid pixels there; an edge merely grazed, a faint fringe.
  constexpr int kAlfaSfiorato = 32;
  for (int lato : {16, 32, 48, 64, 128}) {
    const QImage icona = ImmagineIcona(lato);
    const int fine = lato - 1;
    for (int k = 0; k < lato; ++k) {
      for (QPoint bordo : {QPoint(k, 0), QPoint(k, fine), QPoint(0, k), QPoint(fine, k)}) {
        EXPECT_LT(qAlpha(icona.pixel(bordo)), kAlfaSfiorato)
            << lato << " a " << bordo.x() << "," << bordo.y();
      }
    }
  }
}

TEST(ImmagineIcona, UnLatoNonPositivoDaUnImmagineNulla) {
  EXPECT_TRUE(ImmagineIcona(0).isNull());
  EXPECT_TRUE(ImmagineIcona(-4).isNull());
}

}  // namespace
}  // namespace quintello
