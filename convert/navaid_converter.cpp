// How each kind of navaid line of earth_nav.dat becomes a record of its own file, with its
// header.
#include "convert/navaid_converter.h"

#include "convert/field_list.h"
#include "convert/field_words.h"
#include "convert/intermediate_file.h"
#include "convert/line_reader.h"
#include "convert/navaid_rows.h"
#include "convert/navaid_values.h"
#include "convert/shape_counter.h"
#include "convert/source_files.h"
#include "convert/source_loop.h"
#include "convert/text.h"

#include <array>
#include <memory>
#include <tuple>

namespace quill {

namespace {

constexpr std::string_view kPointHeader =
    "SHAPEID|LAT(Y)|LON(X)|ELEVATION(FEET AMSL)|ID|NAME|TYPE|FREQ";
constexpr std::string_view kVorHeader =
    "SHAPEID|LAT(Y)|LON(X)|ELEVATION(FEET AMSL)|ID|NAME|TYPE|FREQ|MAGVAR";
constexpr std::string_view kLocalizerHeader =
    "SHAPEID|LAT(Y)|LON(X)|ELEVATION(FEET AMSL)|AIRPORTID|LOCALIZERID|RUNWAY|FREQUENCY|RANGE (NM)|"
    "LOCALIZERBEARING|LOCALIZERNAME";
constexpr std::string_view kGlideslopeHeader =
    "SHAPEID|LAT(Y)|LON(X)|ELEVATION(FEET AMSL)|AIRPORTID|GLIDESLOPEID|RUNWAY|FREQUENCY|RANGE (NM)|"
    "LOCALIZERBEARING|GLIDESLOPEANGLE|GLIDESLOPENAME";
constexpr std::string_view kMarkerHeader =
    "BEACONTYPE|SHAPEID|LAT(Y)|LON(X)|ELEVATION(FEET AMSL)|LOCALIZERID|AIRPORTID|RUNWAY|BEACONNAME";
constexpr std::string_view kFpapHeader =
    "SHAPEID|LAT(Y)|LON(X)|ELEVATION(FEET AMSL)|LENGTH_OFFSET_RWY(M)|AIRPORTID|"
    "APPROACH PROCEDURE ID|RUNWAY|APPROACH COURSE|WAAS CHANNEL|PERFORMANCEID";
constexpr std::string_view kLtpHeader =
    "SHAPEID|LAT(Y)|LON(X)|ELEVATION(FEET AMSL)|CROSSING HEIGHT(FT)|AIRPORTID|"
    "APPROACH PROCEDURE ID|RUNWAY|APPROACH COURSE|GLIDEPATH ANGLE|WAAS CHANNEL|PROVIDER NAME";

struct NavaidFile {
    std::string_view suffix;
    std::string_view header;
    std::string_view type;  // the TYPE column of NDBs and VORs
};

// By kind, in the order the files are made.
constexpr std::array<NavaidFile, kNavaidKindCount> kFiles{{
    {"_ndb.csv", kPointHeader, "NDB"},
    {"_ndbdme.csv", kPointHeader, "NDB-DME"},
    {"_vor.csv", kVorHeader, "VOR"},
    {"_vordme.csv", kVorHeader, "VOR-DME"},
    {"_vortac.csv", kVorHeader, "VORTAC"},
    {"_tacan.csv", kVorHeader, "TACAN"},
    {"_dme.csv", kPointHeader, ""},
    {"_localizer.csv", kLocalizerHeader, ""},
    {"_glideslope.csv", kGlideslopeHeader, ""},
    {"_markerbeacon.csv", kMarkerHeader, ""},
    {"_FPAP.csv", kFpapHeader, ""},
    {"_LTP.csv", kLtpHeader, ""},
}};

std::size_t index(NavaidKind kind) { return static_cast<std::size_t>(kind); }

class NavaidConverter {
public:
    explicit NavaidConverter(const std::string& work_folder) {
        for (std::size_t i = 0; i < kFiles.size(); ++i) {
            files_[i] = std::make_unique<IntermediateFile>(
                intermediate_path(work_folder, kNavaidSource, kFiles[i].suffix), kFiles[i].header);
        }
    }

    void handle(const FieldList& fields);
    std::size_t records() const {
        std::size_t records = 0;
        for (const auto& file : files_) records += file->records();
        return records;
    }

    void close() {
        for (auto& file : files_) file->close();
    }

private:
    std::string_view field(std::size_t index) const { return trim((*fields_)[index]); }
    void write_station(NavaidKind kind, std::string_view type, bool with_magnetic_variation);
    void write_localizer();
    void write_glideslope();
    void write_marker_beacon();
    void write_fpap();
    void write_ltp();

