// What a sighted player is shown beyond the cards and the frames: "Scopa!" over the table
// after a sweep, "proposta n di m" beside the hand while the selected card has more
// than one capture (or the hint's word when the hint chose it), and the hint's reason.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace quintello::ui {

class Segnali {
 public:
  // The sweep's word goes in the middle of the table, the proposal's in the gap between
  // the "Ok" button and the hand's frames, where no control lies.
  Segnali(QWidget* tavolo, QWidget* area);

  void Scopa(bool visibile);
  void Proposta(const QString& testo);  // empty hides it
  // Why the hint chose its play, between the computer's cards and the "Ok".
  void Perche(const QString& testo);  // empty hides it

 private:
  QLabel* scopa_;
  QLabel* proposta_;
  QLabel* perche_;
};

}  // namespace quintello::ui
