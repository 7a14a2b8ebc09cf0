// The computer's exchange sort, computed without its n squared exchanges.
#pragma once

#include <vector>

namespace quintello {

// The order that this loop leaves, over positions 0..n-1:
//
//   for i in 0..n-1: for j in 0..n-1: if peso[i] < peso[j]: swap(i, j)
//
// as the original position of the entry that ends at each position. The
// loop sorts ascending but is not stable, and the computer's choice depends
// on where it leaves entries of equal weight, so this reproduces it exactly:
// the first pass carries the heaviest entry to the front; every later pass
// inserts entry i into the sorted prefix after its equals, and moves the
// first entry of each heavier run of equal weights to the end of its run.
std::vector<int> PermutazioneScambi(const std::vector<double>& peso);

}  // namespace quintello
