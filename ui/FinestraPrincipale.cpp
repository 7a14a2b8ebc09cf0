#include "ui/FinestraPrincipale.h"

#include <QAction>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include "controller/Comandi.h"
#include "controller/Gioco.h"
#include "engine/Generatore.h"
#include "scoring/Obiettivo.h"
#include "ui/Accessibilita.h"
#include "ui/Colori.h"
#include "ui/Cornice.h"
#include "ui/Descrizioni.h"
#include "ui/DialogoFile.h"
#include "ui/Disposizione.h"
#include "ui/LaunchBrowser.h"
#include "ui/MsgBox.h"
#include "ui/PostoCarta.h"

namespace quintello::ui {

namespace {

const QString kTestoOk = QStringLiteral("Ok");
const QString kDonazione = QStringLiteral("Ti piace questo programma? Fai una donazione!");
constexpr int kOmbraBordo = 133;  // QColor::darker factors for the donation buttons' border
constexpr int kOmbraFuoco = 266;

// A stylesheet, as the style's own button colour would not show through.
QString StileDonazione() {
  const QColor verde(kVerdeDonazione);
  return QStringLiteral(
             "QPushButton { background-color: %1; border: 2px outset %2; }"
             "QPushButton:pressed { border-style: inset; }"
             "QPushButton:focus { border-color: %3; }")
      .arg(verde.name(), verde.darker(kOmbraBordo).name(), verde.darker(kOmbraFuoco).name());
}

// What a screen reader says for the buttons, whose captions say little alone.
const QString kAccessibileGioca = QStringLiteral("Ok, gioca la carta scelta");
const QString kAccessibileProcedi = QStringLiteral("Ok, continua");
const std::array kAccessibileDonazione{QStringLiteral("Fai una donazione, in alto"),
                                       QStringLiteral("Fai una donazione, in basso")};
const QString kDescrizioneNonSelezionata = QString::fromLatin1(kNonSelezionata);

constexpr int kMargineTesto = 4;  // between a caption and the sides of its button
constexpr qreal kPassoCarattere = 0.5;
constexpr qreal kCarattereMinimo = 6;

// The captions were laid out for a narrower font than Linux desktops use: a caption
// that does not fit its button gets a smaller font rather than losing its ends.
void AdattaCarattere(QPushButton* bottone) {
  QFont carattere = bottone->font();
  const int spazio = bottone->width() - 2 * kMargineTesto;
  while (QFontMetrics(carattere).horizontalAdvance(bottone->text()) > spazio &&
         carattere.pointSizeF() - kPassoCarattere >= kCarattereMinimo) {
    carattere.setPointSizeF(carattere.pointSizeF() - kPassoCarattere);
  }
  bottone->setFont(carattere);
}

// The target menu's items: the points as caption, the command as name.
constexpr std::array<const char*, kObiettivi> kVociObiettivo{"sette", "undici", "sedici",
                                                             "ventuno"};

// The opponent menu's items.
struct VoceAvversario {
  const char* testo;
  const char* nome;
};
constexpr std::array<VoceAvversario, kAvversari> kVociAvversario{
    {{"&Classico", "classico"}, {"&Esperto", "esperto"}}};

QString Indicizzato(const char* nome, int indice) {
  return QStringLiteral("%1(%2)").arg(QLatin1StringView(nome)).arg(indice);
}

void ColoraSfondo(QWidget* widget, QColor colore) {
  QPalette colori = widget->palette();
  colori.setColor(QPalette::Window, colore);
  widget->setPalette(colori);
  widget->setAutoFillBackground(true);
}

// Qt tells assistive technology of every setting, changed or not: only a real change is told.
void Descrivi(QWidget* widget, const QString& descrizione) {
  if (widget->accessibleDescription() != descrizione) widget->setAccessibleDescription(descrizione);
}

template <std::size_t N>
void MostraInPosto(const std::array<PostoCarta*, N>& posti, int indice, Carta carta) {
  if (indice >= static_cast<int>(N)) return;  // more cards than places: never out of range
  posti[indice]->MostraCarta(carta);
  posti[indice]->show();
}

}  // namespace

FinestraPrincipale::FinestraPrincipale(std::optional<uint64_t> seme, Risposte risposte)
    : risposte(std::move(risposte)) {
  InstallaAccessibilita();
  setWindowTitle(QString::fromLatin1(kTitoloApplicazione));
  ColoraSfondo(this, palette().color(QPalette::Button));
  createControls();
  createMenus();
  createStatusBar();
  PreparaFuoco();
  fixSize();
  // Placed before the start-up, so its first box shows over where the window will be.
  centerOnScreen();
  gioco_ = std::make_unique<Gioco>(*this, seme ? *seme : Generatore::SemeCasuale());
  gioco_->Form_Load();
}

FinestraPrincipale::~FinestraPrincipale() = default;

void FinestraPrincipale::createControls() {
  auto* area = new QWidget(this);
  area->setFixedSize(kAreaControlli.size());
  setCentralWidget(area);
  createTable(area);
  createHands(area);
  createButtons(area);
}

void FinestraPrincipale::createTable(QWidget* area) {
  auto* frame = new QFrame(area);
  frame->setObjectName(QStringLiteral("Frame1"));
  frame->setFrameShape(QFrame::NoFrame);
  frame->setGeometry(kFrame1);
  ColoraSfondo(frame, kVerdeTavolo);
  for (int i = 0; i < kPostiTerra; ++i) {
    terra_[i] = NuovoPosto(frame, Indicizzato("terra", i), InGriglia(kPrimaTerra, i));
  }
  // Created after the cards, so drawn over them.
  for (int i = 0; i < kPostiTerra; ++i) {
    shape1_[i] = NuovaCornice(frame, i == 0 ? kCianoChiaro : kCiano, Indicizzato("Shape1", i),
                              InGriglia(kPrimaShape1, i));
  }
}

void FinestraPrincipale::createHands(QWidget* area) {
  for (int i = 0; i < kPostiMano; ++i) {
    pc_[i] = NuovoPosto(area, Indicizzato("pc", i), InFila(kPrimoPC, i));
  }
  for (int i = 0; i < kPostiMano; ++i) {
    user_[i] = NuovoPosto(area, Indicizzato("user", i), InFila(kPrimoUser, i));
    connect(user_[i], &PostoCarta::cliccato, this, [this, i] { ClickUser(i); });
  }
  for (int i = 0; i < kPostiMano; ++i) {
    shape2_[i] = NuovaCornice(area, kRosso, Indicizzato("Shape2", i), InFila(kPrimaShape2, i));
  }
}

void FinestraPrincipale::createButtons(QWidget* area) {
  QPushButton* command1 = NuovoBottone(area, "Command1", kDonazione, kCommand1);
  QPushButton* command2 = NuovoBottone(area, "Command2", kDonazione, kCommand2);
  for (QPushButton* donazione : {command1, command2}) {
    donazione->setStyleSheet(StileDonazione());
    AdattaCarattere(donazione);
  }
  giocatautente_ = NuovoBottone(area, "giocatautente", kTestoOk, kBottoneOk);
  giocatautente_->setAccessibleName(kAccessibileGioca);
  procedi_ = NuovoBottone(area, "procedi", kTestoOk, kBottoneOk);
  procedi_->setAccessibleName(kAccessibileProcedi);
}

void FinestraPrincipale::createMenus() {
  // In the window on every desktop, so the client area keeps its size.
  menuBar()->setNativeMenuBar(false);

  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  NuovaVoce(file, QStringLiteral("&Nuova partita"), "newpart");
  NuovaVoce(file, QStringLiteral("&Salva partita"), "salva");
  NuovaVoce(file, QStringLiteral("&Carica"), "carica");
  NuovaVoce(file, QStringLiteral("&Esci"), "esci");

  QMenu* punteggio = menuBar()->addMenu(QStringLiteral("&Punteggio"));
  for (int o = 0; o < kObiettivi; ++o) {
    QAction* azione = punteggio->addAction(QString::number(kPuntiObiettivo[o]));
    azione->setObjectName(QString::fromLatin1(kVociObiettivo[o]));
    azione->setCheckable(true);
    // Qt has already flipped the mark when this runs; the game's flags decide it.
    connect(azione, &QAction::triggered, this, [this, click = Comandi().at(kVociObiettivo[o])] {
      Inoltra(click);
      SincronizzaObiettivi();
    });
    obiettivi_[o] = azione;
  }
  SincronizzaObiettivi();

  QMenu* avversario = menuBar()->addMenu(QStringLiteral("&Avversario"));
  for (int a = 0; a < kAvversari; ++a) {
    QAction* azione = avversario->addAction(QString::fromUtf8(kVociAvversario[a].testo));
    azione->setObjectName(QString::fromLatin1(kVociAvversario[a].nome));
    azione->setCheckable(true);
    azione->setChecked(a == static_cast<int>(Avversario::Classico));
    connect(azione, &QAction::triggered, this,
            [this, click = Comandi().at(kVociAvversario[a].nome)] {
              Inoltra(click);
              SincronizzaAvversario();
            });
    avversari_[a] = azione;
  }

  QMenu* aiuto = menuBar()->addMenu(QStringLiteral("&?"));
  NuovaVoce(aiuto, QStringLiteral("&Informazioni"), "Info");
  NuovaVoce(aiuto, QStringLiteral("Fai una &donazione"), "mnuDona");
  QAction* suggerimento = NuovaVoce(aiuto, QStringLiteral("&Suggerimento"), "suggerimento");
  suggerimento->setShortcut(QKeySequence(Qt::Key_S));
}

void FinestraPrincipale::createStatusBar() {
  QStatusBar* barra = statusBar();
  barra->setSizeGripEnabled(false);
  barra->setFixedHeight(kStatusBar.height());
  status_ = new QLabel(barra);
  status_->setObjectName(QStringLiteral("StatusBar"));
  status_->setTextFormat(Qt::PlainText);
  QFont grassetto = status_->font();
  grassetto.setBold(true);
  status_->setFont(grassetto);
  barra->addWidget(status_, 1);
}

void FinestraPrincipale::fixSize() {
  setFixedSize(kClient.width(), menuBar()->sizeHint().height() + kClient.height());
}

PostoCarta* FinestraPrincipale::NuovoPosto(QWidget* padre, const QString& nome, QPoint dove) {
  auto* posto = new PostoCarta(cards_, padre);
  posto->setObjectName(nome);
  posto->setGeometry(QRect(dove, kPosto));
  return posto;
}

Cornice* FinestraPrincipale::NuovaCornice(QWidget* padre, QRgb colore, const QString& nome,
                                          QPoint dove) {
  auto* cornice = new Cornice(QColor(colore), kBordoCornice, padre);
  cornice->setObjectName(nome);
  cornice->setGeometry(QRect(dove, kCornice));
  return cornice;
}

QPushButton* FinestraPrincipale::NuovoBottone(QWidget* area, const char* nome, const QString& testo,
                                              QRect dove) {
  auto* bottone = new QPushButton(testo, area);
  bottone->setObjectName(QString::fromLatin1(nome));
  const Handler click = Comandi().at(nome);
  bottone->setGeometry(dove);
  connect(bottone, &QPushButton::clicked, this, [this, click] { Inoltra(click); });
  return bottone;
}

QAction* FinestraPrincipale::NuovaVoce(QMenu* menu, const QString& testo, const char* nome) {
  QAction* azione = menu->addAction(testo);
  azione->setObjectName(QString::fromLatin1(nome));
  const Handler click = Comandi().at(nome);
  connect(azione, &QAction::triggered, this, [this, click] { Inoltra(click); });
  return azione;
}

void FinestraPrincipale::centerOnScreen() {
  // Before the first show the frame is unknown: the window's own size is close enough.
  QRect dove(QPoint(), frameGeometry().size());
  dove.moveCenter(screen()->availableGeometry().center());
  move(dove.topLeft());
}

void FinestraPrincipale::Inoltra(Handler click) {
  (gioco_.get()->*click)();
}

void FinestraPrincipale::SincronizzaObiettivi() {
  // Before the game exists the marks are those a game starts with.
  const FlagFinestra flag = gioco_ ? gioco_->Stato().flag : FlagFinestra{};
  for (int o = 0; o < kObiettivi; ++o) obiettivi_[o]->setChecked(flag.obiettivo[o]);
}

void FinestraPrincipale::SincronizzaAvversario() {
  for (int a = 0; a < kAvversari; ++a)
    avversari_[a]->setChecked(a == static_cast<int>(gioco_->AvversarioScelto()));
}

void FinestraPrincipale::ClickUser(int indice) {
  if (indice >= 0 && indice < kPostiMano && gioco_->Azioni().user[indice])
    gioco_->user_Click(indice);
}

void FinestraPrincipale::ClickOk() {
  // procedi lies over giocatautente: the one on top is the one the user sees.
  if (!procedi_->isHidden()) {
    procedi_->click();
  } else if (!giocatautente_->isHidden()) {
    giocatautente_->click();
  }
}

void FinestraPrincipale::keyPressEvent(QKeyEvent* evento) {
  const int tasto = evento->key();
  // A held key would play on by itself.
  const bool nuovo = !evento->isAutoRepeat();
  if (tasto >= Qt::Key_1 && tasto < Qt::Key_1 + kPostiMano) {
    if (nuovo) ClickUser(tasto - Qt::Key_1);
  } else if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
    if (nuovo) ClickOk();
  } else {
    QMainWindow::keyPressEvent(evento);
  }
}

