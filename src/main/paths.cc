#include "main/paths.h"

#include <string.h>

#include "platform/path.h"

const char kReportSuffix[] = "_MATCHED.txt";

// Appends `size` bytes of `text` to the path, as many as fit with its
// terminator; returns false when not all of them did.
static bool Append(char* path, size_t* used, const char* text, size_t size) {
  size_t room = kInputPathSize - 1 - *used;
  size_t take = size < room ? size : room;
  memcpy(path + *used, text, take);
  *used += take;
  path[*used] = '\0';
  return take == size;
}

bool JoinArguments(int argc, char** argv, char* inputPath) {
  size_t used = 0;
  inputPath[0] = '\0';
  for (int i = 1; i < argc; ++i) {
    if (i > 1 && !Append(inputPath, &used, " ", 1))
      return false;
    if (!Append(inputPath, &used, argv[i], strlen(argv[i])))
      return false;
  }
  return true;
}

void MakeOutputName(const char* inputPath, char* outputPath) {
  size_t size = strlen(inputPath);
  const char* dot = strrchr(FinalComponent(inputPath), '.');
  if (dot != nullptr)
    size = static_cast<size_t>(dot - inputPath);
  memcpy(outputPath, inputPath, size);
  memcpy(outputPath + size, kReportSuffix, sizeof kReportSuffix);
}
