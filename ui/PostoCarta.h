// A card place: one card picture in a 2-px sunken border, which the user may click.
#pragma once

#include <QWidget>

#include "engine/Carta.h"

namespace quintello::pittore {
class CacheCarte;
}

namespace quintello::ui {

class PostoCarta : public QWidget {
  Q_OBJECT

 public:
  PostoCarta(pittore::CacheCarte& immagini, QWidget* parent);

  // Shows the card's face, or the back for anything that is not a card.
  void MostraCarta(Carta carta);
  Carta carta() const { return carta_; }
  // While held, the accessible name stays as it is: a focused place that changes card in
  // the middle of a play would otherwise be read out with the new card.
  void TrattieniNome(bool trattieni);

  QSize sizeHint() const override;

 Q_SIGNALS:
  // A left press and release inside the place, or Space while it has the focus;
  // a disabled place gets neither.
  void cliccato();

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  // The focus mark comes and goes with the focus.
  void focusInEvent(QFocusEvent* evento) override;
  void focusOutEvent(QFocusEvent* evento) override;

 private:
  void Rinomina();

  pittore::CacheCarte& immagini_;
  Carta carta_;
  bool premuto_ = false;
  bool nomeTrattenuto_ = false;
};

}  // namespace quintello::ui
