// The deck's palette: every colour the painter uses is named here, once.
#pragma once

#include <QColor>

namespace quintello::pittore {

// Card stock and frame.
inline const QColor coloreCarta{0xfb, 0xf6, 0xe8};
inline const QColor coloreCornice{0x7a, 0x2e, 0x22};
inline const QColor coloreBordo{0x8c, 0x80, 0x6a};

// The dark line every shape is outlined with.
inline const QColor coloreInchiostro{0x2b, 0x1d, 0x14};

// Gold, for coins, cups, hilts and crowns.
inline const QColor coloreOro{0xf0, 0xbb, 0x2a};
inline const QColor coloreOroChiaro{0xfb, 0xe3, 0x7c};
inline const QColor coloreOroScuro{0xc0, 0x7f, 0x12};

// Red, for rims, rosettes and cloth.
inline const QColor coloreRosso{0xc8, 0x2a, 0x20};
inline const QColor coloreRossoScuro{0x8e, 0x1a, 0x14};

// Steel blue, for blades.
inline const QColor coloreAcciaio{0xbf, 0xd8, 0xf0};
inline const QColor coloreBlu{0x2f, 0x63, 0xb0};

// Green bark and brown wood, for batons.
inline const QColor coloreVerde{0x4a, 0x9a, 0x3c};
inline const QColor coloreVerdeChiaro{0x95, 0xcc, 0x6a};
inline const QColor coloreVerdeScuro{0x27, 0x5e, 0x22};
inline const QColor coloreMarrone{0x9a, 0x5b, 0x2a};
inline const QColor coloreMarroneChiaro{0xd4, 0x9a, 0x5a};
inline const QColor coloreMarroneScuro{0x5e, 0x34, 0x17};

// Figures: skin, hair, linen, ermine.
inline const QColor coloreCarne{0xf6, 0xd2, 0xac};
inline const QColor coloreNaso{0xac, 0x81, 0x62};
inline const QColor coloreCapelli{0x6b, 0x3f, 0x1d};
inline const QColor coloreBarba{0xe8, 0xe2, 0xd4};
inline const QColor coloreBaffi{0x9b, 0x99, 0x94};
inline const QColor coloreBianco{0xfd, 0xfb, 0xf4};
inline const QColor coloreViola{0x6e, 0x3b, 0x8c};
inline const QColor coloreNero{0x24, 0x20, 0x22};
inline const QColor coloreGrigio{0xd9, 0xd6, 0xcf};

// The back: two colours only.
inline const QColor coloreDorso{0x1f, 0x4a, 0x8a};
inline const QColor coloreDorsoChiaro{0xf4, 0xee, 0xdc};

}  // namespace quintello::pittore
