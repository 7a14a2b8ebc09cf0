#include "scoring/ContaPunti.h"

#include <algorithm>
#include <limits>

#include "engine/NumeroTesto.h"

namespace quintello {

namespace {

constexpr const char* kAcapo = "\r\n";

std::string Riga(const char* testa, int pc, int utente) {
  return std::string(testa) + "PC=" + NumeroTesto(pc) + " USER=" + NumeroTesto(utente);
}

}  // namespace

int Primiera(InsiemeCarte prese) {
  int somma = 0;
  for (int seme = 1; seme <= kSemi; ++seme) {
    for (const VocePrimiera& voce : kOrdinePrimiera) {
      if (prese.Contiene(Carta{static_cast<int16_t>(voce.valore), static_cast<int16_t>(seme)})) {
        somma += voce.punti;
        break;
      }
    }
  }
  return somma;
}

int ContaCarte(const Mano& mano, Giocatore chi) {
  return mano.PreseFinali(chi).Quante();
}
int ContaOri(const Mano& mano, Giocatore chi) {
  return (mano.PreseFinali(chi) & kDenari).Quante();
}
int ContaScope(const Mano& mano, Giocatore chi) {
  return mano.Scope(chi).Quante();
}
int PrimieraDi(const Mano& mano, Giocatore chi) {
  return Primiera(mano.PreseFinali(chi));
}

int PresaDa(const Mano& mano, Carta carta) {
  if (mano.PreseFinali(Giocatore::PC).Contiene(carta)) return 1;
  if (mano.PreseFinali(Giocatore::Utente).Contiene(carta)) return 2;
  return 0;
}

int Napola(InsiemeCarte prese) {
  int seguito = 0;
  while (seguito < kValori && prese.Contiene(Carta{static_cast<int16_t>(seguito + 1), Denari}))
    ++seguito;
  return seguito >= 3 ? seguito : 0;
}

int NapolaDi(const Mano& mano, Giocatore chi) {
  return mano.RegoleInVigore().napola ? Napola(mano.PreseFinali(chi)) : 0;
}

int16_t Somma16(int16_t punteggio, int aggiunta) {
  const int somma = punteggio + aggiunta;
  return static_cast<int16_t>(std::clamp(somma, int{std::numeric_limits<int16_t>::min()},
                                         int{std::numeric_limits<int16_t>::max()}));
}

PuntiPerVoce ContaPerVoce(const Mano& mano, bool conTerra) {
  const Regole& regole = mano.RegoleInVigore();
  auto pila = [&](Giocatore chi) { return conTerra ? mano.PreseFinali(chi) : mano.Prese(chi); };
  const InsiemeCarte pc = pila(Giocatore::PC), utente = pila(Giocatore::Utente);
  PuntiPerVoce voci{};
  auto voce = [&](Voce v) -> PuntiMano& { return voci[static_cast<int>(v)]; };
  auto piuAlto = [&](Voce v, int a, int b) { voce(v) = {a > b, b > a}; };
  auto carta = [&](Voce v, Carta c) { voce(v) = {pc.Contiene(c), utente.Contiene(c)}; };
  piuAlto(Voce::Carte, pc.Quante(), utente.Quante());
  piuAlto(Voce::Ori, (pc & kDenari).Quante(), (utente & kDenari).Quante());
  voce(Voce::Scope) = {ContaScope(mano, Giocatore::PC), ContaScope(mano, Giocatore::Utente)};
  carta(Voce::Settebello, kSettebello);
  if (regole.reBello) carta(Voce::ReBello, kReBello);
  if (regole.napola) voce(Voce::Napola) = {Napola(pc), Napola(utente)};
  piuAlto(Voce::Primiera, Primiera(pc), Primiera(utente));
  return voci;
}

PuntiMano PuntiDellaMano(const Mano& mano) {
  PuntiMano punti;
  for (const PuntiMano& voce : ContaPerVoce(mano)) {
    punti.pc += voce.pc;
    punti.utente += voce.utente;
  }
  return punti;
}

std::string TestoPunti(const Mano& mano, PuntiMano punti, int punteggiopc, int punteggiouser) {
  auto riga = [&](const char* testa, auto conta) {
    return kAcapo + Riga(testa, conta(mano, Giocatore::PC), conta(mano, Giocatore::Utente));
  };
  std::string testo = "Punteggio di questa partita: ";
  testo += riga("Carte: ", ContaCarte);
  testo += riga("Carte d'oro: ", ContaOri);
  auto presa = [&](const char* nome, Carta c) {
    if (PresaDa(mano, c) == 1) testo += kAcapo + std::string(nome) + " preso dal PC";
    if (PresaDa(mano, c) == 2) testo += kAcapo + std::string(nome) + " preso da USER";
  };
  presa("Sette di denari", kSettebello);
  if (mano.RegoleInVigore().reBello) presa("Re bello", kReBello);
  if (mano.RegoleInVigore().napola) testo += riga("Napola: ", NapolaDi);
  testo += riga("Primiera: ", PrimieraDi);
  testo += riga("Scope: ", ContaScope);
  testo += kAcapo;
  testo += kAcapo + Riga("Totale di questa mano: ", punti.pc, punti.utente);
  testo += kAcapo + Riga("Punteggio complessivo: ", punteggiopc, punteggiouser);
  return testo;
}

}  // namespace quintello
