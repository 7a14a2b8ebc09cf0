// The game's window for the AT-SPI check: the deal given by the seed on the
// command line, every box answered Ok, so the same hand comes every run and no
// modal box stands in the way of the keys.
#include <QApplication>
#include <cstdlib>

#include "ui/Applicazione.h"
#include "ui/FinestraPrincipale.h"

int main(int argc, char* argv[]) {
  QApplication applicazione(argc, argv);
  quintello::ui::PreparaApplicazione(applicazione);
  if (argc != 2) return 2;

  quintello::ui::Risposte risposte;
  risposte.messaggio = [](const quintello::Messaggio& messaggio) {
    return messaggio.pulsanti == quintello::Pulsanti::SiNo ? quintello::Risposta::Si
                                                           : quintello::Risposta::Ok;
  };
  quintello::ui::FinestraPrincipale finestra(std::strtoull(argv[1], nullptr, 10), risposte);
  finestra.show();
  // With no window manager nobody else gives the window the keyboard.
  finestra.activateWindow();
  return applicazione.exec();
}
