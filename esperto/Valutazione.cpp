#include "esperto/Valutazione.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "scoring/ContaPunti.h"

namespace quintello {

namespace {

int Confronta(int mio, int suo) {
  return (mio > suo) - (suo > mio);
}

// Spread of how the still open cards split, wider than independent cards
// because they are taken in groups.
constexpr double kDispersione = 1.3;

double Normale(double x) {
  return 0.5 * std::erfc(-x / std::sqrt(2.0));
}

// Chance of having more than half of `totale` cards minus the chance of the
// other side having it, with `a` and `b` already taken.
double Maggioranza(int a, int b, int totale) {
  const int restano = totale - a - b;
  const int soglia = totale / 2 + 1;
  if (restano <= 0) return Confronta(a, b);
  const double media = restano / 2.0;
  const double sd = kDispersione * std::sqrt(restano) / 2;
  const double vinco = 1 - Normale((soglia - a - 0.5 - media) / sd);
  const double perdo = 1 - Normale((soglia - b - 0.5 - media) / sd);
  return vinco - perdo;
}

struct Tabelle {
  std::array<std::array<double, kCarteMazzo + 1>, kCarteMazzo + 1> carte{};
  std::array<std::array<double, kValori + 1>, kValori + 1> ori{};
  Tabelle() {
    for (int a = 0; a <= kCarteMazzo; ++a)
      for (int b = 0; a + b <= kCarteMazzo; ++b) carte[a][b] = Maggioranza(a, b, kCarteMazzo);
    for (int a = 0; a <= kValori; ++a)
      for (int b = 0; a + b <= kValori; ++b) ori[a][b] = Maggioranza(a, b, kValori);
  }
};

const Tabelle& Tab() {
  static const Tabelle tabelle;
  return tabelle;
}

// The expected primiera of each side when every open card goes to either
// side with even chance; their difference, squashed to a point either way.
constexpr double kScalaPrimiera = 8;

// The cards of each suit in the primiera's order.
constexpr std::array<std::array<InsiemeCarte, kValori>, kSemi + 1> kCartePrimiera = [] {
  std::array<std::array<InsiemeCarte, kValori>, kSemi + 1> carte{};
  for (int16_t seme = 1; seme <= kSemi; ++seme)
    for (int k = 0; k < kValori; ++k)
      carte[seme][k] = InsiemeCarte(Carta{static_cast<int16_t>(kOrdinePrimiera[k].valore), seme});
  return carte;
}();

double PrimieraAttesa(InsiemeCarte mie, InsiemeCarte sue) {
  double differenza = 0;
  for (int seme = 1; seme <= kSemi; ++seme) {
    double mia = 0, sua = 0, nessunaMia = 1, nessunaSua = 1;
    for (int k = 0; k < kValori; ++k) {
      const VocePrimiera& voce = kOrdinePrimiera[k];
      const InsiemeCarte carta = kCartePrimiera[seme][k];
      if (!(mie & carta).Vuoto()) {
        mia += nessunaMia * voce.punti;
        nessunaMia = 0;
      } else if (!(sue & carta).Vuoto()) {
        sua += nessunaSua * voce.punti;
        nessunaSua = 0;
      } else {
        mia += nessunaMia * 0.5 * voce.punti;
        sua += nessunaSua * 0.5 * voce.punti;
        nessunaMia *= 0.5;
        nessunaSua *= 0.5;
      }
    }
    differenza += mia - sua;
  }
  return std::tanh(differenza / kScalaPrimiera);
}

// Chance that three cards drawn from `n` include one of `buone`.
double AlmenoUna(int n, int buone) {
  if (n < 3 || buone == 0) return buone > 0 ? 1.0 : 0.0;
  const double nessuna =
      double(n - buone) * (n - buone - 1) * (n - buone - 2) / (double(n) * (n - 1) * (n - 2));
  return 1 - std::max(0.0, nessuna);
}

// The napola each side may expect when every open coin goes to either side
// with even chance: the ace, two and three all needed, then the run.
double NapolaAttesa(InsiemeCarte mie, InsiemeCarte sue) {
  double attesa = 0, seguito = 1;
  for (int16_t valore = 1; valore <= kValori && seguito > 0; ++valore) {
    const Carta carta{valore, Denari};
    seguito *= mie.Contiene(carta) ? 1.0 : sue.Contiene(carta) ? 0.0 : 0.5;
    if (valore == 3) attesa = 3 * seguito;
    if (valore > 3) attesa += seguito;
  }
  return attesa;
}

}  // namespace

InsiemeCarte CheSpazzano(const Mano& mano) {
  const InsiemeCarte terra = mano.Terra();
  InsiemeCarte buone;
  const int somma = terra.SommaValori();
  if (somma <= kValori) buone = InsiemeCarte::DelValore(somma);
  if (mano.RegoleInVigore().assoScopa && PigliaTutto(mano.RegoleInVigore(), terra, 1))
    buone |= InsiemeCarte::DelValore(1);
  return buone;
}

double Somma(const Parti& parti) {
  double v = 0;
  for (double parte : parti) v += parte;
  return v;
}

Parti StimaPerParti(const Mano& mano, Giocatore io) {
  const Giocatore lui = Altro(io);
  const InsiemeCarte mie = mano.Prese(io), sue = mano.Prese(lui);
  const Tabelle& t = Tab();
  const Regole& regole = mano.RegoleInVigore();
  Parti p{};
  auto parte = [&](Parte x) -> double& { return p[static_cast<int>(x)]; };
  parte(Parte::ScopeMie) = mano.Scope(io).Quante();
  parte(Parte::ScopeSue) = -mano.Scope(lui).Quante();
  auto punto = [&](Carta carta) { return double(mie.Contiene(carta)) - sue.Contiene(carta); };
  parte(Parte::Settebello) = punto(kSettebello);
  if (regole.reBello) parte(Parte::ReBello) = punto(kReBello);
  if (regole.napola) parte(Parte::Napola) = NapolaAttesa(mie, sue) - NapolaAttesa(sue, mie);
  parte(Parte::Carte) = t.carte[mie.Quante()][sue.Quante()];
  parte(Parte::Ori) = t.ori[(mie & kDenari).Quante()][(sue & kDenari).Quante()];
  parte(Parte::Primiera) = PrimieraAttesa(mie, sue);
  // A table that adds up to ten or less is swept by whoever opens the next
  // deal with a card of that value.
  const InsiemeCarte buone = mano.Terra().Vuoto() ? InsiemeCarte() : CheSpazzano(mano);
  if (!buone.Vuoto()) {
    const InsiemeCarte mazzo = mano.Mazzo();
    const double scopa = AlmenoUna(mazzo.Quante(), (mazzo & buone).Quante());
    parte(Parte::RischioScopa) = Altro(mano.Mazziere()) == io ? scopa : -scopa;
  }
  return p;
}

double Stima(const Mano& mano, Giocatore io) {
  return Somma(StimaPerParti(mano, io));
}

double StimaPrese(const Mano& mano, Giocatore io) {
  Parti parti = StimaPerParti(mano, io);
  parti[static_cast<int>(Parte::RischioScopa)] = 0;
  return Somma(parti);
}

double Valuta(const Mano& mano, Giocatore io) {
  if (!mano.Mazzo().Vuoto()) return Stima(mano, io);
  const PuntiMano punti = PuntiDellaMano(mano);
  return punti.Di(io) - punti.Di(Altro(io));
}

// The count kind by kind on the piles as they stand, and what the table
// adds to the last capturer's.
Parti ValutaPerParti(const Mano& mano, Giocatore io) {
  if (!mano.Mazzo().Vuoto()) return StimaPerParti(mano, io);
  const Giocatore lui = Altro(io);
  const PuntiPerVoce senza = ContaPerVoce(mano, false), con = ContaPerVoce(mano, true);
  auto differenza = [&](const PuntiMano& punti) { return double(punti.Di(io) - punti.Di(lui)); };
  auto voce = [&](Voce v) { return differenza(senza[static_cast<int>(v)]); };
  Parti p{};
  auto parte = [&](Parte x) -> double& { return p[static_cast<int>(x)]; };
  parte(Parte::ScopeMie) = senza[static_cast<int>(Voce::Scope)].Di(io);
  parte(Parte::ScopeSue) = -senza[static_cast<int>(Voce::Scope)].Di(lui);
  parte(Parte::Settebello) = voce(Voce::Settebello);
  parte(Parte::ReBello) = voce(Voce::ReBello);
  parte(Parte::Napola) = voce(Voce::Napola);
  parte(Parte::Carte) = voce(Voce::Carte);
  parte(Parte::Ori) = voce(Voce::Ori);
  parte(Parte::Primiera) = voce(Voce::Primiera);
  double tutte = 0;
  for (int v = 0; v < kVoci; ++v) tutte += differenza(con[v]) - differenza(senza[v]);
  parte(Parte::UltimaPresa) = tutte;
  return p;
}

}  // namespace quintello
