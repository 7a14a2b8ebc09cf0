// Small pixel measures shared by the artwork tests.
#pragma once

#include <QImage>
#include <QSet>
#include <algorithm>
#include <cstdlib>

namespace quintello::prova {

inline int ColoriDistinti(const QImage& immagine) {
  QSet<QRgb> colori;
  const QImage argb = immagine.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height(); ++y) {
    for (int x = 0; x < argb.width(); ++x) colori.insert(argb.pixel(x, y));
  }
  return colori.size();
}

// The largest difference of any channel between two same-sized images, and how many
// pixels differ by more than `soglia` in some channel.
struct Divario {
  int massimo = 0;
  int pixelDiversi = 0;
};

inline Divario Confronta(const QImage& a, const QImage& b, int soglia) {
  Divario d;
  const QImage pa = a.convertToFormat(QImage::Format_ARGB32);
  const QImage pb = b.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < pa.height(); ++y) {
    for (int x = 0; x < pa.width(); ++x) {
      const QRgb u = pa.pixel(x, y);
      const QRgb v = pb.pixel(x, y);
      const int delta = std::max({std::abs(qRed(u) - qRed(v)), std::abs(qGreen(u) - qGreen(v)),
                                  std::abs(qBlue(u) - qBlue(v)), std::abs(qAlpha(u) - qAlpha(v))});
      d.massimo = std::max(d.massimo, delta);
      if (delta > soglia) ++d.pixelDiversi;
    }
  }
  return d;
}

}  // namespace quintello::prova
