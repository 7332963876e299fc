#!/usr/bin/env python3
"""Mutation sampler for the core sources.

Applies one small change at a time to src/core/**/*.cpp, rebuilds the core in its own build tree
(build/mutants: no sanitizers, -O1, the core as a shared library so no test program is linked again),
runs the test programs that link the core and run the changed line until the first one fails, and
records the mutant as killed, timed out (counted as killed), survived or not compiling.

    python3 tools/mutants/mutants.py                 # the fixed sample: 150 compiling mutants
    python3 tools/mutants/mutants.py --count 20      # a quick trial
    python3 tools/mutants/mutants.py --list          # the sample's first choices, nothing built
    python3 tools/mutants/mutants.py --compare OLD.json NEW.json

Only the Python standard library is used.
"""

import argparse
import hashlib
import json
import os
import random
import re
import resource
import shutil
import signal
import subprocess
import sys
import time
from collections import Counter, defaultdict
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
CORE = ROOT / "src" / "core"
DEFAULT_BUILD = ROOT / "build" / "mutants"
DEFAULT_SEED = 26
DEFAULT_COUNT = 150

# ---------------------------------------------------------------------------------------------
# A small C++ lexer: enough to tell code from comments, string and character literals and
# preprocessor lines, which are never changed.

PUNCTUATORS = sorted(
    """
    ... <=> <<= >>= ->* :: -> ++ -- << >> <= >= == != && || += -= *= /= %= &= |= ^= ##
    { } [ ] ( ) ; : , . ? ~ ! + - * / % ^ & | = < > #
    """.split(),
    key=len,
    reverse=True,
)


class Token:
    __slots__ = ("kind", "text", "start", "end", "line", "col")

    def __init__(self, kind, text, start, end, line, col):
        self.kind, self.text, self.start, self.end, self.line, self.col = kind, text, start, end, line, col


IDENT = re.compile(r"[A-Za-z_]\w*")
PP_NUMBER = re.compile(r"\.?\d(?:[eEpP][+-]|'[\w]|[\w.])*")
RAW_PREFIX = re.compile(r"(?:u8|u|U|L)?R\"([^()\\\s]{0,16})\(")
QUOTE_PREFIX = re.compile(r"(?:u8|u|U|L)?(['\"])")


def lex(src):
    """The code tokens of a C++ source; comments, literals' insides and # lines are left out."""
    tokens = []
    i, n = 0, len(src)
    line_starts = [0]
    for m in re.finditer("\n", src):
        line_starts.append(m.end())

    def position(offset):
        lo, hi = 0, len(line_starts) - 1
        while lo < hi:
            mid = (lo + hi + 1) // 2
            if line_starts[mid] <= offset:
                lo = mid
            else:
                hi = mid - 1
        return lo + 1, offset - line_starts[lo] + 1

    at_line_start = True
    while i < n:
        c = src[i]
        if c == "\n":
            at_line_start = True
            i += 1
            continue
        if c in " \t\r\f\v":
            i += 1
            continue
        if c == "#" and at_line_start:
            # A preprocessor line, with its continuations.
            while i < n and src[i] != "\n":
                if src[i] == "\\" and i + 1 < n and src[i + 1] == "\n":
                    i += 2
                    continue
                if src.startswith("/*", i):
                    j = src.find("*/", i + 2)
                    i = n if j < 0 else j + 2
                    continue
                i += 1
            continue
        at_line_start = False
        if src.startswith("//", i):
            j = src.find("\n", i)
            i = n if j < 0 else j
            continue
        if src.startswith("/*", i):
            j = src.find("*/", i + 2)
            i = n if j < 0 else j + 2
            continue
        m = RAW_PREFIX.match(src, i)
        if m:
            close = ")" + m.group(1) + '"'
            j = src.find(close, m.end())
            end = n if j < 0 else j + len(close)
            tokens.append(Token("string", src[i:end], i, end, *position(i)))
            i = end
            continue
        m = QUOTE_PREFIX.match(src, i)
        if m:
            quote = m.group(1)
            j = m.end()
            while j < n and src[j] != quote and src[j] != "\n":
                j += 2 if src[j] == "\\" else 1
            end = min(j + 1, n)
            tokens.append(Token("string" if quote == '"' else "char", src[i:end], i, end, *position(i)))
            i = end
            continue
        m = PP_NUMBER.match(src, i)
        if m:
            tokens.append(Token("number", m.group(), i, m.end(), *position(i)))
            i = m.end()
            continue
        m = IDENT.match(src, i)
        if m:
            tokens.append(Token("ident", m.group(), i, m.end(), *position(i)))
            i = m.end()
            continue
        for p in PUNCTUATORS:
            if src.startswith(p, i):
                tokens.append(Token("punct", p, i, i + len(p), *position(i)))
                i += len(p)
                break
        else:
            tokens.append(Token("other", c, i, i + 1, *position(i)))
            i += 1
    return tokens


