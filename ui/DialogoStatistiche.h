// "Statistiche": the record of play, one column for each opponent and one row for each
// count, in a table that the keyboard and a screen reader walk cell by cell, each cell
// read with its row's and its column's names; "Azzera" clears it once the user confirms.
#pragma once

#include <QDialog>
#include <functional>

class QTableWidget;

namespace quintello {
class Custode;
}

namespace quintello::ui {

class DialogoStatistiche : public QDialog {
  Q_OBJECT

 public:
  // `conferma` asks the user, in a box over the dialog it is given, whether to clear the record.
  DialogoStatistiche(Custode& custode, std::function<bool(QWidget*)> conferma, QWidget* padre);

 private:
  void Riempi();
  void Azzera();

  Custode& custode_;
  std::function<bool(QWidget*)> conferma_;
  QTableWidget* tabella_;
};

}  // namespace quintello::ui
