#include <gtest/gtest.h>

#include <QPainter>
#include <algorithm>
#include <vector>

#include "Immagini.h"
#include "pittore/PittoreCarte.h"

namespace quintello::pittore {
namespace {

using prova::Confronta;

// Anti-aliased edges may round a step differently once turned; a real asymmetry does not.
constexpr int kSogliaSfumatura = 24;
constexpr Carta kDorso{};
constexpr Carta kAssoDiSpade{1, Spade};

// Paints the card onto a wider canvas: whatever lands outside the card has spilled over.
int PixelFuoriDallaCarta(Carta carta) {
  constexpr int kMargine = 20;
  const QRect dentro(QPoint(kMargine, kMargine), kDimensioneCarta);
  QImage tela(dentro.size() + 2 * QSize(kMargine, kMargine), QImage::Format_ARGB32_Premultiplied);
  tela.fill(Qt::transparent);
  {
    QPainter p(&tela);
    p.translate(dentro.topLeft());
    carta == kDorso ? DisegnaDorso(p) : DisegnaFaccia(p, carta);
  }
  int fuori = 0;
  for (int y = 0; y < tela.height(); ++y) {
    for (int x = 0; x < tela.width(); ++x) {
      if (!dentro.contains(x, y) && qAlpha(tela.pixel(x, y)) != 0) ++fuori;
    }
  }
  return fuori;
}

// One pass over the forty faces and the back, at 1x, 1.25x and 2x.
TEST(ImmagineCarta, OgniCartaDelMazzo) {
  std::vector<Carta> carte;
  for (int16_t seme = 1; seme <= kSemi; ++seme) {
    for (int16_t valore = 1; valore <= kValori; ++valore) carte.push_back({valore, seme});
  }
  carte.push_back(kDorso);

  std::vector<QImage> viste;
  for (const Carta carta : carte) {
    SCOPED_TRACE(testing::Message() << carta.valore << "/" << carta.seme);
    for (qreal dpr : {1.0, 1.25, 2.0}) {
      SCOPED_TRACE(testing::Message() << "a " << dpr);
      const QImage immagine = ImmagineCarta(carta, dpr);
      ASSERT_EQ(immagine.size(), kDimensioneCarta * dpr);  // rounded, never cut short
      EXPECT_EQ(immagine.devicePixelRatio(), dpr);
      const int w = immagine.width() - 1;
      const int h = immagine.height() - 1;
      for (QPoint angolo : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)}) {
        EXPECT_EQ(qAlpha(immagine.pixel(angolo)), 0);
      }
      EXPECT_EQ(qAlpha(immagine.pixel(w / 2, 1)), 255);
      EXPECT_EQ(qAlpha(immagine.pixel(w / 2, h / 2)), 255);
      // A half turn leaves the back unchanged: nothing shows which card lies beneath. At 1.25
      // the picture's far edges fall mid-pixel, so the turn only lines up at whole ratios.
      if (carta == kDorso && dpr != 1.25) {
        const auto divario = Confronta(immagine, immagine.mirrored(true, true), kSogliaSfumatura);
        EXPECT_EQ(divario.pixelDiversi, 0) << "massimo " << divario.massimo;
      }
      if (dpr != 1) continue;
      // Stock, frame, ink and the sign's colours at the very least.
      EXPECT_GT(prova::ColoriDistinti(immagine), 20);
      for (std::size_t i = 0; i < viste.size(); ++i) {
        EXPECT_NE(immagine, viste[i]) << "uguale a " << carte[i].valore << "/" << carte[i].seme;
      }
      viste.push_back(immagine);
    }
    EXPECT_EQ(PixelFuoriDallaCarta(carta), 0);
  }

  // The settebello stands out from the other sevens; the ace of swords, hilt down, shows the
  // half-turn comparison above does see an asymmetric picture.
  const auto vista = [&](Carta carta) {
    return viste[std::ranges::find(carte, carta) - carte.begin()];
  };
  for (int16_t seme : {Spade, Coppe, Bastoni}) {
    const auto divario = Confronta(vista(kSettebello), vista({7, seme}), kSogliaSfumatura);
    EXPECT_GT(divario.pixelDiversi, kDimensioneCarta.width() * kDimensioneCarta.height() / 10)
        << "seme " << seme;
  }
  const QImage asso = vista(kAssoDiSpade);
  EXPECT_GT(Confronta(asso, asso.mirrored(true, true), kSogliaSfumatura).pixelDiversi, 100);
}

TEST(ImmagineCarta, ArgomentiFuoriDalMazzoDannoUnImmagineNulla) {
  for (Carta carta : {Carta{0, 1}, Carta{11, 1}, Carta{1, 0}, Carta{1, 5}, Carta{0, 3}}) {
    EXPECT_TRUE(ImmagineCarta(carta, 1).isNull()) << carta.valore << "/" << carta.seme;
  }
}

TEST(DisegnaFaccia, LasciaIlPittoreComeLoHaTrovato) {
  QImage tela(kDimensioneCarta, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&tela);
  p.setRenderHint(QPainter::Antialiasing, false);
  const QTransform prima = p.transform();
  DisegnaFaccia(p, {10, Coppe});
  DisegnaDorso(p);
  EXPECT_EQ(p.transform(), prima);
  EXPECT_FALSE(p.testRenderHint(QPainter::Antialiasing));
}

}  // namespace
}  // namespace quintello::pittore
