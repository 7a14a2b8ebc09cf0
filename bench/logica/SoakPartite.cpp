// soak_partite [HANDS] [SEED]: plays many whole hands through the game with a
// random user and checks the invariants after every event. Exit 1 on the
// first broken invariant.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "GiocatoreCasuale.h"
#include "Invarianti.h"

int main(int argc, char** argv) {
  using namespace quintello;
  const long maniVolute = argc > 1 ? std::atol(argv[1]) : 100000;
  const uint64_t seme = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
  const std::string cartella = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
  const std::string file = cartella + "/quintello-soak-" + std::to_string(::getpid()) + ".qnt";
  prova::GiocatoreCasuale utente(seme, file);
  FinestraRegistrata f;
  Gioco g(f, seme);
  g.Form_Load();
  long mani = 0, partite = 0, eventi = 0;
  while (mani < maniVolute) {
    utente.Mossa(g, f);
    ++eventi;
    for (const std::string& e : f.PrendiEventi()) {
      mani += e.starts_with("MSGBOX\tPunti");
      partite += e.starts_with("MSGBOX\tVincitore");
    }
    const std::string violata = prova::InvariantiViolate(g, f);
    if (!violata.empty() || g.Chiusa()) {
      std::cerr << "event " << eventi << ": " << (violata.empty() ? "window closed" : violata)
                << "\n";
      return 1;
    }
  }
  std::filesystem::remove(file);
  std::cout << mani << " hands, " << partite << " matches, " << eventi
            << " events: every invariant held\n";
  return 0;
}
