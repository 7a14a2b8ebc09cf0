// What the program sets up before its window: name, language, icon, Qt's Italian.
#include <QApplication>
#include <QDialogButtonBox>
#include <QIcon>
#include <QPushButton>
#include <QTest>

#include "ui/Applicazione.h"

class TestApplicazione : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { quintello::ui::PreparaApplicazione(*qobject_cast<QApplication*>(qApp)); }
  void nome() { QCOMPARE(QApplication::applicationName(), QStringLiteral("Quintello")); }
  void lingua() { QCOMPARE(QLocale().language(), QLocale::Italian); }
  void icona();
  void testiDiQtInItaliano();
};

void TestApplicazione::icona() {
  const QIcon icona = QApplication::windowIcon();
  const QList<QSize> lati = icona.availableSizes();
  for (int lato : {16, 32, 48, 64, 128})
    QVERIFY2(lati.contains(QSize(lato, lato)), qPrintable(QString::number(lato)));
  // Painted, not blank.
  const QImage grande = icona.pixmap(QSize(128, 128)).toImage();
  QVERIFY(grande.pixelColor(64, 64).alpha() > 0);
}

void TestApplicazione::testiDiQtInItaliano() {
  QDialogButtonBox bottoni(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
  QCOMPARE(bottoni.button(QDialogButtonBox::Yes)->text().remove(u'&'), QStringLiteral("Sì"));
  QCOMPARE(bottoni.button(QDialogButtonBox::Cancel)->text().remove(u'&'),
           QStringLiteral("Annulla"));
}

QTEST_MAIN(TestApplicazione)
#include "TestApplicazione.moc"
