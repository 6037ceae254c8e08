#include "support/recording_navigator.h"

namespace kelvaro::testing {

std::string RecordingNavigator::Name(Dialog dialog) {
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
  }
  return "?";
}

}  // namespace kelvaro::testing
