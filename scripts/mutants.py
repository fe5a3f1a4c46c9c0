#!/usr/bin/env python3
"""Mutation testing of Tressola: how many small faults in src/ does the test suite notice?

Each mutant is one change found in the syntax tree (libclang): an operator swapped, a constant
moved by one, a condition negated, a call statement removed, a text emptied. The mutant is
written into a private copy of the tree (build-mutants/wN/), built incrementally there, and the
tests that can see it run one by one, the quickest first, until one fails. A test can see a
mutant when its command runs an executable that links the mutated file (which includes every
scenario, since they run the real program); the other tests cannot, so they are not run.

Results are appended to build-mutants/results.jsonl; a run that is stopped resumes where it
left off. Survivors that cannot be caught (equivalent mutants) go to scripts/mutants-exclusions.txt.

  scripts/mutants.py [--only PATH]... [--sample N] [-j N] [--timeout S] [--no-sanitize]
"""

import argparse
import hashlib
import json
import os
import random
import re
import shlex
import shutil
import signal
import subprocess
import sys
import threading
import time
from pathlib import Path

try:
    import clang.cindex as ci
except ImportError:  # a python3 of its own (pyenv, venv) does not see Debian's bindings
    sys.path.append("/usr/lib/python3/dist-packages")
    import clang.cindex as ci

ROOT = Path(__file__).resolve().parent.parent
WORK = ROOT / "build-mutants"
RESULTS = WORK / "results.jsonl"
EXCLUSIONS = ROOT / "scripts" / "mutants-exclusions.txt"

# ---------------------------------------------------------------------------------------------
# Finding the mutants

BINARY = {
    "+": ["-"], "-": ["+"], "*": ["/"], "/": ["*"], "%": ["/"],
    "<": ["<="], "<=": ["<"], ">": [">="], ">=": [">"], "==": ["!="], "!=": ["=="],
    "&&": ["||"], "||": ["&&"], "&": ["|"], "|": ["&"], "^": ["&"], "<<": [">>"], ">>": ["<<"],
}
COMPOUND = {"+=": "-=", "-=": "+=", "*=": "/=", "/=": "*=", "|=": "&=", "&=": "|=",
            "<<=": ">>=", ">>=": "<<=", "%=": "/=", "^=": "|="}
UNARY_REMOVED = {"!", "-", "~"}
INCREMENT = {"++": "--", "--": "++"}
OVERLOADED = {"operator" + op for op in ("==", "!=", "<", "<=", ">", ">=")}
K = ci.CursorKind
MACRO_TEXT = re.compile(rb'[A-Za-z_]\w*\s*\(\s*("((?:[^"\\\n]|\\.)*)")\s*\)')


class Mutant:
    __slots__ = ("file", "start", "end", "orig", "repl", "line", "col", "kind", "id", "text")

    def __init__(self, file, start, end, orig, repl, line, col, kind):
        self.file, self.start, self.end = file, start, end
        self.orig, self.repl, self.line, self.col, self.kind = orig, repl, line, col, kind

    def describe(self):
        def short(s):
            s = " ".join(s.split())
            return s if len(s) <= 40 else s[:37] + "..."
        if self.kind == "call":
            return f"call removed: {short(self.orig)}"
        if self.kind == "condition":
            return f"condition negated: {short(self.orig)}"
        return f"{short(self.orig)} -> {short(self.repl) or '(nothing)'}"


def tokens_of(cursor):
    return list(cursor.get_tokens())


def in_file(cursor, path):
    loc = cursor.location
    return loc.file is not None and loc.file.name == path


def integer_mutation(spelling):
    m = re.fullmatch(r"(0[xX][0-9a-fA-F']+|0[bB][01']+|[0-9][0-9']*)([uUlLzZ]*)", spelling)
    if not m:
        return None
    digits = m.group(1).replace("'", "")
    octal = len(digits) > 1 and digits[0] == "0" and digits[1].isdigit()
    value = int(digits, 0) if digits[:2].lower() in ("0x", "0b") else int(digits, 8 if octal else 10)
    new = 1 if value == 0 else (0 if value == 1 else value + 1)
    if digits[:2].lower() == "0x":
        return f"{digits[:2]}{new:0{len(digits) - 2}X}{m.group(2)}"
    if octal:
        return f"0{new:o}{m.group(2)}"
    return f"{new}{m.group(2)}"


