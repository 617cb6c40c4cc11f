// Control ids of the calculator page (template 137). The tape names the
// buttons it wants flashed by these ids, so they live in the core.
#pragma once

inline constexpr int kIdKalkTemplate = 137;
inline constexpr int kIdKalkAccelerators = 138;

inline constexpr int kIdTapeList = 1177;
inline constexpr int kIdPi = 1178;
inline constexpr int kIdDigit0 = 1179; // digits 0..9 are 1179..1188
inline constexpr int kIdDigit9 = 1188;
inline constexpr int kIdSign = 1189;
inline constexpr int kIdDivide = 1190;
inline constexpr int kIdMultiply = 1191;
inline constexpr int kIdSubtract = 1192;
inline constexpr int kIdAdd = 1193;
inline constexpr int kIdResult = 1194;
inline constexpr int kIdSeparator = 1195;
inline constexpr int kIdExp = 1196;
inline constexpr int kIdClear = 1197;
inline constexpr int kIdBackspace = 1198;
inline constexpr int kIdClearAll = 1199;
inline constexpr int kIdCopy = 1200;
inline constexpr int kIdPaste = 1201;
inline constexpr int kIdInfo = 1202;
inline constexpr int kIdExponentY = 1203;
inline constexpr int kIdDeg = 1204;
inline constexpr int kIdRad = 1205;
inline constexpr int kIdGrad = 1206;
inline constexpr int kIdDecimals = 1207;
inline constexpr int kIdDecimalsSpin = 1208;
inline constexpr int kIdQuantity = 1209;
inline constexpr int kIdUnitA = 1210;
inline constexpr int kIdUnitB = 1211;
inline constexpr int kIdFix = 1212;
inline constexpr int kIdCloseBracket = 1217;
inline constexpr int kIdFunction0 = 1218; // function n is 1218 + n, up to 1242
inline constexpr int kIdFunction24 = 1242;
