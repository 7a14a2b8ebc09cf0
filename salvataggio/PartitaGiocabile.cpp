#include "salvataggio/PartitaGiocabile.h"

#include "engine/Mazzo.h"
#include "rules/Combinazioni.h"

namespace quintello {

namespace {

constexpr int kCarteDiUnGiro = 2 * kCarteMano;

bool LuoghiNoti(const Carte& carte) {
  bool noti = true;
  carte.PerOgniCarta([&](Carta, int16_t luogo) {
    noti = noti && (luogo == Mazzo || (luogo >= Terra && luogo <= ScopaUtente));
  });
  return noti;
}

// Slots up to and including the first empty one list the user's cards.
bool SlotCoerenti(const StatoPartita& stato) {
  int slot = 0;
  bool coerenti = true;
  stato.carte.PerOgniCarta([&](Carta c, int16_t luogo) {
    if (luogo != ManoUtente) return;
    coerenti = coerenti && slot < kPostiMano && stato.SlotUtente(slot) == c;
    ++slot;
  });
  if (coerenti && slot < kPostiMano)
    coerenti = stato.SlotUtente(slot) == Carta{kSlotVuoto, kSlotVuoto};
  return coerenti;
}

bool SelezioneValida(const StatoPartita& stato) {
  const int slot = stato.cartaselezionata;
  if (slot < -1 || slot >= kPostiMano) return false;
  return !stato.flag.giocatautente || (slot >= 0 && slot < stato.carte.Conta(ManoUtente));
}

// In the user's turn the proposal on show is the one the play will take: it
// must be a capture the selected card may make, or nothing when it has none.
// Any other text would move cards that are not on the table.
bool PropostaValida(const StatoPartita& stato) {
  if (!stato.flag.giocatautente) return true;
  const Carta carta = stato.SlotUtente(stato.cartaselezionata);
  ElencoPrese prese;
  PreseDi(stato.carte.Insieme(Terra), carta.valore, stato.regole, prese);
  if (prese.Vuoto()) return stato.presautente.empty();
  for (InsiemeCarte presa : prese)
    if (presa.Codici() == stato.presautente) return true;
  return false;
}

}  // namespace

bool PartitaGiocabile(const StatoPartita& stato) {
  const FlagFinestra& flag = stato.flag;
  const Carte& carte = stato.carte;
  return LuoghiNoti(carte) && carte.Conta(ManoPC) <= kPostiMano &&
         carte.Conta(ManoUtente) <= kPostiMano && carte.Conta(Terra) <= kPostiTerra &&
         SlotCoerenti(stato) && SelezioneValida(stato) &&
         (stato.mazziere == 0 || stato.mazziere == 1) && flag.giocatautente != flag.procedi &&
         carte.Conta(Mazzo) % kCarteDiUnGiro == 0 && PropostaValida(stato);
}

}  // namespace quintello
