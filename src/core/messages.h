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

inline constexpr const char* kNoFrequencyColumn =
    "No frequency column was found (a frequency column's title contains HZ). File > Import Text... reads "
    "files with other layouts.";

// Importing text files and reading several files as one survey. "%1", "%2",
// ... stand for the names and numbers filled in.
inline constexpr const char* kImportNoIncrement =
    "No column is mapped to the increment (the position along the line): nothing was imported.";
inline constexpr const char* kImportNoFrequency = "No column is mapped to a frequency: nothing was imported.";
inline constexpr const char* kImportBadFrequency =
    "Column %1 is mapped to a frequency that is not a positive number of hertz: nothing was imported.";
inline constexpr const char* kImportSameFrequency =
    "Columns %1 and %2 are both mapped to %3HZ: nothing was imported.";
inline constexpr const char* kImportSameRole =
    "Columns %1 and %2 are both mapped to the %3: nothing was imported.";
inline constexpr const char* kImportPastEnd =
    "The mapping gives column %1 a role, but the file has %2 columns: nothing was imported.";
inline constexpr const char* kImportNotText = "%1 is not a text file: nothing was imported.";
inline constexpr const char* kUtf16Text =
    "%1 is UTF-16 text (as spreadsheets save \"Unicode Text\"), which is read only as UTF-8 or 8-bit "
    "text: save it as UTF-8 and read it again.";
inline constexpr const char* kImportNoHeader =
    "%1 has no line %2 to take the column titles from: nothing was imported.";
inline constexpr const char* kImportRowCells =
    "Line %1 of %2 has %3 cells where the header has %4: nothing was imported.";
inline constexpr const char* kFilesDiffer =
    "%1 does not have the columns of %2: none of the files was loaded.";
inline constexpr const char* kNothingLoaded = "None of the files was loaded.";

}  // namespace vantrel::msg
