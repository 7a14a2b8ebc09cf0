#include "rules/Mano.h"

#include "engine/Mazzo.h"

namespace quintello {

namespace {

Luogo LuogoMano(Giocatore chi) {
  return chi == Giocatore::PC ? ManoPC : ManoUtente;
}
Luogo LuogoPresa(Giocatore chi) {
  return chi == Giocatore::PC ? PresaPC : PresaUtente;
}
Luogo LuogoScopa(Giocatore chi) {
  return chi == Giocatore::PC ? ScopaPC : ScopaUtente;
}

}  // namespace

Mano::Mano(Giocatore mazziere, Giocatore ultimaPresa, const Regole& regole)
    : mazziere_(mazziere),
      ultimaPresa_(ultimaPresa),
      turno_(Altro(mazziere)),
      regole_(regole.InVigore()) {}

Mano Mano::DaLuoghi(const Carte& carte, Giocatore mazziere, Giocatore ultimaPresa,
                    Giocatore turno, const Regole& regole) {
  Mano m(mazziere, ultimaPresa, regole);
  m.turno_ = turno;
  for (Giocatore chi : {Giocatore::PC, Giocatore::Utente}) {
    const int i = Indice(chi);
    m.mani_[i] = carte.Insieme(LuogoMano(chi));
    m.scope_[i] = carte.Insieme(LuogoScopa(chi));
    m.prese_[i] = carte.Insieme(LuogoPresa(chi)) | m.scope_[i];
  }
  m.terra_ = carte.Insieme(quintello::Terra);
  m.mazzo_ = carte.Insieme(quintello::Mazzo);
  return m;
}

Carte Mano::Luoghi() const {
  Carte carte;
  for (Giocatore chi : {Giocatore::PC, Giocatore::Utente}) {
    const int i = Indice(chi);
    for (Carta c : mani_[i]) carte[c] = LuogoMano(chi);
    for (Carta c : prese_[i]) carte[c] = LuogoPresa(chi);
    for (Carta c : scope_[i]) carte[c] = LuogoScopa(chi);
  }
  for (Carta c : terra_) carte[c] = quintello::Terra;
  return carte;
}

void Mano::DaiCarte(Generatore& caso) {
  for (Giocatore chi : {Giocatore::PC, Giocatore::Utente})
    for (int i = 0; i < kCarteMano; ++i)
      if (const auto carta = PescaCarta(mazzo_, caso)) mani_[Indice(chi)] |= *carta;
  turno_ = Altro(mazziere_);
}

void Mano::DaiCarteTerra(Generatore& caso) {
  for (int i = 0; i < kCarteTerraIniziali; ++i)
    if (const auto carta = PescaCarta(mazzo_, caso)) terra_ |= *carta;
}

std::vector<Scelta> Mano::MosseLegali(Giocatore chi) const {
  std::vector<Scelta> mosse;
  PerOgniMossa(chi, [&](const Scelta& s) {
    mosse.push_back(s);
    return true;
  });
  return mosse;
}

bool Mano::Legale(Giocatore chi, const Scelta& scelta) const {
  bool legale = false;
  PerOgniMossa(chi, [&](const Scelta& s) {
    legale = s == scelta;
    return !legale;
  });
  return legale;
}

void Mano::TerraAllUltimaPresa() {
  prese_[Indice(ultimaPresa_)] = PreseFinali(ultimaPresa_);
  terra_ = {};
}

}  // namespace quintello
