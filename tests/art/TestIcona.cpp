#include <gtest/gtest.h>

#include "Immagini.h"
#include "pittore/IconaQuintello.h"

namespace quintello::pittore {
namespace {

// Every side the program installs, through both layouts (small icons show one coin).
TEST(ImmagineIcona, LeCarteSuFondoTrasparenteDentroIlQuadrato) {
  // A card cut off by the edge leaves solid pixels there; an edge merely grazed, a faint fringe.
  constexpr int kAlfaSfiorato = 32;
  for (int lato : {16, 32, 48, 64, 128}) {
    SCOPED_TRACE(lato);
    const QImage icona = ImmagineIcona(lato);
    ASSERT_EQ(icona.size(), QSize(lato, lato));
    EXPECT_EQ(qAlpha(icona.pixel(lato / 2, lato / 2)), 255);
    EXPECT_GT(prova::ColoriDistinti(icona), 8);
    const QRect dentro = icona.rect().adjusted(1, 1, -1, -1);
    prova::PerOgniPixel(icona, [&](int x, int y, QRgb c) {
      EXPECT_TRUE(dentro.contains(x, y) || qAlpha(c) < kAlfaSfiorato) << x << "," << y;
    });
  }
}

}  // namespace
}  // namespace quintello::pittore
