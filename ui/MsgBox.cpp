#include "ui/MsgBox.h"

#include <QMessageBox>

namespace quintello::ui {

namespace {

const QString kAcapoDos = QStringLiteral("\r\n");
const QString kAcapo = QStringLiteral("\n");

QMessageBox::Icon IconaQt(Icona icona) {
  switch (icona) {
    case Icona::Informazione:
      return QMessageBox::Information;
    case Icona::Esclamazione:
      return QMessageBox::Warning;
    case Icona::Critica:
      return QMessageBox::Critical;
    case Icona::Nessuna:
      break;
  }
  return QMessageBox::NoIcon;
}

Risposta RispostaDi(QMessageBox::StandardButton bottone) {
  switch (bottone) {
    case QMessageBox::Yes:
      return Risposta::Si;
    case QMessageBox::No:
      return Risposta::No;
    default:
      return Risposta::Ok;
  }
}

}  // namespace

void PreparaMsgBox(QMessageBox& box, const Messaggio& messaggio) {
  const std::string titolo = messaggio.titolo.empty() ? kTitoloApplicazione : messaggio.titolo;
  box.setWindowTitle(QString::fromStdString(titolo));
  box.setTextFormat(Qt::PlainText);
  // The game writes its line breaks as CR LF; the box wants a single newline.
  box.setText(QString::fromStdString(messaggio.testo).replace(kAcapoDos, kAcapo));
  box.setIcon(IconaQt(messaggio.icona));
  if (messaggio.pulsanti == Pulsanti::SiNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
  }
}

Risposta MostraMsgBox(QWidget* padre, const Messaggio& messaggio) {
  QMessageBox box(padre);
  PreparaMsgBox(box, messaggio);
  box.exec();
  return RispostaDi(box.standardButton(box.clickedButton()));
}

}  // namespace quintello::ui
