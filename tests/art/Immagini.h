// Small pixel measures shared by the artwork tests.
#pragma once

#include <QImage>
#include <QPainter>
#include <QSet>
#include <algorithm>
#include <cstdlib>

namespace quintello::prova {

// A transparent canvas of `logico` logical pixels at `dpr`, painted by `disegna(QPainter&)`
// with anti-aliasing.
template <typename Disegna>
QImage Dipingi(QSize logico, int dpr, Disegna disegna) {
  QImage tela(logico * dpr, QImage::Format_ARGB32_Premultiplied);
  tela.setDevicePixelRatio(dpr);
  tela.fill(Qt::transparent);
  QPainter p(&tela);
  p.setRenderHint(QPainter::Antialiasing);
  disegna(p);
  p.end();
  return tela;
}

// Calls f(x, y, colour) for every pixel.
template <typename F>
void PerOgniPixel(const QImage& immagine, F f) {
  for (int y = 0; y < immagine.height(); ++y) {
    for (int x = 0; x < immagine.width(); ++x) f(x, y, immagine.pixel(x, y));
  }
}

inline int ColoriDistinti(const QImage& immagine) {
  QSet<QRgb> colori;
  PerOgniPixel(immagine, [&](int, int, QRgb c) { colori.insert(c); });
  return colori.size();
}

// Pixels of two same-sized images differing in some channel by more than anti-aliasing does:
// an edge may round a step differently once turned, a real difference does not.
inline int PixelDiversi(const QImage& a, const QImage& b) {
  int diversi = 0;
  PerOgniPixel(a, [&](int x, int y, QRgb u) {
    const QRgb v = b.pixel(x, y);
    diversi += std::max({std::abs(qRed(u) - qRed(v)), std::abs(qGreen(u) - qGreen(v)),
                         std::abs(qBlue(u) - qBlue(v)), std::abs(qAlpha(u) - qAlpha(v))}) > 24;
  });
  return diversi;
}

}  // namespace quintello::prova
