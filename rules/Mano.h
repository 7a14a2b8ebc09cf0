// One hand of scopa as a value: where every card is, who is to play, what
// each play took. Every player, tool and test moves a hand forward through
// it: the legal plays for the side to move, applying one, the deals, the end
// of the hand. The count of a finished hand is the scoring's.
#pragma once

#include <array>
#include <vector>

#include "engine/Carte.h"
#include "engine/Generatore.h"
#include "engine/Giocatore.h"
#include "engine/InsiemeCarte.h"
#include "rules/Combinazioni.h"
#include "rules/Scelta.h"

namespace quintello {

// A play as the hand's history keeps it.
struct Giocata {
  Giocatore chi = Giocatore::PC;
  Scelta scelta;
  bool scopa = false;
  Giocatore ultimaPresaPrima = Giocatore::PC;  // to take the play back
  bool operator==(const Giocata&) const = default;
};

class Mano {
 public:
  // Before the deal: every card in the deck. The house rules hold for the
  // whole hand.
  explicit Mano(Giocatore mazziere = Giocatore::PC, Giocatore ultimaPresa = Giocatore::PC,
                const Regole& regole = {});
  // The hand the location table shows, with an empty history. Cards with a
  // code the table does not know are left out.
  static Mano DaLuoghi(const Carte& carte, Giocatore mazziere, Giocatore ultimaPresa,
                       Giocatore turno, const Regole& regole = {});
  // The location table of the hand: sweep cards apart from the other captures.
  Carte Luoghi() const;

  // Three cards to the computer, then three to the user; the side that does
  // not deal opens every deal.
  void DaiCarte(Generatore& caso);
  // The four cards face up of the opening table.
  void DaiCarteTerra(Generatore& caso);
  // The start of a hand: the hands dealt, then the opening table.
  void DaiPrimaSmazzata(Generatore& caso) {
    DaiCarte(caso);
    DaiCarteTerra(caso);
  }
  // Both hands played out: the end of a deal.
  bool SmazzataFinita() const { return mani_[0].Vuoto() && mani_[1].Vuoto(); }
  // The end of a deal with cards left to deal.
  bool DaDare() const { return SmazzataFinita() && !mazzo_.Vuoto(); }
  // Nothing left to deal or to play: the end of the hand.
  bool Finita() const { return SmazzataFinita() && mazzo_.Vuoto(); }

  // Every play the rules allow the side: for each of its cards in card
  // order, its captures in the order they are offered, or laying it when it
  // has none. `f` returns false to stop the walk.
  template <typename F>
  void PerOgniMossa(Giocatore chi, F&& f) const {
    ElencoPrese prese;
    for (Carta carta : CarteIn(chi)) {
      PreseDi(terra_, carta.valore, regole_, prese);
      if (prese.Vuoto() && !f(Scelta{carta, {}})) return;
      for (InsiemeCarte presa : prese)
        if (!f(Scelta{carta, presa})) return;
    }
  }
  std::vector<Scelta> MosseLegali(Giocatore chi) const;
  std::vector<Scelta> MosseLegali() const { return MosseLegali(turno_); }
  bool Legale(Giocatore chi, const Scelta& scelta) const;

  // A card laid goes to the table. A capture takes the card and the cards
  // taken to the side's pile, makes it the last capturer, and when it leaves
  // the table empty it is a sweep (the ace that takes all only when the rules
  // say so). The turn passes to the other side while it holds cards.
  // The history records every play.
  void Applica(Giocatore chi, const Scelta& scelta) { storia_.push_back(Gioca(chi, scelta)); }
  void Applica(const Scelta& scelta) { Applica(turno_, scelta); }
  // Takes back the last play, which must have been one the rules allow.
  void Annulla() {
    const Giocata giocata = storia_.back();
    storia_.pop_back();
    Annulla(giocata);
  }
  // The same without the history, for a search that takes every play back:
  // the play made, and taking back the play `Gioca` returned.
  Giocata Gioca(Giocatore chi, const Scelta& scelta);
  void Annulla(const Giocata& giocata);
  // At the end of the hand the cards left on the table go to the side that
  // captured last; they never count as a sweep.
  void TerraAllUltimaPresa();
  // A side's pile as it stands once the table has gone to the last capturer.
  InsiemeCarte PreseFinali(Giocatore chi) const {
    return chi == ultimaPresa_ ? prese_[Indice(chi)] | terra_ : prese_[Indice(chi)];
  }

