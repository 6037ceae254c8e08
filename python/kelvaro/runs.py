"""Runs of a study area, as the run dialog and ``kelvaro-cli run`` start them."""

import os

from . import _core


class RunRefused(ValueError):
    """A run the checks refused before anything was written.

    ``field`` names the first field refused (input, folder, station, latitude, elevation, sa,
    years or fetch), ``problems`` lists every kelvaro.Problem, ``outcome`` is the RunOutcome.
    """

    def __init__(self, outcome):
        self.outcome = outcome
        self.problems = list(outcome.problems)
        self.field = self.problems[0].field if self.problems else None
        text = "; ".join(f"{p.field}: {p.message}" for p in self.problems)
        super().__init__(text or "the run was refused")


class RunFailed(RuntimeError):
    """A run that started and failed; the folder keeps what it held before it."""

    def __init__(self, outcome):
        self.outcome = outcome
        super().__init__("\n".join(list(outcome.failures) + ([outcome.error] if outcome.error
                                                             else [])) or "the run failed")


def _text(value):
    return "" if value is None else str(value)


def run(folder, input, station, sa, *, latitude=None, elevation=None, years=None, fetch=None,
        jobs=0, wait=False):
    """Runs a study area from one input file and returns its kelvaro.RunOutcome.

    ``input`` is the input kind, the input file's extension (day, mon, det, ...); the file is
    STATION.INPUT in ``folder``, the crops those of the study area ``sa``'s crop file there.
    ``latitude`` and ``elevation`` left out are taken from the input file's station line;
    ``years`` (simulated years) and ``fetch`` (pan fetch, m) where the kind needs them. Values
    are given as they would be typed. ``jobs`` threads run the crops (0: one per core);
    ``wait`` waits for another run of the folder instead of refusing.

    The GIL is released while the run goes on. Raises RunRefused (naming the field) when the
    checks refuse the run, RunFailed when an operation fails; the outcome's ``warnings``,
    ``crops`` and ``files_written`` tell what a run that was done gave.
    """
    outcome = _core.run_study_area(os.fspath(folder), _text(input), _text(station), _text(sa),
                                   _text(latitude), _text(elevation), _text(years),
                                   _text(fetch), int(jobs), bool(wait))
    if outcome.status == "refused":
        raise RunRefused(outcome)
    if outcome.status != "done":
        raise RunFailed(outcome)
    return outcome


def run_frames(outcome, folder, *, missing_as_nan=False):
    """The files a run wrote, each read as a DataFrame by read_table: {file name: DataFrame}."""
    from .frames import read_table

    return {name: read_table(os.path.join(os.fspath(folder), name), missing_as_nan=missing_as_nan)
            for name in outcome.files_written}
