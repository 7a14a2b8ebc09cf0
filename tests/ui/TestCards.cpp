// The card pictures and the names a screen reader says for them.
#include <QTest>

#include "ui/Cards.h"
#include "ui/NomeCarta.h"

namespace quintello::ui {

class TestCards : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void nomi();
  void rapportoDiPixel();
  void nomeSconosciutoDaIlDorso();
  void nomiAccessibili_data();
  void nomiAccessibili();
};

void TestCards::nomi() {
  QCOMPARE(Cards::Nome({7, Denari}), QStringLiteral("o7"));
  QCOMPARE(Cards::Nome({10, Bastoni}), QStringLiteral("b0"));
  QCOMPARE(Cards::Nome({1, Spade}), QStringLiteral("s1"));
  QCOMPARE(Cards::Nome({9, Coppe}), QStringLiteral("c9"));
  QCOMPARE(Cards::Nome({}), Cards::kVuota);
  QCOMPARE(Cards::Nome({11, Coppe}), Cards::kVuota);
  QCOMPARE(Cards::CartaDi(QStringLiteral("b0")), (Carta{10, Bastoni}));
  QCOMPARE(Cards::CartaDi(Cards::kVuota), Carta{});
  QCOMPARE(Cards::CartaDi(QStringLiteral("7o")), Carta{});  // digit first is the game's code
}

void TestCards::rapportoDiPixel() {
  Cards cards;
  const qint64 primo = cards.Picture(QStringLiteral("s3"), 1.0).cacheKey();
  QCOMPARE(cards.Picture(QStringLiteral("s3"), 1.0).cacheKey(), primo);  // made once
  const QPixmap& doppia = cards.Picture(QStringLiteral("s3"), 2.0);
  QCOMPARE(doppia.size(), QSize(148, 260));
  QCOMPARE(doppia.devicePixelRatio(), 2.0);
  QCOMPARE(doppia.deviceIndependentSize().toSize(), QSize(74, 130));
  QCOMPARE(cards.Picture(QStringLiteral("s3"), 1.0).size(), QSize(74, 130));
}

void TestCards::nomeSconosciutoDaIlDorso() {
  Cards cards;
  QCOMPARE(cards.Picture(QStringLiteral("x9"), 1.0).toImage(),
           cards.Picture(Cards::kVuota, 1.0).toImage());
}

void TestCards::nomiAccessibili_data() {
  QTest::addColumn<int>("valore");
  QTest::addColumn<int>("seme");
  QTest::addColumn<QString>("nome");
  QTest::newRow("settebello") << 7 << int(Denari) << "sette di denari";
  QTest::newRow("re") << 10 << int(Bastoni) << "re di bastoni";
  QTest::newRow("asso") << 1 << int(Coppe) << "asso di coppe";
  QTest::newRow("fante") << 8 << int(Spade) << "fante di spade";
  QTest::newRow("cavallo") << 9 << int(Denari) << "cavallo di denari";
  QTest::newRow("due") << 2 << int(Spade) << "due di spade";
  QTest::newRow("dorso") << 0 << 0 << "carta coperta";
  QTest::newRow("fuori mazzo") << 11 << int(Denari) << "carta coperta";
}

void TestCards::nomiAccessibili() {
  QFETCH(int, valore);
  QFETCH(int, seme);
  QFETCH(QString, nome);
  QCOMPARE(NomeCarta({static_cast<int16_t>(valore), static_cast<int16_t>(seme)}), nome);
}

}  // namespace quintello::ui

QTEST_MAIN(quintello::ui::TestCards)
#include "TestCards.moc"
