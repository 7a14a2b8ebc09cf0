// quintello-script [--seed N] [--annunci] [--profilo DIR] [SCRIPT]: plays the game from a
// script of clicks and menu choices, without a window, printing what the user would see.
#include <charconv>
#include <fstream>
#include <iostream>
#include <sstream>

#include "Copione.h"
#include "controller/Gioco.h"
#include "profilo/Custode.h"
#include "registrata/FinestraRegistrata.h"

namespace {

constexpr int kErroreUso = 2;

int Uso(const std::string& messaggio) {
  std::cerr << "quintello-script: " << messaggio << "\n"
            << "uso: quintello-script [--seed N] [--annunci] [--profilo DIR] [SCRIPT]\n";
  return kErroreUso;
}

bool LeggiSeme(std::string_view testo, uint64_t& seme) {
  const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), seme);
  return errore == std::errc{} && fine == testo.data() + testo.size();
}

// What the run has shown since the last call, and what the custode has to tell.
void Stampa(quintello::FinestraRegistrata& finestra, quintello::Custode& custode,
            std::string& uscita) {
  for (const std::string& riga : finestra.PrendiEventi()) std::cout << riga << '\n';
  for (const std::string& avviso : custode.PrendiAvvisi())
    std::cout << "AVVISO\t" << avviso << '\n';
  std::cout << uscita;
  uscita.clear();
}

}  // namespace

int main(int argc, char** argv) {
  uint64_t seme = quintello::Generatore::SemeCasuale();
  std::string copione;
  std::optional<quintello::Profilo> profilo;
  bool daFile = false;
  bool annunci = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--seed") {
      if (i + 1 >= argc || !LeggiSeme(argv[i + 1], seme)) return Uso("--seed vuole un numero");
      ++i;
    } else if (arg == "--annunci") {
      annunci = true;
    } else if (arg == "--profilo") {
      if (i + 1 >= argc || argv[i + 1][0] == '\0') return Uso("--profilo vuole una cartella");
      profilo = quintello::ProfiloInCartella(argv[++i]);
    } else if (!daFile && !arg.starts_with("-")) {
      copione = arg;
      daFile = true;
    } else {
      return Uso("argomento sconosciuto: " + std::string(arg));
    }
  }

  // With a profile and no script file, each line runs as it comes: a session kept
  // between runs can be driven, and cut off, one command at a time.
  const bool passoPasso = profilo && !daFile;
  std::stringstream testo;
  if (daFile) {
    std::ifstream file(copione, std::ios::binary);
    if (!file) return Uso("impossibile leggere " + copione);
    testo << file.rdbuf();
  } else if (!passoPasso) {
    testo << std::cin.rdbuf();
  }
  std::string errore;
  auto comandi = quintello::LeggiCopione(testo.str(), errore);
  if (!comandi) return Uso(errore);

  quintello::FinestraRegistrata finestra;
  finestra.RegistraAnnunci(annunci);
  quintello::Gioco gioco(finestra, seme);
  quintello::ArchivioIni archivio;
  quintello::Custode custode(profilo, archivio);
  std::string uscita;
  custode.Avvia(gioco);
  Stampa(finestra, custode, uscita);
  auto esegui = [&](const std::vector<quintello::Comando>& daFare) {
    for (const quintello::Comando& comando : daFare) {
      if (gioco.Chiusa()) return;
      quintello::EseguiComando(comando, gioco, finestra, custode, uscita);
      custode.DopoEvento(gioco);
      Stampa(finestra, custode, uscita);
    }
  };
  esegui(*comandi);
  std::string riga;
  for (int numero = 1; passoPasso && !gioco.Chiusa() && std::getline(std::cin, riga); ++numero) {
    comandi = quintello::LeggiCopione(riga, errore, numero);
    if (!comandi) return Uso(errore);
    esegui(*comandi);
    std::cout.flush();
  }
  std::cout.flush();
  return 0;
}
