#include "main/dialogue.h"

#include <string.h>

#include "platform/console.h"

const char kNoMatchNotice[] =
    "**********************************************************************\r\n"
    "*******************  NO MATCHING DIMENSIONS FOUND  *******************\r\n"
    "**********************************************************************\r\n\n";
const char kDoneLine[] =
    "*******************************  DONE  *******************************\r\n\n";

namespace {

const char kRevision[] = "REV. 2.0";

const char* const kUsage[] = {
    "'Sawtally' scans an ASCII file made by SketchUp's 'Cut List 4.1' Extension.\r\n",
    "It LABELS ALL LENGTH AND WIDTH DIMENSIONS THAT MATCH.\r\n\n",
    "The labels make it easy to plan cuts and use the same setup for all pieces\r\n",
    "with the same dimension.\r\n\n",
    "HOW TO USE SAWTALLY: \r\n",
    "  1. Open the Cut List v4.1 extension from SketchUp.\r\n",
    "  2. Ensure that the 'CSV' box is checked at 'Cutlist Output:'\r\n",
    "  3. Run Cut List. A window will open and announce the name of the CSV\r\n",
    "     file created in the same directory as the Cut List file.\r\n",
    "  4. Drag the new CSV filename and drop it on top of this file's icon.\r\n\n",
    "Sawtally will automatically generate a new file with a similar name in\r\n",
    "the same folder that includes ALPHANUMERIC LABELS to identify each \r\n",
    "matching dimension.\r\n\n",
};

}  // namespace

void ShowText(const char* text) { ConsoleWrite(text, strlen(text)); }

void ShowBanner() {
  ShowText("\r\n");
  ShowText("*****************  SAWTALLY - ");
  ShowText(kRevision);
  ShowText(" - 64 BITS  *****************\r\n");
  ShowText("                   Made for woodworkers by the Sawtally developers\r\n\n");
  ShowText("Scans text files from SketchUp Cutlist and identifies equal dimensions\r\n");
  ShowText("**********************************************************************\r\n\n");
}

void ShowUsage() {
  for (const char* line : kUsage)
    ShowText(line);
}

void WaitForKey() {
  ShowText("Press any key to exit ...");
  ConsoleWaitKey();
}

void ShowPath(const char* heading, const char* path) {
  ShowText(heading);
  ConsoleWritePath(path);
  ShowText("\r\n\n");
}

void ShowFileError(const char* message, const char* path) {
  ShowText("\r\n");
  ShowText(message);
  ShowText(" \"");
  ConsoleWritePath(path);
  ShowText("\"\r\n\n");
}