def float_mutation(spelling):
    m = re.fullmatch(r"([0-9.]+(?:[eE][-+]?[0-9]+)?)([fFlL]?)", spelling)
    if not m:
        return None
    return f"{float(m.group(1)) + 1.0!r}{m.group(2)}"


def strip_wrappers(cursor):
    while cursor.kind == K.UNEXPOSED_EXPR:
        children = list(cursor.get_children())
        if len(children) != 1:
            break
        cursor = children[0]
    return cursor


def mutations_of(cursor, source):
    """Yields (start, end, replacement, kind) for one node; offsets are checked by the caller."""
    kind = cursor.kind
    ext = cursor.extent
    if kind == K.BINARY_OPERATOR:
        children = list(cursor.get_children())
        if len(children) != 2:
            return
        after = children[0].extent.end.offset
        for t in tokens_of(cursor):
            if t.kind == ci.TokenKind.PUNCTUATION and t.extent.start.offset >= after:
                for r in BINARY.get(t.spelling, []):
                    yield t.extent.start.offset, t.extent.end.offset, r, "operator"
                break
    elif kind == K.COMPOUND_ASSIGNMENT_OPERATOR:
        children = list(cursor.get_children())
        if len(children) != 2:
            return
        after = children[0].extent.end.offset
        for t in tokens_of(cursor):
            if t.kind == ci.TokenKind.PUNCTUATION and t.extent.start.offset >= after:
                if t.spelling in COMPOUND:
                    yield t.extent.start.offset, t.extent.end.offset, COMPOUND[t.spelling], "operator"
                break
    elif kind == K.UNARY_OPERATOR:
        toks = tokens_of(cursor)
        if not toks:
            return
        first, last = toks[0], toks[-1]
        if first.spelling in UNARY_REMOVED and first.extent.start.offset == ext.start.offset:
            yield first.extent.start.offset, first.extent.end.offset, "", "operator"
        elif first.spelling in INCREMENT:
            yield first.extent.start.offset, first.extent.end.offset, INCREMENT[first.spelling], "operator"
        elif last.spelling in INCREMENT:
            yield last.extent.start.offset, last.extent.end.offset, INCREMENT[last.spelling], "operator"
    elif kind == K.CALL_EXPR and cursor.spelling in OVERLOADED:
        # A comparison of class values (QString, QChar...): the same swaps as for built-in ones.
        op = cursor.spelling[len("operator"):]
        children = list(cursor.get_children())
        after = children[0].extent.end.offset if children else ext.start.offset
        for t in tokens_of(cursor):
            if t.spelling == op and t.extent.start.offset >= after:
                for r in BINARY[op]:
                    yield t.extent.start.offset, t.extent.end.offset, r, "operator"
                break
    elif kind == K.INTEGER_LITERAL:
        toks = tokens_of(cursor)
        if len(toks) == 1:
            r = integer_mutation(toks[0].spelling)
            if r is not None:
                yield ext.start.offset, ext.end.offset, r, "constant"
    elif kind == K.FLOATING_LITERAL:
        toks = tokens_of(cursor)
        if len(toks) == 1:
            r = float_mutation(toks[0].spelling)
            if r is not None:
                yield ext.start.offset, ext.end.offset, r, "constant"
    elif kind == K.CXX_BOOL_LITERAL_EXPR:
        toks = tokens_of(cursor)
        if len(toks) == 1 and toks[0].spelling in ("true", "false"):
            yield (ext.start.offset, ext.end.offset,
                   "false" if toks[0].spelling == "true" else "true", "constant")
    elif kind == K.STRING_LITERAL:
        toks = tokens_of(cursor)
        if len(toks) == 1:
            m = re.fullmatch(r'(u8|u|U|L)?"(.+)"', toks[0].spelling, re.S)
            if m:
                yield ext.start.offset, ext.end.offset, f'{m.group(1) or ""}""', "text"
        elif not toks:
            # Made by a macro (QStringLiteral): the text is its one argument, at the macro's name.
            at = cursor.location.offset
            m = MACRO_TEXT.match(source, at)
            if m and m.group(2):
                yield m.start(1), m.end(1), '""', "text"
    elif kind in (K.IF_STMT, K.WHILE_STMT, K.CONDITIONAL_OPERATOR, K.DO_STMT):
        yield from negation(cursor, source)
    yield from removals(cursor, source)


