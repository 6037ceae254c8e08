#include "balance/crop_output_files.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "weatherio/file_naming.h"
#include "weatherio/fixed_point_text.h"
#include "weatherio/letter_case.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

constexpr const char* kDailyHeader =
    "Year, DOY,OKc,IKc,CCKc,ETo,Kc,ETc,Pcp,SWD,SWDx,FC,PWP,SWC,YTD\n"
    "   #,   #,   ,   ,    , mm,  , mm, mm, mm,  mm,  mm,  mm,  mm,  mm\n";
constexpr const char* kAnnualHeader =
    "Year,   CETc,    CEr,   ETAW,  ACETc,  ACEr,  AETAW,  OCETc,   OCEr, OCETAW\n"
    "   #,    mm,    mm,    mm,   mm,    mm,    mm,    mm,    mm,    mm\n";
constexpr const char* kMonthlyHeader =
    " Mon,    ETo,    ETc,    Pcp,     Er,   ETAW\n"
    "   #,     mm,    mm,      mm,     mm,     mm\n";
constexpr int kAverageRowYear = 9999;

std::filesystem::path ResultFile(const std::filesystem::path& folder, const std::string& sa5,
                                 int crop_number, const char* extension) {
  return FindInFolder(folder, CropFileStem(sa5, crop_number) + extension);
}

struct AnnualSums {
  float cetc = 0.0f;
  float cer = 0.0f;
  float ocetc = 0.0f;
  float ocer = 0.0f;
};

std::string AnnualRow(int year, const AnnualSums& a) {
  const float acetc = a.cetc + a.ocetc;
  const float acer = a.cer + a.ocer;
  return Printf("%4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", year, a.cetc, a.cer,
                a.cetc - a.cer, acetc, acer, acetc - acer, a.ocetc, a.ocer, a.ocetc - a.ocer);
}

// Each year's row, then the averages over the years with differences taken between averages.
std::string AnnualRows(const CropSums& sums, const YearDayTable& table) {
  std::string text;
  AnnualSums total;
  float acetc_total = 0.0f;
  float acer_total = 0.0f;
  for (int year = 1; year <= sums.year_count; ++year) {
    const auto y = static_cast<size_t>(year);
    const AnnualSums a{sums.cetc[y], sums.cer[y], sums.ocetc[y], sums.ocer[y]};
    text += AnnualRow(table.CalendarYear(year), a);
    total.cetc += a.cetc;
    total.cer += a.cer;
    total.ocetc += a.ocetc;
    total.ocer += a.ocer;
    acetc_total += a.cetc + a.ocetc;
    acer_total += a.cer + a.ocer;
  }
  const float n = static_cast<float>(sums.year_count);
  const float cetc = total.cetc / n;
  const float cer = total.cer / n;
  const float acetc = acetc_total / n;
  const float acer = acer_total / n;
  const float ocetc = total.ocetc / n;
  const float ocer = total.ocer / n;
  text += Printf("%4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", kAverageRowYear,
                 cetc, cer, cetc - cer, acetc, acer, acetc - acer, ocetc, ocer, ocetc - ocer);
  return text;
}

std::string MonthlyRows(const CropSums& sums) {
  std::string text;
  const auto months = MonthAverages(sums);
  for (size_t m = 0; m < 12; ++m) {
    const MonthAverage& a = months[m];
    text += Printf("%4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", static_cast<int>(m + 1), a.eto, a.etc,
                   a.pcp, a.er, a.etaw);
  }
  return text;
}

// The crop number of a per-crop result file name of the study area, if it is one.
std::optional<int> CropNumberOfResult(const std::string& name, const std::string& sa5) {
  const std::string prefix = CropResultPrefix(sa5);
  const auto dot = name.rfind('.');
  if (dot == std::string::npos || dot <= prefix.size() ||
      !EqualsIgnoringCase(name.substr(0, prefix.size()), prefix)) {
    return std::nullopt;
  }
  const std::string extension = name.substr(dot);
  if (!EqualsIgnoringCase(extension, ".CSV") && !EqualsIgnoringCase(extension, ".EAW") &&
      !EqualsIgnoringCase(extension, ".mtv")) {
    return std::nullopt;
  }
  const std::string digits = name.substr(prefix.size(), dot - prefix.size());
  if (digits.size() > 9 || !std::all_of(digits.begin(), digits.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
      })) {
    return std::nullopt;
  }
  return std::stoi(digits);
}

}  // namespace

std::vector<std::string> StaleCropResultFiles(const std::filesystem::path& folder,
                                              const std::string& sa5, int crop_count) {
  std::vector<std::string> stale;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    const auto number = CropNumberOfResult(name, sa5);
    if (number && (*number == 0 || *number > crop_count)) stale.push_back(name);
  }
  std::sort(stale.begin(), stale.end());
  return stale;
}

CropOutputs::CropOutputs(OutputFileSet& files, const std::filesystem::path& folder,
                         const std::string& sa5, int crop_number, const CropRow& row)
    : daily_(files.Add(ResultFile(folder, sa5, crop_number, ".CSV"))),
      annual_(files.Add(ResultFile(folder, sa5, crop_number, ".EAW"))),
      monthly_(files.Add(ResultFile(folder, sa5, crop_number, ".mtv"))) {
  const std::string first_line = Printf(" %s,%s\n", row.name.c_str(), row.code.c_str());
  daily_.Write(first_line);
  daily_.Write(kDailyHeader);
  annual_.Write(first_line);
  annual_.Write(kAnnualHeader);
  monthly_.Write(first_line);
  monthly_.Write(kMonthlyHeader);
}

// "%4d,%4d,%6.3f x 8,%7.3f x 5\n", without snprintf and without allocating: a long study area
// writes millions of rows.
char* WriteDailyRowText(char* out, const DailyBalanceRow& r) {
  char* end = WriteInt(out, r.year, 4);
  *end++ = ',';
  end = WriteInt(end, r.doy, 4);
  for (float value : {r.okc, r.ikc, r.cckc, r.eto, r.kc, r.etc, r.pcp, r.swd}) {
    *end++ = ',';
    end = WriteFixed(end, value, 6, 3);
  }
  for (float value : {r.swdx, r.fc, r.pwp, r.swc, r.ytd}) {
    *end++ = ',';
    end = WriteFixed(end, value, 7, 3);
  }
  *end++ = '\n';
  return end;
}

void CropOutputs::WriteDailyRow(const DailyBalanceRow& row) {
  char text[kDailyRowRoom];
  const char* end = WriteDailyRowText(text, row);
  daily_.Write(std::string_view(text, static_cast<size_t>(end - text)));
}

void CropOutputs::FinishCrop(const CropSums& sums, const YearDayTable& table) {
  annual_.Write(AnnualRows(sums, table));
  monthly_.Write(MonthlyRows(sums));
  daily_.Finish();
  annual_.Finish();
  monthly_.Finish();
}

}  // namespace kelvaro
