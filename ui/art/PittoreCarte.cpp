#include "PittoreCarte.h"

#include <QPainter>

#include "CarteNumerali.h"
#include "Figure.h"
#include "Fondo.h"
#include "IndiceValore.h"
#include "Seme.h"

namespace quintello {
namespace {

bool FacciaValida(int valore, int seme) {
  return valore >= 1 && valore <= kRe && seme >= kPrimoSeme && seme <= kUltimoSeme;
}

}  // namespace

void DisegnaFaccia(QPainter& p, int valore, int seme) {
  if (!FacciaValida(valore, seme)) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  DisegnaFondo(p, true);
  if (valore >= kFante) {
    DisegnaFigura(p, valore, static_cast<Seme>(seme));
  } else {
    DisegnaNumerale(p, valore, static_cast<Seme>(seme));
  }
  DisegnaIndice(p, valore);
  p.restore();
}

QImage ImmagineCarta(int valore, int seme, qreal dpr) {
  const bool dorso = valore == 0 && seme == 0;
  if ((!dorso && !FacciaValida(valore, seme)) || dpr <= 0) return {};
  QImage immagine(qRound(kLarghezzaCarta * dpr), qRound(kAltezzaCarta * dpr),
                  QImage::Format_ARGB32_Premultiplied);
  immagine.setDevicePixelRatio(dpr);
  immagine.fill(Qt::transparent);
  QPainter p(&immagine);
  if (dorso) {
    DisegnaDorso(p);
  } else {
    DisegnaFaccia(p, valore, seme);
  }
  return immagine;
}

}  // namespace quintello