# ---------------------------------------------------------------------------------------------
# Mutation sites. The sources are clang-formatted, so a binary operator has a space on each side
# and template brackets, pointers and references never do.

RELATIONAL = {"<": ["<=", ">="], "<=": ["<", ">"], ">": [">=", "<="], ">=": [">", "<"]}
SWAPS = {
    "==": ["!="],
    "!=": ["=="],
    "+": ["-"],
    "-": ["+"],
    "*": ["/"],
    "/": ["*"],
    "+=": ["-="],
    "-=": ["+="],
    "&&": ["||"],
    "||": ["&&"],
    "&": ["|"],
    "|": ["&"],
}
KINDS = {"==": "comparison", "!=": "comparison", "&&": "logic", "||": "logic"}
INTEGER = re.compile(r"^(0[xX][0-9a-fA-F']+|[1-9][0-9']*|0)([uUlL]*)$")
# Calls whose arguments are not behaviour worth mutating.
SKIPPED_CALLS = {"static_assert", "qDebug", "qWarning", "qInfo", "Q_ASSERT", "Q_ASSERT_X", "Q_UNUSED"}
NOT_STATEMENT_STARTS = {
    "return", "const", "constexpr", "static", "auto", "using", "typedef", "delete", "throw", "case",
    "default", "if", "for", "while", "do", "switch", "else", "try", "catch", "goto", "template",
    "struct", "class", "enum", "namespace", "public", "private", "protected", "Q_OBJECT", "new",
}
ASSIGNING = {"=", "+=", "-=", "*=", "/=", "%=", "|=", "&=", "^=", "<<=", ">>=", "++", "--"}


def spaced(src, tok):
    return tok.start > 0 and src[tok.start - 1] in " \t" and tok.end < len(src) and src[tok.end] in " \t\n"


def integer_value(text):
    m = INTEGER.match(text)
    if not m:
        return None
    digits = m.group(1).replace("'", "")
    return int(digits, 16) if digits[:2].lower() == "0x" else int(digits), m.group(1)[:2].lower() == "0x", m.group(2)


def number_text(value, hexadecimal, suffix, like):
    if hexadecimal:
        digits = like[2 : len(like) - len(suffix)]
        width = len(digits)
        lower = any(c in "abcdef" for c in digits)
        return like[:2] + format(value, "0%d%s" % (width, "x" if lower else "X")) + suffix
    return str(value) + suffix


def skipped_ranges(tokens):
    """Token index ranges inside static_assert(...), logging and the like."""
    ranges = []
    for k, tok in enumerate(tokens):
        if tok.kind == "ident" and tok.text in SKIPPED_CALLS and k + 1 < len(tokens) and tokens[k + 1].text == "(":
            depth, j = 0, k + 1
            while j < len(tokens):
                if tokens[j].text == "(":
                    depth += 1
                elif tokens[j].text == ")":
                    depth -= 1
                    if depth == 0:
                        break
                j += 1
            ranges.append((k, j))
    return ranges


def statement_sites(src, tokens):
    """Expression statements (calls, assignments, increments, break, continue) on one line."""
    control_closes = set()
    for k, tok in enumerate(tokens):
        if tok.kind == "ident" and tok.text in ("if", "while", "for", "switch") and k + 1 < len(tokens):
            if tokens[k + 1].text != "(":
                continue
            depth, j = 0, k + 1
            while j < len(tokens):
                depth += {"(": 1, ")": -1}.get(tokens[j].text, 0)
                if depth == 0:
                    control_closes.add(j)
                    break
                j += 1
    sites = []
    paren = 0
    for k, tok in enumerate(tokens):
        prev = tokens[k - 1] if k else None
        starts = prev is None or prev.text in ("{", "}", ";") or k - 1 in control_closes or prev.text == "else"
        if starts and paren == 0 and tok.kind == "ident" and tok.text not in NOT_STATEMENT_STARTS:
            end = statement_end(tokens, k)
            if end is not None and tokens[end].line == tok.line and is_expression_statement(tokens, k, end,
                                                                                         control_closes):
                sites.append((k, end))
        paren += {"(": 1, ")": -1, "[": 1, "]": -1}.get(tok.text, 0)
    return sites


def statement_end(tokens, k):
    depth = 0
    for j in range(k, len(tokens)):
        t = tokens[j].text
        if t in ("(", "[", "{"):
            depth += 1
        elif t in (")", "]", "}"):
            depth -= 1
            if depth < 0:
                return None
        elif t == ";" and depth == 0:
            return j
    return None


