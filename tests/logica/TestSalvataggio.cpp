// The saved-game file: the reader's rules, the playability check, files that
// are not saved games, and a save that cannot destroy the file it replaces.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>

#include "MettiCarte.h"
#include "NelFiglio.h"
#include "controller/Gioco.h"
#include "registrata/FinestraRegistrata.h"
#include "salvataggio/FileSalvataggio.h"
#include "salvataggio/FormatoSalvataggio.h"
#include "salvataggio/PartitaGiocabile.h"
#include "salvataggio/ScritturaSicura.h"

namespace quintello {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Righe(const std::string& file) {
  std::vector<std::string> righe;
  std::size_t inizio = 0;
  for (std::size_t fine; (fine = file.find("\r\n", inizio)) != std::string::npos; inizio = fine + 2)
    righe.push_back(file.substr(inizio, fine - inizio));
  EXPECT_EQ(inizio, file.size()) << "every line ends with CR LF";
  return righe;
}

std::string Unisci(const std::vector<std::string>& righe, const char* acapo = "\r\n") {
  std::string file;
  for (const std::string& r : righe) file += r + acapo;
  return file;
}

// A state with every item random, as no game would leave it.
StatoPartita StatoCasuale(std::mt19937& caso) {
  auto intero = [&] { return static_cast<int16_t>(caso()); };
  StatoPartita s;
  s.carte.PerOgniCarta([&](Carta c, int16_t) { s.carte[c] = intero(); });
  for (int i = 0; i < kSlotMano; ++i) {
    s.manoutentevalore[i] = i < 3 ? intero() : 0;  // only three slots are written
    s.manoutenteseme[i] = i < 3 ? intero() : 0;
  }
  for (int16_t* x : {&s.mazziere, &s.ultimapresa, &s.puntivittoria, &s.punteggiopc,
                     &s.punteggiouser, &s.cartaselezionata, &s.indicepresa})
    *x = intero();
  s.presautente = CodiceCarta(caso() % 11, caso() % 5) + "3c";
  s.flag.giocatautente = caso() % 2;
  s.flag.procedi = caso() % 2;
  for (bool& b : s.flag.shape1) b = caso() % 2;
  for (bool& b : s.flag.shape2) b = caso() % 2;
  for (bool& b : s.flag.user) b = caso() % 2;
  return s;
}

TEST(Formato, EveryStateReadsBackAsWritten) {
  std::mt19937 caso(17);
  for (int prova = 0; prova < 500; ++prova) {
    const StatoPartita stato = StatoCasuale(caso);
    const std::string file = ScriviPartita(stato);
    ASSERT_EQ(Righe(file).size(), 77u);
    const PartitaLetta letta = LeggiPartita(file, StatoCasuale(caso));
    ASSERT_TRUE(letta.Completa());
    // The target's check marks are not in the file: they come from the base.
    StatoPartita atteso = stato;
    atteso.flag.obiettivo = letta.stato.flag.obiettivo;
    ASSERT_EQ(letta.stato, atteso) << file;
  }
}

// The house rules ride on a 78th line, only when any is in force; a load
// reads that line only when it says "Regole:", and a rule it does not know
// fails the load.
TEST(Formato, HouseRulesLine) {
  for (int regola = 0; regola < 1 << kRegole; ++regola) {
    StatoPartita stato;
    for (Regola r : kTutteLeRegole) stato.regole[r] = regola >> static_cast<int>(r) & 1;
    const std::string file = ScriviPartita(stato);
    const std::vector<std::string> righe = Righe(file);
    // The sweep of the ace means nothing without the ace that takes all.
    const Regole& r = stato.regole;
    ASSERT_EQ(righe.size(), r.assoPigliaTutto || r.reBello || r.napola ? 78u : 77u);
    stato.regole.assoScopa = r.assoScopa && r.assoPigliaTutto;
    if (righe.size() == 78) {
      EXPECT_EQ(righe[77], "Regole: " + NomiRegole(stato.regole));
    }
    StatoPartita base;
    base.regole.napola = true;  // what the game played before the load never stays
    const PartitaLetta letta = LeggiPartita(file, base);
    ASSERT_TRUE(letta.Completa());
    EXPECT_EQ(letta.stato.regole, stato.regole) << file;
  }
  const std::string standard = ScriviPartita(StatoPartita{});
  const std::pair<std::string, std::optional<Regole>> casi[] = {
      {"Regole: rebello , napola\n", Regole{.reBello = true, .napola = true}},
      {"Regole:\r\n", Regole{}},
      {" Regole: napola\r\n", Regole{}},  // not a rules line: ignored
      {"Regole: rebello\r\nRegole: napola\r\n", Regole{.reBello = true}},
      {"Regole: rebello,asso\r\n", std::nullopt},
  };
  for (const auto& [riga, regole] : casi) {
    const PartitaLetta letta = LeggiPartita(standard + riga, StatoPartita{});
    EXPECT_EQ(letta.Completa(), regole.has_value()) << riga;
    if (regole) {
      EXPECT_EQ(letta.stato.regole, *regole) << riga;
    }
  }
}

TEST(Formato, ReaderRules) {
  StatoPartita base;
  base.puntivittoria = 11;
  std::vector<std::string> r = Righe(ScriviPartita(base));
  r[6] = "  9";        // blanks around numbers
  r[7] = "dieci";      // letters read 0
  r[8] = "   3c4b  ";  // leading blanks go, trailing stay
  r[14] = "vero";      // not a flag word: the flag before it, false for the first
  r[15] = "Vero";
  r[16] = "x";
  r[56] = "FALSO";  // repeats line 16's true
  r[57] = " Falso";
  std::string file;
  for (std::size_t i = 0; i < r.size(); ++i) file += r[i] + (i % 2 ? "\n" : "\r");
  const PartitaLetta letta = LeggiPartita(file, base);
  ASSERT_TRUE(letta.Completa());
  EXPECT_EQ(letta.stato.puntivittoria, 9);
  EXPECT_EQ(letta.stato.indicepresa, 0);
  EXPECT_EQ(letta.stato.presautente, "3c4b  ");
  EXPECT_FALSE(letta.stato.flag.procedi);
  EXPECT_TRUE(letta.stato.flag.giocatautente);
  EXPECT_EQ(letta.stato.carte(1, Denari), 0);
  EXPECT_TRUE(letta.stato.flag.shape1[0]);
  EXPECT_FALSE(letta.stato.flag.shape1[1]);
}

TEST(Formato, ReadingStopsAtTheEndOrAnOutOfRangeNumber) {
  StatoPartita base;
  base.puntivittoria = 16;
  const std::string file = ScriviPartita(base);
  std::vector<std::string> r = Righe(file);
  r[10] = "40000";
  const std::pair<std::string, int> casi[] = {
      {"", 0},
      {file.substr(0, file.size() - 7), 76},  // the last line missing entirely
      {file.substr(0, file.size() - 2), 77},  // the last line without its end
      {Unisci(r), 10},
  };
  for (const auto& [testo, righe] : casi) {
    const PartitaLetta letta = LeggiPartita(testo, StatoPartita{});
    EXPECT_EQ(letta.righe, righe);
    EXPECT_EQ(letta.stato.puntivittoria, righe >= 7 ? 16 : 0);
  }
}

TEST(Giocabile, RejectsDamagedPositions) {
  StatoPartita buona;
  // 3 on the table, 3 and 2 in the hands, 2 taken: 30 left in the deck.
  prova::Metti(buona.carte, "1o 2o 3o", Terra);
  prova::Metti(buona.carte, "1s 2s 3s", ManoPC);
  prova::Metti(buona.carte, "1c 2c", ManoUtente);
  prova::Metti(buona.carte, "9b 0b", PresaUtente);
  buona.RegistraManoUtente();
  buona.flag.procedi = false;
  buona.cartaselezionata = 1;
  buona.presautente = "2o";
  ASSERT_TRUE(PartitaGiocabile(buona));
  const std::pair<const char*, std::function<void(StatoPartita&)>> guasti[] = {
      {"a third slot selected", [](StatoPartita& s) { s.cartaselezionata = 2; }},
      {"nothing selected in the user's turn", [](StatoPartita& s) { s.cartaselezionata = -1; }},
      {"slot -2", [](StatoPartita& s) { s.cartaselezionata = -2; }},
      {"a proposal the card cannot take", [](StatoPartita& s) { s.presautente = "1o"; }},
      {"a proposal from the computer's hand", [](StatoPartita& s) { s.presautente = "2s"; }},
      {"no proposal for a card that must take", [](StatoPartita& s) { s.presautente = ""; }},
      // Six cards out of the deck, so that only the location is wrong.
      {"location 1", [](StatoPartita& s) { prova::Metti(s.carte, "4c 5c 6c 7c 8c 9c", Luogo{1}); }},
      {"location 9", [](StatoPartita& s) { prova::Metti(s.carte, "4c 5c 6c 7c 8c 9c", Luogo{9}); }},
      {"four in a hand",
       [](StatoPartita& s) {
         prova::Metti(s.carte, "5c 6c 7c 8c 9c", PresaPC);
         prova::Metti(s.carte, "4s", ManoPC);
       }},
      {"sixteen on the table",
       [](StatoPartita& s) {
         prova::Metti(s.carte, "4s 5s 6s 7s 8s 9s 4c 5c 6c 7c 8c 9c 4b", Terra);
         prova::Metti(s.carte, "5b 6b 7b 8b 4o", PresaPC);
       }},
      {"a deck of 29", [](StatoPartita& s) { s.carte(4, Denari) = PresaPC; }},
      {"no end mark after the hand", [](StatoPartita& s) { s.manoutentevalore[2] = 5; }},
      {"a slot naming another card", [](StatoPartita& s) { s.manoutenteseme[0] = Bastoni; }},
      {"dealer 2", [](StatoPartita& s) { s.mazziere = 2; }},
      {"both buttons", [](StatoPartita& s) { s.flag.procedi = true; }},
      {"neither button", [](StatoPartita& s) { s.flag.giocatautente = false; }},
  };
  for (const auto& [nome, guasta] : guasti) {
    StatoPartita s = buona;
    guasta(s);
    EXPECT_FALSE(PartitaGiocabile(s)) << nome;
  }
  StatoPartita pausa = buona;  // in the pause nothing need be selected
  pausa.flag = {};
  pausa.flag.giocatautente = false;
  pausa.cartaselezionata = -1;
  EXPECT_TRUE(PartitaGiocabile(pausa));
  prova::Metti(pausa.carte, "4s 5s 6s 7s 8s 9s 4c 5c 6c 7c 8c 9c", Terra);  // fifteen: allowed
  EXPECT_TRUE(PartitaGiocabile(pausa));
}

constexpr const char* kFallito =
    "MSGBOX\tErrore\tcritical\tok\tErrore durante il caricamento, sarà avviata una nuova "
    "partita\tok";
constexpr const char* kNonEsiste =
    "MSGBOX\tErrore\tcritical\tok\tIl file specificato non esiste\tok";

// A game in the user's turn, saved, and a folder of its own for files.
struct Ostili : ::testing::Test {
  Ostili()
      : cartella(fs::temp_directory_path() / ("quintello-ostili-" + std::to_string(::getpid()))) {
    fs::remove_all(cartella);
    fs::create_directories(cartella);
    gioco.Form_Load();
    if (gioco.Azioni().procedi) gioco.procedi_Click();
    gioco.user_Click(1);
    finestra.PrendiEventi();
    buono = ScriviPartita(gioco.Stato());
  }
  ~Ostili() override { fs::remove_all(cartella); }
  std::string Percorso(const std::string& nome) { return (cartella / nome).string(); }
  void Scrivi(const std::string& nome, const std::string& testo) {
    std::ofstream(Percorso(nome), std::ios::binary) << testo;
  }
  std::string Leggi(const std::string& nome) {
    std::stringstream s;
    s << std::ifstream(Percorso(nome), std::ios::binary).rdbuf();
    return s.str();
  }
  // Loads the file; the error box it showed, or "" when it loaded.
  std::string Carica(const std::string& nome) {
    finestra.AccodaFile(Percorso(nome));
    gioco.carica_Click();
    for (const std::string& e : finestra.PrendiEventi())
      if (e.starts_with("MSGBOX\tErrore")) return e;
    return "";
  }
  std::string Riga(int n, const std::string& testo) {
    std::vector<std::string> r = Righe(buono);
    r[n - 1] = testo;
    return Unisci(r);
  }
  std::string Stato() { return ScriviPartita(gioco.Stato()); }
  int Voci() {
    int voci = 0;
    for ([[maybe_unused]] const auto& voce : fs::directory_iterator(cartella)) ++voci;
    return voci;
  }

