#include "bindings.h"

PYBIND11_MODULE(_core, module) {
  module.doc() = "The compiled part of kelvaro: the core's calls on Python's values.";
  module.attr("__version__") = KELVARO_VERSION;
  kelvaro::python::AddErrors(module);
  kelvaro::python::AddEto(module);
  kelvaro::python::AddRuns(module);
  kelvaro::python::AddTables(module);
  kelvaro::python::AddCrops(module);
  kelvaro::python::AddBudgets(module);
}
