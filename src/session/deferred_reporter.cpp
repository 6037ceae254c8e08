#include "session/deferred_reporter.h"

namespace kelvaro {

void DeferredReporter::ReplayOnto(Reporter& to) {
  for (const Event& event : events_) {
    switch (event.kind) {
      case Kind::kMessageBox:
        to.MessageBox(event.text);
        break;
      case Kind::kTrace:
        to.Trace(event.text);
        break;
      case Kind::kWarn:
        to.Warn(event.text);
        break;
      case Kind::kOperationStarted:
        to.OperationStarted(event.text, event.index, event.count);
        break;
      case Kind::kCropStarted:
        to.CropStarted(event.text, event.index, event.count);
        break;
      case Kind::kCropFinished:
        to.CropFinished(event.index);
        break;
    }
  }
  events_.clear();
}

}  // namespace kelvaro
