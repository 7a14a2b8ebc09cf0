// quintello-schermata --seme N out.png [--scala 2]
// Draws the main window as it is after start-up with the given seed, into a PNG,
// without a display: the announcement box is answered with Ok.
#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "ui/Applicazione.h"
#include "ui/FinestraPrincipale.h"

namespace {

constexpr const char* kUso = "uso: quintello-schermata --seme N out.png [--scala 2]\n";

struct Opzioni {
  uint64_t seme = 0;
  std::string uscita;
  std::string scala;
};

std::optional<Opzioni> LeggiOpzioni(int argc, char* argv[]) {
  Opzioni opzioni;
  bool conSeme = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool conValore = i + 1 < argc;
    if (arg == "--seme" && conValore) {
      char* fine = nullptr;
      opzioni.seme = std::strtoull(argv[++i], &fine, 10);
      if (*fine != '\0') return std::nullopt;
      conSeme = true;
    } else if (arg == "--scala" && conValore) {
      opzioni.scala = argv[++i];
    } else if (opzioni.uscita.empty() && !arg.starts_with("--")) {
      opzioni.uscita = arg;
    } else {
      return std::nullopt;
    }
  }
  if (!conSeme || opzioni.uscita.empty()) return std::nullopt;
  return opzioni;
}

quintello::Risposta RispondiOk(const quintello::Messaggio& messaggio) {
  return messaggio.pulsanti == quintello::Pulsanti::SiNo ? quintello::Risposta::Si
                                                         : quintello::Risposta::Ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::optional<Opzioni> opzioni = LeggiOpzioni(argc, argv);
  if (!opzioni) {
    std::fputs(kUso, stderr);
    return 2;
  }
  // Both are read when QApplication starts.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!opzioni->scala.empty()) qputenv("QT_SCALE_FACTOR", opzioni->scala.c_str());

  QApplication applicazione(argc, argv);
  quintello::ui::PreparaApplicazione(applicazione);
  quintello::ui::FinestraPrincipale finestra(opzioni->seme, {.messaggio = RispondiOk, .file = {}});
  finestra.show();
  QApplication::processEvents();

  const QString uscita = QString::fromLocal8Bit(opzioni->uscita.c_str());
  if (!finestra.grab().save(uscita, "PNG")) {
    std::fprintf(stderr, "impossibile scrivere %s\n", opzioni->uscita.c_str());
    return 1;
  }
  return 0;
}
