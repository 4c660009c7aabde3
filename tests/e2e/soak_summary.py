#!/usr/bin/env python3
"""Summary of a soak's CSV (tests/e2e/soak): cycles, resident memory at the
main menu with its slope per cycle, descriptors and threads.

  soak_summary.py FILE.csv [--plot FILE.png]

The slope is the least-squares line through each cycle's mean main-menu
resident memory against the cycle number, after the two warm-up cycles (and,
for comparison, over every cycle; the menu before the first game is left
out, since the first game raises the resident memory once by what the run
then keeps). With --plot, gnuplot draws resident
memory, open descriptors and threads over time into a PNG, the main-menu
samples marked.
"""
import argparse
import csv
import subprocess
import sys

WARM_UP_CYCLES = 2
SLOPE_GOAL_MIB = 0.1


def slope(points):
    n = len(points)
    if n < 2:
        return None
    mx = sum(x for x, _ in points) / n
    my = sum(y for _, y in points) / n
    sxx = sum((x - mx) ** 2 for x, _ in points)
    return sum((x - mx) * (y - my) for x, y in points) / sxx


def summary(rows):
    menu = [r for r in rows if r["phase"] == "menu"]
    cycles = max(r["cycle"] for r in rows)
    per_cycle = {}
    for r in menu:
        per_cycle.setdefault(r["cycle"], []).append(r["rss_kib"] / 1024)
    means = sorted((c, sum(v) / len(v)) for c, v in per_cycle.items())
    after = [(c, m) for c, m in means if c > WARM_UP_CYCLES]
    lines = [
        f"samples          {len(rows)} over {rows[-1]['time'] / 60:.1f} min",
        f"cycles           {cycles} (main menu samples: {len(menu)})",
    ]
    for label, chosen in (("main menu RSS", [r for r in menu if r["cycle"] == 0]),
                          ("  after games", [r for r in menu if r["cycle"] > 0]),
                          ("  after warm-up", [r for r in menu if r["cycle"] > WARM_UP_CYCLES])):
        if chosen:
            values = [r["rss_kib"] / 1024 for r in chosen]
            lines.append(f"{label:<17}min {min(values):.2f} MiB, max {max(values):.2f} MiB")
    s_after = slope(after)
    s_all = slope([(c, m) for c, m in means if c > 0])
    if s_after is not None:
        verdict = "below" if abs(s_after) < SLOPE_GOAL_MIB else "NOT below"
        lines.append(f"slope            {s_after:+.4f} MiB per cycle after warm-up "
                     f"({verdict} {SLOPE_GOAL_MIB}); {s_all:+.4f} over every cycle")
    for key, label in (("fds", "descriptors"), ("threads", "threads")):
        first = sorted({r[key] for r in menu if r["cycle"] == 0})
        after_games = sorted({r[key] for r in menu if r["cycle"] > 0})
        overall = [r[key] for r in rows]
        lines.append(f"{label:<17}main menu {after_games} after games, {first} before the first; "
                     f"overall {min(overall)}..{max(overall)}")
    peak = max(rows, key=lambda r: r["rss_kib"])
    lines.append(f"peak RSS         {peak['rss_kib'] / 1024:.2f} MiB (cycle {peak['cycle']}, {peak['phase']})")
    return "\n".join(lines)


def plot(path_csv, path_png):
    script = f"""
set terminal pngcairo size 1200,900 font ",10"
set output "{path_png}"
set datafile separator ","
set multiplot layout 3,1 title "Soak: {path_csv}" noenhanced
set xlabel "time (min)"
set grid
set key bottom right
set yrange [0:*]
set ylabel "RSS (MiB)"
plot "{path_csv}" using ($1/60):($4/1024) with lines lc rgb "#4070c0" title "resident memory", \\
     "" using ($1/60):(strcol(3) eq "menu" ? $4/1024 : 1/0) with points pt 7 ps 0.4 lc rgb "#d04020" title "at the main menu"
set offsets 0, 0, 2, 0
set ylabel "open descriptors"
plot "{path_csv}" using ($1/60):5 with lines lc rgb "#208040" title "open descriptors"
set ylabel "threads"
plot "{path_csv}" using ($1/60):6 with lines lc rgb "#806020" title "threads"
unset multiplot
"""
    subprocess.run(["gnuplot"], input=script, text=True, check=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("csv")
    parser.add_argument("--plot")
    args = parser.parse_args()
    with open(args.csv) as file:
        rows = [dict(time=float(r["time"]), cycle=int(r["cycle"]), phase=r["phase"], rss_kib=int(r["rss_kib"]),
                     fds=int(r["fds"]), threads=int(r["threads"])) for r in csv.DictReader(file)]
    if not rows:
        print("no samples", file=sys.stderr)
        return 1
    print(summary(rows))
    if args.plot:
        plot(args.csv, args.plot)
    return 0


if __name__ == "__main__":
    sys.exit(main())
