/* The calls of firmware/pixmora_decode.h as a C99 and a C++17 translation unit each make them:
   FirmwareDriver.c is compiled once as either language. */
#ifndef FIRMWARE_DRIVER_H
#define FIRMWARE_DRIVER_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Arrays as a firmware holds them: unsigned chars for Byte, unsigned ints for Word. */
typedef struct {
  const unsigned char* bytes;
  const unsigned int* words;
  size_t count;
  const unsigned char* table_bytes; /* palette data: one of the two */
  const unsigned int* table_words;
  size_t table_count;
  int lsb_first;
  int has_info; /* else the size and the color mode word below */
  uint16_t width;
  uint16_t height;
  uint16_t mode;
} firmware_case;

/* Where the calls put what they give: the pixels of the callback (0xFFRRGGBB, row by row), and
   when set, a 5-6-5 frame and the unpacked bytes; each buffer holds `capacity` items. */
typedef struct {
  uint32_t* pixels;
  uint16_t* frame;
  uint8_t* bytes;
  size_t capacity;
  uint16_t width;
  uint16_t height;
} firmware_output;

/* Reads the info, then decodes through every call; the first result that is not 0, or 0. */
int firmware_decode_c99(const firmware_case* c, firmware_output* out);
int firmware_decode_cxx17(const firmware_case* c, firmware_output* out);

#ifdef __cplusplus
}
#endif

#endif
