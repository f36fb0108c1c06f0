/*
 * pixmora_decode.h: decodes the arrays Pixmora writes, on the device.
 *
 * Portable C99 (and C++), one header, no allocation, no global state. It reads the image
 * information (size and color mode word), undoes the Word representation (with or without
 * LSB byte first) and the run-length compression, and hands out every pixel as 0xRRGGBB
 * (each channel widened to 8 bits by repeating its bits; monochrome: a set bit is black).
 *
 *   static const unsigned char logo[] PROGMEM = { ... };        written by Pixmora
 *
 *   pixmora_data data = pixmora_bytes(logo, sizeof logo);      or pixmora_words(...)
 *   pixmora_info info;
 *   if (pixmora_decode_info(&data, &info) == PIXMORA_OK)
 *     pixmora_decode(&data, &info, NULL, draw_pixel, &display);
 *
 * Arrays in program memory: define PIXMORA_READ_BYTE(p) and PIXMORA_READ_WORD(p) before the
 * include (on AVR: pgm_read_byte(p) and pgm_read_word(p)). Names that start with pixmora_i_
 * are internal.
 */
#ifndef PIXMORA_DECODE_H
#define PIXMORA_DECODE_H

#include <stddef.h>
#include <stdint.h>

#ifndef PIXMORA_READ_BYTE
#define PIXMORA_READ_BYTE(p) (*(p))
#endif
#ifndef PIXMORA_READ_WORD
#define PIXMORA_READ_WORD(p) (*(p))
#endif

/* Results: 0 or one of these. */
#define PIXMORA_OK 0
#define PIXMORA_ERR_SHORT (-1)  /* the data ends before the last pixel */
#define PIXMORA_ERR_LONG (-2)   /* data is left after the last pixel */
#define PIXMORA_ERR_MODE (-3)   /* the color mode word names no encoding */
#define PIXMORA_ERR_SIZE (-4)   /* the width or the height is 0 */
#define PIXMORA_ERR_TABLE (-5)  /* palette data without its color table, or an index beyond it */
#define PIXMORA_ERR_BUFFER (-6) /* the caller's buffer is too small */

/* The encodings, in the order of the mode code (bits 1-4 of the color mode word). */
enum pixmora_encoding {
  PIXMORA_RGB565,
  PIXMORA_RGB444,
  PIXMORA_RGB332,
  PIXMORA_PALETTE_1, /* pixels per byte */
  PIXMORA_PALETTE_2,
  PIXMORA_PALETTE_4,
  PIXMORA_PALETTE_8,
  PIXMORA_MONO_VERTICAL,
  PIXMORA_MONO_HORIZONTAL
};

/* An array as Pixmora wrote it: bytes (Byte representation, and a Byte color table), or
   unsigned ints holding 16-bit words (Word representation, and a Word color table), or the
   uint16_t words of a table of frames, whose byte offsets need elements of one size everywhere. */
typedef struct {
  const unsigned char* bytes; /* one of the three is set */
  const unsigned int* words;
  const uint16_t* words16;
  size_t count;  /* elements */
  int lsb_first; /* words: the option "LSB byte first" */
} pixmora_data;

typedef struct {
  uint16_t width;
  uint16_t height;
  uint16_t mode;    /* the color mode word */
  uint8_t encoding; /* enum pixmora_encoding */
  uint8_t compressed;
  uint16_t colors;   /* palette size the word gives: 2 to 256; 0 for code 000 */
  size_t data_start; /* the element where the pixel data begins */
} pixmora_info;

/* Receives one pixel; pixels come in the order of the data (column by column within each
   page of eight rows for monochrome vertical, else row by row). */
typedef void (*pixmora_pixel_fn)(void* context, uint16_t x, uint16_t y, uint32_t rgb);

static inline pixmora_data pixmora_bytes(const unsigned char* bytes, size_t count) {
  pixmora_data data;
  data.bytes = bytes;
  data.words = NULL;
  data.words16 = NULL;
  data.count = count;
  data.lsb_first = 0;
  return data;
}

