// How apt.dat is read row by row into airport, runway, helipad and frequency records, and how a
// failing row is reported and passed over.
#include "convert/airport_converter.h"

#include "convert/airport_rows.h"
#include "convert/airport_values.h"
#include "app/error.h"
#include "convert/field_list.h"
#include "convert/field_words.h"
#include "convert/intermediate_file.h"
#include "convert/line_reader.h"
#include "convert/number_text.h"
#include "convert/shape_counter.h"
#include "convert/source_files.h"
#include "convert/text.h"
#include "convert/text_encoding.h"

#include <cmath>

namespace quill {

namespace {

constexpr std::string_view kLineErrorPrefix = "Error in apt.dat at line (data read): ";

constexpr std::string_view kRunwayHeader =
    "SHAPEID|LAT(Y)|LON(X)|RUNWAY|APID|APNAME|ELEVATION(FEET AMSL)|HASTOWER";
constexpr std::string_view kHelipadHeader =
    "SHAPEID|LAT(Y)|LON(X)|HELIPAD|APID|APNAME|ELEVATION(FEET AMSL)|HASTOWER";
constexpr std::string_view kCommsHeader = "APID|FREQNAME|FREQUENCY";
constexpr std::string_view kInfoHeader =
    "APID|APTYPE|LAT(Y)|LON(X)|APNAME|ELEVATION(FEETAMSL)|HASTOWER";

struct AirportKind {
    std::string_view type;
    std::string_view marker;  // removed from the name; empty: the name keeps any marker
};
constexpr AirportKind kLand{"Land", ""};
constexpr AirportKind kWater{"Water", "[S]"};
constexpr AirportKind kHeli{"Heli", "[H]"};

struct RunwayLayout {
    std::size_t number1, latitude1, longitude1, number2, latitude2, longitude2;
    bool pad_numbers;  // land runway "9" is "09"; water runways keep "9" and "N"
};
constexpr RunwayLayout kLandRunway{kLandNumber1,  kLandLatitude1,  kLandLongitude1,
                                   kLandNumber2,  kLandLatitude2,  kLandLongitude2, true};
constexpr RunwayLayout kWaterRunway{kWaterNumber1, kWaterLatitude1, kWaterLongitude1,
                                    kWaterNumber2, kWaterLatitude2, kWaterLongitude2, false};

void append_runway_number(std::string& out, std::string_view number, bool pad) {
    if (pad && number.size() == 1) out.push_back('0');
    out.append(number);
}

// The airport whose rows are being read, set by each header row. Before the
// first header nothing is open, so rows there write nothing.
struct AirportContext {
    std::string_view type;
    std::string elevation;
    std::string has_tower;
    std::string id;
    std::string name;
    bool open = false;
};

class AirportConverter {
public:
    explicit AirportConverter(const std::string& work_folder)
        : land_(intermediate_path(work_folder, kAirportSource, "_Land.csv"), kRunwayHeader),
          heli_(intermediate_path(work_folder, kAirportSource, "_Heli.csv"), kHelipadHeader),
          water_(intermediate_path(work_folder, kAirportSource, "_Water.csv"), kRunwayHeader),
          comms_(intermediate_path(work_folder, kAirportSource, "_AirportComms.csv"), kCommsHeader),
          info_(intermediate_path(work_folder, kAirportSource, "_AirportInfo.csv"), kInfoHeader) {}

    void handle(AirportRow row, std::string_view line);
    void close();
    // Every airport that is written has its one info record.
    std::size_t airports() const { return info_.records(); }

private:
    void header(const AirportKind& kind);
    void runway(const RunwayLayout& layout, ShapeCounter& counter, IntermediateFile& file);
    void helipad();
    void frequency();
    bool info_written() const { return airport_.id == last_info_id_; }
    void write_info(std::string_view latitude, std::string_view longitude);
    void write_shape(IntermediateFile& file, std::string_view shape, std::string_view latitude,
                     std::string_view longitude, std::string_view label);

