#include "numpy_columns.h"

#include <cmath>

namespace py = pybind11;

namespace kelvaro::python {
namespace {

// The array of `values`, refusing what is not one-dimensional numbers.
py::array NumericArray(const py::handle& values, const std::string& name) {
  py::array array;
  try {
    array = py::array::ensure(values);
  } catch (const py::error_already_set&) {
  }
  if (!array) throw py::type_error(name + " is not an array of numbers");
  const char kind = array.dtype().kind();
  if (kind != 'f' && kind != 'i' && kind != 'u') {
    throw py::type_error(name + " has dtype " + py::str(array.dtype()).cast<std::string>() +
                         "; it should hold numbers (int or float)");
  }
  if (array.ndim() != 1) {
    throw py::type_error(name + " has " + std::to_string(array.ndim()) +
                         " dimensions; it should have one");
  }
  return array;
}

template <typename T>
py::array_t<T, py::array::c_style | py::array::forcecast> AsArrayOf(const py::array& array) {
  return py::array_t<T, py::array::c_style | py::array::forcecast>::ensure(array);
}

void CheckFinite(double value, const std::string& name, size_t index) {
  if (!std::isfinite(value)) {
    throw py::value_error(name + "[" + std::to_string(index) + "] is " +
                          (std::isnan(value) ? "NaN" : "infinite") +
                          "; give -999 for a missing value");
  }
}

}  // namespace

std::vector<float> FloatColumn(const py::handle& values, const std::string& name) {
  const auto doubles = AsArrayOf<double>(NumericArray(values, name));
  std::vector<float> column(static_cast<size_t>(doubles.size()));
  const double* data = doubles.data();
  for (size_t i = 0; i < column.size(); ++i) {
    CheckFinite(data[i], name, i);
    column[i] = static_cast<float>(data[i]);
  }
  return column;
}

std::vector<int> IntColumn(const py::handle& values, const std::string& name) {
  const auto doubles = AsArrayOf<double>(NumericArray(values, name));
  std::vector<int> column(static_cast<size_t>(doubles.size()));
  const double* data = doubles.data();
  for (size_t i = 0; i < column.size(); ++i) {
    CheckFinite(data[i], name, i);
    if (data[i] != std::trunc(data[i]) || std::abs(data[i]) > 1e9) {
      throw py::value_error(name + "[" + std::to_string(i) + "] is " +
                            py::repr(py::float_(data[i])).cast<std::string>() +
                            "; it should be a whole number");
    }
    column[i] = static_cast<int>(data[i]);
  }
  return column;
}

float FiniteNumber(const py::handle& value, const std::string& name) {
  if (!py::isinstance<py::float_>(value) && !py::isinstance<py::int_>(value)) {
    const py::array array = py::array::ensure(value);
    if (!array || array.ndim() != 0 ||
        (array.dtype().kind() != 'f' && array.dtype().kind() != 'i')) {
      throw py::type_error(name + " should be a number");
    }
  }
  const double number = value.cast<double>();
  if (!std::isfinite(number)) throw py::value_error(name + " should be a finite number");
  return static_cast<float>(number);
}

void CheckSameLength(size_t length, const std::string& name, size_t expected,
                     const std::string& expected_name) {
  if (length == expected) return;
  throw py::value_error(name + " holds " + std::to_string(length) + " values where " +
                        expected_name + " holds " + std::to_string(expected));
}

py::array_t<float> FloatArray(const std::vector<float>& values) {
  py::array_t<float> array(static_cast<py::ssize_t>(values.size()));
  std::copy(values.begin(), values.end(), array.mutable_data());
  return array;
}

}  // namespace kelvaro::python
