// The four aces: one large sign each, dressed up as the traditional aces are.
#include <QLineF>
#include <QPainter>
#include <QtMath>

#include "Campitura.h"
#include "CarteNumerali.h"
#include "Colori.h"
#include "PosizioniSemi.h"
#include "Segni.h"

namespace quintello::pittore {
namespace {

void DisegnaFoglia(QPainter& p, QPointF attacco, qreal angolo, qreal lunghezza) {
  const QPainterPath foglia = Mandorla(lunghezza, 0.32);
  QPainterPath nervatura;
  nervatura.moveTo(lunghezza * 0.1, 0);
  nervatura.lineTo(lunghezza * 0.8, 0);
  QTransform t;
  t.translate(attacco.x(), attacco.y());
  t.rotate(angolo);
  Campisci(p, t.map(foglia), coloreVerde, kTrattoFine);
  Traccia(p, t.map(nervatura), coloreVerdeScuro, kTrattoFine);
}

void DisegnaCorona(QPainter& p, QPointF centro, qreal larghezza) {
  const qreal w = larghezza / 2;
  const qreal h = larghezza * 0.55;
  QPainterPath corona;
  corona.moveTo(centro + QPointF(-w, 0));
  corona.lineTo(centro + QPointF(-w * 1.1, -h));
  corona.lineTo(centro + QPointF(-w * 0.5, -h * 0.5));
  corona.lineTo(centro + QPointF(0, -h * 1.15));
  corona.lineTo(centro + QPointF(w * 0.5, -h * 0.5));
  corona.lineTo(centro + QPointF(w * 1.1, -h));
  corona.lineTo(centro + QPointF(w, 0));
  corona.closeSubpath();
  Campisci(p, corona, coloreOro, kTratto);
  QPainterPath cerchio;
  cerchio.addRoundedRect(QRectF(centro.x() - w, centro.y() - h * 0.22, 2 * w, h * 0.34), 1, 1);
  Campisci(p, cerchio, coloreRosso, kTrattoFine);
  for (qreal x : {-1.1, 0.0, 1.1}) {
    const qreal y = x == 0 ? -h * 1.15 : -h;
    CampisciEllisse(p, centro + QPointF(w * x, y), 1.1, 1.1, coloreOroChiaro, kTrattoFine);
  }
}

void DisegnaAssoDenari(QPainter& p) {
  const Posto posto = PosizioniDenari(1).front();
  DisegnaDenaroPregiato(p, posto.centro, posto.misura);
  for (int lato : {-1, 1}) {
    const QPointF attacco = posto.centro + QPointF(0, lato * posto.misura * 1.3);
    for (int verso : {-1, 1}) {
      DisegnaFoglia(p, attacco, 90 * lato + verso * 60 * lato, 11);
    }
  }
}

void DisegnaAssoCoppe(QPainter& p) {
  const Posto posto = PosizioniCoppe(1).front();
  const qreal h = posto.misura;
  const QPointF bocca = posto.centro + QPointF(0, -0.4 * h);
  // A domed lid with a knob stands on the goblet.
  QPainterPath coperchio;
  coperchio.moveTo(bocca + QPointF(-0.3 * h, 0));
  coperchio.cubicTo(bocca + QPointF(-0.3 * h, -0.2 * h), bocca + QPointF(-0.08 * h, -0.2 * h),
                    bocca + QPointF(-0.05 * h, -0.24 * h));
  coperchio.lineTo(bocca + QPointF(0.05 * h, -0.24 * h));
  coperchio.cubicTo(bocca + QPointF(0.08 * h, -0.2 * h), bocca + QPointF(0.3 * h, -0.2 * h),
                    bocca + QPointF(0.3 * h, 0));
  coperchio.closeSubpath();
  DisegnaCoppa(p, posto.centro, h);
  Campisci(p, coperchio, coloreOro, 1.0);
  CampisciEllisse(p, bocca + QPointF(0, -0.27 * h), 0.06 * h, 0.06 * h, coloreRosso, kTratto);
  for (int i = -2; i <= 2; ++i) {
    const QPointF perla = bocca + QPointF(i * 0.1 * h, -0.09 * h + std::abs(i) * 0.012 * h);
    CampisciEllisse(p, perla, 0.022 * h, 0.022 * h, coloreRosso, kTrattoFine);
  }
  DisegnaFoglia(p, posto.centro + QPointF(-0.05 * h, 0.15 * h), 160, 13);
  DisegnaFoglia(p, posto.centro + QPointF(0.05 * h, 0.15 * h), 20, 13);
}

// A laurel branch along a curve, leaves paired on both sides of the stem.
void DisegnaRamo(QPainter& p, QPointF da, QPointF controllo, QPointF a, int coppie) {
  QPainterPath stelo;
  stelo.moveTo(da);
  stelo.quadTo(controllo, a);
  Traccia(p, stelo, coloreVerdeScuro, 1.0);
  for (int i = 1; i <= coppie; ++i) {
    const qreal t = qreal(i) / (coppie + 0.5);
    const QPointF q = (1 - t) * (1 - t) * da + 2 * t * (1 - t) * controllo + t * t * a;
    const QPointF tangente = 2 * (1 - t) * (controllo - da) + 2 * t * (a - controllo);
    const qreal angolo = qRadiansToDegrees(std::atan2(tangente.y(), tangente.x()));
    DisegnaFoglia(p, q, angolo - 38, 8.5);
    DisegnaFoglia(p, q, angolo + 38, 8.5);
  }
  const qreal fine = qRadiansToDegrees(std::atan2(a.y() - controllo.y(), a.x() - controllo.x()));
  DisegnaFoglia(p, a, fine, 8.5);
}

void DisegnaAssoSpade(QPainter& p) {
  const Spada spada = PosizioniSpade(1).front();
  // A laurel wreath rises from the guard on both sides of the blade.
  for (int lato : {-1, 1}) {
    const QPointF da = spada.elsa + QPointF(lato * 3, -3);
    DisegnaRamo(p, da, da + QPointF(lato * 26, -18), da + QPointF(lato * 6, -52), 4);
  }
  DisegnaSpada(p, spada);
  DisegnaCorona(p, QPointF(spada.punta.x(), spada.punta.y() + 24), 18);
}

// A red ribbon knotted round the club, its two swallowtailed ends fluttering out to the sides.
void DisegnaNastro(QPainter& p, QPointF nodo, qreal mezzaLarghezza) {
  const qreal w = mezzaLarghezza;
  constexpr qreal kMezzaFascia = 2.4;
  QPainterPath code;
  for (int lato : {-1, 1}) {
    const QPointF a = nodo + QPointF(lato * w * 0.4, 1);
    const QPointF b = nodo + QPointF(lato * (w + 9), 17);
    QLineF asse(a, b);
    const QPointF verso = (b - a) / asse.length();
    const QPointF n(-verso.y() * kMezzaFascia, verso.x() * kMezzaFascia);
    const QPointF c = (a + b) / 2 + QPointF(lato * 3, -4);
    code.moveTo(a + n);
    code.quadTo(c + n, b + n);
    code.lineTo(b - verso * 2.8);
    code.lineTo(b - n);
    code.quadTo(c - n, a - n);
    code.closeSubpath();
  }
  Campisci(p, code, coloreRosso);
  QPainterPath fascia;
  fascia.moveTo(nodo + QPointF(-w, -2.5));
  fascia.quadTo(nodo + QPointF(0, -0.5), nodo + QPointF(w, -2.5));
  fascia.lineTo(nodo + QPointF(w, 2.5));
  fascia.quadTo(nodo + QPointF(0, 4.5), nodo + QPointF(-w, 2.5));
  fascia.closeSubpath();
  Campisci(p, fascia, coloreRosso);
  CampisciEllisse(p, nodo + QPointF(0, 1), 2.6, 3, coloreRossoScuro, kTrattoFine);
}

void DisegnaAssoBastoni(QPainter& p) {
  const Bastone bastone = PosizioniBastoni(1).front();
  DisegnaBastone(p, bastone);
  const QPointF cima = bastone.cima;
  DisegnaFoglia(p, cima + QPointF(-7, 10), 215, 12);
  DisegnaFoglia(p, cima + QPointF(7, 16), -30, 12);
  DisegnaFoglia(p, cima + QPointF(-6, 30), 200, 10);
  DisegnaNastro(p, QPointF(cima.x(), 76), bastone.spessore * 0.58);
}

}  // namespace

void DisegnaAsso(QPainter& p, Seme seme) {
  switch (seme) {
    case Seme::Denari:
      DisegnaAssoDenari(p);
      break;
    case Seme::Spade:
      DisegnaAssoSpade(p);
      break;
    case Seme::Coppe:
      DisegnaAssoCoppe(p);
      break;
    case Seme::Bastoni:
      DisegnaAssoBastoni(p);
      break;
  }
}

}  // namespace quintello::pittore
