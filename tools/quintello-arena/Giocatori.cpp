#include "Giocatori.h"

#include <utility>

#include "rules/Combinazioni.h"
#include "rules/SceltaComputer.h"

namespace quintello::arena {

namespace {

Luogo ManoDi(Giocatore posto) {
  return posto == Giocatore::PC ? ManoPC : ManoUtente;
}

// The table as the other seat sees it: hands, piles and sweep cards swapped.
Carte Specchiata(const Carte& carte) {
  Carte s = carte;
  for (int v = 1; v <= kValori; ++v) {
    for (int seme = 1; seme <= kSemi; ++seme) {
      int16_t& l = s(v, seme);
      if (l >= ManoPC && l <= ScopaUtente) l = static_cast<int16_t>(l % 2 ? l + 1 : l - 1);
    }
  }
  return s;
}

Scelta Classico(const Carte& carte, Giocatore posto, const Contesto&, Generatore&) {
  const auto scelta = SceltaComputer(posto == Giocatore::PC ? carte : Specchiata(carte));
  return scelta ? *scelta : Scelta{};
}

// What a capture is worth right now: a sweep over the settebello over coins
// and primiera cards over the count of cards.
int Valore(const Carte& carte, const Scelta& s) {
  int valore = 0;
  int prese = 0;
  auto conta = [&](Carta c) {
    ++prese;
    if (c == kSettebello) valore += 1000;
    if (c.seme == Denari) valore += 20;
    if (c.valore == 7) valore += 20;
    if (c.valore == 6 || c.valore == 1) valore += 10;
  };
  for (std::size_t k = 0; k < NumeroCodici(s.presa); ++k) conta(LeggiCarta(CodiceN(s.presa, k)));
  conta(s.carta);
  if (static_cast<int>(NumeroCodici(s.presa)) == carte.Conta(Terra)) valore += 10000;
  return valore + prese;
}

Scelta Avido(const Carte& carte, Giocatore posto, const Contesto&, Generatore&) {
  Scelta migliore;
  int valoreMigliore = -1;
  Scelta piuBassa;
  for (const Scelta& s : MosseLegali(carte, posto)) {
    if (s.presa.empty()) {
      if (!piuBassa.carta.valida() || s.carta.valore < piuBassa.carta.valore) piuBassa = s;
      continue;
    }
    const int v = Valore(carte, s);
    if (v > valoreMigliore) {
      valoreMigliore = v;
      migliore = s;
    }
  }
  return valoreMigliore >= 0 ? migliore : piuBassa;
}

Scelta Casuale(const Carte& carte, Giocatore posto, const Contesto&, Generatore& caso) {
  const std::vector<Scelta> mosse = MosseLegali(carte, posto);
  if (mosse.empty()) return {};
  return mosse[caso.ParteIntera(static_cast<int>(mosse.size()))];
}

}  // namespace

std::vector<Scelta> MosseLegali(const Carte& carte, Giocatore posto) {
  Combinazioni comb;
  CalcolaCombinazioni(carte, comb);
  std::vector<Scelta> mosse;
  carte.PerOgniCarta([&](Carta c, int16_t luogo) {
    if (luogo != ManoDi(posto)) return;
    // Each card forces its own list; a fresh copy keeps the others whole.
    Combinazioni sue = comb;
    CombinazioniObbligate(carte, sue, c.valore);
    if (sue.n[c.valore] == 0) mosse.push_back({c, ""});
    for (int k = 1; k <= sue.n[c.valore]; ++k) mosse.push_back({c, sue.Voce(c.valore, k)});
  });
  return mosse;
}

Strategia StrategiaDi(const std::string& nome, const ParametriEsperto& parametri) {
  if (nome == "classico") return Classico;
  if (nome == "esperto") {
    return [parametri](const Carte& carte, Giocatore posto, const Contesto& contesto,
                       Generatore& caso) {
      return ScegliEsperto(VistaDi(carte, posto, contesto), caso, parametri);
    };
  }
  if (nome == "avido") return Avido;
  if (nome == "casuale") return Casuale;
  return {};
}

}  // namespace quintello::arena
