#include "platform/path.h"

#include <string.h>

const char* FinalComponent(const char* path) {
  const char* separator = strrchr(path, kPathSeparator);
  return separator != nullptr ? separator + 1 : path;
}
