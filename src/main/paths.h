// The input path from the command line and the report path made from it.
#ifndef SAWTALLY_MAIN_PATHS_H_
#define SAWTALLY_MAIN_PATHS_H_

/// What the report's name puts in place of the input's extension.
extern const char kReportSuffix[];

/// Joins argv[1] to argv[argc-1] with single spaces into `inputPath`
/// (kInputPathSize bytes), rebuilding a path with spaces that arrived in
/// pieces. Returns false when they do not fit; `inputPath` then holds as
/// much of them as fits.
bool JoinArguments(int argc, char** argv, char* inputPath);

/// Makes the report's path (kOutputPathSize bytes): `inputPath` without the
/// extension of its file name, then "_MATCHED.txt". A dot in a folder name
/// is no extension, so the report always lands beside the input.
void MakeOutputName(const char* inputPath, char* outputPath);

#endif  // SAWTALLY_MAIN_PATHS_H_