def is_expression_statement(tokens, k, end, control_closes):
    if tokens[k].text in ("break", "continue"):
        # A break that ends a case would only fall through, which the build refuses.
        return end == k + 1 and (tokens[k].text == "continue" or k - 1 in control_closes)
    j = k
    if tokens[j].text == "Q_EMIT":
        j += 1
    # A name: a, a.b, a->b, A::b, with an optional [index] after each part.
    if j >= end or tokens[j].kind != "ident":
        return False
    j += 1
    while j < end:
        t = tokens[j].text
        if t in (".", "->", "::") and j + 1 < end and tokens[j + 1].kind == "ident":
            j += 2
        elif t == "[":
            depth = 0
            while j < end:
                depth += {"[": 1, "]": -1}.get(tokens[j].text, 0)
                j += 1
                if depth == 0:
                    break
        else:
            break
    return j < end and (tokens[j].text == "(" or tokens[j].text in ASSIGNING)


class Site:
    """One place in one file and the changes it may take."""

    __slots__ = ("file", "line", "col", "start", "end", "original", "changes", "kind")

    def __init__(self, file, tok_start, start, end, original, changes, kind):
        self.file, self.start, self.end = file, start, end
        self.line, self.col = tok_start.line, tok_start.col
        self.original, self.changes, self.kind = original, changes, kind


TEXT_CONSTANT = re.compile(r"^k[A-Z][a-z]+(?:[A-Z][a-z]*)*$")
TEXT_METHODS = {"left", "right", "mid", "sliced", "chopped", "toUpper", "toLower", "trimmed", "simplified", "arg",
                "symbol", "back", "front", "repeated", "toString", "fileName", "text"}
TEXT_CALLS = {"QStringLiteral", "QLatin1String", "QLatin1Char", "QChar", "QString", "language", "m_language"}


def text_joins(tokens):
    """Indices of the + tokens in statements that join texts: a text minus a text does not compile."""
    joins, statement, textual = set(), [], False
    for k, tok in enumerate(tokens):
        if tok.text in (";", "{", "}"):
            if textual:
                joins.update(statement)
            statement, textual = [], False
        elif tok.text in ("+", "+="):
            statement.append(k)
            for n in (k - 1, k + 1):
                if 0 <= n < len(tokens) and tokens[n].kind in ("string", "char"):
                    textual = True
            if k + 1 < len(tokens) and tokens[k + 1].text in TEXT_CALLS:
                textual = True
            # Text constants (kCrLf) on either side.
            for n in (k - 1, k + 1):
                if 0 <= n < len(tokens) and TEXT_CONSTANT.match(tokens[n].text) and tokens[n - 1].text != "::":
                    if n + 1 < len(tokens) and tokens[n + 1].text not in (".", "(", "[", "->"):
                        textual = True
            if tokens[k - 1].text == ")":
                depth, j = 0, k - 1
                while j > 0:
                    depth += {")": 1, "(": -1}.get(tokens[j].text, 0)
                    if depth == 0:
                        break
                    j -= 1
                if tokens[j - 1].text in TEXT_CALLS or tokens[j - 1].text in TEXT_METHODS:
                    textual = True
    return joins


def sites_of(rel, src):
    tokens = lex(src)
    skipped = skipped_ranges(tokens)
    joins = text_joins(tokens)

    def inside_skipped(k):
        return any(a <= k <= b for a, b in skipped)

    sites = []
    for k, tok in enumerate(tokens):
        if inside_skipped(k):
            continue
        if tok.kind == "punct":
            if tok.text in RELATIONAL and spaced(src, tok):
                sites.append(Site(rel, tok, tok.start, tok.end, tok.text, RELATIONAL[tok.text], "comparison"))
            elif tok.text in SWAPS and spaced(src, tok) and k not in joins:
                kind = KINDS.get(tok.text, "arithmetic")
                sites.append(Site(rel, tok, tok.start, tok.end, tok.text, SWAPS[tok.text], kind))
            elif tok.text == "!" and k + 1 < len(tokens) and tokens[k + 1].start == tok.end:
                sites.append(Site(rel, tok, tok.start, tok.end, "!", [""], "negation"))
        elif tok.kind == "ident" and tok.text in ("true", "false"):
            other = "false" if tok.text == "true" else "true"
            sites.append(Site(rel, tok, tok.start, tok.end, tok.text, [other], "boolean"))
        elif tok.kind == "number":
            parsed = integer_value(tok.text)
            if parsed is None:
                continue
            value, hexadecimal, suffix = parsed
            changes = [number_text(value + 1, hexadecimal, suffix, tok.text)]
            if value > 0:
                changes.append(number_text(value - 1, hexadecimal, suffix, tok.text))
            sites.append(Site(rel, tok, tok.start, tok.end, tok.text, changes, "number"))
    for k, end in statement_sites(src, tokens):
        if inside_skipped(k):
            continue
        a, b = tokens[k], tokens[end]
        sites.append(Site(rel, a, a.start, b.end, src[a.start : b.end], ["{}"], "statement"))
    sites.sort(key=lambda s: (s.start, s.kind))
    return sites


# ---------------------------------------------------------------------------------------------
# The sample.


def core_files():
    return sorted(p.relative_to(ROOT).as_posix() for p in CORE.rglob("*.cpp"))