static inline pixmora_data pixmora_words(const unsigned int* words, size_t count, int lsb_first) {
  pixmora_data data = pixmora_bytes(NULL, count);
  data.words = words;
  data.lsb_first = lsb_first;
  return data;
}

static inline pixmora_data pixmora_words16(const uint16_t* words, size_t count, int lsb_first) {
  pixmora_data data = pixmora_bytes(NULL, count);
  data.words16 = words;
  data.lsb_first = lsb_first;
  return data;
}

/* Element i as it is stored: a byte, or a word. */
static inline uint16_t pixmora_i_stored(const pixmora_data* data, size_t i) {
  if (data->bytes != NULL)
    return (uint16_t)PIXMORA_READ_BYTE(data->bytes + i);
  if (data->words16 != NULL)
    return (uint16_t)PIXMORA_READ_WORD(data->words16 + i);
  return (uint16_t)(PIXMORA_READ_WORD(data->words + i) & 0xFFFFu);
}

/* Element i of the data: a byte, or a word with its bytes in order. */
static inline uint16_t pixmora_i_element(const pixmora_data* data, size_t i) {
  const uint16_t value = pixmora_i_stored(data, i);
  if (data->bytes != NULL || !data->lsb_first)
    return value;
  return (uint16_t)((value >> 8) | (value << 8));
}

/* Fills the info of data without the image information, from its size and color mode word. */
static inline int pixmora_make_info(pixmora_info* info, uint16_t width, uint16_t height,
                                    uint16_t mode) {
  unsigned code = (mode >> 1) & 0xFu;
  unsigned size_code = (mode >> 8) & 7u;
  info->width = width;
  info->height = height;
  info->mode = mode;
  info->encoding = (uint8_t)code;
  info->compressed = (uint8_t)((mode & 1u) == 0);
  info->colors = (uint16_t)(size_code == 0 ? 0 : 256u >> size_code);
  info->data_start = 0;
  if (code > PIXMORA_MONO_HORIZONTAL || (mode & 0xF8E0u) != 0 ||
      (size_code != 0 && (code < PIXMORA_PALETTE_1 || code > PIXMORA_PALETTE_8)))
    return PIXMORA_ERR_MODE;
  return width == 0 || height == 0 ? PIXMORA_ERR_SIZE : PIXMORA_OK;
}

/* Reads the image information at the start of the data. */
static inline int pixmora_decode_info(const pixmora_data* data, pixmora_info* info) {
  uint16_t field[3];
  size_t i;
  int result;
  size_t length = data->bytes != NULL ? 6 : 3;
  if (data->count < length)
    return PIXMORA_ERR_SHORT;
  for (i = 0; i < 3; ++i) {
    field[i] =
        data->bytes != NULL
            ? (uint16_t)(pixmora_i_element(data, 2 * i) << 8 | pixmora_i_element(data, 2 * i + 1))
            : pixmora_i_element(data, i);
  }
  result = pixmora_make_info(info, field[0], field[1], field[2]);
  info->data_start = length;
  return result;
}

/* The bytes the encoder wrote for the picture. */
static inline uint32_t pixmora_byte_count(const pixmora_info* info) {
  uint32_t pixels = (uint32_t)info->width * info->height;
  switch (info->encoding) {
    case PIXMORA_RGB565:
      return 2 * pixels;
    case PIXMORA_RGB444:
      return (3 * pixels + 1) / 2;
    case PIXMORA_PALETTE_2:
      return (pixels + 1) / 2;
    case PIXMORA_PALETTE_4:
      return (pixels + 3) / 4;
    case PIXMORA_MONO_VERTICAL:
      return (uint32_t)info->width * (((uint32_t)info->height + 7) / 8);
    case PIXMORA_PALETTE_8:
    case PIXMORA_MONO_HORIZONTAL:
      return (pixels + 7) / 8;
    default:
      return pixels;
  }
}

/* Reads the encoder's bytes in order: elements after the runs are expanded, split into bytes. */
typedef struct {
  const pixmora_data* data;
  size_t next; /* the next element */
  int compressed;
  uint16_t run_value;
  uint32_t run_left; /* copies of run_value still to come */
  uint32_t bytes_left;
  int has_second; /* the second byte of the last word is still to come */
  uint8_t second;
  int error;
} pixmora_i_reader;

