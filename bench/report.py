#!/usr/bin/env python3
"""Runs every benchmark of pallox_bench, and pallox_first_scan, on generated libraries of several
sizes and writes the medians and peak memory into a Markdown report.

Each benchmark runs in a process of its own, so that the peak resident memory the kernel reports
for that process belongs to that benchmark alone (its generated collection included)."""

import argparse
import datetime
import json
import os
import re
import selectors
import subprocess
import sys
import time

# What each benchmark measures, in the report's words. A benchmark missing here still appears,
# under its own name.
OPERATIONS = {
    "BM_ReadIniFilesOnly": "Merely opening and reading every game ini file (for comparison)",
    "BM_LoadGridScan": "Full scan: list, read, parse, date, write the data cache",
    "BM_LoadDataCache": "Reading the data cache",
    "BM_RefreshAll": "Refresh All from the session (worker thread, cache, swap, sort, list)",
    "BM_ReloadData": "Reload Data (the same after deleting the cache)",
    "BM_StartFromCacheToFirstGame": "Start from the cache to the first game shown",
    "BM_SelectGameWithPictures": "One selection: details with pictures read from disk",
    "BM_LayoutPass": "One layout pass of the main window",
    "BM_SortByNameAndBuild": "Sort change: by name, rebuild the folded list",
    "BM_SortByYearAndBuild": "Sort change: by year, rebuild the folded list",
    "BM_SortOnlyByName": "Sorting by name alone",
    "BM_SortOnlyByYear": "Sorting by year alone",
    "BM_BuildOnly": "Building the folded list alone",
    "BM_Selection": "Selection mapping alone (entry to row)",
    "BM_DeveloperClickThroughController": "A developer click: filter, rebuild, category menus",
    "BM_FilterNarrowGenre": "A genre filter that keeps few games, with rebuild",
    "BM_FilterKeepingEverything": "A filter that keeps every game, with rebuild",
    "BM_FilterPlatformWithOtherPlatforms": "A platform filter that also looks at other platforms",
    "BM_TextSearch": "Text search with rebuild",
    "BM_ShowAllFromCache": "\"S&how All\": reload the cache, sort, rebuild",
    "BM_OpenDeveloperMenu": "Opening the Developer menu (largest letter group)",
    "BM_OpenDeveloperMenuOneGroup": "Opening one letter group of the Developer menu",
    "BM_ExportToLaunchBox": "Export to LaunchBox into an existing 50 MB data file",
    "BM_ImportPreviewLaunchBox": "Import preview of a 50 MB LaunchBox data file with its Images folder",
    "BM_ImportWithLinks": "Import of a LaunchBox collection, game files linked",
    "BM_ImageSheetOf2000FullSizeFronts/png:1": "Image sheet: 2,000 fronts of 1000 × 1400, half PNG",
    "BM_ImageSheetOf2000FullSizeFronts/png:0": "Image sheet: 2,000 fronts of 1000 × 1400, JPEG only",
    "BM_SelectInOrdinaryView": "One selection in the ordinary view, 1600 × 1000",
    "BM_SelectInNostalgiaView": "One selection in Nostalgia mode, 1600 × 1000",
    "first_scan": "First start of the whole program until the cache is written, less a one-game start",
}

# Benchmarks whose work does not depend on the size of the collection: they run once.
FIXED_SIZE = {
    "BM_ImageSheetOf2000FullSizeFronts": "2,000 pictures",
    "BM_SelectInOrdinaryView": "sample library",
    "BM_SelectInNostalgiaView": "sample library",
    "BM_ImportPreviewLaunchBox": "10,000 games",
    "BM_ImportWithLinks": "10,000 games",
}

