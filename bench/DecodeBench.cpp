// Decoding a 3840 x 2160 photo-like picture: our PNG and JPEG decoders, and libpng's own read
// of the same PNG into RGBA as the yardstick for the PNG decoder.
#include <benchmark/benchmark.h>
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

#include "image/codecs/JpegDecoder.h"
#include "image/codecs/PngDecoder.h"

namespace {

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;

// Smooth color waves with a little grain, so the files compress like a photograph does.
std::vector<std::uint8_t> PhotoLikeRgb() {
  std::vector<std::uint8_t> rgb(std::size_t{kWidth} * kHeight * 3);
  std::uint32_t noise = 12345;
  std::size_t i = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      for (int c = 0; c < 3; ++c) {
        noise = noise * 1664525u + 1013904223u;
        const double wave = 127.5 + 100 * std::sin(x * (0.002 + 0.001 * c) + y * 0.003 * (c + 1)) +
                            20 * std::sin((x + 2 * y) * 0.02);
        const double value = wave + static_cast<double>(noise >> 29) - 4;
        rgb[i++] = static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0));
      }
    }
  }
  return rgb;
}

const std::vector<std::uint8_t>& Rgb() {
  static const std::vector<std::uint8_t> rgb = PhotoLikeRgb();
  return rgb;
}

std::vector<std::uint8_t> EncodePng() {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = kWidth;
  image.height = kHeight;
  image.format = PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  if (!png_image_write_get_memory_size(image, size, 0, Rgb().data(), 0, nullptr)) {
    throw std::runtime_error(image.message);
  }
  std::vector<std::uint8_t> file(size);
  if (!png_image_write_to_memory(&image, file.data(), &size, 0, Rgb().data(), 0, nullptr)) {
    throw std::runtime_error(image.message);
  }
  file.resize(size);
  return file;
}

std::vector<std::uint8_t> EncodeJpeg() {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = kWidth;
  cinfo.image_height = kHeight;
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 90, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row =
        const_cast<JSAMPROW>(Rgb().data()) + std::size_t{cinfo.next_scanline} * kWidth * 3;
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<std::uint8_t> file(buffer, buffer + size);
  std::free(buffer);
  return file;
}

const std::vector<std::uint8_t>& PngFile() {
  static const std::vector<std::uint8_t> file = EncodePng();
  return file;
}

const std::vector<std::uint8_t>& JpegFile() {
  static const std::vector<std::uint8_t> file = EncodeJpeg();
  return file;
}

void BM_DecodePng(benchmark::State& state) {
  const auto& file = PngFile();
  for (auto _ : state) {
    pixmora::DecodeResult result = pixmora::DecodePng(file);
    if (!result.ok)
      state.SkipWithError(result.error.c_str());
    benchmark::DoNotOptimize(result.picture.pixels.data());
  }
  state.counters["file_bytes"] = static_cast<double>(file.size());
}

// libpng's simplified reader, into a freshly allocated RGBA buffer like our decoder's.
void BM_LibpngReadRgba(benchmark::State& state) {
  const auto& file = PngFile();
  for (auto _ : state) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) {
      state.SkipWithError(image.message);
      break;
    }
    image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
      state.SkipWithError(image.message);
      break;
    }
    benchmark::DoNotOptimize(rgba.data());
  }
}

void BM_DecodeJpeg(benchmark::State& state) {
  const auto& file = JpegFile();
  for (auto _ : state) {
    pixmora::DecodeResult result = pixmora::DecodeJpeg(file);
    if (!result.ok)
      state.SkipWithError(result.error.c_str());
    benchmark::DoNotOptimize(result.picture.pixels.data());
  }
  state.counters["file_bytes"] = static_cast<double>(file.size());
}

BENCHMARK(BM_DecodePng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibpngReadRgba)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeJpeg)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
