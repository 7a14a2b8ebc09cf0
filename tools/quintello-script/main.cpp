// quintello-script [--seed N] [--annunci] [SCRIPT]: plays the game from a script of
// clicks and menu choices, without a window, printing what the user would see.
#include <charconv>
#include <fstream>
#include <iostream>
#include <sstream>

#include "Copione.h"
#include "controller/Gioco.h"
#include "registrata/FinestraRegistrata.h"

namespace {

constexpr int kErroreUso = 2;

int Uso(const std::string& messaggio) {
  std::cerr << "quintello-script: " << messaggio << "\n"
            << "uso: quintello-script [--seed N] [--annunci] [SCRIPT]\n";
  return kErroreUso;
}

bool LeggiSeme(std::string_view testo, uint64_t& seme) {
  const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), seme);
  return errore == std::errc{} && fine == testo.data() + testo.size();
}

void Stampa(quintello::FinestraRegistrata& finestra, std::string& uscita) {
  for (const std::string& riga : finestra.PrendiEventi()) std::cout << riga << '\n';
  std::cout << uscita;
  uscita.clear();
}

}  // namespace

int main(int argc, char** argv) {
  uint64_t seme = quintello::Generatore::SemeCasuale();
  std::string copione;
  bool daFile = false;
  bool annunci = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--seed") {
      if (i + 1 >= argc || !LeggiSeme(argv[i + 1], seme)) return Uso("--seed vuole un numero");
      ++i;
    } else if (arg == "--annunci") {
      annunci = true;
    } else if (!daFile && !arg.starts_with("-")) {
      copione = arg;
      daFile = true;
    } else {
      return Uso("argomento sconosciuto: " + std::string(arg));
    }
  }

  std::stringstream testo;
  if (daFile) {
    std::ifstream file(copione, std::ios::binary);
    if (!file) return Uso("impossibile leggere " + copione);
    testo << file.rdbuf();
  } else {
    testo << std::cin.rdbuf();
  }
  std::string errore;
  const auto comandi = quintello::LeggiCopione(testo.str(), errore);
  if (!comandi) return Uso(errore);

  quintello::FinestraRegistrata finestra;
  finestra.RegistraAnnunci(annunci);
  quintello::Gioco gioco(finestra, seme);
  std::string uscita;
  gioco.Form_Load();
  Stampa(finestra, uscita);
  for (const quintello::Comando& comando : *comandi) {
    if (gioco.Chiusa()) break;
    quintello::EseguiComando(comando, gioco, finestra, uscita);
    Stampa(finestra, uscita);
  }
  std::cout.flush();
  return 0;
}