static inline void pixmora_i_start(pixmora_i_reader* reader, const pixmora_data* data,
                                   const pixmora_info* info) {
  reader->data = data;
  reader->next = info->data_start;
  reader->compressed = info->compressed;
  reader->run_value = 0;
  reader->run_left = 0;
  reader->bytes_left = pixmora_byte_count(info);
  reader->has_second = 0;
  reader->second = 0;
  reader->error = PIXMORA_OK;
}

/* An item v followed by an equal item and a count c stands for c + 2 copies of v. */
static inline uint16_t pixmora_i_next_element(pixmora_i_reader* reader) {
  const pixmora_data* data = reader->data;
  uint16_t value;
  if (reader->run_left > 0) {
    --reader->run_left;
    return reader->run_value;
  }
  if (reader->next >= data->count) {
    reader->error = PIXMORA_ERR_SHORT;
    return 0;
  }
  value = pixmora_i_element(data, reader->next++);
  if (reader->compressed && reader->next < data->count &&
      pixmora_i_element(data, reader->next) == value) {
    if (reader->next + 1 >= data->count) {
      reader->error = PIXMORA_ERR_SHORT;
      return 0;
    }
    /* Counts are plain numbers: LSB first never exchanged their bytes. */
    reader->run_left = (uint32_t)pixmora_i_stored(data, reader->next + 1) + 1;
    reader->run_value = value;
    reader->next += 2;
  }
  return value;
}

/* An odd last byte of Word data is the second byte of its word, after a first byte 0. */
static inline uint8_t pixmora_i_next_byte(pixmora_i_reader* reader) {
  uint16_t word;
  if (reader->bytes_left == 0) {
    reader->error = PIXMORA_ERR_LONG;
    return 0;
  }
  --reader->bytes_left;
  if (reader->data->bytes != NULL)
    return (uint8_t)pixmora_i_next_element(reader);
  if (reader->has_second) {
    reader->has_second = 0;
    return reader->second;
  }
  word = pixmora_i_next_element(reader);
  if (reader->bytes_left == 0)
    return (uint8_t)word;
  reader->has_second = 1;
  reader->second = (uint8_t)word;
  return (uint8_t)(word >> 8);
}

/* Whether every element was used: no data may follow the last pixel. */
static inline int pixmora_i_finish(const pixmora_i_reader* reader) {
  if (reader->error != PIXMORA_OK)
    return reader->error;
  return reader->run_left > 0 || reader->next < reader->data->count ? PIXMORA_ERR_LONG : PIXMORA_OK;
}

static inline uint32_t pixmora_i_widen(uint32_t value, int bits) {
  uint32_t wide = 0;
  int shift;
  for (shift = 8 - bits; shift > -bits; shift -= bits)
    wide |= shift >= 0 ? value << shift : value >> -shift;
  return wide & 0xFFu;
}

static inline uint32_t pixmora_rgb_of_565(uint16_t color) {
  return pixmora_i_widen(color >> 11, 5) << 16 | pixmora_i_widen((color >> 5) & 63u, 6) << 8 |
         pixmora_i_widen(color & 31u, 5);
}

/* The 5-6-5 value of an 0xRRGGBB pixel, for displays that take 5-6-5. */
static inline uint16_t pixmora_565_of_rgb(uint32_t rgb) {
  return (uint16_t)(((rgb >> 8) & 0xF800u) | ((rgb >> 5) & 0x07E0u) | ((rgb >> 3) & 0x001Fu));
}

/* Color k of a table: two bytes (high first) per color, or one word per color. */
static inline int pixmora_i_table_color(const pixmora_data* table, unsigned k, uint32_t* rgb) {
  size_t colors = table == NULL ? 0 : table->bytes != NULL ? table->count / 2 : table->count;
  uint16_t color;
  if (k >= colors)
    return PIXMORA_ERR_TABLE;
  color =
      table->bytes != NULL
          ? (uint16_t)(pixmora_i_element(table, 2 * k) << 8 | pixmora_i_element(table, 2 * k + 1))
          : pixmora_i_element(table, k);
  *rgb = pixmora_rgb_of_565(color);
  return PIXMORA_OK;
}

