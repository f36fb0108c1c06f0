#pragma once

namespace pixmora {

enum class ImageMode { Color, Monochrome, Palette };

}  // namespace pixmora
