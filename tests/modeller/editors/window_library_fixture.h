// A small window product library for the window editor's tests: the sixty generic products and a few
// makers' products with figures chosen so that the whole-window values are easy to work by hand.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/product_codes.h"

#include <string>

namespace editor_test {

// A product whose whole-window U and SHGC are worked by hand in the tests.
inline pelmora::CustWinType Product(const std::string& code, const std::string& maker, double glassU,
                                    double frameU, double shgc, double fraction) {
    pelmora::CustWinType p;
    p.ProductCode = code;
    p.Manufacturer = maker;
    p.Brand = code + " glass";
    p.ProductName = code + " frame";
    p.PaneCount = 1;
    p.GlassU = glassU;
    p.FrameU = frameU;
    p.GlassSHGC = shgc;
    p.GlassFraction = fraction;
    for (int i = 1; i <= 10; ++i) {
        p.AngleTransmittance(i) = 0.8 - 0.05 * (i - 1);
        p.PaneAbsorptance(1, i) = 0.1;
    }
    return p;
}

// Entries 1..60: the generic products (glass U 5.8, frame U 5.0, SHGC 0.75, glass fraction 0.7, but
// "GGG-05-013a" with frame U 5.01); then the makers' products: two all-glass ones, whose U and SHGC
// are the glass's exactly (3.0 and 0.625, 2.0 and 0.375).  Returns the number of entries.
inline int FillWindowLibrary(pelmora::HouseModel& model) {
    int n = 0;
    for (int g = 1; g <= pelmora::kGenericGlassRows; ++g)
        for (int r = 1; r <= pelmora::kGenericFrameRows; ++r) {
            const std::string code = *pelmora::GenericWindowCode(g, r);
            model.WindowProducts(++n) = Product(
                code, "Generic", code == "GGG-05-013a" ? 3.0 : 5.8, code == "GGG-05-013a" ? 5.01 : 5.0,
                code == "GGG-05-013a" ? 0.5 : 0.75, code == "GGG-05-013a" ? 0.8 : 0.7);
        }
    model.WindowProducts(++n) = Product("ZED-02-002a", "Zedd Windows", 3.0, 3.0, 0.625, 1.0);
    model.WindowProducts(++n) = Product("KLW-06-101a", "Kelwood Joinery", 5.8, 2.5, 0.75, 0.72);
    model.WindowProducts(++n) = Product("ZED-02-001a", "Zedd Windows", 2.0, 3.0, 0.375, 1.0);
    model.WindowProducts(++n) = Product("ALU-01-001a", "Alpha Aluminium", 5.8, 10.0, 0.75, 0.8);
    return n;
}

} // namespace editor_test
