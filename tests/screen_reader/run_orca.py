"""Runs Orca and writes each thing it speaks to standard output as one line, as it speaks it.

Usage: python3 -u run_orca.py PREFERENCES_DIR [DEBUG_FILE]

Orca logs every utterance to its "speech" logger ("SPEECH OUTPUT: 'text'"); its own debug file
is block-buffered, so it is no use while Orca runs. This starts Orca as /usr/bin/orca does, minus
its search for other Orca processes of the same user: each run has its own D-Bus session, so
another user's screen reader is none of its business. With DEBUG_FILE, Orca's full debug output
(events included) goes there, line-buffered.
"""

import logging
import sys

from orca import debug


def main():
    if len(sys.argv) > 2:
        debug.debugLevel = debug.LEVEL_ALL
        debug.eventDebugLevel = debug.LEVEL_ALL
        debug.debugFile = open(sys.argv[2], "w", buffering=1, encoding="utf-8")

    handler = logging.StreamHandler(sys.stdout)
    handler.setFormatter(logging.Formatter("%(message)s"))
    speech_log = logging.getLogger("speech")
    speech_log.setLevel(logging.INFO)
    speech_log.addHandler(handler)

    from orca import orca  # pylint: disable=import-outside-toplevel

    manager = orca.getSettingsManager()
    manager.activate(sys.argv[1], {})
    sys.path.insert(0, manager.getPrefsDir())
    return orca.main()


if __name__ == "__main__":
    sys.exit(main())
