#!/usr/bin/env python3
"""Mutation testing: plants one fault at a time in the C++ of chosen folders
and checks that the tests notice.

The developer's checkout is only read. Its files are copied into a tree of
the script's own (build-mutate/tree, with its build directory tree/build-test
laid out like every other checkout, so the shared compiler cache hits); each
mutant is written into the copy, the test programs that link the mutated
library are rebuilt and run through ctest, and the copy gets its file back.

    python3 scripts/mutate.py --folders src/store,src/upkeep --seed 7 --count 40
    python3 scripts/mutate.py --folders src/store --list
"""

import argparse
import fcntl
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import asdict, dataclass

# ---------------------------------------------------------------------------
# Finding the places to plant a fault


@dataclass(frozen=True)
class Token:
    kind: str  # "id", "num", "op", "lit"
    text: str
    start: int
    space_before: bool
    space_after: bool


@dataclass(frozen=True)
class Site:
    start: int  # byte offset of the replaced text
    end: int
    original: str
    mutated: str
    kind: str


_PUNCT = sorted(
    """<=> <<= >>= ->* ... :: -> << >> <= >= == != && || ++ -- += -= *= /= %= &= |= ^= ## .*
    { } [ ] ( ) ; : , . ? ~ ! + - * / % ^ & | = < > #""".split(),
    key=len,
    reverse=True,
)
_NUMBER = re.compile(r"\.?\d(?:[eEpP][+-]|'(?=\w)|[\w.])*")
_IDENT = re.compile(r"[A-Za-z_]\w*")
_LITERAL_PREFIXES = {"u8", "u", "U", "L", "R", "u8R", "uR", "UR", "LR"}

# Qt setters whose one argument is a bool; negating it is a planted fault.
_BOOL_SETTER = re.compile(
    r"set(Visible|Hidden|Enabled|Disabled|Checked|Checkable|Bold|Italic|Underline|StrikeOut|"
    r"Overline|FixedPitch|Kerning|ReadOnly|Modal|Default|AutoDefault|Flat|Frame|WordWrap|"
    r"Wrapping|Tristate|AutoRaise|AutoRepeat|AutoExclusive|Exclusive|Down|Selected|Editable|"
    r"\w+Enabled|\w+Visible)"
)

_NOT_A_TEMPLATE_NAME = {
    "return", "if", "while", "for", "switch", "case", "sizeof", "and", "or", "not", "co_return",
    "throw", "delete", "new", "else", "do",
}
# Tokens that cannot stand inside a template's argument list.
_ENDS_TEMPLATE_SCAN = {
    ";", "{", "}", "||", "=", "==", "!=", "<=", ">=", "?", ":", "+=", "-=", "*=", "/=", "<<",
    "!", "<=>", ">>=", "<<=", "|=", "&=",
}


def _skip_line(text, i):
    """Index of the newline ending a preprocessor line that starts at i (continuations joined)."""
    n = len(text)
    while i < n:
        if text[i] == "\\" and i + 1 < n and text[i + 1] == "\n":
            i += 2
            continue
        if text.startswith("/*", i):
            end = text.find("*/", i + 2)
            i = n if end < 0 else end + 2
            continue
        if text.startswith("//", i) or text[i] == "\n":
            nl = text.find("\n", i)
            return n if nl < 0 else nl
        i += 1
    return n


def _skip_quoted(text, i, quote):
    """Index just past the closing quote of a literal whose opening quote is at i."""
    n = len(text)
    i += 1
    while i < n:
        c = text[i]
        if c == "\\":
            i += 2
            continue
        if c == quote or c == "\n":
            return i + 1
        i += 1
    return n


