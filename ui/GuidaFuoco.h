// Where the keyboard focus goes and what a screen reader is told while a hand is played.
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <string>

#include "controller/Finestra.h"
#include "engine/StatoPartita.h"
#include "ui/Segnali.h"

class QAction;
class QPushButton;
class QWidget;

namespace quintello::ui {

class PostoCarta;

// The game shows and hides the window's controls as it goes, and a screen reader reads out
// whatever takes the focus. Left to Qt, the focus would fall down the Tab chain when a
// focused card hides, often onto a donation button; the reader would speak for a card that
// is only losing the focus, read a played card's place with the card that replaced it, and
// (Orca with Qt 6.4) read no change of the focused control at all. The guide decides
// instead, event by event: which control gets the focus, which descriptions change and in
// what order, when a focused place keeps its old name, what the computer's "Ok" says of the
// two plays, and when a control is read again. It also shows the sweep and the proposal's
// number to the eye. The window builds the controls, hands them over and passes on what the
// game asks.
class GuidaFuoco {
 public:
  // The controls the focus moves among, or whose descriptions change.
  struct Controlli {
    std::array<PostoCarta*, kPostiMano> mano;
    std::array<PostoCarta*, kPostiTerra> terra;
    QPushButton* giocatautente = nullptr;
    QPushButton* procedi = nullptr;
    std::array<QPushButton*, 2> donazioni{};  // Command1 above, Command2 below
    QWidget* tavolo = nullptr;                // Frame1: read out on request
    QWidget* status = nullptr;                // the status line
    QAction* suggerimento = nullptr;          // of use only in the user's turn
  };

  // Sets which controls take the focus, the Tab order and the hand's first descriptions.
  GuidaFuoco(QWidget& finestra, const Controlli& controlli);

  // The window's answer when Qt would move the focus on: true when the focused control has
  // hidden or turned off, and the focus stays put until the game is done with it.
  bool TrattieniFuoco();
  // A message box is about to show. Returns what a screen reader must hear before it: the
  // user's play that ended the hand, which no pause tells.
  QString PrimaDelMessaggio();
  // The window is active again, after a box, a dialog or another program: the focus goes
  // back to the hand or to the "Ok" to press, and is read as it now stands.
  void FinestraAttivata();
  void SeguiBottone(Bottone bottone, bool visibile);
  void AnnunciaProposta(int posto, const std::string& presa, int numero, int totale);
  void AnnunciaGiocata(Giocatore chi, Carta carta, const std::string& presa, bool scopa);
  // Runs the hint, then reads its choice once, whether or not it changed the selection.
  void Suggerisci(const std::function<void()>& suggerimento);
  // Why the hint chooses what it chooses, told with its choice.
  void PercheSuggerimento(const std::string& perche) { perche_ = perche; }
  // Read on request: the table's cards, and the match as it stands.
  void LeggiTavola(const Carte& carte);
  void LeggiPunteggio(const StatoPartita& stato);

 private:
  void DescriviTerra(const std::string& presa, const QString& testo);
  void RiponiFuoco();
  void RilasciaNome();
  QWidget* PostoDelFuoco() const;

  QWidget& finestra_;
  Controlli controlli_;
  Segnali segnali_;
  QWidget* punteggio_ = nullptr;          // read out on request, under the status line
  std::string fraseUtente_;               // the user's last play, told with the computer's answer
  bool fuocoAlProcedi_ = false;           // the computer has played: its "Ok" takes the focus
  bool scopaInAttesa_ = false;            // shown with the computer's "Ok"
  std::string perche_;
  bool suggerendo_ = false;               // the hint is choosing: nothing is read until it ends
  PostoCarta* nomeTrattenuto_ = nullptr;  // the focused card while a play moves the hand
  int scelta_ = -1;                       // the selected hand place
  std::string proposta_;                  // what it would take, in words
  QString numero_;                        // "proposta n di m", or empty
};

}  // namespace quintello::ui
