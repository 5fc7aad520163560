#include "platform/path.h"

const char kPathSeparator = '/';