  const Regole& RegoleInVigore() const { return regole_; }
  Giocatore Turno() const { return turno_; }
  Giocatore Mazziere() const { return mazziere_; }
  Giocatore UltimaPresa() const { return ultimaPresa_; }
  InsiemeCarte CarteIn(Giocatore chi) const { return mani_[Indice(chi)]; }
  InsiemeCarte Terra() const { return terra_; }
  InsiemeCarte Mazzo() const { return mazzo_; }
  // What a side captured, its sweep cards included, and its sweep cards.
  InsiemeCarte Prese(Giocatore chi) const { return prese_[Indice(chi)]; }
  InsiemeCarte Scope(Giocatore chi) const { return scope_[Indice(chi)]; }
  const std::vector<Giocata>& Storia() const { return storia_; }
  bool operator==(const Mano&) const = default;

  // For a side's view of the hand: the cards it cannot see dealt out again.
  void ImpostaCarte(Giocatore chi, InsiemeCarte carte) { mani_[Indice(chi)] = carte; }
  void ImpostaMazzo(InsiemeCarte mazzo) { mazzo_ = mazzo; }
  void ImpostaTurno(Giocatore chi) { turno_ = chi; }

 private:
  std::array<InsiemeCarte, kGiocatori> mani_;
  std::array<InsiemeCarte, kGiocatori> prese_;
  std::array<InsiemeCarte, kGiocatori> scope_;
  InsiemeCarte terra_;
  InsiemeCarte mazzo_ = InsiemeCarte::Tutte();
  Giocatore mazziere_;
  Giocatore ultimaPresa_;
  Giocatore turno_;
  Regole regole_;
  std::vector<Giocata> storia_;
};

// Inline: the search makes and takes back a play at every position it visits.
inline Giocata Mano::Gioca(Giocatore chi, const Scelta& scelta) {
  const int i = Indice(chi);
  const InsiemeCarte carta(scelta.carta);
  Giocata giocata{chi, scelta, false, ultimaPresa_};
  mani_[i] -= carta;
  if (scelta.presa.Vuoto()) {
    terra_ |= carta;
  } else {
    const bool tutta = PigliaTutto(regole_, terra_, scelta.carta.valore);
    terra_ -= scelta.presa;
    prese_[i] |= scelta.presa | carta;
    ultimaPresa_ = chi;
    giocata.scopa = terra_.Vuoto() && (!tutta || regole_.assoScopa);
    if (giocata.scopa) scope_[i] |= carta;
  }
  if (!mani_[Indice(Altro(chi))].Vuoto()) turno_ = Altro(chi);
  return giocata;
}

inline void Mano::Annulla(const Giocata& g) {
  const int i = Indice(g.chi);
  const InsiemeCarte carta(g.scelta.carta);
  mani_[i] |= carta;
  if (g.scelta.presa.Vuoto()) {
    terra_ -= carta;
  } else {
    terra_ |= g.scelta.presa;
    prese_[i] -= g.scelta.presa | carta;
    scope_[i] -= carta;
  }
  ultimaPresa_ = g.ultimaPresaPrima;
  turno_ = g.chi;
}

// Plays the hand to its end: the deals drawn from `mazzo`, every play chosen
// by `scegli(mano)` for the side to move. The table is left where it lies.
template <typename Scegli>
void GiocaMano(Mano& mano, Generatore& mazzo, Scegli&& scegli) {
  while (!mano.Finita()) {
    if (mano.DaDare()) {
      mano.DaiCarte(mazzo);
      continue;
    }
    mano.Applica(scegli(static_cast<const Mano&>(mano)));
  }
}

}  // namespace quintello
