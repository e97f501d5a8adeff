#!/usr/bin/env python3
"""Plants realistic single faults one at a time and reports how many the test suite catches.

    scripts/mutation-score.py [--list scripts/mutants.txt] [--only NAME-PART]... [--at COMMIT]
    scripts/mutation-score.py --only NAME-PART --target TESTPROGRAM... --tests REGEX
    scripts/mutation-score.py --check [--at COMMIT | --worktree]

Each fault is built and tested in a git worktree of HEAD (or --at) under build/mutants (the checkout is
never touched), with ccache, so only what a fault changes is rebuilt (programs are not relinked
when only a shared library they load changed). The tests beside the changed library run first;
only when they all pass does the whole suite run, so a fault counts as caught by the suite either
way. A fault counts as caught
when its build still succeeds and at least one test fails; one that no longer compiles is
reported as invalid, not as caught. A fault whose old text is gone (or is no longer there
exactly once) fails the run by name before anything is built: a list that no longer applies
would otherwise report a score over fewer faults than it claims. `--check` only verifies that
every fault applies, in the commit or (--worktree) in the files as they stand. To show that a
few faults are caught without building the whole tree, --target names the programs to build and
--tests the ctest names to run (a score taken so counts only those tests). Not run in CI: it takes about as long as the suite times
the number of faults that survive.

The list holds entries of this form (the old text must occur exactly once in the file; a line
starting with # after a blank line is a comment, not part of a text); a fault that two places
share (an encoder and its decoder) repeats the @@ part for each:

    === area: what the fault does
    @@ path/of/the/file.cpp
    <<<
    text as it stands
    >>>
    text with the fault
"""
import argparse
import json
import os
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORK = os.path.join(ROOT, "build", "mutants")
TREE = os.path.join(WORK, "src")
BUILD = os.path.join(TREE, "build", "m")


def parse(path):
    faults, edit, mode, blank = [], None, None, False
    with open(path, encoding="utf-8") as listing:
        for line in listing:
            # A comment after a blank line ends the text before it (it heads the next faults).
            if blank and line.startswith("#"):
                edit = mode = None
            blank = not line.strip()
            if line.startswith("=== "):
                faults.append({"name": line[4:].strip(), "edits": []})
                edit = mode = None
            elif line.startswith("@@ ") and faults:
                edit = {"file": line[3:].strip(), "old": [], "new": []}
                faults[-1]["edits"].append(edit)
                mode = None
            elif edit is None:
                continue  # comments before the first fault
            elif line.rstrip("\n") in ("<<<", ">>>"):
                mode = "old" if line.startswith("<") else "new"
            elif mode:
                edit[mode].append(line)
    for fault in faults:
        for edit in fault["edits"]:
            edit["old"] = "".join(edit["old"]).rstrip("\n")
            edit["new"] = "".join(edit["new"]).rstrip("\n")
    return faults


def problems(faults, read):
    """Why each fault cannot be planted, by name; read(path) gives a file's text or None."""
    found = []
    for fault in faults:
        texts, why = {}, None
        if not fault["edits"]:
            why = "it has no @@ edit"
        for edit in fault["edits"]:
            if why:
                break
            if edit["file"] not in texts:
                texts[edit["file"]] = read(edit["file"])
            text = texts[edit["file"]]
            if text is None:
                why = f"{edit['file']} does not exist"
            elif not edit["old"] or edit["old"] == edit["new"]:
                why = f"an edit of {edit['file']} changes nothing"
            elif text.count(edit["old"]) != 1:
                count = text.count(edit["old"])
                why = (f"its old text occurs {count} times in {edit['file']}:\n"
                       + edit["old"].splitlines()[0])
            else:
                texts[edit["file"]] = text.replace(edit["old"], edit["new"])
        if why:
            found.append((fault["name"], why))
    return found


def reader(commit, worktree):
    def read(path):
        if worktree:
            full = os.path.join(ROOT, path)
            if not os.path.isfile(full):
                return None
            with open(full, encoding="utf-8") as source:
                return source.read()
        shown = run(["git", "-C", ROOT, "show", f"{commit}:{path}"])
        return shown.stdout if shown.returncode == 0 else None
    return read


def run(command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, **kwargs)


def build_command(targets):
    return ["cmake", "--build", BUILD, "-j2"] + (["--target"] + targets if targets else [])


def test_command(tests):
    return ["ctest", "--test-dir", BUILD, "-j2", "--timeout", "300"] + (["-R", tests] if tests else [])


def library_of(path):
    """The library directory a source file belongs to: the part before its src/ or include/."""
    parts = path.split("/")
    for marker in ("src", "include", "tests"):
        if marker in parts:
            return "/".join(parts[:parts.index(marker)])
    return os.path.dirname(path)


def test_directories():
    """The source directory each ctest test was declared in, by its number (from 1)."""
    listed = json.loads(run(["ctest", "--test-dir", BUILD, "--show-only=json-v1"]).stdout)
    graph = listed["backtraceGraph"]
    found = {}
    for number, test in enumerate(listed["tests"], start=1):
        program = os.path.basename(test["command"][0]) if test.get("command") else ""
        made = [root for root, dirs, _ in os.walk(BUILD) if program + ".dir" in dirs]
        if made:
            found[number] = os.path.relpath(os.path.dirname(made[0]), BUILD)
        elif "backtrace" in test:
            node = graph["nodes"][test["backtrace"]]
            found[number] = os.path.relpath(os.path.dirname(graph["files"][node["file"]]), TREE)
    return found


