"""Turns the carried pictures into byte arrays the program links in.

Each file resources/NAME.EXT becomes `kNAME` (NAME in CamelCase) with its size,
declared in resources/embedded_pictures.h.
"""
import os
import sys


def symbol(path):
    stem = os.path.splitext(os.path.basename(path))[0]
    return "k" + "".join(part[:1].upper() + part[1:] for part in stem.replace("-", "_").split("_"))


def main():
    out, files = sys.argv[1], sorted(sys.argv[2:])
    os.makedirs(os.path.dirname(out), exist_ok=True)
    lines = ['#include "embedded_pictures.h"', ""]
    for path in files:
        data = open(path, "rb").read()
        name = symbol(path)
        lines.append("extern const unsigned char %s[] = {" % name)
        for i in range(0, len(data), 24):
            lines.append("  " + ",".join(str(b) for b in data[i:i + 24]) + ",")
        lines.append("};")
        lines.append("extern const unsigned int %sSize = %d;" % (name, len(data)))
        lines.append("")
    tmp = out + ".tmp"
    with open(tmp, "w") as f:
        f.write("\n".join(lines))
    os.replace(tmp, out)


if __name__ == "__main__":
    main()
