#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "image/PaletteColor.h"

namespace pixmora {

// Links between nodes are indices into the quantizer's node pool; -1 is no node.
struct TOctreeNode {
  bool IsLeaf = false;
  std::uint64_t PixelCount = 0;
  // 64-bit so that the sums of a huge single-colored area cannot wrap.
  std::uint64_t RedSum = 0;
  std::uint64_t GreenSum = 0;
  std::uint64_t BlueSum = 0;
  std::array<std::int32_t, 8> Child{-1, -1, -1, -1, -1, -1, -1, -1};
  std::int32_t NextReducible = -1;
};

// Octree color quantization with leaves at depth 8. Whenever the leaf count exceeds the color
// limit, the most recently created reducible node of the deepest level that has one is merged
// with its children, so the palette follows the order in which colors were added.
class TColorQuantizer {
 public:
  static constexpr int kLeafDepth = 8;

  explicit TColorQuantizer(int maxColors);

  // Adds one pixel, then reduces the tree back to the color limit.
  void AddColor(std::uint8_t r, std::uint8_t g, std::uint8_t b);

  int LeafCount() const { return leafCount_; }

  // Exactly maxColors entries: the leaves depth first, children in index order, each the
  // truncated average of its pixels. Entries after the last leaf repeat that leaf's color, so
  // they add no color that the image does not have.
  std::vector<TPaletteColor> Palette() const;

 private:
  std::int32_t NewNode(int level);
  void FreeNode(std::int32_t node);
  void ReduceTree();
  void CollectLeaves(std::int32_t node, std::vector<TPaletteColor>& palette) const;

  int maxColors_;
  int leafCount_ = 0;
  std::int32_t root_ = -1;
  std::vector<TOctreeNode> nodes_;
  std::int32_t freeList_ = -1;
  std::array<std::int32_t, kLeafDepth> reducible_{-1, -1, -1, -1, -1, -1, -1, -1};
  // The leaf that took the previous pixel: photographs repeat colors in runs, and until the
  // next reduction the same color reaches the same leaf.
  std::uint32_t lastColor_ = 0;
  std::int32_t lastLeaf_ = -1;
};

}  // namespace pixmora
