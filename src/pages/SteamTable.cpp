#include "pages/SteamTable.h"

const char* SteamRegimeName(int regime)
{
    switch (regime) {
    case CPara::kWet: return "Para nasycona mokra";
    case CPara::kSaturated: return "Para nasycona";
    default: return "Para przegrzana";
    }
}
