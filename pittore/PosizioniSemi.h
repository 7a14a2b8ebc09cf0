// Where the signs stand on the cards from ace to seven, suit by suit, as plain data.
#pragma once

#include <QPointF>
#include <span>

#include "Segni.h"

namespace quintello::pittore {

// A round sign's place: its centre and its size (radius for coins, height for cups).
struct Posto {
  QPointF centro;
  qreal misura;
};

inline constexpr int kUltimoNumerale = 7;
// On the seven of coins the last place is the settebello's prized coin.
inline constexpr int kIndiceSettebello = 6;

// Each returns exactly `valore` placements for valore 1..7, and nothing otherwise.
std::span<const Posto> PosizioniDenari(int valore);
std::span<const Posto> PosizioniCoppe(int valore);
std::span<const Spada> PosizioniSpade(int valore);
std::span<const Bastone> PosizioniBastoni(int valore);

}  // namespace quintello::pittore
