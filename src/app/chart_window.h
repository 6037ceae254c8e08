#pragma once

#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QWidget>
#include <filesystem>
#include <optional>

#include "analysis/chart_request.h"
#include "session/session.h"

namespace kelvaro::app {

// Every kind of chart of the data folder's results and statistics, drawn on asking and saved as
// PNG or SVG.
class ChartWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ChartWindow(const Session& session, QWidget* parent = nullptr);

  // The chart the fields ask for; a refusal goes to the warning line.
  void Draw();
  // Shows and draws the daily statistics of a station's working file.
  void ShowDailyStatistics(const QString& station);
  // Writes the chart drawn last (PNG or SVG by the extension); false with a warning when there
  // is none or it cannot be written.
  bool Save(const std::filesystem::path& file);

  QComboBox* kind() const { return kind_; }
  QLineEdit* sa() const { return sa_; }
  QSpinBox* crop() const { return crop_; }
  QLineEdit* year() const { return year_; }
  QComboBox* units() const { return units_; }
  QLineEdit* station() const { return station_; }
  QComboBox* variable() const { return variable_; }
  QLabel* warning() const { return warning_; }
  QChartView* view() const { return view_; }

 private:
  void KindChanged();
  ChartRequest Request() const;
  void SaveAs(const QString& filter, const char* extension);
  void Warn(const QString& text);

  const Session& session_;
  QComboBox* kind_;
  QLineEdit* sa_;
  QSpinBox* crop_;
  QLineEdit* year_;
  QComboBox* units_;
  QLineEdit* station_;
  QComboBox* variable_;
  QLabel* warning_;
  QChartView* view_;
  std::optional<ChartData> drawn_;
};

}  // namespace kelvaro::app
