#!/usr/bin/env python3
"""Mutation check of the portable core, run by hand.

Changes every number, character and truth constant (one up, one down),
comparison, arithmetic operator, logical operator and negation in the files
below, one at a time, rebuilds the native unit tests and oracline-cli against
each change and runs them with the command-line checks. A change the tests
still pass "survives": some rule can change without a test noticing.
Survivors listed in tools/mutate-equivalents.txt, with the reason no input
can tell them apart, are counted as equivalent; those that differ only on
input the program never produces are listed there as latent, apart from both.

    tools/mutate.py                       the engine and the calendars
    tools/mutate.py --all                 every portable folder (outside win/)
    tools/mutate.py src/mail              one folder's portable files
    tools/mutate.py src/base/Calendar.cpp only these files
    tools/mutate.py --list                the changes, without building
    tools/mutate.py --all --report        the table so far, without building
    tools/mutate.py --worker 1 src/mail   beside a running check, on other files
    tools/mutate.py --survivors src/mail  only what survived, after new tests

Each verdict is kept in build/mutate/verdicts.tsv beside a fingerprint of
the changed file's code (its comments and blank lines left out): while that
code stays as it was, a change the tests killed is not run again, so a whole
run can span sittings and other work can go on between them. A change that
survived is always run again (a test may have been added since), unless
tools/mutate-equivalents.txt lists it. A kill stays counted after the tests
that made it are deleted: run with --fresh after removing tests, and for the
figures of a closing note.

It works on a copy of the sources in build/mutate/ (its own build folder with
the native preset and ccache), so the checkout and its other build folders are
never touched and work can go on meanwhile. The copy is brought up to date at
every start and each change is undone after its run, also when interrupted.
The engine and the calendars take one to two hours; the header changes
rebuild the most.
"""

import argparse
import fcntl
import hashlib
import os
import re
import resource
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORK = os.path.join(ROOT, "build", "mutate")
# The copy and its builds, set by main(). Changes the plain build survives
# are built again with AddressSanitizer and UndefinedBehaviorSanitizer: a
# read past a table is no rule of its own.
TREE = BUILD = SANITIZE = None
# Ninja and lld take about half the time make and ld take over the one
# object and the link each change rebuilds; the folders differ by generator.
FAST_TOOLS = ["-G", "Ninja"] if shutil.which("ninja") else []
FAST_TOOLS += ["-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld"] if shutil.which("ld.lld") else []
BUILD_SUFFIX = "-ninja" if FAST_TOOLS[:1] == ["-G"] else ""
# -O1 and no debug information: each change's object compiles in about half
# the time of -O3 or of a debug build, and the sanitized tests run twice as
# fast as at -O0. Only undefined behaviour could tell the levels apart, and
# the sanitized build is there for that.
BUILD_SUFFIX += "-o1"
EQUIVALENTS = os.path.join(ROOT, "tools", "mutate-equivalents.txt")
VERDICTS = os.path.join(WORK, "verdicts.tsv")

# What the copy needs to configure and build the unit tests.
COPIED = ["CMakeLists.txt", "CMakePresets.json", "cmake", "src", "tests", "tools/cli"]

# The engine, the calendars and the date and integer helpers they rest on.
# Headers last: a change there rebuilds everything that includes them.
DEFAULT_FILES = sorted(
    ["src/engine/" + f for f in os.listdir(os.path.join(ROOT, "src/engine")) if f.endswith(".cpp")]
) + ["src/base/Calendar.cpp"] + sorted(
    ["src/engine/" + f for f in os.listdir(os.path.join(ROOT, "src/engine")) if f.endswith(".h")]
) + ["src/base/Calendar.h", "src/base/CivilDate.h", "src/base/Int32.h"]

# src/res holds the windows' resources and their ids, which only win/ code
# reads. platform/posix/ is, like win/, code of one system: the file calls the
# native tests and oracline-cli stand on, which the program never runs.
NOT_PORTABLE = {"win", "res", "posix"}


def portable_files(folder):
    """The .cpp files of a folder outside win/, then its headers."""
    found = []
    for d, dirs, files in os.walk(os.path.join(ROOT, folder)):
        dirs[:] = sorted(x for x in dirs if x not in NOT_PORTABLE)
        found += [os.path.relpath(os.path.join(d, f), ROOT) for f in sorted(files)]
    return [f for f in found if f.endswith(".cpp")] + [f for f in found if f.endswith(".h")]


