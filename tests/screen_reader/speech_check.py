"""Drives SOLVANIX from the keyboard under the real Orca and checks what Orca says.

Run by scripts/screen-reader on an X server of its own (Xvfb):

    python3 -u speech_check.py PROGRAM PRINT_WORKED_EXAMPLE OUTPUT_DIR [--debug]

Starts a D-Bus session, a window manager, speech-dispatcher (espeak-ng, French, sound to ALSA's
null device) and Orca, then the program; enters the three worked examples with Tab, the keyboard
and the arrow keys, and presses OK with Space. Every step's speech goes to OUTPUT_DIR/speech.txt,
the checks that fail are printed with what Orca said at their step. Exit status: 0 when every
check passes, 1 when one fails, 2 when the session itself could not be set up.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
PYTHON = "/usr/bin/python3"  # Debian's, which has Orca's modules
WINDOW_TITLE = "^SOLVANIX V"



class WorkedExample:
    """A worked example as print_worked_example gives it: the two dimensions as typed, each list
    with the Down presses that choose its item from the empty list, and the thirteen results as
    the window shows them with French settings, each with its caption and its unit in words."""

    def __init__(self, number, printer):
        def printed(mode):
            lines = subprocess.run([printer, str(number), mode], check=True, text=True,
                                   capture_output=True).stdout.splitlines()
            return [line.split("\t") for line in lines]

        self.name = f"example {number}"
        self.dimensions = subprocess.run([printer, str(number)], check=True, text=True,
                                         capture_output=True).stdout.split()[:2]
        self.lists = [(name, int(presses), item) for name, presses, item in printed("lists")]
        self.results = [(caption.rstrip(": "), unit, shown)
                        for caption, unit, shown in printed("results")]


def worked_examples(printer):
    examples = []
    while True:
        try:
            examples.append(WorkedExample(len(examples) + 1, printer))
        except subprocess.CalledProcessError as error:
            if error.returncode == 2 and examples:  # past the last example
                return examples
            raise SetupError(f"{printer} {len(examples) + 1}: {error.stderr.strip()}")


# What a run writes to its output folder.
OUTPUT_FILES = ["speech.txt", "orca-speech.txt", "orca-debug.txt", "dbus.log", "openbox.log",
                "speech-dispatcher.log", "espeak-ng.log", "orca.log", "solvanix.log"]

# Orca says the notification's role before its name.
SUMMARY_START = re.compile(r"^(?:notification\s+)?Calcul terminé")


class SetupError(Exception):
    pass


class Speech:
    """What Orca says, read line by line from run_orca.py as it says it."""

    LINE = re.compile(r"^SPEECH OUTPUT: '(.*)'(?: voice=\S+)?(?: ?\{.*\})?$")

    def __init__(self, stream, log):
        self._lock = threading.Lock()
        self.utterances = []
        self.last = time.monotonic()
        self._log = log
        threading.Thread(target=self._read, args=(stream,), daemon=True).start()

    def _read(self, stream):
        for raw in stream:
            line = raw.rstrip("\n")
            self._log.write(line + "\n")
            match = self.LINE.match(line)
            with self._lock:
                if match:
                    self.utterances.append(match.group(1).strip())
                elif self.utterances and not line.startswith(("SPEECH OUTPUT", "Traceback")):
                    self.utterances[-1] += " " + line.strip()  # an utterance on several lines
                self.last = time.monotonic()

    def count(self):
        with self._lock:
            return len(self.utterances)

    def since(self, mark):
        with self._lock:
            return list(self.utterances[mark:])

    def wait(self, started, mark, quiet, limit, at_least=0):
        """Waits until Orca has said at least `at_least` things since `mark` and then been quiet
        for `quiet` seconds, or until `limit` seconds have passed since `started`."""
        while True:
            now = time.monotonic()
            with self._lock:
                last = max(self.last, started)
                spoken = len(self.utterances) - mark
            if now - started >= limit or (spoken >= at_least and now - last >= quiet):
                return
            time.sleep(0.05)


class Session:
    """The D-Bus session, the window manager, speech-dispatcher, Orca and the program, each
    ended by its process group's id."""

    def __init__(self, workdir, output, debug):
        self.workdir = workdir
        self.output = output
        self.debug = debug
        self.processes = []  # started order; stopped in reverse
        self.env = dict(os.environ)
        home = os.path.join(workdir, "home")
        runtime = os.path.join(workdir, "run")
        os.makedirs(home)
        os.makedirs(runtime, mode=0o700)
        self.env.update({
            "HOME": home,
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "LANG": "fr_FR.UTF-8",
            "LC_ALL": "fr_FR.UTF-8",
            "LANGUAGE": "fr",
            "SPEECHD_ADDRESS": "unix_socket:" + os.path.join(runtime, "speechd.sock"),
        })
        self.env.pop("PYTHONPATH", None)
        self.speech = None

    def start(self, name, command, **kwargs):
        log = open(os.path.join(self.output, name + ".log"), "w", encoding="utf-8")
        process = subprocess.Popen(command, env=self.env, stdin=subprocess.DEVNULL,
                                   stdout=kwargs.pop("stdout", log), stderr=log,
                                   start_new_session=True, **kwargs)
        self.processes.append((name, process))
        return process

    def stop(self):
        for name, process in reversed(self.processes):
            if process.poll() is not None:
                continue
            # Orca says goodbye through speech-dispatcher, which can then hang: each gets a few
            # seconds, then its process group is killed.
            os.killpg(process.pid, signal.SIGTERM)
            try:
                process.wait(timeout=5 if name == "orca" else 3)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
            try:  # children left in the group, such as the speech module
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass

    def xdotool(self, *args, timeout=10):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True,
                              timeout=timeout, check=False)

    def start_session_bus(self):
        """A D-Bus session of the run's own; the accessibility bus is started from it."""
        read, write = os.pipe()
        self.start("dbus", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                            f"--print-address={write}"], pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as address:
            self.env["DBUS_SESSION_BUS_ADDRESS"] = address.readline().strip()
        if not self.env["DBUS_SESSION_BUS_ADDRESS"]:
            raise SetupError("the D-Bus session did not start (see dbus.log)")

    def start_window_manager(self):
        self.start("openbox", ["openbox"])
        deadline = time.monotonic() + 10
        while self.xdotool("get_num_desktops").returncode != 0:
            if time.monotonic() > deadline:
                raise SetupError("the window manager did not start")
            time.sleep(0.1)

    def start_speech_dispatcher(self):
        config = os.path.join(self.workdir, "speechd")
        os.makedirs(os.path.join(config, "modules"))
        with open(os.path.join(config, "speechd.conf"), "w", encoding="utf-8") as conf:
            conf.write(
                'LogLevel 3\n'
                f'LogDir "{self.output}"\n'
                'AudioOutputMethod "alsa"\n'
                'AudioALSADevice "null"\n'
                'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
                'DefaultModule espeak-ng\n'
                'DefaultLanguage "fr"\n')
        shutil.copy("/etc/speech-dispatcher/modules/espeak-ng.conf",
                    os.path.join(config, "modules"))
        socket = self.env["SPEECHD_ADDRESS"].split(":", 1)[1]
        self.start("speech-dispatcher",
                   ["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir", config,
                    "--socket-path", socket,
                    "--pid-file", os.path.join(self.env["XDG_RUNTIME_DIR"], "speechd.pid")])
        deadline = time.monotonic() + 10
        while not os.path.exists(socket):
            if time.monotonic() > deadline:
                raise SetupError("speech-dispatcher did not open its socket")
            time.sleep(0.05)

    def start_orca(self):
        command = [PYTHON, "-u", os.path.join(HERE, "run_orca.py"),
                   os.path.join(self.workdir, "orca")]
        if self.debug:
            command.append(os.path.join(self.output, "orca-debug.txt"))
        orca = self.start("orca", command, stdout=subprocess.PIPE, text=True, encoding="utf-8")
        log = open(os.path.join(self.output, "orca-speech.txt"), "w", encoding="utf-8",
                   buffering=1)
        self.speech = Speech(orca.stdout, log)
        started = time.monotonic()
        self.speech.wait(started, 0, quiet=0.5, limit=30, at_least=1)
        if self.speech.count() == 0:
            raise SetupError("Orca said nothing on starting (see orca.log)")

    def open_program(self, program):
        self.start("solvanix", [program])
        deadline = time.monotonic() + 20
        while True:
            found = self.xdotool("search", "--onlyvisible", "--name", WINDOW_TITLE)
            if found.returncode == 0 and found.stdout.split():
                window = found.stdout.split()[0]
                break
            if time.monotonic() > deadline:
                raise SetupError("the window did not open (see solvanix.log)")
            time.sleep(0.1)
        self.xdotool("windowactivate", "--sync", window)


