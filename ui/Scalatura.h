// A table that grows with the window.
//
// The controls are built and placed once, at the size the layout was drawn for;
// this keeps what each had then (geometry, font, contents margins, the lengths
// of its style sheet) and lays it out again at any scale. So every control on
// the table grows with the window without code of its own: a label added at its
// place at 1x needs nothing more. Widgets that draw their own borders take their
// thickness from their contents margins, which grow with the rest. At scale 1
// everything is exactly as built.
#pragma once

#include <QColor>
#include <QSize>
#include <QWidget>

namespace quintello::ui {

// Lays out the widgets below `radice` at `scala` times what they had at 1x: the
// font of `radice` and of those that set their own, and, unless a layout places
// them, every geometry. `radice` keeps its geometry; its owner places it.
void Scala(QWidget* radice, qreal scala);

// The main window's central widget: the controls' area, at its size at 1x scaled
// to fit and centred, and around it, when the shapes differ, the table's colour.
class TavoloScalabile : public QWidget {
  Q_OBJECT

 public:
  TavoloScalabile(QSize base, QColor fondo, QWidget* parent);

  QWidget* Area() const { return area_; }
  qreal Scala() const { return scala_; }

 protected:
  void resizeEvent(QResizeEvent* evento) override;
  // A control added to the area once it is scaled is scaled too.
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  void Disponi();

  QWidget* area_;
  QSize base_;
  qreal scala_ = 1;
};

}  // namespace quintello::ui
