// Paths as this platform spells them.
#ifndef SAWTALLY_PLATFORM_PATH_H_
#define SAWTALLY_PLATFORM_PATH_H_

/// The byte that separates folders in a path: '\\' on Windows, '/' elsewhere.
extern const char kPathSeparator;

/// Returns the part of `path` after its last separator: the file's own name,
/// or the whole path when it has no separator.
const char* FinalComponent(const char* path);

#endif  // SAWTALLY_PLATFORM_PATH_H_
