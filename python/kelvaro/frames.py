"""Files of the program as pandas DataFrames, and DataFrames written back as input files."""

import os
import re

import numpy as np

from . import _core

_UNIT = re.compile(r"^(.*\S)\s*\(([^()]*)\)$")
_DAILY_COLUMNS = ["Year", "Mon", "Day", "DOY", "Solar", "TMax", "TMin", "Wind", "Td", "Pcp"]
_MONTHLY_COLUMNS = ["Mon", "Solar", "TMax", "TMin", "Wind", "Td", "Pcp", "NRD", "Pan"]
MISSING = -999.0


def _name_and_unit(column):
    match = _UNIT.match(column)
    return (match.group(1), match.group(2)) if match else (column, "")


def _typed(cells):
    import pandas as pd

    values = pd.to_numeric(pd.Series(cells).replace("", np.nan), errors="coerce")
    whole = all("." not in c and "e" not in c.lower() for c in cells if c)
    if whole and values.notna().all():
        return values.astype("int64")
    return values.astype("float64")


def read_table(path, *, missing_as_nan=False):
    """Any file the program reads or writes as a DataFrame.

    Columns are named by the file's header lines as the layouts give them (Year, Mon, Solar,
    ...); their units are in ``df.attrs["units"]``, the first three lines as they are in
    ``df.attrs["header_lines"]`` (the writers put them back) and a title line (station or crop)
    in ``df.attrs["title"]``. Columns of whole numbers are int64, other number columns float64,
    others text. ``missing_as_nan`` turns -999 into NaN in the float columns.
    """
    import pandas as pd

    table = _core.read_table(os.fspath(path))
    names, units = zip(*[_name_and_unit(c) for c in table["columns"]]) if table["columns"] else ((), ())
    data = {}
    for index, name in enumerate(names):
        cells = [row[index] for row in table["rows"]]
        key = name if name not in data else f"{name}.{index}"
        data[key] = _typed(cells) if table["numeric"][index] else pd.Series(cells, dtype=object)
    frame = pd.DataFrame(data)
    if missing_as_nan:
        for column in frame.columns:
            if frame[column].dtype == np.float64:
                frame[column] = frame[column].mask(frame[column] == MISSING)
    frame.attrs.update(name=table["name"], title=table["title"], units=dict(zip(frame.columns, units)),
                       header_lines=list(table["header_lines"]), missing_as_nan=missing_as_nan)
    return frame


def _columns(frame, required, optional=()):
    missing = [c for c in required if c not in frame.columns]
    if missing:
        raise KeyError(f"the DataFrame has no column {', '.join(missing)}; "
                       f"it needs {', '.join(required)}")
    return [c for c in list(required) + list(optional) if c in frame.columns]


def _arrays(frame, names, nan_as_missing):
    arrays = {}
    for name in names:
        values = frame[name].to_numpy()
        if nan_as_missing and values.dtype.kind == "f":
            values = np.where(np.isnan(values), MISSING, values)
        arrays[name] = values
    return arrays


def _header(frame, station, latitude, elevation):
    if station is not None:
        if latitude is None or elevation is None:
            raise TypeError("a station needs its latitude and elevation")
        return [], str(station), str(latitude), str(elevation)
    lines = frame.attrs.get("header_lines")
    if not lines:
        raise TypeError("give station, latitude and elevation for a DataFrame not read from a file")
    return list(lines), "", "", ""


def _nan_as_missing(frame, nan_as_missing):
    return frame.attrs.get("missing_as_nan", False) if nan_as_missing is None else nan_as_missing


def write_daily_weather(frame, path, *, station=None, latitude=None, elevation=None,
                        nan_as_missing=None):
    """Writes a DataFrame as a daily weather file (the .day layout), whole or not at all.

    Needs the columns Year, Mon, Day, DOY, Solar, TMax, TMin, Wind, Td and Pcp. The first three
    lines are the frame's own (``attrs["header_lines"]`` of read_table) or, given ``station``,
    ``latitude`` and ``elevation``, a station line and the layout's column lines. Every row is
    held to the checks a run makes (calendar, order, physical bounds) before anything is
    written. NaN is written as -999 when ``nan_as_missing`` (by default: when the frame was read
    with missing_as_nan), and refused otherwise.
    """
    names = _columns(frame, _DAILY_COLUMNS)
    header, station, latitude, elevation = _header(frame, station, latitude, elevation)
    _core.write_daily_weather(os.fspath(path),
                              _arrays(frame, names, _nan_as_missing(frame, nan_as_missing)),
                              header, station, latitude, elevation)


def write_monthly_means(frame, path, *, station=None, latitude=None, elevation=None,
                        nan_as_missing=None):
    """Writes a DataFrame of twelve months as a monthly means file (the .mon layout; with an ETo
    column the layout of the ETo-bearing kinds), whole or not at all.

    Needs the columns Mon, Solar, TMax, TMin, Wind, Td, Pcp, NRD and Pan (ETo optional); header
    lines and missing values as write_daily_weather.
    """
    names = _columns(frame, _MONTHLY_COLUMNS, ["ETo"])
    header, station, latitude, elevation = _header(frame, station, latitude, elevation)
    _core.write_monthly_means(os.fspath(path),
                              _arrays(frame, names, _nan_as_missing(frame, nan_as_missing)),
                              header, station, latitude, elevation)
