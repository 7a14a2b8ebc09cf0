// The signs and figures keep off the corners where the value index stands.
#include <gtest/gtest.h>

#include <QPainter>

#include "pittore/CarteNumerali.h"
#include "pittore/Figure.h"
#include "pittore/PittoreCarte.h"

namespace quintello::pittore {
namespace {

// Room for the index: the number itself and a little air around it, in logical pixels.
constexpr QSize kAngolo{12, 17};
constexpr int kDpr = 2;

int PixelNegliAngoli(int valore, Seme seme) {
  QImage tela(kDimensioneCarta * kDpr, QImage::Format_ARGB32_Premultiplied);
  tela.setDevicePixelRatio(kDpr);
  tela.fill(Qt::transparent);
  {
    QPainter p(&tela);
    p.setRenderHint(QPainter::Antialiasing);
    if (valore >= kFante) {
      DisegnaFigura(p, valore, seme);
    } else {
      DisegnaNumerale(p, valore, seme);
    }
  }
  const QSize angolo = kAngolo * kDpr;
  const QSize resto = tela.size() - angolo;
  int dipinti = 0;
  for (const QRect& pixel :
       {QRect(QPoint(), angolo), QRect(QPoint(resto.width(), resto.height()), angolo)}) {
    for (int y = pixel.top(); y <= pixel.bottom(); ++y) {
      for (int x = pixel.left(); x <= pixel.right(); ++x) {
        if (qAlpha(tela.pixel(x, y)) != 0) ++dipinti;
      }
    }
  }
  return dipinti;
}

TEST(AngoliLiberi, NessunSegnoNeFiguraCopreLIndice) {
  for (int seme = 1; seme <= kSemi; ++seme) {
    for (int valore = 1; valore <= kValori; ++valore) {
      EXPECT_EQ(PixelNegliAngoli(valore, static_cast<Seme>(seme)), 0) << valore << "/" << seme;
    }
  }
}

}  // namespace
}  // namespace quintello::pittore
