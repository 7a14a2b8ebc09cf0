// The screenshot tool: a PNG of the window at start-up, at the scale and size asked.
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

// At its own size, the same picture for the same seed; at twice its size the picture at 1x
// drawn twice as large, within what drawing text and cards anew rather than stretching pixels
// changes: on average at most kScarto levels of 255 a channel. Wider, the table's colour on
// either side.
void TestSchermata::finestraIntera() {
  constexpr double kScarto = 7;
  QStringList png;
  for (const char* nome : {"uno", "doppia", "ancora", "altro", "grande", "larga"})
    png << cartella_.filePath(QString::fromLatin1(nome) + ".png");
  QCOMPARE(Esegui({"--seme", "4", png[0]}), 0);
  const QImage a(png[0]);
  const int menu = a.height() - 512;
  QVERIFY(menu > 0 && menu < 60);  // the menu bar above the client area
  QCOMPARE(a.width(), 794);
  QCOMPARE(Esegui({"--seme", "4", png[1], "--scala", "2"}), 0);
  QCOMPARE(Esegui({"--seme", "4", png[2], "--dimensione", QString("794x%1").arg(menu + 512)}), 0);
  QCOMPARE(Esegui({"--seme", "12", png[3]}), 0);
  QCOMPARE(Esegui({"--seme", "4", png[4], "--dimensione", QString("1588x%1").arg(menu + 1024)}), 0);
  QCOMPARE(Esegui({"--seme", "4", png[5], "--dimensione", "1920x1080"}), 0);
  QCOMPARE(QImage(png[1]).size(), a.size() * 2);
  // The fixed colours, in the client area below the menu bar: the table's green, the donation
  // buttons' lighter green, the red frame on each side of the first card of the hand.
  const std::pair<QRgb, QList<QPoint>> colori[] = {
      {qRgb(0, 128, 0), {{10, 10}}},
      {qRgb(0, 255, 0), {{516, 20}, {516, 476}}},
      {qRgb(255, 0, 0), {{547, 313}, {547, 452}, {505, 383}, {589, 383}}}};
  for (const auto& [colore, punti] : colori) {
    for (const QPoint p : punti) {
      const QRgb visto = a.pixel(p + QPoint(0, menu));
      QVERIFY2(visto == colore,
               qPrintable(QString("%1,%2: %3").arg(p.x()).arg(p.y()).arg(visto, 0, 16)));
    }
  }
  QCOMPARE(QImage(png[2]), a);
  QVERIFY(QImage(png[3]) != a);
  QCOMPARE(QImage(png[5]).pixel(2, 540), qRgb(0, 128, 0));
  const QImage b = QImage(png[4]).copy(0, menu, 1588, 1024);
  const QImage attesa =
      a.copy(0, menu, 794, 512).scaled(b.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  double somma = 0;
  for (int y = 0; y < b.height(); ++y) {
    for (int x = 0; x < b.width(); ++x) {
      const QColor p = b.pixelColor(x, y), q = attesa.pixelColor(x, y);
      somma += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
               std::abs(p.blue() - q.blue());
    }
  }
  qInfo("2x: %.2f of 255 on average", somma / (3.0 * b.width() * b.height()));
  QVERIFY(somma / (3.0 * b.width() * b.height()) < kScarto);
}

void TestSchermata::argomentiSbagliati() {
  QCOMPARE(Esegui({cartella_.filePath("x.png")}), 2);  // no seed
  QCOMPARE(Esegui({"--seme", "abc", cartella_.filePath("x.png")}), 2);
  QCOMPARE(Esegui({"--seme", "1"}), 2);  // no output
  QVERIFY(Esegui({"--seme", "1", cartella_.filePath("manca/x.png")}) != 0);
}

QTEST_MAIN(TestSchermata)
#include "TestSchermata.moc"
