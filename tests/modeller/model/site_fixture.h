// Small location tables and climate records for the site tests: a handful of postcodes with one, two,
// three and no climate zones, one locality name under two postcodes, and the zone names they use.
#pragma once

#include <filesystem>
#include <string>

namespace site_test {

// Writes Data/PC.TXT, Data/CLIMPC.TXT, Data/clim69.txt and CITIES1.DAT under `root`:
//   6000 PERTH, EAST PERTH (zone 62); 5000 ADELAIDE (zones 5, 62);
//   2620 QUEANBEYAN, GOOGONG (zones 28, 24, 29); 7000 HOBART (no zone part);
//   4300 SPRINGFIELD (zone 18) and 2250 SPRINGFIELD (zones 23, 25).
void writeSiteTables(const std::filesystem::path& root);

// One hourly climate record in the shipped layout, written here independently of the readers:
// temperature and humidity in tenths, irradiances in W/m².
std::string climateLine(int month, int day, int hour, int dryBulbTenths, int moistureTenths, int diffuse,
                        int beam);

} // namespace site_test
