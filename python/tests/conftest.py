import os
import shutil
import subprocess

import pytest

EXAMPLES = os.environ.get("KELVARO_EXAMPLES",
                          os.path.join(os.path.dirname(__file__), "..", "..", "data", "examples"))
CLI = os.environ.get("KELVARO_CLI", "kelvaro-cli")


@pytest.fixture
def examples(tmp_path):
    """A folder holding the bundled Maricopa examples (MARIC.day, MARIC.mon, SA00001.csv)."""
    def copy(name="data"):
        folder = tmp_path / name
        shutil.copytree(EXAMPLES, folder)
        return folder
    return copy


@pytest.fixture
def cli():
    def run(*args):
        return subprocess.run([CLI, *args], check=True, capture_output=True, text=True)
    return run


def listing(folder):
    """Every file of a folder with its bytes."""
    return {p.name: p.read_bytes() for p in sorted(folder.iterdir()) if p.is_file()}
