// The three figures of each suit: Fante, Cavallo and Re, each showing its suit's sign.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <initializer_list>

#include "engine/Carta.h"

class QPainter;

namespace quintello::pittore {

// The values the figures stand for.
inline constexpr int kFante = 8;
inline constexpr int kCavallo = 9;
inline constexpr int kRe = 10;

void DisegnaFigura(QPainter& p, int valore, Seme seme);
void DisegnaFante(QPainter& p, Seme seme);
void DisegnaCavallo(QPainter& p, Seme seme);
void DisegnaRe(QPainter& p, Seme seme);

// Each suit dresses its figures in its own colours, as the regional decks do.
struct Vesti {
  QColor veste;
  QColor mantello;
  QColor calze;
  QColor cappello;
  QColor manto;     // the horse's coat
  QColor criniera;  // mane and tail
};
Vesti VestiDi(Seme seme);

// Parts shared by the figures, drawn around the given points.
enum class Pelo { Giovane, Barbuto };
void DisegnaVolto(QPainter& p, QPointF centro, qreal scala, Pelo pelo);
// The patch of grass the figure stands on, level at y from x = da to x = a.
void DisegnaTerreno(QPainter& p, qreal y, qreal da, qreal a);
// A puffed sleeve-head at the shoulder and a white cuff at the wrist.
void DisegnaSbuffo(QPainter& p, QPointF spalla, const QColor& colore);
void DisegnaPolsino(QPainter& p, QPointF polso);
void DisegnaMano(QPainter& p, QPointF centro, qreal raggio = 2.2);
// A sleeve or leg following a bent line of the given thickness.
void DisegnaArto(QPainter& p, std::initializer_list<QPointF> linea, qreal spessore,
                 const QColor& colore);
// The suit sign as held in a hand at `mano`; misura sets its size (a coin's diameter, a
// cup's height; swords and batons are as long as the figure needs, from `mano` to `cima`).
void DisegnaSegnoImpugnato(QPainter& p, Seme seme, QPointF mano, qreal misura, QPointF cima);

}  // namespace quintello::pittore
