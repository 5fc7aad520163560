// Sawtally: labels the lengths and widths that a cut list repeats, so that
// all pieces sharing a saw setup can be cut together.
#include <stdio.h>

#include "cutlist/cutlist.h"
#include "main/dialogue.h"
#include "main/paths.h"
#include "matcher/matcher.h"
#include "platform/command_line.h"
#include "platform/files.h"
#include "platform/text_file.h"
#include "report/report.h"

namespace {

/// How a run ends, as the process's exit status. 4 is never used.
enum ExitCode {
  kExitDone = 0,
  kExitCannotOpenInput = 1,  // also when the input cannot be read
  kExitCannotOpenReport = 2,
  kExitUsage = 3,
  kExitTooManyRows = 5,
  kExitCannotWriteReport = 6,
  kExitNotACutList = 7,
};

// Everything a run works on, in fixed-size static storage, held to the end.
DimensionTable table;
char inputPath[kInputPathSize];
char outputPath[kOutputPathSize];
ReportFile report;
TextReader reader;
TextWriter writer;

// Every run ends here, after a key press, so the window stays readable.
int EndRun(ExitCode code) {
  WaitForKey();
  return code;
}

int FileError(const char* message, const char* path, ExitCode code) {
  ShowFileError(message, path);
  return EndRun(code);
}

// Ends a run whose reading stopped before the report could be written.
int ReadingFailed(CutListResult result) {
  DiscardReportFile(&report);
  if (result == kCutListReadFailed)
    return FileError("Cannot read file", inputPath, kExitCannotOpenInput);
  if (result == kCutListNoSection) {
    ShowText("NO CUT LIST SECTION FOUND\r\n\n");
    return EndRun(kExitNotACutList);
  }
  ShowText("TOO MANY DIMENSION ROWS\r\n\n");
  return EndRun(kExitTooManyRows);
}

// Labels the table and writes the report; it replaces an earlier report only
// once it is complete on disk.
int WriteReport() {
  OpenTextWriter(&writer, report.file);
  WriteReportTitle(&writer);
  if (!FindMatches(table.lengths, table.lengthLabels, table.widths,
                   table.widthLabels, table.rowCount))
    ShowText(kNoMatchNotice);
  WriteReportBody(&writer, outputPath, &table);
  if (!FlushTextWriter(&writer)) {
    DiscardReportFile(&report);
    return FileError("Cannot write file", outputPath, kExitCannotWriteReport);
  }
  if (!CommitReportFile(&report))
    return FileError("Cannot write file", outputPath, kExitCannotWriteReport);
  ShowText("\n\r");
  ShowText(kDoneLine);
  return EndRun(kExitDone);
}

int Run(int argc, char** argv) {
  InitDimensionTable(&table);
  ShowBanner();
  if (argc < 2) {
    ShowUsage();
    return EndRun(kExitUsage);
  }
  bool pathFits = JoinArguments(argc, argv, inputPath);
  ShowPath("INPUT FILE:\r\n", inputPath);
  MakeOutputName(inputPath, outputPath);
  ShowPath("OUTPUT FILE:\r\n", outputPath);
  FILE* input = pathFits ? OpenInputFile(inputPath) : nullptr;
  if (input == nullptr)
    return FileError("Cannot open file", inputPath, kExitCannotOpenInput);
  if (!CreateReportFile(outputPath, &report)) {
    fclose(input);
    return FileError("Cannot open file", outputPath, kExitCannotOpenReport);
  }
  OpenTextReader(&reader, input);
  CutListResult result = ReadCutList(&reader, &table);
  fclose(input);
  return result == kCutListRead ? WriteReport() : ReadingFailed(result);
}

}  // namespace

int main(int argc, char** argv) {
  GetArguments(&argc, &argv);
  return Run(argc, argv);
}
