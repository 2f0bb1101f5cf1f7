#include "data/climate/weather_generator.h"

#include "data/climate/fixed_math.h"

#include "data/climate/psychrometrics.h"
#include "data/climate/random_stream.h"
#include "data/climate/solar_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace climate {

namespace {

constexpr std::array<int, 12> kDaysInMonth{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Parameters of the generator (dimensionless unless a unit is given).
constexpr double kCloudPersistence = 0.6; // lag-one correlation of daily cloudiness
constexpr double kCloudSpread = 1.5;      // logit spread of daily cloudiness
constexpr double kTemperaturePersistence = 0.75;
constexpr double kHumidityPersistence = 0.7;
constexpr double kWindPersistence = 0.5;
constexpr double kDirectionPersistence = 0.6;
constexpr double kDirectionSpread = 45.0;       // degrees, day-to-day swing about the prevailing wind
constexpr double kHourlyDirectionSpread = 20.0; // degrees
constexpr double kMaxCloudEffect = 0.4;         // share of the normal range a clear day adds to the maximum
constexpr double kMinCloudEffect = 0.3;         // share a clear night takes off the minimum
constexpr double kSunsetShare = 0.5;            // sunset temperature between next minimum and maximum
constexpr double kNightDecay = 2.5;             // exponential cooling rate over the night
constexpr double kMostRelativeHumidity = 0.96;  // the air is never quite saturated
constexpr double kCalmSpeed = 0.3;              // m/s; slower winds are recorded as calm
constexpr int kCalibrationPasses = 8;
constexpr double kAnomalyBase = 0.4;         // K, day-to-day spread of the temperature ...
constexpr double kAnomalyPerRange = 0.08;    // ... plus this share of the normal daily range ...
constexpr double kAnomalyPerLatitude = 0.12; // ... plus K per degree poleward of 15° (frontal weather)
constexpr double kAnomalySkew = 0.1;         // warm spells run further from the normal than cool ones
constexpr double kMinimumAnomalyShare = 0.8; // the minimum follows the day's anomaly less fully
constexpr double kPeakAfterNoon = 1.0;       // h, the maximum comes this long after solar noon ...
constexpr double kPeakPerHalfDay = 0.3;      // ... plus this share of half the day length
constexpr double kHumiditySpread = 0.15;     // logarithmic day-to-day spread of vapour pressure
constexpr double kHumidityCloudEffect = 0.3; // logarithmic rise of vapour pressure per unit of extra cloud
constexpr double kWindSpread = 0.35;         // logarithmic day-to-day spread of the wind
constexpr double kHourlyWindSpread = 0.25;   // logarithmic hour-to-hour spread of the wind
constexpr double kHourlyWindPersistence = 0.6;
constexpr double kDiurnalWindSwing = 0.35; // share of the mean by which the afternoon wind is stronger
constexpr double kHourlyDirectionPersistence = 0.7;
constexpr double kHourlyCloudSpread = 0.12; // hour-to-hour wander of the cloud fraction
constexpr double kHourlyCloudPersistence = 0.85;

double logistic(double x) {
    return 1.0 / (1.0 + fixed::exp(-x));
}

int cumulativeDays(int month0) {
    int n = 0;
    for (int m = 0; m < month0; ++m) n += kDaysInMonth[m];
    return n;
}

// Day of the year (1-based, fractional) in the middle of month m (0-based).
double midMonth(int month0) {
    return cumulativeDays(month0) + (kDaysInMonth[month0] + 1) / 2.0;
}

// The normals interpolated linearly between the middles of the months, round the year.
double daily(const Monthly& v, int dayOfYear) {
    const double d = dayOfYear;
    for (int m = 0; m < 12; ++m) {
        const int next = (m + 1) % 12;
        const double a = midMonth(m);
        const double b = next == 0 ? midMonth(0) + kDaysPerYear : midMonth(next);
        if (d >= a && d < b) return v[m] + (v[next] - v[m]) * (d - a) / (b - a);
    }
    // Before the middle of January: between December and January.
    const double a = midMonth(11) - kDaysPerYear;
    const double b = midMonth(0);
    return v[11] + (v[0] - v[11]) * (d - a) / (b - a);
}

int monthOfDay(int day0) {
    return calendarDate(day0 + 1).month - 1;
}

// Per-month means of a daily series.
Monthly monthlyMeans(const std::vector<double>& perDay) {
    Monthly sum{};
    for (int d = 0; d < kDaysPerYear; ++d) sum[monthOfDay(d)] += perDay[d];
    for (int m = 0; m < 12; ++m) sum[m] /= kDaysInMonth[m];
    return sum;
}

double roundTo(double x, double step) {
    return std::llround(x / step) * step;
}

struct SunTimes {
    double sunrise; // apparent solar time, hours
    double peak;    // time of the day's maximum temperature
    double sunset;
};

class Generator {
  public:
    explicit Generator(const PlaceNormals& place)
        : place_(place), meridian_(standardMeridian(place.postcode)),
          pressure_(pressureAtElevation(place.elevation)) {
        for (int d = 0; d < kDaysPerYear; ++d) {
            const double half = halfDayLength(d + 1, place.latitude);
            sun_[d] = {12.0 - half, 12.0 + kPeakAfterNoon + kPeakPerHalfDay * half, 12.0 + half};
        }
    }

    std::vector<ClimateRecord> run() {
        const std::uint64_t seed = 0xC1A7E5EEDull * static_cast<std::uint64_t>(place_.zone) + 12345u;
        dailyCloud(seed + 1);
        dailyTemperature(seed + 2);
        dailyHumidity(seed + 3);
        dailyWind(seed + 4);
        calibrateTemperature();
        return records(seed + 5);
    }

  private:
    // Daily cloudiness 0..1 with spells, each month's mean equal to its normal.
    void dailyCloud(std::uint64_t seed) {
        RandomStream random(seed);
        Autoregressive series(random, kCloudPersistence);
        std::vector<double> z(kDaysPerYear);
        for (auto& v : z) v = series.next();
        for (int m = 0; m < 12; ++m) {
            const double target = std::clamp(place_.cloudCover[m] / 8.0, 0.02, 0.98);
            cloudMean_[m] = target;
            const int first = cumulativeDays(m);
            auto mean = [&](double a) {
                double s = 0;
                for (int d = first; d < first + kDaysInMonth[m]; ++d) s += logistic(a + kCloudSpread * z[d]);
                return s / kDaysInMonth[m];
            };
            double lo = -12, hi = 12;
            for (int i = 0; i < 60; ++i) {
                const double mid = 0.5 * (lo + hi);
                (mean(mid) < target ? lo : hi) = mid;
            }
            for (int d = first; d < first + kDaysInMonth[m]; ++d)
                cloud_[d] = logistic(0.5 * (lo + hi) + kCloudSpread * z[d]);
        }
    }

    // Daily maximum and minimum: the normals, a persistent anomaly and the effect of the sky.
    void dailyTemperature(std::uint64_t seed) {
        RandomStream random(seed);
        Autoregressive series(random, kTemperaturePersistence);
        for (int d = 0; d < kDaysPerYear; ++d) {
            const double hi = daily(place_.maxTemperature, d + 1);
            const double lo = daily(place_.minTemperature, d + 1);
            const double range = hi - lo;
            const double sigma = kAnomalyBase + kAnomalyPerRange * range +
                                 kAnomalyPerLatitude * std::max(0.0, std::abs(place_.latitude) - 15.0); // K
            const double z = series.next();
            const double anomaly = sigma * (z + kAnomalySkew * (z * z - 1.0));
            const double clearness = cloudMean_[monthOfDay(d)] - cloud_[d];
            double tmax = hi + anomaly + kMaxCloudEffect * range * clearness;
            double tmin = lo + kMinimumAnomalyShare * anomaly - kMinCloudEffect * range * clearness;
            if (tmax - tmin < 1.0) {
                const double mid = 0.5 * (tmax + tmin);
                tmax = mid + 0.5;
                tmin = mid - 0.5;
            }
            maxTarget_[d] = tmax;
            minTarget_[d] = tmin;
        }
    }

    // Daily vapour pressure (hPa): the afternoon humidity of the normals at the afternoon
    // temperature, varied from day to day and moister under cloud.
    void dailyHumidity(std::uint64_t seed) {
        Monthly normal{};
        for (int m = 0; m < 12; ++m) {
            const double afternoon =
                place_.maxTemperature[m] - 0.1 * (place_.maxTemperature[m] - place_.minTemperature[m]);
            normal[m] = place_.afternoonHumidity[m] / 100.0 * saturationVapourPressure(afternoon);
        }
        RandomStream random(seed);
        Autoregressive series(random, kHumidityPersistence);
        std::vector<double> e(kDaysPerYear);
        for (int d = 0; d < kDaysPerYear; ++d) {
            const double sky = cloud_[d] - cloudMean_[monthOfDay(d)];
            e[d] = daily(normal, d + 1) *
                   fixed::exp(kHumiditySpread * series.next() + kHumidityCloudEffect * sky);
        }
        const Monthly mean = monthlyMeans(e);
        for (int d = 0; d < kDaysPerYear; ++d)
            vapour_[d] = e[d] * normal[monthOfDay(d)] / mean[monthOfDay(d)];
    }

    void dailyWind(std::uint64_t seed) {
        RandomStream random(seed);
        Autoregressive speed(random, kWindPersistence);
        Autoregressive direction(random, kDirectionPersistence);
        for (int d = 0; d < kDaysPerYear; ++d) {
            const int m = monthOfDay(d);
            const bool summer = m >= 9 || m <= 2; // October to March
            windMean_[d] = daily(place_.windSpeed, d + 1) * fixed::exp(kWindSpread * speed.next());
            windFrom_[d] = (summer ? place_.summerWindFrom : place_.winterWindFrom) +
                           kDirectionSpread * direction.next();
        }
    }

    // Temperature of day d (0-based, wrapping round the year) at apparent solar time t.
    double temperature(int d, double t, const std::vector<double>& tmax,
                       const std::vector<double>& tmin) const {
        const int prev = (d + kDaysPerYear - 1) % kDaysPerYear;
        const int next = (d + 1) % kDaysPerYear;
        const SunTimes& s = sun_[d];
        if (t < s.sunrise) return night(prev, t + 24.0, tmax, tmin);
        if (t <= s.peak)
            return tmin[d] +
                   (tmax[d] - tmin[d]) * fixed::sin(0.5 * kPi * (t - s.sunrise) / (s.peak - s.sunrise));
        const double atSunset = tmin[next] + kSunsetShare * (tmax[d] - tmin[next]);
        if (t <= s.sunset)
            return atSunset +
                   (tmax[d] - atSunset) * fixed::cos(0.5 * kPi * (t - s.peak) / (s.sunset - s.peak));
        return night(d, t, tmax, tmin);
    }

    // The night after day d: from the sunset temperature down to the next day's minimum at sunrise.
    double night(int d, double t, const std::vector<double>& tmax, const std::vector<double>& tmin) const {
        const int next = (d + 1) % kDaysPerYear;
        const double start = sun_[d].sunset;
        const double end = sun_[next].sunrise + 24.0;
        const double atSunset = tmin[next] + kSunsetShare * (tmax[d] - tmin[next]);
        const double tau = std::clamp((t - start) / (end - start), 0.0, 1.0);
        const double tail = fixed::exp(-kNightDecay);
        const double share = (fixed::exp(-kNightDecay * tau) - tail) / (1.0 - tail);
        return tmin[next] + (atSunset - tmin[next]) * share;
    }

    double solarTime(int d, int hour) const {
        return apparentSolarTime(d + 1, hour, place_.longitude, meridian_);
    }

    // Hourly temperatures as written (tenths of a degree) from daily extremes.
    std::vector<double> hourlyTemperatures(const std::vector<double>& tmax,
                                           const std::vector<double>& tmin) const {
        std::vector<double> t(kHoursPerYear);
        for (int d = 0; d < kDaysPerYear; ++d)
            for (int h = 0; h < 24; ++h)
                t[d * 24 + h] = roundTo(temperature(d, solarTime(d, h), tmax, tmin), 0.1);
        return t;
    }

    // Shifts each month's daily extremes until the hourly values, as written, give the normals'
    // monthly means of daily maximum and minimum.
    void calibrateTemperature() {
        Monthly shiftMax{}, shiftMin{};
        for (int pass = 0; pass < kCalibrationPasses; ++pass) {
            for (int d = 0; d < kDaysPerYear; ++d) {
                tmax_[d] = maxTarget_[d] + shiftMax[monthOfDay(d)];
                tmin_[d] = minTarget_[d] + shiftMin[monthOfDay(d)];
            }
            const auto t = hourlyTemperatures(tmax_, tmin_);
            std::vector<double> dayMax(kDaysPerYear), dayMin(kDaysPerYear);
            for (int d = 0; d < kDaysPerYear; ++d) {
                const auto first = t.begin() + d * 24;
                dayMax[d] = *std::max_element(first, first + 24);
                dayMin[d] = *std::min_element(first, first + 24);
            }
            const Monthly meanMax = monthlyMeans(dayMax);
            const Monthly meanMin = monthlyMeans(dayMin);
            for (int m = 0; m < 12; ++m) {
                shiftMax[m] += place_.maxTemperature[m] - meanMax[m];
                shiftMin[m] += place_.minTemperature[m] - meanMin[m];
            }
        }
        for (int d = 0; d < kDaysPerYear; ++d) {
            tmax_[d] = maxTarget_[d] + shiftMax[monthOfDay(d)];
            tmin_[d] = minTarget_[d] + shiftMin[monthOfDay(d)];
        }
    }

    // Vapour pressure at hour h of day d, linear between the middays of neighbouring days.
    double vapourAt(int d, int h) const {
        const int other = h < 12 ? (d + kDaysPerYear - 1) % kDaysPerYear : (d + 1) % kDaysPerYear;
        const double w = std::abs(h - 12) / 24.0;
        return (1.0 - w) * vapour_[d] + w * vapour_[other];
    }

    // Global, diffuse and beam irradiance (W/m²) for sun altitude sine `sinAlt`, day n and cloud 0..1.
    static void irradiance(double sinAlt, int dayOfYear, double cloud, double& diffuse, double& beam) {
        diffuse = beam = 0;
        if (sinAlt <= 0) return;
        // Clear sky after Haurwitz, dimmed by cloud after Kasten and Czeplak.
        const double clear = 1098.0 * sinAlt * fixed::exp(-0.057 / sinAlt);
        const double global = clear * (1.0 - 0.75 * fixed::pow(cloud, 3.4));
        const double extraterrestrial = extraterrestrialNormal(dayOfYear) * sinAlt;
        const double kt = global / extraterrestrial;
        // Diffuse fraction after Erbs, Klein and Duffie.
        double kd = 0.165;
        if (kt <= 0.22)
            kd = 1.0 - 0.09 * kt;
        else if (kt <= 0.80)
            kd = 0.9511 - 0.1604 * kt + 4.388 * kt * kt - 16.638 * kt * kt * kt + 12.336 * kt * kt * kt * kt;
        diffuse = kd * global;
        beam = (global - diffuse) / sinAlt;
    }

    std::vector<ClimateRecord> records(std::uint64_t seed) {
        RandomStream random(seed);
        Autoregressive cloudNoise(random, kHourlyCloudPersistence);
        Autoregressive speedNoise(random, kHourlyWindPersistence);
        Autoregressive directionNoise(random, kHourlyDirectionPersistence);

        std::vector<ClimateRecord> out(kHoursPerYear);
        std::vector<double> speed(kHoursPerYear);
        const auto temperatures = hourlyTemperatures(tmax_, tmin_);
        for (int d = 0; d < kDaysPerYear; ++d) {
            const CalendarDate date = calendarDate(d + 1);
            for (int h = 0; h < 24; ++h) {
                const int i = d * 24 + h;
                const double t = solarTime(d, h);
                ClimateRecord& r = out[i];
                r.month = date.month;
                r.day = date.day;
                r.hour = h;
                r.dryBulb = temperatures[i];

                const double saturated = kMostRelativeHumidity * saturationVapourPressure(r.dryBulb);
                const double ceiling = std::floor(humidityRatio(saturated, pressure_) * 10.0) / 10.0;
                r.moisture = std::min(
                    roundTo(humidityRatio(std::min(vapourAt(d, h), saturated), pressure_), 0.1), ceiling);

                const double cloud = std::clamp(cloud_[d] + kHourlyCloudSpread * cloudNoise.next(), 0.0, 1.0);
                r.cloud = static_cast<int>(std::llround(8.0 * cloud));
                irradiance(sinAltitude(d + 1, t, place_.latitude), d + 1, cloud, r.diffuse, r.beam);
                r.diffuse = roundTo(r.diffuse, 1.0);
                r.beam = roundTo(r.beam, 1.0);

                const double diurnal = 1.0 + kDiurnalWindSwing * fixed::sin(2.0 * kPi * (t - 9.0) /
                                                                            24.0); // strongest mid-afternoon
                speed[i] = windMean_[d] * diurnal * fixed::exp(kHourlyWindSpread * speedNoise.next());
                const double from = windFrom_[d] + kHourlyDirectionSpread * directionNoise.next();
                const long long code = std::llround(from / 22.5);
                r.windCode = static_cast<int>(((code % 16) + 16) % 16);
                if (r.windCode == 0) r.windCode = 16; // north; 0 stands for calm
            }
        }
        // Each month's mean wind speed equal to its normal.
        Monthly sum{};
        for (int i = 0; i < kHoursPerYear; ++i) sum[out[i].month - 1] += speed[i];
        for (int i = 0; i < kHoursPerYear; ++i) {
            const int m = out[i].month - 1;
            const double v = speed[i] * place_.windSpeed[m] * kDaysInMonth[m] * 24.0 / sum[m];
            out[i].windSpeed = v < kCalmSpeed ? 0.0 : roundTo(v, 0.1);
            if (out[i].windSpeed == 0.0) out[i].windCode = 0;
        }
        return out;
    }

    const PlaceNormals& place_;
    double meridian_;
    double pressure_; // hPa
    std::array<SunTimes, kDaysPerYear> sun_{};
    Monthly cloudMean_{};
    std::vector<double> cloud_ = std::vector<double>(kDaysPerYear);
    std::vector<double> maxTarget_ = std::vector<double>(kDaysPerYear);
    std::vector<double> minTarget_ = std::vector<double>(kDaysPerYear);
    std::vector<double> tmax_ = std::vector<double>(kDaysPerYear);
    std::vector<double> tmin_ = std::vector<double>(kDaysPerYear);
    std::vector<double> vapour_ = std::vector<double>(kDaysPerYear);
    std::vector<double> windMean_ = std::vector<double>(kDaysPerYear);
    std::vector<double> windFrom_ = std::vector<double>(kDaysPerYear);
};

} // namespace

CalendarDate calendarDate(int dayOfYear) {
    int n = dayOfYear;
    for (int m = 0; m < 12; ++m) {
        if (n <= kDaysInMonth[m]) return {m + 1, n};
        n -= kDaysInMonth[m];
    }
    return {12, 31};
}

std::vector<ClimateRecord> generateClimateYear(const PlaceNormals& place) {
    return Generator(place).run();
}

} // namespace climate
