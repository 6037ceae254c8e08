"""Daily reference evapotranspiration on numpy arrays."""

import numpy as np

from . import _core


def day_of_year(dates):
    """Day of year (int array) of each date, by the program's calendar.

    ``dates`` is anything pandas reads as dates (numpy datetime64, strings, Timestamps). The
    program counts every year divisible by four as a leap year, with no century rule.
    """
    import pandas as pd

    try:
        index = pd.DatetimeIndex(np.atleast_1d(np.asarray(dates)))
    except (TypeError, ValueError) as error:
        raise TypeError(f"dates should be dates: {error}") from None
    if index.hasnans:
        raise ValueError("dates holds a missing date (NaT)")
    return _core.day_of_year(index.year.to_numpy(), index.month.to_numpy(), index.day.to_numpy())


def _days(doy, dates):
    if (doy is None) == (dates is None):
        raise TypeError("give either doy or dates")
    return day_of_year(dates) if dates is not None else doy


def penman_monteith_eto(solar, tmax, tmin, wind, td, *, latitude, elevation, doy=None, dates=None,
                        pcp=None):
    """Daily Penman-Monteith grass reference ETo, mm per day, as a float32 array.

    The values are those the daily ETo operation writes to the ``.eto`` file of measured daily
    weather: single precision as the core computes them, TMax raised to TMin where it is lower,
    -999 where an input is -999 (missing). Give the rain ``pcp`` as well to have -999 on the
    days whose Pcp is missing too, as in the file.

    Parameters: one-dimensional arrays of equal length, Solar in MJ/m^2 per day, TMax, TMin and
    the dew point Td in oC, Wind in m/s at 2 m; the days as ``doy`` (1..366) or ``dates``;
    ``latitude`` in decimal degrees and ``elevation`` in metres.

    Raises TypeError for arrays that are not numbers, ValueError for arrays of different
    lengths, NaN or infinity, and kelvaro.InputError (a ValueError) for a Solar above the day's
    extraterrestrial radiation.
    """
    return _core.penman_monteith_eto(_days(doy, dates), solar, tmax, tmin, wind, td, pcp,
                                     latitude, elevation)


def hargreaves_eto(tmax, tmin, *, latitude, doy=None, dates=None):
    """Daily Hargreaves-Samani reference ETo, mm per day, as a float32 array.

    The temperature operations' daily value: 0.0023 Ra (Tmean + 17.8) sqrt(TMax - TMin) / 2.45,
    0 where it would be negative or TMax is below TMin, -999 where TMax or TMin is -999.
    Arguments and errors as penman_monteith_eto.
    """
    return _core.hargreaves_eto(_days(doy, dates), tmax, tmin, latitude)
