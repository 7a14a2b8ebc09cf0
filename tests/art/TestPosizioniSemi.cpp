#include <gtest/gtest.h>

#include <QLineF>
#include <QRectF>

#include "PittoreCarte.h"
#include "PosizioniSemi.h"

namespace quintello {
namespace {

// Signs keep inside the card's frame.
const QRectF kDentroCornice(3, 3, kLarghezzaCarta - 6, kAltezzaCarta - 6);
// A cup is about three quarters as wide as it is tall.
constexpr qreal kLarghezzaCoppa = 0.76;

TEST(PosizioniSemi, OgniCartaHaTantiSegniQuantoIlSuoValore) {
  for (int valore = 1; valore <= kUltimoNumerale; ++valore) {
    EXPECT_EQ(PosizioniDenari(valore).size(), std::size_t(valore));
    EXPECT_EQ(PosizioniCoppe(valore).size(), std::size_t(valore));
    EXPECT_EQ(PosizioniSpade(valore).size(), std::size_t(valore));
    EXPECT_EQ(PosizioniBastoni(valore).size(), std::size_t(valore));
  }
}

TEST(PosizioniSemi, FuoriDaAssoSetteNonCiSonoPosizioni) {
  for (int valore : {0, 8, 10, -1}) {
    EXPECT_TRUE(PosizioniDenari(valore).empty());
    EXPECT_TRUE(PosizioniCoppe(valore).empty());
    EXPECT_TRUE(PosizioniSpade(valore).empty());
    EXPECT_TRUE(PosizioniBastoni(valore).empty());
  }
}

TEST(PosizioniSemi, IDenariStannoNellaCorniceESenzaToccarsi) {
  for (int valore = 1; valore <= kUltimoNumerale; ++valore) {
    const auto posti = PosizioniDenari(valore);
    for (std::size_t i = 0; i < posti.size(); ++i) {
      const qreal r = posti[i].misura;
      EXPECT_TRUE(
          kDentroCornice.contains(QRectF(posti[i].centro - QPointF(r, r), QSizeF(2 * r, 2 * r))))
          << valore << " #" << i;
      for (std::size_t j = i + 1; j < posti.size(); ++j) {
        EXPECT_GT(QLineF(posti[i].centro, posti[j].centro).length(), r + posti[j].misura)
            << valore << " #" << i << " #" << j;
      }
    }
  }
}

TEST(PosizioniSemi, LeCoppeStannoNellaCorniceESenzaSovrapporsi) {
  for (int valore = 1; valore <= kUltimoNumerale; ++valore) {
    const auto posti = PosizioniCoppe(valore);
    std::vector<QRectF> sagome;
    for (const Posto& posto : posti) {
      const QSizeF misura(posto.misura * kLarghezzaCoppa, posto.misura);
      sagome.emplace_back(posto.centro - QPointF(misura.width(), misura.height()) / 2, misura);
    }
    for (std::size_t i = 0; i < sagome.size(); ++i) {
      EXPECT_TRUE(kDentroCornice.contains(sagome[i])) << valore << " #" << i;
    }
    // Side by side or one above the other, neighbouring cups leave a gap between their boxes
    // except where a cup stands in the gap of a staggered row (the five and the seven).
    for (std::size_t i = 0; i < sagome.size(); ++i) {
      for (std::size_t j = i + 1; j < sagome.size(); ++j) {
        const QRectF comune = sagome[i].intersected(sagome[j]);
        EXPECT_LT(comune.width() * comune.height(), 0.08 * sagome[j].width() * sagome[j].height())
            << valore << " #" << i << " #" << j;
      }
    }
  }
}

TEST(PosizioniSemi, SpadeEBastoniStannoNellaCornice) {
  for (int valore = 1; valore <= kUltimoNumerale; ++valore) {
    for (const Spada& spada : PosizioniSpade(valore)) {
      EXPECT_TRUE(kDentroCornice.contains(spada.elsa)) << valore;
      EXPECT_TRUE(kDentroCornice.contains(spada.punta)) << valore;
      EXPECT_LT(spada.elsa.y(), kAltezzaCarta - 12) << "room for the grip, " << valore;
    }
    for (const Bastone& bastone : PosizioniBastoni(valore)) {
      EXPECT_TRUE(kDentroCornice.contains(bastone.base)) << valore;
      EXPECT_TRUE(kDentroCornice.contains(bastone.cima)) << valore;
    }
  }
}

TEST(PosizioniSemi, SpadeEBastoniSonoSpecchiatiDaSinistraADestra) {
  const auto specchio = [](QPointF q) { return QPointF(kLarghezzaCarta - q.x(), q.y()); };
  for (int valore = 2; valore <= kUltimoNumerale; ++valore) {
    for (const Spada& spada : PosizioniSpade(valore)) {
      int gemelle = 0;
      for (const Spada& altra : PosizioniSpade(valore)) {
        if (altra.elsa == specchio(spada.elsa) && altra.punta == specchio(spada.punta) &&
            altra.curva == -spada.curva) {
          ++gemelle;
        }
      }
      EXPECT_EQ(gemelle, 1) << valore;
    }
    for (const Bastone& bastone : PosizioniBastoni(valore)) {
      int gemelli = 0;
      for (const Bastone& altro : PosizioniBastoni(valore)) {
        if (altro.base == specchio(bastone.base) && altro.cima == specchio(bastone.cima)) {
          ++gemelli;
        }
      }
      EXPECT_EQ(gemelli, 1) << valore;
    }
  }
}

TEST(PosizioniSemi, NelSettebelloIlDenaroPregiatoEIlPiuGrande) {
  const auto posti = PosizioniDenari(7);
  ASSERT_EQ(posti.size(), std::size_t(kIndiceSettebello + 1));
  for (int i = 0; i < kIndiceSettebello; ++i) {
    EXPECT_GT(posti[kIndiceSettebello].misura, posti[i].misura * 1.2) << i;
  }
}

}  // namespace
}  // namespace quintello
