// The consistency checks of the shipped construction data: every code has its record, every record
// position the programs rely on holds the right kind of row, every value lies in its physical range.
#include "shipped_data_fixture.h"

#include <cmath>
#include <cstdio>
#include <set>

namespace shipped {

namespace {

using Faults = std::vector<std::string>;

// Codes the input writer puts into layer lists itself, and the films and pseudo-layers the engine
// takes from the material file.
const int kSpecialCodes[] = {25,  36,  44,  49,  209, 508, 510, 512, 513, 515, 529,
                             531, 533, 534, 536, 541, 901, 902, 903, 904, 905, 906,
                             907, 908, 909, 910, 911, 912, 913, 914, 915, 916, 999};
constexpr int kGlazingPseudoLayer = 901; // carries resistance only, no mass
constexpr int kNoLayer = 999;

const char* const kLayerFields[][2] = {{"M1", "R1"}, {"M2", "R2"}, {"M3", "R3"}};

std::string text(const char* format, double a, double b = 0) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, a, b);
    return buffer;
}

bool near(double a, double b, double tolerance) {
    return std::fabs(a - b) <= tolerance;
}

void checkMaterials(const ShippedData& d, Faults& faults) {
    for (int code : kSpecialCodes)
        if (!d.materials.count(code))
            faults.push_back("special material " + std::to_string(code) + " has no record");
    for (const auto& [code, m] : d.materials) {
        const std::string name = "material " + std::to_string(code);
        if (m.flag == 'Y') {
            if (m.p2 <= 0 || m.p3 <= 0)
                faults.push_back(name + ": resistivity (1/conductivity) not positive");
            if (code != kGlazingPseudoLayer && m.p1 <= 0)
                faults.push_back(name + ": density x specific heat not positive");
        } else if (code != kNoLayer && (m.p1 < 0 || m.p2 <= 0 || m.p3 <= 0)) {
            faults.push_back(name + ": fixed resistances must be positive and the capacity not negative");
        }
    }
    const auto p2 = [&](int code) { return d.materials.count(code) ? d.materials.at(code).p2 : NAN; };
    if (!near(p2(906), p2(907), 1e-6))
        faults.push_back("material 907 (window outside film) differs from 906 (outside film)");
}

const Table* table(const ShippedData& d, const std::string& name, Faults& faults) {
    const auto found = d.tables.find(name);
    if (found != d.tables.end()) return &found->second;
    faults.push_back("table " + name + " is missing");
    return nullptr;
}

void checkLayerCodes(const ShippedData& d, Faults& faults) {
    for (const auto& [name, t] : d.tables)
        for (std::size_t r = 0; r < t.rows.size(); ++r)
            for (const auto& [m, rField] : kLayerFields) {
                if (t.column(m) < 0) continue;
                const int code = static_cast<int>(t.number(r, m));
                if (code == 0) continue;
                const std::string where = name + " record " + std::to_string(r + 1) + " " + m;
                const auto found = d.materials.find(code);
                if (found == d.materials.end()) {
                    faults.push_back(where + ": material " + std::to_string(code) + " has no record");
                    continue;
                }
                const double rho = t.number(r, rField);
                if (found->second.flag == 'Y' && !near(rho, found->second.p2, 0.002 + 0.001 * rho))
                    faults.push_back(where + text(": R %.4f differs from the material's resistivity %.4f",
                                                  rho, found->second.p2));
            }
}

void expect(bool ok, const std::string& fault, Faults& faults) {
    if (!ok) faults.push_back(fault);
}

