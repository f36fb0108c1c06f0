#include "image/ColorQuantizer.h"

namespace pixmora {

TColorQuantizer::TColorQuantizer(int maxColors) : maxColors_(maxColors) {
  // Never more than maxColors + 1 leaves, each with at most kLeafDepth ancestors.
  nodes_.reserve(static_cast<std::size_t>(maxColors + 1) * (kLeafDepth + 1));
}

std::int32_t TColorQuantizer::NewNode(int level) {
  std::int32_t node;
  if (freeList_ >= 0) {
    node = freeList_;
    freeList_ = nodes_[node].NextReducible;
    nodes_[node] = TOctreeNode{};
  } else {
    node = static_cast<std::int32_t>(nodes_.size());
    nodes_.emplace_back();
  }
  if (level == kLeafDepth) {
    nodes_[node].IsLeaf = true;
    ++leafCount_;
  } else {
    nodes_[node].NextReducible = reducible_[level];
    reducible_[level] = node;
  }
  return node;
}

void TColorQuantizer::FreeNode(std::int32_t node) {
  nodes_[node].NextReducible = freeList_;
  freeList_ = node;
}

void TColorQuantizer::AddColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  const std::uint32_t color = (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b;
  std::int32_t node = lastLeaf_;
  if (node < 0 || color != lastColor_) {
    if (root_ < 0)
      root_ = NewNode(0);
    node = root_;
    for (int level = 0; !nodes_[node].IsLeaf; ++level) {
      const int shift = 7 - level;
      const int index = (((r >> shift) & 1) << 2) | (((g >> shift) & 1) << 1) | ((b >> shift) & 1);
      std::int32_t child = nodes_[node].Child[index];
      if (child < 0) {
        child = NewNode(level + 1);
        nodes_[node].Child[index] = child;
      }
      node = child;
    }
    lastColor_ = color;
    lastLeaf_ = node;
  }
  TOctreeNode& leaf = nodes_[node];
  ++leaf.PixelCount;
  leaf.RedSum += r;
  leaf.GreenSum += g;
  leaf.BlueSum += b;
  while (leafCount_ > maxColors_)
    ReduceTree();
}

void TColorQuantizer::ReduceTree() {
  int level = kLeafDepth - 1;
  while (level > 0 && reducible_[level] < 0)
    --level;
  const std::int32_t node = reducible_[level];
  reducible_[level] = nodes_[node].NextReducible;
  // Every deeper stack is empty, so all children are leaves.
  int removed = 0;
  for (std::int32_t& child : nodes_[node].Child) {
    if (child < 0)
      continue;
    TOctreeNode& parent = nodes_[node];
    const TOctreeNode& leaf = nodes_[child];
    parent.PixelCount += leaf.PixelCount;
    parent.RedSum += leaf.RedSum;
    parent.GreenSum += leaf.GreenSum;
    parent.BlueSum += leaf.BlueSum;
    FreeNode(child);
    child = -1;
    ++removed;
  }
  nodes_[node].IsLeaf = true;
  leafCount_ -= removed - 1;
  lastLeaf_ = -1;
}

void TColorQuantizer::CollectLeaves(std::int32_t node, std::vector<TPaletteColor>& palette) const {
  const TOctreeNode& n = nodes_[node];
  if (n.IsLeaf) {
    TPaletteColor color;
    if (n.PixelCount > 0) {
      color.R = static_cast<std::uint8_t>(n.RedSum / n.PixelCount);
      color.G = static_cast<std::uint8_t>(n.GreenSum / n.PixelCount);
      color.B = static_cast<std::uint8_t>(n.BlueSum / n.PixelCount);
    }
    palette.push_back(color);
    return;
  }
  for (std::int32_t child : n.Child) {
    if (child >= 0)
      CollectLeaves(child, palette);
  }
}

std::vector<TPaletteColor> TColorQuantizer::Palette() const {
  std::vector<TPaletteColor> palette;
  palette.reserve(maxColors_);
  if (root_ >= 0)
    CollectLeaves(root_, palette);
  const TPaletteColor fill = palette.empty() ? TPaletteColor{} : palette.back();
  palette.resize(maxColors_, fill);
  return palette;
}

}  // namespace pixmora
