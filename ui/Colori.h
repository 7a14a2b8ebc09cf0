// The fixed colours of the main window; everything else follows the system palette.
#pragma once

#include <QRgb>

namespace quintello::ui {

inline constexpr QRgb kVerdeTavolo = qRgb(0, 128, 0);      // Frame1, the table
inline constexpr QRgb kVerdeDonazione = qRgb(0, 255, 0);   // the two donation buttons
inline constexpr QRgb kCiano = qRgb(0, 255, 255);          // frames of the table places
inline constexpr QRgb kCianoChiaro = qRgb(128, 255, 255);  // frame of the first table place
inline constexpr QRgb kRosso = qRgb(255, 0, 0);            // frames of the user's hand places

}  // namespace quintello::ui
