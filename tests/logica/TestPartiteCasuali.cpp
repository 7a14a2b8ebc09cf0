// Many whole matches played by a seeded random user, with the game's
// invariants checked after every event.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "GiocatoreCasuale.h"
#include "Invarianti.h"

namespace quintello {
namespace {

TEST(PartiteCasuali, InvariantsHoldAfterEveryEvent) {
  namespace fs = std::filesystem;
  // In memory where the system has it: a save is flushed to the disk each time.
  const fs::path cartella =
      fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  const fs::path file = cartella / ("quintello-casuale-" + std::to_string(::getpid()) + ".qnt");
  prova::GiocatoreCasuale utente(12345, file.string());
  FinestraRegistrata f;
  Gioco g(f, 777);
  g.Form_Load();
  int partite = 0, mani = 0, eventi = 0;
  while (partite < 100) {
    ASSERT_LT(++eventi, 2'000'000) << "the matches never end";
    utente.Mossa(g, f);
    for (const std::string& e : f.PrendiEventi()) {
      ASSERT_FALSE(e.starts_with("MSGBOX\tErrore")) << e;
      partite += e.starts_with("MSGBOX\tVincitore");
      mani += e.starts_with("MSGBOX\tPunti");
    }
    ASSERT_EQ(prova::InvariantiViolate(g, f), "") << "after event " << eventi;
    ASSERT_FALSE(g.Chiusa());
  }
  EXPECT_GT(mani, partite);
  fs::remove(file);
}

}  // namespace
}  // namespace quintello
