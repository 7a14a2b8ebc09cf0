#include "PosizioniSemi.h"

#include <array>

#include "PittoreCarte.h"

namespace quintello::pittore {
namespace {

template <typename T>
std::span<const T> Scegli(std::span<const T> const (&tabella)[kUltimoNumerale], int valore) {
  if (valore < 1 || valore > kUltimoNumerale) return {};
  return tabella[valore - 1];
}

// Coins: the three run corner to corner, the seven keeps its prized coin between the top rows.
// Every layout leaves the corners to the value index.
constexpr Posto kDenari1[] = {{{37, 65}, 25}};
constexpr Posto kDenari2[] = {{{37, 34}, 14}, {{37, 96}, 14}};
constexpr Posto kDenari3[] = {{{51, 28}, 12}, {{37, 65}, 12}, {{23, 102}, 12}};
constexpr Posto kDenari4[] = {
    {{21, 31}, 12.5}, {{53, 31}, 12.5}, {{21, 99}, 12.5}, {{53, 99}, 12.5}};
constexpr Posto kDenari5[] = {
    {{20, 27}, 11}, {{54, 27}, 11}, {{37, 65}, 11}, {{20, 103}, 11}, {{54, 103}, 11}};
constexpr Posto kDenari6[] = {{{20, 24}, 10}, {{54, 24}, 10},  {{20, 65}, 10},
                              {{54, 65}, 10}, {{20, 106}, 10}, {{54, 106}, 10}};
constexpr Posto kDenari7[] = {{{20, 24}, 9.5},  {{54, 24}, 9.5},  {{20, 65}, 9.5}, {{54, 65}, 9.5},
                              {{20, 106}, 9.5}, {{54, 106}, 9.5}, {{37, 44}, 12.5}};

constexpr Posto kCoppe1[] = {{{37, 72}, 72}};
constexpr Posto kCoppe2[] = {{{37, 36}, 44}, {{37, 96}, 44}};
constexpr Posto kCoppe3[] = {{{37, 32}, 38}, {{22, 95}, 36}, {{52, 95}, 36}};
constexpr Posto kCoppe4[] = {{{22, 36}, 38}, {{52, 36}, 38}, {{22, 94}, 38}, {{52, 94}, 38}};
constexpr Posto kCoppe5[] = {
    {{23, 32}, 32}, {{51, 32}, 32}, {{37, 65}, 30}, {{23, 98}, 32}, {{51, 98}, 32}};
constexpr Posto kCoppe6[] = {{{22, 31}, 30}, {{52, 31}, 30},  {{22, 66}, 30},
                             {{52, 66}, 30}, {{22, 101}, 30}, {{52, 101}, 30}};
constexpr Posto kCoppe7[] = {{{21, 31}, 28},  {{53, 31}, 28},  {{21, 66}, 28},  {{53, 66}, 28},
                             {{21, 101}, 28}, {{53, 101}, 28}, {{37, 44.5}, 19}};

// Swords: curved blades drawn like meridians, all crossing at the same two points so that each
// pair encloses an almond; hilts fan out below the lower crossing and points above the upper.
constexpr qreal kIncrocioBasso = 95;
constexpr qreal kIncrocioAlto = 29;
constexpr qreal kSporgenza = 0.13;  // how far past the crossings, as a share of their distance

// The blade that bows `scarto` pixels sideways midway between its crossings; inner pairs cross
// `rientro` pixels nearer the middle, so their hilts stand higher and can be told apart.
constexpr Spada Meridiano(qreal scarto, qreal rientro, qreal larghezza) {
  const qreal x = kDimensioneCarta.width() / 2.0 - 4 * scarto * kSporgenza * (1 + kSporgenza);
  const qreal basso = kIncrocioBasso - rientro;
  const qreal alto = kIncrocioAlto + rientro;
  const qreal fuori = (basso - alto) * kSporgenza;
  return {{x, basso + fuori},
          {x, alto - fuori},
          scarto * (1 + 4 * kSporgenza * (1 + kSporgenza)),
          larghezza};
}

// The straight blade odd counts add down the middle, its hilt kept clear of the frame.
constexpr Spada Dritta(qreal larghezza) {
  return {{37, 107}, {37, 13}, 0, larghezza};
}

constexpr Spada kSpade1[] = {{{37, 96}, {37, 12}, 0, 9}};
constexpr Spada kSpade2[] = {Meridiano(-19, 0, 4.6), Meridiano(19, 0, 4.6)};
constexpr Spada kSpade3[] = {Meridiano(-19, 0, 4.4), Meridiano(19, 0, 4.4), Dritta(4.4)};
constexpr Spada kSpade4[] = {Meridiano(-21, 0, 4.2), Meridiano(21, 0, 4.2), Meridiano(-9, 8, 4.2),
                             Meridiano(9, 8, 4.2)};
constexpr Spada kSpade5[] = {Meridiano(-21, 0, 4), Meridiano(21, 0, 4), Meridiano(-9, 8, 4),
                             Meridiano(9, 8, 4), Dritta(4)};
constexpr Spada kSpade6[] = {Meridiano(-23, 0, 3.7), Meridiano(23, 0, 3.7),  Meridiano(-14, 6, 3.7),
                             Meridiano(14, 6, 3.7),  Meridiano(-6, 12, 3.7), Meridiano(6, 12, 3.7)};
constexpr Spada kSpade7[] = {Meridiano(-23, 0, 3.6),
                             Meridiano(23, 0, 3.6),
                             Meridiano(-14, 6, 3.6),
                             Meridiano(14, 6, 3.6),
                             Meridiano(-6, 12, 3.6),
                             Meridiano(6, 12, 3.6),
                             Dritta(3.6)};

// Batons: straight staves crossing in a lattice, mirrored left to right.
constexpr Bastone kBastoneDritto{{37, 120}, {37, 10}, 5.5};
constexpr Bastone kBastoni1[] = {{{37, 120}, {37, 14}, 10, 1.9}};
constexpr Bastone kBastoni2[] = {{{17, 113}, {57, 17}, 6.5}, {{57, 113}, {17, 17}, 6.5}};
constexpr Bastone kBastoni3[] = {
    {{17, 113}, {57, 17}, 6}, {{57, 113}, {17, 17}, 6}, kBastoneDritto};
constexpr Bastone kBastoni4[] = {{{10, 111}, {53, 12}, 5.5},
                                 {{21, 118}, {64, 19}, 5.5},
                                 {{64, 111}, {21, 12}, 5.5},
                                 {{53, 118}, {10, 19}, 5.5}};
constexpr Bastone kBastoni5[] = {{{10, 111}, {53, 12}, 5.5},
                                 {{21, 118}, {64, 19}, 5.5},
                                 {{64, 111}, {21, 12}, 5.5},
                                 {{53, 118}, {10, 19}, 5.5},
                                 kBastoneDritto};
constexpr Bastone kBastoni6[] = {{{10, 95}, {46, 12}, 5},  {{17, 116}, {58, 18}, 5},
                                 {{28, 118}, {64, 35}, 5}, {{64, 95}, {28, 12}, 5},
                                 {{57, 116}, {16, 18}, 5}, {{46, 118}, {10, 35}, 5}};
constexpr Bastone kBastoni7[] = {
    {{10, 95}, {46, 12}, 5}, {{17, 116}, {58, 18}, 5}, {{28, 118}, {64, 35}, 5},
    {{64, 95}, {28, 12}, 5}, {{57, 116}, {16, 18}, 5}, {{46, 118}, {10, 35}, 5},
    kBastoneDritto};

constexpr std::span<const Posto> kDenari[] = {kDenari1, kDenari2, kDenari3, kDenari4,
                                              kDenari5, kDenari6, kDenari7};
constexpr std::span<const Posto> kCoppe[] = {kCoppe1, kCoppe2, kCoppe3, kCoppe4,
                                             kCoppe5, kCoppe6, kCoppe7};
constexpr std::span<const Spada> kSpade[] = {kSpade1, kSpade2, kSpade3, kSpade4,
                                             kSpade5, kSpade6, kSpade7};
constexpr std::span<const Bastone> kBastoni[] = {kBastoni1, kBastoni2, kBastoni3, kBastoni4,
                                                 kBastoni5, kBastoni6, kBastoni7};

}  // namespace

std::span<const Posto> PosizioniDenari(int valore) {
  return Scegli(kDenari, valore);
}
std::span<const Posto> PosizioniCoppe(int valore) {
  return Scegli(kCoppe, valore);
}
std::span<const Spada> PosizioniSpade(int valore) {
  return Scegli(kSpade, valore);
}
std::span<const Bastone> PosizioniBastoni(int valore) {
  return Scegli(kBastoni, valore);
}

}  // namespace quintello::pittore
