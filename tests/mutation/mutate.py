#!/usr/bin/env python3
"""Mutation testing of the Qt-free core against the core tests.

Draws a deterministic random sample of small faults (operator, constant,
negation, statement-deletion and return-value mutants) from src/model,
src/engine, src/post and src/report, applies each to a scratch copy of the
tree, rebuilds incrementally and runs vendrix_core_tests under a time limit.
A mutant whose objects come out byte-identical is set aside as the same object
code; mutants named in equivalent.txt are set aside as judged equivalent.

    tests/mutation/mutate.py --seed 1 --count 300
    tests/mutation/mutate.py --resume build-mutation/mutants.log

Score = caught / (compiling - same object code - listed equivalent).
"""
import argparse
import collections
import os
import random
import re
import shutil
import subprocess
import sys
import time

FOLDERS = ("model", "engine", "post", "report")
HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
SOURCE = REPO  # the tree the mutants are drawn from: the work tree or an exported revision
TEST_BINARY = "tests/vendrix_core_tests"

Mutant = collections.namedtuple("Mutant", "path line col kind before after")


def mutant_id(m):
    return f"{m.path}:{m.line}:{m.col} {m.kind} '{m.before}' -> '{m.after}'"


# --- finding mutation sites -------------------------------------------------


def code_only(lines):
    """The lines with comments, string and character literals blanked, so the
    patterns below see only code; columns stay where they were."""
    masked, in_block = [], False
    for text in lines:
        out, i = list(text), 0
        if text.lstrip().startswith("#"):
            masked.append(" " * len(text))
            continue
        while i < len(text):
            if in_block:
                end = text.find("*/", i)
                stop = len(text) if end < 0 else end + 2
                out[i:stop] = " " * (stop - i)
                in_block, i = end < 0, stop
            elif text.startswith("//", i):
                out[i:] = " " * (len(text) - i)
                break
            elif text.startswith("/*", i):
                in_block = True
            elif text[i] in "\"'":
                quote, j = text[i], i + 1
                while j < len(text) and text[j] != quote:
                    j += 2 if text[j] == "\\" else 1
                out[i + 1 : j] = " " * (j - i - 1)
                i = j + 1
            else:
                i += 1
        masked.append("".join(out))
    return masked


SWAPPED_OPERATORS = {
    "+": "-", "-": "+", "*": "/", "/": "*", "<": "<=", "<=": "<", ">": ">=",
    ">=": ">", "==": "!=", "!=": "==", "&&": "||", "||": "&&", "+=": "-=",
    "-=": "+=", "*=": "/=", "/=": "*=",
}
# Binary operators stand between spaces in the formatted sources; templates,
# pointers and unary signs do not.
OPERATOR = re.compile(r"(?<= )(\+=|-=|\*=|/=|<=|>=|==|!=|&&|\|\||[-+*/<>])(?= )")
NUMBER = re.compile(r"(?<![\w.])(\d+\.\d*(?:[eE][-+]?\d+)?|\.\d+(?:[eE][-+]?\d+)?|\d+[eE][-+]?\d+|\d+)"
                    r"([fFuUlL]*)(?![\w.'])")
CONDITION = re.compile(r"\b(if|while) \(")
NOT = re.compile(r"!(?!=)")
STATEMENT = re.compile(r"^\s*(?:(?:\+\+|--)\w|[A-Za-z_][\w:]*(?:(?:\.|->)\w+|\[[^\]]*\]|\(\))*"
                       r"\s*(?:=[^=]|\+=|-=|\*=|/=|<<|\+\+|--|\())")
KEYWORDS = {"return", "if", "while", "for", "switch", "case", "else", "do", "using", "typedef",
            "static_assert", "throw", "delete", "new", "sizeof", "co_return", "template"}
RETURN = re.compile(r"^(\s*return )(.+);\s*$")


def changed_number(text, suffix):
    if "." in text or "e" in text.lower():
        value = float(text)
        return "1.0" if value == 0 else repr(value * 1.5)
    if len(text) > 1 and text.startswith("0"):  # octal, as file modes are written
        return "0" + format(int(text, 8) + 1, "o")
    return "1" if int(text) == 0 else str(int(text) + 1)


def matching_paren(code, open_at):
    depth = 0
    for i in range(open_at, len(code)):
        depth += {"(": 1, ")": -1}.get(code[i], 0)
        if depth == 0:
            return i
    return -1


def is_whole_statement(code, previous):
    stripped = code.strip()
    if not stripped.endswith(";") or stripped.count("(") != stripped.count(")"):
        return False
    if stripped.split("(")[0].split(" ")[0].rstrip(";") in KEYWORDS:
        return False
    prev = previous.rstrip()
    return not prev or prev[-1] in ";{})" or prev.endswith("else") or prev.endswith(":")


