// Where the main window's controls lie and how big they are, in
// device-independent pixels of the client area (the part below the menu bar).
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "pittore/PittoreCarte.h"

namespace quintello::ui {

inline constexpr QSize kClient{794, 512};  // the status bar included
inline constexpr QRect kAreaControlli{0, 0, 794, 495};
inline constexpr QRect kStatusBar{0, 495, 794, 17};

inline constexpr QRect kCommand1{512, 8, 265, 25};
inline constexpr QRect kCommand2{512, 464, 265, 25};
inline constexpr QRect kBottoneOk{584, 208, 113,
                                  73};  // giocatautente and procedi, one over the other
inline constexpr QRect kFrame1{8, 8, 489, 465};

inline constexpr QSize kImmagineCarta = pittore::kDimensioneCarta;
inline constexpr int kBordoPosto = 2;  // the sunken border around every card picture
inline constexpr QSize kPosto = kImmagineCarta + QSize(2 * kBordoPosto, 2 * kBordoPosto);
inline constexpr QSize kCornice{87, 142};
inline constexpr int kBordoCornice = 3;

inline constexpr int kPassoColonna = 96;  // from one card place to the next one across
inline constexpr int kPassoRiga = 152;    // from one table row to the next
inline constexpr int kColonneTerra = 5;

// The first place of each row of places; the table's are inside Frame1.
inline constexpr QPoint kPrimaTerra{13, 13};
inline constexpr QPoint kPrimaShape1{8, 8};
inline constexpr QPoint kPrimoUser{509, 317};
inline constexpr QPoint kPrimoPC{509, 40};
inline constexpr QPoint kPrimaShape2{504, 312};

// Place i of a row of places, or of the table's grid of five columns.
inline constexpr QPoint InFila(QPoint primo, int i) {
  return primo + QPoint(kPassoColonna * i, 0);
}
inline constexpr QPoint InGriglia(QPoint primo, int i) {
  return primo + QPoint(kPassoColonna * (i % kColonneTerra), kPassoRiga * (i / kColonneTerra));
}

}  // namespace quintello::ui