# The speed targets set for the program: benchmark, the size they hold for, and the limit in
# milliseconds, or a multiple of another benchmark's time at the same size.
TARGETS = [
    ("BM_LoadGridScan", 10000, ("times", "BM_ReadIniFilesOnly", 3.0)),
    ("first_scan", 10000, ("ratio", None, 2.0)),
    ("BM_LoadDataCache", 50000, ("ms", None, 1000.0)),
    ("BM_SortByNameAndBuild", 50000, ("ms", None, 150.0)),
    ("BM_SortByYearAndBuild", 50000, ("ms", None, 150.0)),
    ("BM_SelectGameWithPictures", 50000, ("ms", None, 30.0)),
    ("BM_SelectInNostalgiaView", None, ("ms", None, 30.0)),
    ("BM_LayoutPass", 50000, ("ms", None, 5.0)),
    ("BM_DeveloperClickThroughController", 50000, ("ms", None, 200.0)),
    ("BM_FilterKeepingEverything", 50000, ("ms", None, 200.0)),
    ("BM_TextSearch", 50000, ("ms", None, 300.0)),
    ("BM_ShowAllFromCache", 50000, ("ms", None, 1000.0)),
    ("BM_ExportToLaunchBox", 10000, ("ms", None, 5000.0)),
    ("BM_ImportPreviewLaunchBox", None, ("ms", None, 3000.0)),
    ("BM_ImportWithLinks", None, ("ms", None, 30000.0)),
    ("BM_ImageSheetOf2000FullSizeFronts/png:1", None, ("ms", None, 4000.0)),
    ("BM_ImageSheetOf2000FullSizeFronts/png:0", None, ("ms", None, 4000.0)),
]

# Counters worth a word in the notes column, with their unit.
NOTED_COUNTERS = {
    "longest_event_gap_ms": "window still for at most {:.0f} ms",
    "longest_stall_ms": "window still for at most {:.0f} ms",
    "cache_MiB": "cache {:.0f} MiB",
    "file_after_MiB": "data file grew to {:.0f} MiB",
    "rss_with_sheet_MiB": "{:.0f} MiB resident with the sheet",
}

TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1000.0}


def base_name(name):
    """BM_LoadGridScan/10000/iterations:3 -> BM_LoadGridScan; keeps named arguments (png:1)."""
    parts = name.split("/")
    kept = [parts[0]] + [p for p in parts[1:] if re.fullmatch(r"[a-z]+:\d+", p)
                         and not p.startswith(("iterations:", "repeats:", "threads:"))]
    return "/".join(kept)


def measure(command, env):
    """Runs command and returns (stdout, stderr, exit status, peak resident MiB). wait4 gives the
    peak of this one child (and of the children it waited for), which subprocess cannot."""
    read_out, write_out = os.pipe()
    read_err, write_err = os.pipe()
    pid = os.fork()
    if pid == 0:
        os.dup2(write_out, 1)
        os.dup2(write_err, 2)
        for fd in (read_out, write_out, read_err, write_err):
            os.close(fd)
        try:
            os.execve(command[0], command, env)
        finally:
            os._exit(127)
    os.close(write_out)
    os.close(write_err)
    out_chunks, err_chunks = [], []
    # Read both pipes without blocking on one while the other fills.
    selector = selectors.DefaultSelector()
    selector.register(read_out, selectors.EVENT_READ, out_chunks)
    selector.register(read_err, selectors.EVENT_READ, err_chunks)
    open_pipes = 2
    while open_pipes:
        for key, _ in selector.select():
            chunk = os.read(key.fd, 65536)
            if chunk:
                key.data.append(chunk)
            else:
                selector.unregister(key.fd)
                os.close(key.fd)
                open_pipes -= 1
    _, status, usage = os.wait4(pid, 0)
    code = os.waitstatus_to_exitcode(status)
    return (b"".join(out_chunks).decode(errors="replace"), b"".join(err_chunks).decode(errors="replace"),
            code, usage.ru_maxrss / 1024.0)


def list_benchmarks(bench, env):
    out = subprocess.run([bench, "--benchmark_list_tests=true"], env=env, check=True,
                         stdout=subprocess.PIPE).stdout.decode()
    return [line.strip() for line in out.splitlines() if line.strip()]


