// The review of a hand: every play of a seat judged from that seat as it
// was at the moment (only what it could see), against the best play it had.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/Generatore.h"
#include "esperto/Valutazione.h"
#include "rules/Mano.h"

namespace quintello {

// A play of the hand and the hand it was made in.
struct Passo {
  Mano prima;
  Giocata giocata;
};

// More samples than in play, each play searched with a full window so that
// every play gets its value, not a bound.
struct ParametriRevisione {
  int campioni = 200;
  long nodiMassimi = 2'000'000;  // per play judged, over all samples
};

// A play costing this much or more is a mistake.
inline constexpr double kSoglia = 0.25;

struct MossaGiudicata {
  Scelta scelta;
  double valore = 0;  // the hand's expected point difference after it
  Parti parti{};      // what that value is made of, on average
};

// What the review says of one play.
struct Verdetto {
  std::vector<MossaGiudicata> mosse;  // every legal play, the best first
  double costo = 0;                   // the best play's value minus the one made
  std::string motivo;                 // why, for a mistake
  bool Errore() const { return costo >= kSoglia; }
};

// Judges `scelta` made by `chi` in `mano`. Draws come from `caso` only.
Verdetto Giudica(const Mano& mano, Giocatore chi, const Scelta& scelta, Generatore& caso,
                 const ParametriRevisione& parametri = {});

// Why `scelta` is the play to make for `chi`: the reason, in the words of
// the review, when it beats the next best play by a mistake's worth or more;
// kScelteEquivalenti when it does not.
std::string PercheScegliere(const Mano& mano, Giocatore chi, const Scelta& scelta,
                            Generatore& caso, const ParametriRevisione& parametri = {});

struct PassoRivisto {
  Passo passo;
  std::optional<Verdetto> giudizio;  // for the reviewed seat's plays
};

struct Revisione {
  std::vector<PassoRivisto> passi;
  double costoTotale = 0;
};

// The hand step by step, `chi`'s plays judged; every review of the same
// hand with the same seed says the same.
Revisione RivediMano(const std::vector<Passo>& passi, Giocatore chi, uint64_t seme,
                     const ParametriRevisione& parametri = {});

}  // namespace quintello
