#include "ui/PostoCarta.h"

#include <qdrawutil.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "pittore/CacheCarte.h"
#include "ui/Accessibilita.h"
#include "ui/Disposizione.h"
#include "ui/NomeCarta.h"

namespace quintello::ui {

namespace {

// The focus mark: a dashed line inside the picture, apart from the red selection frame
// that lies outside the place, in a colour that shows on every face and on the back.
const QColor kColoreFuoco(0, 0, 160);
constexpr int kRientroFuoco = 4;
constexpr int kSpessoreFuoco = 2;

}  // namespace

PostoCarta::PostoCarta(pittore::CacheCarte& immagini, QWidget* parent)
    : QWidget(parent), immagini_(immagini) {
  setContentsMargins(kBordoPosto, kBordoPosto, kBordoPosto, kBordoPosto);
  resize(kPosto);
  setAccessibleName(NomeCarta(carta_));
}

void PostoCarta::MostraCarta(Carta carta) {
  if (carta == carta_) return;
  carta_ = carta.valida() ? carta : Carta{};
  if (!nomeTrattenuto_) Rinomina();
  update();
}

void PostoCarta::TrattieniNome(bool trattieni) {
  nomeTrattenuto_ = trattieni;
  if (!trattieni && accessibleName() != NomeCarta(carta_)) Rinomina();
}

void PostoCarta::Rinomina() {
  Rinnova(this);
  setAccessibleName(NomeCarta(carta_));
}

QSize PostoCarta::sizeHint() const {
  return kPosto;
}

void PostoCarta::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The active colours even when disabled: a hand place that takes no clicks looks the same.
  QPalette colori = palette();
  colori.setCurrentColorGroup(QPalette::Active);
  // The border is the margins, which grow with a scaled table; the card is painted at the
  // size it is shown, so it stays sharp.
  qDrawShadePanel(&painter, rect(), colori, /*sunken=*/true, contentsMargins().left());
  const qreal dpr = devicePixelRatioF();
  const QRect dove = contentsRect();
  painter.drawPixmap(dove, immagini_.Immagine(carta_, dpr, dove.size()));
  if (!hasFocus()) return;
  painter.setPen(QPen(kColoreFuoco, kSpessoreFuoco, Qt::DashLine));
  painter.drawRect(contentsRect().adjusted(kRientroFuoco, kRientroFuoco, -kRientroFuoco,
                                           -kRientroFuoco));
}

void PostoCarta::focusInEvent(QFocusEvent* evento) {
  QWidget::focusInEvent(evento);
  update();
}

void PostoCarta::focusOutEvent(QFocusEvent* evento) {
  QWidget::focusOutEvent(evento);
  update();
}

void PostoCarta::mousePressEvent(QMouseEvent* evento) {
  premuto_ = evento->button() == Qt::LeftButton;
  evento->accept();
}

void PostoCarta::mouseReleaseEvent(QMouseEvent* evento) {
  const bool click = premuto_ && evento->button() == Qt::LeftButton &&
                     rect().contains(evento->position().toPoint());
  premuto_ = false;
  evento->accept();
  if (click) Q_EMIT cliccato();
}

void PostoCarta::keyPressEvent(QKeyEvent* evento) {
  // Like a button, but a held key does not repeat the click.
  if (evento->key() != Qt::Key_Space || evento->modifiers() != Qt::NoModifier) {
    QWidget::keyPressEvent(evento);
    return;
  }
  evento->accept();
  if (!evento->isAutoRepeat()) Q_EMIT cliccato();
}

}  // namespace quintello::ui
