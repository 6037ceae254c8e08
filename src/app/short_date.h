#pragma once

#include <QLocale>
#include <QString>

namespace kelvaro::app {

// Dates as the user types them, in the short date format of the user's locale (with a four-digit
// year) or as ISO dates, and as the crop form's model holds them ("YYYY-MM-DD").
class ShortDate {
 public:
  ShortDate(QLocale locale, int current_year);

  // A typed date in the model's form; a date typed without a year falls in `current_year`. Text
  // that is not a date of this format is passed on unchanged, for the model to accept
  // ("YYYY-MM-DD", "MM-DD") or refuse with its own message.
  QString ToModel(const QString& typed) const;
  // The model's date in the user's format; any other text unchanged.
  QString ToView(const QString& model_text) const;
  // The format shown as a hint beside the date entries ("M/d/yyyy").
  QString Format() const { return format_; }
  // Every form a date is read in, as messages and hints explain it
  // ("M/d/yyyy, M/d for 2026, or yyyy-mm-dd").
  QString Explanation() const;

 private:
  QLocale locale_;
  int current_year_;
  QString format_;               // the locale's short format with a four-digit year
  QString format_without_year_;  // the same without its year
};

}  // namespace kelvaro::app
