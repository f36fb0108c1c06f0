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

/* Every pixel, 0xFFRRGGBB row by row, through the pixel callback; the size from the info. */
int firmware_decode_c99(const firmware_case* c, uint32_t* pixels, size_t capacity, uint16_t* width,
                        uint16_t* height);
int firmware_decode_565_c99(const firmware_case* c, uint16_t* pixels, size_t capacity);
int firmware_unpack_c99(const firmware_case* c, uint8_t* bytes, size_t capacity);

int firmware_decode_cxx17(const firmware_case* c, uint32_t* pixels, size_t capacity,
                          uint16_t* width, uint16_t* height);
int firmware_decode_565_cxx17(const firmware_case* c, uint16_t* pixels, size_t capacity);
int firmware_unpack_cxx17(const firmware_case* c, uint8_t* bytes, size_t capacity);

#ifdef __cplusplus
}
#endif

#endif
