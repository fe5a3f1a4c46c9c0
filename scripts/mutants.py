#!/usr/bin/env python3
"""Mutation testing of Tressola: how many small faults in src/ does the test suite notice?

Each mutant is one change found in the syntax tree (mutants_syntax.py): an operator swapped, a
constant moved by one, a condition negated, a call statement removed, a text emptied. It is
written into a private copy of the tree (build-mutants/wN/), built incrementally there, and the
tests that can see it run one by one until one fails: first those that caught the same file's
earlier mutants, then those of its layer, then the quickest. A test can see a mutant when its
command runs a program that links the mutated file (every scenario does, through the real
program); the other tests cannot, so they are not run.

Results are appended to build-mutants/results.jsonl; a run that is stopped resumes where it
left off. Survivors that cannot be caught (equivalent mutants) go to scripts/mutants-exclusions.txt.

  scripts/mutants.py [--only PATH]... [--sample N] [-j N] [--no-sanitize] [--report] [--fresh]
"""

import argparse
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

from mutants_syntax import cached_collect

ROOT = Path(__file__).resolve().parent.parent
WORK = ROOT / "build-mutants"
RESULTS = WORK / "results.jsonl"
EXCLUSIONS = ROOT / "scripts" / "mutants-exclusions.txt"

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
            # Handed the build directory itself, a test installs and runs the real program.
            if build.resolve() in exes:
                exes.discard(build.resolve())
                exes.add((build / "tressola").resolve())
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


def run_in_progress(pid_file):
    try:
        os.kill(int(pid_file.read_text()), 0)
        return True
    except (OSError, ValueError):
        return False


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
    # Stopped by Ctrl-C or by kill alike, even when started in the background (where the shell
    # has SIGINT ignored): both end the run cleanly, the copies restored.
    signal.signal(signal.SIGINT, signal.default_int_handler)
    signal.signal(signal.SIGTERM, signal.default_int_handler)
    only = [o.rstrip("/") for o in args.only]

    WORK.mkdir(exist_ok=True)
    if args.fresh and RESULTS.exists():
        RESULTS.unlink()
    workers = [Worker(n, args) for n in range(max(1, args.jobs))]
    # Syncing the copies under a run in progress would undo the mutant it is testing and count
    # it as a survivor: a look at the results or the list then takes the copy as it stands.
    running = WORK / "running.pid"
    if (args.report or args.list) and run_in_progress(running) and workers[0].build.exists():
        print("mutants: a run is in progress; its copy of the tree is used as it stands", flush=True)
    else:
        print(f"mutants: preparing {len(workers)} cop{'y' if len(workers) == 1 else 'ies'} of the "
              f"tree in {WORK.relative_to(ROOT)}/", flush=True)
        for w in workers:
            w.prepare(args.sanitize)
    lead = workers[0]
    mutants = cached_collect(lead.tree, lead.build, only, WORK / "mutants-list.json")
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
        running.write_text(str(os.getpid()))
        try:
            run(workers, todo, plan, order, durations, args)
        finally:
            running.unlink(missing_ok=True)
    report(mutants, load_results(), rules)


def run(workers, todo, plan, order, durations, args):
    lock = threading.Lock()
    queue = list(todo)
    total, count, killers = len(todo), [0], {}
    for r in load_results().values():  # what an earlier run learnt about each file
        if r.get("test"):
            kills = killers.setdefault(r["file"], {})
            kills[r["test"]] = kills.get(r["test"], 0) + 1

    def work(w):
        while True:
            with lock:
                if not queue or stop.is_set():
                    return
                m = queue.pop(0)
                # The tests that caught this file's earlier mutants are the likeliest to catch
                # this one too: they go first, then the tests of the file's layer, then the
                # rest; the quickest first among equals.
                kills = killers.setdefault(m.file, {})
                layer = f"/tests/{m.file.split('/')[1]}/"
                relevant = set(plan.tests_for(str(workers[0].tree / m.file)))
                tests = sorted((t for t in order if t in relevant),
                               key=lambda t: (-kills.get(t, 0),
                                              not any(layer in str(e) for e in plan.exes[t])))
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
