#include "scoring/ContaPunti.h"

#include <algorithm>
#include <array>
#include <limits>

#include "engine/NumeroTesto.h"

namespace quintello {

namespace {

constexpr const char* kAcapo = "\r\n";

struct VocePrimiera {
  int valore;
  int punti;
};
// A suit is searched in this order; the first card the side holds counts.
constexpr std::array<VocePrimiera, kValori> kOrdinePrimiera{
    {{7, 21}, {6, 18}, {1, 16}, {5, 15}, {4, 14}, {3, 13}, {2, 12}, {8, 10}, {9, 10}, {10, 10}}};

template <typename Filtro>
int ContaSe(const Carte& carte, Filtro filtro) {
  int n = 0;
  carte.PerOgniCarta([&](Carta c, int16_t luogo) { n += filtro(c, luogo) ? 1 : 0; });
  return n;
}

template <typename DelGiocatore>
int Primiera(const Carte& carte, DelGiocatore suo) {
  int somma = 0;
  for (int seme = 1; seme <= kSemi; ++seme) {
    for (const VocePrimiera& voce : kOrdinePrimiera) {
      if (suo(carte(voce.valore, seme))) {
        somma += voce.punti;
        break;
      }
    }
  }
  return somma;
}

std::string Riga(const char* testa, int pc, int utente) {
  return std::string(testa) + "PC=" + NumeroTesto(pc) + " USER=" + NumeroTesto(utente);
}

}  // namespace

int ContaCartePC(const Carte& carte) {
  return ContaSe(carte, [](Carta, int l) { return DelPC(l); });
}
int ContaCarteUtente(const Carte& carte) {
  return ContaSe(carte, [](Carta, int l) { return DellUtente(l); });
}
int ContaOriPC(const Carte& carte) {
  return ContaSe(carte, [](Carta c, int l) { return c.seme == Denari && DelPC(l); });
}
int ContaOriUtente(const Carte& carte) {
  return ContaSe(carte, [](Carta c, int l) { return c.seme == Denari && DellUtente(l); });
}
int ContaScopePC(const Carte& carte) {
  return carte.Conta(ScopaPC);
}
int ContaScopeUtente(const Carte& carte) {
  return carte.Conta(ScopaUtente);
}

int SetteDenari(const Carte& carte) {
  const int luogo = carte[kSettebello];
  if (DelPC(luogo)) return 1;
  if (DellUtente(luogo)) return 2;
  return 0;
}

int PrimieraPC(const Carte& carte) {
  return Primiera(carte, DelPC);
}
int PrimieraUtente(const Carte& carte) {
  return Primiera(carte, DellUtente);
}

int16_t Somma16(int16_t punteggio, int aggiunta) {
  const int somma = punteggio + aggiunta;
  return static_cast<int16_t>(std::clamp(somma, int{std::numeric_limits<int16_t>::min()},
                                         int{std::numeric_limits<int16_t>::max()}));
}

PuntiMano PuntiDellaMano(const Carte& carte) {
  PuntiMano punti;
  auto piuAlto = [&](int pc, int utente) {
    if (pc > utente) ++punti.pc;
    if (utente > pc) ++punti.utente;
  };
  piuAlto(ContaCartePC(carte), ContaCarteUtente(carte));
  piuAlto(ContaOriPC(carte), ContaOriUtente(carte));
  punti.pc += ContaScopePC(carte);
  punti.utente += ContaScopeUtente(carte);
  if (SetteDenari(carte) == 1) ++punti.pc;
  if (SetteDenari(carte) == 2) ++punti.utente;
  piuAlto(PrimieraPC(carte), PrimieraUtente(carte));
  return punti;
}

std::string TestoPunti(const Carte& carte, PuntiMano mano, int punteggiopc, int punteggiouser) {
  std::string testo = "Punteggio di questa partita: ";
  testo += kAcapo + Riga("Carte: ", ContaCartePC(carte), ContaCarteUtente(carte));
  testo += kAcapo + Riga("Carte d'oro: ", ContaOriPC(carte), ContaOriUtente(carte));
  if (SetteDenari(carte) == 1) testo += std::string(kAcapo) + "Sette di denari preso dal PC";
  if (SetteDenari(carte) == 2) testo += std::string(kAcapo) + "Sette di denari preso da USER";
  testo += kAcapo + Riga("Primiera: ", PrimieraPC(carte), PrimieraUtente(carte));
  testo += kAcapo + Riga("Scope: ", ContaScopePC(carte), ContaScopeUtente(carte));
  testo += kAcapo;
  testo += kAcapo + Riga("Totale di questa mano: ", mano.pc, mano.utente);
  testo += kAcapo + Riga("Punteggio complessivo: ", punteggiopc, punteggiouser);
  return testo;
}

}  // namespace quintello