void checkRecordPositions(const ShippedData& d, Faults& faults) {
    if (const Table* t = table(d, "ExtFloormaterial", faults)) {
        expect(t->rows.size() >= 4, "ExtFloormaterial has fewer than 4 records", faults);
        expect(
            t->number(0, "Material Number") == 1 && t->number(0, "UF") == 0 && t->number(0, "UB") == 0,
            "ExtFloormaterial record 1 is not the slab on ground (Material Number 1, no under-floor space)",
            faults);
        for (std::size_t r = 1; r < 4; ++r)
            expect(t->number(r, "UF") == 1 && t->number(r, "UB") == 0,
                   "ExtFloormaterial record " + std::to_string(r + 1) + " is not a suspended floor", faults);
    }
    // The rows whose first gap turns foil-faced when the insulation brings a fixed R: two-leaf walls.
    for (const auto& [name, record] :
         {std::pair<const char*, std::size_t>{"Wallmaterial", 6}, {"IntWallmaterial", 4}})
        if (const Table* t = table(d, name, faults)) {
            expect(t->rows.size() >= record && t->rows.size() <= 50,
                   std::string(name) + " needs " + std::to_string(record) + " to 50 records", faults);
            expect(t->number(record - 1, "TI") == 3 && t->number(record - 1, "AS") == 1,
                   std::string(name) + " record " + std::to_string(record) + " is not a two-leaf cavity wall",
                   faults);
        }
    if (const Table* t = table(d, "RoofInsulation", faults))
        expect(t->number(0, "AddR") == 0 && t->number(0, "ShowR") == 0 && t->number(0, "G0") == 0 &&
                   t->number(0, "G1") == 0,
               "RoofInsulation record 1 is not the uninsulated roof", faults);
    if (const Table* t = table(d, "Windowfurnishing", faults))
        expect(t->text(0, "Material Description") == "None" && t->number(0, "AddR") == 0 &&
                   t->number(0, "Trans") == 1 && t->number(0, "Absorp") == 0,
               "Windowfurnishing record 1 is not \"None\" without a curtain", faults);
    if (const Table* t = table(d, "Windowshading", faults))
        expect(t->text(0, "Material Description") == "No Shading" && t->number(0, "Schedule") == 0 &&
                   t->number(0, "Shade") == 0,
               "Windowshading record 1 is not \"No Shading\"", faults);
    if (const Table* t = table(d, "DoorMaterial", faults))
        for (std::size_t r = 0; r < t->rows.size(); ++r)
            expect(t->number(r, "Material Number") == static_cast<double>(r + 1),
                   "DoorMaterial record " + std::to_string(r + 1) + " has another Material Number", faults);
    const std::pair<const char*, std::size_t> exactRows[] = {
        {"Windowglass", 15}, {"Windowframe", 4}, {"Skylight", 5}, {"SkyFrame", 2}};
    for (const auto& [name, rows] : exactRows)
        if (const Table* t = table(d, name, faults))
            expect(t->rows.size() == rows,
                   std::string(name) + " needs exactly " + std::to_string(rows) + " records", faults);
    // Factory defaults start from record 2 of these, record 1 of every other table.
    for (const char* name : {"IntWallmaterial", "FloorCovering"})
        if (const Table* t = table(d, name, faults))
            expect(t->rows.size() >= 2, std::string(name) + " lacks its default record 2", faults);
    for (const auto& [name, t] : d.tables) expect(!t.rows.empty(), name + " has no records", faults);
}

void checkGapCodes(const ShippedData& d, Faults& faults) {
    for (const auto& [name, t] : d.tables)
        for (const char* field : {"G0", "G1", "G2", "G"})
            if (t.column(field) >= 0)
                for (std::size_t r = 0; r < t.rows.size(); ++r) {
                    const double g = t.number(r, field);
                    expect(g >= 0 && g <= 4,
                           name + " record " + std::to_string(r + 1) + " " + field + " outside 0..4", faults);
                }
    if (const Table* t = table(d, "RoofInsulation", faults))
        for (std::size_t r = 0; r < t->rows.size(); ++r)
            expect(t->number(r, "GR") == 1 || t->number(r, "GR") == 2,
                   "RoofInsulation record " + std::to_string(r + 1) + " GR is neither 1 nor 2", faults);
}

bool nonIncreasing(const std::vector<double>& v) {
    for (std::size_t i = 1; i < v.size(); ++i)
        if (v[i] > v[i - 1] + 1e-6) return false;
    return true;
}

