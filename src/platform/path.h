// Paths as this platform spells them.
#ifndef SAWTALLY_PLATFORM_PATH_H_
#define SAWTALLY_PLATFORM_PATH_H_

#include <stddef.h>

/// Room for the input path, the command-line arguments joined; Windows paths
/// are at most 32,767 characters.
constexpr size_t kInputPathSize = 32768;
/// Room for the report's path: the input path and a suffix always fit.
constexpr size_t kOutputPathSize = 2 * kInputPathSize;

/// The byte that separates folders in a path: '\\' on Windows, '/' elsewhere.
extern const char kPathSeparator;

/// Returns the part of `path` after its last separator: the file's own name,
/// or the whole path when it has no separator.
const char* FinalComponent(const char* path);

#endif  // SAWTALLY_PLATFORM_PATH_H_