class Run:
    """The steps as a user takes them, each with what Orca said during it."""

    def __init__(self, session, examples):
        self.session = session
        self.examples = examples
        self.speech = session.speech
        self.steps = []  # (example, what, utterances)

    def step(self, example, what, keys=(), text=None, quiet=0.6, limit=6, at_least=1):
        """Presses `keys`, types `text`, and waits for Orca to say `at_least` things (a Tab's
        name, then the control that gets the focus) and fall quiet."""
        mark = self.speech.count()
        started = time.monotonic()
        if keys:
            self.session.xdotool("key", "--delay", "40", *keys)
        if text is not None:
            self.session.xdotool("type", "--delay", "60", text)
        self.speech.wait(started, mark, quiet, limit, at_least)
        self.steps.append((example, what, self.speech.since(mark)))

    def said(self, example, what):
        said = []
        for step_example, step_what, utterances in self.steps:
            if (step_example, step_what) == (example, what):
                said += utterances
        return said

    def focus(self, example, control):
        self.step(example, control, ["Tab"], at_least=2)

    def enter(self, example, chosen):
        """From the OK button: the two banners, the lists, the boxes, then OK again."""
        name = example.name
        self.focus(name, "Picture1")
        self.focus(name, "Picture2")
        for combo, presses, item in example.lists:
            self.focus(name, combo)
            moves = presses - chosen.get(combo, 0)  # the lists start with nothing chosen
            if moves:
                key = "Down" if moves > 0 else "Up"
                self.step(name, combo + " " + item, [key] * abs(moves))
            chosen[combo] = presses
        for box, value in zip(("Text1", "Text2"), example.dimensions):
            self.focus(name, box)
            self.step(name, box + " " + value, ["ctrl+a"], text=value)
        self.focus(name, "Command1")
        # The summary comes after the key's name, once the labels are written.
        self.step(name, "OK", ["space"], quiet=1.5, limit=8)

    def drive(self, program):
        mark = self.speech.count()
        started = time.monotonic()
        self.session.open_program(program)
        self.speech.wait(started, mark, quiet=1.0, limit=15, at_least=2)  # title, first box
        self.steps.append(("", "Text1", self.speech.since(mark)))
        self.focus("", "Text2")
        self.focus("", "Command1")
        chosen = {}
        for example in self.examples:
            self.enter(example, chosen)

    def transcript(self):
        lines = []
        for example, what, utterances in self.steps:
            lines.append(f"[{example or 'opening'}] {what}: " +
                         " | ".join(repr(u) for u in utterances))
        return "\n".join(lines) + "\n"


