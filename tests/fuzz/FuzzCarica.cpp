// Any bytes as a saved game: the load either succeeds and the game plays on,
// or it takes its failure path. Never a crash, a hang or a sanitizer report.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

#include "GiocatoreCasuale.h"
#include "controller/Gioco.h"
#include "registrata/FinestraRegistrata.h"

namespace {

constexpr int kMosseDopo = 40;

const std::string& FileDiProva() {
  static const std::string percorso = "/tmp/quintello-fuzz-" + std::to_string(::getpid()) + ".qnt";
  return percorso;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t quanti) {
  using namespace quintello;
  {
    std::ofstream file(FileDiProva(), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(dati), static_cast<std::streamsize>(quanti));
  }
  FinestraRegistrata finestra;
  Gioco gioco(finestra, quanti);
  gioco.Form_Load();
  finestra.AccodaFile(FileDiProva());
  gioco.carica_Click();

  // Whatever was loaded must play on soundly; no saves here, they would
  // overwrite the input.
  uint64_t seme = 1469598103934665603ULL;
  for (size_t i = 0; i < quanti; ++i) seme = (seme ^ dati[i]) * 1099511628211ULL;
  prova::GiocatoreCasuale utente(seme, "");
  for (int i = 0; i < kMosseDopo && !gioco.Chiusa(); ++i) {
    utente.Mossa(gioco, finestra);
    finestra.PrendiEventi();
  }
  return 0;
}
