// The controller: the order of play, and the only code that asks the window
// for anything.
//
// The window calls one of the *_Click handlers for each user action; each runs
// to its end, applying what the pure rules and the scoring decide and asking
// the window for everything it shows. Nothing of the order of play lives in
// the window.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controller/Fatto.h"
#include "controller/Finestra.h"
#include "engine/Generatore.h"
#include "engine/StatoPartita.h"
#include "esperto/Revisione.h"
#include "rules/Mano.h"
#include "rules/ProponiPresa.h"
#include "rules/Scelta.h"

namespace quintello {

// What the user may do next: which hand places take a click and which "Ok"
// button is shown. The window, the driver and the tests all ask this.
struct AzioniUtente {
  std::array<bool, kPostiMano> user{};
  bool giocatautente = false;
  bool procedi = false;
  bool revisione = false;  // the review of the last hand is offered
};

class Gioco {
 public:
  Gioco(Finestra& finestra, uint64_t semeCasuale);

  // Start-up, run once before the window is first shown, with the target to play to.
  void Form_Load(int16_t puntivittoria = kPuntiVittoriaIniziali);
  // Start-up with a match kept from an earlier run instead: the saved game's
  // bytes, shown and continued as a load does. False, with nothing changed,
  // when they are not a game the game can play on.
  bool Riprendi(std::string_view file);

  // The user's controls.
  void user_Click(int indice);
  void giocatautente_Click();
  void procedi_Click();

  // The menus and the donation buttons.
  void newpart_Click();
  void salva_Click();
  void carica_Click();
  void esci_Click();
  void sette_Click();
  void undici_Click();
  void sedici_Click();
  void ventuno_Click();
  void Info_Click();
  void mnuDona_Click();
  void Command1_Click();
  void Command2_Click();
  // The opponent menu and the hint.
  void principiante_Click();
  void classico_Click();
  void esperto_Click();
  void campione_Click();
  void suggerimento_Click();
  // The house rules menu: each item switches its rule for the hands to come.
  void assopigliatutto_Click();
  void assoscopa_Click();
  void rebello_Click();
  void napola_Click();
  void ImpostaRegola(Regola regola, bool attiva);

  // Puts the match in this position and shows it whole, as a saved game
  // would: for tests and tools that set up a position.
  void ImpostaPartita(const StatoPartita& stato);

  AzioniUtente Azioni() const;
  // The lines a save of the match would write now.
  std::string Salvataggio() const;
  // What the match has come to since the last call.
  std::vector<Fatto> PrendiFatti() { return std::exchange(fatti_, {}); }
  const StatoPartita& Stato() const { return stato_; }
  const Mano& ManoInCorso() const { return mano_; }
  Avversario AvversarioScelto() const { return avversario_; }
  const Regole& RegoleScelte() const { return regoleScelte_; }
  // The plays of the last hand that ended (of the hand in play, from a load
  // on, until it ends), and whether its review is offered: from the end of a
  // hand until the user's first play of the next.
  const std::vector<Passo>& ManoDaRivedere() const { return manoFinita_; }
  bool RevisioneDisponibile() const { return !manoFinita_.empty() && !giocatoDopo_; }
  // The review of that hand, the user's plays judged; the same every time.
  // The work holds copies of what it needs, so it can run on another thread
  // while the game goes on.
  std::function<Revisione()> Revisore(const ParametriRevisione& parametri = {}) const;
  Revisione RivediUltimaMano() const { return Revisore()(); }
  // True once the game has asked its window to close.
  bool Chiusa() const { return chiusa_; }

 private:
  void NuovaPartita();
  // A new match: both scores to 0, a new dealer, a new hand. The target stays.
  void NuovaPartitaDaCapo();
  // After the last card of a deal, when the side that has just played deals: three more cards
  // each, or the end of the hand when the deck is empty too (true then).
  bool FineDelGiro(Giocatore chiHaGiocato);
  void GiocaComputer();
  void FineMano();
  void Vincitore(Giocatore chi, bool napola);
  void GiocaAncora();
  void Ridisegna();
  void AggiornaStatusBar();
  void FaiDonazione();
  void ImpostaPuntiVittoria(int16_t punti);
  void SpuntaPuntiVittoria();
  void Chiudi();
  void ScegliAvversario(Avversario avversario);
  void MostraRegole();
  std::optional<Scelta> SceltaAvversario();
  // Selects the user's hand place and proposes the next capture for it.
  Proposta Seleziona(int indice);
  // Selects the card of `scelta` and clicks it on until its capture is proposed.
  void SelezionaScelta(const Scelta& scelta);

  // The window's switches, kept in the state as they are shown.
  void MostraShape1(int posto, bool visibile);
  void MostraShape2(int posto, bool visibile);
  void MostraBottone(Bottone bottone, bool visibile);
  void AbilitaUser(int posto, bool abilitato);
  void AbilitaMano(bool abilitata);
  void ShapeTerraInvisibili();
  void ShapeUserInvisibili();
  void IncorniciaPresa(InsiemeCarte presa);
  // The hand's cards written into the match state, which the window shows
  // and a save stores.
  void Registra();
  // A play made on the hand in play and written into the match state, its
  // last capture too.
  void Applica(Giocatore chi, const Scelta& scelta);
  // The hand the match state shows, from the user's turn on.
  void RiprendiMano();

  // The saved game.
  bool Conferma(const std::string& domanda);
  void Errore(const std::string& testo);
  void MostraFlag();
  // The table, both hands and the status line, as a loaded game shows them.
  void MostraCarteEConto();
  // A game read whole and playable, its switches shown: on as a load goes on.
  void ContinuaPartitaLetta();
  void CaricamentoFallito();

  Finestra& finestra_;
  Generatore caso_;
  // The draws of every computer player but the fixed one, and of the hint,
  // come from a generator of their own, seeded with the game's seed, so
  // that asking for a hint never changes the deals to come.
  Generatore casoEsperto_;
  Avversario avversario_ = Avversario::Classico;
  // The house rules chosen; each hand is dealt with those chosen by then.
  Regole regoleScelte_;
  // The plays of the hand in play, each with the hand it was made in, and
  // those of the last hand that ended.
  std::vector<Passo> passi_;
  std::vector<Passo> manoFinita_;
  bool giocatoDopo_ = false;  // the user has played since that hand ended
  uint64_t semeRevisione_;
  StatoPartita stato_;
  // The hand in play; `stato_` holds the same cards as the location table.
  Mano mano_;
  // The name the file dialog starts with: the last one chosen in this run.
  std::string nomefile_;
  bool chiusa_ = false;
  std::vector<Fatto> fatti_;
};

}  // namespace quintello
