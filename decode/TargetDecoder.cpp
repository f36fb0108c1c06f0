#include "decode/TargetDecoder.h"

#include <vector>

#include "decode/LvglHeader.h"
#include "decode/TargetPainting.h"
#include "decode/ValueText.h"
#include "image/ImageLimits.h"

namespace pixmora {

namespace {

std::string Needs(const TargetLayout& layout) {
  return "a " + std::to_string(layout.width) + " x " + std::to_string(layout.height) +
         " picture in " + LayoutLabel(layout);
}

// "the pixels and the mask"
std::string Roles(const std::vector<PlaneShape>& shapes) {
  std::string text;
  for (std::size_t i = 0; i < shapes.size(); ++i)
    text += std::string(i == 0 ? "" : " and ") + shapes[i].role;
  return text;
}

// Why the layout cannot be read: no size, a size beyond the limits, an LVGL stride too short
// for a row; `field` is the header's byte that says so.
std::optional<DecodeOutcome> CheckLayout(const TargetLayout& layout, bool header) {
  if (layout.width <= 0 || layout.height <= 0) {
    return DecodeOutcome::Failure(
        "the width and height of the picture are unknown: the file does not give them and "
        "none were given");
  }
  const auto at = [header](std::size_t byte) -> std::optional<DataPosition> {
    if (!header)
      return std::nullopt;
    return DataPosition{0, byte};
  };
  if (std::string why = CheckImageSize(layout.width, layout.height); !why.empty())
    return DecodeOutcome::Failure(why, at(4));
  if (layout.target != TargetKind::Lvgl9)
    return std::nullopt;
  const std::size_t stride = LvglStride(layout);
  const std::size_t least = LvglRowBytes(layout.colorFormat, layout.width);
  if (stride < least) {
    return DecodeOutcome::Failure("the stride " + std::to_string(stride) + " is less than the " +
                                      std::to_string(least) + " bytes of a row",
                                  at(8));
  }
  if (layout.colorFormat == LvglFormat::RGB565A8 && stride % 2 != 0) {
    return DecodeOutcome::Failure("the stride " + std::to_string(stride) +
                                      " of RGB565A8 is odd, but its alpha rows "
                                      "take half of it",
                                  at(8));
  }
  return std::nullopt;
}

DecodeOutcome Paint(const TargetLayout& layout, std::span<const Plane> planes,
                    std::optional<PaintFault>& fault) {
  DecodeOutcome outcome;
  outcome.picture.SetSize(layout.width, layout.height);
  fault = PaintTarget(layout, planes, outcome.picture);
  if (fault)
    return DecodeOutcome::Failure(fault->reason, fault->where);
  return outcome;
}

}  // namespace

std::string LayoutLabel(const TargetLayout& layout) {
  std::string label = TargetLabel(layout.target, layout.colorFormat);
  if (layout.swapBytes)
    label += " --swap-bytes";
  if (layout.mask)
    label += " --mask";
  return label;
}

DecodeOutcome TargetDecoder::DecodeArrays(std::span<const TextArray> arrays) const {
  if (auto failure = CheckLayout(layout_, false))
    return std::move(*failure);
  const std::vector<PlaneShape> shapes = PlaneShapes(layout_);
  if (arrays.size() != shapes.size()) {
    return DecodeOutcome::Failure("the text holds " + std::to_string(arrays.size()) +
                                  (arrays.size() == 1 ? " array" : " arrays") + ", but " +
                                  LayoutLabel(layout_) + " writes " +
                                  std::to_string(shapes.size()) + ": " + Roles(shapes));
  }
  std::vector<Plane> planes;
  for (std::size_t k = 0; k < shapes.size(); ++k) {
    const std::vector<std::uint16_t>& values = arrays[k].values;
    if (values.size() != shapes[k].count) {
      const std::size_t at = values.size() > shapes[k].count ? shapes[k].count
                             : values.empty()                ? 0
                                                             : values.size() - 1;
      return DecodeOutcome::Failure(std::string(shapes[k].role) + " hold " +
                                        ValueCount(values.size()) + ", but " + Needs(layout_) +
                                        " needs " + std::to_string(shapes[k].count),
                                    DataPosition{k, at});
    }
    if (!shapes[k].words) {
      for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] > 0xFF) {
          return DecodeOutcome::Failure(
              HexValue(values[i]) + " does not fit in a byte of " + shapes[k].role,
              DataPosition{k, i});
        }
      }
    }
    planes.emplace_back(values);
  }
  std::optional<PaintFault> fault;
  return Paint(layout_, planes, fault);
}

DecodeOutcome TargetDecoder::DecodeBinary(std::span<const std::uint8_t> bytes) const {
  TargetLayout layout = layout_;
  std::size_t start = 0;
  if (layout.target == TargetKind::Lvgl9) {
    std::size_t offset = 0;
    if (std::string why = ReadLvglHeader(bytes, layout, offset); !why.empty())
      return DecodeOutcome::Failure(why, DataPosition{0, offset});
    start = kLvglHeaderBytes;
  }
  if (auto failure = CheckLayout(layout, start > 0))
    return std::move(*failure);
  const std::vector<PlaneShape> shapes = PlaneShapes(layout);
  std::size_t total = start;
  for (const PlaneShape& shape : shapes)
    total += shape.count * (shape.words ? 2 : 1);
  if (bytes.size() != total) {
    return DecodeOutcome::Failure(
        "the file holds " + std::to_string(bytes.size()) + " bytes, but " + Needs(layout) +
            " takes " + std::to_string(total) + " (" + Roles(shapes) + ")",
        DataPosition{0, bytes.size() > total ? total : (bytes.empty() ? 0 : bytes.size() - 1)});
  }
  std::vector<std::vector<std::uint16_t>> values(shapes.size());
  std::vector<Plane> planes;
  std::vector<std::size_t> offsets;
  std::size_t at = start;
  for (std::size_t k = 0; k < shapes.size(); ++k) {
    offsets.push_back(at);
    std::vector<std::uint16_t>& plane = values[k];
    plane.resize(shapes[k].count);
    if (shapes[k].words) {
      for (std::size_t i = 0; i < plane.size(); ++i, at += 2)
        plane[i] = static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
    } else {
      plane.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                   bytes.begin() + static_cast<std::ptrdiff_t>(at + plane.size()));
      at += plane.size();
    }
    planes.emplace_back(plane);
  }
  std::optional<PaintFault> fault;
  DecodeOutcome outcome = Paint(layout, planes, fault);
  if (fault) {
    const PlaneShape& shape = shapes[fault->where.array];
    outcome.position =
        DataPosition{0, offsets[fault->where.array] + fault->where.index * (shape.words ? 2 : 1)};
  }
  return outcome;
}

}  // namespace pixmora
