// The console texts of the engine's input phase, written once so that tests compare them.
#pragma once

#include <string_view>

namespace engine::msg {

// Illegal fields and the abnormal end.
inline constexpr std::string_view kIllegalField = "     **ERROR** Illegal data in field on above card";
inline constexpr std::string_view kAbnormalEnd =
    " PROGRAM KOLDRIN HAS TERMINATED ABNORMALLY DUE TO ERROR(S) LISTED ABOVE";

// Cards the reader does not know, and a card file without its end card: illegal input.
inline constexpr std::string_view kUnknownDataType = "     **ERROR** Unknown data type on above card";
inline constexpr std::string_view kSectionNumberRange =
    "     **ERROR** Building section number outside 0 to 200 on above card";
inline constexpr std::string_view kUnknownCardNumber = "     **ERROR** Unknown card number on above card";
inline constexpr std::string_view kNoZoneCard = "     **ERROR** No zone card before the above card for zone ";
// Followed by the section number and kOnAboveCard.
inline constexpr std::string_view kSectionWithoutLayers =
    "     **ERROR** No layer of a material in building section ";
inline constexpr std::string_view kOnAboveCard = " on above card";
inline constexpr std::string_view kBlankLineBeforeCards =
    "     **ERROR** Card file holds a blank line before more cards: blank line ";
// Followed by where the card stands, the field, its value and its range, and kOnAboveCard.
inline constexpr std::string_view kValueRange = "     **ERROR** Value out of range: ";
// Followed by the end card's line, ", card at line ", the line of the first card after it, ": " and the file.
inline constexpr std::string_view kCardsAfterEndCard =
    "     **ERROR** Card file holds cards after its end card: end card at line ";
inline constexpr std::string_view kSkylightTypeRange =
    "     **ERROR** Skylight glazing type outside 1 to 3 on above card";
inline constexpr std::string_view kFrameValueRange =
    "     **ERROR** Frame U-value outside 0.01 to 20 or frame fraction outside 0 to 1 on above card";
inline constexpr std::string_view kNoEndCard =
    "     **ERROR** Card file ends without its end card (data type 9): ";

// Project cards.
inline constexpr std::string_view kMeanTemperatureFailed = "Calculation of outdoor mean temperature failed";
// After the mean-temperature message and the file: a file without a single line.
inline constexpr std::string_view kClimateFileEmpty = " is empty: it holds no record";
// A climate file that is not one whole year of readable records: the error line under card 1/2.
inline constexpr std::string_view kClimateRecord = "     **ERROR** Climate file ";
// A site card whose latitude or longitude lies off the globe: the error line under card 1/3.
inline constexpr std::string_view kLatitudeRange =
    "     **ERROR** Latitude outside -90 to 90 degrees on above card";
inline constexpr std::string_view kLongitudeRange =
    "     **ERROR** Longitude outside -180 to 180 degrees on above card";
inline constexpr std::string_view kMeridianRange =
    "     **ERROR** Standard meridian outside -180 to 180 degrees on above card";
inline constexpr std::string_view kTooManyPressureSets =
    "TOO MANY PRESSURE COEFFICIENT SETS. MAXIMUM ALLOWED = 999";
inline constexpr std::string_view kTooManyCurtains =
    "TOO MANY INDOOR CURTAINS (MAX = 20). CALCULATION STOPPED";
inline constexpr std::string_view kWindowCurtainUnphysical =
    "WINDOW CURTAIN DATA UNPHYSICAL. CALCULATION STOPPED";
inline constexpr std::string_view kRoofWindowCurtainUnphysical =
    "ROOF WINDOW CURTAIN DATA UNPHYSICAL. CALCULATION STOPPED";
inline constexpr std::string_view kTooManyWindowBlinds =
    "TOO MANY OUTDOOR BLINDS FOR WINDOWS (MAX = 20). CALCULATION STOPPED";
inline constexpr std::string_view kWindowBlindUnphysical =
    "***** ERROR: WINDOW BLIND DATA UNPHYSICAL. CALCULATION STOPPED";
inline constexpr std::string_view kTooManySkylightBlinds =
    "TOO MANY OUTDOOR BLINDS FOR SKYLIGHTS IR ROOF WINDOWS (MAX = 20). CALCULATION STOPPED";
inline constexpr std::string_view kSkylightBlindUnphysical =
    "***** ERROR: SKYLIGHT OR ROOF WINDOW BLIND DATA UNPHYSICAL. CALCULATION STOPPED";
inline constexpr std::string_view kHorizontalSchemeTooLarge =
    "** ERROR: HORIZONTAL SCHEME NUMBER EXCEEDS 999 **";
inline constexpr std::string_view kHorizontalFactorRange =
    "* ERROR: HORIZONTAL SHADING SCHEME BLOCKING FACTOR NOT BETWEEN 0 AND 1 *";
inline constexpr std::string_view kVerticalSchemeTooLarge = "** ERROR: VERTICAL SCHEME NUMBER EXCEEDS 999 **";
inline constexpr std::string_view kScreenSchemeTooLarge = "** ERROR: SCREEN SCHEME NUMBER EXCEEDS 999 **";
inline constexpr std::string_view kScreenFactorRange =
    "* ERROR: SCREEN SCHEME BLOCKING FACTOR NOT BETWEEN 0 AND 1*";

// Zone and surface cards.
inline constexpr std::string_view kTooManyWindows = "TOO MANY WINDOWS IN ZONE ";
inline constexpr std::string_view kTooManySkylights = "TOO MANY SKYLIGHTS IN ZONE ";
inline constexpr std::string_view kTooManyWallPaths = "TOO MANY WALL SOL-AIR PATHS";
inline constexpr std::string_view kTooManyRoofPaths = "TOO MANY ROOF SOL-AIR PATHS";
inline constexpr std::string_view kZoneTypeNotRecognised = "Zone type not recognised: zone ";

// Ventilation, gain and control cards; the end card.
inline constexpr std::string_view kTooManyOpenings = "TOO MANY VENTILATION OPENINGS IN ZONE ";
inline constexpr std::string_view kTooManyOpeningsMax = ", MAX. = ";
inline constexpr std::string_view kOpeningTop = "TOP OF OPENING ";
inline constexpr std::string_view kInZone = " IN ZONE ";
inline constexpr std::string_view kOpeningAboveCeiling = " IS HIGHER THAN CEILING HEIGHT";
inline constexpr std::string_view kFanSpeed = "ERROR: Ceiling fan air speed for zone ";
inline constexpr std::string_view kFanSpeedMax = " too large. Max. value = 1.5";
inline constexpr std::string_view kNoTemperatureOutput =
    "NO ZONES AVAILABLE FOR TEMPERATURE OUTPUT. RUN STOPPED";
inline constexpr std::string_view kConflictingVentilation = "CONFLICTING VENTILATION DATA, ZONE ";

// Limits that keep every card inside the engine's tables.
inline constexpr std::string_view kZoneNumberRange = "ZONE NUMBER OUT OF RANGE (1 TO 150): ";
inline constexpr std::string_view kTooManyPaths = "TOO MANY SURFACES (MAX = 200) IN ZONE ";
inline constexpr std::string_view kZoneLinkRange = "LINKED ZONE NUMBER OUT OF RANGE (0 TO 150) IN ZONE ";
inline constexpr std::string_view kIndexRange = "INDEX OUT OF RANGE ON CARD OF ZONE ";
inline constexpr std::string_view kOnCard = ", CARD ";
inline constexpr std::string_view kTooManyTemperatureZones =
    "TOO MANY ZONES FOR TEMPERATURE OUTPUT (MAX = 150)";
inline constexpr std::string_view kTooManyStatedHours = "TOO MANY STATED-HOURS CARDS (MAX = 150)";
inline constexpr std::string_view kLouvreWithoutWall = "NO LOUVRE WALL LEFT FOR LOUVRE OPENING ";
inline constexpr std::string_view kAirGapSection = "AIR GAP SURFACE HAS NO SECOND LAYER MATERIAL, ZONE ";
inline constexpr std::string_view kSchemeNumberBelowOne =
    "SCHEME, CURTAIN OR BLIND NUMBER BELOW 1 ON PROJECT CARD ";
inline constexpr std::string_view kLibraryNumberRange = "GLAZING LIBRARY NUMBER OUT OF RANGE (1 TO 20): ";
inline constexpr std::string_view kGridTooLarge = "SHADING GRID SIZE MUST LIE BETWEEN 1 AND 100";
inline constexpr std::string_view kMaterialCodeRange = "MATERIAL CODE OUT OF RANGE (0 TO 999) IN SECTION ";
inline constexpr std::string_view kGlazingZeroU = "GLAZING SYSTEM HAS A U-VALUE OF ZERO, SECTION ";
inline constexpr std::string_view kNoClimateFile = "NO WEATHER DATA FILE NAMED IN THE INPUT";
inline constexpr std::string_view kLitZone = "SKYLIGHT LIGHTS A ZONE WITHOUT ZONE CARD: ZONE ";
inline constexpr std::string_view kLitZoneSkylight = ", SKYLIGHT ";
inline constexpr std::string_view kLitZoneNumber = ", LIT ZONE ";

// Files.
inline constexpr std::string_view kFileNotFound = "File not found: ";
inline constexpr std::string_view kFileUnreadable = "File cannot be read: ";
inline constexpr std::string_view kNoGlazingLibrary = "No glazing library file given for library number ";
inline constexpr std::string_view kGlazingSystemNotFound = "Glazing system not found in its library: ";
inline constexpr std::string_view kGlazingValueRange = "Glazing library value out of range: ";
inline constexpr std::string_view kMaterialFileEnded = "Material file ended before its end marker: ";
inline constexpr std::string_view kMaterialFileCode = "Material code out of range (1 to 999) in file ";
inline constexpr std::string_view kMaterialNameControl = "Material name with a control character in file ";

} // namespace engine::msg
