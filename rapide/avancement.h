#pragma once


namespace optolink {

// How often a long wait brings its progress up to date.
constexpr double pas_avancement_s = 0.5;

} // namespace optolink
