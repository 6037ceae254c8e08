"""The crop catalogue and the crop rows of a study area."""

import datetime
import os

from . import _core

_CROP_COLUMNS = [
    "code", "name", "planting_doy", "ending_doy", "area_ha", "max_soil_depth_mm",
    "max_root_depth_mm", "allowable_depletion_pct", "available_water", "plant_available_water_mm",
    "yield_threshold_mm", "wetting_frequency_days", "ground_cover_b_pct", "ground_cover_c_pct",
    "ground_cover_d_pct", "ground_cover_e_pct", "cover_crop1_begin_doy", "cover_crop1_end_doy",
    "cover_crop2_begin_doy", "cover_crop2_end_doy", "stage_b_pct", "stage_c_pct", "stage_d_pct",
    "kc1", "kc2", "kc3", "ks", "stress_begin_doy", "stress_end_doy", "pre_irrigated",
    "row_marker",
]


class CropRefused(ValueError):
    """A crop the crop/soil entry refused; ``warnings`` lists every line of its warning."""

    def __init__(self, warnings):
        self.warnings = list(warnings)
        super().__init__("\n".join(self.warnings) or "the crop was refused")


def crop_catalogue():
    """The 65 crops of the catalogue as a DataFrame, in the crop list's order.

    ``crop`` is the name add_crop takes; the defaults (stages, Kc, season, rooting depth) are
    what choosing the crop fills in.
    """
    import pandas as pd

    return pd.DataFrame(_core.crop_catalogue())


def crop_rows(folder, sa):
    """The crop rows of study area ``sa``'s crop file in ``folder`` as a DataFrame, one row per
    crop in file order (crop number = index + 1). Every row is held to the crop file's rules;
    a row that breaks one raises kelvaro.InputError naming the file, line and crop."""
    import pandas as pd

    return pd.DataFrame(_core.crop_rows(os.fspath(folder), int(sa)), columns=_CROP_COLUMNS)


def _entry_text(value):
    if isinstance(value, (datetime.date, datetime.datetime)):
        return value.strftime("%Y-%m-%d")
    return str(value)


def add_crop(folder, sa, crop, area, **entries):
    """Appends a crop to study area ``sa``'s crop file in ``folder`` as ``kelvaro-cli crop add``
    does, through the same crop/soil entry and its checks; returns the row written as a dict.

    ``crop`` is a name of crop_catalogue() (any letter case), ``area`` the hectares planted.
    Further entries, each left out for the crop's or the form's default: plant, end (dates as
    YYYY-MM-DD, MM-DD or datetime.date), soil (L, M, H), max_soil, root (mm), depletion (%),
    wetting_frequency (days), pre_irrigated (Y, N), cover_b .. cover_e (%), cover1 and cover2
    ((begin, end) dates), stress (Ks), stress_begin, stress_end. An entry that does not apply to
    the crop's class raises ValueError; a refusal raises CropRefused with the form's warnings.
    """
    texts = {"area": _entry_text(area)}
    for name, value in entries.items():
        if value is None:
            continue
        if name in ("cover1", "cover2"):
            begin, end = value
            texts[name + "_begin"], texts[name + "_end"] = _entry_text(begin), _entry_text(end)
        else:
            texts[name] = _entry_text(value)
    if ("stress_begin" in texts or "stress_end" in texts) and "stress" not in texts:
        raise TypeError("stress_begin and stress_end need stress")
    result = _core.add_crop(os.fspath(folder), int(sa), str(crop), texts)
    if not result["written"]:
        raise CropRefused(result["warnings"])
    return result["row"]


def remove_crop(folder, sa, number):
    """Takes crop ``number`` (1 = the first row) out of study area ``sa``'s crop file, keeping
    every other line as it is; returns the crop's name."""
    return _core.remove_crop(os.fspath(folder), int(sa), int(number))


def _cell(value):
    if isinstance(value, float) and value.is_integer():
        return str(int(value))
    return str(value)


def write_crop_rows(frame, folder, sa):
    """Writes study area ``sa``'s crop file in ``folder`` whole from a DataFrame with the columns
    of crop_rows, every row held to the crop file's rules first (nothing is written when one
    breaks them); returns the file's path."""
    missing = [c for c in _CROP_COLUMNS if c not in frame.columns]
    if missing:
        raise KeyError(f"the DataFrame has no column {', '.join(missing)}")
    rows = [[_cell(v) for v in row] for row in frame[_CROP_COLUMNS].itertuples(index=False)]
    return _core.write_crop_rows(os.fspath(folder), int(sa), rows)