def negation(cursor, source):
    children = list(cursor.get_children())
    if not children:
        return
    cond = children[-1] if cursor.kind == K.DO_STMT else children[0]
    if cond.kind.is_declaration() or cond.kind.is_statement() and not cond.kind.is_expression():
        return  # an init-statement or a declared variable: too varied to negate safely
    inner = strip_wrappers(cond)
    if inner.kind == K.UNARY_OPERATOR and [t.spelling for t in tokens_of(inner)][:1] == ["!"]:
        return  # the same as removing that "!"
    s, e = cond.extent.start.offset, cond.extent.end.offset
    yield s, e, "!(" + source[s:e].decode("utf-8", "replace") + ")", "condition"


def removals(cursor, source):
    """Call statements that can go: in a block, or the body of an if or a loop without braces."""
    kind = cursor.kind
    if kind == K.COMPOUND_STMT:
        statements = list(cursor.get_children())
    elif kind in (K.IF_STMT, K.WHILE_STMT, K.FOR_STMT):
        statements = list(cursor.get_children())[1:]  # a body without braces
    else:
        return
    for child in statements:
        call = strip_wrappers(child)
        if call.kind != K.CALL_EXPR or not call.spelling:
            continue
        ref = call.referenced
        if ref is not None and ref.kind in (K.CONSTRUCTOR, K.DESTRUCTOR):
            continue
        s, e = child.extent.start.offset, child.extent.end.offset
        if source[e - 1:e] == b")" and source[e:e + 1] == b";":
            yield s, e, "{}", "call"  # not "": an if with an empty body is an error with -Werror


def find_mutants(tu_path, args, wanted, index):
    """All mutants of the files in `wanted` (absolute paths) seen from one translation unit."""
    tu = index.parse(tu_path, args=args)
    errors = [d for d in tu.diagnostics if d.severity >= ci.Diagnostic.Error]
    if errors:
        print(f"mutants: {tu_path}: {errors[0].spelling} (mutants of this file may be incomplete)",
              file=sys.stderr)
    sources, found = {}, []

    def walk(cursor):
        for child in cursor.get_children():
            loc = child.location
            if loc.file is None or loc.file.name not in wanted:
                if loc.file is not None:
                    continue  # another header: its nodes are not ours
            else:
                name = loc.file.name
                if name not in sources:
                    sources[name] = Path(name).read_bytes()
                src = sources[name]
                try:
                    for s, e, r, kind in mutations_of(child, src):
                        found.append((name, s, e, r, kind))
                except ValueError:
                    pass  # a cursor kind these bindings do not know
            walk(child)

    walk(tu.cursor)
    return found, sources


def compile_args(entry):
    words = shlex.split(entry["command"]) if "command" in entry else list(entry["arguments"])
    args, skip = [], False
    for w in words[1:]:
        if skip:
            skip = False
            continue
        if w in ("-o", "-c", "-MF", "-MT", "-MQ"):
            skip = w != "-c"
            continue
        if w == entry["file"] or w.startswith("-fsanitize") or w in ("-MD", "-MMD", "-Werror"):
            continue
        args.append(w)
    return args + ["-Wno-everything"]


def line_col(source, offset):
    line = source.count(b"\n", 0, offset) + 1
    col = offset - (source.rfind(b"\n", 0, offset) + 1) + 1
    return line, col


def marked_line(source, start, end):
    """The mutated line, trimmed, with the changed part between ⟦ ⟧: a mutant's name that stays
    the same when lines move, and tells apart two alike changes on one line."""
    first = source.rfind(b"\n", 0, start) + 1
    last = source.find(b"\n", start)
    last = len(source) if last < 0 else last
    end = min(end, last)
    text = source[first:start] + "⟦".encode() + source[start:end] + "⟧".encode() + source[end:last]
    return text.decode("utf-8", "replace").strip()


