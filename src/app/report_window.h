#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "analysis/water_budget.h"
#include "app/result_table_panel.h"
#include "session/session.h"

namespace kelvaro::app {

// A study area's water budget: per crop and in total its area, ETAW, AETAW, volume and
// irrigations a year, with the spread over the years, and under it the monthly irrigation the
// model delivered (mean and 90th percentile), for a delivery schedule; written as a CSV of the
// data folder that "Open in spreadsheet" opens.
class ReportWindow : public QWidget {
  Q_OBJECT

 public:
  ReportWindow(const Session& session, Spreadsheet& spreadsheet, Reporter& reporter,
               QWidget* parent = nullptr);

  // Reads the study area's results and shows their budget; a refusal goes to the warning line.
  void ShowReport();

  QLineEdit* sa() const { return sa_; }
  QComboBox* units() const { return units_; }
  QLabel* warning() const { return warning_; }
  QLabel* summary() const { return summary_; }
  ResultTablePanel* panel() const { return panel_; }
  QLabel* delivery_title() const { return delivery_title_; }
  ResultTablePanel* delivery() const { return delivery_; }

 private:
  void ShowDelivery(const WaterBudget& budget, const std::filesystem::path& file);

  const Session& session_;
  QLineEdit* sa_;
  QComboBox* units_;
  QLabel* warning_;
  QLabel* summary_;
  ResultTablePanel* panel_;
  QLabel* delivery_title_;
  ResultTablePanel* delivery_;
};

}  // namespace kelvaro::app
