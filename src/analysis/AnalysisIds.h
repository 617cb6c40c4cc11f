// Control ids of the analysis dialogs.
#pragma once

// The flow analysis (template 133).
namespace PrzeplywIds {
enum : unsigned {
    IDC_SIDES_UNIT = 1077,  // one unit list for both sides, L and H
    IDC_AREA_UNIT = 1080,
    IDC_VELOCITY_UNIT = 1083,
    IDC_MASS_FLOW_UNIT = 1085,
    IDC_VOLUME_FLOW_UNIT = 1087,
    IDC_TIME_UNIT = 1090,
    IDC_MASS_UNIT = 1093,
    IDC_UNIT_LOSS_UNIT = 1096,
    IDC_COMPUTE_FLOW = 1097,
    IDC_COMPUTE_VELOCITY = 1099,
    IDC_COMPUTE_AREA = 1101,
    IDC_DUCT_LENGTH_UNIT = 1103,
    IDC_DN = 1104,
    IDC_LXH = 1105,
    IDC_F = 1106,
    IDC_LINEAR_LOSS_UNIT = 1107,
    IDC_SIDE_L = 1108,
    IDC_SIDE_H = 1109,
    IDC_AREA = 1110,
    IDC_DIAMETER = 1111,
    IDC_VOLUME_FLOW = 1112,
    IDC_MASS_FLOW = 1113,
    IDC_ZETA_SUM_UNIT = 1115,
    IDC_LOCAL_LOSS_UNIT = 1117,
    IDC_VELOCITY = 1118,
    IDC_DIAMETER_UNIT = 1120,
    IDC_TIME = 1123,
    IDC_MASS = 1126,
    IDC_UNIT_LOSS = 1129,
    IDC_ZETA_SUM = 1133,
    IDC_DUCT_LENGTH = 1135,
    IDC_LINEAR_LOSS = 1137,
    IDC_LOCAL_LOSS = 1140,
    IDC_SIZES = 1162,
    IDC_ROUGHNESS_SLIDER = 1163,
    IDC_ROUGHNESS_TEXT = 1164,
    IDC_REYNOLDS_TEXT = 1165,
    IDC_RADIUS_TEXT = 1166,
    IDC_FRICTION_TEXT = 1167,
    IDC_RELATIVE_TEXT = 1168,
    IDC_KV = 1213,
};
} // namespace PrzeplywIds

// The energy analysis (template 134).
namespace EnergiaIds {
enum : unsigned {
    IDC_HEAT_POWER_UNIT = 1089,
    IDC_FINAL_ENTHALPY_UNIT = 1092,
    IDC_TEMPERATURE_DIFF_UNIT = 1095,
    IDC_FINAL_TEMPERATURE_UNIT = 1098,
    IDC_TIME_UNIT = 1100,
    IDC_ENERGY_UNIT = 1102,
    IDC_HEAT_POWER = 1114,
    IDC_FINAL_ENTHALPY = 1116,
    IDC_TEMPERATURE_DIFF = 1119,
    IDC_FINAL_TEMPERATURE = 1121,
    IDC_COMPUTE_FLOW = 1141,
    IDC_COMPUTE_POWER = 1142,
    IDC_COMPUTE_ENTHALPY = 1143,
    IDC_ENTHALPY_DIFF = 1144,
    IDC_ENTHALPY_DIFF_UNIT = 1145,
    IDC_MASS_FLOW = 1146,
    IDC_MASS_FLOW_UNIT = 1147,
    IDC_TEMPERATURE_DIFF_LABEL = 1160,
    IDC_FINAL_TEMPERATURE_LABEL = 1161,
    IDC_TIME = 1173,
    IDC_ENERGY = 1174,
};
} // namespace EnergiaIds

// The choice of the mass stream (template 135).
namespace RoznicaIds {
enum : unsigned {
    IDC_INITIAL_STREAM = 1149,
    IDC_FINAL_STREAM = 1150,
    IDC_STREAM_DIFFERENCE = 1151,
};
} // namespace RoznicaIds

// The duct shape (template 136).
namespace KsztaltIds {
enum : unsigned {
    IDC_ROUND = 1169,
    IDC_RECTANGULAR = 1170,
    IDC_PROPORTION = 1171,
    IDC_PROPORTION_LABEL = 1172,
};
} // namespace KsztaltIds

// The Kv conversion (template 210).
namespace KvIds {
enum : unsigned {
    IDC_KV = 1214,
    IDC_ZETA = 1215,
    IDC_DENSITY_TEXT = 1216,
};
} // namespace KvIds