def collect(tree, build, only):
    """The mutants of src/ (restricted to `only`), with stable ids tied to each file's content."""
    db = json.loads((build / "compile_commands.json").read_text())
    src_root = tree / "src"
    allfiles = sorted(p for p in src_root.rglob("*") if p.suffix in (".cpp", ".h"))

    def chosen(p):
        rel = p.relative_to(tree).as_posix()
        return not only or any(rel == o or rel.startswith(o.rstrip("/") + "/") for o in only)

    wanted = {str(p) for p in allfiles if chosen(p)}
    if not wanted:
        sys.exit(f"mutants: no file of src/ matches {only}")
    entries = [e for e in db if e["file"].startswith(str(src_root) + "/")]
    # A header is reached through the translation units that include it: with a restriction to
    # headers, parse only those whose name matches, else every unit of the tree.
    want_cpp = {w for w in wanted if w.endswith(".cpp")}
    want_h = {Path(w).stem for w in wanted if w.endswith(".h")}
    units = [e for e in entries if e["file"] in want_cpp or Path(e["file"]).stem in want_h]
    if want_h and not units:
        units = entries
    index = ci.Index.create()
    seen, mutants, sources = set(), [], {}
    for e in units:
        found, srcs = find_mutants(e["file"], compile_args(e), wanted, index)
        sources.update(srcs)
        for name, s, e_, r, kind in found:
            key = (name, s, e_, r)
            if key in seen:
                continue
            seen.add(key)
            mutants.append((name, s, e_, r, kind))
    result = []
    for name, s, e, r, kind in mutants:
        src = sources[name]
        orig = src[s:e].decode("utf-8", "replace")
        if s >= e or (kind != "condition" and orig == r):
            continue
        line, col = line_col(src, s)
        rel = Path(name).relative_to(tree).as_posix()
        m = Mutant(rel, s, e, orig, r, line, col, kind)
        digest = hashlib.sha1(src).hexdigest()
        m.id = hashlib.sha1(f"{rel}|{digest}|{s}|{e}|{r}".encode()).hexdigest()[:16]
        m.text = marked_line(src, s, e)
        result.append(m)
    result.sort(key=lambda m: (m.file, m.start, m.repl))
    return result


def cached_collect(tree, build, only):
    """collect(), remembered while the sources, their flags and this script stay the same: the
    parse of the whole tree takes minutes, a resumed run should not wait for it again."""
    h = hashlib.sha1(Path(__file__).read_bytes())
    h.update(json.dumps(only).encode())
    h.update((build / "compile_commands.json").read_bytes())
    for p in sorted((tree / "src").rglob("*")):
        if p.is_file():
            h.update(p.as_posix().encode() + p.read_bytes())
    cache = WORK / "mutants-list.json"
    if cache.exists():
        stored = json.loads(cache.read_text())
        if stored.get("key") == h.hexdigest():
            result = []
            for d in stored["mutants"]:
                m = Mutant(*(d[k] for k in ("file", "start", "end", "orig", "repl", "line", "col",
                                            "kind")))
                m.id, m.text = d["id"], d["text"]
                result.append(m)
            return result
    result = collect(tree, build, only)
    cache.write_text(json.dumps({"key": h.hexdigest(),
                                 "mutants": [{k: getattr(m, k) for k in Mutant.__slots__}
                                             for m in result]}))
    return result


# ---------------------------------------------------------------------------------------------
# Exclusions: "file | the line, trimmed, the change marked | the mutation | why it cannot be caught"

def load_exclusions():
    rules = []
    if EXCLUSIONS.exists():
        for n, raw in enumerate(EXCLUSIONS.read_text().splitlines(), 1):
            if not raw.strip() or raw.lstrip().startswith("#"):
                continue
            parts = [p.strip() for p in raw.split(" | ")]
            if len(parts) != 4 or not parts[3]:
                sys.exit(f"{EXCLUSIONS}:{n}: expected 'file | line | mutation | reason'")
            rules.append(tuple(parts))
    return rules


def excluded(m, rules):
    return any(f == m.file and t == m.text and d == m.describe() for f, t, d, _ in rules)


# ---------------------------------------------------------------------------------------------
# The private copies of the tree and their builds

def tracked_files():
    out = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=ROOT,
                         check=True, capture_output=True).stdout.decode()
    return [f for f in out.split("\0") if f and not f.startswith("build")]


