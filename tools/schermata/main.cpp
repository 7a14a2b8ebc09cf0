// quintello-schermata --seme N out.png [--scala 2] [--tasti "3 3 Return"]
// Draws the main window as it is after start-up with the given seed, and after the keys
// given, into a PNG, without a display: every box is answered with Ok (Sì).
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "ui/Applicazione.h"
#include "ui/FinestraPrincipale.h"

namespace {

constexpr const char* kUso =
    "uso: quintello-schermata --seme N out.png [--scala 2] [--tasti \"3 3 Return\"]\n";

struct Opzioni {
  uint64_t seme = 0;
  std::string uscita;
  std::string scala;
  QStringList tasti;  // key names as Qt writes them: "3", "Return", "Space"
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
    } else if (arg == "--tasti" && conValore) {
      opzioni.tasti = QString::fromLocal8Bit(argv[++i]).split(u' ', Qt::SkipEmptyParts);
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

// Pressed as a player would: to the control that has the focus, or to the window.
bool Premi(QWidget& finestra, const QString& nome) {
  const QKeySequence sequenza = QKeySequence::fromString(nome);
  if (sequenza.count() != 1) return false;
  const QKeyCombination tasto = sequenza[0];
  QWidget* destinatario = QApplication::focusWidget() ? QApplication::focusWidget() : &finestra;
  for (QEvent::Type tipo : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent evento(tipo, tasto.key(), tasto.keyboardModifiers(), nome.size() == 1 ? nome : QString());
    QApplication::sendEvent(destinatario, &evento);
    QApplication::processEvents();
  }
  return true;
}

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
  finestra.activateWindow();
  QApplication::processEvents();
  for (const QString& tasto : opzioni->tasti) {
    if (!Premi(finestra, tasto)) {
      std::fprintf(stderr, "tasto sconosciuto: %s\n", qPrintable(tasto));
      return 2;
    }
  }

  const QString uscita = QString::fromLocal8Bit(opzioni->uscita.c_str());
  if (!finestra.grab().save(uscita, "PNG")) {
    std::fprintf(stderr, "impossibile scrivere %s\n", opzioni->uscita.c_str());
    return 1;
  }
  return 0;
}
