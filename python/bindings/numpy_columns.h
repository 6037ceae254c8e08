#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <string>
#include <vector>

namespace kelvaro::python {

// A one-dimensional numpy array (or anything numpy turns into one) of real numbers, as the
// core's single-precision values. Raises TypeError for another dtype (text, objects, booleans,
// complex numbers) or shape, ValueError for NaN or infinity, naming `name` and the element.
std::vector<float> FloatColumn(const pybind11::handle& values, const std::string& name);

// Likewise of whole numbers (an integer dtype, or reals without a fraction).
std::vector<int> IntColumn(const pybind11::handle& values, const std::string& name);

// A finite real number given alone (latitude, elevation).
float FiniteNumber(const pybind11::handle& value, const std::string& name);

// Raises ValueError unless `length` is `expected`, naming both columns.
void CheckSameLength(size_t length, const std::string& name, size_t expected,
                     const std::string& expected_name);

// A new one-dimensional float32 array holding `values`.
pybind11::array_t<float> FloatArray(const std::vector<float>& values);

}  // namespace kelvaro::python
