/* Prints a checksum and an ASCII rendering of each embedded picture. */
#include <stdio.h>

/* The classic output places its arrays with PROGMEM; this host has no program memory. */
#ifndef PROGMEM
#define PROGMEM
#endif

#include "badge.h"
#include "logo.h"
#include "pixmora_decode.h"
#include "splash.h"

#define MAX_WIDTH 32
#define MAX_HEIGHT 16

static const char shades[] = "@%#*+=~-:."; /* dark to light */

/* FNV-1a, fed with the bytes of the data in the order the firmware stores them. */
static uint32_t fnv1a(uint32_t hash, unsigned value) {
  return (hash ^ (value & 0xFFu)) * 16777619u;
}

static char shade_of_rgb(uint32_t rgb) {
  const unsigned luma =
      (299u * (rgb >> 16 & 0xFF) + 587u * (rgb >> 8 & 0xFF) + 114u * (rgb & 0xFF)) / 1000u;
  return shades[luma * (sizeof shades - 1) / 256];
}

static void print_rows(const char* name, uint32_t checksum, char rows[][MAX_WIDTH + 1],
                       int height) {
  int y;
  printf("%s: checksum %08lX\n", name, (unsigned long)checksum);
  for (y = 0; y < height; ++y)
    printf("  %s\n", rows[y]);
}

static void show_logo(void) {
  char rows[MAX_HEIGHT][MAX_WIDTH + 1] = {{0}};
  uint32_t hash = 2166136261u;
  size_t i;
  int x, y;
  for (i = 0; i < sizeof logo; ++i)
    hash = fnv1a(hash, logo[i]);
  for (y = 0; y < LOGO_HEIGHT; ++y) {
    for (x = 0; x < LOGO_WIDTH; ++x)
      rows[y][x] = (logo[(y / 8) * LOGO_WIDTH + x] >> (y % 8) & 1) ? '#' : '.';
  }
  print_rows("logo (pages)", hash, rows, LOGO_HEIGHT);
}

static void show_splash(void) {
  char rows[MAX_HEIGHT][MAX_WIDTH + 1] = {{0}};
  uint32_t hash = 2166136261u;
  int x, y;
  for (y = 0; y < SPLASH_HEIGHT; ++y) {
    for (x = 0; x < SPLASH_WIDTH; ++x) {
      const uint16_t value = splash[y * SPLASH_WIDTH + x];
      hash = fnv1a(fnv1a(hash, value), value >> 8u); /* little-endian, as an MCU stores it */
      rows[y][x] = shade_of_rgb(pixmora_rgb_of_565(value));
    }
  }
  print_rows("splash (rgb565)", hash, rows, SPLASH_HEIGHT);
}

struct canvas {
  char rows[MAX_HEIGHT][MAX_WIDTH + 1];
};

static void draw(void* context, uint16_t x, uint16_t y, uint32_t rgb) {
  struct canvas* canvas = (struct canvas*)context;
  if (x < MAX_WIDTH && y < MAX_HEIGHT)
    canvas->rows[y][x] = shade_of_rgb(rgb);
}

static int show_badge(void) {
  struct canvas canvas = {{{0}}};
  const pixmora_data data = pixmora_bytes(badge, sizeof badge);
  const pixmora_data table = pixmora_words(Table_badge, 16, 0);
  pixmora_info info;
  uint32_t hash = 2166136261u;
  size_t i;
  int status = pixmora_decode_info(&data, &info);
  if (status == PIXMORA_OK)
    status = pixmora_decode(&data, &info, &table, draw, &canvas);
  if (status != PIXMORA_OK) {
    printf("badge: decoding failed (%d)\n", status);
    return 1;
  }
  for (i = 0; i < sizeof badge; ++i)
    hash = fnv1a(hash, badge[i]);
  print_rows("badge (16-color palette, compressed, decoded)", hash, canvas.rows, info.height);
  return 0;
}

int main(void) {
  show_logo();
  show_splash();
  return show_badge();
}