def tests_near(fault, directories):
    """The numbers of the tests declared under the libraries the fault changes."""
    libraries = {library_of(edit["file"]) for edit in fault["edits"]}
    return [n for n, d in directories.items()
            if any(d == lib or d.startswith(lib + "/") for lib in libraries)]


def prepare(commit, targets, tests):
    os.makedirs(WORK, exist_ok=True)
    head = run(["git", "-C", ROOT, "rev-parse", commit]).stdout.strip()
    if not os.path.isdir(TREE):
        run(["git", "-C", ROOT, "worktree", "add", "--detach", TREE, head], check=True)
    else:
        run(["git", "-C", TREE, "checkout", "--detach", "--force", head], check=True)
    env = dict(os.environ, CCACHE_BASEDIR=TREE)
    run(["cmake", "-S", TREE, "-B", BUILD, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
         "-DCMAKE_CXX_FLAGS=-Wall -Wextra -Werror", "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache",
         "-DCMAKE_LINK_DEPENDS_NO_SHARED=ON"], check=True, env=env)
    built = run(build_command(targets), env=env)
    if built.returncode != 0:
        sys.exit("the unchanged tree does not build:\n" + built.stdout[-3000:])
    tested = run(test_command(tests))
    if tested.returncode != 0:
        sys.exit("the unchanged tree fails its tests:\n" + tested.stdout[-3000:])
    return env


def apply(edits):
    """The original text of every file changed; None when an old text is not there once."""
    originals = {}
    for edit in edits:
        path = os.path.join(TREE, edit["file"])
        if path not in originals:
            with open(path, encoding="utf-8") as source:
                originals[path] = source.read()
        with open(path, encoding="utf-8") as source:
            text = source.read()
        if text.count(edit["old"]) != 1:
            restore(originals)
            return None
        with open(path, "w", encoding="utf-8") as source:
            source.write(text.replace(edit["old"], edit["new"]))
    return originals


def restore(originals):
    for path, text in originals.items():
        with open(path, "w", encoding="utf-8") as source:
            source.write(text)


def try_fault(fault, env, targets, tests, directories):
    originals = apply(fault["edits"])
    if originals is None:
        return "not found", ""
    try:
        built = run(build_command(targets), env=env)
        if built.returncode != 0:
            return "invalid", built.stdout[-1500:]
        near = [] if tests else tests_near(fault, directories)
        runs = ([test_command(None) + ["-I", "0,0,0," + ",".join(map(str, near))]] if near else [])
        for command in runs + [test_command(tests)]:
            tested = run(command + ["--stop-on-failure"])
            failed = [l.strip() for l in tested.stdout.splitlines()
                      if "***" in l or "(Failed)" in l]
            if tested.returncode != 0 and not failed:
                return "invalid", "ctest failed without a failing test:\n" + tested.stdout[-1500:]
            if failed:
                return "caught", "\n".join(failed[:3])
        return "survived", ""
    finally:
        restore(originals)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--list", default=os.path.join(ROOT, "scripts", "mutants.txt"))
    parser.add_argument("--only", action="append", default=[],
                        help="only the faults whose name holds this text (repeatable)")
    parser.add_argument("--at", default="HEAD", help="the commit to plant the faults in")
    parser.add_argument("--target", action="append", default=[],
                        help="build only this program (repeatable; with --tests)")
    parser.add_argument("--tests", help="run only the tests whose ctest name matches")
    parser.add_argument("--check", action="store_true",
                        help="only verify that every fault applies; build nothing")
    parser.add_argument("--worktree", action="store_true",
                        help="with --check: look at the files as they stand, not the commit")
    arguments = parser.parse_args()
    faults = [f for f in parse(arguments.list)
              if not arguments.only or any(part in f["name"] for part in arguments.only)]
    if not faults:
        sys.exit("no fault in the list matches")
    names = [f["name"] for f in faults]
    for name in sorted({n for n in names if names.count(n) > 1}):
        print(f"named twice: {name}")
    stale = problems(faults, reader(arguments.at, arguments.check and arguments.worktree))
    for name, why in stale:
        print(f"does not apply: {name}\n           " + why.replace("\n", "\n           "))
    if stale or len(set(names)) != len(names):
        print(f"\n{len(stale)} of {len(faults)} faults do not apply; fix or remove them")
        return 1
    if arguments.check:
        print(f"all {len(faults)} faults apply")
        return 0
    env = prepare(arguments.at, arguments.target, arguments.tests)
    directories = test_directories()
    caught = valid = 0
    for fault in faults:
        started = time.time()
        outcome, detail = try_fault(fault, env, arguments.target, arguments.tests, directories)
        print(f"{outcome:10} {time.time() - started:6.0f} s  {fault['name']}", flush=True)
        if outcome not in ("caught", "survived"):
            print("           " + detail.replace("\n", "\n           ")[:1500], flush=True)
        elif outcome == "caught":
            print("           by " + (detail.splitlines() or ["?"])[0], flush=True)
        valid += outcome in ("caught", "survived")
        caught += outcome == "caught"
    print(f"\nScore: {caught} of {valid} faults caught"
          f" ({len(faults) - valid} invalid or not found)")
    return 0 if caught == valid == len(faults) else 1


if __name__ == "__main__":
    sys.exit(main())