def whole_core():
    folders = sorted(f for f in os.listdir(os.path.join(ROOT, "src")) if f not in NOT_PORTABLE)
    return [f for folder in folders for f in portable_files(os.path.join("src", folder))]

# Operators and their one replacement. Binary operators count only with blanks
# on both sides, as the code is formatted, which leaves out template brackets,
# pointers, references and unary signs.
BINARY = {
    "<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "==",
    "+": "-", "-": "+", "*": "/", "/": "*", "%": "/",
    "&&": "||", "||": "&&", "+=": "-=", "-=": "+=",
}
STEPS = {"++": "--", "--": "++"}
OPERATORS = sorted(list(BINARY) + list(STEPS) + ["!", "->", "::", ">>", "<<", "=", "?", ":"], key=len, reverse=True)

TOKEN = re.compile(
    r"(?P<comment>//[^\n]*|/\*.*?\*/)"
    r"|(?P<string>\"(?:\\.|[^\"\\\n])*\")"
    r"|(?P<char>'(?:\\.|[^'\\\n])+')"
    r"|(?P<number>\b\d[\w']*)"
    r"|(?P<word>[A-Za-z_]\w*)"
    r"|(?P<op>" + "|".join(re.escape(o) for o in OPERATORS) + r")"
    r"|(?P<other>\S)",
    re.S,
)


class Mutant:
    def __init__(self, path, text, start, end, new):
        self.path, self.start, self.end, self.new = path, start, end, new
        self.old = text[start:end]
        self.line = text.count("\n", 0, start) + 1
        line_start = text.rfind("\n", 0, start) + 1
        line_end = text.find("\n", start)
        line_end = len(text) if line_end < 0 else line_end
        self.changed_line = (text[line_start:start] + new + text[end:line_end]).strip()
        self.repeat = ""  # tells apart the same change of two equal lines

    def apply(self, text):
        return text[: self.start] + self.new + text[self.end :]

    def key(self):
        return self.path + ": " + self.changed_line + self.repeat

    def __str__(self):
        return "%s:%d  %s -> %s   %s" % (self.path, self.line, self.old, self.new, self.changed_line)


def number_changes(literal):
    m = re.fullmatch(r"(\d+)([uUlL]*)", literal.replace("'", ""))
    if not m or (len(m.group(1)) > 1 and m.group(1).startswith("0")):
        return []  # octal, hex, floats: the engine has none
    value, suffix = int(m.group(1)), m.group(2)
    return [str(value + 1) + suffix, str(value - 1) + suffix]


def char_changes(literal):
    if len(literal) != 3:
        return []  # escapes
    code = ord(literal[1])
    return ["'%s'" % chr(c) for c in (code + 1, code - 1) if 32 <= c < 127 and chr(c) not in "'\\"]


def find_mutants(path):
    text = open(os.path.join(ROOT, path), encoding="latin-1").read()
    mutants = []
    for line_match in re.finditer(r"[^\n]*\n?", text):
        if line_match.group().lstrip().startswith("#"):
            continue  # includes and pragmas
        line_offset = line_match.start()
        line = line_match.group()
        for tok in TOKEN.finditer(line):
            kind, value = tok.lastgroup, tok.group()
            start, end = line_offset + tok.start(), line_offset + tok.end()
            news = []
            if kind == "number":
                # An array's length is checked by the compiler, not the tests.
                if not re.match(r"\]\s*=\s*\{", line[tok.end() :]):
                    news = number_changes(value)
            elif kind == "char":
                news = char_changes(value)
            elif kind == "word" and value in ("true", "false"):
                news = ["false" if value == "true" else "true"]
            elif kind == "op" and value in BINARY:
                spaced = tok.start() > 0 and line[tok.start() - 1] in " \t" and line[tok.end() : tok.end() + 1] in (" ", "\n")
                if spaced:
                    news = [BINARY[value]]
            elif kind == "op" and value in STEPS:
                news = [STEPS[value]]
            elif kind == "op" and value == "!":
                news = [""]
            mutants += [Mutant(path, text, start, end, new) for new in news]
    # Comments spanning lines are skipped above only within one line: drop
    # whatever falls inside a block comment.
    blocks = [(m.start(), m.end()) for m in re.finditer(r"/\*.*?\*/", text, re.S)]
    mutants = [m for m in mutants if not any(a <= m.start < b for a, b in blocks)]
    seen = {}
    for m in mutants:
        seen[m.key()] = seen.get(m.key(), 0) + 1
        if seen[m.key()] > 1:
            m.repeat = "  (the %s such line)" % ordinal(seen[m.key()])
    return mutants


