#include "ui/DialogoFile.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace quintello::ui {

namespace {

constexpr char kSeparatore = '|';
const QString kTuttiDos = QStringLiteral("*.*");
const QString kTutti = QStringLiteral("*");

QString SenzaPatternScritto(const QString& descrizione) {
  static const QRegularExpression kParentesiFinale(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
  return QString(descrizione).remove(kParentesiFinale).trimmed();
}

QString PatternLinux(const QString& pattern) {
  QStringList parti = pattern.split(u';', Qt::SkipEmptyParts);
  for (QString& parte : parti) {
    parte = parte.trimmed();
    if (parte == kTuttiDos) parte = kTutti;
  }
  return parti.join(u' ');
}

}  // namespace

QStringList FiltriDialogo(std::string_view filtro) {
  const QStringList parti = QString::fromUtf8(filtro.data(), static_cast<qsizetype>(filtro.size()))
                                .split(QLatin1Char(kSeparatore));
  QStringList filtri;
  for (qsizetype i = 0; i + 1 < parti.size(); i += 2) {
    filtri << QStringLiteral("%1 (%2)").arg(SenzaPatternScritto(parti[i]),
                                            PatternLinux(parti[i + 1]));
  }
  return filtri;
}

void PreparaDialogoFile(QFileDialog& dialogo, Dialogo tipo, const QStringList& filtri,
                        const std::string& nomeIniziale) {
  const bool salva = tipo == Dialogo::Salva;
  dialogo.setOption(QFileDialog::DontUseNativeDialog);
  dialogo.setOption(QFileDialog::DontConfirmOverwrite);
  dialogo.setAcceptMode(salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // Any name is returned, also one that does not exist: the game itself tells
  // the user so, in its own words, as it does for every other load problem.
  dialogo.setFileMode(QFileDialog::AnyFile);
  dialogo.setDefaultSuffix(QString());
  dialogo.setNameFilters(filtri);
  if (!filtri.isEmpty()) dialogo.selectNameFilter(filtri.first());

  const QString nome = QFile::decodeName(nomeIniziale.c_str());
  if (nome.isEmpty()) return;
  const QFileInfo info(nome);
  if (nome.contains(u'/')) dialogo.setDirectory(info.absolutePath());
  dialogo.selectFile(info.fileName());
}

std::string ScegliFile(QWidget* padre, Dialogo tipo, const QStringList& filtri,
                       const std::string& nomeIniziale) {
  QFileDialog dialogo(padre);
  PreparaDialogoFile(dialogo, tipo, filtri, nomeIniziale);
  if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
  return QFile::encodeName(dialogo.selectedFiles().first()).toStdString();
}

}  // namespace quintello::ui
