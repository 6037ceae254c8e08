#pragma once

#include <filesystem>
#include <string>

namespace kelvaro {

// The word processor, with the operations the program uses. A server starts unconnected;
// Connect() reaches a running instance or starts one.
class WordProcessor {
 public:
  virtual ~WordProcessor() = default;

  // False when no word processor can be reached.
  virtual bool Connect() = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void OpenDocument(const std::filesystem::path& file) = 0;
  // A new document holding `text`.
  virtual void NewDocumentWithText(const std::string& text) = 0;
};

}  // namespace kelvaro
