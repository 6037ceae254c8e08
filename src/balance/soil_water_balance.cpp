#include "balance/soil_water_balance.h"

#include <algorithm>
#include <string>
#include <vector>

#include "weatherio/calendar.h"
#include "weatherio/message_text.h"

namespace kelvaro {
namespace {

using Series = YearDayTable::Series;

constexpr float kBareSoilDepthMm = 300.0f;

// What does not change from day to day for one crop.
struct CropPlan {
  float bare_soil_limit_mm = 0.0f;
  bool pre_irrigated = false;
  int planting = 0;
  int initial_wetting_end = 0;
  int last_irrigation_day = 0;
  int folded_end = 0;   // the ending day within its year
  float fc_mm = 0.0f;   // shown as FC; the root zone's allowable depletion times four
  float pwp_mm = 0.0f;  // shown as PWP; times two
  bool rain_at_once_in_season = false;
};

CropPlan MakePlan(const CropRow& row, const StageDays& days, const IrrigationThresholds& t,
                  const BalanceRules& rules) {
  CropPlan plan;
  plan.rain_at_once_in_season = rules.rain_at_once_in_season;
  plan.bare_soil_limit_mm = BareSoilDepletionLimit(row);
  plan.pre_irrigated = row.pre_irrigated == "Y";
  plan.planting = days.planting;
  plan.initial_wetting_end = t.initial_wetting_end;
  plan.last_irrigation_day = t.last_irrigation_day;
  plan.folded_end = days.ending > 365 ? days.ending - 365 : days.ending;
  const float root_zone_mm = std::min(row.max_root_depth_mm, row.max_soil_depth_mm);
  const float allowable_mm =
      root_zone_mm * row.available_water * row.allowable_depletion_pct * 0.01f;
  plan.fc_mm = 4.0f * allowable_mm;
  plan.pwp_mm = 2.0f * allowable_mm;
  return plan;
}

struct YearThresholds {
  float initial = 0.0f;
  float mid = 0.0f;
  float last = 0.0f;
};

// Carried from day to day and from year to year within one crop.
struct SoilState {
  float swd = 0.0f;        // depletion, mm
  float swdx = 0.0f;       // depletion limit in force, mm
  float threshold = 0.0f;  // the day's threshold X, mm
  bool managed_day = false;
  bool season_closed = false;  // cleared at the start of each year
};

// Later rules override earlier ones.
float DayThreshold(const CropPlan& plan, const YearThresholds& t, int d, float current) {
  float x = current;
  if (d >= plan.planting) x = t.initial;
  if (d >= plan.initial_wetting_end) x = t.mid;
  if (d >= plan.last_irrigation_day) x = t.last;
  if (d == plan.folded_end) x = t.last;
  if (plan.folded_end < plan.planting && d < plan.initial_wetting_end) x = t.mid;
  return x;
}

// The depletions (mm) a day's refills brought back to 0.
struct Refills {
  float pre_irrigation_mm = 0.0f;
  float irrigation_mm = 0.0f;
};

// In season the crop is irrigated back to no depletion whenever the depletion reaches the day's
// threshold, until the first day without depletion after the last irrigation closes the season.
Refills InSeasonDay(const CropPlan& plan, const YearThresholds& t, int d, float etc, float pcp,
                    SoilState& s) {
  Refills refills;
  s.threshold = DayThreshold(plan, t, d, s.threshold);
  if (plan.pre_irrigated && d == plan.planting) {
    refills.pre_irrigation_mm = s.swd;
    s.swd = 0.0f;
  }
  if (s.season_closed) {
    s.swdx = t.last;
    s.swd = std::min(s.swd + etc, s.swdx);
  } else {
    s.swd += etc;
    if (s.swd >= s.threshold) {
      refills.irrigation_mm = s.swd;
      s.swd = 0.0f;
    }
    if (d > plan.last_irrigation_day && s.swd == 0.0f) s.season_closed = true;
    s.managed_day = true;
  }
  if (plan.rain_at_once_in_season) s.swd = std::max(s.swd - pcp, 0.0f);
  s.swdx = s.threshold;
  return refills;
}

// A refill of nothing applies no water and is no event.
void RecordRefills(const Refills& refills, int year, int d, std::vector<IrrigationEvent>& events) {
  if (refills.pre_irrigation_mm > 0.0f) {
    events.push_back({year, d, refills.pre_irrigation_mm, IrrigationKind::kPreIrrigation});
  }
  if (refills.irrigation_mm > 0.0f) {
    events.push_back({year, d, refills.irrigation_mm, IrrigationKind::kIrrigation});
  }
}

// Out of season the soil dries by ETc until it reaches its limit; returns the ETc it supplied.
float OutOfSeasonDay(const CropPlan& plan, float etc, float pcp, SoilState& s) {
  s.swdx = std::max(s.swdx, plan.bare_soil_limit_mm);
  const float supplied = s.swd + etc < s.swdx ? etc : s.swdx - s.swd;
  s.swd = std::min(s.swd + etc, s.swdx);
  if (s.swd - pcp <= 0.0f) s.swdx = plan.bare_soil_limit_mm;
  return supplied;
}

// After the rain of an out-of-season day, the limit follows the depletion left.
void AfterOutOfSeasonRain(const CropPlan& plan, float pcp, SoilState& s) {
  if (pcp != 0.0f && s.swdx - plan.bare_soil_limit_mm > s.swd) {
    s.swdx = plan.bare_soil_limit_mm + s.swd;
  }
  s.threshold = std::max(s.swdx, plan.bare_soil_limit_mm);
}

// Cumulative day numbers at the end of each month. A whole year's length decides February; a
// year cut short follows its calendar year.
std::array<int, 12> MonthEnds(const YearDayTable& table, int year) {
  const int days = table.DaysInYear(year);
  const bool leap = days >= 365 ? days == 366 : IsLeapYear(table.CalendarYear(year));
  return leap ? kMonthEndDaysLeap : kMonthEndDaysNormal;
}

class CropBalance {
 public:
  CropBalance(const CropRow& row, const CropCoefficients& coefficients,
              const IrrigationThresholds& thresholds, const YearDayTable& table, Reporter& reporter,
              const DailyRowSink& sink, const BalanceRules& rules)
      : coefficients_(coefficients),
        thresholds_(thresholds),
        table_(table),
        reporter_(reporter),
        sink_(sink),
        plan_(MakePlan(row, coefficients.stages, thresholds, rules)),
        sums_(table.year_count()) {
    state_.swdx = plan_.bare_soil_limit_mm;
  }

