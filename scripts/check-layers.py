#!/usr/bin/env python3
"""Fails when a program folder includes a header of a folder above it or beside it.

The floors, lowest first: resources and graphics; skin/core; skin/draw; skin/frame and
skin/controls side by side; skin/engine; editor and gallery side by side; bench and states. A file
may include headers of its own folder and of any lower floor. Every folder shares one
include root, so the compiler alone would let an upward include through.
"""
import os
import re
import subprocess
import sys

FLOORS = {
    "resources": 0,
    "graphics": 0,
    "skin/core": 1,
    "skin/draw": 2,
    "skin/frame": 3,
    "skin/controls": 3,
    "skin/engine": 4,
    "editor": 5,
    "gallery": 5,
    "bench": 6,
    "states": 6,
}
# Headers included by bare name, and the folder they belong to.
BARE = {"embedded_pictures.h": "resources"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def folder_of(path):
    """The program folder a file or header path belongs to, or None."""
    for folder in sorted(FLOORS, key=len, reverse=True):
        if path == folder or path.startswith(folder + "/"):
            return folder
    return None


def check(root, files):
    faults = []
    for name in files:
        home = folder_of(name)
        if home is None or not name.endswith((".h", ".cpp")):
            continue
        with open(os.path.join(root, name), encoding="utf-8") as source:
            for number, line in enumerate(source, 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                target = match.group(1)
                there = BARE.get(target) or folder_of(target)
                if there is None and os.path.exists(os.path.join(root, os.path.dirname(name), target)):
                    there = home  # a header beside the file
                if there is None:
                    faults.append(f"{name}:{number}: includes \"{target}\", which is no program folder's")
                elif there != home and FLOORS[there] >= FLOORS[home]:
                    faults.append(f"{name}:{number}: {home} includes \"{target}\" of {there}, not below it")
    return faults


def self_test():
    """The check itself: an upward, a sideways and a test-code include fail; the rest pass."""
    import tempfile
    cases = {
        "skin/draw/Low.h": ('#include "skin/core/SkinEngine.h"', True),
        "skin/draw/Up.cpp": ('#include "skin/frame/FrameOperations.h"', False),
        "skin/frame/Side.cpp": ('#include "skin/controls/ButtonSkin.h"', False),
        "gallery/Side.cpp": ('#include "editor/EditorForm.h"', False),
        "editor/Tests.cpp": ('#include "support/Pump.h"', False),
        "bench/Top.cpp": ('#include "gallery/GalleryWindow.h"\n#include "embedded_pictures.h"', True),
        "skin/core/Beside.cpp": ('#include "Beside.h"', True),
        "skin/core/Beside.h": ("", True),
    }
    with tempfile.TemporaryDirectory() as root:
        for name, (text, _) in cases.items():
            os.makedirs(os.path.join(root, os.path.dirname(name)), exist_ok=True)
            with open(os.path.join(root, name), "w", encoding="utf-8") as out:
                out.write(text + "\n")
        wrong = [name for name, (_, allowed) in cases.items() if (not check(root, [name])) != allowed]
    print("layers self-test:", "passed" if not wrong else f"wrong answer for {wrong}")
    return 1 if wrong else 0


def main():
    if sys.argv[1:] == ["--self-test"]:
        return self_test()
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    listed = subprocess.run(["git", "-C", root, "ls-files", "--cached", "--others", "--exclude-standard"],
                            capture_output=True, text=True, check=True).stdout.split()
    faults = check(root, listed)
    for fault in faults:
        print(fault)
    print(f"layers: {len(faults)} upward or sideways includes")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
