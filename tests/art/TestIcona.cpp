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

TEST(ImmagineIcona, OgniMisuraEDisegnataPerSe) {
  // Scaling one picture down would not match a picture painted at the smaller size.
  const QImage grande =
      ImmagineIcona(128).scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  EXPECT_NE(grande, ImmagineIcona(64));
}

TEST(ImmagineIcona, UnLatoNonPositivoDaUnImmagineNulla) {
  EXPECT_TRUE(ImmagineIcona(0).isNull());
  EXPECT_TRUE(ImmagineIcona(-4).isNull());
}

}  // namespace
}  // namespace quintello
