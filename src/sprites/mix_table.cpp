// The mixing table: for every pair of palette colours, the palette colour nearest to
// their half blend. A plain scan asks 256 x 257 / 2 targets of all 256 entries; this
// gives the same table, entry for entry and tie for tie, while measuring only a few
// entries per target:
//
// - Entries with equal red, green and blue differ only in their index, and only the
//   lowest index of each colour can win (ties go to the lowest index), so the search
//   runs over the distinct colours, each labelled with its lowest index, which
//   decides ties between different colours at the same distance.
// - Equal colours give equal targets, so the search runs over pairs of distinct
//   colours and the table is filled from their answers.
// - The distance is the sum of five absolute differences. For any signs s, the
//   difference of s.r*r + s.g*g + s.b*b + s.h*h + s.v*v between two points is at
//   most their distance. For eight such keys, tables of bit sets tell which colours
//   have a key below a bound; the colours whose keys all lie within radius of the
//   target's form a small superset of the colours within radius, and only those
//   are measured.
// - The radius is the distance of the best of three guesses: the answers of the
//   row before for the same column and the columns on either side. The colours
//   are taken in an order where each is near the one before, so neighbouring
//   targets are close and so are their answers; and as a row's guesses come from
//   the row before, the searches of a row do not wait for each other.
// - Two neighbouring targets of a row share one set: per key it spans both
//   targets' ranges, so it holds the candidates of both, and each candidate is
//   measured against both. The set grows a little, the filter work is halved.
// - A colour sits in the low five bytes of a word, so that a distance is one sum
//   of absolute byte differences (one instruction with SSE2).
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

// The 32-bit Windows programs are built without SSE2; a test build takes that path
// on purpose, so that it is tested where SSE2 is at hand too.
#if defined(__SSE2__) && !defined(PLYK_MIX_TABLE_WITHOUT_SSE2)
#define PLYK_MIX_TABLE_SSE2
#include <emmintrin.h>
#endif

#include "sprites/palette.h"
#include "sprites/palette_distance.h"

namespace {

constexpr int kKeyCount = 8;
// Keys lie in [-4 * 255, 5 * 255] and radii reach at most 5 * 255, the largest
// distance; with kKeyOffset added, every key +- radius is non-negative.
constexpr int kKeyOffset = 9 * 255;
constexpr int kKeyLimit = 19 * 255;
// Bit sets are kept for every 2^kStepShift-th key value; a range rounded outwards to
// the steps only adds colours to the superset, and the tables stay small.
constexpr int kStepShift = 2;
constexpr int kTableSize = (kKeyLimit >> kStepShift) + 2;

struct ColourSet {
  uint64_t word[4];
};

// The five components in the low five bytes of one word: a distance is then one
// sum of absolute byte differences.
constexpr uint64_t kLowBits = 0x7f7f7f7f7f7f7f7full;

uint64_t Pack(const ColourPoint& c) {
  return uint64_t(c.r) | uint64_t(c.g) << 8 | uint64_t(c.b) << 16 | uint64_t(c.h) << 24 | uint64_t(c.v) << 32;
}

// The component-wise mean of two packed colours, rounded down, without a carry
// between bytes: the common bits plus half of the differing ones.
uint64_t PackedMean(uint64_t a, uint64_t b) {
  return (a & b) + ((a ^ b) >> 1 & kLowBits);
}

inline int PackedDistance(uint64_t a, uint64_t b) {
#if defined(PLYK_MIX_TABLE_SSE2)
  const __m128i x = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(&a));
  const __m128i y = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(&b));
  return _mm_cvtsi128_si32(_mm_sad_epu8(x, y));
#else
  int sum = 0;
  for (int shift = 0; shift < 40; shift += 8) {
    sum += std::abs(static_cast<int>(a >> shift & 0xff) - static_cast<int>(b >> shift & 0xff));
  }
  return sum;
#endif
}

