#include "FirmwareDriver.h"

#include "firmware/pixmora_decode.h"

#ifndef FIRMWARE_LANGUAGE
#define FIRMWARE_LANGUAGE c99
#endif
#define FIRMWARE_JOIN(name, language) name##_##language
#define FIRMWARE_NAME(name, language) FIRMWARE_JOIN(name, language)

typedef struct {
  uint32_t* pixels;
  size_t capacity;
  uint16_t width;
} pixel_sink;

static void put_pixel(void* context, uint16_t x, uint16_t y, uint32_t rgb) {
  pixel_sink* sink = (pixel_sink*)context;
  size_t i = (size_t)y * sink->width + x;
  if (i < sink->capacity)
    sink->pixels[i] = 0xFF000000u | rgb;
}

static pixmora_data main_data(const firmware_case* c) {
  return c->bytes != NULL ? pixmora_bytes(c->bytes, c->count)
                          : pixmora_words(c->words, c->count, c->lsb_first);
}

static const pixmora_data* table_data(const firmware_case* c, pixmora_data* table) {
  if (c->table_bytes != NULL)
    *table = pixmora_bytes(c->table_bytes, c->table_count);
  else if (c->table_words != NULL)
    *table = pixmora_words(c->table_words, c->table_count, c->lsb_first);
  else
    return NULL;
  return table;
}

int FIRMWARE_NAME(firmware_decode, FIRMWARE_LANGUAGE)(const firmware_case* c,
                                                      firmware_output* out) {
  pixmora_data data = main_data(c);
  pixmora_data table;
  const pixmora_data* colors = table_data(c, &table);
  pixmora_info info;
  pixel_sink sink;
  int result = c->has_info ? pixmora_decode_info(&data, &info)
                           : pixmora_make_info(&info, c->width, c->height, c->mode);
  if (result != PIXMORA_OK)
    return result;
  out->width = info.width;
  out->height = info.height;
  sink.pixels = out->pixels;
  sink.capacity = out->capacity;
  sink.width = info.width;
  result = pixmora_decode(&data, &info, colors, put_pixel, &sink);
  if (result == PIXMORA_OK && out->frame != NULL)
    result = pixmora_decode_565(&data, &info, colors, out->frame, out->capacity);
  if (result == PIXMORA_OK && out->bytes != NULL)
    result = pixmora_unpack(&data, &info, out->bytes, out->capacity);
  return result;
}