def agreed(unit, value):
    """The unit as French says it after the value: each word singular below 2 ("0,4 mètre")."""
    if unit and abs(float(value.replace(",", "."))) < 2:
        return " ".join(word[:-1] if word.endswith("s") else word for word in unit.split())
    return unit


def result_pattern(caption, value, unit):
    unit = agreed(unit, value)
    pattern = re.escape(caption) + r"\s*:\s*" + re.escape(value)
    return re.compile(pattern + (r"\s+" + re.escape(unit) if unit else r"(?![\d,])"))


def check(run):
    """Returns (passed, what, details) for each check."""
    checks = []

    def focus_check(what, expected, controls):
        visits = [(e, w) for e, w, _ in run.steps if w in controls]
        missing = [(e, w) for e, w in visits if not any(expected in u for u in run.said(e, w))]
        details = [f"[{e or 'opening'}] {w}: {run.said(e, w)!r}" for e, w in missing]
        checks.append((not missing and bool(visits),
                       f"{what} ({len(visits) - len(missing)}/{len(visits)} focus arrivals)",
                       details))

    focus_check('"en mètres" when a dimension box gets the focus', "en mètres",
                ("Text1", "Text2"))
    focus_check('the banners\' names when they get the focus ("Bannière")', "Bannière",
                ("Picture1", "Picture2"))
    focus_check('"Nombre de projecteurs" when the first list gets the focus',
                "Nombre de projecteurs", ("Combo1",))
    focus_check('"en pixels" when the overlap list gets the focus', "en pixels", ("Combo5",))

    for example in run.examples:
        name = example.name
        said = run.said(name, "OK")
        summaries = [u for u in said if SUMMARY_START.search(u)]
        details = []
        if len(summaries) != 1:
            details.append(f"{len(summaries)} utterances start with \"Calcul terminé\", "
                           "not one")
        else:
            for caption, unit, value in example.results:
                wanted = f"{caption} : {value}" + (f" {agreed(unit, value)}" if unit else "")
                if not result_pattern(caption, value, unit).search(summaries[0]):
                    details.append(f"missing {wanted!r}")
        if details:
            details.append(f"after OK Orca said: {said!r}")
        checks.append((not details, f"the summary after OK on {name}", details))
    return checks


def timed_out(*_):
    raise SetupError("gave up after four minutes")


def main():
    program, printer, output = sys.argv[1], sys.argv[2], sys.argv[3]
    debug = "--debug" in sys.argv[4:]
    os.makedirs(output, exist_ok=True)
    for name in OUTPUT_FILES:  # an earlier run's
        if os.path.exists(os.path.join(output, name)):
            os.remove(os.path.join(output, name))
    began = time.monotonic()
    signal.signal(signal.SIGALRM, timed_out)
    signal.alarm(240)  # a hung step must not hang the caller
    with tempfile.TemporaryDirectory(prefix="solvanix-screen-reader-") as workdir:
        session = Session(workdir, output, debug)
        run = None
        try:
            examples = worked_examples(printer)
            session.start_session_bus()
            session.start_window_manager()
            session.start_speech_dispatcher()
            session.start_orca()
            run = Run(session, examples)
            run.drive(program)
        except (SetupError, subprocess.TimeoutExpired) as error:
            print(f"screen-reader: {error}")
            return 2
        finally:
            signal.alarm(0)
            session.stop()
            if run is not None:
                with open(os.path.join(output, "speech.txt"), "w", encoding="utf-8") as out:
                    out.write(run.transcript())

    results = check(run)
    for passed, what, details in results:
        print(("PASS  " if passed else "FAIL  ") + what)
        for line in details:
            print("        " + line)
    failed = sum(1 for passed, _, _ in results if not passed)
    seconds = time.monotonic() - began
    print(f"{len(results) - failed} passed, {failed} failed in {seconds:.0f} s; "
          f"Orca's speech step by step: {os.path.join(output, 'speech.txt')}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
