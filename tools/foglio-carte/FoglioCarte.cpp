// quintello-foglio-carte [--scala N] [--valori A-B] [--semi A-B] out.png
// Lays the faces out one row a suit, ace to king, with the back beside them when the whole
// deck is asked for; a range of values or suits gives a detail of the sheet instead.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "pittore/PittoreCarte.h"

namespace {

constexpr int kSpazio = 6;              // logical pixels between cards
const QColor kPanno{0x2e, 0x6b, 0x3c};  // card-table green

struct Intervallo {
  int da;
  int a;
  int Quanti() const { return a - da + 1; }
};

struct Argomenti {
  qreal scala = 1;
  Intervallo valori{1, 10};
  Intervallo semi{1, 4};
  QString uscita;
  bool MazzoIntero() const { return valori.Quanti() == 10 && semi.Quanti() == 4; }
};

bool LeggiIntervallo(const QString& testo, int massimo, Intervallo& i) {
  const QStringList parti = testo.split('-');
  bool ok1 = false;
  bool ok2 = false;
  i.da = parti.value(0).toInt(&ok1);
  i.a = parti.size() == 2 ? parti[1].toInt(&ok2) : i.da;
  if (parti.size() == 1) ok2 = ok1;
  return ok1 && ok2 && parti.size() <= 2 && 1 <= i.da && i.da <= i.a && i.a <= massimo;
}

bool Leggi(int argc, char** argv, Argomenti& a) {
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    const bool conValore = i + 1 < argc;
    if (arg == "--scala" && conValore) {
      bool ok = false;
      a.scala = QString::fromLocal8Bit(argv[++i]).toDouble(&ok);
      if (!ok || a.scala <= 0 || a.scala > 16) return false;
    } else if (arg == "--valori" && conValore) {
      if (!LeggiIntervallo(QString::fromLocal8Bit(argv[++i]), 10, a.valori)) return false;
    } else if (arg == "--semi" && conValore) {
      if (!LeggiIntervallo(QString::fromLocal8Bit(argv[++i]), 4, a.semi)) return false;
    } else if (a.uscita.isEmpty() && !arg.startsWith("--")) {
      a.uscita = arg;
    } else {
      return false;
    }
  }
  return !a.uscita.isEmpty();
}

QImage Foglio(const Argomenti& a) {
  using quintello::pittore::kDimensioneCarta;
  const int passoX = kDimensioneCarta.width() + kSpazio;
  const int passoY = kDimensioneCarta.height() + kSpazio;
  // The back stands in a column of its own, set apart by a double gap.
  const int colonne = a.valori.Quanti() + (a.MazzoIntero() ? 1 : 0);
  const int larghezza = colonne * passoX + kSpazio + (a.MazzoIntero() ? kSpazio : 0);
  const int altezza = a.semi.Quanti() * passoY + kSpazio;
  QImage foglio(qRound(larghezza * a.scala), qRound(altezza * a.scala),
                QImage::Format_ARGB32_Premultiplied);
  foglio.setDevicePixelRatio(a.scala);
  foglio.fill(kPanno);
  QPainter p(&foglio);
  for (int16_t seme = a.semi.da; seme <= a.semi.a; ++seme) {
    for (int16_t valore = a.valori.da; valore <= a.valori.a; ++valore) {
      const QPointF posto((valore - a.valori.da) * passoX + kSpazio,
                          (seme - a.semi.da) * passoY + kSpazio);
      p.drawImage(posto, quintello::pittore::ImmagineCarta({valore, seme}, a.scala));
    }
  }
  if (a.MazzoIntero()) {
    p.drawImage(QPointF(a.valori.Quanti() * passoX + 2 * kSpazio, kSpazio),
                quintello::pittore::ImmagineCarta({}, a.scala));
  }
  return foglio;
}

}  // namespace

int main(int argc, char** argv) {
  Argomenti a;
  if (!Leggi(argc, argv, a)) {
    std::fprintf(
        stderr, "uso: quintello-foglio-carte [--scala N] [--valori A-B] [--semi A-B] foglio.png\n");
    return 2;
  }
  QImage foglio = Foglio(a);
  foglio.setDevicePixelRatio(1);
  if (!foglio.save(a.uscita, "PNG")) {
    std::fprintf(stderr, "impossibile scrivere %s\n", qPrintable(a.uscita));
    return 1;
  }
  return EXIT_SUCCESS;
}
