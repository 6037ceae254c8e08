#include "forms/navigator.h"

namespace kelvaro {

std::string_view DialogName(Dialog dialog) {
  switch (dialog) {
    case Dialog::TAnalysisPath:
      return "TAnalysisPath";
    case Dialog::TTimeInterval:
      return "TTimeInterval";
    case Dialog::TPanAnalysisPath:
      return "TPanAnalysisPath";
    case Dialog::TEToAnalysisPath:
      return "TEToAnalysisPath";
    case Dialog::TTempAnalysisPath:
      return "TTempAnalysisPath";
    case Dialog::TTempTimeInterval:
      return "TTempTimeInterval";
    case Dialog::TGetData:
      return "TGetData";
    case Dialog::TResultFiles:
      return "TResultFiles";
    case Dialog::TStatisticsPath:
      return "TStatisticsPath";
    case Dialog::TGetSimulatedStationName:
      return "TGetSimulatedStationName";
    case Dialog::TDataFileEntry:
      return "TDataFileEntry";
    case Dialog::TShowSAFiles:
      return "TShowSAFiles";
    case Dialog::TGetOutSA:
      return "TGetOutSA";
    case Dialog::TGetSumSA:
      return "TGetSumSA";
    case Dialog::TGetSACropInfo:
      return "TGetSACropInfo";
    case Dialog::TGetCropItemNum:
      return "TGetCropItemNum";
    case Dialog::TOutputFiles:
      return "TOutputFiles";
  }
  return "?";
}

}  // namespace kelvaro
