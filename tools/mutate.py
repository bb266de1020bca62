#!/usr/bin/env python3
"""Seeds faults into Ovix's platform-free code, one at a time, and counts how many the native
tests catch.

    python3 tools/mutate.py [--sample N] [--seed S] [--files PATH...] [--jobs J] [--sanitize] [--list]

Every mutant flips a comparison (< <= > >= == !=), moves an integer constant by one, swaps true
and false, or swaps && and ||, in one .cpp file of the native tree's ovix_portable. Each is
built in build/mutation (configured once, no sanitizers, ccache when installed; only what the
mutant touches is rebuilt) and the native tests that link the mutated file run on it until the
first failure. With --sanitize the build is build/mutation-sanitized, with AddressSanitizer and
UBSan as the test command builds the native tree, so a read past a buffer counts as caught.
A failing test or a test over its time limit kills the mutant; a mutant that does not compile
is left out of the score. The file is restored after every mutant, also on Ctrl-C or SIGTERM.

The same --sample and --seed choose the same mutants. The run ends with the score
(killed / total) and one line per survivor: file:line, the mutation and the line.

Mutating the checkout being edited is unsafe; measure a snapshot of a commit instead:
    mkdir -p build/snapshot && git archive HEAD | tar -x -C build/snapshot
    python3 build/snapshot/tools/mutate.py --sample 200 --seed 1
"""

import argparse
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build", "mutation")

COMPARISON = re.compile(r"(?<=\s)(<=|>=|==|!=|<|>)(?=\s)")
INTEGER = re.compile(r"(?<![\w.'])(0[xX][0-9a-fA-F]+|\d+)([uUlL]*)(?![\w.'])")
BOOLEAN = re.compile(r"\b(true|false)\b")
LOGICAL = re.compile(r"(?<=\s)(&&|\|\|)(?=\s)")

# Each relational operator gets its boundary moved; equality is negated.
FLIP = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}


def masked(lines):
    """The lines with comments, string and character literals and preprocessor lines blanked
    out, column for column, so patterns only match code."""
    out = []
    inComment = False
    for line in lines:
        chars = list(line)
        i = 0
        if not inComment and line.lstrip().startswith("#"):
            out.append(" " * len(line))
            continue
        while i < len(chars):
            if inComment:
                if line.startswith("*/", i):
                    chars[i] = chars[i + 1] = " "
                    inComment = False
                    i += 2
                    continue
                chars[i] = " "
                i += 1
            elif line.startswith("//", i):
                for j in range(i, len(chars)):
                    chars[j] = " "
                break
            elif line.startswith("/*", i):
                inComment = True
                chars[i] = chars[i + 1] = " "
                i += 2
            elif chars[i] in "\"'":
                quote = chars[i]
                if quote == "'" and i > 0 and chars[i - 1].isalnum():  # digit separator
                    i += 1
                    continue
                j = i + 1
                while j < len(chars) and chars[j] != quote:
                    j += 2 if chars[j] == "\\" else 1
                for k in range(i, min(j + 1, len(chars))):
                    chars[k] = " "
                i = j + 1
            else:
                i += 1
        out.append("".join(chars))
    return out


def sitesOf(path):
    """Every mutation of one file: (path, line index, column, old text, new texts, kind)."""
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    found = []
    for number, code in enumerate(masked(lines)):
        if "static_assert" in code or "template" in code or "operator" in code:
            continue
        for m in COMPARISON.finditer(code):
            found.append((path, number, m.start(), m.group(1), [FLIP[m.group(1)]], "comparison"))
        for m in INTEGER.finditer(code):
            text = m.group(1)
            value = int(text, 16) if text[:2].lower() == "0x" else int(text)
            # Hexadecimal stays hexadecimal; 0 has only one neighbour worth trying.
            show = (lambda v: hex(v)) if text[:2].lower() == "0x" else str
            moves = [show(value + 1)] if value == 0 else [show(value + 1), show(value - 1)]
            found.append((path, number, m.start(), text, moves, "constant"))
        for m in BOOLEAN.finditer(code):
            swap = "false" if m.group(1) == "true" else "true"
            found.append((path, number, m.start(), m.group(1), [swap], "boolean"))
        for m in LOGICAL.finditer(code):
            swap = "||" if m.group(1) == "&&" else "&&"
            found.append((path, number, m.start(), m.group(1), [swap], "logical"))
    return found


