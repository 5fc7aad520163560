// The fuzz targets' assertion: a failed check aborts, which libFuzzer
// reports as a finding with the input that caused it.
#ifndef SAWTALLY_FUZZ_CHECK_H_
#define SAWTALLY_FUZZ_CHECK_H_

#include <stdio.h>
#include <stdlib.h>

#define CHECK(condition)                                              \
  do {                                                                \
    if (!(condition)) {                                               \
      fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #condition); \
      abort();                                                        \
    }                                                                 \
  } while (0)

#endif  // SAWTALLY_FUZZ_CHECK_H_
