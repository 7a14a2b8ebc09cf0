#include <gtest/gtest.h>

#include <QPainter>

#include "Immagini.h"
#include "PittoreCarte.h"

namespace quintello {
namespace {

using prova::Confronta;
using prova::TutteLeCarte;

// Anti-aliased edges may round a step differently once turned; a real asymmetry does not.
constexpr int kSogliaSfumatura = 24;

TEST(ImmagineCarta, HaLaMisuraEsattaA1xE2x) {
  for (auto [valore, seme] : TutteLeCarte()) {
    for (qreal dpr : {1.0, 2.0}) {
      const QImage carta = ImmagineCarta(valore, seme, dpr);
      EXPECT_EQ(carta.size(), QSize(qRound(74 * dpr), qRound(130 * dpr)))
          << valore << "/" << seme << " a " << dpr;
      EXPECT_EQ(carta.devicePixelRatio(), dpr);
    }
  }
}

TEST(ImmagineCarta, ArrotondaLaMisuraAScaleFrazionarie) {
  const QImage carta = ImmagineCarta(7, 1, 1.25);
  EXPECT_EQ(carta.size(), QSize(93, 163));
  EXPECT_EQ(carta.devicePixelRatio(), 1.25);
}

TEST(ImmagineCarta, LeQuarantunoFigureSonoTutteDiverse) {
  const auto carte = TutteLeCarte();
  std::vector<QImage> immagini;
  for (auto [valore, seme] : carte) immagini.push_back(ImmagineCarta(valore, seme, 1));
  for (std::size_t i = 0; i < immagini.size(); ++i) {
    for (std::size_t j = i + 1; j < immagini.size(); ++j) {
      EXPECT_NE(immagini[i], immagini[j]) << carte[i].first << "/" << carte[i].second << " e "
                                          << carte[j].first << "/" << carte[j].second;
    }
  }
}

TEST(ImmagineCarta, NessunaEVuotaNeDiUnSoloColore) {
  for (auto [valore, seme] : TutteLeCarte()) {
    const QImage carta = ImmagineCarta(valore, seme, 1);
    ASSERT_FALSE(carta.isNull());
    // Stock, frame, ink and the sign's colours at the very least.
    EXPECT_GT(prova::ColoriDistinti(carta), 20) << valore << "/" << seme;
  }
}

TEST(ImmagineCarta, TrasparenteFuoriDagliAngoliArrotondati) {
  for (auto [valore, seme] : TutteLeCarte()) {
    for (qreal dpr : {1.0, 2.0}) {
      const QImage carta = ImmagineCarta(valore, seme, dpr);
      const int w = carta.width() - 1;
      const int h = carta.height() - 1;
      for (QPoint angolo : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)}) {
        EXPECT_EQ(qAlpha(carta.pixel(angolo)), 0) << valore << "/" << seme;
      }
      EXPECT_EQ(qAlpha(carta.pixel(w / 2, 1)), 255) << valore << "/" << seme;
      EXPECT_EQ(qAlpha(carta.pixel(w / 2, h / 2)), 255) << valore << "/" << seme;
    }
  }
}

TEST(ImmagineCarta, IlSettebelloSiDistingueDagliAltriSette) {
  const QImage settebello = ImmagineCarta(7, 1, 1);
  for (int seme = 2; seme <= 4; ++seme) {
    const auto divario = Confronta(settebello, ImmagineCarta(7, seme, 1), kSogliaSfumatura);
    EXPECT_GT(divario.pixelDiversi, 74 * 130 / 10) << "seme " << seme;
  }
}

TEST(ImmagineCarta, ArgomentiFuoriDalMazzoDannoUnImmagineNulla) {
  EXPECT_TRUE(ImmagineCarta(0, 1, 1).isNull());
  EXPECT_TRUE(ImmagineCarta(11, 1, 1).isNull());
  EXPECT_TRUE(ImmagineCarta(1, 0, 1).isNull());
  EXPECT_TRUE(ImmagineCarta(1, 5, 1).isNull());
  EXPECT_TRUE(ImmagineCarta(0, 3, 1).isNull());
  EXPECT_TRUE(ImmagineCarta(1, 1, 0).isNull());
}

TEST(Dorso, RestaUgualeDopoUnMezzoGiro) {
  for (qreal dpr : {1.0, 2.0}) {
    const QImage dorso = ImmagineCarta(0, 0, dpr);
    const auto divario = Confronta(dorso, dorso.mirrored(true, true), kSogliaSfumatura);
    EXPECT_EQ(divario.pixelDiversi, 0) << "a " << dpr << ", massimo " << divario.massimo;
  }
}

TEST(Dorso, IlConfrontoColMezzoGiroScorgeUnaFacciaAsimmetrica) {
  // The ace of swords stands hilt down: turned, it must not match itself.
  const QImage asso = ImmagineCarta(1, 2, 1);
  EXPECT_GT(Confronta(asso, asso.mirrored(true, true), kSogliaSfumatura).pixelDiversi, 100);
}

TEST(DisegnaFaccia, DipingeSoltantoDentroLaCarta) {
  constexpr int kMargine = 20;
  for (auto [valore, seme] : TutteLeCarte()) {
    QImage tela(74 + 2 * kMargine, 130 + 2 * kMargine, QImage::Format_ARGB32_Premultiplied);
    tela.fill(Qt::transparent);
    {
      QPainter p(&tela);
      p.translate(kMargine, kMargine);
      if (valore == 0) {
        DisegnaDorso(p);
      } else {
        DisegnaFaccia(p, valore, seme);
      }
    }
    int fuori = 0;
    const QRect carta(kMargine, kMargine, 74, 130);
    for (int y = 0; y < tela.height(); ++y) {
      for (int x = 0; x < tela.width(); ++x) {
        if (!carta.contains(x, y) && qAlpha(tela.pixel(x, y)) != 0) ++fuori;
      }
    }
    EXPECT_EQ(fuori, 0) << valore << "/" << seme;
  }
}

TEST(DisegnaFaccia, LasciaIlPittoreComeLoHaTrovato) {
  QImage tela(74, 130, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&tela);
  p.setRenderHint(QPainter::Antialiasing, false);
  const QTransform prima = p.transform();
  DisegnaFaccia(p, 10, 3);
  DisegnaDorso(p);
  EXPECT_EQ(p.transform(), prima);
  EXPECT_FALSE(p.testRenderHint(QPainter::Antialiasing));
}

}  // namespace
}  // namespace quintello
