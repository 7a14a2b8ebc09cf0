#include "ui/Segnali.h"

#include <QLabel>

#include "ui/Descrizioni.h"

namespace quintello::ui {

namespace {

constexpr QRect kPosizioneProposta{504, 284, 287, 24};
constexpr QRect kPosizionePerche{504, 172, 287, 34};
constexpr int kPuntiScopa = 28;

QLabel* NuovoSegnale(QWidget* padre, const char* nome, const QString& stile) {
  auto* segnale = new QLabel(padre);
  segnale->setObjectName(QString::fromLatin1(nome));
  segnale->setTextFormat(Qt::PlainText);
  segnale->setAlignment(Qt::AlignCenter);
  segnale->setStyleSheet(stile);
  // Only shown: clicks go through to what lies underneath.
  segnale->setAttribute(Qt::WA_TransparentForMouseEvents);
  segnale->hide();
  return segnale;
}

}  // namespace

Segnali::Segnali(QWidget* tavolo, QWidget* area)
    : scopa_(NuovoSegnale(tavolo, "Scopa",
                          QStringLiteral("QLabel { color: #ffff00; background: rgba(0, 0, 0, 150);"
                                         " border-radius: 10px; padding: 6px 24px; }"))),
      proposta_(NuovoSegnale(area, "NumeroProposta", QStringLiteral("QLabel { color: #000000; }"))),
      perche_(NuovoSegnale(area, "PercheSuggerimento", QStringLiteral("QLabel { color: #000000; }"))) {
  QFont grande = scopa_->font();
  grande.setPointSize(kPuntiScopa);
  grande.setBold(true);
  scopa_->setFont(grande);
  scopa_->setText(QString::fromLatin1(kScopa));
  scopa_->adjustSize();
  scopa_->move(tavolo->rect().center() - scopa_->rect().center());
  QFont grassetto = proposta_->font();
  grassetto.setBold(true);
  proposta_->setFont(grassetto);
  proposta_->setGeometry(kPosizioneProposta);
  // A font of its own, which grows with the table as the others do.
  QFont suo = perche_->font();
  suo.setPointSizeF(suo.pointSizeF());
  perche_->setFont(suo);
  perche_->setWordWrap(true);
  perche_->setGeometry(kPosizionePerche);
}

void Segnali::Perche(const QString& testo) {
  perche_->setText(testo);
  perche_->setVisible(!testo.isEmpty());
}

void Segnali::Scopa(bool visibile) {
  scopa_->setVisible(visibile);
  if (visibile) scopa_->raise();
}

void Segnali::Proposta(const QString& testo) {
  proposta_->setText(testo);
  proposta_->setVisible(!testo.isEmpty());
}

}  // namespace quintello::ui
