#include "ui/Applicazione.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QProxyStyle>
#include <QTranslator>
#include <array>

#include "controller/Finestra.h"
#include "pittore/IconaQuintello.h"

namespace quintello::ui {

namespace {

constexpr std::array kLatiIcona{16, 32, 48, 64, 128};
const QString kTraduzioniQt = QStringLiteral("qtbase_it");

// Message box buttons have no icons here; without this the style searches the
// icon theme for them at the first box, costing start-up time and memory.
class StileSenzaIconeBottoni : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* opzione, const QWidget* widget,
                QStyleHintReturn* ritorno) const override {
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
    return QProxyStyle::styleHint(hint, opzione, widget, ritorno);
  }
};

QIcon IconaProgramma() {
  QIcon icona;
  for (int lato : kLatiIcona) icona.addPixmap(QPixmap::fromImage(pittore::ImmagineIcona(lato)));
  return icona;
}

}  // namespace

void PreparaApplicazione(QApplication& applicazione) {
  QApplication::setApplicationName(QString::fromLatin1(kTitoloApplicazione));
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  auto* traduzioni = new QTranslator(&applicazione);
  if (traduzioni->load(kTraduzioniQt, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(traduzioni);
  }
  QApplication::setStyle(new StileSenzaIconeBottoni);
  QApplication::setWindowIcon(IconaProgramma());
}

}  // namespace quintello::ui