def run(command, **options):
    return subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                          **options)


def configure(sanitize):
    launcher = []
    if shutil.which("ccache"):
        launcher = ["-DCMAKE_C_COMPILER_LAUNCHER=ccache", "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"]
    if not os.path.exists(os.path.join(BUILD, "CMakeCache.txt")):
        # No optimisation and no debug information: mutants compile and link fastest so.
        generator = ["-G", "Ninja"] if shutil.which("ninja") else []
        linker = ["-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld"] if shutil.which("ld.lld") else []
        done = run(["cmake", "-S", ROOT, "-B", BUILD, "-DCMAKE_BUILD_TYPE=None",
                    "-DOVIX_SANITIZE=" + ("ON" if sanitize else "OFF"), "-DCMAKE_EXPORT_COMPILE_COMMANDS=ON"]
                   + generator + linker + launcher)
        if done.returncode != 0:
            sys.exit(f"mutate: configuring {BUILD} failed\n" + done.stdout)


def portableSources():
    """The .cpp files of ovix_portable as the native tree compiles them."""
    with open(os.path.join(BUILD, "compile_commands.json")) as f:
        commands = json.load(f)
    files = set()
    for entry in commands:
        if "ovix_portable" in entry["command"]:
            files.add(os.path.relpath(entry["file"], ROOT))
    return sorted(files)


def nativeTests():
    """(name, command, working folder) of every test of the native tree."""
    shown = run(["ctest", "--test-dir", BUILD, "--show-only=json-v1"])
    tests = []
    for test in json.loads(shown.stdout)["tests"]:
        folder = BUILD
        for prop in test.get("properties", []):
            if prop["name"] == "WORKING_DIRECTORY":
                folder = prop["value"]
        tests.append((test["name"], test["command"], folder))
    return tests


def definedSymbols(path):
    """The strong code and data symbols `path` defines; inline functions every object carries
    (weak symbols) say nothing about which objects a program linked."""
    listed = run(["nm", "--defined-only", "-g", path])
    fields = [line.split() for line in listed.stdout.splitlines()]
    return {f[2] for f in fields if len(f) == 3 and f[1] in "TDBR"}


def testsOfFiles(files, tests):
    """For each source file the native tests whose program holds code of it: ovix_portable is a
    static archive, so a test links only the objects it uses, and no other test can see a fault
    seeded into the file."""
    with open(os.path.join(BUILD, "compile_commands.json")) as f:
        objects = {}
        for entry in json.load(f):
            words = entry["command"].split()
            if "-o" in words:
                output = words[words.index("-o") + 1]
                objects[os.path.relpath(entry["file"], ROOT)] = os.path.join(entry["directory"], output)
    programs = {name: definedSymbols(command[0]) for name, command, _ in tests}
    chosen = {}
    for path in files:
        symbols = definedSymbols(objects[path]) if path in objects else set()
        chosen[path] = [t for t in tests if not symbols or symbols & programs[t[0]]]
    return chosen


def build(jobs, targets):
    env = dict(os.environ, CCACHE_BASEDIR=ROOT, CCACHE_NOHASHDIR="1")
    return run(["cmake", "--build", BUILD, "-j", str(jobs), "--target"] + targets, env=env)


def runTests(tests, limits):
    """'passed', 'failed' or 'timeout'; stops at the first test that does not pass."""
    for name, command, folder in tests:
        process = subprocess.Popen(command + ["--gtest_fail_fast", "--gtest_brief=1"], cwd=folder,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   start_new_session=True)
        try:
            code = process.wait(timeout=limits.get(name, 60))
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            return "timeout"
        except BaseException:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            raise
        if code != 0:
            return "failed"
    return "passed"


def interrupted(*_):
    raise KeyboardInterrupt()


