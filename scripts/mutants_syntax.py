"""The mutants of Tressola's sources, found in their syntax tree through libclang (Debian's
python3-clang-14): operators, constants, conditions, call statements and texts. Used by
mutants.py; each mutant is a byte range of one file and the text that replaces it."""

import hashlib
import json
import re
import shlex
import sys
from pathlib import Path

try:
    import clang.cindex as ci
except ImportError:  # a python3 of its own (pyenv, venv) does not see Debian's bindings
    sys.path.append("/usr/lib/python3/dist-packages")
    import clang.cindex as ci

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


def cached_collect(tree, build, only, cache):
    """collect(), remembered while the sources, their flags and this script stay the same: the
    parse of the whole tree takes minutes, a resumed run should not wait for it again."""
    h = hashlib.sha1(Path(__file__).read_bytes())
    h.update(json.dumps(only).encode())
    h.update((build / "compile_commands.json").read_bytes())
    for p in sorted((tree / "src").rglob("*")):
        if p.is_file():
            h.update(p.as_posix().encode() + p.read_bytes())
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
