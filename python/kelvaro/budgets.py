"""The study area's water budget and the weather generator's check, as DataFrames."""

import os

from . import _core

_SPREADS = ("min", "p10", "p50", "p90", "max")


def water_budget(folder, sa, unit="m3"):
    """The water budget of study area ``sa`` from its last run's results in ``folder``.

    Returns a DataFrame with one row per crop and a last row for the study area (number 0):
    area (ha), ETAW and whole-year AETAW (mm), volume (``unit``: "mm", "m3" or "acre-ft") and
    irrigations per year, with the spread of the yearly ETAW and volume over the years (min,
    p10, p50, p90, max). ``df.attrs`` holds the years, the study area's annual volumes, the
    monthly delivery (DataFrame, empty without irrigation events) and the budget file written,
    as the report writes it. A study area without current results raises kelvaro.InputError.
    """
    import pandas as pd

    budget = _core.water_budget(os.fspath(folder), int(sa), str(unit))
    rows = []
    for line in budget["lines"]:
        row = {k: line[k] for k in ("number", "name", "area_ha", "etaw_mm", "aetaw_mm", "volume",
                                    "irrigations_per_year")}
        for name in ("etaw_mm_by_year", "volume_by_year"):
            for key in _SPREADS:
                row[f"{name.replace('_by_year', '')}_{key}"] = line[name][key]
        rows.append(row)
    frame = pd.DataFrame(rows)
    months = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec",
              "Year"]
    delivery = pd.DataFrame(
        [{"number": d["number"], "name": d["name"], "figure": figure, **dict(zip(months, d[figure]))}
         for d in budget["delivery"] for figure in ("mean", "p90")])
    frame.attrs.update(sa5=budget["sa5"], unit=budget["unit"], years=list(budget["years"]),
                       annual_volumes=list(budget["annual_volumes"]), delivery=delivery,
                       file=budget["file"])
    return frame


def generator_check(folder, station, *, years=30, latitude=None, elevation=None, means=None):
    """Compares the measured days STATION.day in ``folder`` with years generated from their
    monthly means (or the means file ``means``), as ``kelvaro-cli generator-check`` does, and
    writes the comparison's file there.

    Returns a DataFrame of the figures (variable, statistic, unit, month 1..12 or 0 for the
    year, measured, generated, difference, difference_pct); ``df.attrs`` holds the title, the
    verdicts and the file written.
    """
    import pandas as pd

    text = lambda value: "" if value is None else str(value)
    check = _core.generator_check(os.fspath(folder), str(station), text(latitude),
                                  text(elevation), str(years),
                                  None if means is None else os.fspath(means))
    frame = pd.DataFrame(check["figures"])
    frame.attrs.update(title=check["title"], verdicts=list(check["verdicts"]), file=check["file"])
    return frame
