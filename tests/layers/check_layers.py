#!/usr/bin/env python3
"""Derives the graph of folders under _Source/ from their #include lines and
checks it against the stack of layers written in the README: every edge must
go from a folder to one below it, so the graph has no cycle; and the flight,
the saves and the layers under the GUI include no GUI, screen or shell code.

Usage: check_layers.py SOURCE_DIR [--graph]
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/[^"]+"', re.M)
STACK = re.compile(r'<!-- layers: (.+?) -->')
# The simulation, the saves and everything below them reach dialogs and
# screens only through the hooks the shell hands each game, so that they run
# and are tested without any screen.
NO_SCREENS = {'flight', 'persistence', 'galaxy', 'rendering', 'audio'}
SCREENS = {'gui', 'screens', 'shell'}


SDL_INCLUDE = re.compile(r'^\s*#\s*include\s+[<"]SDL', re.M)


def sdl_outside_platform(source):
    return [str(path.relative_to(source)) for path in sorted(source.rglob('*'))
            if path.suffix in ('.h', '.cpp') and path.relative_to(source).parts[0] != 'platform'
            and SDL_INCLUDE.search(path.read_text(encoding='utf-8', errors='replace'))]


def folder_graph(source):
    edges = {}
    for path in sorted(source.rglob('*')):
        if path.suffix not in ('.h', '.cpp') or not path.is_file():
            continue
        folder = path.relative_to(source).parts[0]
        for target in INCLUDE.findall(path.read_text(encoding='utf-8', errors='replace')):
            if target != folder:
                edges[(folder, target)] = edges.get((folder, target), 0) + 1
    return edges


def stack_from_readme(readme):
    match = STACK.search(readme.read_text(encoding='utf-8'))
    if not match:
        sys.exit('README.md has no "<!-- layers: a b c -->" line naming the stack')
    return match.group(1).split()


def find_cycle(edges):
    graph = {}
    for a, b in edges:
        graph.setdefault(a, []).append(b)
    state = {}

    def visit(node, path):
        state[node] = 'open'
        for nxt in graph.get(node, []):
            if state.get(nxt) == 'open':
                return path + [node, nxt]
            if nxt not in state:
                found = visit(nxt, path + [node])
                if found:
                    return found
        state[node] = 'done'
        return None

    for node in sorted(graph):
        if node not in state:
            found = visit(node, [])
            if found:
                return found[found.index(found[-1]):]
    return None


def main():
    root = pathlib.Path(sys.argv[1])
    edges = folder_graph(root / '_Source')
    stack = stack_from_readme(root / 'README.md')
    rank = {name: i for i, name in enumerate(stack)}
    for (a, b), count in sorted(edges.items(), key=lambda e: (rank.get(e[0][0], 99), rank.get(e[0][1], 99))):
        print(f'{a} -> {b}: {count}')
    failures = []
    folders = {p.name for p in (root / '_Source').iterdir() if p.is_dir()}
    for name in sorted(folders - set(rank)):
        failures.append(f'folder {name} is not in the README\'s stack')
    for (a, b), count in sorted(edges.items()):
        if a in rank and b in rank and rank[b] >= rank[a]:
            failures.append(f'{a} -> {b} goes up the stack ({count} include lines)')
    for (a, b), count in sorted(edges.items()):
        if a in NO_SCREENS and b in SCREENS:
            failures.append(f'{a} -> {b}: {a} reaches screens only through the game\'s hooks ({count} include lines)')
    for path in sdl_outside_platform(root / '_Source'):
        failures.append(f'{path} includes SDL, which only the platform layer sees')
    cycle = find_cycle(edges)
    if cycle:
        failures.append('cycle: ' + ' -> '.join(cycle))
    for failure in failures:
        print('FAIL', failure)
    print(f'{len(edges)} edges between {len(folders)} folders; stack: {" -> ".join(stack)}')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
