#include "Giocatori.h"

#include "rules/SceltaComputer.h"
#include "rules/SceltaPrincipiante.h"

namespace quintello::arena {

namespace {

Scelta Classico(const Mano& mano, Generatore&) {
  const auto scelta = SceltaComputer(mano.CarteIn(mano.Turno()), mano.Terra(), mano.RegoleInVigore());
  return scelta ? *scelta : Scelta{};
}

// What a capture is worth right now: a sweep over the settebello over coins
// and primiera cards over the count of cards.
int Valore(const Mano& mano, const Scelta& s) {
  int valore = 0;
  for (Carta c : s.presa | s.carta) {
    if (c == kSettebello) valore += 1000;
    if (c.seme == Denari) valore += 20;
    if (c.valore == 7) valore += 20;
    if (c.valore == 6 || c.valore == 1) valore += 10;
  }
  if (s.presa == mano.Terra()) valore += 10000;
  return valore + (s.presa | s.carta).Quante();
}

Scelta Avido(const Mano& mano, Generatore&) {
  Scelta migliore;
  int valoreMigliore = -1;
  Scelta piuBassa;
  for (const Scelta& s : mano.MosseLegali()) {
    if (s.presa.Vuoto()) {
      if (!piuBassa.carta.valida() || s.carta.valore < piuBassa.carta.valore) piuBassa = s;
      continue;
    }
    const int v = Valore(mano, s);
    if (v > valoreMigliore) {
      valoreMigliore = v;
      migliore = s;
    }
  }
  return valoreMigliore >= 0 ? migliore : piuBassa;
}

Scelta Casuale(const Mano& mano, Generatore& caso) {
  const std::vector<Scelta> mosse = mano.MosseLegali();
  if (mosse.empty()) return {};
  return mosse[caso.ParteIntera(static_cast<int>(mosse.size()))];
}

}  // namespace

Strategia StrategiaDi(const std::string& nome, const ParametriEsperto& esperto,
                      const ParametriCampione& campione, const std::string& avversario) {
  if (nome == "principiante") {
    return [](const Mano& mano, Generatore& caso) {
      return SceltaPrincipiante(mano, mano.Turno(), caso);
    };
  }
  if (nome == "classico") return Classico;
  if (nome == "esperto") {
    return [esperto](const Mano& mano, Generatore& caso) {
      return ScegliEsperto(VistaDi(mano, mano.Turno()), caso, esperto);
    };
  }
  if (nome == "campione") {
    const Modello modello = avversario == "classico" ? Modello::Classico : Modello::Umano;
    return [campione, modello](const Mano& mano, Generatore& caso) {
      return ScegliCampione(VistaDi(mano, mano.Turno()), modello, caso, campione);
    };
  }
  if (nome == "avido") return Avido;
  if (nome == "casuale") return Casuale;
  return {};
}

}  // namespace quintello::arena
