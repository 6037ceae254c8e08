#include "viewers/crop_item_num.h"

#include "office/office_calls.h"
#include "viewers/study_area_files.h"
#include "weatherio/file_naming.h"
#include "weatherio/letter_case.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {

bool WriteAndOpenNormalYear(const NormalYearFiles& files, const std::string& crop_file_text,
                            Session& session, Spreadsheet& spreadsheet, WarningPanel& warning) {
  switch (WriteNormalYear(files, session)) {
    case NormalYearOutcome::kNoDailyFile:
      warning.Add(std::string(kInvalidResultFileName));
      warning.Show();
      return false;
    case NormalYearOutcome::kNoCropFile:
      session.reporter.MessageBox("Couldn't find " + crop_file_text + ".");
      return false;
    case NormalYearOutcome::kWritten:
      break;
  }
  OpenInSpreadsheet(spreadsheet, FindInFolder(session.data_dir, files.output_name),
                    session.reporter);
  return true;
}

void TGetCropItemNum::FormActivate() {
  SA.text.clear();
  CropItemCombo.Clear();
  CropItemCombo.visible = false;
  Warning.Clear();
}

void TGetCropItemNum::SAChange() { RebuildCropList(session_, SA.text, CropItemCombo, Warning); }

void TGetCropItemNum::ButtonOKClick() {
  const std::string sa5 = PaddedSaText(SA.text);
  const std::string stem = CropFileStem(sa5, CropItemCombo.selected);
  const NormalYearFiles files{sa5, CropItemCombo.selected, stem + ".csv", stem + ".nor",
                              ToUpperAscii(stem)};
  WriteAndOpenNormalYear(files, SaCropFileName(sa5), session_, ExcelApplication1, Warning);
}

}  // namespace kelvaro
