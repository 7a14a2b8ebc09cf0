#include "ui/GuidaFuoco.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>
#include <utility>

#include "ui/Accessibilita.h"
#include "ui/Descrizioni.h"
#include "ui/PostoCarta.h"

namespace quintello::ui {

namespace {

const QString kDescrizioneNonSelezionata = QString::fromLatin1(kNonSelezionata);
const QString kSuggerimentoDavanti = QString::fromLatin1(kSuggerimento) + QStringLiteral(": ");

// Only a real change is told, and always on a new object, which a screen reader reads
// afresh (see Rinnova).
void Descrivi(QWidget* widget, const QString& descrizione) {
  if (widget->accessibleDescription() == descrizione) return;
  Rinnova(widget);
  widget->setAccessibleDescription(descrizione);
}

}  // namespace

GuidaFuoco::GuidaFuoco(QWidget& finestra, const Controlli& controlli)
    : finestra_(finestra),
      controlli_(controlli),
      segnali_(controlli.tavolo, controlli.mano.front()->parentWidget()) {
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
  controlli_.tavolo->setAccessibleName(QStringLiteral("Tavola"));
  // A label's description is never read: the score is read from a plain object under it.
  punteggio_ = new QWidget(controlli_.status->parentWidget());
  punteggio_->setObjectName(QStringLiteral("Punteggio"));
  punteggio_->setAccessibleName(QStringLiteral("Punteggio"));
  punteggio_->setGeometry(controlli_.status->parentWidget()->rect());
  punteggio_->lower();
  controlli_.suggerimento->setEnabled(false);
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
  if (QWidget* posto = PostoDelFuoco()) {
    posto->setFocus(Qt::OtherFocusReason);
  } else {
    fuoco->clearFocus();
  }
}

// The "Ok" to press in the pause, the selected card in the user's turn.
QWidget* GuidaFuoco::PostoDelFuoco() const {
  if (!controlli_.procedi->isHidden()) return controlli_.procedi;
  if (controlli_.giocatautente->isHidden()) return nullptr;
  if (scelta_ >= 0 && scelta_ < kPostiMano) {
    PostoCarta* posto = controlli_.mano[scelta_];
    if (!posto->isHidden() && posto->isEnabled()) return posto;
  }
  return controlli_.giocatautente;
}

void GuidaFuoco::RilasciaNome() {
  if (nomeTrattenuto_) nomeTrattenuto_->TrattieniNome(false);
  nomeTrattenuto_ = nullptr;
}

QString GuidaFuoco::PrimaDelMessaggio() {
  RilasciaNome();
  segnali_.Scopa(false);
  scopaInAttesa_ = false;
  return QString::fromStdString(std::exchange(fraseUtente_, {}));
}

void GuidaFuoco::FinestraAttivata() {
  // Called before Qt gives the focus back, so that the control it gives it to is read once,
  // as a new object: a load or a new hand may have changed it while the box was up.
  if (QWidget* posto = PostoDelFuoco()) Annuncia(posto);
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
  if (bottone == Bottone::GiocaUtente) {
    controlli_.suggerimento->setEnabled(visibile);
    if (!visibile) segnali_.Proposta({});
  }
  if (bottone == Bottone::Procedi && visibile && fuocoAlProcedi_) {
    fuocoAlProcedi_ = false;
    segnali_.Scopa(std::exchange(scopaInAttesa_, false));
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
  scelta_ = posto;
  proposta_ = DescrizioneProposta(presa, numero, totale);
  numero_ = QString::fromStdString(NumeroProposta(numero, totale));
  segnali_.Proposta(numero_);
  if (!suggerendo_) segnali_.Perche({});
  PostoCarta* scelta = controlli_.mano[posto];
  // The new card's words first, then the focus, then the others: the card that loses the
  // focus must not speak. Read again also when the card keeps the focus.
  Descrivi(scelta, QString::fromStdString(proposta_));
  DescriviTerra(presa, QString::fromLatin1(kPresaDallaScelta));
  if (!scelta->isHidden() && !suggerendo_) Annuncia(scelta);
  for (PostoCarta* altro : controlli_.mano) {
    if (altro != scelta) Descrivi(altro, kDescrizioneNonSelezionata);
  }
}

void GuidaFuoco::Suggerisci(const std::function<void()>& suggerimento) {
  suggerendo_ = true;
  perche_.clear();
  suggerimento();
  suggerendo_ = false;
  if (scelta_ < 0 || controlli_.giocatautente->isHidden()) return;
  PostoCarta* scelta = controlli_.mano[scelta_];
  const QString perche = QString::fromStdString(perche_);
  Descrivi(scelta, kSuggerimentoDavanti + QString::fromStdString(proposta_) +
                       (perche.isEmpty() ? QString() : QStringLiteral(". ") + perche));
  segnali_.Perche(perche);
  segnali_.Proposta(numero_.isEmpty() ? QString::fromLatin1(kSuggerimento)
                                      : kSuggerimentoDavanti + numero_);
  if (!scelta->isHidden()) Annuncia(scelta);
}

void GuidaFuoco::LeggiTavola(const Carte& carte) {
  Descrivi(controlli_.tavolo, QString::fromStdString(ui::LetturaTavola(carte)));
  Annuncia(controlli_.tavolo);
}

void GuidaFuoco::LeggiPunteggio(const StatoPartita& stato) {
  Descrivi(punteggio_, QString::fromStdString(ui::LetturaPunteggio(stato)));
  Annuncia(punteggio_);
}

void GuidaFuoco::AnnunciaGiocata(Giocatore chi, Carta carta, const std::string& presa, bool scopa) {
  const std::string frase = FraseGiocata(chi, carta, presa, scopa);
  if (chi == Giocatore::Utente) {
    segnali_.Scopa(false);
    segnali_.Proposta({});
    segnali_.Perche({});
    scopaInAttesa_ = scopa;
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
  scopaInAttesa_ = scopaInAttesa_ || scopa;
  DescriviTerra(presa, QString::fromLatin1(kPresaDalComputer));
  Descrivi(controlli_.procedi,
           QString::fromStdString(fraseUtente_.empty() ? frase : fraseUtente_ + " " + frase));
  fraseUtente_.clear();
  fuocoAlProcedi_ = true;
}

}  // namespace quintello::ui
