#include "weatherio/errors.h"

#include <pybind11/pybind11.h>

#include <filesystem>
#include <system_error>

#include "bindings.h"

namespace py = pybind11;

namespace kelvaro::python {

void CheckFolder(const std::filesystem::path& folder) {
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    throw py::value_error("The folder " + folder.string() + " does not exist");
  }
}

// The core's refusals of input become ValueErrors carrying its message; a folder another
// command holds is one of them.
void AddErrors(py::module_& module) {
  py::register_exception<InputError>(module, "InputError", PyExc_ValueError);
  py::register_exception<ConversionError>(module, "ConversionError", PyExc_ValueError);
  const auto input_error = module.attr("InputError");
  py::register_exception<FolderRefusal>(module, "FolderBusy", input_error);
  module.attr("InputError").attr("__doc__") =
      "Input the core refuses (a file, line or value it cannot use); the message says why.";
  module.attr("ConversionError").attr("__doc__") =
      "A text that does not convert to a number; the message quotes it and says where.";
  module.attr("FolderBusy").attr("__doc__") =
      "Another command holds the data folder, or the folder cannot safely be written.";
}

}  // namespace kelvaro::python
