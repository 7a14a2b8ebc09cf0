#include "esperto/Ricerca.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace quintello::esperto {

namespace {

struct VocePrimiera {
  int valore;
  int punti;
};
// The game's primiera: per suit, the first card held in this order counts.
constexpr std::array<VocePrimiera, kValori> kOrdinePrimiera{
    {{7, 21}, {6, 18}, {1, 16}, {5, 15}, {4, 14}, {3, 13}, {2, 12}, {8, 10}, {9, 10}, {10, 10}}};

int Primiera(Maschera m) {
  int somma = 0;
  for (int s = 0; s < kSemi; ++s) {
    for (const VocePrimiera& voce : kOrdinePrimiera) {
      if (m & Bit((voce.valore - 1) * kSemi + s)) {
        somma += voce.punti;
        break;
      }
    }
  }
  return somma;
}

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

double PrimieraAttesa(Maschera mie, Maschera sue) {
  double differenza = 0;
  for (int s = 0; s < kSemi; ++s) {
    double mia = 0, sua = 0, nessunaMia = 1, nessunaSua = 1;
    for (const VocePrimiera& voce : kOrdinePrimiera) {
      const Maschera b = Bit((voce.valore - 1) * kSemi + s);
      if (mie & b) {
        mia += nessunaMia * voce.punti;
        nessunaMia = 0;
      } else if (sue & b) {
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

int SommaValori(Maschera m) {
  int somma = 0;
  for (; m != 0; m &= m - 1) somma += ValoreDi(Prima(m));
  return somma;
}

// Chance that three cards drawn from `n` include one of `buone`.
double AlmenoUna(int n, int buone) {
  if (n < 3 || buone == 0) return buone > 0 ? 1.0 : 0.0;
  const double nessuna =
      double(n - buone) * (n - buone - 1) * (n - buone - 2) / (double(n) * (n - 1) * (n - 2));
  return 1 - std::max(0.0, nessuna);
}

}  // namespace

int DifferenzaFinale(const Posizione& p) {
  Maschera prese[2] = {p.prese[0], p.prese[1]};
  prese[p.ultimo] |= p.terra;
  int d = p.scope[0] - p.scope[1];
  d += Confronta(Quante(prese[0]), Quante(prese[1]));
  d += Confronta(Quante(prese[0] & kDenari), Quante(prese[1] & kDenari));
  d += (prese[0] & kBitSettebello) ? 1 : 0;
  d -= (prese[1] & kBitSettebello) ? 1 : 0;
  d += Confronta(Primiera(prese[0]), Primiera(prese[1]));
  return d;
}

double Stima(const Posizione& p, Maschera mazzo, int prossimo) {
  const Tabelle& t = Tab();
  double v = p.scope[0] - p.scope[1];
  if (p.prese[0] & kBitSettebello) v += 1;
  if (p.prese[1] & kBitSettebello) v -= 1;
  v += t.carte[Quante(p.prese[0])][Quante(p.prese[1])];
  v += t.ori[Quante(p.prese[0] & kDenari)][Quante(p.prese[1] & kDenari)];
  v += PrimieraAttesa(p.prese[0], p.prese[1]);
  // A table that adds up to ten or less is swept by whoever opens the next
  // deal with a card of that value.
  if (p.terra != 0) {
    const int somma = SommaValori(p.terra);
    if (somma <= kValori) {
      const double scopa = AlmenoUna(Quante(mazzo), Quante(mazzo & DelValore(somma)));
      v += prossimo == 0 ? scopa : -scopa;
    }
  }
  return v;
}

double Ricerca::Foglia(const Posizione& p) const {
  Maschera mazzo = mazzo_;
  for (int i = 0; i < p.smazzate; ++i) mazzo &= ~(seguenti_[i].mano[0] | seguenti_[i].mano[1]);
  if (mazzo == 0) return DifferenzaFinale(p);
  return Stima(p, mazzo, prossimo_);
}

double Ricerca::Negamax(const Posizione& p, int lato, double alfa, double beta) {
  if (++nodi > limite) interrotta = true;
  if (interrotta) return 0;
  if (p.mano[lato] == 0) {
    if (p.mano[1 - lato] != 0) return -Negamax(p, 1 - lato, -beta, -alfa);
    if (p.smazzate < static_cast<int>(seguenti_.size())) {
      // The next deal of the sample; the side that does not deal opens it.
      Posizione q = p;
      q.mano[0] = seguenti_[p.smazzate].mano[0];
      q.mano[1] = seguenti_[p.smazzate].mano[1];
      ++q.smazzate;
      const double v =
          Negamax(q, prossimo_, lato == prossimo_ ? alfa : -beta, lato == prossimo_ ? beta : -alfa);
      return lato == prossimo_ ? v : -v;
    }
    return lato == 0 ? Foglia(p) : -Foglia(p);
  }
  double migliore = -std::numeric_limits<double>::infinity();
  ElencoPrese elenco;
  for (Maschera m = p.mano[lato]; m != 0; m &= m - 1) {
    const int carta = Prima(m);
    PreseDi(p.terra, ValoreDi(carta), elenco);
    for (int k = 0; k < std::max(elenco.n, 1); ++k) {
      Posizione q = p;
      Applica(q, lato, carta, elenco.n ? elenco.prese[k] : 0);
      const double v = -Negamax(q, 1 - lato, -beta, -alfa);
      if (v > migliore) {
        migliore = v;
        if (v > alfa) alfa = v;
        if (alfa >= beta || interrotta) return migliore;
      }
    }
  }
  return migliore;
}

}  // namespace quintello::esperto
