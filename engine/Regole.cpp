#include "engine/Regole.h"

namespace quintello {

namespace {

struct DescrizioneRegola {
  std::string_view nome;
  std::string_view titolo;
  std::string_view breve;
};
constexpr std::array<DescrizioneRegola, kRegole> kDescrizioni{{
    {"assopigliatutto", "Asso piglia tutto", "asso piglia tutto"},
    {"assoscopa", "L'asso che piglia tutto fa scopa", "scopa d'asso"},
    {"rebello", "Re bello", "re bello"},
    {"napola", "Napola", "napola"},
}};

bool Separatore(char c) {
  return c == ',' || c == ' ' || c == '\t';
}

}  // namespace

bool Regole::*Regole::Campo(Regola r) {
  switch (r) {
    case Regola::AssoPigliaTutto:
      return &Regole::assoPigliaTutto;
    case Regola::AssoScopa:
      return &Regole::assoScopa;
    case Regola::ReBello:
      return &Regole::reBello;
    case Regola::Napola:
      break;
  }
  return &Regole::napola;
}

Regole Regole::InVigore() const {
  Regole r = *this;
  r.assoScopa = assoPigliaTutto && assoScopa;
  return r;
}

std::string_view NomeRegola(Regola r) {
  return kDescrizioni[static_cast<int>(r)].nome;
}
std::string_view TitoloRegola(Regola r) {
  return kDescrizioni[static_cast<int>(r)].titolo;
}

std::string_view BreveRegola(Regola r) {
  return kDescrizioni[static_cast<int>(r)].breve;
}

std::string ElencoRegole(const Regole& regole, std::string_view (*nome)(Regola),
                         std::string_view separatore) {
  std::string nomi;
  for (Regola r : kTutteLeRegole) {
    if (!regole[r]) continue;
    if (!nomi.empty()) nomi += separatore;
    nomi += nome(r);
  }
  return nomi;
}

std::optional<Regole> LeggiNomiRegole(std::string_view testo) {
  Regole regole;
  while (!testo.empty()) {
    if (Separatore(testo.front())) {
      testo.remove_prefix(1);
      continue;
    }
    std::size_t fine = 0;
    while (fine < testo.size() && !Separatore(testo[fine])) ++fine;
    const std::optional<Regola> r = RegolaDiNome(testo.substr(0, fine));
    if (!r) return std::nullopt;
    regole[*r] = true;
    testo.remove_prefix(fine);
  }
  return regole;
}

std::optional<Regola> RegolaDiNome(std::string_view nome) {
  for (Regola r : kTutteLeRegole)
    if (NomeRegola(r) == nome) return r;
  return std::nullopt;
}

}  // namespace quintello
