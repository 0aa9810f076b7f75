#pragma once

// Resource, command and control ids of the program's dialogs.

namespace zandrel {

// Dialog templates.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_MAIN = 101;
inline constexpr int IDD_SPLASH = 134;
inline constexpr int IDD_QUERY = 153;
inline constexpr int IDD_LOG = 155;
inline constexpr int IDD_HEXAGRAM_TEXT = 156;
inline constexpr int IDD_MANAGE_TEXT = 157;
inline constexpr int IDD_TRADITIONAL = 158;
inline constexpr int IDD_COUNT_CAST = 159;
inline constexpr int IDD_READING_DETAILS = 160;
inline constexpr int IDD_CASE_BOOK = 161;

// The program icon, with a 32 x 32 and a 16 x 16 image.
inline constexpr int IDR_MAINFRAME = 128;

// The system menu's own commands.
inline constexpr int IDM_ABOUTBOX = 16;
inline constexpr int IDM_TRADITIONAL = 32;
inline constexpr int IDM_COUNT_CAST = 48;
inline constexpr int IDM_READING_DETAILS = 64;
inline constexpr int IDM_CASE_BOOK = 80;

// Main window.
inline constexpr int IDC_OUTER_ELEMENT = 1011;
inline constexpr int IDC_OUTER_SMALL = 1012;
inline constexpr int IDC_OUTER_ROLE = 1013;
inline constexpr int IDC_INNER_ELEMENT = 1014;
inline constexpr int IDC_INNER_SMALL = 1015;
inline constexpr int IDC_INNER_ROLE = 1016;
inline constexpr int IDC_NUCLEAR_UPPER_ELEMENT = 1017;
inline constexpr int IDC_NUCLEAR_UPPER_SMALL = 1018;
inline constexpr int IDC_NUCLEAR_LOWER_SMALL = 1019;
inline constexpr int IDC_NUCLEAR_LOWER_ELEMENT = 1020;
inline constexpr int IDC_FINAL_OUTER_ELEMENT = 1021;
inline constexpr int IDC_FINAL_OUTER_SMALL = 1022;
inline constexpr int IDC_FINAL_INNER_ELEMENT = 1023;
inline constexpr int IDC_FINAL_INNER_SMALL = 1024;
inline constexpr int IDC_ORIGINAL_NUMBER = 1027;
inline constexpr int IDC_FINAL_NUMBER = 1028;
inline constexpr int IDC_OUTER_TRIGRAM = 1091;
inline constexpr int IDC_INNER_TRIGRAM = 1092;
inline constexpr int IDC_CHANGE_LINE = 1093;
inline constexpr int IDC_YEAR = 1094;
inline constexpr int IDC_MONTH = 1095;
inline constexpr int IDC_DAY = 1096;
inline constexpr int IDC_PERIOD = 1097;
inline constexpr int IDC_OUTER_IMAGE = 1098;
inline constexpr int IDC_INNER_IMAGE = 1099;
inline constexpr int IDC_LINE1 = 1100; // the bottom line's marker; IDC_LINE1 + k - 1 for line k
inline constexpr int IDC_LINE2 = 1101;
inline constexpr int IDC_LINE3 = 1102;
inline constexpr int IDC_LINE4 = 1103;
inline constexpr int IDC_LINE5 = 1104;
inline constexpr int IDC_LINE6 = 1105;
inline constexpr int IDC_RUN = 1106;
inline constexpr int IDC_HEXAGRAM_TEXT = 1107;
inline constexpr int IDC_CHANGE_LINE_NUMBER = 1108;
inline constexpr int IDC_VIEW_LOG = 1110;
inline constexpr int IDC_DELETE_LOG = 1111;
inline constexpr int IDC_VIEW_TEXT = 1112;
inline constexpr int IDC_MANAGE_TEXT = 1113;

// Question dialog.
inline constexpr int IDC_QUESTION = 1109;

// Log viewer.
inline constexpr int IDC_LOG_TEXT = 1115;

// Hexagram text browser: the text box is IDC_HEXAGRAM_TEXT, and the button of hexagram n is
// IDC_HEXAGRAM1 + n - 1.
inline constexpr int IDC_HEXAGRAM1 = 1117;
inline constexpr int IDC_HEXAGRAM64 = 1180;

// Custom text editor.
inline constexpr int IDC_CUSTOM_TITLE = 1133;
inline constexpr int IDC_CUSTOM_MAIN = 1134;
inline constexpr int IDC_CUSTOM_LINE1 = 1135; // line k's box is IDC_CUSTOM_LINE1 + k - 1
inline constexpr int IDC_CUSTOM_LINE2 = 1136;
inline constexpr int IDC_CUSTOM_LINE3 = 1137;
inline constexpr int IDC_CUSTOM_LINE4 = 1138;
inline constexpr int IDC_CUSTOM_LINE5 = 1139;
inline constexpr int IDC_CUSTOM_LINE6 = 1140;
inline constexpr int IDC_CUSTOM_HEXAGRAM = 1141;
inline constexpr int IDC_UPDATE_TEXT = 1142;
inline constexpr int IDC_RESTORE_TEXT = 1143;
inline constexpr int IDC_RESTORE_ALL_TEXT = 1144;

// About box and splash: the program's name and version.
inline constexpr int IDC_VERSION = 1184;

// Traditional time query: the civil date and clock time typed, and the lunar date they give.
inline constexpr int IDC_CIVIL_DATE = 1181;
inline constexpr int IDC_CLOCK_TIME = 1182;
inline constexpr int IDC_LUNAR_DATE = 1183;

// Cast from counts: the method, what is counted, the characters' counts, how strokes are
// counted, the rule, and the arithmetic of what was typed; the date and time are the traditional
// time query's boxes.
inline constexpr int IDC_COUNT_METHOD = 1185;
inline constexpr int IDC_COUNT_INPUT = 1186;
inline constexpr int IDC_COUNT_STROKES = 1187;
inline constexpr int IDC_STROKE_COUNT = 1188;
inline constexpr int IDC_COUNT_RULE = 1189;
inline constexpr int IDC_COUNT_ARITHMETIC = 1190;

// Reading details: the conventions they are read by (where the year begins, the day of the hour
// 23-24, when earth rules the season, the longitude of true solar time) and the details.
inline constexpr int IDC_DETAILS_YEAR_START = 1191;
inline constexpr int IDC_DETAILS_ZI_HOUR = 1192;
inline constexpr int IDC_DETAILS_EARTH = 1193;
inline constexpr int IDC_DETAILS_LONGITUDE = 1194;
inline constexpr int IDC_DETAILS_TEXT = 1195;
// Case book: the search and the filters, the list of records and its count, the selected
// record (its reading, its inputs and what the user writes of it), its buttons and the
// statistics.
inline constexpr int IDC_CASE_SEARCH = 1200;
inline constexpr int IDC_CASE_METHOD_FILTER = 1201;
inline constexpr int IDC_CASE_VERDICT_FILTER = 1202;
inline constexpr int IDC_CASE_TAG_FILTER = 1203;
inline constexpr int IDC_CASE_SINCE = 1204;
inline constexpr int IDC_CASE_UNTIL = 1205;
inline constexpr int IDC_CASE_LIST = 1206;
inline constexpr int IDC_CASE_COUNT = 1207;
inline constexpr int IDC_CASE_READING = 1208;
inline constexpr int IDC_CASE_INPUTS = 1209;
inline constexpr int IDC_CASE_PERSON = 1210;
inline constexpr int IDC_CASE_TAGS = 1211;
inline constexpr int IDC_CASE_NOTES = 1212;
inline constexpr int IDC_CASE_OUTCOME_DATE = 1213;
inline constexpr int IDC_CASE_VERDICT = 1214;
inline constexpr int IDC_CASE_OUTCOME_WHAT = 1215;
inline constexpr int IDC_CASE_SHOW = 1216;
inline constexpr int IDC_CASE_DELETE = 1217;
inline constexpr int IDC_CASE_STATISTICS = 1218;

} // namespace zandrel
