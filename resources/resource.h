// Resource ids of hwdex.exe, with the numbers the program fixes: one block per dialog.
#ifndef HWDEX_RESOURCE_H
#define HWDEX_RESOURCE_H

// The program's icon (the main window's large icon) and its blank page (type HTML, content "\r\n").
#define IDI_HWDEX 105
#define IDR_BLANK_PAGE 1221

// Labels that no code reads.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Main window, dialog 101.
#define IDD_MAIN 101
#define IDC_TABS 1000
#define IDC_STATUS_BAR 156

// Assembly page, dialog 102.
#define IDD_ASSEMBLY_PAGE 102
#define IDC_UPLOAD_ASSEMBLY 1215
#define IDC_ASSEMBLY_PICTURE 1219
#define IDC_COPY_ASSEMBLY 1221
#define IDC_SAVE_ASSEMBLY 1222
// Its headers, totals and price check boxes; the ids of the seventeen rows' boxes and buttons are
// those of the row table (assembly/assembly_rows.h).
#define IDC_TYPE_HEADER 1232
#define IDC_MODEL_HEADER 1233
#define IDC_SECOND_HAND_HEADER 1095
#define IDC_NEW_PRICE_HEADER 1096
#define IDC_TOTAL_LABEL 1234
#define IDC_SECOND_HAND_TOTAL 1035
#define IDC_NEW_PRICE_TOTAL 1053
#define IDC_SHOW_SECOND_HAND 1223
#define IDC_SHOW_NEW_PRICE 1224

// Summary page "本机概况", dialog 103.
#define IDD_SUMMARY_PAGE 103
#define IDC_UPLOAD_MACHINE 1208
#define IDC_RESCAN 1209
#define IDC_MACHINE_PICTURE 1216

// Detail page "详细参数", dialog 104.
#define IDD_DETAIL_PAGE 104
#define IDC_DETAIL_WAIT 1240

// Part picker "选择配件", dialog 107.
#define IDD_PART_PICKER 107
#define IDC_PICKER_GOODS 1085
#define IDC_PICKER_BRANDS 1087
#define IDC_PICKER_MODEL 1098
#define IDC_PICKER_FIND 1099
#define IDC_PICKER_DONE 1083
#define IDC_PICKER_NEXT 1217
#define IDC_PICKER_PREVIOUS 1218

// Machine upload "上传本机配置", dialog 106.
#define IDD_UPLOAD_MACHINE 106
#define IDC_MACHINE_UPLOAD_TYPE 1073
#define IDC_MACHINE_UPLOAD_TITLE 1075
#define IDC_MACHINE_UPLOAD_SEND 1077
#define IDC_MACHINE_UPLOAD_CLOSE 1079
#define IDC_MACHINE_UPLOAD_DESCRIPTION 1081
#define IDC_NO_UPLOAD_PROMPT 1229

// Assembly upload "上传你的组装配置", dialog 1220.
#define IDD_UPLOAD_ASSEMBLY 1220
#define IDC_ASSEMBLY_UPLOAD_TYPE 1210
#define IDC_ASSEMBLY_UPLOAD_TITLE 1211
#define IDC_ASSEMBLY_UPLOAD_DESCRIPTION 1212
#define IDC_ASSEMBLY_UPLOAD_SEND 1213
#define IDC_ASSEMBLY_UPLOAD_CLOSE 1214

#endif
