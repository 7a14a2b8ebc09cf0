// Batons: a brown knotty stave swelling to its head, green shoots where branches were cut,
// and pale cut ends.
#include <QLineF>
#include <QPainter>
#include <QtMath>

#include "Campitura.h"
#include "Colori.h"
#include "Segni.h"

namespace quintello::pittore {
namespace {

constexpr int kCampioni = 18;
constexpr qreal kSvasaturaClava = 1.5;
// Where the cut branches stand, as fractions of the length, and on which side.
constexpr qreal kNodi[] = {0.2, 0.4, 0.6, 0.8};

qreal MezzoSpessore(const Bastone& b, qreal t) {
  const qreal gonfio = 1 + (b.svasatura - 1) * t * t;
  // Two unrelated ripples make the outline knobbly rather than regular.
  const qreal ondeggio = 1 + 0.07 * std::sin(t * 19.0 + 1) + 0.04 * std::sin(t * 41.0);
  return b.spessore / 2 * gonfio * ondeggio;
}

// The cut branches of one baton, gathered so that each kind of part is painted in one go.
struct Monconi {
  QPainterPath legno;
  QPainterPath tagli;
  QPainterPath foglie;

  void Aggiungi(qreal x, qreal bordo, int lato, qreal spessore) {
    const qreal s = spessore * 0.34;
    const qreal sporgenza = spessore * 0.42;
    QPainterPath moncone;
    moncone.moveTo(x - s, bordo * lato * 0.6);
    moncone.lineTo(x + s * 0.2 + sporgenza * 0.5, (bordo + sporgenza) * lato);
    moncone.lineTo(x + s * 1.2 + sporgenza * 0.5, (bordo + sporgenza * 0.7) * lato);
    moncone.lineTo(x + s, bordo * lato * 0.6);
    moncone.closeSubpath();
    legno.addPath(moncone);
    const QPointF taglio(x + s * 0.7 + sporgenza * 0.5, (bordo + sporgenza * 0.85) * lato);
    tagli.addEllipse(taglio, s * 0.55, s * 0.3);
    // A green shoot springs from beside each cut.
    const qreal l = spessore * 1.1;
    const QPointF attacco(x - s * 0.6, bordo * lato * 0.9);
    foglie.moveTo(attacco);
    foglie.quadTo(x - s * 0.2 - l * 0.2, (bordo + l * 0.7) * lato, x - s * 0.8 - l * 0.6,
                  (bordo + l) * lato);
    foglie.quadTo(x - s * 1.2 - l * 0.2, (bordo + l * 0.35) * lato, attacco.x(), attacco.y());
    foglie.closeSubpath();
  }