// r + g + b + h + v under eight of the sixteen sign patterns that leave red positive.
// Key k is raised by the start of its table, so that key >> kStepShift indexes the
// concatenated tables directly.
inline void Keys(uint64_t packed, int* key) {
  const int r = static_cast<int>(packed & 0xff), g = static_cast<int>(packed >> 8 & 0xff);
  const int b = static_cast<int>(packed >> 16 & 0xff), h = static_cast<int>(packed >> 24 & 0xff);
  const int v = static_cast<int>(packed >> 32 & 0xff);
  const int x0 = r + g + kKeyOffset, x1 = r - g + kKeyOffset;
  const int y0 = b + h, y1 = b - h;
  key[0] = x0 + y0 + v;
  key[1] = x0 + y0 - v + (1 * kTableSize << kStepShift);
  key[2] = x0 - y0 + v + (2 * kTableSize << kStepShift);
  key[3] = x0 - y0 - v + (3 * kTableSize << kStepShift);
  key[4] = x1 + y1 + v + (4 * kTableSize << kStepShift);
  key[5] = x1 + y1 - v + (5 * kTableSize << kStepShift);
  key[6] = x1 - y1 + v + (6 * kTableSize << kStepShift);
  key[7] = x1 - y1 - v + (7 * kTableSize << kStepShift);
}

// Nearest-colour search over up to 256 distinct colours, named by their number.
class NearestSearch {
 public:
  // label[u]: the palette index of colour u, which decides ties.
  NearestSearch(const std::vector<uint64_t>& colours, const std::vector<int>& label)
      : below_(static_cast<size_t>(kKeyCount) * kTableSize) {
    const int n = static_cast<int>(colours.size());
    for (int u = 0; u < n; ++u) {
      packed_[u] = colours[u];
      // Ties go to the lower label; the low byte names the colour.
      tieKey_[u] = label[u] << 8 | u;
      int key[kKeyCount];
      Keys(colours[u], key);
      for (int k = 0; k < kKeyCount; ++k) {
        // below(k, x): the colours whose key k is below x steps.
        below_[(key[k] >> kStepShift) + 1].word[u >> 6] |= uint64_t(1) << (u & 63);
      }
    }
    for (int k = 0; k < kKeyCount; ++k) {
      for (int x = 1; x < kTableSize; ++x) {
        for (int w = 0; w < 4; ++w) below(k, x).word[w] |= below(k, x - 1).word[w];
      }
    }
  }

  // The colour nearest to the packed target, the one with the lowest label among
  // equals. g0, g1 and g2 are any colours; the nearer the best of them, the less is
  // measured.
  int nearest(uint64_t packed, int g0, int g1, int g2) const {
    const int radius = bestGuess(packed, g0, g1, g2) >> 8;
    int key[kKeyCount];
    Keys(packed, key);
    // Every colour at least as near as the best guess is in the set, so the winner
    // is too.
    const ColourSet set = within(key, radius, key, radius);
    // Distance, label and colour in one number: the smallest is the winner.
    int best = INT_MAX;
    for (int w = 0; w < 4; ++w) {
      uint64_t bits = set.word[w];
      while (bits) {
        const int u = w * 64 + __builtin_ctzll(bits);
        bits &= bits - 1;
        best = std::min(best, PackedDistance(packed_[u], packed) << 16 | tieKey_[u]);
      }
    }
    return best & 0xff;
  }

  // Two searches at once, for targets a and b near each other: one set holds the
  // candidates of both, and each candidate is measured against both.
  void nearestTwo(uint64_t a, int a0, int a1, int a2, uint64_t b, int b0, int b1, int b2, uint8_t* foundA,
                  uint8_t* foundB) const {
    const int radiusA = bestGuess(a, a0, a1, a2) >> 8;
    const int radiusB = bestGuess(b, b0, b1, b2) >> 8;
    int keyA[kKeyCount], keyB[kKeyCount];
    Keys(a, keyA);
    Keys(b, keyB);
    const ColourSet set = within(keyA, radiusA, keyB, radiusB);
    int bestA = INT_MAX, bestB = INT_MAX;
#if defined(PLYK_MIX_TABLE_SSE2)
    const __m128i targets = _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(&a)),
                                               _mm_loadl_epi64(reinterpret_cast<const __m128i*>(&b)));
