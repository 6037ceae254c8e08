#pragma once

#include <pybind11/pybind11.h>

#include <filesystem>

namespace kelvaro::python {

// Each part of the module adds its functions and classes to it.
void AddErrors(pybind11::module_& module);
void AddEto(pybind11::module_& module);
void AddRuns(pybind11::module_& module);
void AddTables(pybind11::module_& module);
void AddCrops(pybind11::module_& module);
void AddBudgets(pybind11::module_& module);

// Raises ValueError naming `folder` when it is not a folder that exists.
void CheckFolder(const std::filesystem::path& folder);

}  // namespace kelvaro::python
