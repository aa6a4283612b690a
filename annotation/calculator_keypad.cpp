#include "annotation/calculator_keypad.h"

#include <array>

namespace zv::annot {
namespace {

using enum KeyAction;

// Columns x = 1, 23, 45 hold functions; 69, 91, 113 digits, operators and
// brackets; 135 the editing keys and the last operators. Rows every 15 units
// from y = 61, and a last row at y = 152.
constexpr std::array<CalculatorKey, 44> kKeys{{
    {"sin", 1212, 1, 61, 21, kInsertFunction, "sin"},
    {"asin", 1203, 23, 61, 21, kInsertFunction, "asin"},
    {"sinh", 1225, 45, 61, 21, kInsertFunction, "sinh"},
    {"7", 1226, 69, 61, 21, kInsert, "7"},
    {"8", 1231, 91, 61, 21, kInsert, "8"},
    {"9", 1216, 113, 61, 21, kInsert, "9"},
    {"AC", 1210, 135, 61, 21, kClearAll, ""},

    {"cos", 1213, 1, 76, 21, kInsertFunction, "cos"},
    {"acos", 1202, 23, 76, 21, kInsertFunction, "acos"},
    {"cosh", 1206, 45, 76, 21, kInsertFunction, "cosh"},
    {"4", 1227, 69, 76, 21, kInsert, "4"},
    {"5", 1232, 91, 76, 21, kInsert, "5"},
    {"6", 1217, 113, 76, 21, kInsert, "6"},
    {"DEL", 1211, 135, 76, 21, kDeleteBeforeCaret, ""},

    {"tan", 1214, 1, 91, 21, kInsertFunction, "tan"},
    {"atan", 1204, 23, 91, 21, kInsertFunction, "atan"},
    {"tanh", 1235, 45, 91, 21, kInsertFunction, "tanh"},
    {"1", 1228, 69, 91, 21, kInsert, "1"},
    {"2", 1233, 91, 91, 21, kInsert, "2"},
    {"3", 1218, 113, 91, 21, kInsert, "3"},
    {",", 1180, 135, 91, 21, kInsert, ","},

    {"cot", 1215, 1, 106, 21, kInsertFunction, "cot"},
    {"acot", 1205, 23, 106, 21, kInsertFunction, "acot"},
    {"pow", 1220, 45, 106, 21, kInsertFunction, "pow"},
    {"0", 1229, 69, 106, 21, kInsert, "0"},
    {".", 1234, 91, 106, 21, kInsert, "."},
    {"＋", 1155, 113, 106, 21, kInsert, "+"},
    {"－", 1207, 135, 106, 21, kInsert, "-"},

    {"exp", 1219, 1, 121, 21, kInsertFunction, "exp"},
    {"abs", 1179, 23, 121, 21, kInsertFunction, "abs"},
    {"mod", 1222, 45, 121, 21, kInsertFunction, "mod"},
    {"(", 1236, 69, 121, 21, kInsert, "("},
    {")", 1237, 91, 121, 21, kInsert, ")"},
    {"×", 1208, 113, 121, 21, kInsert, "*"},
    {"/", 1209, 135, 121, 21, kInsert, "/"},

    {"sqrt", 1230, 1, 136, 21, kInsertFunction, "sqrt"},
    {"log", 1224, 23, 136, 21, kInsertFunction, "log"},
    {"ln", 1223, 45, 136, 21, kInsertFunction, "ln"},
    {"[", 1240, 69, 136, 21, kInsert, "["},
    {"]", 1241, 91, 136, 21, kInsert, "]"},
    {"{", 1239, 113, 136, 21, kInsert, "{"},
    {"}", 1242, 135, 136, 21, kInsert, "}"},

    {"floor", 1221, 1, 152, 65, kInsertFunction, "floor"},
    {"=", 1, 69, 152, 87, kEvaluate, ""},
}};

}  // namespace

std::span<const CalculatorKey> CalculatorKeys() { return kKeys; }

}  // namespace zv::annot