    std::array<std::unique_ptr<IntermediateFile>, kNavaidKindCount> files_;
    std::array<ShapeCounter, kNavaidKindCount> shapes_;
    const FieldList* fields_ = nullptr;
    std::string words_;
    std::string type_;
    AngleParts angle_;
};

void NavaidConverter::handle(const FieldList& fields) {
    fields_ = &fields;
    const std::string_view code = fields[kNavCode];
    const std::string_view type = fields[fields.count() - 1];
    const std::optional<NavaidKind> kind = navaid_kind(code, type);
    if (!kind) return;
    switch (*kind) {
    case NavaidKind::Ndb:
    case NavaidKind::NdbDme:
        return write_station(*kind, kFiles[index(*kind)].type, false);
    case NavaidKind::Vor:
    case NavaidKind::VorDme:
    case NavaidKind::Vortac:
    case NavaidKind::Tacan:
        return write_station(*kind, kFiles[index(*kind)].type, true);
    case NavaidKind::Dme:
        dme_type(trim(type), type_);
        return write_station(*kind, type_, false);
    case NavaidKind::Localizer: return write_localizer();
    case NavaidKind::Glideslope: return write_glideslope();
    case NavaidKind::MarkerBeacon: return write_marker_beacon();
    case NavaidKind::Fpap: return write_fpap();
    case NavaidKind::Ltp: return write_ltp();
    }
}

// Braces read the fields in the order they are written, so the first one a
// short line lacks names the error; a call's arguments have no such order.
template <typename... Fields>
void write_record(IntermediateFile& file, const std::tuple<Fields...>& record) {
    std::apply([&](const Fields&... fields) { file.write(fields...); }, record);
}

// NDB, VOR and DME: the name is every word between the region and the type field.
void NavaidConverter::write_station(NavaidKind kind, std::string_view type,
                                    bool with_magnetic_variation) {
    join_words(*fields_, kNavRunway, fields_->count() - 1, words_, false);
    const UpperCased name = upper_cased(trim(words_));
    IntermediateFile& file = *files_[index(kind)];
    const std::string_view shape = shapes_[index(kind)].next();
    if (with_magnetic_variation) {
        write_record(file, std::tuple{shape, field(kNavLatitude), field(kNavLongitude),
                                      field(kNavElevation), field(kNavIdentifier), name, type,
                                      field(kNavFrequency), field(kNavAngle)});
    } else {
        write_record(file, std::tuple{shape, field(kNavLatitude), field(kNavLongitude),
                                      field(kNavElevation), field(kNavIdentifier), name, type,
                                      field(kNavFrequency)});
    }
}

void NavaidConverter::write_localizer() {
    const std::size_t i = index(NavaidKind::Localizer);
    write_record(*files_[i], std::tuple{shapes_[i].next(), field(kNavLatitude), field(kNavLongitude),
                                        field(kNavElevation), field(kNavAirport), field(kNavIdentifier),
                                        field(kNavRunway), field(kNavFrequency), field(kNavRange),
                                        field(kNavAngle), field(kNavDescription)});
}

void NavaidConverter::write_glideslope() {
    const std::size_t i = index(NavaidKind::Glideslope);
    cut_angle_field(field(kNavAngle), angle_);
    write_record(*files_[i], std::tuple{shapes_[i].next(), field(kNavLatitude), field(kNavLongitude),
                                        field(kNavElevation), field(kNavAirport), field(kNavIdentifier),
                                        field(kNavRunway), field(kNavFrequency), field(kNavRange),
                                        angle_.bearing, std::string_view(angle_.angle),
                                        field(kNavDescription)});
}

void NavaidConverter::write_marker_beacon() {
    const std::size_t i = index(NavaidKind::MarkerBeacon);
    const std::string_view type = marker_type(field(kNavCode));
    write_record(*files_[i], std::tuple{type, shapes_[i].next(), field(kNavLatitude),
                                        field(kNavLongitude), field(kNavElevation),
                                        field(kNavIdentifier), field(kNavAirport), field(kNavRunway),
                                        type});
}

void NavaidConverter::write_fpap() {
    const std::size_t i = index(NavaidKind::Fpap);
    write_record(*files_[i], std::tuple{shapes_[i].next(), field(kNavLatitude), field(kNavLongitude),
                                        field(kNavElevation), field(kNavRange), field(kNavAirport),
                                        field(kNavIdentifier), field(kNavRunway), field(kNavAngle),
                                        field(kNavFrequency), field(kNavDescription)});
}

void NavaidConverter::write_ltp() {
    const std::size_t i = index(NavaidKind::Ltp);
    cut_angle_field(field(kNavAngle), angle_);
    write_record(*files_[i], std::tuple{shapes_[i].next(), field(kNavLatitude), field(kNavLongitude),
                                        field(kNavElevation), field(kNavRange), field(kNavAirport),
                                        field(kNavIdentifier), field(kNavRunway), angle_.bearing,
                                        std::string_view(angle_.angle), field(kNavFrequency),
                                        field(kNavDescription)});
}

} // namespace

std::size_t convert_navaids(const std::string& source_folder, const std::string& work_folder) {
    LineReader source(source_path(source_folder, kNavaidSource));
    NavaidConverter converter(work_folder);
    FieldList fields;
    for_each_source_line(source, fields, [&](const FieldList& line) { converter.handle(line); });
    converter.close();
    return converter.records();
}

} // namespace quill
