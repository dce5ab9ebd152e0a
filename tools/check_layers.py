#!/usr/bin/python3
"""Layer checks on a checkout: every include between parts of the program
follows an allowed edge (ALLOWED below: downwards, and sideways only where one
feature composes another), the libraries in the CMake files link only along
the same edges, no include cycles between units (X.h + X.cpp) of src/, no Qt in domain
code. Usage: check_layers.py CHECKOUT; prints the findings and their count,
exit 1 if any. docs/architecture.md draws the same edges."""
import os
import re
import sys

# The parts a part may include directly; what those may include, it may too.
# A part is a folder: "channels" is the channels core, "channels/gui" its
# page, "channels/domain" its plain C++; util and protocol are the base of all.
BASE = {'util', 'protocol'}
ALLOWED = {
    'util': set(),
    'protocol': {'util'},
    'midi/domain': BASE,
    'channels/domain': BASE | {'midi/domain'},
    'modes/domain': BASE,
    'firmware/domain': BASE,
    'settings/domain': BASE,
    'fixtures/domain': {'channels/domain'},
    'learn/domain': {'channels/domain'},
    'emulator/device': BASE | {'firmware/domain', 'modes/domain'},
    'util/qt': BASE,
    'midi': {'midi/domain', 'util/qt'},
    'emulator/inprocess': {'emulator/device', 'midi', 'util/qt'},
    'link': BASE | {'midi', 'firmware/domain', 'util/qt'},
    'channels': {'channels/domain', 'link', 'util/qt'},
    'modes': {'modes/domain', 'link'},
    'firmware': {'firmware/domain', 'link'},
    'settings': {'settings/domain', 'midi/domain'},
    'fixtures': {'fixtures/domain', 'util/qt'},
    'learn': {'learn/domain', 'link'},
    # A backup holds the channel table, the modes and the device options.
    'backup': {'channels', 'modes', 'firmware'},
    'util/gui': set(),
    'settings/gui': {'settings'},
    'fixtures/gui': {'fixtures/domain', 'util/gui'},
    'channels/gui': {'channels', 'fixtures', 'fixtures/gui', 'learn', 'settings', 'util/gui'},
    'modes/gui': {'modes', 'util/gui'},
    'firmware/gui': {'firmware', 'util/gui'},
    'options/gui': {'link', 'util/gui'},
    'emulator/process': {'emulator/device', 'util/qt'},
    # vantorelctl: every core, no widgets.
    'cli': {'backup', 'learn', 'fixtures', 'settings', 'emulator/inprocess'},
    'app': {'channels/gui', 'modes/gui', 'firmware/gui', 'options/gui', 'settings/gui', 'backup',
            'emulator/inprocess'},
}
DOMAIN = {p for p in ALLOWED if p.endswith('/domain')} | BASE | {'emulator/device'}


def reach(part, seen=None):
    """The parts `part` may include: itself and everything below it."""
    seen = set() if seen is None else seen
    if part not in seen:
        seen.add(part)
        for lower in ALLOWED.get(part, ()):
            reach(lower, seen)
    return seen


def part_of(rel):
    """The part of a file, from its path under src/ or the checkout (emulator/, cli/)."""
    parts = rel.split('/')
    if parts[0] == 'emulator':
        return '/'.join(parts[:2]) if len(parts) > 2 else None
    if len(parts) > 2 and parts[1] in ('domain', 'gui', 'qt'):
        return parts[0] + '/' + parts[1]
    return parts[0] if len(parts) > 1 else None


def read(path):
    with open(path, encoding='utf-8', errors='replace') as f:
        return f.read()


def source_files(root):
    """Program sources as {path an include names them by: file path}."""
    found = {}
    for top, prefix in (('src', ''), ('emulator', 'emulator/'), ('cli', 'cli/')):
        base = os.path.join(root, top)
        for d, _, fs in os.walk(base):
            for f in fs:
                if f.endswith(('.h', '.hpp', '.cpp')):
                    path = os.path.join(d, f)
                    found[prefix + os.path.relpath(path, base).replace(os.sep, '/')] = path
    return found


def cmake_libraries(root):
    """{library: (parts of its sources, libraries it links)} from vantorel_layer_library calls."""
    libraries = {}
    call = re.compile(r'vantorel_layer_library\(\s*(\w+)\s+\S+\s+SOURCES\b(.*?)\)', re.S)
    for name in ('CMakeLists.txt', os.path.join('cmake', 'DomainLibrary.cmake')):
        path = os.path.join(root, name)
        if not os.path.exists(path):
            continue
        text = re.sub(r'#.*', '', read(path))
        for lib, body in call.findall(text):
            words = body.split()
            cut = next((i for i, w in enumerate(words) if w in ('LINKS', 'PRIVATE_LINKS')), len(words))
            parts = {part_of(w) for w in words[:cut]}
            parts.discard(None)
            links = {w for w in words[cut:] if w.startswith('vantorel_')}
            libraries[lib] = (parts, links)
    return libraries


def check(root):
    inc_re = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)
    files = source_files(root)
    edges = {}
    problems = []
    for rel, path in sorted(files.items()):
        text = read(path)
        unit = os.path.splitext(rel)[0]
        part = part_of(rel)
        for inc in inc_re.findall(text):
            near = os.path.normpath(os.path.join(os.path.dirname(rel), inc)).replace(os.sep, '/')
            target = next((c for c in (inc, near) if c in files), None)
            if target is None:
                continue
            if os.path.splitext(target)[0] != unit and not rel.startswith(('emulator/', 'cli/')):
                edges.setdefault(unit, set()).add(os.path.splitext(target)[0])
            lower = part_of(target)
            if part is None or lower is None or lower in reach(part):
                continue
            if lower == 'app':
                problems.append('%s includes the app layer: %s' % (rel, target))
            else:
                problems.append('%s includes %s: %s may not use %s' % (rel, target, part, lower))
        if part in DOMAIN and re.search(r'#\s*include\s*<Q', text):
            problems.append('%s (domain code) includes Qt' % rel)
        if part is not None and part not in ALLOWED:
            problems.append('%s: %s is not in the table of layers' % (rel, part))
    libraries = cmake_libraries(root)
    for lib, (parts, links) in sorted(libraries.items()):
        for other in sorted(links):
            for upper in sorted(parts):
                wrong = sorted(p for p in libraries.get(other, (set(), set()))[0] if p not in reach(upper))
                if wrong:
                    problems.append('library %s links %s: %s may not use %s' % (lib, other, upper, ', '.join(wrong)))
    problems += cycles(edges)
    return problems


def cycles(edges):
    """Include cycles between units (strongly connected components, Tarjan)."""
    index, low, stack, on, out, n = {}, {}, [], set(), [], [0]

    def strong(v):
        index[v] = low[v] = n[0]
        n[0] += 1
        stack.append(v)
        on.add(v)
        for w in edges.get(v, ()):
            if w not in index:
                strong(w)
                low[v] = min(low[v], low[w])
            elif w in on:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            comp = []
            while True:
                w = stack.pop()
                on.discard(w)
                comp.append(w)
                if w == v:
                    break
            if len(comp) > 1:
                out.append(sorted(comp))

    sys.setrecursionlimit(10000)
    for v in sorted(edges):
        if v not in index:
            strong(v)
    return ['include cycle of %d units: %s' % (len(c), ', '.join(c[:8])) for c in out]


def main():
    problems = check(sys.argv[1] if len(sys.argv) > 1 else '.')
    for p in problems:
        print(p)
    print('%d finding(s)' % len(problems))
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