def main():
    parser = argparse.ArgumentParser(description="Mutation testing of the platform-free code.")
    parser.add_argument("--sample", type=int, default=200, help="mutants to try (0: all)")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--files", nargs="*", help="limit to these files (paths from the root)")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--list", action="store_true", help="print the chosen mutants and stop")
    parser.add_argument("--sanitize", action="store_true", help="build with the sanitizers the test command uses")
    args = parser.parse_args()

    global BUILD
    if args.sanitize:
        BUILD += "-sanitized"
    configure(args.sanitize)
    files = portableSources()
    if args.files:
        wanted = {os.path.normpath(f) for f in args.files}
        files = [f for f in files if f in wanted]
        if not files:
            sys.exit("mutate: none of --files is compiled into ovix_portable")
    sites = []
    for path in files:
        sites += sitesOf(os.path.join(ROOT, path))
    chooser = random.Random(args.seed)
    if 0 < args.sample < len(sites):
        sites = sorted(chooser.sample(sites, args.sample), key=lambda s: (s[0], s[1], s[2]))
    mutants = [(path, line, column, old, chooser.choice(news), kind)
               for path, line, column, old, news, kind in sites]
    print(f"{len(mutants)} mutants in {len(files)} files", flush=True)
    if args.list:
        for path, line, column, old, new, kind in mutants:
            print(f"{os.path.relpath(path, ROOT)}:{line + 1}: {kind} {old} -> {new}")
        return 0

    done = build(args.jobs, ["all"])
    if done.returncode != 0:
        sys.exit("mutate: the unmutated tree does not build\n" + done.stdout[-3000:])
    tests = nativeTests()
    targets = sorted({os.path.basename(command[0]) for _, command, _ in tests})
    limits = {}
    for test in tests:
        start = time.monotonic()
        if runTests([test], {}) != "passed":
            sys.exit(f"mutate: {test[0]} fails without a mutant")
        limits[test[0]] = max(10.0, 5 * (time.monotonic() - start))
    tests.sort(key=lambda t: limits[t[0]])  # fast tests first: most mutants die early
    relevant = testsOfFiles(files, tests)
    for path in sorted({os.path.relpath(m[0], ROOT) for m in mutants}):
        print(f"{path}: {' '.join(t[0] for t in relevant[path]) or 'no test links it'}")

    signal.signal(signal.SIGTERM, interrupted)  # restore on SIGTERM as on Ctrl-C
    killed, survivors, stillborn = 0, [], 0
    started = time.monotonic()
    for index, (path, line, column, old, new, kind) in enumerate(mutants, 1):
        with open(path, encoding="utf-8") as f:
            original = f.read()
        lines = original.split("\n")
        text = lines[line]
        lines[line] = text[:column] + new + text[column + len(old):]
        where = f"{os.path.relpath(path, ROOT)}:{line + 1}"
        try:
            with open(path, "w", encoding="utf-8") as f:
                f.write("\n".join(lines))
            mine = relevant[os.path.relpath(path, ROOT)]
            if not mine:
                outcome = "passed"  # no test links the file
            elif build(args.jobs, [os.path.basename(t[1][0]) for t in mine]).returncode != 0:
                outcome = "does not build"
                stillborn += 1
            else:
                outcome = runTests(mine, limits)
        except KeyboardInterrupt:
            print("mutate: interrupted", file=sys.stderr)
            return 130
        finally:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original)
        if outcome in ("failed", "timeout"):
            killed += 1
        elif outcome == "passed":
            survivors.append(f"{where}: {kind} {old} -> {new}   {text.strip()}")
        print(f"[{index}/{len(mutants)}] {where} {kind} {old} -> {new}: {outcome}", flush=True)

    build(args.jobs, targets)  # leave the tree built from the restored files
    total = killed + len(survivors)
    minutes = (time.monotonic() - started) / 60
    print(f"\n{len(survivors)} survivors:")
    for survivor in survivors:
        print("  " + survivor)
    print(f"{stillborn} mutants did not build and are not counted; {minutes:.1f} minutes")
    score = 100.0 * killed / total if total else 0.0
    print(f"score: {killed} / {total} killed ({score:.1f} %)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