def sync_copy(tree):
    """Makes the copy equal to the work tree, rewriting only files whose content differs, so
    that the copy's build stays incremental."""
    for rel in tracked_files():
        src, dst = ROOT / rel, tree / rel
        if not src.is_file():
            continue
        data = src.read_bytes()
        if dst.is_file() and dst.read_bytes() == data:
            continue
        dst.parent.mkdir(parents=True, exist_ok=True)
        dst.write_bytes(data)
        shutil.copymode(src, dst)


def build_env(readonly_cache):
    env = dict(os.environ)
    if shutil.which("ccache"):
        env.setdefault("CMAKE_CXX_COMPILER_LAUNCHER", "ccache")
        env.setdefault("CCACHE_BASEDIR", str(ROOT))
        env.setdefault("CCACHE_NOHASHDIR", "true")
        if readonly_cache:
            env["CCACHE_READONLY"] = "1"  # a mutant's object is never wanted again
    return env


def configure_and_build(tree, build, sanitize):
    args = ["cmake", "--preset", "test", "-B", str(build)]
    if not sanitize:
        args.append("-DTRESSOLA_SANITIZE=OFF")
    subprocess.run(args, cwd=tree, check=True, env=build_env(False), stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", str(build)], cwd=tree, check=True, env=build_env(False))


def ninja_outputs(build, path):
    out = subprocess.run(["ninja", "-C", str(build), "-t", "query", path], capture_output=True,
                         text=True).stdout
    result, section = [], None
    for line in out.splitlines():
        if line.startswith("  ") and not line.startswith("    "):
            section = line.strip().rstrip(":")
        elif line.startswith("    ") and section == "outputs":
            result.append(line.strip())
    return result


def object_of(entry):
    words = shlex.split(entry["command"]) if "command" in entry else entry["arguments"]
    return words[words.index("-o") + 1] if "-o" in words else None


class Plan:
    """Which tests can see a change in which source file, from ninja's graph and CTest's list."""

    def __init__(self, build):
        self.build = build
        shown = subprocess.run(["ctest", "--show-only=json-v1"], cwd=build, check=True,
                               capture_output=True, text=True).stdout
        self.tests = []
        for t in json.loads(shown)["tests"]:
            exes = {Path(a).resolve() for a in t.get("command", []) if a.startswith(str(build))}
            self.tests.append((t["name"], exes))
        self.exes = dict(self.tests)
        db = json.loads((build / "compile_commands.json").read_text())
        self.objects = {e["file"]: e.get("output") or object_of(e) for e in db}
        self.cache, self.headers = {}, None

    def programs(self, name):
        """The programs a test runs, as ninja targets of the build directory."""
        return sorted(str(p.relative_to(self.build.resolve())) for p in self.exes[name])

    def includers(self):
        """Header -> the objects that include it, from the dependencies ninja recorded."""
        if self.headers is None:
            out = subprocess.run(["ninja", "-C", str(self.build), "-t", "deps"], check=True,
                                 capture_output=True, text=True).stdout
            self.headers, target = {}, None
            for line in out.splitlines():
                if line and not line.startswith(" "):
                    target = line.split(":")[0]
                elif line.strip() and target:
                    header = str((self.build / line.strip()).resolve())
                    self.headers.setdefault(header, []).append(target)
        return self.headers

    def tests_for(self, source_file):
        if source_file in self.cache:
            return self.cache[source_file]
        reached, todo = set(), []
        if source_file.endswith(".h"):
            todo = self.includers().get(str(Path(source_file).resolve()), [])
        elif self.objects.get(source_file):
            todo = [self.objects[source_file]]
        while todo:
            node = todo.pop()
            if node in reached:
                continue
            reached.add(node)
            todo.extend(ninja_outputs(self.build, node))
        files = {(self.build / n).resolve() for n in reached}
        names = [name for name, exes in self.tests if exes & files]
        self.cache[source_file] = names
        return names


# ---------------------------------------------------------------------------------------------
# Running

def call(args, timeout, holder=None, **kw):
    """Runs a command in a process group of its own, so that a timeout or an interruption stops
    everything it started (test programs, Xvfb). Returns the exit status, or None on timeout."""
    proc = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            start_new_session=True, **kw)
    if holder is not None:
        holder.proc = proc
    try:
        return proc.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.wait()
        return None
    finally:
        if holder is not None:
            holder.proc = None


