// The apt.dat rows the airport converter takes, and where each keeps the fields it reads.
#pragma once

#include <cstddef>
#include <string_view>

namespace quill {

// The rows of apt.dat that the airport converter reads; every other row is ignored.
enum class AirportRow {
    Ignored,
    LandHeader,   // 1
    WaterHeader,  // 16
    HeliHeader,   // 17
    LandRunway,   // 100
    WaterRunway,  // 101
    Helipad,      // 102
    Frequency,    // 1050 to 1056
};

// Decides the row from the line as read, before it is split: rows that do not
// begin with "1" are ignored, as are the codes that follow no rule (1100,
// 1200, 110, 1057, ...) and codes preceded by blanks.
AirportRow airport_row(std::string_view line);

// 1    1200 1 0 XAPT Example Field
enum HeaderField : std::size_t {
    kHeaderElevation = 1,
    kHeaderTower = 2,
    kHeaderId = 4,
    kHeaderFirstNameWord = 5,
};

// 100 30.00 1 0 0.25 0 2 0 9 40.00000000 -100.00000000 0 0 1 0 0 0 27 40.00000000 -99.98000000 0 0 1 0 0 0
enum LandRunwayField : std::size_t {
    kLandNumber1 = 8,
    kLandLatitude1 = 9,
    kLandLongitude1 = 10,
    kLandNumber2 = 17,
    kLandLatitude2 = 18,
    kLandLongitude2 = 19,
};

// 101 49 1 N 47.53 -122.30 S 47.51 -122.31
enum WaterRunwayField : std::size_t {
    kWaterNumber1 = 3,
    kWaterLatitude1 = 4,
    kWaterLongitude1 = 5,
    kWaterNumber2 = 6,
    kWaterLatitude2 = 7,
    kWaterLongitude2 = 8,
};

// 102 H1 47.53 -122.30 2.00 10.00 10.00 1 0 0 0.25 0
enum HelipadField : std::size_t {
    kHelipadDesignator = 1,
    kHelipadLatitude = 2,
    kHelipadLongitude = 3,
};

// 1050 128825 EXAMPLE ATIS
enum FrequencyField : std::size_t {
    kFrequencyDigits = 1,
    kFrequencyFirstNameWord = 2,
};

} // namespace quill
