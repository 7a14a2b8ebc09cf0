// What a screen reader says for a card place: "sette di denari", "carta coperta".
#pragma once

#include <QString>

#include "engine/Carta.h"
#include "ui/Descrizioni.h"

namespace quintello::ui {

// The card's Italian name; kCartaCoperta for anything that is not a card (the back).
QString NomeCarta(Carta carta);

}  // namespace quintello::ui
