import threading
import time

import numpy as np
import pytest

import kelvaro
from conftest import listing

MARICOPA = dict(latitude=33.07, elevation=361)


def test_penman_monteith_equals_the_cli_eto_file_value_for_value(examples, cli):
    folder = examples()
    cli("run", "--input", "day", "--station", "MARIC", "--sa", "1", "--dir", str(folder))
    day = kelvaro.read_table(folder / "MARIC.day")
    eto = kelvaro.penman_monteith_eto(day.Solar, day.TMax, day.TMin, day.Wind, day.Td,
                                      pcp=day.Pcp, doy=day.DOY, **MARICOPA)
    assert eto.dtype == np.float32 and len(eto) == len(day) > 300
    written = (folder / "MARIC.eto").read_text().splitlines()[3:]
    assert ["%8.2f" % v for v in eto] == [line.split(",")[-1] for line in written]
    dates = [f"{y}-{m:02d}-{d:02d}" for y, m, d in zip(day.Year, day.Mon, day.Day)]
    same = kelvaro.penman_monteith_eto(day.Solar, day.TMax, day.TMin, day.Wind, day.Td,
                                       pcp=day.Pcp, dates=dates, **MARICOPA)
    assert np.array_equal(same, eto)
    hargreaves = kelvaro.hargreaves_eto(day.TMax, day.TMin, doy=day.DOY, latitude=33.07)
    assert 0 < hargreaves.mean() < 10 and hargreaves.dtype == np.float32


def test_a_run_from_python_writes_what_the_cli_writes(examples, cli):
    by_cli, by_python = examples("cli"), examples("python")
    cli("run", "--input", "day", "--station", "MARIC", "--sa", "1", "--dir", str(by_cli))
    outcome = kelvaro.run(by_python, "day", "MARIC", 1)
    assert outcome.status == "done" and outcome.crops and outcome.files_written
    cli_files, python_files = listing(by_cli), listing(by_python)
    assert cli_files.keys() == python_files.keys()
    for name in cli_files:
        if not name.endswith(".kvrun"):  # the run's record says when it ran
            assert python_files[name] == cli_files[name], name
    frames = kelvaro.run_frames(outcome, by_python)
    assert frames["SumofETAWforSA00001.saw"].Crop.tolist() == [c.name for c in outcome.crops]
    budget = kelvaro.water_budget(by_python, 1)
    assert budget.number.iloc[-1] == 0 and budget.volume.iloc[-1] > 0


def test_files_read_and_written_back_are_the_same_bytes(examples):
    folder = examples()
    (folder / "MARIC.mon").unlink()
    (folder / "MARIC.day").rename(folder / "MARIC.dmn")
    kelvaro.run(folder, "dmn", "MARIC", 1, years=2)  # the monthly means are a result of it
    (folder / "MARIC.dmn").rename(folder / "MARIC.day")
    for name, write in (("MARIC.day", kelvaro.write_daily_weather),
                        ("MARIC.mon", kelvaro.write_monthly_means)):
        frame = kelvaro.read_table(folder / name, missing_as_nan=True)
        write(frame, folder / ("copy-" + name))
        assert (folder / ("copy-" + name)).read_bytes() == (folder / name).read_bytes()
    crops = kelvaro.crop_rows(folder, 1)
    before = (folder / "SA00001.csv").read_bytes()
    kelvaro.write_crop_rows(crops, folder, 1)
    assert (folder / "SA00001.csv").read_bytes() == before


def test_a_refused_run_names_the_field_and_writes_nothing(examples):
    folder = examples()
    before = listing(folder)
    with pytest.raises(kelvaro.RunRefused) as refused:
        kelvaro.run(folder, "day", "MARIC", 1, latitude=95)
    assert refused.value.field == "latitude"
    assert "Latitude should be between -90 and 90 degrees" in str(refused.value)
    assert isinstance(refused.value, ValueError)
    with pytest.raises(kelvaro.RunRefused) as no_folder:
        kelvaro.run(folder / "nowhere", "day", "MARIC", 1)
    assert no_folder.value.field == "folder"
    assert listing(folder) == before


