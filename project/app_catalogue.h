// The member applications of the suite, indexed by a history row's appIndex.
#pragma once

#include <string>

namespace orvent {

struct AppCatalogueRow {
  const char* displayName;  // stored in the settings file and shown in the grid
  const char* executable;   // file name in the program folder
  const char* option;       // first command-line argument, "" for none
};

inline constexpr int kAppCatalogueSize = 6;

inline constexpr AppCatalogueRow kAppCatalogue[kAppCatalogueSize] = {
    {"Basic", "ORVENTBasic.exe", ""},
    {"Energy", "ORVENTEnergy.exe", ""},
    {"Wind Climate", "ORVENTEnergy.exe", "/weng"},
    {"Design Wind Speed", "ORVENTEnergy.exe", "/design"},
    {"Extreme Wind", "ORVENTExtremeWind.exe", "/dws2"},
    {"Wind Farm", "ORVENTWindFarm.exe", "/windpower"},
};

// Started instead of row 0's executable for extreme-wind projects.
inline constexpr const char* kBasicExtremeWindExecutable = "ORVENTBasicEW.exe";
// Carried by every start, after the row's option.
inline constexpr const char* kNoFmOption = "/nofm";

// Index of the first row whose display name equals `name` ignoring case, or -1.
int FindAppByDisplayName(const std::string& name);

// Display name of a row; "" for an index outside the table.
const char* AppDisplayName(int index);

}  // namespace orvent
