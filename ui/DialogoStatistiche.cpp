#include "ui/DialogoStatistiche.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "profilo/Custode.h"

namespace quintello::ui {

DialogoStatistiche::DialogoStatistiche(Custode& custode, std::function<bool(QWidget*)> conferma,
                                       QWidget* padre)
    : QDialog(padre),
      custode_(custode),
      conferma_(std::move(conferma)),
      tabella_(new QTableWidget(this)) {
  setWindowTitle(QStringLiteral("Statistiche"));
  tabella_->setObjectName(QStringLiteral("tabella"));
  tabella_->setAccessibleName(QStringLiteral("Statistiche per avversario"));
  tabella_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabella_->setSelectionMode(QAbstractItemView::SingleSelection);
  tabella_->setTabKeyNavigation(false);  // Tab goes on to the buttons
  tabella_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  tabella_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  auto* bottoni = new QDialogButtonBox(QDialogButtonBox::Close, this);
  bottoni->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Chiudi"));
  QPushButton* azzera = bottoni->addButton(QStringLiteral("&Azzera"), QDialogButtonBox::ResetRole);
  azzera->setObjectName(QStringLiteral("Azzera"));
  azzera->setAutoDefault(false);
  connect(azzera, &QPushButton::clicked, this, &DialogoStatistiche::Azzera);
  connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* colonna = new QVBoxLayout(this);
  colonna->addWidget(tabella_);
  colonna->addWidget(bottoni);
  colonna->setSizeConstraint(QLayout::SetFixedSize);
  Riempi();
  tabella_->setCurrentCell(0, 0);
  tabella_->setFocus();
}

void DialogoStatistiche::Riempi() {
  const Statistiche statistiche = custode_.LeggiStatistiche();
  const std::vector<ChiaveStatistiche> chiavi = ChiaviDaMostrare(statistiche);
  QStringList avversari;
  for (std::size_t c = 0; c < chiavi.size(); ++c) {
    avversari << QString::fromStdString(TitoloChiave(chiavi[c]));
    const auto trovati = statistiche.find(chiavi[c]);
    const std::vector<VoceStatistiche> voci =
        Voci(trovati == statistiche.end() ? Conteggi{} : trovati->second);
    tabella_->setRowCount(static_cast<int>(voci.size()));
    tabella_->setColumnCount(static_cast<int>(chiavi.size()));
    for (std::size_t r = 0; r < voci.size(); ++r) {
      const QString nome = QString::fromStdString(voci[r].nome);
      tabella_->setVerticalHeaderItem(static_cast<int>(r), new QTableWidgetItem(nome));
      const QString valore = QString::fromStdString(voci[r].valore);
      auto* cella = new QTableWidgetItem(valore);
      cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      // Each cell says whose and what it is, whatever a screen reader makes of the headers.
      cella->setData(Qt::AccessibleTextRole,
                     QStringLiteral("%1, %2: %3").arg(nome, avversari.last(), valore));
      tabella_->setItem(static_cast<int>(r), static_cast<int>(c), cella);
    }
  }
  tabella_->setHorizontalHeaderLabels(avversari);
  // As large as the whole table, every column as wide as the widest: nothing to scroll.
  tabella_->resizeColumnsToContents();
  tabella_->resizeRowsToContents();
  int colonna = 0;
  for (int c = 0; c < tabella_->columnCount(); ++c)
    colonna = std::max(colonna, tabella_->columnWidth(c));
  QSize dimensione(tabella_->verticalHeader()->sizeHint().width(),
                   tabella_->horizontalHeader()->sizeHint().height());
  for (int c = 0; c < tabella_->columnCount(); ++c) {
    tabella_->setColumnWidth(c, colonna);
    dimensione.rwidth() += colonna;
  }
  for (int r = 0; r < tabella_->rowCount(); ++r) dimensione.rheight() += tabella_->rowHeight(r);
  const int bordo = 2 * tabella_->frameWidth();
  tabella_->setFixedSize(dimensione + QSize(bordo, bordo));
}

void DialogoStatistiche::Azzera() {
  if (!conferma_(this)) return;
  custode_.AzzeraStatistiche();
  Riempi();
}

}  // namespace quintello::ui
