#include "app/short_date.h"

#include <gtest/gtest.h>

namespace kelvaro::app {
namespace {

TEST(ShortDate, TypedDatesBecomeTheModelsDatesInEveryLocale) {
  const struct {
    QLocale locale;
    const char* typed;
    const char* model;
  } kCases[] = {
      {QLocale(QLocale::English, QLocale::UnitedStates), "2/15/2025", "2025-02-15"},
      {QLocale(QLocale::English, QLocale::UnitedStates), "2/15", "2024-02-15"},
      {QLocale(QLocale::English, QLocale::UnitedStates), "2/29", "2024-02-29"},
      {QLocale(QLocale::English, QLocale::UnitedStates), "2024-03-01", "2024-03-01"},
      {QLocale(QLocale::English, QLocale::UnitedStates), " 12/31/1999 ", "1999-12-31"},
      {QLocale(QLocale::German, QLocale::Germany), "15.02.2025", "2025-02-15"},
      {QLocale(QLocale::German, QLocale::Germany), "15.02.", "2024-02-15"},
      {QLocale(QLocale::English, QLocale::UnitedKingdom), "15/02/2025", "2025-02-15"},
      // Not a date of the format: left for the model to accept or refuse.
      {QLocale(QLocale::English, QLocale::UnitedStates), "2/30/2025", "2/30/2025"},
      {QLocale(QLocale::English, QLocale::UnitedStates), "soon", "soon"},
      {QLocale(QLocale::English, QLocale::UnitedStates), "", ""},
  };
  for (const auto& expected : kCases) {
    const ShortDate dates(expected.locale, 2024);
    EXPECT_EQ(dates.ToModel(QString::fromUtf8(expected.typed)).toStdString(), expected.model)
        << expected.locale.name().toStdString() << " '" << expected.typed << "'";
  }
}

TEST(ShortDate, ModelDatesAreShownWithAFourDigitYear) {
  const ShortDate us(QLocale(QLocale::English, QLocale::UnitedStates), 2024);
  EXPECT_EQ(us.Format(), "M/d/yyyy");
  EXPECT_EQ(us.ToView("2000-02-29"), "2/29/2000");
  EXPECT_EQ(us.ToView("not a date"), "not a date");
  const ShortDate german(QLocale(QLocale::German, QLocale::Germany), 2024);
  EXPECT_EQ(german.ToView("2025-11-01"), "01.11.2025");
  // Hints and messages name every form a date is read in.
  EXPECT_EQ(us.Explanation(), "M/d/yyyy, M/d for 2024, or yyyy-mm-dd");
  EXPECT_EQ(german.Explanation(), "dd.MM.yyyy, dd.MM for 2024, or yyyy-mm-dd");
  // A year-less date in a year without 29 February is refused by the model.
  const ShortDate plain(QLocale(QLocale::English, QLocale::UnitedStates), 2025);
  EXPECT_EQ(plain.ToModel("2/29"), "2/29");
}

}  // namespace
}  // namespace kelvaro::app
