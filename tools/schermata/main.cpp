// quintello-schermata --seme N out.png [--scala 2] [--tasti "3 3 Return"] [--dimensione LxA]
//                     [--profilo DIR] [--clic "user(1) giocatautente ..."] [--statistiche]
// Draws the main window as it is after start-up with the given seed, into a PNG,
// without a display: the announcement box is answered with Ok, every question with Yes.
// --tasti presses the keys named, --dimensione sizes the window, --profilo keeps the
// player's things in DIR as the driver does, --clic clicks the controls named, one after
// the other, and --statistiche draws the statistics dialog instead.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "ui/Applicazione.h"
#include "ui/FinestraPrincipale.h"
#include "ui/PostoCarta.h"

namespace {

constexpr const char* kUso =
    "uso: quintello-schermata --seme N out.png [--scala 2] [--tasti \"3 3 Return\"]\n"
    "                         [--dimensione LxA] [--profilo DIR] [--clic \"controllo ...\"]\n"
    "                         [--statistiche]\n";

struct Opzioni {
  uint64_t seme = 0;
  std::string uscita;
  std::string scala;
  QStringList tasti;  // key names as Qt writes them: "3", "Return", "Space"
  QSize dimensione;
  std::optional<quintello::Profilo> profilo;
  QStringList clic;
  bool statistiche = false;
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
    } else if (arg == "--dimensione" && conValore) {
      const QStringList lati = QString::fromLocal8Bit(argv[++i]).split(u'x');
      if (lati.size() != 2) return std::nullopt;
      opzioni.dimensione = QSize(lati[0].toInt(), lati[1].toInt());
      if (opzioni.dimensione.isEmpty()) return std::nullopt;
    } else if (arg == "--profilo" && conValore) {
      opzioni.profilo = quintello::ProfiloInCartella(argv[++i]);
    } else if (arg == "--clic" && conValore) {
      opzioni.clic = QString::fromLocal8Bit(argv[++i]).split(u' ', Qt::SkipEmptyParts);
    } else if (arg == "--statistiche") {
      opzioni.statistiche = true;
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

// Clicks the control of that name as the user would: a card place, a button, a menu item.
// False when there is none, or the user could not click it now.
bool Clicca(QWidget& finestra, const QString& nome) {
  QWidget* controllo = finestra.findChild<QWidget*>(nome);
  if (controllo && !(controllo->isVisible() && controllo->isEnabled())) return false;
  if (auto* posto = qobject_cast<quintello::ui::PostoCarta*>(controllo)) {
    Q_EMIT posto->cliccato();
  } else if (auto* bottone = qobject_cast<QAbstractButton*>(controllo)) {
    bottone->click();
  } else if (auto* voce = finestra.findChild<QAction*>(nome)) {
    voce->trigger();
  } else {
    return false;
  }
  return true;
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
  quintello::ui::FinestraPrincipale finestra(opzioni->seme, {.messaggio = RispondiOk, .file = {}},
                                             opzioni->profilo);
  if (opzioni->dimensione.isValid()) finestra.resize(opzioni->dimensione);
  finestra.show();
  finestra.activateWindow();
  QApplication::processEvents();
  for (const QString& tasto : opzioni->tasti) {
    if (!Premi(finestra, tasto)) {
      std::fprintf(stderr, "tasto sconosciuto: %s\n", qPrintable(tasto));
      return 2;
    }
  }
  for (const QString& nome : opzioni->clic) {
    if (!Clicca(finestra, nome)) {
      std::fprintf(stderr, "nessun controllo %s da cliccare\n", qPrintable(nome));
      return 2;
    }
  }
  QApplication::processEvents();

  QPixmap immagine = finestra.grab();
  if (opzioni->statistiche) {  // drawn from inside its own loop, then closed
    QTimer::singleShot(0, [&] {
      auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (dialogo) immagine = dialogo->grab();
      if (dialogo) dialogo->reject();
    });
    Clicca(finestra, QStringLiteral("statistiche"));
  }
  const QString uscita = QString::fromLocal8Bit(opzioni->uscita.c_str());
  if (!immagine.save(uscita, "PNG")) {
    std::fprintf(stderr, "impossibile scrivere %s\n", opzioni->uscita.c_str());
    return 1;
  }
  return 0;
}
