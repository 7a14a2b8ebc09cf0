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
  // The table's green at the top left of Frame1, below the menu bar.
  QCOMPARE(a.pixel(10, a.height() - 512 + 10), qRgb(0, 128, 0));
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
