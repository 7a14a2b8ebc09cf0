// The order of play: start-up, the hands, the user's turn, the computer's
// turn and the pause after it, the deals within a hand and a new match.
#include "controller/Gioco.h"

#include <optional>

#include "controller/Informazioni.h"
#include "engine/Mazzo.h"
#include "esperto/Campione.h"
#include "esperto/Esperto.h"
#include "esperto/Vista.h"
#include "rules/ProponiPresa.h"
#include "rules/SceltaComputer.h"
#include "rules/SceltaPrincipiante.h"
#include "scoring/FineMano.h"
#include "scoring/Obiettivo.h"
#include "scoring/StatusBar.h"

namespace quintello {

Gioco::Gioco(Finestra& f, uint64_t semeCasuale)
    : finestra_(f), caso_(semeCasuale), casoEsperto_(semeCasuale), semeRevisione_(semeCasuale) {}

// The first hand hides the frames and draws the table before anything shows.
void Gioco::Form_Load(int16_t puntivittoria) {
  stato_.cartaselezionata = -1;
  ImpostaPuntiVittoria(puntivittoria);
  stato_.mazziere = SorteggiaMazziere(caso_);
  NuovaPartita();
}

void Gioco::NuovaPartita() {
  stato_.mazziere = CambiaMazziere(stato_.mazziere);
  stato_.regole = regoleScelte_.InVigore();
  passi_.clear();
  mano_ = Mano(stato_.Mazziere(), stato_.UltimaPresa(), stato_.regole);
  MostraRegole();
  mano_.DaiPrimaSmazzata(caso_);
  Registra();
  ShapeUserInvisibili();
  ShapeTerraInvisibili();
  Ridisegna();
  stato_.indicepresa = 0;
  const bool utenteDa = stato_.Mazziere() == Giocatore::Utente;
  finestra_.MsgBox({.testo = utenteDa ? "Sarai tu a dare carte" : "Darà carte il computer"});
  MostraBottone(utenteDa ? Bottone::GiocaUtente : Bottone::Procedi, false);
  MostraBottone(utenteDa ? Bottone::Procedi : Bottone::GiocaUtente, true);
  if (utenteDa) {
    AbilitaMano(false);
    GiocaComputer();
  } else {
    AbilitaMano(true);
    user_Click(0);
  }
  AggiornaStatusBar();
}

void Gioco::NuovaPartitaDaCapo() {
  stato_.punteggiopc = 0;
  stato_.punteggiouser = 0;
  stato_.mazziere = SorteggiaMazziere(caso_);
  NuovaPartita();
}

void Gioco::user_Click(int indice) {
  if (indice < 0 || indice >= kPostiMano) return;
  Seleziona(indice);
}

Proposta Gioco::Seleziona(int indice) {
  ShapeUserInvisibili();
  ShapeTerraInvisibili();
  MostraShape2(indice, true);
  if (indice != stato_.cartaselezionata) stato_.indicepresa = 0;
  stato_.cartaselezionata = static_cast<int16_t>(indice);
  const Proposta proposta =
      ProponiPresa(mano_.Terra(), stato_.SlotUtente(indice).valore, stato_.indicepresa,
                   mano_.RegoleInVigore());
  stato_.indicepresa = proposta.indicepresa;
  stato_.presautente = proposta.presa.Codici();
  if (proposta.totale > 0) {
    Ridisegna();
    IncorniciaPresa(proposta.presa);
  }
  finestra_.AnnunciaProposta(indice, stato_.presautente,
                             proposta.totale > 0 ? proposta.indicepresa : 0, proposta.totale);
  return proposta;
}

void Gioco::giocatautente_Click() {
  const int slot = stato_.cartaselezionata;
  // Only a damaged saved game could leave no card selected here.
  if (slot < 0 || slot >= kPostiMano || !stato_.SlotUtente(slot).valida()) return;
  const Carta giocata = stato_.SlotUtente(slot);
  Applica(Giocatore::Utente, {giocata, InsiemeCarte::DaCodici(stato_.presautente)});
  finestra_.AnnunciaGiocata(Giocatore::Utente, giocata, stato_.presautente,
                            mano_.Storia().back().scopa);
  Ridisegna();
  AggiornaStatusBar();
  MostraBottone(Bottone::GiocaUtente, false);
  ShapeTerraInvisibili();
  ShapeUserInvisibili();
  if (FineDelGiro(Giocatore::Utente)) return;
  GiocaComputer();
}

bool Gioco::FineDelGiro(Giocatore chiHaGiocato) {
  if (stato_.Mazziere() != chiHaGiocato || !mano_.CarteIn(Giocatore::Utente).Vuoto()) return false;
  if (mano_.Mazzo().Vuoto()) {
    FineMano();
    return true;
  }
  // Drawn by what follows: the computer's turn, or the user's.
  mano_.DaiCarte(caso_);
  Registra();
  return false;
}

void Gioco::GiocaComputer() {
  Ridisegna();
  const std::optional<Scelta> scelta = SceltaAvversario();
  // Only a damaged saved game leaves the computer nothing to play.
  if (scelta) {
    finestra_.DisegnaCartePC(scelta->carta, 0);
    IncorniciaPresa(scelta->presa);
    Applica(Giocatore::PC, *scelta);
    finestra_.AnnunciaGiocata(Giocatore::PC, scelta->carta, scelta->presa.Codici(),
                              mano_.Storia().back().scopa);
  }
  ShapeUserInvisibili();
  AbilitaMano(false);
  MostraBottone(Bottone::Procedi, true);
}

std::optional<Scelta> Gioco::SceltaAvversario() {
  const InsiemeCarte mano = mano_.CarteIn(Giocatore::PC);
  if (mano.Vuoto()) return std::nullopt;
  switch (avversario_) {
    case Avversario::Principiante:
      return SceltaPrincipiante(mano_, Giocatore::PC, casoEsperto_);
    case Avversario::Classico:
      return SceltaComputer(mano, mano_.Terra(), mano_.RegoleInVigore());
    case Avversario::Esperto:
      return ScegliEsperto(VistaDi(mano_, Giocatore::PC), casoEsperto_);
    case Avversario::Campione:
      // Across the table sits a person.
      return ScegliCampione(VistaDi(mano_, Giocatore::PC), Modello::Umano, casoEsperto_);
  }
  return std::nullopt;
}

void Gioco::procedi_Click() {
  AbilitaMano(true);
  MostraBottone(Bottone::Procedi, false);
  if (FineDelGiro(Giocatore::PC)) return;
  AggiornaStatusBar();
  Ridisegna();
  MostraBottone(Bottone::GiocaUtente, true);
  ShapeTerraInvisibili();
  ShapeUserInvisibili();
  // A new selection of the first card, so the proposals start from the first.
  stato_.cartaselezionata = 1;
  user_Click(0);
}

void Gioco::FineMano() {
  manoFinita_ = std::move(passi_);
  passi_.clear();
  giocatoDopo_ = false;
  const StatoPartita prima = stato_;
  const FineDellaMano fine = quintello::FineMano(mano_, stato_);
  Registra();
  fatti_.push_back({.puntiPC = stato_.punteggiopc - prima.punteggiopc,
                    .puntiUtente = stato_.punteggiouser - prima.punteggiouser,
                    .scopePC = stato_.carte.Conta(ScopaPC),
                    .scopeUtente = stato_.carte.Conta(ScopaUtente),
                    .regole = mano_.RegoleInVigore()});
  finestra_.MsgBox({.testo = fine.conteggio, .titolo = "Punti"});
  switch (fine.esito) {
    case Esito::ProssimaMano:
      NuovaPartita();
      return;
    case Esito::Spareggio:
      finestra_.MsgBox(
          {.testo = "Situazione di parità: si disputerà mano di spareggio", .titolo = "Pareggio"});
      NuovaPartita();
      return;
    case Esito::VinceComputer:
    case Esito::NapolaComputer:
      Vincitore(Giocatore::PC, fine.esito == Esito::NapolaComputer);
      break;
    case Esito::VinceUtente:
    case Esito::NapolaUtente:
      Vincitore(Giocatore::Utente, fine.esito == Esito::NapolaUtente);
      break;
  }
  GiocaAncora();
}

// The match is over: said in its box, and noted for the record of play. A
// napola of all ten coins says why.
void Gioco::Vincitore(Giocatore chi, bool napola) {
  const bool utente = chi == Giocatore::Utente;
  fatti_.push_back(
      {.tipo = utente ? Fatto::Tipo::Vinta : Fatto::Tipo::Persa, .regole = mano_.RegoleInVigore()});
  const std::string testo = std::string(napola ? "Napola di dieci denari: questa" : "Questa") +
                            " partita la vince il " + (utente ? "giocatore" : "computer");
  finestra_.MsgBox({.testo = testo, .titolo = "Vincitore"});
}

void Gioco::GiocaAncora() {
  const Risposta risposta = finestra_.MsgBox(
      {.testo = "Vuoi giocare ancora?", .titolo = "Nuova partita", .pulsanti = Pulsanti::SiNo});
  if (risposta == Risposta::No) {
    Chiudi();
    return;
  }
  NuovaPartitaDaCapo();
}

void Gioco::newpart_Click() {
  const Risposta risposta =
      finestra_.MsgBox({.testo = "Sei sicuro di voler interrompere la partita in corso?",
                        .titolo = "Sicuro?",
                        .pulsanti = Pulsanti::SiNo});
  if (risposta == Risposta::No) return;
  fatti_.push_back({.tipo = Fatto::Tipo::Abbandonata, .regole = mano_.RegoleInVigore()});
  NuovaPartitaDaCapo();
}

void Gioco::esci_Click() {
  Chiudi();
}

void Gioco::Chiudi() {
  chiusa_ = true;
  finestra_.Chiudi();
}

void Gioco::sette_Click() {
  ImpostaPuntiVittoria(7);
}
void Gioco::undici_Click() {
  ImpostaPuntiVittoria(11);
}
void Gioco::sedici_Click() {
  ImpostaPuntiVittoria(16);
}
void Gioco::ventuno_Click() {
  ImpostaPuntiVittoria(21);
}

void Gioco::ImpostaPuntiVittoria(int16_t punti) {
  stato_.puntivittoria = punti;
  SpuntaPuntiVittoria();
}

void Gioco::SpuntaPuntiVittoria() {
  const std::array<bool, kObiettivi> spunte = SpunteObiettivo(stato_.puntivittoria);
  for (int i = 0; i < kObiettivi; ++i) {
    stato_.flag.obiettivo[i] = spunte[i];
    finestra_.SpuntaObiettivo(static_cast<Obiettivo>(i), spunte[i]);
  }
}

void Gioco::Info_Click() {
  finestra_.MsgBox({.testo = std::string(kVersione) + "\r\n\r\nby " + kNomeAutore + "\r\n" +
                             kPostaAutore + "\r\n" + kSitoAutore,
                    .titolo = "Informazioni",
                    .icona = Icona::Informazione});
}

void Gioco::mnuDona_Click() {
  FaiDonazione();
}
void Gioco::Command1_Click() {
  FaiDonazione();
}
void Gioco::Command2_Click() {
  FaiDonazione();
}
void Gioco::FaiDonazione() {
  finestra_.LaunchBrowser(kIndirizzoDonazione);
}

void Gioco::principiante_Click() {
  ScegliAvversario(Avversario::Principiante);
}
void Gioco::classico_Click() {
  ScegliAvversario(Avversario::Classico);
}
void Gioco::esperto_Click() {
  ScegliAvversario(Avversario::Esperto);
}
void Gioco::campione_Click() {
  ScegliAvversario(Avversario::Campione);
}

// The choice lives for the run, like the target, but no saved game holds it;
// only its menu changes it, and the menu shows it.
void Gioco::ScegliAvversario(Avversario avversario) {
  avversario_ = avversario;
}

void Gioco::assopigliatutto_Click() {
  ImpostaRegola(Regola::AssoPigliaTutto, !regoleScelte_.assoPigliaTutto);
}
void Gioco::assoscopa_Click() {
  ImpostaRegola(Regola::AssoScopa, !regoleScelte_.assoScopa);
}
void Gioco::rebello_Click() {
  ImpostaRegola(Regola::ReBello, !regoleScelte_.reBello);
}
void Gioco::napola_Click() {
  ImpostaRegola(Regola::Napola, !regoleScelte_.napola);
}

// The hand in play keeps the rules it was dealt with: changing them in the
// middle would change what its plays took and what it counts.
void Gioco::ImpostaRegola(Regola regola, bool attiva) {
  regoleScelte_[regola] = attiva;
  MostraRegole();
}

void Gioco::MostraRegole() {
  finestra_.MostraRegole(regoleScelte_, mano_.RegoleInVigore());
}

// In the user's turn: selects the card Campione would play from the user's
// seat and clicks it on until its capture is the one proposed, and says why.
// Across the table sits the fixed player when the opponent is "Classico",
// otherwise a player Campione reads as it reads a person.
void Gioco::suggerimento_Click() {
  if (!stato_.flag.giocatautente || stato_.carte.Conta(ManoUtente) == 0) return;
  const Modello modello = avversario_ == Avversario::Classico ? Modello::Classico : Modello::Umano;
  const Scelta scelta = ScegliCampione(VistaDi(mano_, Giocatore::Utente), modello, casoEsperto_);
  SelezionaScelta(scelta);
  // Why, judged apart with draws of its own: asking never changes the game.
  Generatore caso(semeRevisione_);
  finestra_.AnnunciaSuggerimento(PercheScegliere(mano_, Giocatore::Utente, scelta, caso));
}

void Gioco::SelezionaScelta(const Scelta& scelta) {
  const AzioniUtente azioni = Azioni();
  for (int i = 0; i < kPostiMano; ++i) {
    if (!azioni.user[i] || !(stato_.SlotUtente(i) == scelta.carta)) continue;
    if (i == stato_.cartaselezionata && stato_.presautente == scelta.presa.Codici()) return;
    Proposta proposta = Seleziona(i);
    for (int k = 1; k < proposta.totale && proposta.presa != scelta.presa; ++k)
      proposta = Seleziona(i);
    return;
  }
}

AzioniUtente Gioco::Azioni() const {
  AzioniUtente azioni;
  const int carte = stato_.carte.Conta(ManoUtente);
  for (int i = 0; i < kPostiMano; ++i) azioni.user[i] = stato_.flag.user[i] && i < carte;
  azioni.giocatautente = stato_.flag.giocatautente;
  azioni.procedi = stato_.flag.procedi;
  azioni.revisione = RevisioneDisponibile();
  return azioni;
}

void Gioco::Ridisegna() {
  stato_.RegistraManoUtente();
  finestra_.Ridisegna(stato_.carte);
}

void Gioco::AggiornaStatusBar() {
  finestra_.AggiornaStatusBar(TestoStatusBar(stato_));
}

void Gioco::MostraShape1(int posto, bool visibile) {
  stato_.flag.shape1.at(posto) = visibile;
  finestra_.MostraShape1(posto, visibile);
}

void Gioco::MostraShape2(int posto, bool visibile) {
  stato_.flag.shape2.at(posto) = visibile;
  finestra_.MostraShape2(posto, visibile);
}

void Gioco::MostraBottone(Bottone bottone, bool visibile) {
  (bottone == Bottone::GiocaUtente ? stato_.flag.giocatautente : stato_.flag.procedi) = visibile;
  finestra_.MostraBottone(bottone, visibile);
}

void Gioco::AbilitaUser(int posto, bool abilitato) {
  stato_.flag.user.at(posto) = abilitato;
  finestra_.AbilitaUser(posto, abilitato);
}

void Gioco::AbilitaMano(bool abilitata) {
  for (int i = 0; i < kPostiMano; ++i) AbilitaUser(i, abilitata);
}

void Gioco::ShapeTerraInvisibili() {
  for (int p = 0; p < kPostiTerra; ++p) MostraShape1(p, false);
}

void Gioco::ShapeUserInvisibili() {
  for (int i = 0; i < kPostiMano; ++i) MostraShape2(i, false);
}

void Gioco::IncorniciaPresa(InsiemeCarte presa) {
  for (Carta carta : presa) {
    const int posto = stato_.carte.Posizione(carta, Terra);
    if (posto >= 0 && posto < kPostiTerra) MostraShape1(posto, true);
  }
}

void Gioco::Registra() {
  stato_.carte = mano_.Luoghi();
}

void Gioco::Applica(Giocatore chi, const Scelta& scelta) {
  passi_.push_back({mano_, {}});
  mano_.Applica(chi, scelta);
  passi_.back().giocata = mano_.Storia().back();
  if (chi == Giocatore::Utente) giocatoDopo_ = true;
  Registra();
  // A capture writes its side's code, whatever other code a saved game brought.
  if (!scelta.presa.Vuoto()) stato_.ultimapresa = chi == Giocatore::Utente ? 1 : 0;
}

// A saved match goes on with the rules it was saved with.
void Gioco::RiprendiMano() {
  mano_ = Mano::DaLuoghi(stato_.carte, stato_.Mazziere(), stato_.UltimaPresa(), Giocatore::Utente,
                         stato_.regole);
  regoleScelte_ = stato_.regole;
  MostraRegole();
  passi_.clear();
}

std::function<Revisione()> Gioco::Revisore(const ParametriRevisione& parametri) const {
  return [passi = manoFinita_, seme = semeRevisione_, parametri] {
    return RivediMano(passi, Giocatore::Utente, seme, parametri);
  };
}

}  // namespace quintello