def run_test(build, name, timeout, holder=None):
    """True when the test passes within its time."""
    return call(["ctest", "-R", f"^{re.escape(name)}$", "--timeout", str(int(timeout)),
                 "--no-tests=error"], timeout + 30, holder, cwd=build) == 0


class Worker:
    def __init__(self, n, args):
        self.tree = WORK / f"w{n}"
        self.build = self.tree / ("build-test" if args.sanitize else "build-nosan")
        self.current = None  # (path, original bytes) of the file now mutated
        self.proc = None  # the build or test running for it

    def prepare(self, sanitize):
        self.tree.mkdir(parents=True, exist_ok=True)
        sync_copy(self.tree)
        configure_and_build(self.tree, self.build, sanitize)

    def restore(self):
        if self.current:
            path, data = self.current
            path.write_bytes(data)
            self.current = None

    def attempt(self, m, tests, plan, durations, args):
        path = self.tree / m.file
        original = path.read_bytes()
        self.current = (path, original)
        path.write_bytes(original[:m.start] + m.repl.encode() + original[m.end:])
        started = time.monotonic()
        try:
            for name in tests:
                # Only the programs of the next test are relinked: most mutants are caught by
                # the first one or two tests, and linking every program costs more than that.
                built = call(["ninja", "-C", str(self.build)] + plan.programs(name),
                             args.build_timeout, self, env=build_env(True))
                if built != 0:
                    return "unbuilt", None, time.monotonic() - started
                limit = max(args.min_test_timeout, args.timeout_factor * durations.get(name, 10))
                if not run_test(self.build, name, limit, self):
                    return "killed", name, time.monotonic() - started
            return "survived", None, time.monotonic() - started
        finally:
            self.restore()

    def interrupt(self):
        proc = self.proc
        if proc is not None:
            try:
                os.killpg(proc.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass


def baseline(worker, names, args):
    """Durations of the unmutated tests; a test that fails here cannot judge any mutant."""
    durations, failing = {}, []
    for name in names:
        t = time.monotonic()
        ok = run_test(worker.build, name, 600) or run_test(worker.build, name, 600)
        durations[name] = time.monotonic() - t
        if not ok:
            failing.append(name)
    return durations, failing


def load_results():
    done = {}
    if RESULTS.exists():
        for line in RESULTS.read_text().splitlines():
            try:
                r = json.loads(line)
                done[r["id"]] = r
            except (ValueError, KeyError):
                pass  # a line cut short by an interrupted run
    return done


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("--only", action="append", default=[],
                   help="a file or folder of src/ (repeatable); default: all of src/")
    p.add_argument("--sample", type=int, help="test only N mutants, drawn at random")
    p.add_argument("--seed", type=int, default=14, help="seed of --sample (default 14)")
    p.add_argument("-j", "--jobs", type=int, default=1, help="mutants tested at once (one copy each)")
    p.add_argument("--timeout-factor", type=float, default=3.0,
                   help="a test is stopped after this many times its unmutated duration (3)")
    p.add_argument("--min-test-timeout", type=float, default=20.0, help="but never before S seconds")
    p.add_argument("--build-timeout", type=float, default=900.0)
    p.add_argument("--no-sanitize", dest="sanitize", action="store_false",
                   help="build without the sanitizers (faster, misses what only they catch)")
    p.add_argument("--list", action="store_true", help="list the mutants and stop")
    p.add_argument("--report", action="store_true", help="print the stored results and stop")
    p.add_argument("--fresh", action="store_true", help="forget the stored results")
    args = p.parse_args()
    only = [o.rstrip("/") for o in args.only]

    WORK.mkdir(exist_ok=True)
    if args.fresh and RESULTS.exists():
        RESULTS.unlink()
    workers = [Worker(n, args) for n in range(max(1, args.jobs))]
    print(f"mutants: preparing {len(workers)} cop{'y' if len(workers) == 1 else 'ies'} of the tree "
          f"in {WORK.relative_to(ROOT)}/", flush=True)
    for w in workers:
        w.prepare(args.sanitize)
    lead = workers[0]
    mutants = cached_collect(lead.tree, lead.build, only)
    rules = load_exclusions()
    if args.sample and args.sample < len(mutants):
        mutants = sorted(random.Random(args.seed).sample(mutants, args.sample),
                         key=lambda m: (m.file, m.start))
    if args.list:
        for m in mutants:
            print(f"{m.file}:{m.line}:{m.col}: {m.describe()}")
        print(f"{len(mutants)} mutants")
        return

    done = load_results()
    todo = [m for m in mutants if m.id not in done and not excluded(m, rules)]
    plan = Plan(lead.build)
    needed = sorted({t for m in mutants for t in plan.tests_for(str(lead.tree / m.file))})
    if todo and not args.report:
        print(f"mutants: {len(todo)} to test ({len(mutants) - len(todo)} already done or excluded); "
              f"timing the {len(needed)} tests that can see them, unmutated", flush=True)
        durations, failing = baseline(lead, needed, args)
        for name in failing:
            print(f"mutants: WARNING: {name} fails without any mutant; it is left out", flush=True)
        order = sorted((t for t in needed if t not in failing), key=lambda t: durations[t])
        run(workers, todo, plan, order, durations, args)
    report(mutants, load_results(), rules)


def run(workers, todo, plan, order, durations, args):
    lock = threading.Lock()
    queue = list(todo)
    total, count, killers = len(todo), [0], {}

    def work(w):
        while True:
            with lock:
                if not queue or stop.is_set():
                    return
                m = queue.pop(0)
                # The tests that caught this file's earlier mutants are the likeliest to catch
                # this one too: they go first, then the rest, the quickest first.
                kills = killers.setdefault(m.file, {})
                relevant = set(plan.tests_for(str(workers[0].tree / m.file)))
                tests = sorted((t for t in order if t in relevant), key=lambda t: -kills.get(t, 0))
            status, test, secs = w.attempt(m, tests, plan, durations, args)
            if stop.is_set():
                return  # cut short: neither caught nor survived
            record = {"id": m.id, "file": m.file, "line": m.line, "col": m.col,
                      "mutation": m.describe(), "status": status, "test": test,
                      "seconds": round(secs, 1)}
            with lock:
                with RESULTS.open("a") as f:
                    f.write(json.dumps(record) + "\n")
                count[0] += 1
                if test:
                    kills[test] = kills.get(test, 0) + 1
                caught = f" by {test}" if test else ""
                print(f"[{count[0]}/{total}] {status}{caught} ({secs:.0f} s)  "
                      f"{m.file}:{m.line}:{m.col}: {m.describe()}", flush=True)

    # On Ctrl-C the mutants in hand are dropped untested, their builds and tests stopped, and
    # every copy gets its file back. A run killed harder leaves a mutated copy behind, which the
    # next run's sync puts right.
    stop = threading.Event()
    threads = [threading.Thread(target=work, args=(w,), daemon=True) for w in workers]
    for t in threads:
        t.start()
    try:
        while any(t.is_alive() for t in threads):
            for t in threads:
                t.join(0.5)
    except KeyboardInterrupt:
        stop.set()
        print("mutants: interrupted; the results so far are kept", flush=True)
        for w in workers:
            w.interrupt()
        for t in threads:
            t.join()
    finally:
        for w in workers:
            w.restore()


def report(mutants, done, rules):
    counts = {"killed": 0, "survived": 0, "unbuilt": 0, "excluded": 0, "untested": 0}
    survivors, seconds = [], []
    for m in mutants:
        if excluded(m, rules):
            counts["excluded"] += 1
            continue
        r = done.get(m.id)
        if r is None:
            counts["untested"] += 1
            continue
        counts[r["status"]] += 1
        seconds.append(r.get("seconds", 0))
        if r["status"] == "survived":
            survivors.append(m)
    if survivors:
        print("\nSurviving mutants (file | line | mutation, as the exclusions file takes them):")
        for m in survivors:
            print(f"  {m.file}:{m.line}:{m.col}: {m.describe()}\n      {m.file} | {m.text} | {m.describe()}")
    judged = counts["killed"] + counts["survived"]
    score = 100.0 * counts["killed"] / judged if judged else 0.0
    print(f"\nMutation score: {score:.1f} % ({counts['killed']} killed of {judged}; "
          f"{counts['unbuilt']} did not build, {counts['excluded']} excluded as equivalent, "
          f"{counts['untested']} not tested yet)")
    if seconds:
        print(f"Mean time per mutant: {sum(seconds) / len(seconds):.1f} s")


if __name__ == "__main__":
    main()
