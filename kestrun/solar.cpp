#include "kestrun/solar.h"

#include <cmath>
#include <numbers>

namespace kestrun {

namespace {

constexpr double rad = std::numbers::pi / 180;

// Parts of the equation of time that come from the orbit: L0, M, e and
// y = tan^2(epsilon / 2), all of one moment.
double eot_minutes(double l0, double m, double e, double eps) noexcept {
    const double y = std::pow(std::tan(eps * rad / 2), 2);  // about 0.043
    const double l2 = 2 * l0 * rad;
    const double mr = m * rad;
    const double ev = y * std::sin(l2) - 2 * e * std::sin(mr) +
                      4 * e * y * std::sin(mr) * std::cos(l2) - y * y / 2 * std::sin(2 * l2) -
                      1.25 * e * e * std::sin(2 * mr);  // radians, [-0.061, 0.072]
    return 4 * ev / rad;                                // 4 minutes of time per degree
}

}  // namespace

double reduce(double x, double period) noexcept {
    const double r = std::fmod(x, period);  // (-period, period), exact
    if (r < 0) {
        const double s = r + period;  // (0, period], period only by rounding
        return s < period ? s : 0;
    }
    return r;
}

double reduce_degrees(double x) noexcept {
    return reduce(x, 360);
}

double mean_longitude(double t) noexcept {
    return reduce_degrees(280.46646 + t * (36000.76983 + t * 0.0003032));
}

double mean_anomaly(double t) noexcept {
    return reduce_degrees(357.52911 + t * (35999.05029 - t * 0.0001537));
}

double eccentricity(double t) noexcept {
    return 0.016708634 - t * (0.000042037 + t * 0.0000001267);
}

double equation_of_center(double t) noexcept {
    const double m = mean_anomaly(t) * rad;
    return std::sin(m) * (1.914602 - t * (0.004817 + t * 0.000014)) +
           std::sin(2 * m) * (0.019993 - t * 0.000101) + std::sin(3 * m) * 0.000289;
}

double true_longitude(double t) noexcept {
    return mean_longitude(t) + equation_of_center(t);
}

double moon_node(double t) noexcept {
    return reduce_degrees(125.04 - 1934.136 * t);
}

double apparent_longitude(double t) noexcept {
    return true_longitude(t) - 0.00569 - 0.00478 * std::sin(moon_node(t) * rad);
}

double mean_obliquity(double t) noexcept {
    const double sec = 21.448 - t * (46.815 + t * (0.00059 - t * 0.001813));  // arc seconds
    return 23 + (26 + sec / 60) / 60;
}

double obliquity(double t) noexcept {
    return mean_obliquity(t) + 0.00256 * std::cos(moon_node(t) * rad);
}

double right_ascension(double t) noexcept {
    const double lambda = apparent_longitude(t) * rad;
    const double eps = obliquity(t) * rad;
    return reduce_degrees(std::atan2(std::cos(eps) * std::sin(lambda), std::cos(lambda)) / rad);
}

double declination(double t) noexcept {
    return std::asin(std::sin(obliquity(t) * rad) * std::sin(apparent_longitude(t) * rad)) / rad;
}

double equation_of_time(double t) noexcept {
    return eot_minutes(mean_longitude(t), mean_anomaly(t), eccentricity(t), obliquity(t));
}

SunAt sun_at(double t) noexcept {
    const double l0 = mean_longitude(t);
    const double m = mean_anomaly(t);
    const double mr = m * rad;
    const double c = std::sin(mr) * (1.914602 - t * (0.004817 + t * 0.000014)) +
                     std::sin(2 * mr) * (0.019993 - t * 0.000101) + std::sin(3 * mr) * 0.000289;
    const double node = moon_node(t) * rad;
    const double lambda = l0 + c - 0.00569 - 0.00478 * std::sin(node);
    const double eps = mean_obliquity(t) + 0.00256 * std::cos(node);
    const double decl = std::asin(std::sin(eps * rad) * std::sin(lambda * rad)) / rad;
    return {decl, eot_minutes(l0, m, eccentricity(t), eps)};
}

}  // namespace kestrun
