#include "ui/NomeCarta.h"

#include <array>

namespace quintello::ui {

namespace {

constexpr std::array<const char*, kValori> kNomiValori{
    "asso", "due", "tre", "quattro", "cinque", "sei", "sette", "fante", "cavallo", "re"};
constexpr std::array<const char*, kSemi> kNomiSemi{"denari", "spade", "coppe", "bastoni"};

}  // namespace

QString NomeCarta(Carta carta) {
  if (!carta.valida()) return kCartaCoperta;
  return QStringLiteral("%1 di %2")
      .arg(QLatin1StringView(kNomiValori[carta.valore - 1]),
           QLatin1StringView(kNomiSemi[carta.seme - 1]));
}

}  // namespace quintello::ui
