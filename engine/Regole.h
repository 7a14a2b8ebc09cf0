// The house rules a hand is played by. All off is the standard game.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quintello {

enum class Regola { AssoPigliaTutto, AssoScopa, ReBello, Napola };
inline constexpr int kRegole = 4;
inline constexpr std::array<Regola, kRegole> kTutteLeRegole{
    Regola::AssoPigliaTutto, Regola::AssoScopa, Regola::ReBello, Regola::Napola};

struct Regole {
  // An ace played on a table without aces takes the whole table.
  bool assoPigliaTutto = false;
  // Whether the whole table taken that way is a sweep.
  bool assoScopa = false;
  // The king of coins is a point, like the settebello.
  bool reBello = false;
  // Ace, two and three of coins are three points, and one more for each coin
  // that follows them in sequence; all ten win the match.
  bool napola = false;

  bool& operator[](Regola r) { return this->*Campo(r); }
  bool operator[](Regola r) const { return this->*Campo(r); }
  // The rules that change the play: the sweep switch means nothing without
  // the ace that takes the whole table.
  Regole InVigore() const;
  bool Standard() const { return InVigore() == Regole{}; }
  auto operator<=>(const Regole&) const = default;

 private:
  static bool Regole::*Campo(Regola r);
};

// The name of a rule in files and commands ("assopigliatutto"), its name
// for the player ("Asso piglia tutto") and a short one ("asso piglia tutto").
std::string_view NomeRegola(Regola r);
std::string_view TitoloRegola(Regola r);
std::string_view BreveRegola(Regola r);

// Every switch that is on, named in order, separated by `separatore`; "" for none.
std::string ElencoRegole(const Regole& regole, std::string_view (*nome)(Regola),
                         std::string_view separatore);
// The rules in force, as files and commands name them: "assopigliatutto,napola".
inline std::string NomiRegole(const Regole& regole) {
  return ElencoRegole(regole.InVigore(), NomeRegola, ",");
}
std::optional<Regola> RegolaDiNome(std::string_view nome);
// Reads names separated by commas or blanks; nullopt on a name it does not know.
std::optional<Regole> LeggiNomiRegole(std::string_view testo);

}  // namespace quintello