def tokenize(text):
    """The C++ tokens of text, leaving out comments, preprocessor lines and the
    insides of string and character literals (each literal is one "lit" token)."""
    tokens = []
    i, n = 0, len(text)
    line_start = True  # only blanks since the last newline
    while i < n:
        c = text[i]
        if c in " \t\r\f\v\n":
            if c == "\n":
                line_start = True
            i += 1
            continue
        start = i
        if text.startswith("//", i):
            nl = text.find("\n", i)
            i = n if nl < 0 else nl
            continue
        if text.startswith("/*", i):
            end = text.find("*/", i + 2)
            i = n if end < 0 else end + 2
            continue
        if c == "#" and line_start:
            i = _skip_line(text, i)
            continue
        line_start = False
        kind = None
        if c.isdigit() or (c == "." and i + 1 < n and text[i + 1].isdigit()):
            i = _NUMBER.match(text, i).end()
            kind = "num"
        elif c.isalpha() or c == "_":
            i = _IDENT.match(text, i).end()
            word = text[start:i]
            if word in _LITERAL_PREFIXES and i < n and text[i] in "\"'":
                if word.endswith("R") and text[i] == '"':
                    paren = text.find("(", i)
                    delim = text[i + 1 : paren] if paren >= 0 else ""
                    end = text.find(")" + delim + '"', paren + 1) if paren >= 0 else -1
                    i = n if end < 0 else end + len(delim) + 2
                else:
                    i = _skip_quoted(text, i, text[i])
                kind = "lit"
            else:
                kind = "id"
        elif c in "\"'":
            i = _skip_quoted(text, i, c)
            kind = "lit"
        else:
            for p in _PUNCT:
                if text.startswith(p, i):
                    i += len(p)
                    break
            else:
                i += 1
            kind = "op"
        before = start == 0 or text[start - 1].isspace()
        after = i >= n or text[i].isspace()
        tokens.append(Token(kind, text[start:i], start, before, after))
    return tokens


def _template_brackets(tokens):
    """Indices of the tokens that are angle brackets of template argument lists
    (including a ">>" that closes two of them)."""
    marked = set()
    for k, tok in enumerate(tokens):
        if tok.text != "<" or k in marked or k == 0:
            continue
        prev = tokens[k - 1]
        if prev.kind != "id" or prev.text in _NOT_A_TEMPLATE_NAME:
            continue
        angles = [k]  # bracket tokens seen in this list
        depth, parens = 1, 0
        j = k + 1
        while j < len(tokens) and depth > 0:
            t = tokens[j]
            s = t.text
            if t.kind == "lit" or s in _ENDS_TEMPLATE_SCAN:
                break
            if s == "&&" and t.space_before:  # a logical and, not T&&
                break
            if s in ("(", "["):
                parens += 1
            elif s in (")", "]"):
                if parens == 0:
                    break
                parens -= 1
            elif parens == 0 and s in ("->", "."):
                break
            elif s == "<":
                depth += 1
                angles.append(j)
            elif s == ">":
                depth -= 1
                angles.append(j)
            elif s == ">>":
                if depth < 2:
                    break
                depth -= 2
                angles.append(j)
            j += 1
        if depth == 0:
            marked.update(angles)
    return marked


def _closing_paren(tokens, k):
    """Index of the ")" matching the "(" at k, or None."""
    depth = 0
    for j in range(k, len(tokens)):
        if tokens[j].text in ("(", "[", "{"):
            depth += 1
        elif tokens[j].text in (")", "]", "}"):
            depth -= 1
            if depth == 0:
                return j if tokens[j].text == ")" else None
    return None


_SWAP = {"==": "!=", "!=": "==", "<": "<=", "<=": "<", ">": ">=", ">=": ">", "&&": "||",
         "||": "&&", "true": "false", "false": "true"}


def find_sites(text):
    """Every place in the C++ source text where one fault can be planted."""
    tokens = tokenize(text)
    templates = _template_brackets(tokens)
    sites = []
    for k, tok in enumerate(tokens):
        prev = tokens[k - 1] if k > 0 else None
        if prev is not None and prev.text == "operator":
            continue
        s = tok.text
        if tok.kind == "op" and s in ("==", "!=", "<", "<=", ">", ">="):
            if k in templates or (prev is not None and prev.text == "template"):
                continue
            sites.append(Site(tok.start, tok.start + len(s), s, _SWAP[s], "comparison"))
        elif tok.kind == "op" and s in ("&&", "||"):
            if s == "&&" and not (tok.space_before and tok.space_after):
                continue  # T&& or a capture, not a logical and
            sites.append(Site(tok.start, tok.start + 2, s, _SWAP[s], "logical"))
        elif tok.kind == "id" and s in ("true", "false"):
            sites.append(Site(tok.start, tok.start + len(s), s, _SWAP[s], "boolean"))
        elif (tok.kind == "op" and s in ("+", "-") and k + 1 < len(tokens)
              and tokens[k + 1].text == "1" and prev is not None
              and (prev.kind in ("id", "num") or prev.text in (")", "]"))):
            one = tokens[k + 1]
            sites.append(Site(tok.start, one.start + 1, text[tok.start:one.start + 1],
                              text[tok.start:one.start] + "2", "off-by-one"))
        elif (tok.kind == "id" and _BOOL_SETTER.fullmatch(s) and k + 1 < len(tokens)
              and tokens[k + 1].text == "("):
            close = _closing_paren(tokens, k + 1)
            if close is None or close == k + 2:
                continue
            inner = tokens[k + 2:close]
            if any(t.text == "," for t in inner) or (len(inner) == 1 and inner[0].text in _SWAP):
                continue  # not one argument, or a literal the boolean swap already covers
            a, b = inner[0].start, inner[-1].start + len(inner[-1].text)
            arg = text[a:b]
            neg = "!" + arg if len(inner) == 1 else "!(" + arg + ")"
            sites.append(Site(a, b, arg, neg, "negated argument"))
    return sites


