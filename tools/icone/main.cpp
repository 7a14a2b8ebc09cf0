// quintello-icone CARTELLA NOME LATO...
// Writes CARTELLA/<LATO>x<LATO>/apps/NOME.png for every side, the layout of an icon theme.
#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>

#include "pittore/IconaQuintello.h"

int main(int argc, char* argv[]) {
  if (argc < 4) {
    std::fprintf(stderr, "uso: %s CARTELLA NOME LATO...\n", argv[0]);
    return 2;
  }
  const QString cartella = QString::fromLocal8Bit(argv[1]);
  const QString nome = QString::fromLocal8Bit(argv[2]);
  for (int i = 3; i < argc; ++i) {
    bool ok = false;
    const int lato = QString::fromLocal8Bit(argv[i]).toInt(&ok);
    if (!ok || lato <= 0 || lato > 1024) {
      std::fprintf(stderr, "lato non valido: %s\n", argv[i]);
      return 2;
    }
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(cartella).arg(lato);
    const QString file = QStringLiteral("%1/%2.png").arg(dir, nome);
    const QImage icona = quintello::pittore::ImmagineIcona(lato);
    if (icona.size() != QSize(lato, lato) || !QDir().mkpath(dir) || !icona.save(file, "PNG")) {
      std::fprintf(stderr, "impossibile scrivere %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