def make_mutant(site, change, src):
    lines = src.splitlines()
    context = lines[site.line - 1].strip() if site.line - 1 < len(lines) else ""
    shown_from = site.original if len(site.original) <= 60 else site.original[:57] + "..."
    description = "statement removed: %s" % shown_from if site.kind == "statement" else (
        "`!` removed" if site.kind == "negation" else "`%s` -> `%s`" % (site.original, change))
    return {
        "id": "%s:%d:%d:%s" % (site.file, site.line, site.col, change if site.kind != "statement" else "removed"),
        "file": site.file,
        "line": site.line,
        "col": site.col,
        "kind": site.kind,
        "original": site.original,
        "change": change,
        "description": description,
        "context": context,
        "start": site.start,
        "end": site.end,
    }


def quotas(sizes, count):
    """count spread over the files in proportion to their lines; every file gets at least one when
    there are enough to go round."""
    total = sum(sizes.values())
    share = {f: count * s / total for f, s in sizes.items()}
    least = 1 if count >= len(sizes) else 0
    quota = {f: max(least, int(v)) for f, v in share.items()}
    remaining = count - sum(quota.values())
    for f in sorted(share, key=lambda f: (-(share[f] - int(share[f])), f)):
        if remaining <= 0:
            break
        quota[f] += 1
        remaining -= 1
    return quota


def plan(seed, count, only=None):
    """Per file: its quota and its mutants in the order they are tried (a fixed shuffle)."""
    files = [f for f in core_files() if not only or re.search(only, f)]
    per_file, sizes = {}, {}
    for f in files:
        src = (ROOT / f).read_text(encoding="utf-8")
        sites = sites_of(f, src)
        if not sites:
            continue
        rng = random.Random("%s:%s" % (seed, f))
        rng.shuffle(sites)
        per_file[f] = [make_mutant(s, rng.choice(s.changes), src) for s in sites]
        sizes[f] = src.count("\n") + 1
    return quotas(sizes, count), per_file


# ---------------------------------------------------------------------------------------------
# Processes: each in its own session, so a hung test and everything it started can be ended.


class Stop(Exception):
    pass


def on_signal(signum, frame):
    raise Stop("signal %d" % signum)


def run(cmd, cwd=None, env=None, timeout=None):
    """(return code or None on timeout, seconds, output)."""
    started = time.monotonic()
    proc = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            stdin=subprocess.DEVNULL, start_new_session=True)
    try:
        out, _ = proc.communicate(timeout=timeout)
        return proc.returncode, time.monotonic() - started, out.decode("utf-8", "replace")
    except subprocess.TimeoutExpired:
        kill_group(proc)
        return None, time.monotonic() - started, ""
    except BaseException:
        kill_group(proc)
        raise


def run_tests(tests, limits, workers):
    """Runs the tests, up to workers at a time, until one fails or runs past its limit.
    (status, test that failed or None, tests started, seconds)."""
    pending, running = list(tests), []
    started = time.monotonic()
    result, ran = ("survived", None), 0
    try:
        while pending or running:
            while pending and len(running) < workers:
                t = pending.pop(0)
                proc = subprocess.Popen(t["command"], cwd=t["cwd"], env=t["env"], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL, start_new_session=True)
                running.append((proc, t, time.monotonic() + limits[t["name"]]))
                ran += 1
            time.sleep(0.02)
            for entry in list(running):
                proc, t, deadline = entry
                rc = proc.poll()
                if rc is None and time.monotonic() > deadline:
                    kill_group(proc)
                    result = ("timeout", t["name"])
                elif rc is not None and rc != 0:
                    result = ("killed", t["name"])
                elif rc is None:
                    continue
                running.remove(entry)
                if result[1]:
                    return result + (ran, time.monotonic() - started)
        return result + (ran, time.monotonic() - started)
    finally:
        for proc, _, _ in running:
            kill_group(proc)


