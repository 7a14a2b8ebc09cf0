#include "ui/DialogoRevisione.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/Descrizioni.h"
#include "ui/PostoCarta.h"

namespace quintello::ui {

namespace {

// The cards of the review are smaller than the table's, the whole hand in view.
constexpr QSize kCartaPiccola{44, 77};

QString Punti(double costo) {
  return QString::number(costo, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString NomiDi(InsiemeCarte carte) {
  QStringList nomi;
  for (Carta c : carte) nomi << QString::fromStdString(NomeDellaCarta(c));
  return nomi.isEmpty() ? QStringLiteral("nessuna carta") : nomi.join(QStringLiteral(", "));
}

}  // namespace

QString DialogoRevisione::Descrizione(const PassoRivisto& passo, int numero) {
  const Giocata& g = passo.passo.giocata;
  QString testo = QString::number(numero) + QStringLiteral(". ") +
                  QString::fromStdString(
                      FraseGiocata(g.chi, g.scelta.carta, g.scelta.presa.Codici(), g.scopa));
  if (!passo.giudizio) return testo;
  const Verdetto& giudizio = *passo.giudizio;
  if (!giudizio.Errore()) return testo + QStringLiteral(" Costo ") + Punti(giudizio.costo) + '.';
  return QStringLiteral("Errore: ") + testo + QStringLiteral(" Costo ") + Punti(giudizio.costo) +
         QStringLiteral(". ") + QString::fromStdString(giudizio.motivo) + '.';
}

DialogoRevisione::DialogoRevisione(const Revisione& revisione, pittore::CacheCarte& immagini,
                                   QWidget* parent)
    : QDialog(parent), revisione_(revisione), immagini_(immagini) {
  setWindowTitle(QStringLiteral("Rivedi la mano"));
  auto* colonna = new QVBoxLayout(this);

  int errori = 0;
  for (const PassoRivisto& p : revisione_.passi) errori += p.giudizio && p.giudizio->Errore();
  auto* totale = new QLabel(QStringLiteral("Costo delle tue giocate: %1 punti; errori: %2")
                                .arg(Punti(revisione_.costoTotale))
                                .arg(errori),
                            this);
  colonna->addWidget(totale);

  auto* corpo = new QHBoxLayout;
  colonna->addLayout(corpo);
  elenco_ = new QListWidget(this);
  elenco_->setAccessibleName(QStringLiteral("Giocate della mano"));
  elenco_->setMinimumWidth(420);
  elenco_->setWordWrap(true);
  for (int i = 0; i < static_cast<int>(revisione_.passi.size()); ++i) {
    const QString testo = Descrizione(revisione_.passi[i], i + 1);
    auto* voce = new QListWidgetItem(testo, elenco_);
    // Read after the play: the cards as they lay before it.
    const Mano& prima = revisione_.passi[i].passo.prima;
    voce->setData(Qt::AccessibleDescriptionRole,
                  QStringLiteral("Prima: in tavola %1; le tue carte %2; carte del computer %3.")
                      .arg(NomiDi(prima.Terra()), NomiDi(prima.CarteIn(Giocatore::Utente)),
                           NomiDi(prima.CarteIn(Giocatore::PC))));
    if (testo.startsWith(QStringLiteral("Errore"))) voce->setForeground(QColor(0xb0, 0, 0));
  }
  corpo->addWidget(elenco_, 1);

  auto* posizione = new QVBoxLayout;
  corpo->addLayout(posizione);
  for (auto [titolo, fila] : {std::pair{&titoloPC_, &filaPC_}, std::pair{&titoloTerra_, &filaTerra_},
                              std::pair{&titoloUtente_, &filaUtente_}}) {
    *titolo = new QLabel(this);
    posizione->addWidget(*titolo);
    *fila = new QHBoxLayout;
    (*fila)->setAlignment(Qt::AlignLeft);
    posizione->addLayout(*fila);
  }
  dettaglio_ = new QLabel(this);
  dettaglio_->setWordWrap(true);
  dettaglio_->setMinimumHeight(60);
  posizione->addWidget(dettaglio_);
  posizione->addStretch();

  auto* bottoni = new QHBoxLayout;
  colonna->addLayout(bottoni);
  const int ultimo = static_cast<int>(revisione_.passi.size()) - 1;
  auto bottone = [&](const QString& testo, auto dove) {
    auto* b = new QPushButton(testo, this);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, dove] { Mostra(dove(PassoMostrato())); });
    bottoni->addWidget(b);
  };
  bottone(QStringLiteral("&Inizio"), [](int) { return 0; });
  bottone(QStringLiteral("In&dietro"), [](int p) { return p - 1; });
  bottone(QStringLiteral("&Avanti"), [](int p) { return p + 1; });
  bottone(QStringLiteral("&Fine"), [ultimo](int) { return ultimo; });
  auto* chiudi = new QPushButton(QStringLiteral("&Chiudi"), this);
  connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
  bottoni->addWidget(chiudi);
  // Left and Right step through the hand wherever the focus is.
  for (auto [tasto, passo] : {std::pair{Qt::Key_Left, -1}, std::pair{Qt::Key_Right, 1}}) {
    auto* scorciatoia = new QShortcut(QKeySequence(tasto), this);
    connect(scorciatoia, &QShortcut::activated, this,
            [this, passo] { Mostra(PassoMostrato() + passo); });
  }

  connect(elenco_, &QListWidget::currentRowChanged, this, &DialogoRevisione::Mostra);
  Mostra(0);
  elenco_->setFocus();
}

int DialogoRevisione::PassoMostrato() const {
  return elenco_->currentRow();
}

void DialogoRevisione::Mostra(int passo) {
  if (revisione_.passi.empty()) return;
  passo = std::clamp(passo, 0, static_cast<int>(revisione_.passi.size()) - 1);
  if (elenco_->currentRow() != passo) {
    elenco_->setCurrentRow(passo);  // comes back here through the signal
    return;
  }
  const Mano& prima = revisione_.passi[passo].passo.prima;
  MostraCarte(filaPC_, titoloPC_, QStringLiteral("Carte del computer"), prima.CarteIn(Giocatore::PC));
  MostraCarte(filaTerra_, titoloTerra_, QStringLiteral("In tavola"), prima.Terra());
  MostraCarte(filaUtente_, titoloUtente_, QStringLiteral("Le tue carte"),
              prima.CarteIn(Giocatore::Utente));
  dettaglio_->setText(Descrizione(revisione_.passi[passo], passo + 1));
}

void DialogoRevisione::MostraCarte(QHBoxLayout* fila, QLabel* titolo, const QString& nome,
                                   InsiemeCarte carte) {
  titolo->setText(nome + QStringLiteral(": ") + NomiDi(carte));
  while (QLayoutItem* voce = fila->takeAt(0)) {
    delete voce->widget();
    delete voce;
  }
  for (Carta c : carte) {
    auto* posto = new PostoCarta(immagini_, this);
    posto->setFocusPolicy(Qt::NoFocus);
    posto->setFixedSize(kCartaPiccola);
    posto->MostraCarta(c);
    fila->addWidget(posto);
  }
}

}  // namespace quintello::ui
