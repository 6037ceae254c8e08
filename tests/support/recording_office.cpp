#include "support/recording_office.h"

namespace kelvaro::testing {
namespace {

std::string VisibleCall(bool visible) { return visible ? "visible true" : "visible false"; }

}  // namespace

bool RecordingSpreadsheet::Connect() {
  const bool connected = reachable_ && !lacks_display;
  calls.push_back(connected ? "connect" : "connect failed");
  return connected;
}

bool RecordingSpreadsheet::Visible() const {
  calls.push_back("visible?");
  return visible_;
}

void RecordingSpreadsheet::SetVisible(bool visible) {
  visible_ = visible;
  calls.push_back(VisibleCall(visible));
}

void RecordingSpreadsheet::SetCaption(const std::string& caption) {
  calls.push_back("caption " + caption);
}

void RecordingSpreadsheet::OpenWorkbook(const std::filesystem::path& file) {
  calls.push_back("open " + file.string());
}

void RecordingSpreadsheet::NewSheetWithLines(const std::string& sheet_name,
                                             const std::vector<std::string>& lines) {
  calls.push_back("new sheet " + sheet_name);
  pasted = lines;
}

bool RecordingWordProcessor::Connect() {
  calls.push_back(reachable_ ? "connect" : "connect failed");
  return reachable_;
}

void RecordingWordProcessor::SetVisible(bool visible) { calls.push_back(VisibleCall(visible)); }

void RecordingWordProcessor::OpenDocument(const std::filesystem::path& file) {
  calls.push_back("open " + file.string());
}

void RecordingWordProcessor::NewDocumentWithText(const std::string& text) {
  calls.push_back("new document " + text);
}

}  // namespace kelvaro::testing
