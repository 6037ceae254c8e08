"""KELVARO from Python: reference evapotranspiration, crop water use and study-area runs.

The numbers are the program's own: every function calls the same compiled core as the desktop
program and ``kelvaro-cli``, so an ETo array equals the ``.eto`` file value for value and a run
writes the same files byte for byte.

Reference ET on numpy arrays
    penman_monteith_eto, hargreaves_eto, day_of_year
Runs of a study area
    run (returns a RunOutcome; a refusal raises RunRefused, a failure RunFailed), run_frames
Files as pandas DataFrames
    read_table, write_daily_weather, write_monthly_means
Crops
    crop_catalogue, crop_rows, add_crop, remove_crop, write_crop_rows
Water budget and the weather generator's check
    water_budget, generator_check

Errors are Python exceptions with the core's message texts: ValueError subclasses for input
that is refused (InputError, RunRefused, CropRefused), TypeError for a wrong kind of value.
Long computations release the GIL, so other Python threads go on while they run.
"""

from . import _core
from ._core import InputError, ConversionError, FolderBusy, RunOutcome, Problem, CropSummary
from .eto import penman_monteith_eto, hargreaves_eto, day_of_year
from .runs import RunRefused, RunFailed, run, run_frames
from .frames import read_table, write_daily_weather, write_monthly_means
from .crops import CropRefused, crop_catalogue, crop_rows, add_crop, remove_crop, write_crop_rows
from .budgets import water_budget, generator_check

__version__ = _core.__version__

__all__ = [
    "InputError", "ConversionError", "FolderBusy", "RunRefused", "RunFailed", "CropRefused",
    "RunOutcome", "Problem", "CropSummary",
    "penman_monteith_eto", "hargreaves_eto", "day_of_year",
    "run", "run_frames",
    "read_table", "write_daily_weather", "write_monthly_means",
    "crop_catalogue", "crop_rows", "add_crop", "remove_crop", "write_crop_rows",
    "water_budget", "generator_check",
]