  void Disegna(QPainter& p) const {
    Campisci(p, legno, coloreMarrone, kTrattoFine);
    Campisci(p, tagli, coloreMarroneChiaro, kTrattoFine);
    Campisci(p, foglie, coloreVerde, kTrattoFine);
  }
};

// The band of the stave between two sides, as shares of its half-thickness (-1 top, 1 bottom),
// kept `margine` inside its edges.
QPainterPath Striscia(const Bastone& b, qreal l, qreal da, qreal a, qreal margine) {
  const auto lato = [&](qreal quota, qreal t) {
    const qreal limite = MezzoSpessore(b, t) - margine;
    return std::clamp(quota * MezzoSpessore(b, t), -limite, limite);
  };
  QPainterPath striscia;
  for (int i = 0; i <= kCampioni; ++i) {
    const qreal t = qreal(i) / kCampioni;
    const QPointF q(t * l, lato(da, t));
    if (i == 0) {
      striscia.moveTo(q);
    } else {
      striscia.lineTo(q);
    }
  }
  for (int i = kCampioni; i >= 0; --i) {
    const qreal t = qreal(i) / kCampioni;
    striscia.lineTo(t * l, lato(a, t));
  }
  striscia.closeSubpath();
  return striscia;
}

// The stave's outline grown by `allarga` all round (shrunk when negative): grown, filled with
// ink, it is the outline; the bark is then filled inside it.
QPainterPath Sagoma(const Bastone& b, qreal l, qreal allarga) {
  QPolygonF sopra, sotto;
  for (int i = 0; i <= kCampioni; ++i) {
    const qreal t = qreal(i) / kCampioni;
    const qreal x = i == 0 ? -allarga : (i == kCampioni ? l + allarga : t * l);
    sopra << QPointF(x, -MezzoSpessore(b, t) - allarga);
    sotto << QPointF(x, MezzoSpessore(b, t) + allarga);
  }
  QPainterPath sagoma;
  sagoma.moveTo(sopra.first());
  for (const QPointF& q : sopra) sagoma.lineTo(q);
  if (b.svasatura >= kSvasaturaClava) {
    // A club's head is rounded, not sawn off.
    const qreal h = MezzoSpessore(b, 1) + allarga;
    sagoma.cubicTo(QPointF(l + h * 0.75, -h), QPointF(l + h * 0.75, h), sotto.last());
  }
  for (auto it = sotto.rbegin(); it != sotto.rend(); ++it) sagoma.lineTo(*it);
  sagoma.closeSubpath();
  return sagoma;
}

// Knot holes along the stave, between the cut branches.
void DisegnaOcchi(QPainter& p, const Bastone& b, qreal l) {
  QPainterPath occhi;
  QPainterPath pupille;
  for (qreal n : kNodi) {
    const qreal t = n + 0.1;
    const qreal h = MezzoSpessore(b, t);
    const QPointF occhio(t * l, h * 0.25 * (n < 0.5 ? 1 : -1));
    occhi.addEllipse(occhio, h * 0.45, h * 0.22);
    pupille.addEllipse(occhio, h * 0.2, h * 0.09);
  }
  Campisci(p, occhi, coloreMarroneScuro, 0);
  Campisci(p, pupille, coloreMarroneChiaro, 0);
}

// The sawn ends show pale wood round a darker pith; a club's rounded head has none.
void DisegnaTagli(QPainter& p, const Bastone& b, qreal l) {
  const bool clava = b.svasatura >= kSvasaturaClava;
  for (qreal t : {0.0, 1.0}) {
    if (clava && t == 1.0) continue;
    const qreal h = MezzoSpessore(b, t);
    CampisciEllisse(p, {t * l, 0}, h * 0.32, h, coloreMarroneChiaro, kTrattoFine + 0.1);
    CampisciEllisse(p, {t * l, 0}, h * 0.12, h * 0.4, coloreMarrone, 0);
  }
}

}  // namespace

void DisegnaBastone(QPainter& p, const Bastone& b) {
  const QLineF asse(b.base, b.cima);
  const qreal l = asse.length();
  const qreal tratto = b.spessore > 9 ? 0.95 : kTratto;
  p.save();
  p.translate(b.base);
  p.rotate(-asse.angle());

  Monconi monconi;
  int lato = 1;
  for (qreal n : kNodi) {
    monconi.Aggiungi(n * l, MezzoSpessore(b, n), lato, b.spessore);
    lato = -lato;
  }
  monconi.Disegna(p);

  // Flat bark with a lit band and a shaded band along it: the look of a gradient at a
  // fraction of its cost on a turned stave.
  Campisci(p, Sagoma(b, l, tratto / 2), coloreInchiostro, 0);
  Campisci(p, Sagoma(b, l, -tratto / 2), coloreMarrone, 0);
  Campisci(p, Striscia(b, l, -0.75, -0.05, tratto / 2), coloreMarroneChiaro, 0);
  Campisci(p, Striscia(b, l, 0.55, 1.0, tratto / 2), coloreMarroneScuro, 0);
  DisegnaOcchi(p, b, l);
  DisegnaTagli(p, b, l);
  p.restore();
}

}  // namespace quintello::pittore