def mutants_of_line(path, number, text, code, previous):
    found = []

    def add(col, kind, before, after):
        found.append(Mutant(path, number, col + 1, kind, before, after))

    for m in OPERATOR.finditer(code):
        add(m.start(), "operator", m.group(1), SWAPPED_OPERATORS[m.group(1)])
    for m in NUMBER.finditer(code):
        add(m.start(), "constant", m.group(1), changed_number(m.group(1), m.group(2)))
    for m in CONDITION.finditer(code):
        close = matching_paren(code, m.end() - 1)
        if close > 0:
            inner = text[m.end() : close]
            add(m.end(), "negation", inner, f"!({inner})")
    for m in NOT.finditer(code):
        if m.start() + 1 < len(code) and (code[m.start() + 1].isalnum() or code[m.start() + 1] in "(_"):
            add(m.start(), "negation", "!", "")
    if STATEMENT.match(code) and is_whole_statement(code, previous):
        start = len(text) - len(text.lstrip())
        add(start, "deletion", text.strip(), "{}")
    r = RETURN.match(code)
    if r and r.group(2).strip() != "{}":
        value = text[r.end(1) : r.end(2)]
        after = {"true": "false", "false": "true"}.get(value.strip(), "{}")
        add(r.end(1), "return", value, after)
    return found


def mutants_of_file(path):
    with open(os.path.join(SOURCE, path), encoding="utf-8") as f:
        lines = f.read().split("\n")
    code = code_only(lines)
    found = []
    for i, (text, masked) in enumerate(zip(lines, code)):
        if "static_assert" in masked or masked.strip().startswith("template"):
            continue
        previous = next((c for c in reversed(code[:i]) if c.strip()), "")
        found += mutants_of_line(path, i + 1, text, masked, previous)
    return found


def core_sources():
    return sorted(f"src/{d}/{name}" for d in FOLDERS
                  for name in os.listdir(os.path.join(SOURCE, "src", d))
                  if name.endswith((".cpp", ".h")))


def export_revision(revision, workdir, name="revision"):
    """The sources of a commit, to measure the tests as they were then."""
    target = os.path.join(workdir, name)
    if os.path.isdir(target):
        shutil.rmtree(target)
    os.makedirs(target)
    archive = subprocess.run(["git", "archive", revision], cwd=REPO, capture_output=True,
                             check=True).stdout
    subprocess.run(["tar", "-x", "-C", target], input=archive, check=True)
    return target


def sample(seed, count, per_folder):
    """Every folder gets its share of `count` by its number of sites, and at
    least `per_folder`; the draw depends only on the seed and the sources."""
    by_folder = collections.defaultdict(list)
    for path in core_sources():
        by_folder[path.split("/")[1]] += mutants_of_file(path)
    total = sum(len(v) for v in by_folder.values())
    rng, chosen = random.Random(seed), []
    for folder in FOLDERS:
        sites = by_folder[folder]
        share = max(per_folder, round(count * len(sites) / total))
        chosen += rng.sample(sites, min(share, len(sites)))
    # Mixed, so that a run cut short by its time budget is still a fair sample.
    rng.shuffle(chosen)
    return chosen


def apply(text, m):
    lines = text.split("\n")
    line, col = lines[m.line - 1], m.col - 1
    assert line[col : col + len(m.before)] == m.before, mutant_id(m)
    lines[m.line - 1] = line[:col] + m.after + line[col + len(m.before) :]
    return "\n".join(lines)


# --- building and testing ----------------------------------------------------


def launcher():
    # Restoring a file after its mutant is a cache hit instead of a compile.
    return ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []


