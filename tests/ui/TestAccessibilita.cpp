// What a screen reader gets while the game is played by keyboard: the sentences
// and where the focus goes. The events themselves need a real accessibility bus:
// tests/a11y checks them through AT-SPI.
#include <QAccessible>
#include <QFrame>
#include <QTest>

#include "Banco.h"
#include "ui/Descrizioni.h"

namespace quintello::ui {

using namespace prova;

namespace {

QString Descrizione(QWidget* w) {
  return w->accessibleDescription();
}

}  // namespace

class TestAccessibilita : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void frasi_data();
  void frasi();
  void fuocoEDescrizioniInUnaMano();
};

void TestAccessibilita::frasi_data() {
  QTest::addColumn<QString>("frase");
  QTest::addColumn<QString>("attesa");
  auto riga = [](const char* nome, const std::string& frase, const char* attesa) {
    QTest::newRow(nome) << QString::fromStdString(frase) << QString::fromUtf8(attesa);
  };
  riga("nessuna presa", DescrizioneProposta("", 0, 0), "selezionata, nessuna presa");
  riga("una sola proposta", DescrizioneProposta("0b", 1, 1), "selezionata, prende re di bastoni");
  riga("due carte", DescrizioneProposta("2o5c", 1, 2),
       "selezionata, prende due di denari e cinque di coppe, proposta 1 di 2");
  riga("tre carte", DescrizioneProposta("1o2s4b", 3, 3),
       "selezionata, prende asso di denari, due di spade e quattro di bastoni, proposta 3 di 3");
  riga("in tavola", FraseGiocata(Giocatore::Utente, {7, Denari}, "", false),
       "Hai giocato sette di denari in tavola.");
  riga("presa", FraseGiocata(Giocatore::Utente, {10, Coppe}, "4b6s", false),
       "Hai giocato re di coppe e preso quattro di bastoni e sei di spade.");
  riga("scopa del computer", FraseGiocata(Giocatore::PC, {8, Spade}, "8c", true),
       "Il computer ha giocato fante di spade e preso fante di coppe, scopa!");
  riga("computer in tavola", FraseGiocata(Giocatore::PC, {9, Bastoni}, "", false),
       "Il computer ha giocato cavallo di bastoni in tavola.");
}

void TestAccessibilita::frasi() {
  QFETCH(QString, frase);
  QFETCH(QString, attesa);
  QCOMPARE(frase, attesa);
}

void TestAccessibilita::fuocoEDescrizioniInUnaMano() {
  Copione copione;
  FinestraPrincipale f(SemeCon(false), copione.Collega());
  f.show();
  QVERIFY(QTest::qWaitForWindowActive(&f));

  // The frames are painted borders only: no accessible object stands for them.
  for (QWidget* contenitore :
       {f.centralWidget(), Controllo<QWidget>(f, QStringLiteral("Frame1"))}) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(contenitore);
    QVERIFY(a->childCount() > 0);
    for (int i = 0; i < a->childCount(); ++i)
      QVERIFY(!qobject_cast<Cornice*>(a->child(i)->object()));
  }
  QVERIFY(Bottone(f, "Command1")->accessibleName() != Bottone(f, "Command2")->accessibleName());

  Prepara(f, "1o 2c 4b 6s", "5o 5s 5c", "3o 7c 0b");
  QTest::keyClick(&f, Qt::Key_2);  // a seven: the ace and the six, or ace, two and four
  QCOMPARE(QApplication::focusWidget(), User(f, 1));
  const QString prima = Descrizione(User(f, 1));
  QVERIFY2(prima.startsWith(QStringLiteral("selezionata, prende asso di denari")) &&
               prima.endsWith(QStringLiteral(", proposta 1 di 2")),
           qPrintable(prima));
  QCOMPARE(Descrizione(User(f, 0)), QStringLiteral("non selezionata"));
  for (int i = 0; i < 4; ++i) {  // the framed table cards, and those alone, say they are taken
    QCOMPARE(Descrizione(Terra(f, i)).isEmpty(), Shape1(f, i)->isHidden());
  }

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // the next proposal
  QVERIFY(Descrizione(User(f, 1)).endsWith(QStringLiteral(", proposta 2 di 2")));
  QCOMPARE(QApplication::focusWidget(), User(f, 1));

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // plays; the computer answers
  QAbstractButton* procedi = Bottone(f, "procedi");
  QCOMPARE(QApplication::focusWidget(), procedi);
  const QString giocate = Descrizione(procedi);
  QVERIFY2(
      giocate.startsWith(QStringLiteral("Hai giocato sette di coppe e preso asso di denari")) &&
          giocate.contains(QStringLiteral(". Il computer ha giocato cinque di ")),
      qPrintable(giocate));

  QTest::keyClick(procedi, Qt::Key_Space);  // continue: the focus stays in the game
  QCOMPARE(QApplication::focusWidget(), User(f, 0));
  QVERIFY(Descrizione(User(f, 0)).startsWith(QStringLiteral("selezionata, ")));

  // Tab: the hand, the shown "Ok", then the donation buttons; a click never focuses them.
  QList<QWidget*> ordine;
  for (int passo = 0; passo < 4; ++passo) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ordine << QApplication::focusWidget();
  }
  QCOMPARE(ordine, (QList<QWidget*>{User(f, 1), Bottone(f, "giocatautente"), Bottone(f, "Command1"),
                                    Bottone(f, "Command2")}));
  QCOMPARE(Bottone(f, "Command1")->focusPolicy(), Qt::TabFocus);
}

}  // namespace quintello::ui

QTEST_MAIN(quintello::ui::TestAccessibilita)
#include "TestAccessibilita.moc"
