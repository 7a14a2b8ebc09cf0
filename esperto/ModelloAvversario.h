// How the other side chooses its plays, and so how likely each hand it may
// hold is, given the plays it has made in the deal in progress. Its plays in
// earlier deals say nothing of the cards it holds now: it played them all.
#pragma once

#include <array>
#include <vector>

#include "engine/Carta.h"
#include "engine/Giocatore.h"
#include "engine/InsiemeCarte.h"
#include "engine/Regole.h"
#include "esperto/Vista.h"
#include "rules/Mano.h"
#include "rules/Scelta.h"

namespace quintello {

enum class Modello {
  // The fixed computer rule: a hand either makes the play it made or not.
  Classico,
  // A person: likelier to make a play the better it looks at a glance
  // (`Occhiata`), by a softmax, and now and then any play at all.
  Umano,
};

// What a play looks worth at a glance to the side `chi` that has just made
// it, `dopo` being the hand after it: Esperto's estimate of the piles and
// the sweeps, less the chance that the other side sweeps the table left.
// That chance is reckoned from what the player sees: besides the table and
// the piles, its cards `sue` and `altre` more cards of its own.
double Occhiata(const Mano& dopo, Giocatore chi, InsiemeCarte sue, int altre = 0);

class ModelloAvversario {
 public:
  // `temperatura` (points) spreads a person's choice: the lower, the surer
  // that the play that looks best is the one made.
  ModelloAvversario(const Vista& vista, Modello modello, double temperatura);

  // Whether the other side has played in this deal: until it has, every
  // hand it may hold is as likely as any other.
  bool HaGiocato() const { return !giocate_.empty(); }
  // How likely its plays in this deal are had it held `sue` now, up to a
  // factor that is the same for every hand; 0 when it could not have made them.
  double Verosimiglianza(InsiemeCarte sue) const;

 private:
  struct Osservata {
    InsiemeCarte terra;  // the table before the play
    InsiemeCarte poi;    // the cards it has played in this deal from this play on
    Scelta scelta;
    // A person: for each card, how likely its plays are against the play
    // made (which counts 1), and how many plays it has.
    std::array<double, kCarteMazzo> peso{};
    std::array<int, kCarteMazzo> mosse{};
  };
  Modello modello_;
  Regole regole_;
  std::vector<Osservata> giocate_;
};

}  // namespace quintello
