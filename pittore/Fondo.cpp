#include "Fondo.h"

#include <QPainter>

#include "Campitura.h"
#include "Colori.h"
#include "PittoreCarte.h"

namespace quintello::pittore {
namespace {

constexpr qreal kRaggioAngolo = 5;
constexpr qreal kBordo = 0.8;
constexpr qreal kMargineCornice = 3;
constexpr qreal kRaggioCornice = 3;
// Half a logical pixel: one device pixel at 2x, which Qt draws with its fast thin-line path.
constexpr qreal kTrattoCornice = 0.5;

}  // namespace

QPainterPath FormaCarta() {
  QPainterPath forma;
  forma.addRoundedRect(QRectF(QPointF(), kDimensioneCarta), kRaggioAngolo, kRaggioAngolo);
  return forma;
}

void DisegnaFondo(QPainter& p, bool conCornice) {
  // Edge and stock as two fills, so nothing spills past the card's outline.
  Campisci(p, FormaCarta(), coloreBordo, 0);
  QPainterPath carta;
  carta.addRoundedRect(QRectF(kBordo, kBordo, kDimensioneCarta.width() - 2 * kBordo,
                              kDimensioneCarta.height() - 2 * kBordo),
                       kRaggioAngolo - kBordo, kRaggioAngolo - kBordo);
  Campisci(p, carta, coloreCarta, 0);
  if (!conCornice) return;
  QPainterPath cornice;
  const qreal c = kMargineCornice;
  cornice.addRoundedRect(
      QRectF(c, c, kDimensioneCarta.width() - 2 * c, kDimensioneCarta.height() - 2 * c),
      kRaggioCornice, kRaggioCornice);
  Traccia(p, cornice, coloreCornice, kTrattoCornice);
}

}  // namespace quintello::pittore