void checkWindowSystem(const WindowSystem& s, Faults& faults) {
    const std::string name = "window glazing " + s.code;
    const double u = s.first[0];
    expect(u >= 0.5 && u <= 7.0, name + text(": U %.3f outside 0.5..7 W/m2K", u), faults);
    expect(s.first[5] >= 0.1 && s.first[5] <= 0.9, name + text(": SHGC %.3f outside 0.1..0.9", s.first[5]),
           faults);
    for (int k : {1, 2})
        expect(s.first[k] > 0 && s.first[k] <= 1, name + ": emittance outside (0, 1]", faults);
    for (int k : {3, 4}) expect(s.first[k] > 0, name + ": film coefficient not positive", faults);
    expect(s.transmittance.size() == 10 && nonIncreasing(s.transmittance),
           name + ": transmittance rises with the angle of incidence", faults);
    double sumR = 0;
    for (double r : s.nodeR) sumR += r;
    expect(near(sumR * u, 1.0, 1e-3), name + ": node resistances do not add up to 1/U", faults);
    // The solar heat gain at normal incidence: transmitted plus the inward-flowing absorbed part.
    double shgc = s.transmittance[0], outside = 0, absorbed = 0;
    for (int k = 0; k < s.panes; ++k) {
        outside += s.nodeR[static_cast<std::size_t>(k)];
        shgc += outside / sumR * s.absorptance[static_cast<std::size_t>(k)][0];
    }
    expect(near(shgc, s.first[5], 2e-3), name + text(": SHGC %.4f differs from %.4f", s.first[5], shgc),
           faults);
    for (std::size_t a = 0; a < 10; ++a) {
        absorbed = 0;
        for (const auto& pane : s.absorptance) {
            absorbed += pane[a];
            expect(pane[a] >= 0 && pane[a] <= 1, name + ": absorptance outside 0..1", faults);
        }
        expect(s.transmittance[a] >= 0 && s.transmittance[a] + absorbed <= 1.0 + 1e-6,
               name + ": transmitted and absorbed exceed the incident radiation", faults);
    }
}

void checkSkylightSystem(const SkylightSystem& s, Faults& faults) {
    const std::string name = "skylight glazing " + s.code;
    expect(s.u >= 0.5 && s.u <= 7.0, name + text(": U %.3f outside 0.5..7 W/m2K", s.u), faults);
    expect(nonIncreasing(s.transmittance), name + ": transmittance rises with the angle of incidence",
           faults);
    expect(s.transmittance[0] > 0 && s.transmittance[0] <= 1, name + ": transmittance outside (0, 1]",
           faults);
    expect(s.diffuserU >= 0.5 && s.diffuserU <= 7.0, name + ": diffuser U outside 0.5..7 W/m2K", faults);
    expect(s.diffuserT > 0 && s.diffuserT <= 1, name + ": diffuser transmittance outside (0, 1]", faults);
}

std::string twoDigits(int n) {
    return text("%02.0f", n);
}

void checkWindowProducts(const ShippedData& d, Faults& faults) {
    std::map<std::string, const WindowSystem*> systems;
    for (const WindowSystem& s : d.windowSystems) {
        if (!systems.emplace(s.code, &s).second) faults.push_back("window glazing " + s.code + " twice");
        checkWindowSystem(s, faults);
    }
    std::set<std::string> codes;
    for (const WindowProduct& p : d.windowProducts) {
        codes.insert(p.code);
        const auto found = systems.find(p.code);
        if (found == systems.end()) {
            faults.push_back("window product " + p.code + " has no glazing record");
            continue;
        }
        const WindowSystem& s = *found->second;
        const std::string name = "window product " + p.code;
        expect(p.panes == s.panes, name + ": pane count differs from its glazing record", faults);
        expect(near(p.glassU, s.first[0], 6e-4), name + ": GlassU differs from its glazing record", faults);
        expect(near(p.shgc, s.first[5], 6e-4), name + ": GlassSHGC differs from its glazing record", faults);
        expect(p.shgc >= 0.1 && p.shgc <= 0.9, name + text(": SHGC %.3f outside 0.1..0.9", p.shgc), faults);
        expect(p.frameU > 0 && p.glassFraction > 0 && p.glassFraction <= 1,
               name + ": frame values out of range", faults);
        bool same = p.transmittance.size() == 10 && p.absorptance.size() == s.absorptance.size();
        for (std::size_t a = 0; same && a < 10; ++a) {
            same = near(p.transmittance[a], s.transmittance[a], 6e-5);
            for (std::size_t k = 0; same && k < p.absorptance.size(); ++k)
                same = p.absorptance[k].size() == 10 && near(p.absorptance[k][a], s.absorptance[k][a], 6e-5);
        }
        expect(same, name + ": angular values differ from its glazing record", faults);
    }
    for (int nn = 1; nn <= 60; ++nn) {
        const std::string code = "GGG-05-0" + twoDigits(nn) + "a";
        expect(codes.count(code) == 1, "generic window " + code + " is missing from the product library",
               faults);
    }
}