#endif
    for (int w = 0; w < 4; ++w) {
      uint64_t bits = set.word[w];
      while (bits) {
        const int u = w * 64 + __builtin_ctzll(bits);
        bits &= bits - 1;
#if defined(PLYK_MIX_TABLE_SSE2)
        // Both distances from one sum of absolute differences, one per half.
        const __m128i colour = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(&packed_[u]));
        const __m128i sums = _mm_sad_epu8(_mm_unpacklo_epi64(colour, colour), targets);
        const int distanceA = _mm_cvtsi128_si32(sums);
        const int distanceB = _mm_extract_epi16(sums, 4);
#else
        const int distanceA = PackedDistance(packed_[u], a);
        const int distanceB = PackedDistance(packed_[u], b);
#endif
        bestA = std::min(bestA, distanceA << 16 | tieKey_[u]);
        bestB = std::min(bestB, distanceB << 16 | tieKey_[u]);
      }
    }
    *foundA = static_cast<uint8_t>(bestA);
    *foundB = static_cast<uint8_t>(bestB);
  }

 private:
  ColourSet& below(int k, int x) {
    return below_[static_cast<size_t>(k * kTableSize + x)];
  }

  // A superset of the colours within radiusA of the point whose keys are keyA and
  // of those within radiusB of the point whose keys are keyB: per key, the range
  // that spans both.
  ColourSet within(const int* keyA, int radiusA, const int* keyB, int radiusB) const {
    // Two words at a time; compilers turn this into vector instructions where the
    // target has them.
    typedef uint64_t Pair __attribute__((vector_size(16)));
    // Byte offsets into the tables: an entry is 32 bytes, so entry key >> kStepShift
    // lies at key << 3 with the low five bits cleared. The upper bound takes the
    // entry after the one that holds high.
    static_assert(sizeof(ColourSet) == 32 && kStepShift == 2, "offset arithmetic");
    const char* table = reinterpret_cast<const char*>(below_.data());
    Pair a = {~uint64_t(0), ~uint64_t(0)}, b = a;
#pragma GCC unroll 8
    for (int k = 0; k < kKeyCount; ++k) {
      // Computed here rather than in a loop of their own, which compilers would
      // vectorise into wide loads of narrow stores that cannot be forwarded.
      const int low = std::min(keyA[k] - radiusA, keyB[k] - radiusB);
      const int high = std::max(keyA[k] + radiusA, keyB[k] + radiusB);
      const char* hi = table + (((static_cast<uint32_t>(high) << 3) + 32) & ~31u);
      const char* lo = table + ((static_cast<uint32_t>(low) << 3) & ~31u);
      Pair hi0, hi1, lo0, lo1;
      std::memcpy(&hi0, hi, sizeof hi0);
      std::memcpy(&hi1, hi + 16, sizeof hi1);
      std::memcpy(&lo0, lo, sizeof lo0);
      std::memcpy(&lo1, lo + 16, sizeof lo1);
      a &= hi0 & ~lo0;
      b &= hi1 & ~lo1;
    }
    ColourSet set;
    std::memcpy(&set.word[0], &a, sizeof a);
    std::memcpy(&set.word[2], &b, sizeof b);
    return set;
  }

  // The nearest of three guesses: distance and colour in one number.
  int bestGuess(uint64_t packed, int g0, int g1, int g2) const {
    const int d0 = PackedDistance(packed_[g0], packed) << 8 | g0;
    const int d1 = PackedDistance(packed_[g1], packed) << 8 | g1;
    const int d2 = PackedDistance(packed_[g2], packed) << 8 | g2;
    return std::min(std::min(d0, d1), d2);
  }

  uint64_t packed_[256];
  int tieKey_[256];
  std::vector<ColourSet> below_;
};

