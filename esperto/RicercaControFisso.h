// The search against a player whose every play follows from its hand by a
// known rule, over many deals of the unseen cards at once. Its replies split
// the deals into groups, each agreeing with what the seat would by then have
// seen; the seat's later plays are chosen once for each group, as it will
// have to choose them, and not once for each deal as if it saw the cards.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "engine/Mazzo.h"
#include "esperto/Vista.h"
#include "rules/Mano.h"
#include "rules/Scelta.h"

namespace quintello {

class RicercaControFisso {
 public:
  // The other side of `vista` plays by the fixed computer rule.
  explicit RicercaControFisso(const Vista& vista) : vista_(vista) {}
  // One deal: the other hand holds `sue`, and the deal counts `peso`.
  void Aggiungi(InsiemeCarte sue, double peso);
  // For each of `mosse`, the seat's plays, what it is worth over all the
  // deals, both sides playing on to the end of the deal.
  std::vector<double> Valori(const std::vector<Scelta>& mosse);
  // The plays made so far over all the deals together: the work done.
  long Giocate() const { return giocate_; }

 private:
  // The value for the seat of the deals in `gruppo`, all at the same point,
  // `livello` plays into the search.
  double Valore(std::span<const int> gruppo, int livello);
  double Dopo(std::span<const int> gruppo, const Scelta& scelta, int livello);

  const Vista& vista_;
  long giocate_ = 0;
  std::vector<Mano> mani_;
  std::vector<double> pesi_;
  // Room for each level of the search, kept from one position to the next:
  // the plays to take back, and the deals in the order of the replies.
  struct Livello {
    std::vector<Giocata> giocate;
    std::vector<std::pair<Scelta, int>> risposte;
    std::vector<int> gruppi;
  };
  std::array<Livello, 2 * kCarteMano + 1> livelli_;
};

}  // namespace quintello
