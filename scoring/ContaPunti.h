// The count at the end of a hand: cards, coins, sweeps, settebello, primiera.
#pragma once

#include <cstdint>
#include <string>

#include "engine/Carte.h"

namespace quintello {

int ContaCartePC(const Carte& carte);
int ContaCarteUtente(const Carte& carte);
int ContaOriPC(const Carte& carte);
int ContaOriUtente(const Carte& carte);
int ContaScopePC(const Carte& carte);
int ContaScopeUtente(const Carte& carte);
// 1 when the computer took the settebello, 2 when the user did, 0 otherwise.
int SetteDenari(const Carte& carte);
int PrimieraPC(const Carte& carte);
int PrimieraUtente(const Carte& carte);

struct PuntiMano {
  int pc = 0;
  int utente = 0;
};

// The points each side made in the hand as `carte` now stands.
PuntiMano PuntiDellaMano(const Carte& carte);

// The count's message; the match scores are the ones with this hand added.
std::string TestoPunti(const Carte& carte, PuntiMano mano, int punteggiopc, int punteggiouser);

// A match score with a hand's points added, held within 16 bits.
int16_t Somma16(int16_t punteggio, int aggiunta);

}  // namespace quintello
