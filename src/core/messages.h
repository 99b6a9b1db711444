#pragma once

/// The program's own texts, shared by the desktop and the command line.
namespace vantrel::msg {

inline constexpr const char* kApplicationName = "Selvo intelligent Data Processing software";
inline constexpr const char* kFileOpenFailed = " File open failed!";
inline constexpr const char* kFileSaveFailed = " File save failed!";
inline constexpr const char* kRowsMismatch = "The data rows does not match the Header rows!";
inline constexpr const char* kCloseOpenFile = "Do you want to close the currently open file?";
inline constexpr const char* kNoDepthData = "No depth data needs to be saved!";
inline constexpr const char* kNoOriginalData = "No original data needs to be saved!";
inline constexpr const char* kNoFormatForPath = " is neither a .dat nor a .csv file: nothing was saved!";
inline constexpr const char* kSelectInFilePane = "请在文件栏中选择需处理的数据!";
inline constexpr const char* kMaxFrequencies = "The maximum point processing ability for%d frequency!";
inline constexpr const char* kMarkedRed =
    "The data needs to be corrected and the data to be corrected is marked red!";
inline constexpr const char* kFieldSourceCapacity =
    "The maximum processing capacity of the field source is%d！";
inline constexpr const char* kSelectHighValue = "Please select the high value that needs to be processed !";
inline constexpr const char* kDepthAgain = "Do you need to calculate deep value again?";
inline constexpr const char* kChooseData = "Please choose data!";
inline constexpr const char* kNoDataAddress = "No valid data address found!";
inline constexpr const char* kNoProcessingVariables = "No valid processing variables were selected!";
inline constexpr const char* kReadIncomplete =
    " could not be read completely: the rows after the read error were not loaded.";
inline constexpr const char* kTooLarge = " is too large to load: the tables hold at most 4 GiB of text.";

}  // namespace vantrel::msg