def ordinal(n):
    """"second", "third", "fourth", then "5th", "6th"...: every repeat of a
    line keeps a name of its own, so their verdicts never overwrite each
    other."""
    words = {2: "second", 3: "third", 4: "fourth"}
    if n in words:
        return words[n]
    return "%d%s" % (n, "th" if 10 <= n % 100 <= 20 else {1: "st", 2: "nd", 3: "rd"}.get(n % 10, "th"))


def read_equivalents():
    """Entries: lines "path: the changed line" as the check prints them, then
    an indented "why: ..." that may go on over further indented lines and
    holds for every change listed since the last reason. A line "[latent]"
    starts the changes that differ only on input the program never produces;
    "[equivalent]" goes back. Returns {key: (kind, reason)}."""
    entries, pending, explained, kind = {}, [], [], "equivalent"
    if not os.path.exists(EQUIVALENTS):
        return entries
    for raw in open(EQUIVALENTS, encoding="utf-8"):
        line = raw.rstrip("\n")
        if not line.strip() or line.startswith("#"):
            continue
        if line.strip() in ("[latent]", "[equivalent]"):
            kind, pending = line.strip()[1:-1], []
        elif line[0] not in " \t":
            pending.append(line.strip())
        elif line.strip().startswith("why:"):
            explained, pending = pending, []
            for key in explained:
                entries[key] = (kind, line.strip()[4:].strip())
        else:
            for key in explained:
                entries[key] = (entries[key][0], entries[key][1] + " " + line.strip())
    return entries


def file_fingerprint(path):
    """Tells apart the versions of a changed file a verdict was reached on;
    a comment or blank changed alone keeps them."""
    text = open(os.path.join(ROOT, path), "rb").read()
    code = b"\n".join(re.sub(rb"(^|\s)//.*", b"", line).strip() for line in text.splitlines())
    return hashlib.sha1(re.sub(rb"\n+", b"\n", code)).hexdigest()[:16]


def read_verdicts(path):
    """The verdicts still standing: those reached on the file as it is now
    (the last one of each change counts)."""
    verdicts, fingerprints = {}, {}
    if os.path.exists(path):
        for line in open(path, encoding="utf-8"):
            verdict, fingerprint, key = (line.rstrip("\n").split("\t", 2) + ["", ""])[:3]
            file = key.split(": ")[0]
            if file not in fingerprints:
                fingerprints[file] = file_fingerprint(file) if os.path.exists(os.path.join(ROOT, file)) else None
            if key and fingerprint == fingerprints[file]:
                verdicts[key] = verdict
    return verdicts


def sync_tree():
    """Makes the copy equal to the checkout, touching only what differs."""
    wanted = set()
    for top in COPIED:
        source = os.path.join(ROOT, top)
        paths = [source] if os.path.isfile(source) else [
            os.path.join(d, f) for d, _, files in os.walk(source) for f in files]
        for src in paths:
            rel = os.path.relpath(src, ROOT)
            dst = os.path.join(TREE, rel)
            wanted.add(rel)
            if os.path.exists(dst) and open(src, "rb").read() == open(dst, "rb").read():
                continue
            os.makedirs(os.path.dirname(dst), exist_ok=True)
            shutil.copyfile(src, dst)
            shutil.copymode(src, dst)
    for d, _, files in os.walk(TREE):
        for f in files:
            rel = os.path.relpath(os.path.join(d, f), TREE)
            if rel not in wanted:
                os.remove(os.path.join(d, f))


def environment():
    env = dict(os.environ)
    env.pop("ORACLINE_UPDATE_GOLDEN", None)  # a change must never rewrite what it is judged by
    env["CCACHE_BASEDIR"] = TREE
    return env