void checkSkylightProducts(const ShippedData& d, Faults& faults) {
    std::map<std::string, const SkylightSystem*> systems;
    for (const SkylightSystem& s : d.skylightSystems) {
        if (!systems.emplace(s.code, &s).second) faults.push_back("skylight glazing " + s.code + " twice");
        checkSkylightSystem(s, faults);
    }
    std::set<std::string> codes;
    for (const SkylightProduct& p : d.skylightProducts) {
        codes.insert(p.code);
        const std::string name = "skylight product " + p.code;
        const auto found = systems.find(p.code);
        if (found == systems.end()) {
            faults.push_back(name + " has no glazing record");
            continue;
        }
        expect(near(p.glassU, found->second->u, 6e-4), name + ": GlassU differs from its glazing record",
               faults);
        // Light wells only: the input writer never names a roof-window glazing library.
        expect(p.systemNumber == 1 || p.systemNumber == 2,
               name + ": system number is not a light well (1 or 2)", faults);
        expect(p.fourth >= 0.1 && p.fourth <= 0.9, name + text(": SHGC %.3f outside 0.1..0.9", p.fourth),
               faults);
    }
    for (int nn = 1; nn <= 10; ++nn) {
        const std::string code = "GEN-04-0" + twoDigits(nn) + "a";
        expect(codes.count(code) == 1, "generic skylight " + code + " is missing from the product library",
               faults);
    }
}

// The engine builds a glazing section from the outside film, the pane layers and a pseudo-layer
// that brings it to 1 / U of the whole opening; that layer must have a positive thickness.
void checkGlazingSections(const ShippedData& d, Faults& faults) {
    const auto p2 = [&](int code) { return d.materials.count(code) ? d.materials.at(code).p2 : NAN; };
    for (const WindowProduct& p : d.windowProducts) {
        const double u = p.glassU * p.glassFraction + p.frameU * (1 - p.glassFraction);
        const double start = p2(907) + p.panes * 4 * p2(25) / 1000;
        expect(1 / u - start > 0, "window product " + p.code + ": films and panes exceed 1/U of the window",
               faults);
    }
    for (const SkylightProduct& p : d.skylightProducts) {
        const double u = p.glassU * p.glassFraction + p.frameU * (1 - p.glassFraction);
        const double start = p2(906) + p.panes * 3 * p2(36) / 1000;
        expect(1 / u - start > 0,
               "skylight product " + p.code + ": films and panes exceed 1/U of the skylight", faults);
    }
}

void checkAirGaps(const ShippedData& d, Faults& faults) {
    for (double width : {13.0, 20.0, 40.0, 90.0})
        for (double e : {0.05, 0.2, 0.9})
            for (double tilt : {0.0, 45.0, 90.0}) {
                const auto [up, down] = airGapResistance(d, width, 0.9, e, tilt);
                expect(up > 0.05 && up < 3 && down > 0.05 && down < 3,
                       text("air gap of %.0f mm: resistance outside 0.05..3 m2K/W at tilt %.0f", width, tilt),
                       faults);
            }
}

void checkCalculatorMaterials(const ShippedData& d, Faults& faults) {
    for (const CalculatorMaterial& m : d.calculatorMaterials) {
        const std::string name = "calculator material " + std::to_string(m.code);
        expect(m.capacity > 0 && m.resistivity > 0, name + ": capacity and resistivity must be positive",
               faults);
        const auto found = d.materials.find(m.code);
        expect(found != d.materials.end() &&
                   near(found->second.p2, m.resistivity, 1e-4 + 1e-4 * m.resistivity) &&
                   near(found->second.p1, m.capacity, 0.06),
               name + ": differs from the material file", faults);
    }
}

} // namespace

std::vector<std::string> consistencyFaults(const ShippedData& d) {
    Faults faults;
    checkMaterials(d, faults);
    checkLayerCodes(d, faults);
    checkRecordPositions(d, faults);
    checkGapCodes(d, faults);
    checkWindowProducts(d, faults);
    checkSkylightProducts(d, faults);
    checkGlazingSections(d, faults);
    checkAirGaps(d, faults);
    checkCalculatorMaterials(d, faults);
    return faults;
}

} // namespace shipped
