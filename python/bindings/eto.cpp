#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <vector>

#include "bindings.h"
#include "eto/daily_eto_columns.h"
#include "numpy_columns.h"
#include "weatherio/calendar.h"

namespace py = pybind11;

namespace kelvaro::python {
namespace {

// The columns a Python caller gave, converted and checked for length against DOY.
struct WeatherArrays {
  std::vector<int> doy;
  std::vector<float> solar, tmax, tmin, wind, td, pcp;

  void Add(std::vector<float>& column, const py::handle& values, const char* name) {
    column = FloatColumn(values, name);
    CheckSameLength(column.size(), name, doy.size(), "doy");
  }
  DailyWeatherColumns View() const { return {doy, solar, tmax, tmin, wind, td, pcp}; }
};

py::array_t<float> PenmanMonteith(const py::handle& doy, const py::handle& solar,
                                  const py::handle& tmax, const py::handle& tmin,
                                  const py::handle& wind, const py::handle& td,
                                  const py::handle& pcp, const py::handle& latitude,
                                  const py::handle& elevation) {
  WeatherArrays arrays;
  arrays.doy = IntColumn(doy, "doy");
  arrays.Add(arrays.solar, solar, "solar");
  arrays.Add(arrays.tmax, tmax, "tmax");
  arrays.Add(arrays.tmin, tmin, "tmin");
  arrays.Add(arrays.wind, wind, "wind");
  arrays.Add(arrays.td, td, "td");
  if (!pcp.is_none()) arrays.Add(arrays.pcp, pcp, "pcp");
  const float latitude_deg = FiniteNumber(latitude, "latitude");
  const float elevation_m = FiniteNumber(elevation, "elevation");
  std::vector<float> eto(arrays.doy.size());
  {
    py::gil_scoped_release release;
    DailyPenmanMonteithEto(arrays.View(), latitude_deg, elevation_m, eto);
  }
  return FloatArray(eto);
}

py::array_t<float> Hargreaves(const py::handle& doy, const py::handle& tmax, const py::handle& tmin,
                              const py::handle& latitude) {
  WeatherArrays arrays;
  arrays.doy = IntColumn(doy, "doy");
  arrays.Add(arrays.tmax, tmax, "tmax");
  arrays.Add(arrays.tmin, tmin, "tmin");
  const float latitude_deg = FiniteNumber(latitude, "latitude");
  std::vector<float> eto(arrays.doy.size());
  {
    py::gil_scoped_release release;
    DailyHargreavesEto(arrays.View(), latitude_deg, eto);
  }
  return FloatArray(eto);
}

// Day of year of every date, by the program's calendar (every fourth year a leap year).
py::array_t<int> DaysOfYear(const py::handle& year, const py::handle& month,
                            const py::handle& day) {
  const std::vector<int> years = IntColumn(year, "year");
  const std::vector<int> months = IntColumn(month, "month");
  const std::vector<int> days = IntColumn(day, "day");
  CheckSameLength(months.size(), "month", years.size(), "year");
  CheckSameLength(days.size(), "day", years.size(), "year");
  py::array_t<int> doy(static_cast<py::ssize_t>(years.size()));
  int* out = doy.mutable_data();
  for (size_t i = 0; i < years.size(); ++i) out[i] = DayOfYear(months[i], days[i], years[i]);
  return doy;
}

}  // namespace

void AddEto(py::module_& module) {
  module.def("penman_monteith_eto", &PenmanMonteith, py::arg("doy"), py::arg("solar"),
             py::arg("tmax"), py::arg("tmin"), py::arg("wind"), py::arg("td"), py::arg("pcp"),
             py::arg("latitude"), py::arg("elevation"),
             "Daily Penman-Monteith ETo (mm, float32) as the .eto file holds it.");
  module.def("hargreaves_eto", &Hargreaves, py::arg("doy"), py::arg("tmax"), py::arg("tmin"),
             py::arg("latitude"), "Daily Hargreaves-Samani ETo (mm, float32).");
  module.def("day_of_year", &DaysOfYear, py::arg("year"), py::arg("month"), py::arg("day"),
             "Day of year of each date by the program's calendar.");
}

}  // namespace kelvaro::python