def kill_group(proc):
    try:
        os.killpg(proc.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    proc.wait()


# ---------------------------------------------------------------------------------------------
# The source under change: a journal in the build tree brings it back even after a hard kill.


class Sources:
    def __init__(self, build):
        self.journal = build / "restore.json"
        self.current = None  # (path, original text)

    def recover(self):
        if not self.journal.exists():
            return
        saved = json.loads(self.journal.read_text(encoding="utf-8"))
        (ROOT / saved["file"]).write_bytes(saved["original"].encode("latin-1"))
        self.journal.unlink()
        print("Restored %s, left changed by an interrupted run." % saved["file"])

    def write(self, rel, original, text):
        if self.current is None:
            self.journal.write_text(json.dumps({"file": rel, "original": original.decode("latin-1")}),
                                    encoding="utf-8")
            self.current = (rel, original)
        (ROOT / rel).write_bytes(text)

    def restore(self):
        if self.current is None:
            return
        rel, original = self.current
        (ROOT / rel).write_bytes(original)
        self.journal.unlink(missing_ok=True)
        self.current = None


def dirty_core():
    out = subprocess.run(["git", "status", "--porcelain", "--", "src/core"], cwd=ROOT, capture_output=True,
                         text=True, check=True).stdout
    return out.strip()


# ---------------------------------------------------------------------------------------------
# The build and the tests.


def configure(build, coverage=False):
    flags = "-O0 --coverage" if coverage else "-O1"
    args = ["cmake", "-S", str(ROOT), "-B", str(build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
            "-DCMAKE_CXX_FLAGS_DEBUG=" + flags, "-DVENDEL_WERROR=%s" % ("OFF" if coverage else "ON"),
            "-DVENDEL_SANITIZE=OFF", "-DVENDEL_TESTS=ON", "-DVENDEL_BENCH=OFF", "-DVENDEL_MUTANTS=ON"]
    if shutil.which("ccache"):
        args.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL)


def build_env():
    env = dict(os.environ)
    # ccache then also caches objects built with the precompiled headers.
    env["CCACHE_SLOPPINESS"] = "pch_defines,time_macros,include_file_mtime,include_file_ctime"
    return env


def build_targets(build, targets, timeout=None, jobs=None):
    cmd = ["ninja", "-C", str(build)] + (["-j", str(jobs)] if jobs else []) + targets
    return run(cmd, env=build_env(), timeout=timeout)


def test_programs(build):
    """The test programs that link the core: name, command, environment, working folder, source."""
    out = subprocess.run(["ctest", "--show-only=json-v1"], cwd=build, capture_output=True, text=True,
                         check=True).stdout
    tests = []
    for t in json.loads(out)["tests"]:
        name = t["name"]
        m = re.match(r"^(core|ui)_(\w+)$", name)
        if not m:
            continue
        props = {p["name"]: p["value"] for p in t.get("properties", [])}
        env = dict(os.environ)
        for pair in props.get("ENVIRONMENT", []):
            k, _, v = pair.partition("=")
            env[k] = v
        env["QT_QPA_PLATFORM"] = "offscreen"
        source = ROOT / "tests" / m.group(1) / (m.group(2) + "_test.cpp")
        tests.append({
            "name": name,
            "command": t.get("command") or [str(build / "tests" / name)],
            "cwd": props.get("WORKING_DIRECTORY", str(build)),
            "env": env,
            "source": source.read_text(encoding="utf-8", errors="replace") if source.exists() else "",
        })
    return tests


# ---------------------------------------------------------------------------------------------
# Which lines each test runs: the same test programs on a core built with --coverage, loaded in
# place of the plain one. A mutant is then tried only on the tests that run its line.


def fingerprint(tests):
    h = hashlib.sha1()
    for folder in ("src", "tests"):
        for p in sorted((ROOT / folder).rglob("*")):
            if p.is_file():
                h.update(p.relative_to(ROOT).as_posix().encode())
                h.update(p.read_bytes())
    h.update(" ".join(sorted(t["name"] for t in tests)).encode())
    return h.hexdigest()


def gcov_lines(objects):
    """{source: {line: count}} from the .gcda files under objects."""
    gcdas = sorted(str(p) for p in objects.rglob("*.gcda"))
    if not gcdas:
        return {}
    out = subprocess.run(["gcov", "--json-format", "--stdout"] + gcdas, cwd=objects, capture_output=True,
                         check=True).stdout.decode("utf-8", "replace")
    lines = defaultdict(dict)
    for doc in out.splitlines():
        doc = doc.strip()
        if not doc.startswith("{"):
            continue
        data = json.loads(doc)
        base = Path(data.get("current_working_directory", objects))
        for f in data.get("files", []):
            path = Path(f["file"])
            path = path if path.is_absolute() else base / path
            try:
                rel = path.resolve().relative_to(ROOT).as_posix()
            except ValueError:
                continue
            if not rel.startswith("src/core/") or not rel.endswith(".cpp"):
                continue
            for entry in f["lines"]:
                n = entry["line_number"]
                lines[rel][n] = lines[rel].get(n, 0) + entry["count"]
    return lines


def coverage(build, tests, timeout):
    """{"instrumented": {file: [lines]}, "runs": {test: {file: [lines]}}}, kept while nothing changed."""
    cache = build / "coverage.json"
    key = fingerprint(tests)
    if cache.exists():
        data = json.loads(cache.read_text())
        if data.get("key") == key:
            return data
    cov = Path(str(build) + "-coverage")
    print("Finding which lines each test runs (a core built with --coverage in %s) ..." % cov.name, flush=True)
    configure(cov, coverage=True)
    rc, _, out = build_targets(cov, ["vendel_core"])
    if rc != 0:
        sys.exit(out[-4000:] + "\nThe coverage build failed.")
    objects = cov / "src" / "CMakeFiles" / "vendel_core.dir"
    instrumented, runs = defaultdict(set), {}
    for t in tests:
        for p in objects.rglob("*.gcda"):
            p.unlink()
        env = dict(t["env"])
        env["LD_LIBRARY_PATH"] = str(cov / "src") + os.pathsep + env.get("LD_LIBRARY_PATH", "")
        run(t["command"], cwd=t["cwd"], env=env, timeout=timeout)
        ran = {}
        for rel, counts in gcov_lines(objects).items():
            instrumented[rel].update(counts)
            ran[rel] = sorted(n for n, c in counts.items() if c > 0)
        runs[t["name"]] = ran
    if not instrumented:
        sys.exit("The coverage run found no line of the core; is gcov (from gcc) installed?")
    data = {"key": key, "instrumented": {f: sorted(v) for f, v in instrumented.items()}, "runs": runs}
    cache.write_text(json.dumps(data) + "\n")
    return data


class Reach:
    def __init__(self, data):
        self.instrumented = {f: set(v) for f, v in data["instrumented"].items()}
        self.runs = {t: {f: set(v) for f, v in files.items()} for t, files in data["runs"].items()}

    def tests_for(self, rel, line, tests):
        """The tests that run the line; all of them where the line has no code of its own (tables, data)."""
        if line not in self.instrumented.get(rel, ()):
            return tests
        return [t for t in tests if line in self.runs.get(t["name"], {}).get(rel, ())]


# ---------------------------------------------------------------------------------------------
# The run.


class Order:
    """Which test to try first on a mutant of a file: those that killed mutants of that file, then
    those whose source names the file's class, then those that killed most anywhere, then the fastest."""

    def __init__(self, tests, durations, learned):
        self.tests, self.durations = tests, durations
        self.by_file = defaultdict(Counter)
        self.overall = Counter()
        for f, counts in learned.get("by_file", {}).items():
            self.by_file[f].update(counts)
        self.overall.update(learned.get("overall", {}))

    def for_file(self, rel):
        stem = Path(rel).stem
        word = re.compile(r"\b%s\b" % re.escape(stem))
        mention = {t["name"]: bool(word.search(t["source"])) for t in self.tests}
        return sorted(self.tests, key=lambda t: (-self.by_file[rel][t["name"]], not mention[t["name"]],
                                                 -self.overall[t["name"]], self.durations[t["name"]]))

    def killed(self, rel, name):
        self.by_file[rel][name] += 1
        self.overall[name] += 1

    def dump(self):
        return {"by_file": {f: dict(c) for f, c in self.by_file.items() if c}, "overall": dict(self.overall)}


def timeout_for(seconds, factor):
    return max(10.0, factor * seconds + 5.0)


def mutate(original, m):
    text = original.decode("utf-8")
    return (text[: m["start"]] + m["change"] + text[m["end"] :]).encode("utf-8")


def children_cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def fmt_minutes(seconds):
    return "%d:%02d" % (seconds // 60, seconds % 60)


def survivors_report(results):
    lines = []
    for r in results:
        if r["status"] == "survived":
            unreached = " (no test runs it)" if r.get("tests_reaching") == 0 else ""
            lines.append("  %s:%d  %s%s    | %s" % (r["file"], r["line"], r["description"], unreached, r["context"]))
    return lines


def summary(results):
    counts = Counter(r["status"] for r in results)
    compiling = counts["killed"] + counts["timeout"] + counts["survived"]
    killed = counts["killed"] + counts["timeout"]
    score = 100.0 * killed / compiling if compiling else 0.0
    return counts, compiling, killed, score


def run_sample(args):
    build = Path(args.build).resolve()
    build.mkdir(parents=True, exist_ok=True)
    sources = Sources(build)
    sources.recover()
    dirty = dirty_core()
    if dirty:
        sys.exit("The core sources have uncommitted changes; commit or stash them first:\n" + dirty)

    quota, per_file = plan(args.seed, args.count, args.files)
    if not per_file:
        sys.exit("No core source matches --files %s." % args.files)
    started = time.monotonic()
    print("Configuring and building %s ..." % (build.relative_to(ROOT) if build.is_relative_to(ROOT) else build))
    configure(build)
    tests = test_programs(build)
    targets = sorted({"vendel", "vendel_saver"} | {t["name"] for t in tests})
    rc, seconds, out = build_targets(build, targets, jobs=args.jobs)
    if rc != 0:
        sys.exit(out[-4000:] + "\nThe build of the unchanged sources failed.")
    tests = test_programs(build)  # the commands are known once the programs exist

    print("Running the %d test programs once on the unchanged core ..." % len(tests))
    durations, broken = {}, []
    for t in tests:
        rc, seconds, out = run(t["command"], cwd=t["cwd"], env=t["env"], timeout=args.baseline_timeout)
        durations[t["name"]] = seconds
        if rc != 0:
            broken.append(t["name"])
            why = "timed out" if rc is None else "exit %d" % rc
            print("  %s fails without any change (%s): left out" % (t["name"], why))
    tests = [t for t in tests if t["name"] not in broken]
    suite = sum(durations[t["name"]] for t in tests)
    print("  the suite takes %.1f s; a test's time limit is %.0f x its own time + 5 s (at least 10 s)" % (
        suite, args.timeout_factor))
    reach = None if args.all_tests else Reach(coverage(build, tests, args.baseline_timeout))
    limits = {t["name"]: timeout_for(durations[t["name"]], args.timeout_factor) for t in tests}

    learned_path = build / "killers.json"
    learned = json.loads(learned_path.read_text()) if learned_path.exists() and not args.fresh_order else {}
    order = Order(tests, durations, learned)
    results = []
    plan_total = sum(quota[f] for f in per_file)
    header = {
        "seed": args.seed,
        "count": args.count,
        "files": args.files,
        "commit": subprocess.run(["git", "rev-parse", "HEAD"], cwd=ROOT, capture_output=True, text=True).stdout.strip(),
        "tests": [t["name"] for t in tests],
        "left_out_tests": broken,
        "suite_seconds": round(suite, 1),
        "tests_chosen_by_coverage": reach is not None,
        "workers": args.workers,
        "quota": {f: quota[f] for f in per_file},
    }
    out_path = Path(args.json).resolve()
    interrupted = None
    mutants_started = time.monotonic()
    cpu_started = children_cpu()

    def save(done):
        counts, compiling, killed, score = summary(results)
        data = dict(header)
        data.update({"finished": done, "minutes": round((time.monotonic() - started) / 60, 1),
                     "mutant_cpu_minutes": round((children_cpu() - cpu_started) / 60, 1),
                     "compiling": compiling, "killed": killed, "score": round(score, 1),
                     "counts": dict(counts), "mutants": results})
        out_path.parent.mkdir(parents=True, exist_ok=True)
        out_path.write_text(json.dumps(data, indent=1) + "\n", encoding="utf-8")
        learned_path.write_text(json.dumps(order.dump(), indent=1) + "\n")

    shortfall = 0
    try:
        for rel in sorted(per_file):
            original = (ROOT / rel).read_bytes()
            compiled = 0
            wanted = quota[rel] + shortfall  # what a file before it could not give
            ranked = order.for_file(rel)
            for m in per_file[rel]:
                if compiled >= wanted:
                    break
                cpu_before = children_cpu()
                sources.write(rel, original, mutate(original, m))
                rc, build_seconds, out = build_targets(build, ["vendel_core"], timeout=args.build_timeout)
                record = {k: m[k] for k in ("id", "file", "line", "col", "kind", "original", "change",
                                            "description", "context")}
                record["build_seconds"] = round(build_seconds, 1)
                if rc != 0:
                    record["status"] = "not compiling" if rc is not None else "build timed out"
                    results.append(record)
                    print("  %-14s %s:%d  %s" % (record["status"], rel, m["line"], m["description"]))
                    continue
                compiled += 1
                chosen = reach.tests_for(rel, m["line"], ranked) if reach else ranked
                status, by, ran, test_seconds = run_tests(chosen, limits, args.workers)
                if by:
                    order.killed(rel, by)
                    ranked = order.for_file(rel)
                record.update({"status": status, "killed_by": by, "tests_reaching": len(chosen),
                               "tests_run": ran, "test_seconds": round(test_seconds, 1),
                               "cpu_seconds": round(children_cpu() - cpu_before, 1)})
                results.append(record)
                done = sum(1 for r in results if r["status"] in ("killed", "timeout", "survived"))
                elapsed = time.monotonic() - mutants_started
                note = "  (%s)" % by if by else ("  (no test runs this line)" if not chosen else "")
                print("  %-14s %s:%d  %s%s   [%d/%d, %s]" % (status, rel, m["line"], m["description"], note, done,
                                                            plan_total, fmt_minutes(elapsed)), flush=True)
            sources.restore()
            shortfall = wanted - compiled
            save(False)
    except (KeyboardInterrupt, Stop) as e:
        interrupted = e
    finally:
        sources.restore()

    if interrupted is None:
        # The library back as the sources are, for whoever uses the tree next.
        build_targets(build, ["vendel_core"])
    save(interrupted is None)
    counts, compiling, killed, score = summary(results)
    elapsed = time.monotonic() - started
    mutant_minutes = (time.monotonic() - mutants_started) / 60
    cpu_minutes = (children_cpu() - cpu_started) / 60
    print()
    if interrupted is not None:
        print("Interrupted (%s): the figures below cover the mutants tried so far." % (str(interrupted) or "Ctrl+C"))
    print("Mutation score: %.1f %% (%d killed of %d compiling mutants; %d by a time-out)" % (
        score, killed, compiling, counts["timeout"]))
    print("Not compiling: %d. Run time: %s (mutants %s, %.1f compiling mutants a minute)." % (
        counts["not compiling"] + counts["build timed out"], fmt_minutes(elapsed), fmt_minutes(mutant_minutes * 60),
        compiling / mutant_minutes if mutant_minutes else 0))
    print("The mutants used %.1f minutes of processor time; the rest was waiting (the tests' own waits, other work "
          "on the machine)." % cpu_minutes)
    surv = survivors_report(results)
    print("Survivors (%d):" % len(surv))
    print("\n".join(surv) if surv else "  none")
    print("Results: %s" % out_path)
    return 130 if interrupted is not None else 0


def compare(old_path, new_path):
    old = json.loads(Path(old_path).read_text(encoding="utf-8"))
    new = json.loads(Path(new_path).read_text(encoding="utf-8"))

    def loose(r):
        return (r["file"], r["context"], r["col"], r["original"], r["change"])

    new_by_id = {r["id"]: r for r in new["mutants"]}
    new_loose = defaultdict(list)
    for r in new["mutants"]:
        new_loose[loose(r)].append(r)
    lost, missing = [], []
    for r in old["mutants"]:
        if r["status"] not in ("killed", "timeout"):
            continue
        n = new_by_id.get(r["id"])
        if n is None and len(new_loose[loose(r)]) == 1:
            n = new_loose[loose(r)][0]
        if n is None:
            missing.append(r)
        elif n["status"] == "survived":
            lost.append((r, n))
    print("Before: %.1f %% (%d of %d)   After: %.1f %% (%d of %d)" % (
        old["score"], old["killed"], old["compiling"], new["score"], new["killed"], new["compiling"]))
    print("Killed before and surviving after (%d):" % len(lost))
    for r, n in lost:
        print("  %s:%d  %s  (was killed by %s)   | %s" % (n["file"], n["line"], n["description"], r["killed_by"],
                                                        n["context"]))
    if missing:
        print("Killed before and not in the new run (%d; the sources or the sample changed):" % len(missing))
        for r in missing:
            print("  %s:%d  %s" % (r["file"], r["line"], r["description"]))
    return 1 if lost else 0


def list_plan(args):
    quota, per_file = plan(args.seed, args.count, args.files)
    kinds = Counter()
    for rel in sorted(per_file):
        for m in per_file[rel][: quota[rel]]:
            kinds[m["kind"]] += 1
            print("%s:%d:%d  %s    | %s" % (rel, m["line"], m["col"], m["description"], m["context"]))
    sites = sum(len(v) for v in per_file.values())
    print("%d mutants in %d files (from %d sites); %s" % (
        sum(quota[f] for f in per_file), len(per_file), sites, ", ".join("%s %d" % kv for kv in sorted(kinds.items()))))
    return 0


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--count", type=int, default=DEFAULT_COUNT, help="compiling mutants to try (default %(default)s)")
    p.add_argument("--seed", default=DEFAULT_SEED, help="the sample's seed (default %(default)s)")
    p.add_argument("--files", help="only the core sources whose path matches this regular expression")
    p.add_argument("--build", default=str(DEFAULT_BUILD), help="build tree (default build/mutants)")
    p.add_argument("--json", default=str(DEFAULT_BUILD / "mutants.json"), help="where the results go")
    p.add_argument("--timeout-factor", type=float, default=4.0,
                   help="a test's time limit: this many times its unchanged time, plus 5 s (default %(default)s)")
    p.add_argument("--build-timeout", type=float, default=600, help="seconds for one rebuild")
    p.add_argument("--baseline-timeout", type=float, default=300, help="seconds for one test on the unchanged core")
    p.add_argument("--all-tests", action="store_true",
                   help="try every mutant on every test, not only on the tests that run its line")
    p.add_argument("--workers", type=int, default=2,
                   help="tests run at once on a mutant; most of a test's time is waiting (default %(default)s)")
    p.add_argument("--jobs", type=int, default=os.cpu_count(),
                   help="parallel jobs for the first build (default: the processors, %(default)s)")
    p.add_argument("--fresh-order", action="store_true", help="forget which tests killed mutants in earlier runs")
    p.add_argument("--list", action="store_true", help="print the sample's first choices and stop")
    p.add_argument("--compare", nargs=2, metavar=("OLD.json", "NEW.json"),
                   help="list the mutants killed in OLD and surviving in NEW")
    args = p.parse_args()
    if args.compare:
        return compare(*args.compare)
    if args.list:
        return list_plan(args)
    # SIGTERM and SIGHUP end the run as Ctrl+C does; SIGHUP stays ignored under nohup.
    for s in (signal.SIGTERM, signal.SIGHUP):
        if signal.getsignal(s) != signal.SIG_IGN:
            signal.signal(s, on_signal)
    try:
        return run_sample(args)
    except (KeyboardInterrupt, Stop):
        print("\nStopped before any source was changed.")
        return 130


if __name__ == "__main__":
    sys.exit(main())
