#pragma once

#include <string>

#include "image/ImageMode.h"
#include "platform/FileWatch.h"
#include "settings/Preferences.h"
#include "targets/TargetSettings.h"

namespace pixmora {

// Which controls of the Preferences window are enabled. A disabled control keeps its value:
// a set "LSB byte first" stays set, and is saved, while bytes are chosen.
struct SettingsEnabling {
  bool customSettings = false;  // btnSettings: only the custom format has settings
  bool lsbFirst = false;        // chkLSBFirst: byte order matters only for words
  bool askReload = false;       // chkSystemAskReload: only a watched file is ever reloaded
};
SettingsEnabling EnablingOf(const Preferences& preferences);

// Whether going from the snapshot to the current record makes the output of a conversion in
// this image mode stale: a change of the encoder the mode uses, of the format, of the data
// width or of the compression. Byte order, image information, table saving and the program
// options leave the text as it is.
bool ChangeEmptiesOutput(const Preferences& snapshot, const Preferences& current, ImageMode mode);

// Whether going from the snapshot to the current target settings makes the output stale: another
// target, or another value of a choice that the chosen target reads. The classic preferences
// shape only the classic output.
bool TargetChangeEmptiesOutput(const TargetSettings& snapshot, const TargetSettings& current);

// Whether a change that leaves the output text in place makes it out of date, so that a
// conversion now would give another text or export other files: the byte order of words, the
// image information, in Palette mode how the color table is saved, and the custom format's
// tokens while that format is chosen. Program options and the hidden options do not.
bool ChangeAltersOutput(const Preferences& snapshot, const Preferences& current,
                        bool customFormatChanged, ImageMode mode);

// "Autodetect external changes" takes effect at once: switched on it watches the current image
// for a new name or a new write, switched off it stops the watch.
void ApplyAutoDetect(bool on, FileWatch& watch, const std::string& currentFileName);

}  // namespace pixmora
