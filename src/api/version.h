// The library's version, set once by the build from the project's version.
#pragma once

#include <cstdint>

#if !defined(TAVRIX_VERSION_MAJOR) || !defined(TAVRIX_VERSION_MINOR) || !defined(TAVRIX_VERSION_PATCH)
#error "the build defines the library version"
#endif

namespace tavrix {

#define TAVRIX_STRINGIFY_(x) #x
#define TAVRIX_STRINGIFY(x) TAVRIX_STRINGIFY_(x)

inline constexpr int32_t kVersionMajor = TAVRIX_VERSION_MAJOR;
inline constexpr int32_t kVersionMinor = TAVRIX_VERSION_MINOR;
inline constexpr int32_t kVersionBuild = TAVRIX_VERSION_PATCH;
// "v." followed by major.minor.build.
inline constexpr const char* kVersionText =
    "v." TAVRIX_STRINGIFY(TAVRIX_VERSION_MAJOR) "." TAVRIX_STRINGIFY(TAVRIX_VERSION_MINOR) "." TAVRIX_STRINGIFY(
        TAVRIX_VERSION_PATCH);

}  // namespace tavrix
