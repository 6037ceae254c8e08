#include "balance/crop_coefficients.h"

#include <algorithm>
#include <vector>

#include "balance/bare_soil_evaporation.h"
#include "balance/crop_knots.h"

namespace kelvaro {
namespace {

using Series = YearDayTable::Series;

constexpr float kMaxInitialKc = 2.0f;
constexpr float kKcCapInSeason = 1.15f;
constexpr float kKcCapOffSeason = 1.05f;
constexpr float kCoverCropMinimumKc = 0.9f;

struct YearStart {
  float mean_okc = 0.0f;
  float mean_eto_mm = 0.0f;
};

// Mean OKc and ETo from planting to the end of the initial window (B, or B + 10 for the
// classes with cover); slots past 366 run into the next year.
YearStart InitialWindowMeans(const YearDayTable& table, int year, const StageDays& days,
                             int crop_class) {
  const int window_end = crop_class >= 3 ? days.b + 10 : days.b;
  const int count = window_end - days.planting + 1;
  if (count <= 0) return {};
  float okc_sum = 0.0f;
  float eto_sum = 0.0f;
  for (int slot = days.planting; slot <= window_end; ++slot) {
    okc_sum += table.Get(Series::kOKc, year, slot);
    eto_sum += table.Get(Series::kETo, year, slot);
  }
  return {okc_sum / count, eto_sum / count};
}

// Mean coefficient of a soil wetted every `frequency_days` under the year's initial ETo.
float WettingKc(int frequency_days, float mean_eto_mm) {
  const float demand = frequency_days * mean_eto_mm;
  if (demand == 0.0f) return 0.0f;
  const float potential = EvaporationFactor(mean_eto_mm) * demand;
  return CumulativeEvaporation(potential) / demand;
}

float InitialKc(const CropRow& row, const std::vector<YearStart>& starts) {
  if (row.stage_pct[0] == 1) return row.kc[0];  // e.g. rice, flooded from planting
  float smallest = starts.empty() ? 0.0f : starts.front().mean_okc;
  for (const auto& start : starts) smallest = std::min(smallest, start.mean_okc);
  return std::min(smallest, kMaxInitialKc);
}

// Piecewise-linear curve through the knots from L to M; the tail of a season past the year's
// end is written into the early days of the same year.
void WriteCurve(YearDayTable& table, int year, const StageDays& s, const Knots& k) {
  const int year_days = table.FoldLength(year);
  float value = 0.0f;
  for (int f = s.planting; f <= s.ending; ++f) {
    if (f <= s.b) {
      value = k.b;
    } else if (f <= s.c) {
      value += (k.c - k.b) / static_cast<float>(s.c - s.b);
    } else if (f <= s.d) {
      value += (k.d - k.c) / static_cast<float>(s.d - s.c);
    } else {
      value += (k.e - k.d) / static_cast<float>(s.ending - s.d);
    }
    table.Set(Series::kIKc, year, f > year_days ? f - year_days : f, value);
  }
  if (table.DaysInYear(year) == 366)
    table.Set(Series::kIKc, year, 366, table.Get(Series::kIKc, year, 365));
}

std::array<float, 367> CoverCropIncrement(const CropRow& row) {
  const auto& doy = row.cover_crop_doy;
  std::array<float, 367> cckc{};
  for (int d = 1; d <= 366; ++d) {
    const bool covered = (doy[0] < d && d < doy[1]) || (doy[2] < d && d < doy[3]);
    cckc[static_cast<size_t>(d)] = covered ? kCoverCropKc : 0.0f;
  }
  return cckc;
}

float AppliedKc(const CropRow& row, float okc, float ikc, float cckc, int doy) {
  const int crop_class = row.CropClass();
  float k = CoverCappedKc(okc, ikc, cckc, crop_class);
  if (crop_class >= 3 && cckc == kCoverCropKc && k < kCoverCropMinimumKc) {
    k = kCoverCropMinimumKc;
  }
  if (crop_class == 3 && row.stress_begin_doy < doy && doy < row.stress_end_doy) k *= row.ks;
  return k;
}

void WriteAppliedKc(const CropRow& row, const std::array<float, 367>& cckc, YearDayTable& table) {
  for (int year = 1; year <= table.year_count(); ++year) {
    for (int d = 1; d <= table.DaysInYear(year); ++d) {
      const float k = AppliedKc(row, table.Get(Series::kOKc, year, d),
                                table.Get(Series::kIKc, year, d), cckc[static_cast<size_t>(d)], d);
      table.Set(Series::kKc, year, d, k);
    }
  }
}

}  // namespace

float CoverCappedKc(float okc, float ikc, float cckc, int crop_class) {
  const float k = std::max(okc, ikc);
  if (crop_class < 3) return k;
  return std::min(k + cckc, ikc != 0.0f ? kKcCapInSeason : kKcCapOffSeason);
}

CropCoefficients BuildCropCoefficients(const CropRow& row, YearDayTable& table, float pi) {
  CropCoefficients result;
  result.stages = SeasonStageDays(row);
  const StageDays& days = result.stages;
  const int crop_class = row.CropClass();

  std::vector<YearStart> starts;
  for (int year = 1; year <= table.year_count(); ++year) {
    starts.push_back(InitialWindowMeans(table, year, days, crop_class));
  }
  const float initial_kc = InitialKc(row, starts);

  table.Clear(Series::kIKc);
  table.Clear(Series::kKc);
  for (int year = 1; year <= table.year_count(); ++year) {
    KnotInputs inputs{initial_kc, 0.0f, pi};
    if (crop_class == 1) {
      inputs.wetting_kc = WettingKc(WettingFrequencyDays(row), starts[year - 1].mean_eto_mm);
    }
    WriteCurve(table, year, days, CropKnots(row, inputs));
  }
  result.cckc = CoverCropIncrement(row);
  WriteAppliedKc(row, result.cckc, table);
  return result;
}

}  // namespace kelvaro
