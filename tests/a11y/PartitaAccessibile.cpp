// The game's window for the screen-reader checks: the deal given by the seed on the
// command line, so the same hand comes every run. With a saved game's path after the
// seed, the message boxes are the real ones and the open dialog gives that path;
// without it every box is answered Ok, so that no modal box stands in the way.
#include <QApplication>
#include <cstdlib>
#include <string>

#include "ui/Applicazione.h"
#include "ui/FinestraPrincipale.h"

int main(int argc, char* argv[]) {
  QApplication applicazione(argc, argv);
  quintello::ui::PreparaApplicazione(applicazione);
  if (argc != 2 && argc != 3) return 2;

  quintello::ui::Risposte risposte;
  if (argc == 3) {
    risposte.file = [percorso = std::string(argv[2])](auto&&...) { return percorso; };
  } else {
    risposte.messaggio = [](const quintello::Messaggio& messaggio) {
      return messaggio.pulsanti == quintello::Pulsanti::SiNo ? quintello::Risposta::Si
                                                             : quintello::Risposta::Ok;
    };
  }
  quintello::ui::FinestraPrincipale finestra(std::strtoull(argv[1], nullptr, 10), risposte);
  finestra.show();
  // With no window manager nobody else gives the window the keyboard.
  finestra.activateWindow();
  return applicazione.exec();
}