def build(env, log, target="unit_tests", folder=None):
    result = subprocess.run(["cmake", "--build", folder or BUILD, "--target", target, "-j2"],
                            stdout=log, stderr=subprocess.STDOUT, env=env)
    return result.returncode == 0


def bounded_memory():
    """A change that makes a loop grow a list without end then fails on
    memory within seconds, instead of filling the machine's memory until
    its time is up. The sanitized build reserves far more address space than
    it uses, so only the plain one is bounded."""
    resource.setrlimit(resource.RLIMIT_AS, (4 << 30, 4 << 30))


def run_tests(env, timeout, phases, log):
    """True when every unit test and the command-line checks pass within the
    time. The quick tests run first, so most changes fail before the slow
    ones start, and oracline-cli is only linked for a change they all pass."""
    for test_filter in phases:
        try:
            result = subprocess.run([os.path.join(BUILD, "unit_tests"), "--gtest_fail_fast", "--gtest_brief=1",
                                     "--gtest_filter=" + test_filter], cwd=BUILD, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL, env=env, timeout=timeout, preexec_fn=bounded_memory)
        except subprocess.TimeoutExpired:
            return False  # a change that makes the tests hang is caught too
        if result.returncode != 0:
            return False
    if not build(env, log, "oracline-cli"):
        return False
    try:
        result = subprocess.run([os.path.join(TREE, "tests", "cli", "run_cli_tests.sh"),
                                 os.path.join(BUILD, "oracline-cli")], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env, timeout=timeout)
    except subprocess.TimeoutExpired:
        return False
    return result.returncode == 0


FOLDER_SUITES = {}


def folder_suites(path):
    """A gtest filter of the suites in the unit-test files that include the
    changed file's folder; empty when none does."""
    folder = folder_of(path)
    if folder not in FOLDER_SUITES:
        suites = set()
        unit = os.path.join(TREE, "tests", "unit")
        for name in (n for n in os.listdir(unit) if n.endswith(".cpp")):
            text = open(os.path.join(unit, name), encoding="utf-8", errors="replace").read()
            if '#include "%s/' % folder in text:
                suites |= set(re.findall(r"^TEST(?:_F)?\((\w+),", text, re.M))
        FOLDER_SUITES[folder] = ":".join(sorted(s + ".*" for s in suites))
    return FOLDER_SUITES[folder]


def related_first(path, phases):
    """The folder's own suites run first: they are the likeliest to fail,
    and a failure ends the run."""
    first = folder_suites(path)
    if not first:
        return phases
    return [first] + [p + (":" if "-" in p else "-") + first for p in phases]


def sanitizer_passes(env, log, timeout, test_filter="*"):
    """True when the unit tests built with the sanitizers pass. A change is
    sanitized against the tests of its own folder, written to reach its code:
    all of them cost more than the rest of a change, and this only ever leaves
    a change standing, to be looked at, never counts one killed."""
    if not build(env, log, folder=SANITIZE):
        return False
    try:
        result = subprocess.run([os.path.join(SANITIZE, "unit_tests"), "--gtest_fail_fast", "--gtest_brief=1",
                                 "--gtest_filter=" + test_filter],
                                cwd=SANITIZE, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env,
                                timeout=timeout)
    except subprocess.TimeoutExpired:
        return False
    return result.returncode == 0


def baseline_phases(env):
    """Runs the unchanged tests once; returns the filters of the quick and
    the slow tests, or None when they fail."""
    result = subprocess.run([os.path.join(BUILD, "unit_tests")], cwd=BUILD, stdout=subprocess.PIPE,
                            stderr=subprocess.STDOUT, env=env, timeout=600, text=True, errors="replace")
    if result.returncode != 0:
        return None
    slow = re.findall(r"^\[       OK \] (\S+) \((\d+) ms\)", result.stdout, re.M)
    slow = ":".join(name for name, ms in slow if int(ms) >= 50)
    return ["-" + slow, slow] if slow else ["*"]


class Interrupted(Exception):
    pass


def on_signal(signum, frame):
    raise Interrupted()


def folder_of(path):
    parts = path.split("/")
    return parts[1] if len(parts) > 2 else parts[0]


