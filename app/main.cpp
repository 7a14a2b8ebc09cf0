// Quintello: the scopa card game's window.
#include <QApplication>

#include "ui/Applicazione.h"
#include "ui/FinestraPrincipale.h"

int main(int argc, char* argv[]) {
  QApplication applicazione(argc, argv);
  quintello::ui::PreparaApplicazione(applicazione);

  quintello::ui::FinestraPrincipale finestra;
  // The start-up's own boxes may already have ended the game.
  if (finestra.Chiusa()) return 0;
  finestra.show();
  return applicazione.exec();
}
