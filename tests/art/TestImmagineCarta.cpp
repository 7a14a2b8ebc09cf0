#include <gtest/gtest.h>

#include <vector>

#include "Immagini.h"
#include "pittore/PittoreCarte.h"
#include "pittore/PosizioniSemi.h"

namespace quintello::pittore {
namespace {

using prova::PixelDiversi;

constexpr Carta kDorso{};

// Paints the card moved into a wider canvas by a painter without anti-aliasing: whatever lands
// outside the card has spilled over, and the painter must come back as it was given.
int PixelFuoriDallaCarta(Carta carta) {
  const QRect dentro(QPoint(20, 20), kDimensioneCarta);
  const QImage tela = prova::Dipingi(kDimensioneCarta + QSize(40, 40), 1, [&](QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.translate(dentro.topLeft());
    carta == kDorso ? DisegnaDorso(p) : DisegnaFaccia(p, carta);
    EXPECT_EQ(p.transform(), QTransform::fromTranslate(20, 20));
    EXPECT_FALSE(p.testRenderHint(QPainter::Antialiasing));
  });
  int fuori = 0;
  prova::PerOgniPixel(
      tela, [&](int x, int y, QRgb c) { fuori += qAlpha(c) != 0 && !dentro.contains(x, y); });
  return fuori;
}

// One pass over the forty faces (suit by suit, ace to king) and the back, at 1x, 1.25x and 2x.
TEST(ImmagineCarta, OgniCartaDelMazzo) {
  std::vector<QImage> viste;
  for (int i = 0; i <= kCarteMazzo; ++i) {
    const Carta carta =
        i < kCarteMazzo ? Carta{int16_t(i % kValori + 1), int16_t(i / kValori + 1)} : kDorso;
    SCOPED_TRACE(testing::Message() << carta.valore << "/" << carta.seme);
    for (qreal dpr : {1.0, 1.25, 2.0}) {
      SCOPED_TRACE(testing::Message() << "a " << dpr);
      const QImage immagine = ImmagineCarta(carta, dpr);
      ASSERT_EQ(immagine.size(), kDimensioneCarta * dpr);  // rounded, never cut short
      EXPECT_EQ(immagine.devicePixelRatio(), dpr);
      const QPoint f = immagine.rect().bottomRight();
      for (QPoint angolo : {QPoint(0, 0), QPoint(f.x(), 0), QPoint(0, f.y()), f})
        EXPECT_EQ(qAlpha(immagine.pixel(angolo)), 0);
      EXPECT_EQ(qAlpha(immagine.pixel(f.x() / 2, 1)), 255);
      EXPECT_EQ(qAlpha(immagine.pixel(f / 2)), 255);
      // A half turn leaves the back unchanged: nothing shows which card lies beneath. At 1.25
      // the picture's far edges fall mid-pixel, so the turn only lines up at whole ratios.
      if (carta == kDorso && dpr != 1.25)
        EXPECT_EQ(PixelDiversi(immagine, immagine.mirrored(true, true)), 0);
      if (dpr != 1) continue;
      // Stock, frame, ink and the sign's colours at the very least.
      EXPECT_GT(prova::ColoriDistinti(immagine), 20);
      for (std::size_t j = 0; j < viste.size(); ++j) EXPECT_NE(immagine, viste[j]) << "come " << j;
      viste.push_back(immagine);
    }
    EXPECT_EQ(PixelFuoriDallaCarta(carta), 0);
  }
  for (Carta c : {Carta{0, Coppe}, Carta{11, Denari}, Carta{1, 5}})
    EXPECT_TRUE(ImmagineCarta(c, 1).isNull());

  // The settebello's prized coin is a design of its own, not a plain coin made larger: inside
  // its rim the card and a plain coin differ, in 90 pixels or so.
  const Posto pregiato = PosizioniDenari(kUltimoNumerale)[kIndiceSettebello];
  const auto nelDenaro = [&](const QImage& immagine) {
    return prova::Dipingi(kDimensioneCarta, 1, [&](QPainter& p) {
      const QPoint c = pregiato.centro.toPoint();
      const int r = pregiato.misura * 0.9;
      p.setClipRegion(QRegion(c.x() - r, c.y() - r, 2 * r, 2 * r, QRegion::Ellipse));
      p.drawImage(0, 0, immagine);
    });
  };
  const QImage denaro = prova::Dipingi(kDimensioneCarta, 1, [&](QPainter& p) {
    DisegnaDenaro(p, pregiato.centro, pregiato.misura);
  });
  EXPECT_GT(PixelDiversi(nelDenaro(viste[kSettebello.valore - 1]), nelDenaro(denaro)), 40);
}

}  // namespace
}  // namespace quintello::pittore
