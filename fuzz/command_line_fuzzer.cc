// Fuzzes the Windows command-line splitter and what the program does with
// its result: every result is a list of arguments within the sizes the
// splitter promises, and joining them and naming the report never overruns
// the path buffers (AddressSanitizer watches every byte).
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "check.h"
#include "main/paths.h"
#include "platform/command_line.h"
#include "platform/path.h"


extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string line(reinterpret_cast<const char*>(data), size);
  line = line.substr(0, line.find('\0'));
  // Exactly the promised sizes, on the heap, so that any overrun is caught.
  std::vector<char> text(SplitTextSize(line.size()));
  std::vector<char*> args(SplitArgsSize(line.size()) + 1);
  int count = SplitCommandLine(line.c_str(), text.data(), args.data() + 1);
  CHECK(count >= 0 && static_cast<size_t>(count) <= SplitArgsSize(line.size()));

  // The arguments lie one after another in `text`, each terminated.
  const char* expected = text.data();
  for (int i = 1; i <= count; ++i) {
    CHECK(args[i] == expected);
    size_t length = strnlen(args[i], text.data() + text.size() - args[i]);
    CHECK(args[i] + length < text.data() + text.size());
    expected = args[i] + length + 1;
  }

  static char inputPath[kInputPathSize];
  static char outputPath[kOutputPathSize];
  char program[] = "sawtally.exe";
  args[0] = program;
  bool fits = JoinArguments(count + 1, args.data(), inputPath);
  size_t joined = count > 0 ? static_cast<size_t>(count - 1) : 0;
  for (int i = 1; i <= count; ++i)
    joined += strlen(args[i]);
  CHECK(fits == (joined < kInputPathSize));
  CHECK(strlen(inputPath) == (fits ? joined : kInputPathSize - 1));

  MakeOutputName(inputPath, outputPath);
  size_t outputLength = strlen(outputPath);
  CHECK(outputLength >= strlen(kReportSuffix) && outputLength < kOutputPathSize);
  CHECK(strcmp(outputPath + outputLength - strlen(kReportSuffix), kReportSuffix) == 0);
  CHECK(strncmp(outputPath, inputPath, outputLength - strlen(kReportSuffix)) == 0);
  // Only the file's own name loses its extension: the folders are kept whole.
  size_t folder = static_cast<size_t>(FinalComponent(inputPath) - inputPath);
  CHECK(outputLength - strlen(kReportSuffix) >= folder);
  return 0;
}
