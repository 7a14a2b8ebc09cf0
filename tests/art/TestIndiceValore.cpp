#include <gtest/gtest.h>

#include <QPainter>

#include "Immagini.h"
#include "pittore/IndiceValore.h"
#include "pittore/PittoreCarte.h"

namespace quintello::pittore {
namespace {

// The index alone, at 2x, each value a number of its own kept to the two opposite corners.
TEST(IndiceValore, UnNumeroDiversoNegliAngoliOppostiUgualeCapovolto) {
  constexpr int kDpr = 2;
  // The corner boxes the number must keep to, in logical pixels.
  constexpr QSize kAngolo{14, 18};
  const QSize resto = (kDimensioneCarta - kAngolo) * kDpr;
  const QRect alto(QPoint(), kAngolo * kDpr);
  const QRect basso(QPoint(resto.width(), resto.height()), kAngolo * kDpr);
  // A turned round cap may land a pixel's coverage differently; a different or misplaced
  // number differs in dozens of pixels.
  constexpr int kPixelTollerati = 4;
  std::vector<QImage> indici;
  for (int valore = 1; valore <= kValori; ++valore) {
    SCOPED_TRACE(valore);
    QImage indice(kDimensioneCarta * kDpr, QImage::Format_ARGB32_Premultiplied);
    indice.setDevicePixelRatio(kDpr);
    indice.fill(Qt::transparent);
    {
      QPainter p(&indice);
      p.setRenderHint(QPainter::Antialiasing);
      DisegnaIndice(p, valore);
    }
    int dentroAlto = 0;
    int dentroBasso = 0;
    int fuori = 0;
    for (int y = 0; y < indice.height(); ++y) {
      for (int x = 0; x < indice.width(); ++x) {
        if (qAlpha(indice.pixel(x, y)) == 0) continue;
        ++(alto.contains(x, y) ? dentroAlto : basso.contains(x, y) ? dentroBasso : fuori);
      }
    }
    EXPECT_GT(dentroAlto, 10);
    EXPECT_GT(dentroBasso, 10);
    EXPECT_EQ(fuori, 0);
    const auto divario = prova::Confronta(indice, indice.mirrored(true, true), 24);
    EXPECT_LE(divario.pixelDiversi, kPixelTollerati) << "massimo " << divario.massimo;
    for (const QImage& altro : indici) EXPECT_NE(indice, altro);
    indici.push_back(indice);
  }
}

}  // namespace
}  // namespace quintello::pittore
