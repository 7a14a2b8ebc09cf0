#include "ui/Accessibilita.h"

#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QMenu>

#include "ui/Cornice.h"

namespace quintello::ui {

namespace {

// Qt's own rule for a widget's accessible children, less the frames.
QWidgetList FigliAccessibili(const QWidget* widget) {
  QWidgetList figli;
  for (QObject* oggetto : widget->children()) {
    auto* figlio = qobject_cast<QWidget*>(oggetto);
    if (figlio && !figlio->isWindow() && !qobject_cast<Cornice*>(figlio) &&
        !qobject_cast<QFocusFrame*>(figlio) && !qobject_cast<QMenu*>(figlio)) {
      figli << figlio;
    }
  }
  return figli;
}

class ContenitoreSenzaCornici : public QAccessibleWidget {
 public:
  explicit ContenitoreSenzaCornici(QWidget* widget) : QAccessibleWidget(widget) {}

  int childCount() const override { return FigliAccessibili(widget()).size(); }
  QAccessibleInterface* child(int indice) const override {
    const QWidgetList figli = FigliAccessibili(widget());
    if (indice < 0 || indice >= figli.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(figli[indice]);
  }
  int indexOfChild(const QAccessibleInterface* figlio) const override {
    if (!figlio || !figlio->object() || !figlio->object()->isWidgetType()) return -1;
    return FigliAccessibili(widget()).indexOf(static_cast<QWidget*>(figlio->object()));
  }
};

// Plain containers, the only ones that hold frames, get the filtered list; every
// other widget keeps the interface Qt gives it.
QAccessibleInterface* Fabbrica(const QString& classe, QObject* oggetto) {
  if (classe != QLatin1StringView("QWidget") && classe != QLatin1StringView("QFrame")) {
    return nullptr;
  }
  auto* widget = qobject_cast<QWidget*>(oggetto);
  if (!widget || QLatin1StringView(widget->metaObject()->className()) != classe) return nullptr;
  return new ContenitoreSenzaCornici(widget);
}

}  // namespace

void Rinnova(QWidget* widget) {
  if (!QAccessible::isActive()) return;
  if (QAccessibleInterface* vecchia = QAccessible::queryAccessibleInterface(widget))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(vecchia));
}

void Annuncia(QWidget* widget) {
  Rinnova(widget);
  if (!widget->hasFocus()) {
    widget->setFocus(Qt::OtherFocusReason);
    return;
  }
  QAccessibleEvent fuoco(widget, QAccessible::Focus);
  QAccessible::updateAccessibility(&fuoco);
}

void InstallaAccessibilita() {
  static const bool installata = [] {
    QAccessible::installFactory(&Fabbrica);
    return true;
  }();
  (void)installata;
}

}  // namespace quintello::ui
