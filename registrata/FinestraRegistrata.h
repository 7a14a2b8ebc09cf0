// A window without a screen: it records every request as a line of text and
// answers message boxes and file dialogs from queues filled in advance. The
// headless driver prints its lines; the tests read them.
#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "controller/Finestra.h"
#include "engine/StatoPartita.h"

namespace quintello {

class FinestraRegistrata : public Finestra {
 public:
  // Answers for the next Yes/No boxes (none queued: Yes, the default button).
  void AccodaRisposta(Risposta r) { risposte_.push_back(r); }
  // Paths for the next file dialogs (none queued: the dialog is cancelled).
  void AccodaFile(const std::string& percorso) { file_.push_back(percorso); }
  // Also records what is told to those who follow the game by ear.
  void RegistraAnnunci(bool si) { annunci_ = si; }
  // A click that a hidden or disabled control ignored.
  void Ignorato(const std::string& comando) { Registra("IGNORATO\t" + comando); }

  // The lines recorded so far, one an event, fields separated by a TAB.
  const std::vector<std::string>& Eventi() const { return eventi_; }
  std::vector<std::string> PrendiEventi() { return std::exchange(eventi_, {}); }

  // What the last redraw showed, and the computer's card shown face up since.
  const Carte& CarteMostrate() const { return carte_; }
  int Ridisegni() const { return ridisegni_; }
  const std::string& TestoStatusBar() const { return status_; }

  void Ridisegna(const Carte& carte) override;
  void DisegnaCartePC(Carta carta, int posto) override;
  void AggiornaStatusBar(const std::string& testo) override;
  Risposta MsgBox(const Messaggio& messaggio) override;
  std::string DialogoFile(Dialogo tipo, const std::string& filtro,
                          const std::string& nomeIniziale) override;
  void LaunchBrowser(const std::string& indirizzo) override;
  void Chiudi() override;
  void AnnunciaProposta(int posto, const std::string& presa, int numero, int totale) override;
  void AnnunciaGiocata(Giocatore chi, Carta carta, const std::string& presa, bool scopa) override;
  void AnnunciaSuggerimento(const std::string& perche) override;
  bool Chiusa() const { return chiusa_; }

  // What the window switches on and off is the game's state: kept, not printed,
  // so that a test can hold the window to the state.
  void MostraShape1(int posto, bool visibile) override { flag_.shape1.at(posto) = visibile; }
  void MostraShape2(int posto, bool visibile) override { flag_.shape2.at(posto) = visibile; }
  void MostraBottone(Bottone b, bool visibile) override {
    (b == Bottone::GiocaUtente ? flag_.giocatautente : flag_.procedi) = visibile;
  }
  void AbilitaUser(int posto, bool abilitato) override { flag_.user.at(posto) = abilitato; }
  void SpuntaObiettivo(Obiettivo o, bool spuntato) override {
    flag_.obiettivo.at(static_cast<int>(o)) = spuntato;
  }
  const FlagFinestra& FlagMostrati() const { return flag_; }

 private:
  void Registra(std::string riga);

  std::deque<Risposta> risposte_;
  std::deque<std::string> file_;
  std::vector<std::string> eventi_;
  Carte carte_;
  int ridisegni_ = 0;
  std::string status_;
  bool chiusa_ = false;
  bool annunci_ = false;
  FlagFinestra flag_;
};

}  // namespace quintello
