#include "database/data_module.h"

#include <array>
#include <span>

namespace quill {

namespace {

using TableMember = Table TdfmMain::*;
using QueryMember = Query TdfmMain::*;

constexpr std::array kAirportDeletes{&TdfmMain::FDQueryDelAirport, &TdfmMain::FDQueryDelAirportInfo,
                                     &TdfmMain::FDQueryDelAirportComms};
constexpr std::array kNavaidDeletes{&TdfmMain::FDQueryDelNDB,        &TdfmMain::FDQueryDelDME,
                                    &TdfmMain::FDQueryDelVOR,        &TdfmMain::FDQueryDelLocalizer,
                                    &TdfmMain::FDQueryDelGlideslope, &TdfmMain::FDQueryDelMarkerBeacon,
                                    &TdfmMain::FDQueryDelFPAP,       &TdfmMain::FDQueryDelLTP};
constexpr std::array kWaypointDeletes{&TdfmMain::FDQueryDelWPT};
constexpr std::array kAirwayDeletes{&TdfmMain::FDQueryDelAirway};

std::span<const QueryMember> deletes_of(Category category) {
    switch (category) {
    case Category::Airports: return kAirportDeletes;
    case Category::NavAids: return kNavaidDeletes;
    case Category::Waypoints: return kWaypointDeletes;
    case Category::Airways: return kAirwayDeletes;
    }
    return {};
}

constexpr std::array<TableMember, 13> kOpenOrder{
    &TdfmMain::FDTableAirport,      &TdfmMain::FDTableNDB,          &TdfmMain::FDTableVOR,
    &TdfmMain::FDTableWPT,          &TdfmMain::FDTableDME,          &TdfmMain::FDTableAirportInfo,
    &TdfmMain::FDTableAirportComms, &TdfmMain::FDTableAirway,       &TdfmMain::FDTableLocalizer,
    &TdfmMain::FDTableGlideslope,   &TdfmMain::FDTableMarkerBeacon, &TdfmMain::FDTableFPAP,
    &TdfmMain::FDTableLTP};

} // namespace

void TdfmMain::clear(Category category) {
    for (QueryMember query : deletes_of(category)) (this->*query).execute(FDConnection);
}

void TdfmMain::open_tables() {
    for (TableMember table : kOpenOrder) (this->*table).open(FDConnection);
}

void TdfmMain::close() {
    for (TableMember table : kOpenOrder) (this->*table).close();
    FDConnection.close();
}

} // namespace quill
