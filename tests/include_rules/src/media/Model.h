#pragma once
#include "units/Widget.h"