  fs::path cartella;
  FinestraRegistrata finestra;
  Gioco gioco{finestra, 31};
  std::string buono;
};

TEST_F(Ostili, EachFileLoadsAsItShouldOrTakesTheFailurePath) {
  std::mt19937 caso(4);
  std::string binario(4096, '\0');
  for (char& c : binario) c = static_cast<char>(caso() % 256);
  std::string lf = buono, cr = buono;
  for (std::size_t p; (p = lf.find("\r\n")) != std::string::npos;) lf.erase(p, 1);
  for (std::size_t p; (p = cr.find("\r\n")) != std::string::npos;) cr.erase(p + 1, 1);
  const std::string dieciMega(10 << 20, ' ');
  struct Caso {
    std::string nome, testo;
    const char* errore;
    std::string dopo;  // the game loaded, as it saves; "" unchecked
  };
  const Caso casi[] = {
      {"vuoto.qnt", "", kFallito, ""},
      {"binario.qnt", binario, kFallito, ""},
      {"lf.qnt", lf, "", buono},
      {"cr.qnt", cr, "", buono},
      {"spazi.qnt", Riga(8, dieciMega + FormatoIntero(gioco.Stato().indicepresa)), "", buono},
      // In the user's turn the proposal is what the play takes: an odd one
      // would move cards that are not on the table, so it is not loaded.
      {"testo.qnt", Riga(9, std::string(10 << 20, 'z')), kFallito, ""},
      {"lunga.qnt", buono + dieciMega + "\n" + dieciMega, "", buono},  // only 77 lines are read
      {"massimo.qnt", Riga(11, "\t32767"), "", Riga(11, " 32767 ")},
      {"segno.qnt", Riga(11, "+5"), "", Riga(11, " 5 ")},
      {"lettere.qnt", Riga(12, "12ab"), "", Riga(12, " 12 ")},
      {"vuota.qnt", Riga(12, ""), "", Riga(12, " 0 ")},
      {"minimo.qnt", Riga(12, "-32768"), "", Riga(12, "-32768 ")},
      {"nove.qnt", Riga(11, std::string(5000, '9')), kFallito, ""},
      {"oltre.qnt", Riga(11, "32768"), kFallito, ""},
      {"regola-ignota.qnt", buono + "Regole: bho\r\n", kFallito, ""},
      {"sotto.qnt", Riga(12, "-32769"), kFallito, ""},
      {"partità €.qnt", buono, "", buono},
  };
  for (const Caso& c : casi) {
    Scrivi(c.nome, c.testo);
    // Play on first, so that a load has another game to replace.
    gioco.Azioni().procedi ? gioco.procedi_Click() : gioco.giocatautente_Click();
    EXPECT_EQ(Carica(c.nome), c.errore) << c.nome;
    if (!c.dopo.empty()) {
      EXPECT_EQ(Stato(), c.dopo) << c.nome;
      EXPECT_EQ(finestra.CarteMostrate(), gioco.Stato().carte) << c.nome << ": not shown";
      EXPECT_EQ(finestra.FlagMostrati(), gioco.Stato().flag) << c.nome << ": frames not shown";
    }
  }
  const std::string letto = LeggiFileSalvataggio(Percorso("lunga.qnt"));
  EXPECT_EQ(std::count(letto.begin(), letto.end(), '\n'), kRigheFile + 1)
      << "only the 77 items and the rules line are read";
  const std::string lunga = LeggiFileSalvataggio(Percorso("testo.qnt"));
  EXPECT_NE(lunga.find(std::string(1 << 20, 'z') + "\n"), std::string::npos) << "cut at 1 MiB";
  EXPECT_EQ(lunga.find(std::string((1 << 20) + 1, 'z')), std::string::npos);
  fs::create_directories(cartella / "cartella.qnt");
  const std::string prima = Stato();
  EXPECT_EQ(Carica("cartella.qnt"), kNonEsiste);
  EXPECT_EQ(Stato(), prima);
}

TEST_F(Ostili, AFileCutShortKeepsTheTargetItRead) {
  gioco.sedici_Click();
  Scrivi("corto.qnt", ScriviPartita(gioco.Stato()).substr(0, 40 * 5));
  gioco.sette_Click();
  EXPECT_EQ(Carica("corto.qnt"), kFallito);
  EXPECT_EQ(gioco.Stato().puntivittoria, 16);
  EXPECT_EQ(gioco.Stato().flag.obiettivo, (std::array<bool, 4>{false, false, true, false}));
  EXPECT_TRUE(PartitaGiocabile(gioco.Stato()));
}

TEST_F(Ostili, ACaptureWritesItsSideOverAnOddLastCapturer) {
  Scrivi("ultima.qnt", Riga(14, "10"));  // any code but 0 counts as the user
  ASSERT_EQ(Carica("ultima.qnt"), "");
  for (int i = 0; i < kPostiMano && gioco.Stato().presautente.empty(); ++i) gioco.user_Click(i);
  ASSERT_FALSE(gioco.Stato().presautente.empty()) << "no card of the hand can take";
  gioco.giocatautente_Click();
  EXPECT_EQ(gioco.Stato().ultimapresa, 1);
}

TEST_F(Ostili, AFileThatCannotBeRead) {
  Scrivi("chiuso.qnt", buono);
  fs::permissions(Percorso("chiuso.qnt"), fs::perms::none);
  fs::permissions(cartella, fs::perms::all);
  EXPECT_TRUE(prova::NelFiglio(
      [&] { return prova::SenzaPrivilegi() && Carica("chiuso.qnt") == kFallito; }));
}

TEST_F(Ostili, AFailedSaveIsReportedAndKeepsTheOldFile) {
  Scrivi("vecchia.qnt", buono);
  // A file size limit makes the write fail part of the way through.
  EXPECT_TRUE(prova::NelFiglio([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limite{100, 100};
    if (::setrlimit(RLIMIT_FSIZE, &limite) != 0) return false;
    return !ScriviFileSicuro(Percorso("vecchia.qnt"), std::string(4096, 'n')).empty();
  }));
  EXPECT_EQ(Leggi("vecchia.qnt"), buono);
  EXPECT_EQ(Voci(), 1) << "no temporary file is left behind";
  // A new file gets the permissions of a new file; a file replaced keeps its own.
  const mode_t maschera = ::umask(022);
  for (const fs::perms permessi : {fs::perms{0644}, fs::perms{0600}}) {
    EXPECT_EQ(ScriviFileSicuro(Percorso("nuova.qnt"), buono), "");
    EXPECT_EQ(fs::status(Percorso("nuova.qnt")).permissions(), permessi);
    fs::permissions(Percorso("nuova.qnt"), fs::perms{0600});
  }
  ::umask(maschera);
  fs::remove(Percorso("nuova.qnt"));

  fs::create_directories(cartella / "cartella.qnt");
  for (const char* nome : {"cartella.qnt", "manca/dentro.qnt"}) {
    finestra.AccodaFile(Percorso(nome));
    gioco.salva_Click();
    const std::vector<std::string> e = finestra.PrendiEventi();
    ASSERT_EQ(e.size(), 2u);
    EXPECT_TRUE(
        e[1].starts_with("MSGBOX\tErrore\tcritical\tok\tImpossibile salvare la partita "
                         "nel file " +
                         Percorso(nome) + ": "))
        << e[1];
  }
  EXPECT_EQ(Voci(), 2);
}

}  // namespace
}  // namespace quintello
