#include <gtest/gtest.h>

#include <QPainter>

#include "Immagini.h"
#include "IndiceValore.h"
#include "PittoreCarte.h"

namespace quintello {
namespace {

// The corner boxes the number must keep to, in logical pixels.
constexpr int kLatoAngolo = 14;
constexpr int kAltezzaAngolo = 18;

QImage SoloIndice(int valore, qreal dpr) {
  QImage tela(qRound(kLarghezzaCarta * dpr), qRound(kAltezzaCarta * dpr),
              QImage::Format_ARGB32_Premultiplied);
  tela.setDevicePixelRatio(dpr);
  tela.fill(Qt::transparent);
  QPainter p(&tela);
  p.setRenderHint(QPainter::Antialiasing);
  DisegnaIndice(p, valore);
  return tela;
}

TEST(IndiceValore, OgniValoreHaUnNumeroDiverso) {
  std::vector<QImage> indici;
  for (int valore = 1; valore <= 10; ++valore) indici.push_back(SoloIndice(valore, 1));
  for (std::size_t i = 0; i < indici.size(); ++i) {
    for (std::size_t j = i + 1; j < indici.size(); ++j) {
      EXPECT_NE(indici[i], indici[j]) << i + 1 << " e " << j + 1;
    }
  }
}

TEST(IndiceValore, StaNegliAngoliOpposti) {
  for (int valore = 1; valore <= 10; ++valore) {
    const QImage indice = SoloIndice(valore, 1);
    const QRect alto(0, 0, kLatoAngolo, kAltezzaAngolo);
    const QRect basso(kLarghezzaCarta - kLatoAngolo, kAltezzaCarta - kAltezzaAngolo, kLatoAngolo,
                      kAltezzaAngolo);
    int dentroAlto = 0;
    int dentroBasso = 0;
    int fuori = 0;
    for (int y = 0; y < indice.height(); ++y) {
      for (int x = 0; x < indice.width(); ++x) {
        if (qAlpha(indice.pixel(x, y)) == 0) continue;
        if (alto.contains(x, y)) {
          ++dentroAlto;
        } else if (basso.contains(x, y)) {
          ++dentroBasso;
        } else {
          ++fuori;
        }
      }
    }
    EXPECT_GT(dentroAlto, 10) << valore;
    EXPECT_GT(dentroBasso, 10) << valore;
    EXPECT_EQ(fuori, 0) << valore;
  }
}

TEST(IndiceValore, InBassoELoStessoNumeroCapovolto) {
  // A turned round cap may land a pixel's coverage differently; a different or misplaced
  // number differs in dozens of pixels.
  constexpr int kPixelTollerati = 4;
  for (int valore = 1; valore <= 10; ++valore) {
    const QImage indice = SoloIndice(valore, 2);
    const auto divario = prova::Confronta(indice, indice.mirrored(true, true), 24);
    EXPECT_LE(divario.pixelDiversi, kPixelTollerati) << valore << ", massimo " << divario.massimo;
  }
}

}  // namespace
}  // namespace quintello