def run_benchmark(bench, name, env, repetitions):
    # What the previous benchmark wrote is flushed first, so that its write-back does not slow
    # this one's saves.
    os.sync()
    command = [bench, "--benchmark_filter=^" + re.escape(name) + "$", "--benchmark_format=json",
               "--benchmark_repetitions=%d" % repetitions, "--benchmark_report_aggregates_only=true"]
    out, err, code, peak = measure(command, env)
    if code != 0:
        return {"error": "exit status %d: %s" % (code, " ".join(err.strip().splitlines()[-1:])),
                "peak_mib": peak}
    document = json.loads(out)
    result = {"peak_mib": peak}
    for entry in document.get("benchmarks", []):
        if entry.get("error_occurred"):
            return {"error": entry.get("error_message", "failed"), "peak_mib": peak}
        if entry.get("aggregate_name") == "median" or (repetitions == 1 and entry.get("run_type") == "iteration"):
            unit = TO_MS[entry.get("time_unit", "ns")]
            result["ms"] = entry["real_time"] * unit
            result["counters"] = {k: v for k, v in entry.items() if k in NOTED_COUNTERS}
    if "ms" not in result:
        result["error"] = "no median in the output"
    return result


def run_first_scan(first_scan, games, runs, env):
    os.sync()
    command = [first_scan, "--games", str(games), "--runs", str(runs)]
    out, err, code, peak = measure(command, env)
    match = re.search(r"First scan: ([\d.]+) ms; plain reading: ([\d.]+) ms; ratio ([\d.]+)", out)
    if code != 0 or not match:
        return {"error": (err.strip().splitlines() or ["no result"])[-1], "peak_mib": peak}
    return {"ms": float(match.group(1)), "peak_mib": peak,
            "note": "plain reading %.0f ms, ratio %.2f" % (float(match.group(2)), float(match.group(3))),
            "ratio": float(match.group(3))}


def format_ms(ms):
    if ms >= 1000:
        return "%.2f s" % (ms / 1000)
    if ms >= 10:
        return "%.0f ms" % ms
    if ms >= 0.1:
        return "%.1f ms" % ms
    return "%.2f µs" % (ms * 1000)


def size_label(size):
    return "{:,}".format(size) if isinstance(size, int) else size


def machine_description():
    model = "unknown processor"
    try:
        with open("/proc/cpuinfo") as cpuinfo:
            for line in cpuinfo:
                if line.startswith("model name"):
                    model = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    return "%s, %d cores" % (model, os.cpu_count() or 1)


