// Control ids of the medium pages. The property tables name the ids of
// their fields, so the ids live beside them, outside any widget code.
#pragma once

// Every medium page: the accuracy notes under the properties. No template
// has them, so the id lies above every template's ids.
namespace MediumIds {
enum : unsigned {
    IDC_ACCURACY_NOTES = 1300,
};
} // namespace MediumIds

// The water page (template 130).
namespace WodaIds {
enum : unsigned {
    IDC_DENSITY = 1008,
    IDC_DENSITY_UNIT = 1009,
    IDC_EXPANSION = 1010,
    IDC_EXPANSION_UNIT = 1011,
    IDC_SPECIFIC_HEAT = 1012,
    IDC_SPECIFIC_HEAT_UNIT = 1013,
    IDC_CONDUCTIVITY = 1016,
    IDC_CONDUCTIVITY_UNIT = 1018,
    IDC_SURFACE_TENSION = 1026,
    IDC_SURFACE_TENSION_UNIT = 1027,
    IDC_PRANDTL = 1028,
    IDC_PRANDTL_UNIT = 1029,
    IDC_PROPERTIES = 1033,
    IDC_TEMPERATURE = 1064,
    IDC_TEMPERATURE_UNIT = 1065,
    IDC_ENTHALPY = 1066,
    IDC_ENTHALPY_UNIT = 1067,
    IDC_DYNAMIC_VISCOSITY = 1068,
    IDC_DYNAMIC_VISCOSITY_UNIT = 1069,
    IDC_KINEMATIC_VISCOSITY = 1070,
    IDC_KINEMATIC_VISCOSITY_UNIT = 1071,
    IDC_PRESSURE = 1073,
    IDC_PRESSURE_UNIT = 1075,
    IDC_MASS_FLOW = 1078,
    IDC_MASS_FLOW_UNIT = 1081,
    IDC_FLOW = 1122,
    IDC_STORE_INITIAL = 1125,
    IDC_STORE_FINAL = 1128,
    IDC_ENERGY = 1131,
    IDC_INITIAL_TEXT = 1134,
    IDC_FINAL_TEXT = 1136,
    IDC_PARAMETERS = 1138,
};
} // namespace WodaIds

// The steam page (template 131).
namespace ParaIds {
enum : unsigned {
    IDC_DYNAMIC_VISCOSITY = 1020,
    IDC_DYNAMIC_VISCOSITY_UNIT = 1022,
    IDC_SATURATED = 1035,
    IDC_SUPERHEATED = 1037,
    IDC_DRYNESS = 1040,
    IDC_DRYNESS_UNIT = 1042,
    IDC_MASS_FLOW = 1045,
    IDC_MASS_FLOW_UNIT = 1047,
    IDC_WET = 1048,
    IDC_STEAM_VOLUME = 1049,
    IDC_STEAM_VOLUME_UNIT = 1050,
    IDC_WATER_VOLUME = 1051,
    IDC_WATER_VOLUME_UNIT = 1052,
    IDC_HEAT_OF_VAPORISATION = 1053,
    IDC_HEAT_OF_VAPORISATION_UNIT = 1054,
    IDC_DRYNESS_LABEL = 1055,
    IDC_MASS_FLOW_LABEL = 1057,
    IDC_WATER_VOLUME_LABEL = 1059,
    IDC_HEAT_OF_VAPORISATION_LABEL = 1060,
    IDC_TEMPERATURE = 1072,
    IDC_TEMPERATURE_UNIT = 1074,
    IDC_PRESSURE = 1076,
    IDC_PRESSURE_UNIT = 1079,
    IDC_ENTHALPY = 1082,
    IDC_ENTHALPY_UNIT = 1084,
    IDC_KINEMATIC_VISCOSITY = 1086,
    IDC_KINEMATIC_VISCOSITY_UNIT = 1088,
    IDC_PROPERTIES = 1091,
    IDC_PARAMETERS = 1094,
    IDC_FLOW = 1124,
    IDC_STORE_FINAL = 1132,
    IDC_ENERGY = 1139,
    IDC_INITIAL_TEXT = 1152,
    IDC_FINAL_TEXT = 1153,
    IDC_STORE_INITIAL = 1154,
};
} // namespace ParaIds

// The humid-air page (template 132).
namespace PowietrzeIds {
enum : unsigned {
    IDC_ENTHALPY = 1014,
    IDC_ENTHALPY_UNIT = 1015,
    IDC_MOISTURE = 1017,
    IDC_MOISTURE_UNIT = 1019,
    IDC_SPECIFIC_VOLUME = 1021,
    IDC_SPECIFIC_VOLUME_UNIT = 1023,
    IDC_KINEMATIC_VISCOSITY = 1024,
    IDC_KINEMATIC_VISCOSITY_UNIT = 1025,
    IDC_TEMPERATURE = 1030,
    IDC_TEMPERATURE_UNIT = 1031,
    IDC_VAPOUR_PRESSURE = 1032,
    IDC_HUMIDITY_UNIT = 1034,
    IDC_DEW_POINT = 1036,
    IDC_WET_BULB = 1038,
    IDC_VAPOUR_PRESSURE_UNIT = 1039,
    IDC_DEW_POINT_UNIT = 1041,
    IDC_WET_BULB_UNIT = 1043,
    IDC_DYNAMIC_VISCOSITY = 1044,
    IDC_MASS_FLOW_UNIT = 1046,
    IDC_PARAMETERS = 1056,
    IDC_PROPERTIES = 1058,
    IDC_HUMIDITY = 1061,
    IDC_MASS_FLOW = 1062,
    IDC_DYNAMIC_VISCOSITY_UNIT = 1063,
    IDC_FLOW = 1127,
    IDC_INITIAL_TEXT = 1155,
    IDC_FINAL_TEXT = 1156,
    IDC_STORE_INITIAL = 1157,
    IDC_STORE_FINAL = 1158,
    IDC_ENERGY = 1159,
    IDC_BAROMETER = 1175,
    IDC_BAROMETER_TEXT = 1176,
    IDC_HUMIDITY_MODE = 1243,
    IDC_MOISTURE_MODE = 1244,
    // The h-x chart's button: no template has it, so its id lies above
    // every template's ids, beside the accuracy notes.
    IDC_CHART = 1310,
};
} // namespace PowietrzeIds

// The h-x chart window that the humid-air page opens. No template has it;
// its help ids take the window number below, one past the templates'.
namespace WykresHxIds {
enum : unsigned {
    IDD_CHART = 139,
    IDC_PLOT = 1311,
    IDC_STATUS = 1312,
    IDC_SAVE = 1313,
    IDC_COPY = 1314,
};
} // namespace WykresHxIds
