#!/usr/bin/env python3
"""Prints the pattern benchmark's ratio table (Markdown) from its JSON output.

    uiutil_pattern_bench --benchmark_repetitions=5 --benchmark_out=run.json \
        --benchmark_out_format=json
    bench/ratio_table.py run.json

Each cell is the peer's CPU time over ours (above 1: we are faster), marked
against the goals. With repetitions, the medians are compared: on a shared
machine one repetition of a workload can run a third slower than the next.
"""
import json
import sys

PEERS = ["regexec", "std_regex", "RE2", "PCRE2", "PCRE2_JIT", "memmem"]
LITERAL_LED = {"AbsentLiteral", "LiteralAtEnd", "WordNearEnd", "AlternationAbsent",
               "LineStartLastLine", "CaselessLiteralAtEnd"}
TO_NS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}


def goal_met(workload, peer, ratio):
    """True or False where a goal applies to the cell, None where none does."""
    base = workload.split("_")[0]
    if peer in ("regexec", "RE2", "PCRE2"):
        return ratio > 1
    if peer == "PCRE2_JIT":
        return ratio > 1 if base in LITERAL_LED else ratio >= 0.5
    if peer == "memmem" and base == "AbsentLiteral":
        return ratio >= 1 / 1.2
    return None


def readable(ns):
    for unit, scale in (("s", 1e9), ("ms", 1e6), ("µs", 1e3)):
        if ns >= scale:
            return f"{ns / scale:.3g} {unit}"
    return f"{ns:.3g} ns"


def collect(paths):
    """(workload, engine) -> (CPU ns, peak KiB or None), medians when repeated."""
    single, median = {}, {}
    for path in paths:
        with open(path) as f:
            for b in json.load(f)["benchmarks"]:
                name = b.get("run_name", b["name"])
                workload, _, engine = name.partition("/")
                value = (b["cpu_time"] * TO_NS[b.get("time_unit", "ns")], b.get("peak_KiB"))
                if b.get("run_type") == "aggregate":
                    if b.get("aggregate_name") == "median":
                        median[(workload, engine)] = value
                else:
                    single.setdefault((workload, engine), value)
    single.update(median)
    return single


def main(paths):
    times = collect(paths)
    workloads = []
    for workload, _ in times:
        if workload not in workloads:
            workloads.append(workload)
    print("| workload | uiPattern CPU | " + " | ".join(PEERS) + " |")
    print("|---|---:|" + "---:|" * len(PEERS))
    for workload in workloads:
        ours = times.get((workload, "uiPattern"))
        if not ours:
            continue
        cell = readable(ours[0])
        if ours[1] is not None:
            cell += f" (peak {ours[1]:.0f} KiB)"
        cells = [cell]
        for peer in PEERS:
            theirs = times.get((workload, peer))
            if not theirs:
                cells.append("—")
                continue
            ratio = theirs[0] / ours[0]
            met = goal_met(workload, peer, ratio)
            mark = "" if met is None else (" ✓" if met else " ✗")
            cells.append(f"{ratio:.2f}{mark}")
        print(f"| {workload} | " + " | ".join(cells) + " |")


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    main(sys.argv[1:])