def commit_of(folder):
    try:
        return subprocess.run(["git", "-C", folder, "rev-parse", "--short", "HEAD"], check=True,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout.decode().strip()
    except (OSError, subprocess.CalledProcessError):
        return "unknown"


def check_targets(results):
    """One line per target: what it asks, what was measured, and whether it is met."""
    lines = []
    for name, size, (kind, other, limit) in TARGETS:
        key = (name, size if size is not None else FIXED_SIZE.get(name.split("/")[0]))
        measured = results.get(key)
        operation = OPERATIONS.get(name, name)
        where = size_label(key[1])
        if not measured or "ms" not in measured:
            lines.append("| %s | %s | %s | not measured |" % (operation, where, describe_target(kind, other, limit)))
            continue
        if kind == "ms":
            met = measured["ms"] <= limit
            shown = format_ms(measured["ms"])
        elif kind == "ratio":
            met = measured["ratio"] <= limit
            shown = "%.2f ×" % measured["ratio"]
        else:
            base = results.get((other, size))
            if not base or "ms" not in base:
                lines.append("| %s | %s | %s | not measured |" % (operation, where, describe_target(kind, other, limit)))
                continue
            ratio = measured["ms"] / base["ms"]
            met = ratio <= limit
            shown = "%.2f ×" % ratio
        lines.append("| %s | %s | %s | %s, %s |" % (operation, where, describe_target(kind, other, limit), shown,
                                                    "met" if met else "**not met**"))
    return lines


def describe_target(kind, other, limit):
    if kind == "ms":
        return "≤ " + format_ms(limit)
    if kind == "ratio":
        return "≤ %.0f × plain reading" % limit
    return "≤ %.0f × `%s`" % (limit, other)


OWN_HEADINGS = ("## Targets", "## Every benchmark")
WINDOW_HEADING = "## The real program's window answers"

# pallox_window_answers: what it prints as "result: WHAT | ..." and "memory: WHAT | ...", the
# target of each, in milliseconds or MiB. The window commands are judged by the wall time the
# user waits; the time the window's thread spent on a processor stands beside it, since it moves
# little with other work on the machine.
WINDOW_TARGETS = [
    ("Start from the cache", "ms", 600.0),
    ("Sort By > Year", "ms", 100.0),
    ("Sort By > Name", "ms", 100.0),
    ("Category menu opened", "ms", 50.0),
    ("Category > Developer opened", "ms", 50.0),
    ("Category > Developer > a letter group opened", "ms", 50.0),
    ("Category > Developer > a developer chosen (filter)", "ms", 100.0),
    ("Category > S&how All", "ms", 100.0),
    ("Find panel: Genre is Adventure, Enter (filter)", "ms", 100.0),
    ("One selection (Down in the list)", "ms", 10.0),
    ("Sort By > Year, after the refreshes", "ms", 100.0),
    ("Sort By > Name, after the refreshes", "ms", 100.0),
    ("Resident 2 s after the start", "MiB", 300.0),
    ("Refresh All, until the cache is written and the window still", None, None),
    ("Refresh All: peak", "MiB", 500.0),
    ("Refresh All: resident 2 s after", "within", 0.10),
    ("Reload Data, until the cache is written and the window still", None, None),
    ("Reload Data: peak", "MiB", 500.0),
    ("Reload Data: resident 2 s after", "within", 0.10),
    ("Plain reading (find | xargs cat)", None, None),
    ("First scan until the data cache is written", None, None),
    ("First scan / plain reading", "ratio", 1.2),
    ("First scan: peak", "MiB", 600.0),
]


def run_window_answers(window_answers, games, runs, env):
    """The real program's answers at one size: {what: {"ms", "cpu_ms", "runs"} or {"mib"} or
    {"ratio"}}, or {"error": ...}."""
    os.sync()
    env = dict(env)
    env.pop("QT_QPA_PLATFORM", None)
    command = [window_answers, "--games", str(games), "--runs", str(runs)]
    out, err, code, _ = measure(command, env)
    answers = {}
    for line in out.splitlines():
        match = re.fullmatch(r"result: (.+) \| ([\d.]+) ms \| window thread ([-\d.]+) ms \| (\d+) runs", line)
        if match:
            answers[match.group(1)] = {"ms": float(match.group(2)), "cpu_ms": float(match.group(3)),
                                       "runs": int(match.group(4))}
            continue
        match = re.fullmatch(r"result: First scan / plain reading \| ([\d.]+)", line)
        if match:
            answers["First scan / plain reading"] = {"ratio": float(match.group(1))}
            continue
        match = re.fullmatch(r"memory: (.+) \| ([-\d.]+) MiB", line)
        if match:
            answers[match.group(1)] = {"mib": float(match.group(2))}
    load = re.search(r"machine load ([\d.]+)", out)
    if code != 0 or not answers:
        return {"error": (err.strip().splitlines() or ["no result"])[-1]}
    return {"answers": answers, "load": float(load.group(1)) if load else None}


def window_section(measured, runs):
    """The section of the report for the sizes pallox_window_answers ran at."""
    lines = [WINDOW_HEADING, "",
             "`pallox_window_answers` starts the Release `pallox` on a generated library under an X server of"
             " its own and times from outside, as a user waits, until its window has answered with the"
             " command done and painted; the median of %d rounds. Beside the wall time, the time the"
             " window's thread spent on a processor in the same stretch (it moves little with other work"
             " on the machine). Memory is the resident size the kernel reports for the program. The text"
             " search is not among them: its Go button lies where the keyboard cannot reach it, and"
             " `BM_TextSearch` times it with the list painted. Measured on %s, commit %s; a report written"
             " without `--window-sizes` keeps this section as it was." % (
                 runs, datetime.date.today().isoformat(), commit_of(os.path.dirname(os.path.abspath(__file__)))), "",
             "| What | Games | Target | Measured | Window thread | Verdict |", "|---|---|---|---|---|---|"]
    for games, result in measured:
        if "error" in result:
            lines.append("| every answer | %s | | failed: %s | | **not measured** |" % (
                size_label(games), result["error"]))
            continue
        answers = result["answers"]
        for key, kind, limit in WINDOW_TARGETS:
            found = answers.get(key)
            what = key.replace("|", "\\|")
            if kind == "within":
                before = answers.get(key.split(":")[0] + ": resident before")
                target = "within %.0f %% of before" % (limit * 100)
                if not found or not before or before["mib"] <= 0:
                    lines.append("| %s | %s | %s | — | | not measured |" % (what, size_label(games), target))
                    continue
                change = found["mib"] / before["mib"] - 1
                lines.append("| %s | %s | %s | %.0f MiB (%.0f MiB before, %+.0f %%) | | %s |" % (
                    what, size_label(games), target, found["mib"], before["mib"], change * 100,
                    "met" if abs(change) <= limit else "**not met**"))
                continue
            if kind is None:
                target = ""
            elif kind == "ms":
                target = "≤ " + format_ms(limit)
            elif kind == "MiB":
                target = "≤ %.0f MiB" % limit
            else:
                target = "≤ %.1f × plain reading" % limit
            if not found:
                lines.append("| %s | %s | %s | — | | not measured |" % (what, size_label(games), target))
                continue
            if kind is None:
                lines.append("| %s | %s | | %s | %s | |" % (what, size_label(games), format_ms(found["ms"]),
                                                          format_ms(found["cpu_ms"]) if found["cpu_ms"] > 0 else ""))
                continue
            if kind == "ms":
                value, shown = found["ms"], format_ms(found["ms"])
                thread = format_ms(found["cpu_ms"]) if found["cpu_ms"] > 0 else ""
            elif kind == "MiB":
                value, shown, thread = found["mib"], "%.0f MiB" % found["mib"], ""
            else:
                value, shown, thread = found["ratio"], "%.2f ×" % found["ratio"], ""
            lines.append("| %s | %s | %s | %s | %s | %s |" % (
                what, size_label(games), target, shown, thread, "met" if value <= limit else "**not met**"))
        if result.get("load") is not None:
            lines.append("")
            lines.append("Load average when the %s-game run began: %.2f." % (size_label(games), result["load"]))
    return lines



def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--bench", required=True, help="the pallox_bench executable")
    parser.add_argument("--first-scan", help="the pallox_first_scan executable")
    parser.add_argument("--sizes", default="1000,10000,50000", help="comma-separated numbers of games")
    parser.add_argument("--repetitions", type=int, default=3, help="runs of each benchmark, of which the median")
    parser.add_argument("--first-scan-runs", type=int, default=3)
    parser.add_argument("--only", help="a regular expression: run only the benchmarks it finds")
    parser.add_argument("--window-answers", help="the pallox_window_answers executable")
    parser.add_argument("--window-sizes", default="",
                        help="comma-separated numbers of games for the real program's window answers"
                             " (none by default: 100,000 takes about half an hour of its own)")
    parser.add_argument("--out", default="BENCHMARKS.md")
    args = parser.parse_args()

    sizes = [int(s) for s in args.sizes.split(",") if s]
    started = time.time()
    header_machine = machine_description()
    load_at_start = os.getloadavg()[0]
    results = {}      # (operation key, size) -> result
    order = []        # operation keys in the order first met
    fixed_done = set()

    def record(key, size, result):
        if key not in order:
            order.append(key)
        results[(key, size)] = result
        shown = format_ms(result["ms"]) if "ms" in result else "FAILED: " + result.get("error", "")
        print("  %-55s %12s  %s  peak %.0f MiB" % (key, size_label(size), shown, result.get("peak_mib", 0)),
              flush=True)

    for size in sizes:
        env = dict(os.environ, PALLOX_BENCH_GAMES=str(size), QT_QPA_PLATFORM="offscreen")
        print("Size %s:" % size_label(size), flush=True)
        for name in list_benchmarks(args.bench, env):
            key = base_name(name)
            if args.only and not re.search(args.only, name):
                continue
            family = key.split("/")[0]
            if family in FIXED_SIZE:
                if key in fixed_done:
                    continue
                fixed_done.add(key)
                record(key, FIXED_SIZE[family], run_benchmark(args.bench, name, env, args.repetitions))
                continue
            record(key, size, run_benchmark(args.bench, name, env, args.repetitions))
        if args.first_scan and (not args.only or re.search(args.only, "first_scan")):
            record("first_scan", size, run_first_scan(args.first_scan, size, args.first_scan_runs, env))

    window_sizes = [int(s) for s in args.window_sizes.split(",") if s]
    window_measured = []
    if window_sizes and not args.window_answers:
        parser.error("--window-sizes needs --window-answers")
    for games in window_sizes:
        print("The real program's window answers, %s games:" % size_label(games), flush=True)
        result = run_window_answers(args.window_answers, games, args.repetitions, dict(os.environ))
        window_measured.append((games, result))
        if "error" in result:
            print("  FAILED: " + result["error"], flush=True)
        else:
            for what, answer in result["answers"].items():
                print("  %-55s %s" % (what, ", ".join("%s %s" % (k, v) for k, v in answer.items())), flush=True)

    lines = [
        "# Benchmarks",
        "",
        "Written by `scripts/bench-report.sh` on %s, commit %s, in %.0f minutes." % (
            datetime.date.today().isoformat(), commit_of(os.path.dirname(os.path.abspath(__file__))),
            (time.time() - started) / 60),
        "Machine: %s; load average %.2f at the start, 15-minute load average %.2f at the end"
        " (other work on the machine shows in every number)." % (header_machine, load_at_start, os.getloadavg()[2]),
        "",
        "Every benchmark ran %d times in a process of its own on a generated collection of the given"
        " size (`PALLOX_BENCH_GAMES`); the time is the median of those runs, wall-clock. Peak memory is"
        " the largest resident size of that process, collection, window and Qt included. The first"
        " start (`pallox_first_scan`) is the median of %d rounds of the whole program." % (
            args.repetitions, args.first_scan_runs),
        "",
        "## Targets",
        "",
        "| Operation | Size | Target | Measured |",
        "|---|---|---|---|",
    ]
    lines += check_targets(results)
    lines += ["", "## Every benchmark", "", "| Operation | Benchmark | Size | Median time | Peak memory | Notes |",
              "|---|---|---|---|---|---|"]
    for key in order:
        row_sizes = [s for (k, s) in results if k == key]
        for size in row_sizes:
            result = results[(key, size)]
            notes = [result["note"]] if "note" in result else []
            for counter, value in sorted(result.get("counters", {}).items()):
                notes.append(NOTED_COUNTERS[counter].format(value))
            if "error" in result:
                notes.append("failed: " + str(result["error"]))
            lines.append("| %s | `%s` | %s | %s | %s | %s |" % (
                OPERATIONS.get(key, key), key, size_label(size),
                format_ms(result["ms"]) if "ms" in result else "—",
                "%.0f MiB" % result["peak_mib"] if result.get("peak_mib") else "—",
                "; ".join(notes)))
    # Sections measured by scripts of their own (a library on a share, the test command) stay:
    # everything from the first heading that is not one of this report's own.
    # The window answers are written anew when measured, and kept from the last report otherwise.
    kept = ""
    if os.path.exists(args.out):
        with open(args.out) as old:
            previous = old.read()
        headings = list(re.finditer(r"^## .*$", previous, re.M))
        for number, match in enumerate(headings):
            if match.group(0) in OWN_HEADINGS or (window_measured and match.group(0) == WINDOW_HEADING):
                continue
            end = headings[number + 1].start() if number + 1 < len(headings) else len(previous)
            kept += "\n" + previous[match.start():end].rstrip("\n") + "\n"
    if window_measured:
        kept = "\n" + "\n".join(window_section(window_measured, args.repetitions)) + "\n" + kept
    with open(args.out, "w") as report:
        report.write("\n".join(lines) + "\n" + kept)
    print("Wrote %s" % args.out)
    failed = [key for key, result in results.items() if "error" in result]
    failed += [games for games, result in window_measured if "error" in result]
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
