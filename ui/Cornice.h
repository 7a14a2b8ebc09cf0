// A coloured rectangular frame drawn over the cards: the Shape1 and Shape2 marks. Its
// border is as thick as its contents margins, so it grows with a scaled table.
#pragma once

#include <QColor>
#include <QWidget>

namespace quintello::ui {

class Cornice : public QWidget {
  Q_OBJECT

 public:
  Cornice(QColor colore, int spessore, QWidget* parent);

  QColor colore() const { return colore_; }

 protected:
  void paintEvent(QPaintEvent* evento) override;

 private:
  QColor colore_;
};

}  // namespace quintello::ui
