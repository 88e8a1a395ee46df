// The member applications of the suite, as a history row records them.
#pragma once

#include <string>
#include <string_view>

namespace orvent {

// In the catalogue's order.
enum class App { kBasic, kEnergy, kWindClimate, kDesignWindSpeed, kExtremeWind, kWindFarm };

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

// Started instead of Basic's executable for extreme-wind projects.
inline constexpr const char* kBasicExtremeWindExecutable = "ORVENTBasicEW.exe";
// Carried by every start, after the application's option.
inline constexpr const char* kNoFmOption = "/nofm";

inline const AppCatalogueRow& CatalogueRow(App app) { return kAppCatalogue[static_cast<int>(app)]; }

// The first application whose display name equals `name` ignoring case;
// false, with `app` left alone, when there is none.
[[nodiscard]] bool FindAppByDisplayName(std::string_view name, App* app);

inline const char* AppDisplayName(App app) { return CatalogueRow(app).displayName; }

}  // namespace orvent