def main():
    parser = argparse.ArgumentParser(description="Mutation check of the portable core.")
    parser.add_argument("files", nargs="*",
                        help="files or folders to change (default: the engine and the calendars)")
    parser.add_argument("--all", action="store_true", help="every portable folder of src/ (all but win/ and res/)")
    parser.add_argument("--list", action="store_true", help="list the changes and stop")
    parser.add_argument("--report", action="store_true",
                        help="the table from the verdicts kept for the files as they are, without running")
    parser.add_argument("--fresh", action="store_true", help="judge every change anew, not only those not judged yet")
    parser.add_argument("--survivors", action="store_true",
                        help="only the changes that survived before, against the tests as they are now")
    parser.add_argument("--worker", type=int, default=0,
                        help="run beside another check: its own copy and builds in build/mutate/worker-N, "
                             "the verdicts shared (give each worker other files)")
    args = parser.parse_args()
    global WORK, TREE, BUILD, SANITIZE
    if args.worker:
        WORK = os.path.join(ROOT, "build", "mutate", "worker-%d" % args.worker)
    TREE = os.path.join(WORK, "tree")
    BUILD, SANITIZE = (os.path.join(WORK, d + BUILD_SUFFIX) for d in ("build", "sanitize"))

    files = whole_core() if args.all else []
    for f in args.files:
        rel = os.path.relpath(os.path.abspath(f), ROOT)
        files += portable_files(rel) if os.path.isdir(os.path.join(ROOT, rel)) else [rel]
    files = files or DEFAULT_FILES
    mutants = [m for f in files for m in find_mutants(f)]
    if args.list:
        for m in mutants:
            print(m)
        print("%d changes" % len(mutants))
        return 0
    if args.report:
        return report(mutants, read_verdicts(VERDICTS), read_equivalents(), files)

    for s in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(s, on_signal)
    os.makedirs(WORK, exist_ok=True)
    os.makedirs(os.path.dirname(VERDICTS), exist_ok=True)
    lock = open(os.path.join(WORK, "lock"), "w")
    try:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except OSError:
        print("another mutation check is running in %s" % WORK)
        return 2
    env = environment()
    log = open(os.path.join(WORK, "build.log"), "w")
    sync_tree()
    # A change that passed and is listed with its reason is not run again
    # either: no test can tell it apart, so a rerun only costs time.
    equivalents = read_equivalents()
    earlier = {} if args.fresh else {k: v for k, v in read_verdicts(VERDICTS).items()
                                     if v in ("killed", "sanitized", "unbuilt") or (v == "passed" and k in equivalents)}
    todo = [m for m in mutants if m.key() not in earlier]
    if args.survivors:
        judged = read_verdicts(VERDICTS)
        todo = [m for m in todo if judged.get(m.key()) == "passed"]
    if len(todo) < len(mutants):
        print("%d of %d changes were killed or listed on these files before (%s); they are not run again"
              % (len(mutants) - len(todo), len(mutants), VERDICTS), flush=True)
    fingerprints = {f: file_fingerprint(f) for f in files}
    record = open(VERDICTS, "a", encoding="utf-8")
    timeout = 60
    if todo:
        subprocess.run(["cmake", "--preset", "native", "-B", BUILD, "-DCMAKE_BUILD_TYPE=Release", "-DORACLINE_BENCHMARKS=OFF",
                        "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG"] + FAST_TOOLS,
                       cwd=TREE, stdout=log, stderr=subprocess.STDOUT, env=env, check=True)
        subprocess.run(["cmake", "--preset", "sanitize", "-B", SANITIZE, "-DCMAKE_CXX_FLAGS_DEBUG=-O1"] + FAST_TOOLS,
                       cwd=TREE, stdout=log, stderr=subprocess.STDOUT, env=env, check=True)
        phases = build(env, log) and baseline_phases(env)
        if not phases:
            # An interrupted run can leave an object built from a change
            # newer than the source put back: build everything once more.
            for d, _, names in os.walk(os.path.join(TREE, "src")):
                for name in names:
                    os.utime(os.path.join(d, name))
            phases = build(env, log) and baseline_phases(env)
        if not phases or not sanitizer_passes(env, log, 1200):
            print("the unit tests fail without any change: see %s" % log.name)
            return 2
        started = time.time()
        if not run_tests(env, 600, phases, log):
            print("the command-line checks fail without any change: see %s" % log.name)
            return 2
        # A change that loops for ever costs the whole wait, and the tokenizer
        # has many loops: a few times the clean run is ample even when loaded.
        timeout = max(20, 4 * (time.time() - started))

    verdicts = {m.key(): earlier[m.key()] for m in mutants if m.key() in earlier}
    originals = {}
    began = time.time()
    try:
        for i, m in enumerate(todo, 1):
            target = os.path.join(TREE, m.path)
            if m.path not in originals:
                originals[m.path] = open(target, encoding="latin-1").read()
            try:
                with open(target, "w", encoding="latin-1") as out:
                    out.write(m.apply(originals[m.path]))
                if not build(env, log):
                    verdict = "unbuilt"
                elif not run_tests(env, timeout, related_first(m.path, phases), log):
                    verdict = "killed"
                elif m.key() in equivalents:
                    verdict = "passed"  # listed: judged by the list as it is when the figures are made
                elif not sanitizer_passes(env, log, 10 * timeout, folder_suites(m.path) or "*"):
                    verdict = "sanitized"
                else:
                    verdict = "passed"
            finally:
                with open(target, "w", encoding="latin-1") as out:
                    out.write(originals[m.path])
            verdicts[m.key()] = verdict
            record.write("%s\t%s\t%s\n" % (verdict, fingerprints[m.path], m.key()))
            record.flush()
            print("[%d/%d] %-10s %s" % (i, len(todo), verdict, m), flush=True)
    except Interrupted:
        print("interrupted: the copy is restored; the verdicts so far are kept and the next run goes on from there")
    finally:
        for path, text in originals.items():
            with open(os.path.join(TREE, path), "w", encoding="latin-1") as out:
                out.write(text)
    print("%d changes run in %d s" % (len(verdicts) - len(earlier), time.time() - began))
    return report(mutants, verdicts, equivalents, files)


