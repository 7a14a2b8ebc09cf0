// The signs and figures keep off the corners where the value index stands.
#include <gtest/gtest.h>

#include <QPainter>

#include "CarteNumerali.h"
#include "Figure.h"
#include "PittoreCarte.h"

namespace quintello {
namespace {

// Room for the index: the number itself and a little air around it, in logical pixels.
constexpr QRect kAngoloAlto(0, 0, 12, 17);
const QRect kAngoloBasso(kLarghezzaCarta - 12, kAltezzaCarta - 17, 12, 17);
constexpr int kDpr = 2;

int PixelNegliAngoli(int valore, Seme seme) {
  QImage tela(kLarghezzaCarta * kDpr, kAltezzaCarta * kDpr, QImage::Format_ARGB32_Premultiplied);
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
  int dipinti = 0;
  for (const QRect& angolo : {kAngoloAlto, kAngoloBasso}) {
    const QRect pixel(angolo.topLeft() * kDpr, angolo.size() * kDpr);
    for (int y = pixel.top(); y <= pixel.bottom(); ++y) {
      for (int x = pixel.left(); x <= pixel.right(); ++x) {
        if (qAlpha(tela.pixel(x, y)) != 0) ++dipinti;
      }
    }
  }
  return dipinti;
}

TEST(AngoliLiberi, NessunSegnoNeFiguraCopreLIndice) {
  for (int seme = kPrimoSeme; seme <= kUltimoSeme; ++seme) {
    for (int valore = 1; valore <= kRe; ++valore) {
      EXPECT_EQ(PixelNegliAngoli(valore, static_cast<Seme>(seme)), 0) << valore << "/" << seme;
    }
  }
}

}  // namespace
}  // namespace quintello