void FinestraPrincipale::Ridisegna(const Carte& carte) {
  for (PostoCarta* posto : pc_) posto->hide();
  int inTerra = 0;
  int inMano = 0;
  int delPC = 0;
  carte.PerOgniCarta([&](Carta carta, int16_t luogo) {
    if (luogo == Terra) MostraInPosto(terra_, inTerra++, carta);
    if (luogo == ManoUtente) MostraInPosto(user_, inMano++, carta);
    if (luogo == ManoPC) ++delPC;
  });
  for (int i = inTerra; i < kPostiTerra; ++i) terra_[i]->hide();
  // Hidden only when empty: hiding the focused card, even for a moment, would move the focus.
  for (int i = inMano; i < kPostiMano; ++i) user_[i]->hide();
  for (int i = 0; i < kPostiMano; ++i) {
    pc_[i]->MostraCarta(Carta{});
    pc_[i]->setVisible(i < delPC);
  }
}

void FinestraPrincipale::DisegnaCartePC(Carta carta, int posto) {
  if (posto < 0 || posto >= kPostiMano) return;
  pc_[posto]->show();
  if (carta.valida()) pc_[posto]->MostraCarta(carta);
}

void FinestraPrincipale::AggiornaStatusBar(const std::string& testo) {
  status_->setText(QString::fromStdString(testo));
}

