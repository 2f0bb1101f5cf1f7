#include "site_fixture.h"

#include <cstdio>
#include <fstream>

namespace site_test {

namespace {

void write(const std::filesystem::path& file, const std::string& text) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

} // namespace

void writeSiteTables(const std::filesystem::path& root) {
    write(root / "Data/PC.TXT", "6000 WA  PERTH\r\n"
                                "6000 WA  EAST PERTH\r\n"
                                "5000 SA  ADELAIDE\r\n"
                                "2620 NSW QUEANBEYAN\r\n"
                                "2620 NSW GOOGONG\r\n"
                                "7000 TAS HOBART\r\n"
                                "4300 QLD SPRINGFIELD\r\n"
                                "2250 NSW SPRINGFIELD\r\n");
    write(root / "Data/CLIMPC.TXT", "6000 115.86 -31.95 62\r\n"
                                    "5000 138.60 -34.93 05 62\r\n"
                                    "2620 149.23 -35.35 28 24 29\r\n"
                                    "7000 147.33 -42.88\r\n"
                                    "4300 152.90 -27.65 18\r\n"
                                    "2250 151.32 -33.50 23 25\r\n");
    write(root / "Data/clim69.txt", "5 -23.80 133.89 NT  Alice Springs\r\n"
                                    "18 -27.48 153.03 QLD Brisbane\r\n"
                                    "23 -33.87 151.21 NSW Sydney\r\n"
                                    "24 -33.75 150.69 NSW Penrith\r\n"
                                    "25 -32.93 151.78 NSW Newcastle\r\n"
                                    "28 -35.28 149.13 ACT Canberra\r\n"
                                    "29 -34.75 149.72 NSW Goulburn\r\n"
                                    "62 -31.95 115.86 WA  Perth\r\n");
    write(root / "CITIES1.DAT", "1 1 115.86 -31.95 Perth\r\n"
                                "4 2 149.13 -35.28 Canberra\r\n");
}

std::string climateLine(int month, int day, int hour, int dryBulbTenths, int moistureTenths, int diffuse,
                        int beam) {
    // Columns 1-4 blank, 5-10 month, day, hour, 11-14 dry bulb, 15-17 moisture, 18-21 blank,
    // 22-24 wind speed, 25-26 wind direction code, 27 cloud, 28-37 blank, 38-40 diffuse, 41-44 beam.
    char text[64];
    std::snprintf(text, sizeof text, "    %02d%02d%02d%4d%3d    %3d%2d%1d          %3d%4d", month, day, hour,
                  dryBulbTenths, moistureTenths, 35, 8, 4, diffuse, beam);
    return text;
}

} // namespace site_test
