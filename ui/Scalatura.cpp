#include "ui/Scalatura.h"

#include <QEvent>
#include <QLayout>
#include <QRegularExpression>
#include <QTimer>
#include <cmath>

namespace quintello::ui {

namespace {

// What a widget had at scale 1, kept on the widget itself.
struct Base {
  QRect geometria;
  QFont carattere;
  bool conCarattere = false;
  QMargins margini;
  QString stile;
};
constexpr const char* kBase = "quintelloBase";

int Per(int lunghezza, qreal scala) {
  return qRound(lunghezza * scala);
}

// Position and size scale apart, so that places of one size stay of one size.
QRect Per(const QRect& r, qreal scala) {
  return {Per(r.x(), scala), Per(r.y(), scala), Per(r.width(), scala), Per(r.height(), scala)};
}

QFont Per(QFont carattere, qreal scala) {
  if (carattere.pointSizeF() > 0)
    carattere.setPointSizeF(carattere.pointSizeF() * scala);
  else
    carattere.setPixelSize(std::max(1, Per(carattere.pixelSize(), scala)));
  return carattere;
}

// Every length in pixels of a style sheet.
QString Per(const QString& stile, qreal scala) {
  static const QRegularExpression kPixel(QStringLiteral("(\\d+)px"));
  QString scalato;
  qsizetype dopo = 0;
  for (const QRegularExpressionMatch& m : kPixel.globalMatch(stile)) {
    scalato += stile.mid(dopo, m.capturedStart() - dopo);
    scalato +=
        QString::number(std::max(1, Per(m.captured(1).toInt(), scala))) + QStringLiteral("px");
    dopo = m.capturedEnd();
  }
  return scalato + stile.mid(dopo);
}

Base BaseDi(QWidget* w, bool radice) {
  const QVariant tenuta = w->property(kBase);
  if (tenuta.isValid()) return tenuta.value<Base>();
  const Base base{w->geometry(), w->font(), radice || w->testAttribute(Qt::WA_SetFont),
                  w->contentsMargins(), w->styleSheet()};
  w->setProperty(kBase, QVariant::fromValue(base));
  return base;
}

void ScalaWidget(QWidget* w, qreal scala, bool radice) {
  const Base base = BaseDi(w, radice);
  if (base.conCarattere) w->setFont(Per(base.carattere, scala));
  if (!base.stile.isEmpty()) w->setStyleSheet(Per(base.stile, scala));
  const QMargins& m = base.margini;
  if (!m.isNull())
    w->setContentsMargins(Per(m.left(), scala), Per(m.top(), scala), Per(m.right(), scala),
                          Per(m.bottom(), scala));
  const QWidget* padre = w->parentWidget();
  if (!radice && padre != nullptr && padre->layout() == nullptr)
    w->setGeometry(Per(base.geometria, scala));
}

}  // namespace

void Scala(QWidget* radice, qreal scala) {
  if (scala == 1 && !radice->property(kBase).isValid()) return;  // as built, untouched
  QList<QWidget*> sotto = radice->findChildren<QWidget*>();
  sotto.removeIf([](const QWidget* w) { return w->isWindow(); });
  // Every base taken before anything changes: a font not set whole is partly its parent's.
  BaseDi(radice, true);
  for (QWidget* w : sotto) BaseDi(w, false);
  ScalaWidget(radice, scala, true);
  for (QWidget* w : sotto) ScalaWidget(w, scala, false);
}

TavoloScalabile::TavoloScalabile(QSize base, QColor fondo, QWidget* parent)
    : QWidget(parent), area_(new QWidget(this)), base_(base) {
  QPalette colori = palette();
  colori.setColor(QPalette::Window, fondo);
  setPalette(colori);
  setAutoFillBackground(true);
  area_->setGeometry(QRect(QPoint(), base));
  area_->installEventFilter(this);
}

void TavoloScalabile::resizeEvent(QResizeEvent*) {
  Disponi();
}

bool TavoloScalabile::eventFilter(QObject* oggetto, QEvent* evento) {
  // Laid out once its maker has placed it at its size at 1x, as makers do at once.
  if (evento->type() == QEvent::ChildAdded && scala_ != 1)
    QTimer::singleShot(0, this, &TavoloScalabile::Disponi);
  return QWidget::eventFilter(oggetto, evento);
}

void TavoloScalabile::Disponi() {
  const qreal scala = std::min(qreal(width()) / base_.width(), qreal(height()) / base_.height());
  const QSize dimensione(Per(base_.width(), scala), Per(base_.height(), scala));
  area_->setGeometry(
      QRect(QPoint((width() - dimensione.width()) / 2, (height() - dimensione.height()) / 2),
            dimensione));
  scala_ = scala;
  ui::Scala(area_, scala);
  for (QWidget* w : area_->findChildren<QWidget*>()) w->installEventFilter(this);
}

}  // namespace quintello::ui
