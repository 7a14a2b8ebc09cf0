// The order of play: start-up, the hands, the user's turn, the computer's
// turn and the pause after it, the deals within a hand and a new match.
#include "engine/Gioco.h"

#include "engine/Informazioni.h"
#include "engine/Mazzo.h"
#include "engine/StatusBar.h"
#include "rules/Giocata.h"
#include "rules/ProponiPresa.h"
#include "rules/SceltaComputer.h"
#include "scoring/FineMano.h"
#include "scoring/Obiettivo.h"
#include "scoring/SalvataggioPartita.h"

namespace quintello {

namespace {

void AbilitaMano(Finestra& finestra, bool abilitata) {
  for (int i = 0; i < kPostiMano; ++i) finestra.AbilitaUser(i, abilitata);
}

void NascondiCornici(Finestra& finestra) {
  finestra.ShapeTerraInvisibili();
  finestra.ShapeUserInvisibili();
}

}  // namespace

Gioco::Gioco(Finestra& f, uint64_t semeCasuale) : finestra(f), caso(semeCasuale) {}

void Gioco::Form_Load() {
  finestra.ShapeUserInvisibili();
  finestra.ShapeTerraInvisibili();
  stato.cartaselezionata = -1;
  stato.puntivittoria = kPuntiVittoriaIniziali;
  stato.mazziere = SorteggiaMazziere(caso);
  NuovaPartita();
}

void Gioco::NuovaPartita() {
  AzzeraMazzo(stato.carte);
  DaiCarte();
  DaiCarteTerra(stato.carte, caso);
  finestra.ShapeUserInvisibili();
  finestra.ShapeTerraInvisibili();
  Ridisegna();
  stato.indicepresa = 0;
  stato.mazziere = CambiaMazziere(stato.mazziere);
  CalcolaCombinazioni(stato.carte, combinazioni);
  const bool utenteDa = stato.mazziere != 0;
  finestra.MsgBox({.testo = utenteDa ? "Sarai tu a dare carte" : "Darà carte il computer"});
  finestra.MostraBottone(utenteDa ? Bottone::GiocaUtente : Bottone::Procedi, false);
  finestra.MostraBottone(utenteDa ? Bottone::Procedi : Bottone::GiocaUtente, true);
  if (stato.mazziere == 1) {
    AbilitaMano(finestra, false);
    GiocaComputer();
  } else {
    AbilitaMano(finestra, true);
    user_Click(0);
  }
  AggiornaStatusBar();
}

void Gioco::NuovaPartitaDaCapo() {
  stato.punteggiopc = 0;
  stato.punteggiouser = 0;
  stato.mazziere = SorteggiaMazziere(caso);
  NuovaPartita();
}

void Gioco::DaiCarte() {
  quintello::DaiCarte(stato.carte, caso);
  Ridisegna();
}

void Gioco::user_Click(int indice) {
  if (indice < 0 || indice >= kPostiMano) return;
  finestra.ShapeUserInvisibili();
  finestra.ShapeTerraInvisibili();
  finestra.MostraShape2(indice, true);
  if (indice != stato.cartaselezionata) stato.indicepresa = 0;
  stato.cartaselezionata = static_cast<int16_t>(indice);
  const Carta carta = stato.SlotUtente(indice);
  ProponiPresa(*this, carta.valore, carta.seme);
}

void Gioco::giocatautente_Click() {
  const int slot = stato.cartaselezionata;
  // Only a damaged saved game could leave no card selected here.
  if (slot < 0 || slot >= kPostiMano || !stato.SlotUtente(slot).valida()) return;
  const Carta giocata = stato.SlotUtente(slot);
  ApplicaGiocata(stato, giocata, stato.presautente, Giocatore::Utente);
  finestra.AnnunciaGiocata(Giocatore::Utente, giocata, stato.presautente,
                           stato.carte[giocata] == ScopaUtente);
  Ridisegna();
  AggiornaStatusBar();
  CalcolaCombinazioni(stato.carte, combinazioni);
  const bool manoVuota = stato.carte.Conta(ManoUtente) == 0;
  const bool mazzoVuoto = stato.carte.Conta(Mazzo) == 0;
  finestra.MostraBottone(Bottone::GiocaUtente, false);
  NascondiCornici(finestra);
  if (stato.mazziere == 1 && manoVuota) {
    if (mazzoVuoto) {
      FineMano(*this);
      return;
    }
    DaiCarte();
  }
  GiocaComputer();
}

void Gioco::procedi_Click() {
  AbilitaMano(finestra, true);
  const bool manoVuota = stato.carte.Conta(ManoUtente) == 0;
  const bool mazzoVuoto = stato.carte.Conta(Mazzo) == 0;
  CalcolaCombinazioni(stato.carte, combinazioni);
  finestra.MostraBottone(Bottone::Procedi, false);
  if (stato.mazziere == 0 && manoVuota) {
    if (mazzoVuoto) {
      FineMano(*this);
      return;
    }
    DaiCarte();
  }
  AggiornaStatusBar();
  Ridisegna();
  finestra.MostraBottone(Bottone::GiocaUtente, true);
  NascondiCornici(finestra);
  // A new selection of the first card, so the proposals start from the first.
  stato.cartaselezionata = 1;
  user_Click(0);
}

void Gioco::GiocaComputer() {
  Ridisegna();
  const std::optional<Scelta> scelta = SceltaComputer(stato.carte);
  // Only a damaged saved game leaves the computer nothing to play.
  if (scelta) {
    finestra.DisegnaCartePC(scelta->carta, 0);
    IncorniciaPresa(*this, scelta->presa);
    ApplicaGiocata(stato, scelta->carta, scelta->presa, Giocatore::PC);
    finestra.AnnunciaGiocata(Giocatore::PC, scelta->carta, scelta->presa,
                             stato.carte[scelta->carta] == ScopaPC);
  }
  finestra.ShapeUserInvisibili();
  AbilitaMano(finestra, false);
  finestra.MostraBottone(Bottone::Procedi, true);
}

void Gioco::newpart_Click() {
  const Risposta risposta =
      finestra.MsgBox({.testo = "Sei sicuro di voler interrompere la partita in corso?",
                       .titolo = "Sicuro?",
                       .pulsanti = Pulsanti::SiNo});
  if (risposta != Risposta::No) NuovaPartitaDaCapo();
}

void Gioco::salva_Click() {
  SalvaPartita(*this);
}
void Gioco::carica_Click() {
  CaricaPartita(*this);
}
void Gioco::esci_Click() {
  finestra.Chiudi();
}

void Gioco::sette_Click() {
  ImpostaPuntiVittoria(*this, 7);
}
void Gioco::undici_Click() {
  ImpostaPuntiVittoria(*this, 11);
}
void Gioco::sedici_Click() {
  ImpostaPuntiVittoria(*this, 16);
}
void Gioco::ventuno_Click() {
  ImpostaPuntiVittoria(*this, 21);
}

void Gioco::Info_Click() {
  finestra.MsgBox({.testo = std::string(kVersione) + "\r\n\r\nby " + kNomeAutore + "\r\n" +
                            kPostaAutore + "\r\n" + kSitoAutore,
                   .titolo = "Informazioni",
                   .icona = Icona::Informazione});
}

void Gioco::FaiDonazione() {
  finestra.LaunchBrowser(kIndirizzoDonazione);
}

bool Gioco::UserCliccabile(int indice) const {
  return indice >= 0 && indice < kPostiMano && finestra.Flag().user[indice] &&
         indice < stato.carte.Conta(ManoUtente);
}

void Gioco::Ridisegna() {
  int nuser = 0;
  stato.carte.PerOgniCarta([&](Carta c, int16_t luogo) {
    // Only the three hand places have a slot; a damaged game may hold more.
    if (luogo != ManoUtente || nuser >= kPostiMano) return;
    stato.manoutentevalore[nuser] = c.valore;
    stato.manoutenteseme[nuser] = c.seme;
    ++nuser;
  });
  stato.manoutentevalore[nuser] = kSlotVuoto;
  stato.manoutenteseme[nuser] = kSlotVuoto;
  finestra.Ridisegna(stato.carte);
}

void Gioco::AggiornaStatusBar() {
  finestra.AggiornaStatusBar(TestoStatusBar(stato));
}

}  // namespace quintello