/* Every pixel of the data, through put. table: the color table array, for palette data. */
static inline int pixmora_decode(const pixmora_data* data, const pixmora_info* info,
                                 const pixmora_data* table, pixmora_pixel_fn put, void* context) {
  pixmora_i_reader reader;
  uint32_t i, pixels = (uint32_t)info->width * info->height;
  uint16_t x = 0, y = 0;
  uint8_t byte = 0;
  int result;
  if (info->encoding > PIXMORA_MONO_HORIZONTAL)
    return PIXMORA_ERR_MODE;
  pixmora_i_start(&reader, data, info);
  if (info->encoding == PIXMORA_MONO_VERTICAL) {
    /* Page p holds rows 8p to 8p + 7, a byte per column; a partial page fills the top bits. */
    uint32_t top, row;
    for (top = 0; top < info->height && reader.error == PIXMORA_OK; top += 8) {
      uint32_t rows = info->height - top < 8 ? info->height - top : 8;
      for (x = 0; x < info->width && reader.error == PIXMORA_OK; ++x) {
        byte = pixmora_i_next_byte(&reader);
        for (row = 0; row < rows && reader.error == PIXMORA_OK; ++row) {
          int set = (byte >> (8 - rows + row)) & 1;
          put(context, x, (uint16_t)(top + row), set ? 0x000000u : 0xFFFFFFu);
        }
      }
    }
    return pixmora_i_finish(&reader);
  }
  for (i = 0; i < pixels && reader.error == PIXMORA_OK; ++i) {
    uint32_t rgb = 0;
    switch (info->encoding) {
      case PIXMORA_RGB565: {
        uint16_t high = pixmora_i_next_byte(&reader);
        rgb = pixmora_rgb_of_565((uint16_t)(high << 8 | pixmora_i_next_byte(&reader)));
        break;
      }
      case PIXMORA_RGB444: {
        /* Two pixels in three bytes: R0G0 B0R1 G1B1. */
        uint32_t r, g, b;
        if (i % 2 == 0) {
          byte = pixmora_i_next_byte(&reader);
          r = byte >> 4;
          g = byte & 15u;
          byte = pixmora_i_next_byte(&reader);
          b = byte >> 4;
        } else {
          r = byte & 15u;
          byte = pixmora_i_next_byte(&reader);
          g = byte >> 4;
          b = byte & 15u;
        }
        rgb = r * 0x110000u | g * 0x1100u | b * 0x11u;
        break;
      }
      case PIXMORA_RGB332:
        byte = pixmora_i_next_byte(&reader);
        rgb = pixmora_i_widen(byte >> 5, 3) << 16 | pixmora_i_widen((byte >> 2) & 7u, 3) << 8 |
              pixmora_i_widen(byte & 3u, 2);
        break;
      case PIXMORA_MONO_HORIZONTAL: {
        /* Pixel 8g + j in bit j; a last group of n < 8 pixels fills the top n bits. */
        uint32_t in_byte = pixels - i / 8 * 8 < 8 ? pixels % 8 : 8;
        if (i % 8 == 0)
          byte = pixmora_i_next_byte(&reader);
        rgb = (byte >> (8 - in_byte + i % 8)) & 1u ? 0x000000u : 0xFFFFFFu;
        break;
      }
      default: {
        /* Palette indices, the earlier pixel in the higher bits. */
        unsigned per_byte = 1u << (info->encoding - PIXMORA_PALETTE_1);
        unsigned bits = 8 / per_byte;
        unsigned place = i % per_byte;
        if (place == 0)
          byte = pixmora_i_next_byte(&reader);
        result = pixmora_i_table_color(
            table, (byte >> (8 - bits * (place + 1))) & ((1u << bits) - 1), &rgb);
        if (result != PIXMORA_OK)
          return result;
        break;
      }
    }
    if (reader.error != PIXMORA_OK)
      break;
    put(context, x, y, rgb);
    if (++x == info->width) {
      x = 0;
      ++y;
    }
  }
  return pixmora_i_finish(&reader);
}

