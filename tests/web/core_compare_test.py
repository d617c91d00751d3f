"""The WebAssembly core under Node and the native core print the same text for the same random
inputs: whole calculations from random input texts, and the display rule on random doubles."""
import os
import random
import struct
import subprocess
import sys
import unittest

import browser

CASES = int(os.environ.get("SOLVANIX_WEB_RANDOM_CASES", "100000"))


def number_text(rng):
    kind = rng.randrange(6)
    if kind == 0:
        return str(rng.randrange(1, 100000))
    if kind == 1:
        return "%.*f" % (rng.randrange(1, 4), rng.uniform(0, 100))
    if kind == 2:
        return "%de%d" % (rng.randrange(1, 99), rng.randrange(-5, 5))
    if kind == 3:
        return rng.choice(["", "abc", "2,5", "&H10", "&O17", " 1 2", "-3", ".5", "1d2", "0"])
    if kind == 4:
        return "%.17g" % rng.uniform(0, 50)
    return str(rng.randrange(1, 30)) + "." + str(rng.randrange(0, 100))


def lines(count, seed=20260):
    rng = random.Random(seed)
    items = [["2", "3", ""], ["XGA", "SXGA+", "HD", "", "Q"], ["16", "32", "64", "128", "256", "0"],
             ["0.67", "0.73", "0.8", "1.2", "1.4", "1.5", "1.8", "2", "2.6", "2.8", "4.1", "4.5",
              "6.9", "7.5", "10.4", "11.2", "0"]]
    out = []
    for _ in range(count):
        if rng.random() < 0.5:
            fields = [number_text(rng), number_text(rng)] + [rng.choice(i) for i in items]
            out.append("C\t" + "\t".join(fields))
        else:
            if rng.random() < 0.5:
                bits = rng.getrandbits(64)
            else:
                value = round(rng.uniform(-1e6, 1e6), rng.randrange(0, 4)) / rng.choice([1, 3, 7])
                bits = struct.unpack("<Q", struct.pack("<d", value))[0]
            out.append("N\t%016x" % bits)
    return "\n".join(out) + "\n"


class CoreCompare(unittest.TestCase):
    def test_wasm_and_native_print_the_same(self):
        given = lines(CASES)
        native = subprocess.run([os.path.join(browser.NATIVE, "tests", "web",
                                              "solvanix_core_printer")],
                                input=given, capture_output=True, text=True, check=True).stdout
        wasm = subprocess.run(["node", os.path.join(browser.BUILD, "tests", "web",
                                                    "solvanix_core_printer.js")],
                              input=given, capture_output=True, text=True, check=True).stdout
        native_lines, wasm_lines = native.splitlines(), wasm.splitlines()
        self.assertEqual(len(native_lines), CASES)
        self.assertEqual(len(wasm_lines), CASES)
        differing = [(g, n, w) for g, n, w in zip(given.splitlines(), native_lines, wasm_lines)
                     if n != w]
        self.assertEqual(differing[:5], [])
        # Every kind of outcome was reached.
        for outcome in ("!failure", "!warning", "E+", "E-", ","):
            self.assertIn(outcome, native)
        print("%d random cases compared" % CASES, file=sys.stderr)


if __name__ == "__main__":
    unittest.main(verbosity=2)
