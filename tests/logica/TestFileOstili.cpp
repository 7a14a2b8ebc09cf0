// Files that are not saved games, or barely are: each gets its outcome and
// nothing else changes.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "Posizione.h"
#include "scoring/FormatoSalvataggio.h"
#include "scoring/ScritturaSicura.h"

namespace quintello {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFallito =
    "MSGBOX\tErrore\tcritical\tok\tErrore durante il caricamento, sarà avviata una nuova "
    "partita\tok";
constexpr const char* kNonEsiste =
    "MSGBOX\tErrore\tcritical\tok\tIl file specificato non esiste\tok";

struct Ostili : ::testing::Test {
  Ostili()
      : cartella(fs::temp_directory_path() / ("quintello-ostili-" + std::to_string(::getpid()))) {
    fs::remove_all(cartella);
    fs::create_directories(cartella);
    t.gioco.Form_Load();
    if (t.finestra.Flag().procedi) t.gioco.procedi_Click();
    t.gioco.user_Click(1);
    t.finestra.PrendiEventi();
    buono = ScriviPartita(t.gioco.stato, t.finestra.Flag());
  }
  ~Ostili() override { fs::remove_all(cartella); }

  std::string Percorso(const std::string& nome) { return (cartella / nome).string(); }
  void Scrivi(const std::string& nome, const std::string& testo) {
    std::ofstream(Percorso(nome), std::ios::binary) << testo;
  }
  // Loads the file; returns the message box that followed the question, or
  // "" when the load went through without one.
  std::string Carica(const std::string& nome) {
    t.finestra.AccodaFile(Percorso(nome));
    t.gioco.carica_Click();
    for (const std::string& e : t.finestra.PrendiEventi())
      if (e.starts_with("MSGBOX\tErrore")) return e;
    return "";
  }
  std::string Riga(int n, const std::string& testo) {
    std::string file;
    std::istringstream in(buono);
    std::string riga;
    for (int i = 1; std::getline(in, riga); ++i)
      file += (i == n ? testo : riga.substr(0, riga.size() - 1)) + "\r\n";
    return file;
  }
  std::string Stato() { return ScriviPartita(t.gioco.stato, t.finestra.Flag()); }