typedef struct {
  uint16_t* pixels;
  uint16_t width;
} pixmora_i_frame;

static inline void pixmora_i_put_565(void* context, uint16_t x, uint16_t y, uint32_t rgb) {
  pixmora_i_frame* frame = (pixmora_i_frame*)context;
  frame->pixels[(size_t)y * frame->width + x] = pixmora_565_of_rgb(rgb);
}

/* Every pixel as a 5-6-5 value into a frame buffer of width x height, row by row. */
static inline int pixmora_decode_565(const pixmora_data* data, const pixmora_info* info,
                                     const pixmora_data* table, uint16_t* pixels, size_t capacity) {
  pixmora_i_frame frame;
  if (capacity < (size_t)info->width * info->height)
    return PIXMORA_ERR_BUFFER;
  frame.pixels = pixels;
  frame.width = info->width;
  return pixmora_decode(data, info, table, pixmora_i_put_565, &frame);
}

/* The encoder's bytes as they were before the Word step and the compression: for a display
   that takes them as they are, such as the pages of a monochrome controller. */
static inline int pixmora_unpack(const pixmora_data* data, const pixmora_info* info, uint8_t* bytes,
                                 size_t capacity) {
  pixmora_i_reader reader;
  uint32_t i, count = pixmora_byte_count(info);
  if (capacity < count)
    return PIXMORA_ERR_BUFFER;
  pixmora_i_start(&reader, data, info);
  for (i = 0; i < count && reader.error == PIXMORA_OK; ++i)
    bytes[i] = pixmora_i_next_byte(&reader);
  return pixmora_i_finish(&reader);
}

/* One frame of a table of frames (pixmora-cli --frames): where its bytes lie in the data array
   NAME, and the rectangle of the picture it draws. A whole frame covers (0, 0, width, height);
   a delta frame (--frame-delta, NAME_delta[i] is 1) starts with x, y, w and h, 16 bits each,
   low byte first, and redraws only that rectangle, over the frame before (w = 0: nothing
   changed). The offset table NAME_frames and NAME_delta are plain arrays (not PROGMEM); the
   data is read through PIXMORA_READ_BYTE. A classic frame in words is uint16_t on every device:
   pixmora_words16((const uint16_t*)f.bytes, f.size / 2, lsb_first), and so is the Word color
   table Table_NAME. Playing a table:

     for (i = 0; i < NAME_FRAME_COUNT; ++i) {
       pixmora_frame f;
       pixmora_frame_at(NAME, NAME_frames, NAME_delta, i, NAME_WIDTH, NAME_HEIGHT, &f);
       if (f.width != 0)
         draw(f.x, f.y, f.width, f.height, f.bytes);    the target's draw call
       wait(NAME_delays[i]);                            milliseconds
     }
*/
typedef struct {
  const unsigned char* bytes; /* the frame's data, after the rectangle of a delta */
  size_t size;                /* bytes */
  uint16_t x;
  uint16_t y;
  uint16_t width;
  uint16_t height;
} pixmora_frame;

/* Frame i of a table; `deltas` is NULL for a table without delta frames. */
static inline void pixmora_frame_at(const void* data, const uint32_t* frames, const uint8_t* deltas,
                                    unsigned i, uint16_t width, uint16_t height,
                                    pixmora_frame* frame) {
  const unsigned char* bytes = (const unsigned char*)data + frames[2 * i];
  frame->size = frames[2 * i + 1];
  frame->x = 0;
  frame->y = 0;
  frame->width = width;
  frame->height = height;
  if (deltas != NULL && deltas[i] == 1) {
    uint16_t v[4];
    int k;
    for (k = 0; k < 4; ++k)
      v[k] =
          (uint16_t)(PIXMORA_READ_BYTE(bytes + 2 * k) | PIXMORA_READ_BYTE(bytes + 2 * k + 1) << 8);
    frame->x = v[0];
    frame->y = v[1];
    frame->width = v[2];
    frame->height = v[3];
    bytes += 8;
    frame->size -= 8;
  }
  frame->bytes = bytes;
}

#endif /* PIXMORA_DECODE_H */
