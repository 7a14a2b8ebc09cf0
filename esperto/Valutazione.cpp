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

}  // namespace

double Stima(const Mano& mano, Giocatore io) {
  const Giocatore lui = Altro(io);
  const InsiemeCarte mie = mano.Prese(io), sue = mano.Prese(lui);
  const Tabelle& t = Tab();
  double v = mano.Scope(io).Quante() - mano.Scope(lui).Quante();
  if (mie.Contiene(kSettebello)) v += 1;
  if (sue.Contiene(kSettebello)) v -= 1;
  v += t.carte[mie.Quante()][sue.Quante()];
  v += t.ori[(mie & kDenari).Quante()][(sue & kDenari).Quante()];
  v += PrimieraAttesa(mie, sue);
  // A table that adds up to ten or less is swept by whoever opens the next
  // deal with a card of that value.
  if (!mano.Terra().Vuoto()) {
    const int somma = mano.Terra().SommaValori();
    if (somma <= kValori) {
      const InsiemeCarte mazzo = mano.Mazzo();
      const double scopa =
          AlmenoUna(mazzo.Quante(), (mazzo & InsiemeCarte::DelValore(somma)).Quante());
      v += Altro(mano.Mazziere()) == io ? scopa : -scopa;
    }
  }
  return v;
}

double Valuta(const Mano& mano, Giocatore io) {
  if (!mano.Mazzo().Vuoto()) return Stima(mano, io);
  const PuntiMano punti = PuntiDellaMano(mano);
  return punti.Di(io) - punti.Di(Altro(io));
}

}  // namespace quintello
