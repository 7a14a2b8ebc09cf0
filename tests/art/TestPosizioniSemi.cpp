#include <gtest/gtest.h>

#include <QLineF>
#include <QRectF>
#include <algorithm>

#include "pittore/PittoreCarte.h"
#include "pittore/PosizioniSemi.h"

namespace quintello::pittore {
namespace {

// Signs keep inside the card's frame.
const QRectF kDentroCornice = QRectF(QPointF(), kDimensioneCarta).adjusted(3, 3, -3, -3);
// A cup is about three quarters as wide as it is tall.
constexpr qreal kLarghezzaCoppa = 0.76;

QPointF Specchio(QPointF q) {
  return {kDimensioneCarta.width() - q.x(), q.y()};
}

// How many of the card's swords, or batons, mirror the given one left to right.
int Gemelli(std::span<const Spada> spade, const Spada& s) {
  return std::ranges::count_if(spade, [&](const Spada& t) {
    return t.elsa == Specchio(s.elsa) && t.punta == Specchio(s.punta) && t.curva == -s.curva;
  });
}
int Gemelli(std::span<const Bastone> bastoni, const Bastone& b) {
  return std::ranges::count_if(bastoni, [&](const Bastone& t) {
    return t.base == Specchio(b.base) && t.cima == Specchio(b.cima);
  });
}

TEST(PosizioniSemi, IDenariStannoNellaCorniceESenzaToccarsi) {
  for (int valore = 1; valore <= kUltimoNumerale; ++valore) {
    const auto posti = PosizioniDenari(valore);
    ASSERT_EQ(posti.size(), std::size_t(valore));
    for (std::size_t i = 0; i < posti.size(); ++i) {
      const qreal r = posti[i].misura;
      EXPECT_TRUE(
          kDentroCornice.contains(QRectF(posti[i].centro - QPointF(r, r), QSizeF(2 * r, 2 * r))))
          << valore << " #" << i;
      for (std::size_t j = i + 1; j < posti.size(); ++j) {
        EXPECT_GT(QLineF(posti[i].centro, posti[j].centro).length(), r + posti[j].misura)
            << valore << " #" << i << " #" << j;
      }
      // The settebello's prized coin is the largest of the seven.
      if (valore == kUltimoNumerale && int(i) != kIndiceSettebello) {
        EXPECT_GT(posti[kIndiceSettebello].misura, r * 1.2) << i;
      }
    }
  }
}

TEST(PosizioniSemi, LeCoppeStannoNellaCorniceESenzaSovrapporsi) {
  for (int valore = 1; valore <= kUltimoNumerale; ++valore) {
    const auto posti = PosizioniCoppe(valore);
    ASSERT_EQ(posti.size(), std::size_t(valore));
    std::vector<QRectF> sagome;
    for (const Posto& posto : posti) {
      const QSizeF misura(posto.misura * kLarghezzaCoppa, posto.misura);
      sagome.emplace_back(posto.centro - QPointF(misura.width(), misura.height()) / 2, misura);
    }
    // Neighbouring cups leave a gap between their boxes except where a cup stands in the gap
    // of a staggered row (the five and the seven).
    for (std::size_t i = 0; i < sagome.size(); ++i) {
      EXPECT_TRUE(kDentroCornice.contains(sagome[i])) << valore << " #" << i;
      for (std::size_t j = i + 1; j < sagome.size(); ++j) {
        const QRectF comune = sagome[i].intersected(sagome[j]);
        EXPECT_LT(comune.width() * comune.height(), 0.08 * sagome[j].width() * sagome[j].height())
            << valore << " #" << i << " #" << j;
      }
    }
  }
}

TEST(PosizioniSemi, SpadeEBastoniStannoNellaCorniceSpecchiati) {
  for (int valore = 1; valore <= kUltimoNumerale; ++valore) {
    const auto spade = PosizioniSpade(valore);
    const auto bastoni = PosizioniBastoni(valore);
    ASSERT_EQ(spade.size(), std::size_t(valore));
    ASSERT_EQ(bastoni.size(), std::size_t(valore));
    for (const Spada& spada : spade) {
      EXPECT_TRUE(kDentroCornice.contains(spada.elsa)) << valore;
      EXPECT_TRUE(kDentroCornice.contains(spada.punta)) << valore;
      EXPECT_LT(spada.elsa.y(), kDimensioneCarta.height() - 12) << "room for the grip, " << valore;
      EXPECT_EQ(Gemelli(spade, spada), 1) << valore;
    }
    for (const Bastone& bastone : bastoni) {
      EXPECT_TRUE(kDentroCornice.contains(bastone.base)) << valore;
      EXPECT_TRUE(kDentroCornice.contains(bastone.cima)) << valore;
      EXPECT_EQ(Gemelli(bastoni, bastone), 1) << valore;
    }
  }
}

}  // namespace
}  // namespace quintello::pittore
