#include "support/recording_navigator.h"

namespace kelvaro::testing {

std::string RecordingNavigator::Name(Dialog dialog) { return std::string(DialogName(dialog)); }

}  // namespace kelvaro::testing
