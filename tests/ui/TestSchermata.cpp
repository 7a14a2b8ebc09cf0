// The screenshot tool: a PNG of the window at start-up, at the scale asked.
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kStrumento = QStringLiteral(QUINTELLO_SCHERMATA);

int Esegui(const QStringList& argomenti) {
  QProcess processo;
  processo.start(kStrumento, argomenti);
  if (!processo.waitForFinished(60000)) return -1;
  return processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1;
}

}  // namespace

class TestSchermata : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void finestraIntera();
  void stessoSemeStessaImmagine();
  void argomentiSbagliati();

 private:
  QTemporaryDir cartella_;
};

void TestSchermata::finestraIntera() {
  const QString uno = cartella_.filePath("uno.png");
  const QString due = cartella_.filePath("due.png");
  QCOMPARE(Esegui({"--seme", "4", uno}), 0);
  QCOMPARE(Esegui({"--seme", "4", due, "--scala", "2"}), 0);
  const QImage a(uno);
  const QImage b(due);
  QCOMPARE(a.width(), 794);
  QVERIFY(a.height() > 512 && a.height() < 512 + 60);  // the menu bar above the client area
  QCOMPARE(b.size(), a.size() * 2);
  // The table's green at the top left of Frame1, below the menu bar.
  QCOMPARE(a.pixel(10, a.height() - 512 + 10), qRgb(0, 128, 0));
}

void TestSchermata::stessoSemeStessaImmagine() {
  const QString a = cartella_.filePath("a.png");
  const QString b = cartella_.filePath("b.png");
  const QString c = cartella_.filePath("c.png");
  QCOMPARE(Esegui({"--seme", "11", a}), 0);
  QCOMPARE(Esegui({"--seme", "11", b}), 0);
  QCOMPARE(Esegui({"--seme", "12", c}), 0);
  QCOMPARE(QImage(a), QImage(b));
  QVERIFY(QImage(a) != QImage(c));
}

void TestSchermata::argomentiSbagliati() {
  QCOMPARE(Esegui({cartella_.filePath("x.png")}), 2);  // no seed
  QCOMPARE(Esegui({"--seme", "abc", cartella_.filePath("x.png")}), 2);
  QCOMPARE(Esegui({"--seme", "1"}), 2);  // no output
  QVERIFY(Esegui({"--seme", "1", cartella_.filePath("manca/x.png")}) != 0);
}

QTEST_MAIN(TestSchermata)
#include "TestSchermata.moc"
