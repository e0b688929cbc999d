#pragma once

// Command ids of the main window's toolbar and settings menu.
namespace CommandId {

inline constexpr int SignIn = 1002;
inline constexpr int LoginLine = 1004;
inline constexpr int Feedback = 1005;
inline constexpr int Contact = 1006;
inline constexpr int MoreProducts = 1007;
inline constexpr int Calculator = 1008;
inline constexpr int NewProject = 1009;
inline constexpr int OpenProject = 1010;
inline constexpr int SaveProject = 1011;
inline constexpr int Link = 1015;
// The list on show as a workbook and as a word-processor document; no toolbar button.
inline constexpr int ExportWorkbook = 1017;
inline constexpr int ExportDocument = 1076;
inline constexpr int Print = 1018;
inline constexpr int AccountName = 1043;
inline constexpr int Cad = 1084;
inline constexpr int Settings = 1086;
inline constexpr int EditTemplate = 1113;
inline constexpr int SaveTemplate = 1114;
inline constexpr int OpenTemplate = 1115;
inline constexpr int ImportTemplate = 1116;
inline constexpr int Undo = 1901;
inline constexpr int Redo = 1902;

inline constexpr int SetProfit = 1690;
inline constexpr int SetLoss = 1692;
inline constexpr int ToggleLoss = 1693;
inline constexpr int PrecisionZero = 1694;
inline constexpr int PrecisionOne = 1695;
inline constexpr int PrecisionTwo = 1696;
inline constexpr int MenuEditTemplate = 1698;
inline constexpr int SetTax = 1699;
inline constexpr int ToggleTax = 1700;
inline constexpr int PageSetup = 1701;

} // namespace CommandId