def report(mutants, verdicts, equivalents, files):
    """The figures per folder and in all, then every change to look at."""
    rows, survived, sanitized, listed_killed, listed = {}, [], [], [], []
    for m in mutants:
        verdict = verdicts.get(m.key())
        if verdict in (None, "unbuilt"):
            continue
        row = rows.setdefault(folder_of(m.path), {"tried": 0, "killed": 0, "equivalent": 0, "latent": 0, "survived": 0})
        row["tried"] += 1
        kind = equivalents.get(m.key(), (None, ""))[0]
        if verdict in ("killed", "sanitized"):
            row["killed"] += 1
            sanitized += [m] if verdict == "sanitized" else []
            listed_killed += [m] if kind else []
        elif kind:
            row[kind] += 1
            listed.append(m)
        else:
            row["survived"] += 1
            survived.append(m)
    columns = ["tried", "killed", "equivalent", "latent", "survived"]
    print()
    print("%-12s" % "folder" + "".join("%11s" % c for c in columns) + "   killed of the rest")
    for name in sorted(rows) + ["all"]:
        row = rows.get(name) or {c: sum(r[c] for r in rows.values()) for c in columns}
        rest = row["killed"] + row["survived"]
        print("%-12s" % name + "".join("%11d" % row[c] for c in columns) +
              ("   %5.1f %%" % (100.0 * row["killed"] / rest) if rest else ""))
    print("(%d more did not build; %d not judged yet)" % (
        sum(1 for m in mutants if verdicts.get(m.key()) == "unbuilt"),
        sum(1 for m in mutants if m.key() not in verdicts)))
    for m in survived:
        print("  survived: " + str(m))
    for m in sanitized:
        print("  killed by the sanitizers: " + str(m))
    for m in listed:
        kind, why = equivalents[m.key()]
        print("  %s: %s\n      %s" % (kind, m, why))
    for m in listed_killed:
        print("  killed, yet listed as %s (tools/mutate-equivalents.txt): %s" % (equivalents[m.key()][0], m))
    stale = sorted(k for k in set(equivalents) - {m.key() for m in mutants} if k.split(": ")[0] in files)
    for key in stale:
        print("  no such change any more (tools/mutate-equivalents.txt): " + key)
    return 1 if survived else 0


if __name__ == "__main__":
    sys.exit(main())
