// The two sides of a match.
#pragma once

namespace quintello {

enum class Giocatore { PC, Utente };
inline constexpr int kGiocatori = 2;

constexpr Giocatore Altro(Giocatore g) {
  return g == Giocatore::PC ? Giocatore::Utente : Giocatore::PC;
}
// Where a side's things are kept in arrays of two.
constexpr int Indice(Giocatore g) {
  return g == Giocatore::PC ? 0 : 1;
}

}  // namespace quintello
