// A core source that reaches a widget header.
#include "media/Model.h"