# ---------------------------------------------------------------------------
# Running mutants


@dataclass
class Mutant:
    folder: str
    file: str
    line: int
    column: int
    kind: str
    original: str
    mutated: str
    line_before: str
    line_after: str
    start: int
    end: int
    status: str = ""
    tests: tuple = ()
    failed: tuple = ()
    failed_cases: tuple = ()  # the test cases (Suite.Name) that failed
    build_seconds: float = 0.0
    test_seconds: float = 0.0

    def where(self):
        return f"{self.file}:{self.line}:{self.column}"


def mutants_in_file(root, rel, folder):
    with open(os.path.join(root, rel), encoding="utf-8", errors="surrogateescape") as f:
        text = f.read()
    result = []
    for site in find_sites(text):
        line_start = text.rfind("\n", 0, site.start) + 1
        line_end = text.find("\n", site.start)
        line_end = len(text) if line_end < 0 else line_end
        before = text[line_start:line_end]
        after = text[line_start:site.start] + site.mutated + text[site.end:line_end]
        line = text.count("\n", 0, site.start) + 1
        result.append(Mutant(folder, rel, line, site.start - line_start + 1, site.kind,
                             site.original, site.mutated, before.strip(),
                             after.strip().split("\n")[0], site.start, site.end))
    return result


def candidates(root, folder, headers):
    """Every mutant of the folder's sources, in file and position order."""
    exts = (".cpp", ".h") if headers else (".cpp",)
    files = []
    for dirpath, dirnames, filenames in os.walk(os.path.join(root, folder)):
        dirnames.sort()
        files += [os.path.relpath(os.path.join(dirpath, f), root)
                  for f in sorted(filenames) if f.endswith(exts)]
    result = []
    for rel in sorted(files):
        result += mutants_in_file(root, rel, folder)
    return result


def choose(cands, seed, folder, count):
    """The seeded sample of one folder: the same seed and sources give the same mutants."""
    if count <= 0 or count >= len(cands):
        return list(cands)
    rng = random.Random(f"{seed}/{folder}")
    picked = rng.sample(range(len(cands)), count)
    return [cands[i] for i in sorted(picked)]


class Stopped(Exception):
    pass


def _on_term(signum, frame):
    raise Stopped()


