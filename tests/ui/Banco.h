// The main window on a test bench: its message boxes answered and kept, its rows of
// places read back, positions set up in a line.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <functional>
#include <string_view>
#include <vector>

#include "MettiCarte.h"
#include "controller/Gioco.h"
#include "ui/FinestraPrincipale.h"
#include "ui/PostoCarta.h"

namespace quintello::ui::prova {

// Answers the window's boxes, Sì or Ok, and keeps them.
struct Copione {
  std::vector<Messaggio> messaggi;
  std::function<void(const Messaggio&)> alMessaggio;  // runs as each box "shows"

  Risposte Collega() {
    Risposte r;
    r.messaggio = [this](const Messaggio& m) {
      messaggi.push_back(m);
      if (alMessaggio) alMessaggio(m);
      return m.pulsanti == Pulsanti::SiNo ? Risposta::Si : Risposta::Ok;
    };
    return r;
  }
};

using quintello::prova::Metti;

template <typename T = QWidget>
T* Controllo(QWidget& finestra, const QString& nome) {
  T* controllo = finestra.findChild<T*>(nome);
  if (!controllo) qFatal("manca il controllo %s", qPrintable(nome));
  return controllo;
}

inline QString Indicizzato(const char* fila, int i) {
  return QStringLiteral("%1(%2)").arg(QLatin1StringView(fila)).arg(i);
}
inline PostoCarta* Posto(QWidget& f, const char* fila, int i) {
  return Controllo<PostoCarta>(f, Indicizzato(fila, i));
}
inline QAbstractButton* Bottone(QWidget& f, const char* nome) {
  return Controllo<QAbstractButton>(f, QString::fromLatin1(nome));
}

// What a row of places ("terra", "user", "pc") shows up to its last shown place: a face by
// its code ("7o"), kCoperta for the back, an empty string for a hidden place.
inline const QString kCoperta = QStringLiteral("coperta");
inline QStringList Fila(QWidget& f, const char* fila) {
  QStringList immagini;
  for (int i = 0; auto* posto = f.findChild<PostoCarta*>(Indicizzato(fila, i)); ++i) {
    const Carta carta = posto->carta();
    immagini << (posto->isHidden() ? QString()
                 : carta.valida()  ? QString::fromStdString(CodiceCarta(carta))
                                   : kCoperta);
  }
  while (!immagini.isEmpty() && immagini.last().isEmpty()) immagini.removeLast();
  return immagini;
}

// The shown controls of a row ("Shape1", "Shape2" ...), by index.
inline QList<int> Visibili(QWidget& f, const char* fila) {
  QList<int> visibili;
  for (int i = 0; auto* w = f.findChild<QWidget*>(Indicizzato(fila, i)); ++i)
    if (!w->isHidden()) visibili << i;
  return visibili;
}

inline void Clicca(QWidget* w) {
  QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// An empty match ready for the user's turn with this table and these hands; the
// other cards stay in the deck.
inline void Prepara(FinestraPrincipale& f, std::string_view terra, std::string_view pc,
                    std::string_view utente) {
  StatoPartita stato = f.gioco().Stato();
  stato.carte.Azzera();
  Metti(stato.carte, terra, quintello::Terra);
  Metti(stato.carte, pc, ManoPC);
  Metti(stato.carte, utente, ManoUtente);
  stato.RegistraManoUtente();
  stato.cartaselezionata = -1;
  stato.indicepresa = 0;
  stato.flag.shape1.fill(false);
  stato.flag.shape2.fill(false);
  stato.flag.user.fill(true);
  stato.flag.procedi = false;
  stato.flag.giocatautente = true;
  f.gioco().ImpostaPartita(stato);
}

}  // namespace quintello::ui::prova
