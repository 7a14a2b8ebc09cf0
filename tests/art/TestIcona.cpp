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
    const int fine = lato - 1;
    for (int k = 0; k < lato; ++k) {
      for (QPoint bordo : {QPoint(k, 0), QPoint(k, fine), QPoint(0, k), QPoint(fine, k)}) {
        EXPECT_LT(qAlpha(icona.pixel(bordo)), kAlfaSfiorato) << bordo.x() << "," << bordo.y();
      }
    }
  }
}

}  // namespace
}  // namespace quintello::pittore
