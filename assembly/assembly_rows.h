// The seventeen component rows of the assembly page, top to bottom, and the order the HTML form
// lists them in.
#pragma once

#include <cstddef>

// One row: the label on the page, the control ids of its model box, second-hand box, new-price box,
// "选择" and "搜索" buttons, the shop category (parent_id) its picker lists, the word searched when
// the model box is empty, and the row's labels in the text form and in the HTML form.
struct AssemblyRow {
  const char* pageLabel;
  int modelId;
  int secondHandId;
  int newPriceId;
  int chooseId;
  int searchId;
  int categoryId;
  const char* searchWord;
  const char* textLabel;
  const char* htmlLabel;
};

// Some labels end in a full-width colon, some in an ASCII one: the page shows them as they are.
// The box ids are not in row order (row 8's second-hand box is 1032); they are the page's own.
inline constexpr AssemblyRow kAssemblyRows[] = {
    {"处理器：", 1001, 1018, 1036, 1054, 1070, 18, "CPU", "CPU", "处理器"},
    {"主板：", 1004, 1019, 1037, 1055, 1072, 19, "电脑主板", "主板", "主板"},
    {"内存：", 1002, 1020, 1038, 1056, 1074, 22, "电脑内存条", "内存", "内存"},
    {"硬盘：", 1003, 1021, 1039, 1057, 1076, 26, "电脑硬盘", "硬盘", "硬盘"},
    {"显卡：", 1006, 1022, 1040, 1058, 1078, 62, "显示卡", "显卡", "显卡"},
    {"显示器:", 1005, 1023, 1041, 1059, 1080, 36, "显示器", "显示器", "显示器"},
    {"光驱:", 1007, 1024, 1042, 1060, 1082, 45, "电脑光驱", "光驱", "光驱"},
    {"电源:", 1008, 1032, 1047, 1061, 1084, 42, "电脑电源", "电源", "电源"},
    {"机箱：", 1009, 1026, 1045, 1062, 1086, 31, "电脑机箱", "机箱", "机箱"},
    {"键鼠套装:", 1014, 1025, 1044, 1063, 1088, 50, "键鼠套装", "鼠标键盘", "鼠标键盘"},
    {"摄像头:", 1011, 1029, 1049, 1067, 1092, 65, "摄像头", "摄像头", "摄像头"},
    {"耳机：", 1013, 1028, 1048, 1065, 1090, 70, "耳机", "耳机", "耳机"},
    {"音箱:", 1012, 1031, 1043, 1066, 1091, 66, "音箱", "音箱", "音箱"},
    {"风扇：", 1010, 1030, 1050, 1068, 1093, 73, "CPU风扇", "风扇", "风扇"},
    {"声卡：", 1017, 1034, 1052, 1100, 1101, 266, "声卡", "声卡", "声卡"},
    {"网卡：", 1016, 1033, 1051, 1103, 1104, 253, "网卡", "网卡", "网卡"},
    {"其它：", 1015, 1027, 1046, 1064, 1089, 0, "电脑", "其它", "其它"},  // no shop category
};

inline constexpr size_t kAssemblyRowCount = sizeof kAssemblyRows / sizeof kAssemblyRows[0];

// The HTML form's order, as indices into kAssemblyRows: memory comes before the mainboard there,
// unlike on the page and in the text form.
inline constexpr size_t kHtmlRowOrder[kAssemblyRowCount] = {0, 2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

// The column controls the two price check boxes show and hide: the row boxes, the total box and
// the header of each column.
inline constexpr int kSecondHandTotalId = 1035;
inline constexpr int kSecondHandHeaderId = 1095;
inline constexpr int kNewPriceTotalId = 1053;
inline constexpr int kNewPriceHeaderId = 1096;