class Workbench:
    """A scratch copy of the tree with its own core-only build."""

    def __init__(self, root, flags):
        self.flags = flags
        self.tree = os.path.join(root, "tree")
        self.build = os.path.join(root, "build")
        self.pristine = os.path.join(root, "pristine-objects")

    def prepare(self):
        """Brings the scratch tree up to date file by file, so that the build
        only redoes what changed since the last session."""
        for name in ("CMakeLists.txt", "src", "tests", "examples"):
            self.sync(name)
        subprocess.run(["cmake", "-S", self.tree, "-B", self.build, "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=Release", "-DVENDRIX_CORE_ONLY=ON",
                        "-DVENDRIX_BENCHMARKS=OFF", f"-DCMAKE_CXX_FLAGS_RELEASE={self.flags}"]
                       + launcher(), check=True, stdout=subprocess.DEVNULL)
        self.ninja("vendrix_core_tests", check=True)
        self.dependents = self.header_dependents()
        if os.path.isdir(self.pristine):
            shutil.rmtree(self.pristine)
        for objects in self.dependents.values():
            for obj in objects:
                self.keep_pristine(obj)

    def sync(self, name):
        source, copy = os.path.join(SOURCE, name), os.path.join(self.tree, name)
        if os.path.isdir(source):
            for entry in os.listdir(source):
                self.sync(os.path.join(name, entry))
            return
        if os.path.exists(copy):
            with open(source, "rb") as a, open(copy, "rb") as b:
                if a.read() == b.read():
                    return
        os.makedirs(os.path.dirname(copy), exist_ok=True)
        shutil.copy2(source, copy)
        os.utime(copy)

    def ninja(self, *targets, check=False):
        done = subprocess.run(["ninja", "-C", self.build] + list(targets), capture_output=True)
        if check and done.returncode:
            sys.exit(done.stdout.decode() + done.stderr.decode())
        return done.returncode == 0

    def header_dependents(self):
        """Source path (relative to the tree) -> objects built from it."""
        deps = subprocess.run(["ninja", "-C", self.build, "-t", "deps"], capture_output=True,
                              text=True, check=True).stdout
        users, current = collections.defaultdict(set), None
        for line in deps.split("\n"):
            if line and not line.startswith(" "):
                current = line.split(":")[0]
            elif line.strip() and current and current.endswith(".o"):
                path = os.path.normpath(os.path.join(self.build, line.strip()))
                if path.startswith(self.tree + os.sep):
                    users[os.path.relpath(path, self.tree)].add(current)
        return {k: sorted(v) for k, v in users.items()}

    def keep_pristine(self, obj):
        target = os.path.join(self.pristine, obj)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copy2(os.path.join(self.build, obj), target)

    def same_objects(self, objects):
        for obj in objects:
            with open(os.path.join(self.build, obj), "rb") as a, \
                 open(os.path.join(self.pristine, obj), "rb") as b:
                if a.read() != b.read():
                    return False
        return True

    def run_tests(self, timeout):
        try:
            done = subprocess.run([os.path.join(self.build, TEST_BINARY), "--gtest_brief=1",
                                   "--gtest_fail_fast"], cwd=self.build, timeout=timeout,
                                  capture_output=True)
        except subprocess.TimeoutExpired:
            return "timeout"
        return "survived" if done.returncode == 0 else "caught"

    def try_mutant(self, m, timeout):
        source = os.path.join(self.tree, m.path)
        with open(source, encoding="utf-8") as f:
            original = f.read()
        stamp = os.stat(source)
        objects = self.dependents.get(m.path, [])
        try:
            with open(source, "w", encoding="utf-8") as f:
                f.write(apply(original, m))
            if not self.ninja(*objects):
                return "no-compile"
            if self.same_objects(objects):
                return "same-object"
            if not self.ninja("vendrix_core_tests"):
                return "no-compile"
            return self.run_tests(timeout)
        finally:
            # The source with its old time and the pristine objects back: the
            # next build relinks but compiles nothing again.
            with open(source, "w", encoding="utf-8") as f:
                f.write(original)
            os.utime(source, ns=(stamp.st_atime_ns, stamp.st_mtime_ns))
            for obj in objects:
                shutil.copyfile(os.path.join(self.pristine, obj), os.path.join(self.build, obj))


# --- results -----------------------------------------------------------------


def listed_equivalents(path):
    if not os.path.exists(path):
        return {}
    listed = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                key, _, reason = line.rstrip("\n").partition(" # ")
                listed[key.strip()] = reason.strip()
    return listed


def previous_outcomes(log):
    found = {}
    with open(log, encoding="utf-8") as f:
        for line in f:
            _, outcome, key = line.rstrip("\n").split(None, 2)
            found[key] = outcome
    return found


def table(outcomes):
    """Rows per folder and per file: compiling, same object, equivalent,
    caught, survived and the score."""
    rows = collections.OrderedDict()
    for m, outcome in outcomes:
        for key in ("all", m.path.split("/")[1], m.path):
            rows.setdefault(key, collections.Counter())[outcome] += 1
    out = [f"{'':40} mutants  no-build  same-obj  equiv  caught  survived  score"]
    order = ["all"] + list(FOLDERS) + sorted(k for k in rows if "/" in k)
    for key in order:
        c = rows.get(key)
        if not c:
            continue
        caught = c["caught"] + c["timeout"]
        scored = caught + c["survived"]
        score = f"{100 * caught / scored:5.1f}%" if scored else "    -"
        out.append(f"{key:40} {sum(c.values()):7} {c['no-compile']:9} {c['same-object']:9} "
                   f"{c['equivalent']:6} {caught:7} {c['survived']:9}  {score}")
    return "\n".join(out)


