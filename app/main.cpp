// Quintello: the scopa card game's window.
#include <QApplication>
#include <cstdlib>

#include "ui/Applicazione.h"
#include "ui/FinestraPrincipale.h"

int main(int argc, char* argv[]) {
  QApplication applicazione(argc, argv);
  quintello::ui::PreparaApplicazione(applicazione);

  // The player's things live in the XDG folders.
  quintello::ui::FinestraPrincipale finestra(std::nullopt, {}, quintello::ProfiloXdg(&std::getenv));
  // The start-up's own boxes may already have ended the game.
  if (finestra.Chiusa()) return 0;
  finestra.show();
  return applicazione.exec();
}
