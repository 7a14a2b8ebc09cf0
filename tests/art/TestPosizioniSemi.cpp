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

QPointF Specchio(QPointF q) {
  return {kDimensioneCarta.width() - q.x(), q.y()};
}

// A cup's box: about three quarters as wide as it is tall.
QRectF Coppa(const Posto& posto) {
  const QSizeF misura(posto.misura * 0.76, posto.misura);
  return {posto.centro - QPointF(misura.width(), misura.height()) / 2, misura};
}

// Ace to seven, the four suits side by side: each sign inside the frame, coins apart, cups
// overlapping only where one stands in the gap of a staggered row (the five and the seven),
// swords and batons in left-right mirrored pairs.
TEST(PosizioniSemi, OgniSegnoNellaCorniceSenzaSovrapporsi) {
  for (int valore = 1; valore <= kUltimoNumerale; ++valore) {
    const auto denari = PosizioniDenari(valore);
    const auto coppe = PosizioniCoppe(valore);
    const auto spade = PosizioniSpade(valore);
    const auto bastoni = PosizioniBastoni(valore);
    for (std::size_t quanti : {denari.size(), coppe.size(), spade.size(), bastoni.size()})
      ASSERT_EQ(quanti, std::size_t(valore));
    for (int i = 0; i < valore; ++i) {
      SCOPED_TRACE(testing::Message() << valore << " #" << i);
      const qreal r = denari[i].misura;
      const Spada& s = spade[i];
      const Bastone& b = bastoni[i];
      EXPECT_TRUE(
          kDentroCornice.contains(QRectF(denari[i].centro - QPointF(r, r), QSizeF(2 * r, 2 * r))));
      EXPECT_TRUE(kDentroCornice.contains(Coppa(coppe[i])));
      for (QPointF punto : {s.elsa, s.punta, b.base, b.cima})
        EXPECT_TRUE(kDentroCornice.contains(punto));
      EXPECT_LT(s.elsa.y(), kDimensioneCarta.height() - 12) << "room for the grip";
      const auto gemelle = std::ranges::count_if(spade, [&](const Spada& t) {
        return t.elsa == Specchio(s.elsa) && t.punta == Specchio(s.punta) && t.curva == -s.curva;
      });
      const auto gemelli = std::ranges::count_if(bastoni, [&](const Bastone& t) {
        return t.base == Specchio(b.base) && t.cima == Specchio(b.cima);
      });
      EXPECT_EQ(gemelle, 1);
      EXPECT_EQ(gemelli, 1);
      for (int j = i + 1; j < valore; ++j) {
        EXPECT_GT(QLineF(denari[i].centro, denari[j].centro).length(), r + denari[j].misura) << j;
        const QRectF comune = Coppa(coppe[i]).intersected(Coppa(coppe[j]));
        EXPECT_LT(comune.width() * comune.height(), 0.08 * 0.76 * coppe[j].misura * coppe[j].misura)
            << j;
      }
      // The settebello's prized coin is the largest of the seven.
      if (valore == kUltimoNumerale && i != kIndiceSettebello)
        EXPECT_GT(denari[kIndiceSettebello].misura, r * 1.2);
    }
  }
}

}  // namespace
}  // namespace quintello::pittore
