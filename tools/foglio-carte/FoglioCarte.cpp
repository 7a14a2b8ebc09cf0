// quintello-foglio-carte [--scala N] out.png
// Lays the forty faces out in ten columns, one row a suit, with the back beside them.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "PittoreCarte.h"

namespace {

constexpr int kColonne = 10;
constexpr int kRighe = 4;
constexpr int kSpazio = 6;              // logical pixels between cards
const QColor kPanno{0x2e, 0x6b, 0x3c};  // card-table green

struct Argomenti {
  qreal scala = 1;
  QString uscita;
};

bool Leggi(int argc, char** argv, Argomenti& a) {
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    if (arg == "--scala" && i + 1 < argc) {
      bool ok = false;
      a.scala = QString::fromLocal8Bit(argv[++i]).toDouble(&ok);
      if (!ok || a.scala <= 0 || a.scala > 16) return false;
    } else if (a.uscita.isEmpty() && !arg.startsWith("--")) {
      a.uscita = arg;
    } else {
      return false;
    }
  }
  return !a.uscita.isEmpty();
}

QImage Foglio(qreal scala) {
  using quintello::kAltezzaCarta;
  using quintello::kLarghezzaCarta;
  // The back stands in an eleventh column, set apart by a double gap.
  const int larghezza = (kColonne + 1) * (kLarghezzaCarta + kSpazio) + 2 * kSpazio;
  const int altezza = kRighe * (kAltezzaCarta + kSpazio) + kSpazio;
  QImage foglio(qRound(larghezza * scala), qRound(altezza * scala),
                QImage::Format_ARGB32_Premultiplied);
  foglio.setDevicePixelRatio(scala);
  foglio.fill(kPanno);
  QPainter p(&foglio);
  for (int seme = 1; seme <= kRighe; ++seme) {
    for (int valore = 1; valore <= kColonne; ++valore) {
      const QPointF posto((valore - 1) * (kLarghezzaCarta + kSpazio) + kSpazio,
                          (seme - 1) * (kAltezzaCarta + kSpazio) + kSpazio);
      p.drawImage(posto, quintello::ImmagineCarta(valore, seme, scala));
    }
  }
  p.drawImage(QPointF(kColonne * (kLarghezzaCarta + kSpazio) + 2 * kSpazio, kSpazio),
              quintello::ImmagineCarta(0, 0, scala));
  return foglio;
}

}  // namespace

int main(int argc, char** argv) {
  Argomenti a;
  if (!Leggi(argc, argv, a)) {
    std::fprintf(stderr, "uso: quintello-foglio-carte [--scala N] foglio.png\n");
    return 2;
  }
  QImage foglio = Foglio(a.scala);
  foglio.setDevicePixelRatio(1);
  if (!foglio.save(a.uscita, "PNG")) {
    std::fprintf(stderr, "impossibile scrivere %s\n", qPrintable(a.uscita));
    return 1;
  }
  return EXIT_SUCCESS;
}
