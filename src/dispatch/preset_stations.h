#pragma once

#include <array>
#include <string_view>

namespace kelvaro {

// A station of the "Hydrologic Regions" menu: choosing it fills the run dialog's Station,
// Latitude, Elevation and Years (30).
struct PresetStation {
  std::string_view region;
  std::string_view caption;
  std::string_view station;
  std::string_view latitude;
  std::string_view elevation;
};

// The hydrologic regions of the preset stations by their codes, for the menu's tooltips.
struct HydrologicRegion {
  std::string_view code;
  std::string_view name;
};
inline constexpr std::array<HydrologicRegion, 10> kHydrologicRegions{{
    {"NC", "North Coast"},
    {"SF", "San Francisco Bay"},
    {"CC", "Central Coast"},
    {"SC", "South Coast"},
    {"SR", "Sacramento River"},
    {"SJ", "San Joaquin River"},
    {"TL", "Tulare Lake"},
    {"NL", "North Lahontan"},
    {"SL", "South Lahontan"},
    {"CR", "Colorado River"},
}};

inline constexpr std::string_view kPresetMenuCaption = "Hydrologic Regions";
inline constexpr std::string_view kPresetYears = "30";

inline constexpr std::array<PresetStation, 54> kPresetStations{{
    {"SR", "Davis", "Davis", "38.5", "18.5"},
    {"SR", "Gerber", "Gerber", "40", "76"},
    {"SR", "Durham", "Durham", "39.6", "40"},
    {"SR", "Camino", "Camino", "38.8", "847"},
    {"SR", "Zamora", "Zamora", "38.8", "15"},
    {"SR", "Nicolaus", "Nicolaus", "38.9", "10"},
    {"SR", "Colusa", "Colusa", "39.2", "17"},
    {"SR", "McArthur", "McArthur", "41.1", "1009"},
    {"SR", "Orland", "Orland", "39.7", "60"},
    {"SR", "Brown Valley", "BrownValley", "39.3", "287"},
    {"SR", "Al turas", "Altrus", "41.4", "1343"},
    {"TL", "Five Points", "FivePoints", "36.3", "87"},
    {"TL", "Shafter", "Shafter", "35.5", "110"},
    {"TL", "Stratford", "Stratford", "36.2", "59"},
    {"TL", "Kettleman", "Kettleman", "35.9", "104"},
    {"TL", "Visalia", "Visalia", "36.3", "107"},
    {"TL", "Parlier", "Parlier", "36.6", "103"},
    {"TL", "BlackWells corner", "BlkWlCrnr", "35.6", "215"},
    {"TL", "Lindcove", "Lindcove", "36.4", "146"},
    {"NL", "Buntingville", "Buntingville", "40.3", "1221"},
    {"SJ", "FireBaugh", "FireBaugh", "36.9", "56"},
    {"SJ", "Lodi", "Lodi", "38.1", "7"},
    {"SJ", "Bratwood", "Bratwood", "35.9", "664"},
    {"SJ", "Los Banos", "LosBanos", "37.1", "29"},
    {"SJ", "Manteca", "Manteca", "37.8", "10"},
    {"SJ", "Modesto", "Modesto", "37.6", "11"},
    {"SJ", "Kestreson", "Kesterson", "37.2", "23"},
    {"NC", "Novato", "Novato", "38.1", "8"},
    {"NC", "Oakville", "Oakville", "38.4", "58"},
    {"NC", "Santa Rosa", "SantaRosa", "38.4", "24"},
    {"NC", "Hopland FS", "HoplandFS", "39", "354"},
    {"NC", "Tulelake FS", "TuleLakeFS", "42", "1230"},
    {"CC", "Castroville", "Castroville", "36.8", "3"},
    {"CC", "San Luis Obispo", "SanLuisOb", "35.3", "101"},
    {"CC", "Sansa Ynez", "SansaYnez", "34.6", "149"},
    {"CC", "Cuyama", "Cuyama", "34.9", "698"},
    {"SF", "Walnut Creek", "WalnutCreek", "37.9", "134"},
    {"SF", "San Jose", "SanJose", "37.3", "38"},
    {"SF", "Fremont", "Fermont", "37.5", "12"},
    {"SL", "BiShop", "BiShop", "37.4", "1271"},
    {"SC", "K.V. Riverside", "KVRiverside", "34", "311"},
    {"SC", "Oceanside", "Oceanside", "33.5", "4"},
    {"SC", "Temecula", "Temecula", "33.5", "433"},
    {"SC", "San Diego", "SanDiego", "36.6", "103"},
    {"SC", "Irvine", "Irvine", "33.7", "125"},
    {"SC", "Pomona", "Pomona", "34.1", "223"},
    {"SC", "Claremont", "Claremont", "34.1", "494"},
    {"CR", "Calipatrial/Mulbery", "CalipMul", "33", "34"},
    {"CR", "Seeley", "Seeley", "32.8", "12"},
    {"CR", "Palo Verde", "PaloVerde", "33.4", "70"},
    {"CR", "Meloland", "Meloland", "32.8", "-15"},
    {"CR", "Cathedral City", "CathedralCity", "33.8", "119"},
    {"CR", "Salton Sea West", "SalSeaWest", "33.3", "-69"},
    {"CR", "Salton Sea East", "SalSeaEast", "33.2", "-69"},
}};

// The preset whose menu caption or station text matches, ignoring letter case; nullptr if none.
const PresetStation* FindPresetStation(std::string_view name);

}  // namespace kelvaro