  CropSums Run() {
    for (int year = 1; year <= table_.year_count(); ++year) RunYear(year);
    return sums_;
  }

 private:
  void RunYear(int year) {
    state_.season_closed = false;
    const auto month_ends = MonthEnds(table_, year);
    size_t month = 0;
    const YearThresholds t{thresholds_.initial[static_cast<size_t>(year)],
                           thresholds_.mid[static_cast<size_t>(year)],
                           thresholds_.last[static_cast<size_t>(year)]};
    for (int d = 1; d <= table_.DaysInYear(year); ++d) {
      while (month < 11 && d > month_ends[month]) ++month;
      RunDay(year, d, month, t);
    }
  }

  // The day's coefficients and weather, before the balance.
  DailyBalanceRow DayInputs(int year, int d) const {
    DailyBalanceRow row;
    row.year = table_.CalendarYear(year);
    row.doy = d;
    row.okc = table_.Get(Series::kOKc, year, d);
    row.ikc = table_.Get(Series::kIKc, year, d);
    row.cckc = coefficients_.cckc[static_cast<size_t>(d)];
    row.eto = table_.Get(Series::kETo, year, d);
    row.kc = table_.Get(Series::kKc, year, d);
    row.etc = row.eto * row.kc;
    row.pcp = table_.Get(Series::kPcp, year, d);
    return row;
  }

  void RunDay(int year, int d, size_t month, const YearThresholds& t) {
    DailyBalanceRow row = DayInputs(year, d);
    sums_.month_eto[month] += row.eto;
    sums_.month_etc[month] += row.etc;
    sums_.month_pcp[month] += row.pcp;

    const bool in_season = row.ikc != 0.0f;
    const auto y = static_cast<size_t>(year);
    if (in_season) {
      sums_.cetc[y] += row.etc;
      RecordRefills(InSeasonDay(plan_, t, d, row.etc, row.pcp, state_), year, d, sums_.irrigations);
      if (d == 365) {
        reporter_.Trace("NA2=" + ShortestText(t.mid));
        reporter_.Trace("NA3=" + ShortestText(t.last));
      }
    } else {
      sums_.ocetc[y] += OutOfSeasonDay(plan_, row.etc, row.pcp, state_);
    }
    const float er = std::min(row.pcp, std::min(state_.swd, state_.swdx));
    sums_.month_er[month] += er;
    state_.swd -= er;
    (in_season ? sums_.cer : sums_.ocer)[y] += er;
    if (!in_season) AfterOutOfSeasonRain(plan_, row.pcp, state_);
    if (state_.managed_day) {
      state_.swdx = state_.swd;
      state_.managed_day = false;
    }
    Show(row);
  }

  void Show(DailyBalanceRow& row) const {
    row.swd = state_.swd;
    row.swdx = state_.threshold;
    row.fc = plan_.fc_mm;
    row.pwp = plan_.pwp_mm;
    row.swc = plan_.fc_mm - state_.swd;
    row.ytd = plan_.fc_mm - state_.threshold;
    sink_(row);
  }

  const CropCoefficients& coefficients_;
  const IrrigationThresholds& thresholds_;
  const YearDayTable& table_;
  Reporter& reporter_;
  const DailyRowSink& sink_;
  CropPlan plan_;
  SoilState state_;
  CropSums sums_;
};

}  // namespace

float BareSoilDepletionLimit(const CropRow& row) {
  return row.available_water * kBareSoilDepthMm * row.allowable_depletion_pct * 0.01f;
}

CropSums RunSoilWaterBalance(const CropRow& row, const CropCoefficients& coefficients,
                             const IrrigationThresholds& thresholds, const YearDayTable& table,
                             Reporter& reporter, const DailyRowSink& sink,
                             const BalanceRules& rules) {
  return CropBalance(row, coefficients, thresholds, table, reporter, sink, rules).Run();
}

}  // namespace kelvaro
