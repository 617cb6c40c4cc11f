// Clean: standard and domain headers only.
#include <string>
#include "base/Text.h"
