#include "ui/MsgBox.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSpacerItem>

namespace quintello::ui {

namespace {

const QString kAcapoDos = QStringLiteral("\r\n");
const QString kAcapo = QStringLiteral("\n");
// An address in a text: a scheme, "://", then everything up to the next space.
const QRegularExpression kIndirizzo(QStringLiteral(R"([a-z]+://\S+)"));
// Beside the title, a window manager's title bar holds the icon, the close button and
// margins; this much is kept free for them.
constexpr int kSpazioBarraTitolo = 112;

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

// Word wrapping may break an address after any "/": each address goes on a line of
// its own that never wraps, the rest of the text as it was.
QString TestoConIndirizzi(const QString& testo) {
  QString html;
  QStringList righe;  // the plain lines gathered since the last address
  auto chiudi = [&] {
    if (!righe.isEmpty()) html += QStringLiteral("<div>%1</div>").arg(righe.join(u"<br>"));
    righe.clear();
  };
  for (const QString& riga : testo.split(kAcapo)) {
    qsizetype da = 0;
    for (const QRegularExpressionMatch& indirizzo : kIndirizzo.globalMatch(riga)) {
      const QString prima = riga.mid(da, indirizzo.capturedStart() - da).trimmed();
      if (!prima.isEmpty()) righe << prima.toHtmlEscaped();
      chiudi();
      html += QStringLiteral("<div style=\"white-space:pre\">%1</div>")
                  .arg(indirizzo.captured().toHtmlEscaped());
      da = indirizzo.capturedEnd();
    }
    const QString resto = riga.mid(da).trimmed();
    if (da == 0 || !resto.isEmpty()) righe << (da == 0 ? riga : resto).toHtmlEscaped();
  }
  chiudi();
  return html;
}

// The box is sized for its text alone; a short text under a long title left the title cut.
void LargoPerIlTitolo(QMessageBox& box) {
  auto* griglia = qobject_cast<QGridLayout*>(box.layout());
  if (!griglia) return;
  QFont grassetto = box.font();
  grassetto.setBold(true);
  const int larghezza =
      QFontMetrics(grassetto).horizontalAdvance(box.windowTitle()) + kSpazioBarraTitolo;
  griglia->addItem(new QSpacerItem(larghezza, 0), griglia->rowCount(), 0, 1,
                   griglia->columnCount());
}

}  // namespace

void PreparaMsgBox(QMessageBox& box, const Messaggio& messaggio) {
  const std::string titolo = messaggio.titolo.empty() ? kTitoloApplicazione : messaggio.titolo;
  box.setWindowTitle(QString::fromStdString(titolo));
  // A plain dialog: a title and a close button, nothing to minimize or maximize.
  box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowCloseButtonHint);
  // The game writes its line breaks as CR LF; the box wants a single newline.
  const QString testo = QString::fromStdString(messaggio.testo).replace(kAcapoDos, kAcapo);
  const bool conIndirizzi = testo.contains(kIndirizzo);
  box.setTextFormat(conIndirizzi ? Qt::RichText : Qt::PlainText);
  box.setText(conIndirizzi ? TestoConIndirizzi(testo) : testo);
  box.setIcon(IconaQt(messaggio.icona));
  if (messaggio.pulsanti == Pulsanti::SiNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
  }
  LargoPerIlTitolo(box);
}

Risposta MostraMsgBox(QWidget* padre, const Messaggio& messaggio, const QString& premessa) {
  QMessageBox box(padre);
  PreparaMsgBox(box, messaggio);
  if (!premessa.isEmpty()) box.setAccessibleName(premessa + u' ' + box.windowTitle());
  box.exec();
  return RispostaDi(box.standardButton(box.clickedButton()));
}

}  // namespace quintello::ui
