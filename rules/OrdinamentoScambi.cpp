#include "rules/OrdinamentoScambi.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace quintello {

namespace {

// A run of entries of one weight in the sorted prefix, kept in one buffer.
// Moving its first entry to its end is only counted; the run is put in order
// when it grows or at the end.
struct Gruppo {
  double peso;
  int inizio;
  int quante;
  int giri;
};

void Ordina(std::vector<int>& posto, Gruppo& g) {
  const int passo = g.giri % g.quante;
  if (passo != 0) {
    std::rotate(posto.begin() + g.inizio, posto.begin() + g.inizio + passo,
                posto.begin() + g.inizio + g.quante);
  }
  g.giri = 0;
}

}  // namespace

std::vector<int> PermutazioneScambi(const std::vector<double>& peso) {
  const int n = static_cast<int>(peso.size());
  std::vector<int> posto(n);
  std::iota(posto.begin(), posto.end(), 0);
  if (n == 0) return posto;

  // First pass: the entry in front is exchanged for every heavier one met.
  int portato = 0;
  for (int j = 1; j < n; ++j) {
    if (peso[portato] < peso[posto[j]]) std::swap(portato, posto[j]);
  }
  posto[0] = portato;

  // posto[0..i-1] is the sorted prefix, made of the runs in `gruppi`.
  std::vector<Gruppo> gruppi;
  gruppi.reserve(n);
  gruppi.push_back({peso[portato], 0, 1, 0});
  for (int i = 1; i < n; ++i) {
    const int voce = posto[i];
    const double w = peso[voce];
    std::size_t k = 0;
    while (k < gruppi.size() && !(w < gruppi[k].peso)) ++k;
    // The entry goes in front of the first heavier run, shifting the rest.
    const int dove = k < gruppi.size() ? gruppi[k].inizio : i;
    std::copy_backward(posto.begin() + dove, posto.begin() + i, posto.begin() + i + 1);
    posto[dove] = voce;
    for (std::size_t g = k; g < gruppi.size(); ++g) {
      ++gruppi[g].inizio;
      ++gruppi[g].giri;
    }
    if (k > 0 && gruppi[k - 1].peso == w) {
      Gruppo& pari = gruppi[k - 1];
      // Its entries lie just before the new one: put them in order, then grow.
      Ordina(posto, pari);
      ++pari.quante;
    } else {
      gruppi.insert(gruppi.begin() + static_cast<std::ptrdiff_t>(k), Gruppo{w, dove, 1, 0});
    }
  }
  for (Gruppo& g : gruppi) Ordina(posto, g);
  return posto;
}

}  // namespace quintello