// The colours in an order where each is near the one before: a greedy walk that
// always goes on to the nearest colour not yet visited.
std::vector<int> Tour(const std::vector<uint64_t>& colours) {
  const int n = static_cast<int>(colours.size());
  std::vector<int> order;
  std::vector<uint64_t> left(colours);
  std::vector<int> leftIndex(n);
  for (int u = 0; u < n; ++u) leftIndex[u] = u;
  uint64_t at = colours[0];
  while (!left.empty()) {
    // Distance and place in one number: the smallest is the nearest.
    int best = INT_MAX;
    const int count = static_cast<int>(left.size());
    for (int i = 0; i < count; ++i) best = std::min(best, PackedDistance(left[i], at) << 8 | i);
    const int pick = best & 0xff;
    at = left[pick];
    order.push_back(leftIndex[pick]);
    left[pick] = left.back();
    leftIndex[pick] = leftIndex.back();
    left.pop_back();
    leftIndex.pop_back();
  }
  return order;
}

}  // namespace

void BuildMixTable(PaletteBlock& block) {
  const PaletteColours palette(block);

  // The distinct colours, each with its lowest index.
  std::vector<uint64_t> distinct;
  std::vector<int> firstIndex;
  int distinctOf[256];
  for (int k = 0; k < 256; ++k) {
    const uint64_t c = Pack(palette.point[k]);
    // Hue and value follow from red, green and blue.
    auto found = std::find(distinct.begin(), distinct.end(), c);
    distinctOf[k] = static_cast<int>(found - distinct.begin());
    if (found == distinct.end()) {
      distinct.push_back(c);
      firstIndex.push_back(k);
    }
  }

  // From here on colours are numbered by their place along the tour.
  const int n = static_cast<int>(distinct.size());
  const std::vector<int> tour = Tour(distinct);
  std::vector<uint64_t> colours(n);
  std::vector<int> label(n);
  int placeOf[256];
  for (int p = 0; p < n; ++p) {
    colours[p] = distinct[tour[p]];
    label[p] = firstIndex[tour[p]];
    placeOf[tour[p]] = p;
  }
  int position[256];
  for (int k = 0; k < 256; ++k) position[k] = placeOf[distinctOf[k]];
  const NearestSearch search(colours, label);

  // answer[p * n + q]: the place along the tour of the colour that shows the blend
  // of the colours at places p and q.
  std::vector<uint8_t> answer(static_cast<size_t>(n) * n);
  // The first row has no row before: it guesses from its own previous answer.
  int guess = 0;
  for (int q = 0; q < n; ++q) {
    guess = search.nearest(PackedMean(colours[0], colours[q]), guess, q, guess);
    answer[q] = answer[static_cast<size_t>(q) * n] = static_cast<uint8_t>(guess);
  }
  for (int p = 1; p < n; ++p) {
    const uint8_t* above = &answer[static_cast<size_t>(p - 1) * n];
    uint8_t* row = &answer[static_cast<size_t>(p) * n];
    // A colour blended with itself is itself, and no other colour is that near.
    row[p] = static_cast<uint8_t>(p);
    // Neighbouring targets in pairs; the guesses come from the row before.
    const uint64_t colour = colours[p];
    int q = p + 1;
    for (; q + 1 < n; q += 2) {
      search.nearestTwo(PackedMean(colour, colours[q]), above[q], above[q - 1], above[q + 1],
                        PackedMean(colour, colours[q + 1]), above[q + 1], above[q],
                        above[q + 2 < n ? q + 2 : q + 1], &row[q], &row[q + 1]);
    }
    if (q < n) {
      row[q] = static_cast<uint8_t>(
          search.nearest(PackedMean(colour, colours[q]), above[q], above[q - 1], above[q]));
    }
    for (q = p + 1; q < n; ++q) answer[static_cast<size_t>(q) * n + p] = row[q];
  }

  uint8_t* table = block.mixTable();
  for (int i = 0; i < 256; ++i) {
    const uint8_t* row = &answer[static_cast<size_t>(position[i]) * n];
    for (int j = 0; j < 256; ++j) table[i * 256 + j] = static_cast<uint8_t>(label[row[position[j]]]);
  }
}
