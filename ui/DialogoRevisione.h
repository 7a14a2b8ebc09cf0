// The review of a hand, play by play: both hands and the table as they were
// before each play, the play, and for the user's plays the cost and why.
#pragma once

#include <QDialog>
#include <vector>

#include "esperto/Revisione.h"

class QLabel;
class QListWidget;
class QHBoxLayout;

namespace quintello::pittore {
class CacheCarte;
}

namespace quintello::ui {

class PostoCarta;

class DialogoRevisione : public QDialog {
  Q_OBJECT

 public:
  DialogoRevisione(const Revisione& revisione, pittore::CacheCarte& immagini, QWidget* parent);

  // The play shown, from 0; moves the list's selection and the picture.
  void Mostra(int passo);
  int PassoMostrato() const;

  // The line of the list for one play, as Orca reads it.
  static QString Descrizione(const PassoRivisto& passo, int numero);

 private:
  void MostraCarte(QHBoxLayout* fila, QLabel* titolo, const QString& nome, InsiemeCarte carte);

  Revisione revisione_;
  pittore::CacheCarte& immagini_;
  QListWidget* elenco_ = nullptr;
  QLabel* dettaglio_ = nullptr;
  QLabel* titoloPC_ = nullptr;
  QLabel* titoloTerra_ = nullptr;
  QLabel* titoloUtente_ = nullptr;
  QHBoxLayout* filaPC_ = nullptr;
  QHBoxLayout* filaTerra_ = nullptr;
  QHBoxLayout* filaUtente_ = nullptr;
};

}  // namespace quintello::ui
