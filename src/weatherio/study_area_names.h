#pragma once

#include <string>
#include <string_view>

namespace kelvaro {

// A study area is known by its number; every file of its own carries the number as SA5, five
// digits padded on the left with zeros.
inline constexpr int kMinSaNumber = 1;
inline constexpr int kMaxSaNumber = 99999;

// The range as the forms and the command line name it.
inline constexpr std::string_view kSaNumberCaption = "SA number (1-99999):";
inline constexpr std::string_view kSaNumberRange = "SA number should be between 1 and 99999";
inline constexpr std::string_view kSaNumberSpan = "1 to 99999";
inline constexpr std::string_view kSaNumberShortSpan = "1-99999";

// SA5 of a number (12 -> "00012").
std::string SA5Of(int sa_number);
// A study-area number as a crop file's name holds it: digits only, kMinSaNumber..kMaxSaNumber.
bool IsStudyAreaNumber(const std::string& text);

// SA5 of an SA text as typed: 1 to 4 characters padded on the left with zeros to five
// ("7" -> "00007"); any other length is used unchanged.
std::string PaddedSaText(const std::string& sa_text);

// "SA" + SA5: the start of every file name of the study area's crops and runs.
std::string StudyAreaTag(const std::string& sa5);

// "SA" + SA5 + ".CSV": the study area's crop file as the operations ask for it.
std::string SaCropFileName(const std::string& sa5);

// "SA" + SA5 + ".csv": the crop file as the crop/soil entry form names a new one, and as the
// crop lists and messages name it. Lookups ignore letter case, so both reach the same file.
std::string CropListSource(const std::string& sa5);
std::string CropFileName(int sa_number);

// kkk: a crop number as digits, padded on the left with zeros when it is one or two characters
// long ("1" -> "001", "-1" -> "0-1"); longer numbers are used as they are, so the results of
// crop 1000 never overwrite those of crop 1 or of any other crop.
std::string CropNumberText(int index);

// "SA" + SA5 + "C": the start of every per-crop result file name.
std::string CropResultPrefix(const std::string& sa5);

// "SA" + SA5 + "C" + kkk: the stem of a crop's result files.
std::string CropFileStem(const std::string& sa5, int crop_number);

// "SA" + SA5 + letter + kkk + "." + ext: a per-crop result file. The letter is "C" in the
// finders and "c" in the output viewer; file names match without regard to case.
std::string CropResultName(const std::string& sa5, const std::string& kkk, std::string_view ext,
                           char letter = 'C');

// The study area's summaries of a run and the water budget of its report.
std::string SumOfEtawFileName(const std::string& sa5);          // "SumofETAWforSA" + SA5 + ".saw"
std::string SumOfEtcFileName(const std::string& sa5);           // "SumofETcforSA" + SA5 + ".set"
std::string IrrigationSummaryFileName(const std::string& sa5);  // "IrrigationsforSA" ... ".irs"
std::string IrrigationEventsFileName(const std::string& sa5);  // "IrrigationEventsforSA" ... ".ire"
std::string WaterBudgetFileName(const std::string& sa5);       // "WaterBudgetforSA" ... ".csv"

// "SA" + SA5 + "-" + the station's file stem + ".kvrun": the record of a run.
inline constexpr const char* kRunRecordExtension = ".kvrun";
std::string RunRecordPrefix(const std::string& sa5);  // "SA" + SA5 + "-"
std::string RunRecordName(const std::string& sa5, const std::string& stem);

}  // namespace kelvaro