LOGGED = re.compile(r"^(\S+?):(\d+):(\d+) (\w+) '(.*)' -> '(.*)'$")


def logged_mutants(log, logged_source):
    """The mutants of an earlier run with their outcomes, moved to where their
    lines are now (other lines may have come or gone since); None for a
    mutant whose line is gone."""
    found = []
    for key, outcome in previous_outcomes(log).items():
        path, line, col, kind, before, after = LOGGED.match(key).groups()
        m = Mutant(path, int(line), int(col), kind, before, after)
        found.append((relocated(m, logged_source), outcome))
    return found


def relocated(m, logged_source):
    def lines_of(root):
        try:
            with open(os.path.join(root, m.path), encoding="utf-8") as f:
                return f.read().split("\n")
        except FileNotFoundError:
            return []

    old, new = lines_of(logged_source), lines_of(SOURCE)
    text = old[m.line - 1] if m.line <= len(old) else None
    places = [i for i, t in enumerate(new) if t == text]
    if not places:
        return None
    return m._replace(line=min(places, key=lambda i: abs(i + 1 - m.line)) + 1)


def arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=300)
    parser.add_argument("--per-folder", type=int, default=30)
    parser.add_argument("--workdir", default=os.path.join(REPO, "build-mutation"))
    parser.add_argument("--revision", help="measure this commit instead of the work tree")
    parser.add_argument("--resume", help="a mutants.log: its outcomes are kept and only its "
                        "survivors are tried again (after sharper tests)")
    parser.add_argument("--resume-revision", help="the commit the --resume log was made on")
    parser.add_argument("--minutes", type=float, default=0,
                        help="try no new mutant after this long (0: no limit)")
    parser.add_argument("--flags", default="-O3 -DNDEBUG",
                        help="compiler flags of the scratch build (the Release ones by default)")
    parser.add_argument("--list", action="store_true", help="print the sample and stop")
    parser.add_argument("--report", help="print the table of a mutants.log and stop")
    return parser.parse_args()


def main():
    args = arguments()
    if args.report:
        listed = listed_equivalents(os.path.join(HERE, "equivalent.txt"))
        logged = previous_outcomes(args.report).items()
        print(table([(Mutant(*LOGGED.match(k).groups()), "equivalent" if k in listed else o)
                     for k, o in logged]))
        return
    global SOURCE
    os.makedirs(args.workdir, exist_ok=True)
    if args.resume_revision:
        logged_source = export_revision(args.resume_revision, args.workdir, "logged")
    if args.revision:
        SOURCE = export_revision(args.revision, args.workdir)
    if args.resume:
        earlier = logged_mutants(args.resume, logged_source if args.resume_revision else SOURCE)
        gone = sum(1 for m, _ in earlier if m is None)
        earlier = {mutant_id(m): (m, o) for m, o in earlier if m is not None}
        mutants = [m for m, _ in earlier.values()]
    else:
        gone, earlier, mutants = 0, {}, sample(args.seed, args.count, args.per_folder)
    if args.list:
        print("\n".join(mutant_id(m) for m in mutants))
        return
    equivalent = listed_equivalents(os.path.join(HERE, "equivalent.txt"))
    bench = Workbench(args.workdir, args.flags)
    bench.prepare()
    started = time.monotonic()
    if bench.run_tests(None) != "survived":
        sys.exit("the core tests fail without any mutant")
    timeout = max(20.0, 3 * (time.monotonic() - started))

    outcomes = []
    log = open(os.path.join(args.workdir, "mutants.log"), "w", encoding="utf-8")
    deadline = time.monotonic() + 60 * args.minutes if args.minutes else float("inf")
    for n, m in enumerate(mutants, 1):
        key = mutant_id(m)
        before = earlier.get(key, (m, "survived"))[1]
        if key in equivalent:
            outcome = "equivalent"
        elif before != "survived":
            outcome = before
        elif time.monotonic() > deadline:
            continue
        else:
            outcome = bench.try_mutant(m, timeout)
        outcomes.append((m, outcome))
        print(f"[{n}/{len(mutants)}] {outcome:11} {key}", file=log, flush=True)
    bench.ninja("vendrix_core_tests")

    report = table(outcomes)
    print(report)
    with open(os.path.join(args.workdir, "results.txt"), "w", encoding="utf-8") as f:
        f.write(f"seed {args.seed}, {len(outcomes)} of {len(mutants)} mutants tried, "
                f"{gone} gone with their lines, flags {args.flags}\n{report}\n")
    with open(os.path.join(args.workdir, "survivors.txt"), "w", encoding="utf-8") as f:
        f.writelines(mutant_id(m) + "\n" for m, o in outcomes if o == "survived")


if __name__ == "__main__":
    main()
