#include "ui/GuidaFuoco.h"

#include <QPushButton>
#include <QTimer>

#include "ui/Descrizioni.h"
#include "ui/PostoCarta.h"

namespace quintello::ui {

namespace {

const QString kDescrizioneNonSelezionata = QString::fromLatin1(kNonSelezionata);

// Qt tells assistive technology of every setting, changed or not: only a real change is told.
void Descrivi(QWidget* widget, const QString& descrizione) {
  if (widget->accessibleDescription() != descrizione) widget->setAccessibleDescription(descrizione);
}

}  // namespace

GuidaFuoco::GuidaFuoco(QWidget& finestra, const Controlli& controlli)
    : finestra_(finestra), controlli_(controlli) {
  for (PostoCarta* posto : controlli_.mano) {
    posto->setFocusPolicy(Qt::StrongFocus);
    Descrivi(posto, kDescrizioneNonSelezionata);
  }
  // The hand, the "Ok" buttons, then the donation buttons, which Tab alone reaches.
  QWidget::setTabOrder(controlli_.mano.back(), controlli_.giocatautente);
  QWidget::setTabOrder(controlli_.giocatautente, controlli_.procedi);
  QWidget* prima = controlli_.procedi;
  for (QPushButton* donazione : controlli_.donazioni) {
    donazione->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(prima, donazione);
    prima = donazione;
  }
}

bool GuidaFuoco::TrattieniFuoco() {
  // Passed down the chain, the focus would often land on a donation button, and a screen
  // reader would announce it. The game moves the focus where it belongs; RiponiFuoco tidies
  // what it leaves.
  QWidget* fuoco = finestra_.focusWidget();
  if (!fuoco || (!fuoco->isHidden() && fuoco->isEnabled())) return false;
  QTimer::singleShot(0, &finestra_, [this] { RiponiFuoco(); });
  return true;
}

void GuidaFuoco::RiponiFuoco() {
  RilasciaNome();
  QWidget* fuoco = finestra_.focusWidget();
  if (!fuoco || (!fuoco->isHidden() && fuoco->isEnabled())) return;
  for (QPushButton* ok : {controlli_.procedi, controlli_.giocatautente}) {
    if (!ok->isHidden()) {
      ok->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
  fuoco->clearFocus();
}

void GuidaFuoco::RilasciaNome() {
  if (nomeTrattenuto_) nomeTrattenuto_->TrattieniNome(false);
  nomeTrattenuto_ = nullptr;
}

void GuidaFuoco::PrimaDelMessaggio() {
  fraseUtente_.clear();
  RilasciaNome();
}

void GuidaFuoco::DescriviTerra(const std::string& presa, const QString& testo) {
  for (PostoCarta* posto : controlli_.terra) {
    bool presaQui = false;
    for (std::size_t k = 0; k < NumeroCodici(presa); ++k) {
      presaQui = presaQui || LeggiCarta(CodiceN(presa, k)) == posto->carta();
    }
    Descrivi(posto, presaQui && !posto->isHidden() ? testo : QString());
  }
}

void GuidaFuoco::SeguiBottone(Bottone bottone, bool visibile) {
  if (bottone == Bottone::Procedi && visibile && fuocoAlProcedi_) {
    fuocoAlProcedi_ = false;
    controlli_.procedi->setFocus(Qt::OtherFocusReason);
    RilasciaNome();
    // Only now, not to be read out on the card that still had the focus.
    for (PostoCarta* posto : controlli_.mano) Descrivi(posto, kDescrizioneNonSelezionata);
  }
}

void GuidaFuoco::AnnunciaProposta(int posto, const std::string& presa, int numero, int totale) {
  fraseUtente_.clear();
  RilasciaNome();
  if (posto < 0 || posto >= kPostiMano) return;
  PostoCarta* scelta = controlli_.mano[posto];
  // The new card's words first, then the focus, then the others: a screen reader reads
  // changes on the focused card, and the card that loses the focus must not speak.
  Descrivi(scelta, QString::fromStdString(DescrizioneProposta(presa, numero, totale)));
  DescriviTerra(presa, QString::fromLatin1(kPresaDallaScelta));
  if (!scelta->isHidden()) scelta->setFocus(Qt::OtherFocusReason);
  for (PostoCarta* altro : controlli_.mano) {
    if (altro != scelta) Descrivi(altro, kDescrizioneNonSelezionata);
  }
}

void GuidaFuoco::AnnunciaGiocata(Giocatore chi, Carta carta, const std::string& presa, bool scopa) {
  const std::string frase = FraseGiocata(chi, carta, presa, scopa);
  if (chi == Giocatore::Utente) {
    DescriviTerra({}, {});
    // The played card's place is about to show the next card while it still has the focus.
    if (auto* posto = qobject_cast<PostoCarta*>(finestra_.focusWidget())) {
      RilasciaNome();
      nomeTrattenuto_ = posto;
      posto->TrattieniNome(true);
    }
    fraseUtente_ = frase;
    return;
  }
  DescriviTerra(presa, QString::fromLatin1(kPresaDalComputer));
  Descrivi(controlli_.procedi,
           QString::fromStdString(fraseUtente_.empty() ? frase : fraseUtente_ + " " + frase));
  fraseUtente_.clear();
  fuocoAlProcedi_ = true;
}

}  // namespace quintello::ui