    IntermediateFile land_;
    IntermediateFile heli_;
    IntermediateFile water_;
    IntermediateFile comms_;
    IntermediateFile info_;
    ShapeCounter land_shapes_;
    ShapeCounter heli_shapes_;
    ShapeCounter water_shapes_;
    FieldList fields_;
    AirportContext airport_;
    std::string last_info_id_;
    std::string words_;
    std::string label_;
    std::string frequency_name_;
};

void AirportConverter::handle(AirportRow row, std::string_view line) {
    fields_.split_blanks(line);
    switch (row) {
    case AirportRow::LandHeader: return header(kLand);
    case AirportRow::WaterHeader: return header(kWater);
    case AirportRow::HeliHeader: return header(kHeli);
    case AirportRow::LandRunway: return runway(kLandRunway, land_shapes_, land_);
    case AirportRow::WaterRunway: return runway(kWaterRunway, water_shapes_, water_);
    case AirportRow::Helipad: return helipad();
    case AirportRow::Frequency: return frequency();
    case AirportRow::Ignored: return;
    }
}

// Item by item, so that a row failing part-way leaves the items before it set.
void AirportConverter::header(const AirportKind& kind) {
    airport_.type = kind.type;
    airport_.elevation.assign(trim(fields_[kHeaderElevation]));
    airport_.has_tower.assign(trim(fields_[kHeaderTower]));
    airport_.id.assign(trim(fields_[kHeaderId]));
    join_words(fields_, kHeaderFirstNameWord, fields_.count(), words_);
    finish_airport_name(words_, kind.marker, airport_.name);
    airport_.open = !airport_.name.starts_with("[X]");
}

void AirportConverter::runway(const RunwayLayout& layout, ShapeCounter& counter,
                              IntermediateFile& file) {
    const std::string_view shape = counter.next();
    const std::string_view number1 = trim(fields_[layout.number1]);
    const std::string_view latitude1 = trim(fields_[layout.latitude1]);
    const std::string_view longitude1 = trim(fields_[layout.longitude1]);
    const std::string_view number2 = trim(fields_[layout.number2]);
    const std::string_view latitude2 = trim(fields_[layout.latitude2]);
    const std::string_view longitude2 = trim(fields_[layout.longitude2]);
    if (!airport_.open) return;
    // Every end must be a number before anything is written: the loader could not read it.
    const double lat1 = text_to_number(latitude1);
    const double lon1 = text_to_number(longitude1);
    const double lat2 = text_to_number(latitude2);
    const double lon2 = text_to_number(longitude2);
    // Ends far out in the range of doubles can have a mean that overflows:
    // no coordinate either. (The line is reported; the message is not shown.)
    const double latitude = midpoint(lat1, lat2);
    const double longitude = midpoint_longitude(lon1, lon2);
    if (!std::isfinite(latitude)) throw number_error(latitude1);
    if (!std::isfinite(longitude)) throw number_error(longitude1);
    label_.clear();
    append_runway_number(label_, number1, layout.pad_numbers);
    label_.push_back('/');
    append_runway_number(label_, number2, layout.pad_numbers);
    write_shape(file, shape, latitude1, longitude1, label_);
    write_shape(file, shape, latitude2, longitude2, label_);
    if (info_written()) return;
    write_info(format_number(latitude), format_number(longitude));
}

void AirportConverter::helipad() {
    const std::string_view shape = heli_shapes_.next();
    const std::string_view designator = trim(fields_[kHelipadDesignator]);
    const std::string_view latitude = trim(fields_[kHelipadLatitude]);
    const std::string_view longitude = trim(fields_[kHelipadLongitude]);
    if (!airport_.open) return;
    // Only checked: the record keeps the texts as they stand.
    text_to_number(latitude);
    text_to_number(longitude);
    write_shape(heli_, shape, latitude, longitude, designator);
    if (!info_written()) write_info(latitude, longitude);
}

void AirportConverter::frequency() {
    const std::size_t count = fields_.count();
    if (count <= kFrequencyFirstNameWord || !airport_.open) return;
    if (!frequency_text(trim(fields_[kFrequencyDigits]), label_)) return;
    join_words(fields_, kFrequencyFirstNameWord, count, words_);
    frequency_name_.clear();
    append_upper(frequency_name_, words_);
    comms_.write(airport_.id, frequency_name_, label_);
}

void AirportConverter::write_shape(IntermediateFile& file, std::string_view shape,
                                   std::string_view latitude, std::string_view longitude,
                                   std::string_view label) {
    file.write(shape, latitude, longitude, label, airport_.id, airport_.name, airport_.elevation,
               airport_.has_tower);
}

void AirportConverter::write_info(std::string_view latitude, std::string_view longitude) {
    last_info_id_ = airport_.id;
    info_.write(airport_.id, airport_.type, latitude, longitude, airport_.name, airport_.elevation,
                airport_.has_tower);
}

void AirportConverter::close() {
    land_.close();
    heli_.close();
    water_.close();
    comms_.close();
    info_.close();
}

} // namespace

std::size_t convert_airports(const std::string& source_folder, const std::string& work_folder,
                     const std::function<void(const std::string& message)>& report_line_error) {
    LineReader source(source_path(source_folder, kAirportSource));
    AirportConverter converter(work_folder);
    std::string_view line;
    while (source.next(line)) {
        const AirportRow row = airport_row(line);
        if (row == AirportRow::Ignored) continue;
        try {
            converter.handle(row, line);
        } catch (const Error& error) {
            // An error that names a file comes from an output file, not from this line.
            if (error.has_location()) throw;
            report_line_error(std::string(kLineErrorPrefix) + to_utf8(line));
        }
    }
    source.close();
    converter.close();
    return converter.airports();
}

} // namespace quill
