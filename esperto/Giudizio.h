// The plays of a seat judged over deals of the cards it cannot see: each
// deal searched to the end of the current one, and each play's values added
// up over the deals, every deal counted as many times as it is worth.
// Esperto counts every deal alike; Campione counts each by how well it fits
// the plays the other side has made.
#pragma once

#include <vector>

#include "engine/Generatore.h"
#include "esperto/Campioni.h"
#include "esperto/Esperto.h"
#include "esperto/Vista.h"
#include "rules/Mano.h"
#include "rules/Scelta.h"

namespace quintello {

class Giudizio {
 public:
  // `vista` must outlive the judgement; `fiducia` as the search's.
  Giudizio(const Vista& vista, const ParametriEsperto& parametri, double fiducia = 0);

  const std::vector<Scelta>& Mosse() const { return mosse_; }
  // One deal, the other hand holding `sue`, counted `peso` times. A deal
  // that would run past the budget is dropped whole, so every play is
  // judged on the same deals.
  void Cerca(InsiemeCarte sue, double peso = 1);
  // Esperto's deals: every hand the other side may hold when there are no
  // more than `campioni`, otherwise `campioni` of them drawn from `caso`.
  void CercaAlCaso(Generatore& caso);
  // The play worth most; on ties, and when no deal was searched, the first.
  // A card that is not valid when the seat has none.
  Scelta Migliore() const;

 private:
  const Vista& vista_;
  ParametriEsperto parametri_;
  double fiducia_;
  std::vector<Scelta> mosse_;
  std::vector<double> somma_, campione_;
  long nodi_ = 0;
  // One hand for every deal: the search gives it back as it found it.
  Mano mano_;
};

}  // namespace quintello