void FinestraPrincipale::MostraShape1(int posto, bool visibile) {
  shape1_[posto]->setVisible(visibile);
}

void FinestraPrincipale::MostraShape2(int posto, bool visibile) {
  shape2_[posto]->setVisible(visibile);
}

void FinestraPrincipale::MostraBottone(Bottone bottone, bool visibile) {
  (bottone == Bottone::GiocaUtente ? giocatautente_ : procedi_)->setVisible(visibile);
  SeguiBottone(bottone, visibile);
}

void FinestraPrincipale::AbilitaUser(int posto, bool abilitato) {
  user_[posto]->setEnabled(abilitato);
}

void FinestraPrincipale::SpuntaObiettivo(Obiettivo obiettivo, bool spuntato) {
  obiettivi_[static_cast<int>(obiettivo)]->setChecked(spuntato);
}

Risposta FinestraPrincipale::MsgBox(const Messaggio& messaggio) {
  fraseUtente_.clear();  // a box between the two plays: the hand is over, the box tells it
  RilasciaNome();
  if (risposte.messaggio) return risposte.messaggio(messaggio);
  return MostraMsgBox(this, messaggio);
}

std::string FinestraPrincipale::DialogoFile(Dialogo tipo, const std::string& filtro,
                                            const std::string& nomeIniziale) {
  const QStringList filtri = FiltriDialogo(filtro);
  if (risposte.file) return risposte.file(tipo, filtri, nomeIniziale);
  return ScegliFile(this, tipo, filtri, nomeIniziale);
}

