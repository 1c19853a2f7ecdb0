#!/usr/bin/env python3
"""Mutation testing for the game's sources: how many small faults do the fast tests find?

Each mutant changes one line of one file by one regular-expression operator (a
flipped comparison, a constant off by one, a dropped statement, && for ||, + for -,
true for false). A mutant is named by its file, the original line's text, which
occurrence of that text in the file, the operator and which of the operator's
matches on the line, so a drawn sample still applies after other code has moved
lines.

  draw:  python3 tests/mutation/mutants.py draw [--seed 20] [--count 150]
         writes tests/mutation/sample.tsv from the .cpp files of the folders below,
         as they are.
  run:   python3 tests/mutation/mutants.py run BUILD_DIR LOG
             [--only-killed BASE_LOG [--except-killed-by TEST]]
         applies each mutant in turn, rebuilds incrementally, runs the fast tests
         (trace_digests first, then the unit tests in one process, then the other
         checks but those of X, browser, wine and packages, stopping at the first
         failure) and writes one result a line to LOG: killed (and by what),
         survived, or no-compile (counted apart). A test run that outlasts its
         bound counts as killed. The file is always restored.
         Two copies of the tree can share a sample: one runs forward, the
         other --reverse, each --shared-with the other's log, and both stop
         where they meet. --only-killed measures again only what an earlier log
         killed; a test
         left unchanged since (trace_digests) kills the same mutants again, so
         --except-killed-by can leave those out.

Not part of CI: a whole run takes the better part of an hour on two cores.
"""

import argparse
import os
import random
import re
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SAMPLE = os.path.join(ROOT, "tests", "mutation", "sample.tsv")
FOLDERS = ["src/game", "src/screens", "src/shell", "src/app", "src/replay", "src/desktop",
           "src/common"]
# Code for another system is not built here, so no test could find its mutants.
OTHER_SYSTEMS = re.compile(r"_(windows|web)\.cpp$")
# The tests left out: those that need an X server, a browser, wine or the packages.
SLOW_TESTS = "desktop_x11|hard_stops|desktop_best|web|windows|package|cross"
BUILD_BOUND_SECONDS = 600
TEST_BOUND_SECONDS = 300


def swap(a, b):
    return [(re.compile(re.escape(a)), b), (re.compile(re.escape(b)), a)]


# Binary operators are spaced by clang-format, so " < " is a comparison, never a
# template bracket or a shift.
OPERATORS = {
    "comparison": [(re.compile(r" < "), " <= "), (re.compile(r" <= "), " < "),
                   (re.compile(r" > "), " >= "), (re.compile(r" >= "), " > ")],
    "equality": swap(" == ", " != "),
    "logic": swap(" && ", " || "),
    "arithmetic": swap(" + ", " - ") + swap(" += ", " -= ") + swap("++", "--"),
    "boolean": [(re.compile(r"\btrue\b"), "false"), (re.compile(r"\bfalse\b"), "true")],
    "constant": [(re.compile(r"(?<![\w.'])(\d+)(?![\w.'])"), None)],
    "statement": [(re.compile(r"^(\s*)(\S.*;)$"), None)],
}
# Strings, characters and hexadecimal numbers (the sine table's floats among them)
# are left alone.
UNTOUCHED = re.compile(r'"(?:[^"\\]|\\.)*"|\'(?:[^\'\\]|\\.)*\'|0x[0-9A-Fa-f.]+(p[-+]?\d+)?\w*')
DECLARATION = re.compile(
    r"^\s*(return\b|using\b|static_assert\b|[\w:<>,\s]+[&*]?\s+[\w]+\s*(=|\(|\{|;|\[))")


def mutable_line(text):
    stripped = text.strip()
    return stripped and not stripped.startswith(("//", "#", "*", "/*")) and "static_assert" not in text


def replacement(operator, match, to):
    if operator == "constant":
        return str(int(match.group(1)) + 1)
    if operator == "statement":
        return match.group(1) + ";"
    return to


def matches(operator, line):
    """The places on a line where an operator applies, in order, outside strings."""
    blanked = UNTOUCHED.sub(lambda m: "\0" * len(m.group(0)), line)
    found = []
    for pattern, to in OPERATORS[operator]:
        if operator == "statement":
            # Dropping a declaration or a return only breaks the build, and a line of a
            # longer statement is no statement of its own.
            if DECLARATION.match(line) or line.count("(") != line.count(")") or "{" in line:
                continue
        for match in pattern.finditer(blanked):
            found.append((match.start(), match, to))
    found.sort(key=lambda item: item[0])
    return [(m, to) for _, m, to in found]


def apply(line, operator, index):
    place, to = matches(operator, line)[index]
    return line[: place.start()] + replacement(operator, place, to) + line[place.end():]


def sources():
    for folder in FOLDERS:
        for name in sorted(os.listdir(os.path.join(ROOT, folder))):
            if name.endswith(".cpp") and not OTHER_SYSTEMS.search(name):
                yield os.path.join(folder, name)


def candidates():
    for path in sources():
        with open(os.path.join(ROOT, path)) as source:
            lines = source.read().split("\n")
        seen = {}
        for line in lines:
            text = line.strip()
            occurrence = seen.get(text, 0)
            seen[text] = occurrence + 1
            if not mutable_line(line):
                continue
            for operator in OPERATORS:
                for index in range(len(matches(operator, line))):
                    yield [path, operator, str(occurrence), str(index), text]


