// Where the keyboard focus goes and what a screen reader is told while a hand is played.
#pragma once

#include <QString>
#include <array>
#include <string>

#include "controller/Finestra.h"
#include "engine/StatoPartita.h"

class QPushButton;
class QWidget;

namespace quintello::ui {

class PostoCarta;

// The game shows and hides the window's controls as it goes, and a screen reader reads out
// whatever takes the focus and every change on the focused control. Left to Qt, the focus
// would fall down the Tab chain when a focused card hides, often onto a donation button; the
// reader would speak for a card that is only losing the focus, and read a played card's place
// with the card that replaced it. The guide decides instead, event by event: which control gets
// the focus, which descriptions change and in what order, when a focused place keeps its old
// name, and what the computer's "Ok" says of the two plays. The window builds the controls,
// hands them over and passes on what the game asks.
class GuidaFuoco {
 public:
  // The controls the focus moves among, or whose descriptions change.
  struct Controlli {
    std::array<PostoCarta*, kPostiMano> mano;
    std::array<PostoCarta*, kPostiTerra> terra;
    QPushButton* giocatautente = nullptr;
    QPushButton* procedi = nullptr;
    std::array<QPushButton*, 2> donazioni{};  // Command1 above, Command2 below
  };

  // Sets which controls take the focus, the Tab order and the hand's first descriptions.
  GuidaFuoco(QWidget& finestra, const Controlli& controlli);

  // The window's answer when Qt would move the focus on: true when the focused control has
  // hidden or turned off, and the focus stays put until the game is done with it.
  bool TrattieniFuoco();
  // A message box is about to show: the hand is over, the box tells it.
  void PrimaDelMessaggio();
  void SeguiBottone(Bottone bottone, bool visibile);
  void AnnunciaProposta(int posto, const std::string& presa, int numero, int totale);
  void AnnunciaGiocata(Giocatore chi, Carta carta, const std::string& presa, bool scopa);

 private:
  void DescriviTerra(const std::string& presa, const QString& testo);
  void RiponiFuoco();
  void RilasciaNome();

  QWidget& finestra_;
  Controlli controlli_;
  std::string fraseUtente_;               // the user's last play, told with the computer's answer
  bool fuocoAlProcedi_ = false;           // the computer has played: its "Ok" takes the focus
  PostoCarta* nomeTrattenuto_ = nullptr;  // the focused card while a play moves the hand
};

}  // namespace quintello::ui