void FinestraPrincipale::LaunchBrowser(const std::string& indirizzo) {
  ui::LaunchBrowser(indirizzo, CartellaFileProva(), *this);
}

void FinestraPrincipale::Chiudi() {
  // Only closed: this may run inside one of the game's handlers, which must unwind first.
  close();
}

bool FinestraPrincipale::focusNextPrevChild(bool avanti) {
  // A focused control that hides or turns off would pass the focus down the chain, and a
  // screen reader would announce that control, often a donation button. The focus stays
  // put instead: the game moves it where it belongs, and RiponiFuoco tidies what it leaves.
  QWidget* fuoco = focusWidget();
  if (fuoco && (fuoco->isHidden() || !fuoco->isEnabled())) {
    QTimer::singleShot(0, this, &FinestraPrincipale::RiponiFuoco);
    return true;
  }
  return QMainWindow::focusNextPrevChild(avanti);
}

void FinestraPrincipale::RiponiFuoco() {
  RilasciaNome();
  QWidget* fuoco = focusWidget();
  if (!fuoco || (!fuoco->isHidden() && fuoco->isEnabled())) return;
  for (QPushButton* ok : {procedi_, giocatautente_}) {
    if (!ok->isHidden()) {
      ok->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
  fuoco->clearFocus();
}

void FinestraPrincipale::RilasciaNome() {
  if (nomeTrattenuto_) nomeTrattenuto_->TrattieniNome(false);
  nomeTrattenuto_ = nullptr;
}

void FinestraPrincipale::PreparaFuoco() {
  for (PostoCarta* posto : user_) {
    posto->setFocusPolicy(Qt::StrongFocus);
    Descrivi(posto, kDescrizioneNonSelezionata);
  }
  // The hand, the "Ok" buttons, then the donation buttons, which Tab alone reaches.
  setTabOrder(user_[kPostiMano - 1], giocatautente_);
  setTabOrder(giocatautente_, procedi_);
  QWidget* prima = procedi_;
  for (int d = 0; d < 2; ++d) {
    auto* donazione =
        findChild<QPushButton*>(d == 0 ? QStringLiteral("Command1") : QStringLiteral("Command2"));
    donazione->setFocusPolicy(Qt::TabFocus);
    donazione->setAccessibleName(kAccessibileDonazione[d]);
    setTabOrder(prima, donazione);
    prima = donazione;
  }
}

void FinestraPrincipale::DescriviTerra(const std::string& presa, const QString& testo) {
  for (PostoCarta* posto : terra_) {
    bool presaQui = false;
    for (std::size_t k = 0; k < NumeroCodici(presa); ++k) {
      presaQui = presaQui || LeggiCarta(CodiceN(presa, k)) == posto->carta();
    }
    Descrivi(posto, presaQui && !posto->isHidden() ? testo : QString());
  }
}

void FinestraPrincipale::SeguiBottone(Bottone bottone, bool visibile) {
  if (bottone == Bottone::Procedi && visibile && fuocoAlProcedi_) {
    fuocoAlProcedi_ = false;
    procedi_->setFocus(Qt::OtherFocusReason);
    RilasciaNome();
    // Only now, not to be read out on the card that still had the focus.
    for (PostoCarta* posto : user_) Descrivi(posto, kDescrizioneNonSelezionata);
  }
}

void FinestraPrincipale::AnnunciaProposta(int posto, const std::string& presa, int numero,
                                          int totale) {
  fraseUtente_.clear();
  RilasciaNome();
  if (posto < 0 || posto >= kPostiMano) return;
  // The new card's words first, then the focus, then the others: a screen reader reads
  // changes on the focused card, and the card that loses the focus must not speak.
  Descrivi(user_[posto], QString::fromStdString(DescrizioneProposta(presa, numero, totale)));
  DescriviTerra(presa, QString::fromLatin1(kPresaDallaScelta));
  if (!user_[posto]->isHidden()) user_[posto]->setFocus(Qt::OtherFocusReason);
  for (int i = 0; i < kPostiMano; ++i) {
    if (i != posto) Descrivi(user_[i], kDescrizioneNonSelezionata);
  }
}

void FinestraPrincipale::AnnunciaGiocata(Giocatore chi, Carta carta, const std::string& presa,
                                         bool scopa) {
  const std::string frase = FraseGiocata(chi, carta, presa, scopa);
  if (chi == Giocatore::Utente) {
    DescriviTerra({}, {});
    // The played card's place is about to show the next card while it still has the focus.
    if (auto* posto = qobject_cast<PostoCarta*>(focusWidget())) {
      RilasciaNome();
      nomeTrattenuto_ = posto;
      posto->TrattieniNome(true);
    }
    fraseUtente_ = frase;
    return;
  }
  DescriviTerra(presa, QString::fromLatin1(kPresaDalComputer));
  Descrivi(procedi_,
           QString::fromStdString(fraseUtente_.empty() ? frase : fraseUtente_ + " " + frase));
  fraseUtente_.clear();
  fuocoAlProcedi_ = true;
}

}  // namespace quintello::ui