def draw(args):
    every = list(candidates())
    chosen = random.Random(args.seed).sample(every, args.count)
    chosen.sort(key=lambda row: (row[0], row[1], row[4]))
    with open(SAMPLE, "w") as out:
        out.write(f"# seed {args.seed}, {args.count} of {len(every)} mutants\n")
        out.write("# id\tfile\toperator\toccurrence\tmatch\tline (without its indent)\n")
        for number, row in enumerate(chosen, 1):
            out.write("\t".join([str(number)] + row) + "\n")
    print(f"{args.count} of {len(every)} mutants drawn into {SAMPLE}")


def read_sample():
    with open(SAMPLE) as sample:
        rows = [line.rstrip("\n").split("\t", 5) for line in sample if not line.startswith("#")]
        return [dict(zip(["id", "file", "operator", "occurrence", "index", "line"], row))
                for row in rows]


def mutate(text, mutant):
    lines = text.split("\n")
    wanted = int(mutant["occurrence"])
    for number, line in enumerate(lines):
        if line.strip() == mutant["line"]:
            if wanted == 0:
                lines[number] = apply(line, mutant["operator"], int(mutant["index"]))
                return "\n".join(lines)
            wanted -= 1
    raise LookupError(f"line not found in {mutant['file']}: {mutant['line']!r}")


def bounded(command, bound, cwd):
    """Runs a command in its own process group; returns its status, or None past the bound."""
    environment = dict(os.environ, SDL_AUDIODRIVER="dummy", SDL_VIDEODRIVER="dummy")
    process = subprocess.Popen(command, cwd=cwd, env=environment, stdout=subprocess.PIPE,
                               stderr=subprocess.STDOUT, text=True, errors="replace",
                               start_new_session=True)
    try:
        output, _ = process.communicate(timeout=bound)
        return process.returncode, output
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        output, _ = process.communicate()
        return None, output
    finally:
        # Stopped from outside: what it started goes too.
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGKILL)


def failed_test(output):
    found = re.findall(r"\d+ - (\S+) \(|\[  FAILED  \] (\S+)", output)
    return "".join(found[0]) if found else "?"


def judge(build):
    status, output = bounded(["cmake", "--build", build, "-j2", "--target", "ridgeline",
                              "ridgeline_tests", "ridgeline_soak"], BUILD_BOUND_SECONDS, ROOT)
    if status != 0:
        return "no-compile", ""
    # The digests first, since they find most faults; then every unit test in one
    # process, which costs far less than one process each; then the other checks
    # (their names hold no dot, the unit tests' all do).
    runs = [["ctest", "-R", "^trace_digests$", "--timeout", "120"],
            [os.path.join(build, "ridgeline_tests"), "--gtest_fail_fast", "--gtest_brief=1"],
            ["ctest", "--stop-on-failure", "--timeout", "120", "-E",
             f"[.]|^trace_digests$|{SLOW_TESTS}"]]
    for run in runs:
        status, output = bounded(run, TEST_BOUND_SECONDS, build)
        if status is None:
            return "killed", "(hang)"
        if status != 0:
            return "killed", failed_test(output)
    return "survived", ""


def judged_elsewhere(log):
    """The mutants that another run, working from the other end, has judged."""
    if not log or not os.path.exists(log):
        return set()
    with open(log) as other:
        return {row.split("\t")[0] for row in other if not row.startswith("#")}


def run(args):
    build = os.path.abspath(args.build)
    mutants = read_sample()
    if args.only_killed:
        with open(args.only_killed) as base:
            rows = [row.split("\t") for row in base if "\tkilled\t" in row]
        killed = {row[0] for row in rows if row[2] != args.except_killed_by}
        mutants = [m for m in mutants if m["id"] in killed]
    # A log cut short by a stop is taken up where it ended.
    if os.path.exists(args.log):
        with open(args.log) as done:
            judged = {row.split("\t")[0] for row in done if not row.startswith("#")}
        mutants = [m for m in mutants if m["id"] not in judged]
    else:
        # Every test must pass on the sources as they are, or no verdict means anything.
        verdict, test = judge(build)
        if verdict != "survived":
            sys.exit(f"the tests fail without any mutant ({verdict}: {test})")
    log = open(args.log, "a", buffering=1)
    started = time.time()
    if args.reverse:
        mutants.reverse()
    measured = 0
    for mutant in mutants:
        if mutant["id"] in judged_elsewhere(args.shared_with):
            break  # a second run from the other end has come this far
        measured += 1
        path = os.path.join(ROOT, mutant["file"])
        with open(path) as source:
            original = source.read()
        began = time.time()
        try:
            with open(path, "w") as source:
                source.write(mutate(original, mutant))
            verdict, test = judge(build)
        finally:
            with open(path, "w") as source:
                source.write(original)
        log.write("\t".join([mutant["id"], verdict, test, f"{time.time() - began:.0f}",
                             mutant["file"], mutant["operator"]]) + "\n")
    # Put the build back as the sources are.
    bounded(["cmake", "--build", build, "-j2"], BUILD_BOUND_SECONDS, ROOT)
    log.write(f"# {measured} mutants in {time.time() - started:.0f} s\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    commands = parser.add_subparsers(dest="command", required=True)
    drawing = commands.add_parser("draw")
    drawing.add_argument("--seed", type=int, default=20)
    drawing.add_argument("--count", type=int, default=150)
    running = commands.add_parser("run")
    running.add_argument("build")
    running.add_argument("log")
    running.add_argument("--reverse", action="store_true", help="from the last mutant back")
    running.add_argument("--shared-with", metavar="OTHER_LOG",
                         help="stop where a run from the other end has judged")
    running.add_argument("--only-killed", metavar="BASE_LOG")
    running.add_argument("--except-killed-by", metavar="TEST",
                         help="with --only-killed: leave out those that TEST killed")
    args = parser.parse_args()
    # A stop from outside still restores the mutated file (run's finally).
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    {"draw": draw, "run": run}[args.command](args)


if __name__ == "__main__":
    main()
