#include "viewers/output_files.h"

#include "office/office_calls.h"
#include "viewers/normal_year_call.h"
#include "viewers/statistics_call.h"
#include "viewers/study_area_files.h"
#include "weatherio/file_naming.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {

std::string OutputFileName(std::string_view ext, const std::string& station, int crop_index) {
  if (ext == "wrk") return station + ".wrk";
  if (ext == "msw") return station + ".avg";
  const std::string daily = CropResultName(PaddedSaText(station), CropNumberText(crop_index),
                                           ext == "mse" ? "csv" : ext, 'c');
  return ext == "mse" ? daily + ".nor" : daily;
}

void TOutputFiles::FormActivate() {
  Warning.Clear();
  Station.text.clear();
  ext.clear();
  CropItemCombo.visible = false;
  FileTypeCombo.Select(0);
  City = std::string(kWeatherFileLabel);
}

const OutputKind& TOutputFiles::SelectedKind() const {
  const int index = FileTypeCombo.selected;
  return kOutputKinds[static_cast<size_t>(
      index >= 0 && index < static_cast<int>(kOutputKinds.size()) ? index : 0)];
}

void TOutputFiles::FileTypeComboChange(int index) {
  FileTypeCombo.Select(index);
  const OutputKind& kind = SelectedKind();
  ext = std::string(kind.ext);
  City = std::string(kind.label);
  Station.text.clear();
  CropItemCombo.visible = false;
  if (kind.ext == "csv" || kind.ext == "mtv" || kind.ext == "eaw") Warning.Clear();
}

void TOutputFiles::StationChange() {
  if (City == kViewerSaLabel) RebuildCropList(session_, Station.text, CropItemCombo, Warning);
}

void TOutputFiles::ButtonViewExcelClick() {
  const OutputKind& kind = SelectedKind();
  ext = std::string(kind.ext);
  City = std::string(kind.label);
  if (ext == "csv") {
    Warning.Add(std::string(kUseViewInWord));
    Warning.Show();
  }
  if (ext == "mse") {
    ViewNormalYear();
  } else if (ext == "msw") {
    ViewDailyMeans();
  } else {
    Open(OutputFileName(ext, Station.text, CropItemCombo.selected));
  }
}

// The existence of these files is left to the spreadsheet to report; a name that could reach
// outside the data folder is never handed over.
void TOutputFiles::Open(const std::string& file_name) {
  if (!IsSafeName(file_name)) {
    Warning.Add(std::string(kInvalidResultFileName));
    Warning.Show();
    return;
  }
  OpenInSpreadsheet(ExcelApplication1, FindInFolder(session_.data_dir, file_name),
                    session_.reporter);
}

void TOutputFiles::ViewDailyMeans() { Show(MakeDailyMeans(Station.text, session_)); }

void TOutputFiles::ViewNormalYear() {
  Show(MakeNormalYear({Station.text, CropItemCombo.selected, NormalYearNaming::kDailyFileName},
                      session_));
}

void TOutputFiles::Show(const FileOutcome& outcome) {
  if (ShowProblems(outcome.problems, Warning)) return;
  if (outcome.failure) {
    session_.reporter.MessageBox(*outcome.failure);
    return;
  }
  OpenInSpreadsheet(ExcelApplication1, *outcome.file, session_.reporter);
}

void TResultFiles::ButtonViewClick() {
  navigator_.Close(Dialog::TResultFiles);
  navigator_.Open(Dialog::TOutputFiles);
}

}  // namespace kelvaro
