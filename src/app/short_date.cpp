#include "app/short_date.h"

#include <QDate>
#include <QRegularExpression>

namespace kelvaro::app {
namespace {

constexpr auto kModelFormat = "yyyy-MM-dd";

// Two-digit years would put a date of this century in the last one.
QString WithFourDigitYear(QString format) {
  if (!format.contains(QLatin1String("yyyy"))) {
    format.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
  }
  return format;
}

// "M/d/yyyy" -> "M/d", "dd.MM.yyyy" -> "dd.MM", "yyyy-MM-dd" -> "MM-dd".
QString WithoutYear(const QString& format) {
  QString stripped = format;
  stripped.remove(QRegularExpression(QStringLiteral("[^dMy]*y+[^dMy]*")));
  return stripped;
}

}  // namespace

ShortDate::ShortDate(QLocale locale, int current_year)
    : locale_(std::move(locale)),
      current_year_(current_year),
      format_(WithFourDigitYear(locale_.dateFormat(QLocale::ShortFormat))),
      format_without_year_(WithoutYear(format_)) {}

QString ShortDate::ToModel(const QString& typed) const {
  const QString text = typed.trimmed();
  QDate date = locale_.toDate(text, format_);
  if (!date.isValid() && !format_without_year_.isEmpty()) {
    // "15.02." is typed for "15.02.2025" as often as "15.02".
    QString day_text = text;
    while (!day_text.isEmpty() && !day_text.back().isLetterOrNumber()) day_text.chop(1);
    const QDate day = locale_.toDate(day_text, format_without_year_);
    // Parsed without a year the date lies in 1900, where 29 February does not exist.
    const QDate leap_day = locale_.toDate(day_text + QStringLiteral("/2000"),
                                          format_without_year_ + QStringLiteral("/yyyy"));
    if (day.isValid()) {
      date = QDate(current_year_, day.month(), day.day());
    } else if (leap_day.isValid()) {
      date = QDate(current_year_, leap_day.month(), leap_day.day());
    }
  }
  return date.isValid() ? date.toString(kModelFormat) : typed;
}

QString ShortDate::Explanation() const {
  QString text = format_;
  if (!format_without_year_.isEmpty()) {
    text += QStringLiteral(", %1 for %2").arg(format_without_year_).arg(current_year_);
  }
  if (format_ != QLatin1String(kModelFormat)) text += QStringLiteral(", or yyyy-mm-dd");
  return text;
}

QString ShortDate::ToView(const QString& model_text) const {
  const QDate date = QDate::fromString(model_text, kModelFormat);
  return date.isValid() ? locale_.toString(date, format_) : model_text;
}

}  // namespace kelvaro::app
