// The screenshot tool: a PNG of the window at start-up, at the scale asked.
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

int Esegui(const QStringList& argomenti) {
  QProcess processo;
  processo.start(QStringLiteral(QUINTELLO_SCHERMATA), argomenti);
  if (!processo.waitForFinished(60000)) return -1;
  return processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1;
}

}  // namespace

class TestSchermata : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void finestraIntera();
  void argomentiSbagliati();

 private:
  QTemporaryDir cartella_;
};

void TestSchermata::finestraIntera() {
  QStringList png;
  for (const char* nome : {"uno", "doppia", "ancora", "altro"})
    png << cartella_.filePath(QString::fromLatin1(nome) + ".png");
  QCOMPARE(Esegui({"--seme", "4", png[0]}), 0);
  QCOMPARE(Esegui({"--seme", "4", png[1], "--scala", "2"}), 0);
  QCOMPARE(Esegui({"--seme", "4", png[2]}), 0);
  QCOMPARE(Esegui({"--seme", "12", png[3]}), 0);
  const QImage a(png[0]);
  QCOMPARE(a.width(), 794);
  QVERIFY(a.height() > 512 && a.height() < 512 + 60);  // the menu bar above the client area
  QCOMPARE(QImage(png[1]).size(), a.size() * 2);
  // The fixed colours, in the client area below the menu bar: the table's green, the donation
  // buttons' lighter green, the red frame on each side of the first card of the hand.
  const std::pair<QRgb, QList<QPoint>> colori[] = {
      {qRgb(0, 128, 0), {{10, 10}}},
      {qRgb(0, 255, 0), {{516, 20}, {516, 476}}},
      {qRgb(255, 0, 0), {{547, 313}, {547, 452}, {505, 383}, {589, 383}}}};
  for (const auto& [colore, punti] : colori) {
    for (const QPoint p : punti) {
      const QRgb visto = a.pixel(p + QPoint(0, a.height() - 512));
      QVERIFY2(visto == colore,
               qPrintable(QString("%1,%2: %3").arg(p.x()).arg(p.y()).arg(visto, 0, 16)));
    }
  }
  QCOMPARE(QImage(png[2]), a);  // the same seed, the same picture
  QVERIFY(QImage(png[3]) != a);
}

void TestSchermata::argomentiSbagliati() {
  QCOMPARE(Esegui({cartella_.filePath("x.png")}), 2);  // no seed
  QCOMPARE(Esegui({"--seme", "abc", cartella_.filePath("x.png")}), 2);
  QCOMPARE(Esegui({"--seme", "1"}), 2);  // no output
  QVERIFY(Esegui({"--seme", "1", cartella_.filePath("manca/x.png")}) != 0);
}

QTEST_MAIN(TestSchermata)
#include "TestSchermata.moc"
