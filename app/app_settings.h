#pragma once
// The program's own keys of the settings file "zavediz/Zavediz.ini", each a
// global variable with its built-in value. Other parts of the program keep
// their own keys in the same file under the same rules (setting_binding.h).

#include <cstdint>
#include <string>

#include "framework/profile/profile_file.h"

namespace zv {

struct AppSettings {
  // [OTHER]
  int standardChart = 1;        // "standard chart"
  int otherChart = 0;           // "other chart"
  int controlLeftRight = 1;     // "control left/right"
  long controlWidth = 180;      // "control width"
  long backColor = 15;          // "back color"
  int arcShow = 0;              // "arc show"
  int compress = 1;             // "compress"
  int crossCursor = 1;          // "cross cursor"
  int lucencyShow = 1;          // "lucency show"
  int reverShow = 1;            // "rever show"
  int symbol = 1;               // "symbol"
  int top = 1;                  // "top"
  int zbShow = 0;               // "ZB show"
  int scroll = 0;               // "scroll"
  int seclect = 0;              // "seclect"
  int menu = 0;                 // "menu"
  int leftDoubleDown = 0;       // "leftdoudown"
  std::string backPicture;      // "BACKPIC" (read only; written by its own command)
  int16_t tqPosition = 0;       // "TQPosition"
  int showKou = 1;              // "ShowKou"
  // [ZK]
  float innerWidth = 0.1f;      // "inw"
  float outerWidth = 0.5f;      // "outw"
  long subNo = 502;             // "subNo"
  double headerHeight = 30.0;   // "laberH"
  int unite = 0;                // "unite"
  // [PM]
  int curve = 1;                // "cvrve"
  int strap = 0;                // "strap"
  long groundColor = 128;       // "groupclr"
  double ichnography = 30.0;    // "ichnography"
  long boreholeSymbol = 1011;   // "zkpara"
  int16_t editStrap = 39;       // "editstrap"
  double stratum = 8.0;         // "stratum"
  double groundData = 2.0;      // "grounddata"
};

// The one instance the program runs with.
AppSettings& Settings();

// The settings file: the program folder + "zavediz/Zavediz.ini", found
// without regard to the case of its name.
ProfileFile SettingsFile();

// Which groups to load: 0 the [ZK] then the [PM] keys, anything else [OTHER].
void LoadSettings(int which, AppSettings& settings = Settings(), const ProfileFile& file = SettingsFile());

// Which groups to save: 0 [OTHER], 1 [ZK], 2 [PM], 100 all three.
// "BACKPIC" is never written here. False when the file could not be
// written; it is then as it was.
bool SaveSettings(int which, AppSettings& settings = Settings(), const ProfileFile& file = SettingsFile());

}  // namespace zv