  fs::path cartella;
  prova::Tavolo t{31};
  std::string buono;
};

TEST_F(Ostili, EmptyAndBinaryFilesTakeTheFailurePath) {
  Scrivi("vuoto.qnt", "");
  EXPECT_EQ(Carica("vuoto.qnt"), kFallito);
  std::mt19937 caso(4);
  std::string binario(4096, '\0');
  for (char& c : binario) c = static_cast<char>(caso() % 256);
  Scrivi("binario.qnt", binario);
  EXPECT_EQ(Carica("binario.qnt"), kFallito);
  EXPECT_EQ(t.gioco.stato.punteggiopc, 0);
}

TEST_F(Ostili, OnlySeventySevenLinesAreEverRead) {
  std::ofstream grande(Percorso("grande.qnt"), std::ios::binary);
  grande << buono;
  const std::string blocco(1 << 20, 'x');
  for (int i = 0; i < 100; ++i) grande << blocco;
  grande.close();
  EXPECT_EQ(Carica("grande.qnt"), "");
  EXPECT_EQ(Stato(), buono);
}

TEST_F(Ostili, AVeryLongLineOfBlanksBeforeANumber) {
  Scrivi("lunga.qnt",
         Riga(8, std::string(10 << 20, ' ') + FormatoIntero(t.gioco.stato.indicepresa)));
  EXPECT_EQ(Carica("lunga.qnt"), "");
  EXPECT_EQ(Stato(), buono);
  Scrivi("testo.qnt", Riga(9, std::string(10 << 20, 'z')));
  EXPECT_EQ(Carica("testo.qnt"), "");  // an odd capture text plays oddly, but loads
}

TEST_F(Ostili, NumbersAtTheEdgesOfSixteenBits) {
  Scrivi("dentro.qnt", Riga(11, "32767"));
  EXPECT_EQ(Carica("dentro.qnt"), "");
  EXPECT_EQ(t.gioco.stato.punteggiopc, 32767);
  Scrivi("fuori.qnt", Riga(11, "32768"));
  EXPECT_EQ(Carica("fuori.qnt"), kFallito);
  Scrivi("negativo.qnt", Riga(12, "-32768"));
  EXPECT_EQ(Carica("negativo.qnt"), "");
  EXPECT_EQ(t.gioco.stato.punteggiouser, -32768);
  Scrivi("sotto.qnt", Riga(12, "-32769"));
  EXPECT_EQ(Carica("sotto.qnt"), kFallito);
}

TEST_F(Ostili, LinesEndedByLineFeedOrCarriageReturnAlone) {
  std::string lf = buono, cr = buono;
  for (std::size_t p; (p = lf.find("\r\n")) != std::string::npos;) lf.erase(p, 1);
  for (std::size_t p; (p = cr.find("\r\n")) != std::string::npos;) cr.erase(p + 1, 1);
  Scrivi("lf.qnt", lf);
  Scrivi("cr.qnt", cr);
  EXPECT_EQ(Carica("lf.qnt"), "");
  EXPECT_EQ(Stato(), buono);
  EXPECT_EQ(Carica("cr.qnt"), "");
  EXPECT_EQ(Stato(), buono);
}

TEST_F(Ostili, AFolderIsNotAFile) {
  fs::create_directories(cartella / "cartella.qnt");
  const std::string prima = Stato();
  EXPECT_EQ(Carica("cartella.qnt"), kNonEsiste);
  EXPECT_EQ(Stato(), prima);
}

TEST_F(Ostili, ANonAsciiNameSavesAndLoads) {
  t.finestra.AccodaFile(Percorso("partità €.qnt"));
  t.gioco.salva_Click();
  t.gioco.newpart_Click();
  EXPECT_EQ(Carica("partità €.qnt"), "");
  EXPECT_EQ(Stato(), buono);
}

// Runs `prova` in a child process; true when it exited with 0.
template <typename F>
bool NelFiglio(F prova) {
  const pid_t figlio = ::fork();
  if (figlio == 0) ::_exit(prova() ? 0 : 1);
  int stato = 0;
  ::waitpid(figlio, &stato, 0);
  return WIFEXITED(stato) && WEXITSTATUS(stato) == 0;
}

TEST_F(Ostili, AFileThatCannotBeRead) {
  Scrivi("chiuso.qnt", buono);
  fs::permissions(Percorso("chiuso.qnt"), fs::perms::none);
  fs::permissions(cartella, fs::perms::all);
  // Root reads any file: the load runs as an ordinary user in a child.
  EXPECT_TRUE(NelFiglio([&] {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return false;
    return Carica("chiuso.qnt") == kFallito;
  }));
}

TEST_F(Ostili, AWriteThatFailsHalfwayLeavesTheOldFile) {
  Scrivi("vecchia.qnt", buono);
  // A file size limit makes the write fail part of the way through.
  EXPECT_TRUE(NelFiglio([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limite{100, 100};
    if (::setrlimit(RLIMIT_FSIZE, &limite) != 0) return false;
    return !ScriviFileSicuro(Percorso("vecchia.qnt"), std::string(4096, 'n')).empty();
  }));
  std::ifstream in(Percorso("vecchia.qnt"), std::ios::binary);
  std::stringstream letto;
  letto << in.rdbuf();
  EXPECT_EQ(letto.str(), buono);
  int voci = 0;
  for ([[maybe_unused]] const auto& voce : fs::directory_iterator(cartella)) ++voci;
  EXPECT_EQ(voci, 1) << "no temporary file is left behind";
}

}  // namespace
}  // namespace quintello
