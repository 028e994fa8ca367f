#include "tweaker/ui/help_ids.h"

namespace vdx {

namespace {

// (control id, context id), ending in 0.
constexpr uint16_t kHelpIdTable[] = {
    3,    3,    4,    4,    1001, 1001, 1002, 1002, 1003, 1003, 1004, 1004, 1005, 1005, 1006, 1006,
    1007, 1007, 1008, 1008, 1010, 1010, 1011, 1011, 1012, 1012, 1014, 1014, 1016, 1016, 1017, 1017,
    1018, 1018, 1022, 1022, 1024, 1024, 1026, 1026, 1028, 1028, 1030, 1030, 1034, 1034, 1035, 1035,
    1038, 1038, 1042, 1042, 1043, 1043, 1044, 1044, 1045, 1045, 1050, 1050, 1051, 1051, 1052, 1052,
    1054, 1054, 1056, 1056, 1060, 1060, 1062, 1062, 1064, 1064, 1066, 1066, 1068, 1068, 1069, 1069,
    1070, 1070, 1072, 1072, 1074, 1074, 1076, 1076, 1077, 1077, 1078, 1078, 1080, 1080, 1082, 1082,
    1090, 1090, 1092, 1092, 1094, 1094, 1202, 1202, 1206, 1206, 1210, 1210, 1216, 1216, 1224, 1224,
    1225, 1225, 1226, 1226, 1227, 1227, 1232, 1232, 1233, 1233, 1259, 1259, 1262, 1262, 1266, 1266,
    1275, 1275, 1276, 1276, 1277, 1277, 1278, 1278, 1281, 1281, 1282, 1282, 1283, 1283, 1284, 1284,
    1285, 1285, 1286, 1286, 1287, 1287, 1288, 1288, 1289, 1289, 1290, 1290, 1291, 1291, 1292, 1292,
    1293, 1293, 1294, 1294, 1296, 1296, 1299, 1299, 1301, 1301, 1302, 1302, 1303, 1303, 1304, 1304,
    1305, 1305, 0};

constexpr std::size_t kPairs = (sizeof kHelpIdTable / sizeof kHelpIdTable[0] - 1) / 2;
static_assert(kPairs * 2 + 1 <= kHelpIdCapacity, "widened help table must fit its buffer");

constexpr std::array<uint16_t, kPairs> controlIds() {
  std::array<uint16_t, kPairs> ids{};
  for (std::size_t i = 0; i < kPairs; ++i) ids[i] = kHelpIdTable[2 * i];
  return ids;
}

// Widened up to and with the terminating 0.
constexpr std::array<uint32_t, kHelpIdCapacity> widened() {
  std::array<uint32_t, kHelpIdCapacity> t{};
  for (std::size_t i = 0; i < kHelpIdCapacity; ++i) {
    t[i] = kHelpIdTable[i];
    if (kHelpIdTable[i] == 0) break;
  }
  return t;
}

constexpr std::array<uint16_t, kPairs> kControlIds = controlIds();
constexpr std::array<uint32_t, kHelpIdCapacity> kWidenedTable = widened();

}  // namespace

const uint16_t* helpControlIds(std::size_t* count) {
  *count = kPairs;
  return kControlIds.data();
}

const std::array<uint32_t, kHelpIdCapacity>& widenedHelpIdTable() { return kWidenedTable; }

}  // namespace vdx