def run(cmd, cwd=None, timeout=None, log=None):
    """Runs cmd in a process group of its own; returns (exit code or None on
    timeout, seconds). Any interruption ends the whole group before it returns."""
    t0 = time.monotonic()
    out = open(log, "wb") if log else subprocess.DEVNULL
    try:
        proc = subprocess.Popen(cmd, cwd=cwd, stdout=out, stderr=subprocess.STDOUT,
                                stdin=subprocess.DEVNULL, start_new_session=True)
        try:
            code = proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            code = None
        finally:
            if proc.poll() is None:
                try:
                    os.killpg(proc.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                proc.wait()
    finally:
        if log:
            out.close()
    return code, time.monotonic() - t0


def source_files(repo):
    out = subprocess.run(["git", "-C", repo, "ls-files", "-z", "--cached", "--others",
                          "--exclude-standard"], check=True, capture_output=True).stdout
    return sorted({p for p in out.decode("utf-8", "surrogateescape").split("\0") if p})


def write_file(path, data):
    """Replaces path with data: written beside it, flushed, renamed into place."""
    tmp = path + ".mutate-tmp"
    with open(tmp, "wb") as f:
        f.write(data)
        f.flush()
        os.fsync(f.fileno())
    os.replace(tmp, path)


def sync_tree(repo, tree, skip):
    """Makes tree hold the developer's sources; unchanged files keep their times."""
    wanted = set()
    for rel in source_files(repo):
        src = os.path.join(repo, rel)
        if os.path.abspath(src).startswith(skip + os.sep) or not os.path.lexists(src):
            continue
        wanted.add(rel)
        dst = os.path.join(tree, rel)
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        if os.path.islink(src):
            target = os.readlink(src)
            if not (os.path.islink(dst) and os.readlink(dst) == target):
                if os.path.lexists(dst):
                    os.remove(dst)
                os.symlink(target, dst)
            continue
        with open(src, "rb") as f:
            data = f.read()
        if os.path.islink(dst):
            os.remove(dst)
        elif os.path.isfile(dst):
            with open(dst, "rb") as f:
                if f.read() == data:
                    continue
        write_file(dst, data)
        shutil.copymode(src, dst)
    build = os.path.join(tree, "build-test")
    for dirpath, dirnames, filenames in os.walk(tree):
        dirnames[:] = [d for d in dirnames if os.path.join(dirpath, d) != build]
        for f in filenames:
            rel = os.path.relpath(os.path.join(dirpath, f), tree)
            if rel not in wanted:
                os.remove(os.path.join(dirpath, f))


class BuildTree:
    def __init__(self, tree, jobs, log_dir):
        self.tree = tree
        self.build = os.path.join(tree, "build-test")
        self.jobs = jobs
        self.log_dir = log_dir

    def configure(self):
        dot = os.path.join(self.log_dir, "graph", "deps.dot")
        os.makedirs(os.path.dirname(dot), exist_ok=True)
        # No debug information and, where there is one, a fast linker: each mutant relinks
        # its test programs, and that is most of its time.
        fast = ["-DCMAKE_CXX_FLAGS_DEBUG=-O0 -g0"]
        if shutil.which("ld.lld"):
            fast += [f"-DCMAKE_{kind}_LINKER_FLAGS=-fuse-ld=lld" for kind in ("EXE", "SHARED")]
        code, _ = run(["cmake", "-S", self.tree, "-B", self.build, "-DCMAKE_BUILD_TYPE=Debug",
                       "-DTAVREL_BENCHMARKS=OFF", *fast, f"--graphviz={dot}"],
                      log=os.path.join(self.log_dir, "configure.log"))
        if code != 0:
            raise SystemExit(f"mutate: cmake could not configure {self.build} "
                             f"(see {self.log_dir}/configure.log)")
        self.dependers = self._dependers(dot)
        self.file_target = self._file_targets()

    def build_all(self, log):
        """Builds every target, then learns which program each ctest test runs."""
        code, secs = run(["cmake", "--build", self.build, "-j", str(self.jobs)], log=log)
        if code == 0:
            self.tests = self._ctest_tests()
        return code, secs

    def _ctest_tests(self):
        """ctest name -> build target of its program, for the tests that run a program built
        from this tree. Those whose command starts with it are the default set (self.tests);
        those that hand it to a script or a wrapper (`cli`: env ... bash cli_check.sh tavrel)
        are only run when named (self.programs holds both)."""
        out = subprocess.run(["ctest", "--test-dir", self.build, "--show-only=json-v1"],
                             check=True, capture_output=True, text=True).stdout
        tests, programs = {}, {}
        inside = self.build + os.sep
        for t in json.loads(out).get("tests", []):
            cmd = t.get("command") or []
            if not cmd or t["name"] == "desktop":
                continue
            if os.path.abspath(cmd[0]).startswith(inside):
                tests[t["name"]] = programs[t["name"]] = os.path.basename(cmd[0])
                continue
            for arg in cmd[1:]:
                path = os.path.abspath(arg)
                if path.startswith(inside) and os.path.isfile(path) and os.access(path, os.X_OK):
                    programs[t["name"]] = os.path.basename(path)
                    break
        self.programs = programs
        return tests

    @staticmethod
    def _dependers(dot):
        """target -> every target that links it, directly or not."""
        names, edges = {}, []
        with open(dot) as f:
            for line in f:
                m = re.match(r'\s*"(\w+)" \[ label = "([^"]+)"', line)
                if m:
                    names[m.group(1)] = m.group(2)
                m = re.match(r'\s*"(\w+)" -> "(\w+)"', line)
                if m:
                    edges.append((m.group(1), m.group(2)))
        users = {}
        for a, b in edges:
            users.setdefault(names.get(b, b), set()).add(names.get(a, a))
        closure = {}
        for target in names.values():
            seen, todo = set(), [target]
            while todo:
                for u in users.get(todo.pop(), ()):
                    if u not in seen:
                        seen.add(u)
                        todo.append(u)
            closure[target] = seen
        return closure

    def _file_targets(self):
        """directory of sources (relative to the tree) -> the library built from it; each
        compiled file's own target (src/app/main.cpp: the program, not the library beside
        it) goes to self.source_target."""
        with open(os.path.join(self.build, "compile_commands.json")) as f:
            entries = json.load(f)
        dirs, self.source_target = {}, {}
        for e in entries:
            m = re.search(r"CMakeFiles/([^/]+)\.dir/", e.get("output", "") + " " + e["command"])
            path = os.path.relpath(e["file"], self.tree)
            if m and "_autogen" not in path and not path.startswith(".."):
                dirs.setdefault(os.path.dirname(path), m.group(1))
                self.source_target.setdefault(path, m.group(1))
        return dirs

    def tests_for(self, rel, names=None):
        """The ctest names whose programs contain the code of source file rel: of every
        test that runs a program directly, or of `names` alone."""
        target = self.source_target.get(rel) or self.file_target.get(os.path.dirname(rel))
        if target is None:
            return []
        users = self.dependers.get(target, set()) | {target}
        pool = self.tests if names is None else {n: self.programs[n] for n in names}
        return sorted(name for name, exe in pool.items() if exe in users)

    def build_targets(self, tests, log):
        targets = sorted({self.programs[t] for t in tests})
        return run(["cmake", "--build", self.build, "-j", str(self.jobs), "--target", *targets],
                   log=log)

    def run_tests(self, tests, timeout, log, stop_early=True):
        """Runs tests; the unmutated run (stop_early False) keeps every program's output."""
        cmd = ["ctest", "--test-dir", self.build, "-R", "^(" + "|".join(map(re.escape, tests))
               + ")$", "-E", "^desktop$", "--output-on-failure"]
        cmd.append("--stop-on-failure" if stop_early else "-V")
        return run(cmd, timeout=timeout, log=log)


def log_text(log):
    """A test log's text; empty when there is none."""
    try:
        with open(log, errors="replace") as f:
            return f.read()
    except OSError:
        return ""


def failed_tests(log):
    return tuple(sorted(set(re.findall(r"^\s*\d+ - (\S+) \(", log_text(log), re.M))))


def ran_no_case(log):
    """True when a test log shows a GoogleTest program that ran no case at all (a
    GTEST_FILTER that matches nothing in it): its kills would all be missed."""
    return re.search(r"\[  PASSED  \] 0 tests\.", log_text(log)) is not None


def failed_cases(log):
    """The GoogleTest cases a test log reports as failed."""
    return tuple(sorted(set(re.findall(r"^\[  FAILED  \] ([\w/.]+)(?: \(| *,|$)",
                                       log_text(log), re.M))))


def who_kills(paths):
    """Per test case: the mutants it killed, and how many only it killed.
    A case that killed nothing alone is a candidate for folding or removal."""
    kills = {}
    for path in paths:
        with open(path) as f:
            for m in json.load(f)["mutants"]:
                cases = m.get("failed_cases") or []
                for c in cases:
                    kills.setdefault(c, [0, 0])[0] += 1
                    if len(cases) == 1:
                        kills[c][1] += 1
    for case, (killed, alone) in sorted(kills.items(), key=lambda kv: (kv[1][1], kv[1][0])):
        print(f"{alone:3d} alone {killed:3d} killed  {case}")


def summary(mutants, folders):
    parts, per_folder = [], {}
    for folder in folders:
        ms = [m for m in mutants if m.folder == folder and m.status]
        killed = sum(m.status in ("killed", "timed out") for m in ms)
        survived = sum(m.status == "survived" for m in ms)
        no_build = sum(m.status == "no build" for m in ms)
        judged = killed + survived
        rate = round(100.0 * killed / judged, 1) if judged else None
        per_folder[folder] = {"killed": killed, "survived": survived, "no_build": no_build,
                              "timed_out": sum(m.status == "timed out" for m in ms),
                              "rate_percent": rate}
        shown = f"{rate:.0f}%" if rate is not None else "-"
        parts.append(f"{folder} {killed} killed, {survived} survived, {no_build} no build"
                     f" ({shown})")
    return "; ".join(parts), per_folder


def write_report(path, args, mutants, folders, baseline, started):
    line, per_folder = summary(mutants, folders)
    report = {
        "seed": args.seed, "count": args.count, "folders": folders, "headers": args.headers,
        "started": started, "finished": time.strftime("%Y-%m-%d %H:%M:%S"),
        "tests_option": args.tests or ("own" if args.own_tests else "all"),
        "gtest_filter": os.environ.get("GTEST_FILTER"),
        "baseline_seconds": baseline, "summary": line, "folders_summary": per_folder,
        "mutants": [dict({k: v for k, v in asdict(m).items() if k not in ("start", "end")},
                         status=m.status or "not run") for m in mutants],
    }
    write_file(path, (json.dumps(report, indent=1) + "\n").encode())


def main(argv=None):
    here = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawTextHelpFormatter)
    p.add_argument("--who-kills", nargs="+", metavar="REPORT",
                   help="only list, per test case, how many mutants of the REPORTs it killed and "
                        "how many it alone killed")
    p.add_argument("--folders", required="--who-kills" not in (argv or sys.argv),
                   help="comma-separated source folders, e.g. src/store,src/upkeep")
    p.add_argument("--seed", type=int, default=28, help="seed of the sample (default 28)")
    p.add_argument("--count", type=int, default=40,
                   help="mutants per folder (default 40; 0 = every candidate)")
    p.add_argument("--headers", action="store_true",
                   help="plant faults in headers too (each rebuilds everything that includes them)")
    p.add_argument("--list", action="store_true", help="only print the chosen mutants")
    which = p.add_mutually_exclusive_group()
    which.add_argument("--own-tests", action="store_true",
                       help="run each mutant against its folder's own test program only (src/X: "
                            "the test X), where there is one")
    which.add_argument("--tests", metavar="NAME,NAME",
                       help="run each mutant against these ctest tests only (those of them whose "
                            "program contains the mutated code), e.g. store,shell,cli")
    p.add_argument("--jobs", type=int, default=2, help="parallel build jobs (default 2)")
    p.add_argument("--timeout", type=float, default=0,
                   help="seconds the tests of one mutant may take (default: 3 x the unmutated "
                        "run + 30); longer counts as killed")
    p.add_argument("--report", help="JSON file of the results (default build-mutate/report.json)")
    p.add_argument("--survivors-of", metavar="REPORT",
                   help="try again only the mutants of the sample that survived in REPORT")
    p.add_argument("--workdir", default=os.path.join(here, "build-mutate"),
                   help="the script's own copy and build tree (default build-mutate/)")
    p.add_argument("--repo", default=here, help=argparse.SUPPRESS)
    args = p.parse_args(argv)
    if args.who_kills:
        who_kills(args.who_kills)
        return 0

    repo = os.path.abspath(args.repo)
    folders = [f.strip().rstrip("/") for f in args.folders.split(",") if f.strip()]
    for folder in folders:
        if not os.path.isdir(os.path.join(repo, folder)):
            p.error(f"no folder {folder} in {repo}")

    survivors = None
    if args.survivors_of:
        with open(args.survivors_of) as f:
            survivors = {f"{m['file']}:{m['line']}:{m['column']}"
                         for m in json.load(f)["mutants"] if m["status"] == "survived"}

    def sample(root):
        chosen = []
        for folder in folders:
            cands = candidates(root, folder, args.headers)
            picked = choose(cands, args.seed, folder, args.count)
            if survivors is not None:
                picked = [m for m in picked if m.where() in survivors]
            chosen += picked
            print(f"{folder}: {len(picked)} of {len(cands)} candidates (seed {args.seed})")
            if args.list:
                for m in picked:
                    print(f"  {m.where()}  {m.kind}: {m.original} -> {m.mutated}"
                          f"    {m.line_after}")
        return chosen

    if args.list:
        sample(repo)
        return 0

    signal.signal(signal.SIGTERM, _on_term)
    workdir = os.path.abspath(args.workdir)
    tree = os.path.join(workdir, "tree")
    logs = os.path.join(workdir, "logs")
    os.makedirs(logs, exist_ok=True)
    lock = open(os.path.join(workdir, "lock"), "w")
    try:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except BlockingIOError:
        raise SystemExit(f"mutate: another run is using {workdir}")
    started = time.strftime("%Y-%m-%d %H:%M:%S")
    report = os.path.abspath(args.report or os.path.join(workdir, "report.json"))
    chosen, baseline = [], {}
    current = None  # (path in the copy, its real bytes) while a mutant is planted
    try:
        print(f"mutate: copying the sources to {tree}", flush=True)
        sync_tree(repo, tree, workdir)
        chosen = sample(tree)
        bt = BuildTree(tree, args.jobs, logs)
        bt.configure()
        print("mutate: building the unmutated tree", flush=True)
        code, secs = bt.build_all(os.path.join(logs, "baseline-build.log"))
        if code != 0:
            raise SystemExit(f"mutate: the unmutated tree does not build "
                             f"(see {logs}/baseline-build.log)")
        named = None
        if args.tests:
            named = [t.strip() for t in args.tests.split(",") if t.strip()]
            unknown = [t for t in named if t not in bt.programs]
            if unknown:
                raise SystemExit(f"mutate: no test that runs a program of the tree is called "
                                 f"{', '.join(unknown)} (there are {', '.join(sorted(bt.programs))})")
        for m in chosen:
            m.tests = tuple(bt.tests_for(m.file, named))
            own = m.file.split("/")[1] if m.file.startswith("src/") else None
            if args.own_tests and own in m.tests:
                m.tests = (own,)
        chosen = [m for m in chosen if m.tests] + [m for m in chosen if not m.tests]
        for m in chosen:
            if not m.tests:
                m.status = "no tests"
        needed = sorted({t for m in chosen for t in m.tests})
        if not needed:
            raise SystemExit("mutate: no test program links the chosen folders")
        print(f"mutate: running the unmutated tests ({', '.join(needed)})", flush=True)
        for t in needed:
            code, secs = bt.run_tests([t], None, os.path.join(logs, f"baseline-{t}.log"), False)
            if code != 0:
                raise SystemExit(f"mutate: test {t} fails without any mutant "
                                 f"(see {logs}/baseline-{t}.log)")
            if ran_no_case(os.path.join(logs, f"baseline-{t}.log")):
                raise SystemExit(f"mutate: test {t} runs no test case (GTEST_FILTER="
                                 f"{os.environ.get('GTEST_FILTER', '')!r}?); see "
                                 f"{logs}/baseline-{t}.log")
            baseline[t] = round(secs, 1)
        print("mutate: unmutated tests pass: "
              + ", ".join(f"{t} {s:.0f}s" for t, s in baseline.items()), flush=True)

        todo = [m for m in chosen if m.tests]
        for n, m in enumerate(todo, 1):
            path = os.path.join(tree, m.file)
            with open(path, "rb") as f:
                real = f.read()
            text = real.decode("utf-8", "surrogateescape")
            if text[m.start:m.end] != m.original:
                m.status = "stale"
                continue
            current = (path, real)
            write_file(path, (text[:m.start] + m.mutated + text[m.end:])
                       .encode("utf-8", "surrogateescape"))
            log = os.path.join(logs, f"mutant-{n}")
            code, m.build_seconds = bt.build_targets(m.tests, log + "-build.log")
            if code != 0:
                m.status = "no build"
            else:
                limit = args.timeout or 3 * sum(baseline[t] for t in m.tests) + 30
                code, m.test_seconds = bt.run_tests(m.tests, limit, log + "-tests.log")
                if code is None:
                    m.status = "timed out"
                else:
                    m.status = "survived" if code == 0 else "killed"
                    m.failed = failed_tests(log + "-tests.log")
                    m.failed_cases = failed_cases(log + "-tests.log")
            write_file(path, real)
            current = None
            m.build_seconds = round(m.build_seconds, 1)
            m.test_seconds = round(m.test_seconds, 1)
            print(f"[{n}/{len(todo)}] {m.where()} {m.original} -> {m.mutated}: {m.status}"
                  f" (build {m.build_seconds:.0f}s, tests {m.test_seconds:.0f}s)", flush=True)
            write_report(report, args, chosen, folders, baseline, started)
    except (KeyboardInterrupt, Stopped):
        print("\nmutate: stopped; the results so far follow", file=sys.stderr)
    finally:
        if current is not None:
            write_file(*current)  # the copy gets its real file back
    write_report(report, args, chosen, folders, baseline, started)
    line, _ = summary(chosen, folders)
    print(f"mutate: seed {args.seed}: {line}")
    print(f"mutate: report in {report}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
