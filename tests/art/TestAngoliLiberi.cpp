// The value index keeps to two opposite corners, and signs and figures keep off them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "Immagini.h"
#include "pittore/CarteNumerali.h"
#include "pittore/Figure.h"
#include "pittore/IndiceValore.h"
#include "pittore/PittoreCarte.h"

namespace quintello::pittore {
namespace {

constexpr int kDpr = 2;

// Painted pixels of a picture at 2x: in the top-left and the bottom-right box of `angolo`
// logical pixels, and elsewhere.
std::array<int, 3> NegliAngoli(const QImage& tela, QSize angolo) {
  const QRect alto(QPoint(), angolo * kDpr);
  QRect basso = alto;
  basso.moveBottomRight(tela.rect().bottomRight());
  std::array<int, 3> n{};
  prova::PerOgniPixel(tela, [&](int x, int y, QRgb c) {
    if (qAlpha(c) != 0) ++n[alto.contains(x, y) ? 0 : basso.contains(x, y) ? 1 : 2];
  });
  return n;
}

TEST(AngoliLiberi, NessunSegnoNeFiguraCopreLIndice) {
  for (int seme = 1; seme <= kSemi; ++seme) {
    for (int valore = 1; valore <= kValori; ++valore) {
      const QImage tela = prova::Dipingi(kDimensioneCarta, kDpr, [&](QPainter& p) {
        const auto s = static_cast<Seme>(seme);
        valore >= kFante ? DisegnaFigura(p, valore, s) : DisegnaNumerale(p, valore, s);
      });
      // Room for the index: the number itself and a little air around it.
      const auto [alto, basso, fuori] = NegliAngoli(tela, {12, 17});
      EXPECT_EQ(alto + basso, 0) << valore << "/" << seme;
    }
  }
}

// Each value a number of its own, kept to the two opposite corners and the same turned round.
TEST(IndiceValore, UnNumeroDiversoNegliAngoliOppostiUgualeCapovolto) {
  std::vector<QImage> indici;
  for (int valore = 1; valore <= kValori; ++valore) {
    SCOPED_TRACE(valore);
    const QImage indice =
        prova::Dipingi(kDimensioneCarta, kDpr, [&](QPainter& p) { DisegnaIndice(p, valore); });
    const auto [alto, basso, fuori] = NegliAngoli(indice, {14, 18});
    EXPECT_GT(std::min(alto, basso), 10);
    EXPECT_EQ(fuori, 0);
    // A turned round cap may land a pixel's coverage differently; a different or misplaced
    // number differs in dozens of pixels.
    EXPECT_LE(prova::PixelDiversi(indice, indice.mirrored(true, true)), 4);
    for (const QImage& altro : indici) EXPECT_NE(indice, altro);
    indici.push_back(indice);
  }
}

}  // namespace
}  // namespace quintello::pittore