def ticks_while(work):
    """How many 1 ms sleeps another thread makes while `work` runs in a thread of its own."""
    results = []
    worker = threading.Thread(target=lambda: results.append(work()))
    ticks = 0
    worker.start()
    while worker.is_alive():
        time.sleep(0.001)
        ticks += 1
    return results[0], ticks


def test_long_computations_and_runs_let_other_threads_run(examples):
    days = 1_000_000
    doy = np.tile(np.arange(1, 366), days // 365 + 1)[:days]
    args = [np.full(days, v, dtype=np.float32) for v in (10.0, 30.0, 15.0, 2.0, 8.0)]
    eto, ticks = ticks_while(lambda: kelvaro.penman_monteith_eto(*args, doy=doy, **MARICOPA))
    assert len(eto) == days and ticks >= 20
    outcome, ticks = ticks_while(lambda: kelvaro.run(examples(), "day", "MARIC", 1, jobs=1))
    assert len(outcome.crops) == 6 and ticks >= 20


def test_bad_input_raises_clear_exceptions_and_writes_nothing(examples, tmp_path):
    ones = np.ones(3)
    pm = lambda **changed: kelvaro.penman_monteith_eto(
        **{**dict(solar=ones, tmax=ones, tmin=ones, wind=ones, td=ones, doy=[1, 2, 3]),
           **changed}, **MARICOPA)
    with pytest.raises(ValueError, match="tmax holds 2 values where doy holds 3"):
        pm(tmax=np.ones(2))
    with pytest.raises(ValueError, match=r"wind\[1\] is NaN"):
        pm(wind=np.array([1.0, np.nan, 1.0]))
    with pytest.raises(ValueError, match=r"td\[2\] is infinite"):
        pm(td=np.array([1.0, 1.0, np.inf]))
    with pytest.raises(TypeError, match="solar has dtype"):
        pm(solar=np.array(["a", "b", "c"]))
    with pytest.raises(kelvaro.InputError, match="day 1: Solar 300"):
        pm(solar=np.array([300.0, 1.0, 1.0]))
    folder = examples()
    before = listing(folder)
    frame = kelvaro.read_table(folder / "MARIC.day")
    with pytest.raises(KeyError, match="Solar"):
        kelvaro.write_daily_weather(frame.drop(columns="Solar"), folder / "X.day")
    frame.loc[5, "TMax"] = np.nan
    with pytest.raises(ValueError, match="TMax"):
        kelvaro.write_daily_weather(frame, folder / "X.day")
    frame.loc[5, "TMax"] = 95.0
    with pytest.raises(ValueError, match="row 5"):
        kelvaro.write_daily_weather(frame, folder / "X.day")
    with pytest.raises(ValueError, match="does not exist"):
        kelvaro.read_table(tmp_path / "nowhere" / "MARIC.day")
    with pytest.raises(ValueError, match="does not exist"):
        kelvaro.crop_rows(tmp_path / "nowhere", 1)
    assert listing(folder) == before


def test_crops_are_added_and_removed_with_the_entry_checks(examples):
    folder = examples()
    catalogue = kelvaro.crop_catalogue()
    assert len(catalogue) == 65 and "Tomato" in set(catalogue.crop)
    count = len(kelvaro.crop_rows(folder, 1))
    row = kelvaro.add_crop(folder, 1, "tomato", 40, depletion=45)
    assert row["area_ha"] == 40 and len(kelvaro.crop_rows(folder, 1)) == count + 1
    with pytest.raises(kelvaro.CropRefused, match="Allowable depletion"):
        kelvaro.add_crop(folder, 1, "Tomato", 40, depletion=500)
    with pytest.raises(ValueError, match="does not apply"):
        kelvaro.add_crop(folder, 1, "Tomato", 40, stress=0.5)
    assert kelvaro.remove_crop(folder, 1, count + 1) == row["name"]
    assert len(kelvaro.crop_rows(folder, 1)) == count


def test_generator_check_writes_the_command_lines_file(examples, cli):
    ours, theirs = examples("ours"), examples("theirs")
    frame = kelvaro.generator_check(ours, "MARIC", years=2)
    cli("generator-check", "--station", "MARIC", "--years", "2", "--dir", str(theirs))
    assert listing(ours) == listing(theirs)
    assert "ETo" in set(frame.variable) and len(frame.attrs["verdicts"]) > 0
    assert set(frame.month) == set(range(13))
